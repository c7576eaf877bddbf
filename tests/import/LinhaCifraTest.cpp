// Chord lines and lyric lines, the chords each offers and their
// transposition, in both notations: the interpreter follows the language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/LinhaCifra.h"
#include "support/IdiomaDeTeste.h"

namespace {

class LinhaCifraTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(idioma.carregado()); }
    IdiomaDeTeste idioma{GetParam()};
};

TEST_P(LinhaCifraTest, ClassificacaoEAcordesOferecidos) {
    struct Case {
        std::string linha;
        TipoLinha tipo;
        std::vector<std::string> acordes;
    };
    const Case casos[] = {
        {"Am   F    Dm  G", TipoLinha::Acordes, {"Am", "F", "Dm", "G"}},
        // Song parts and repeats are skipped when classifying, still offered on import.
        {"Intro: Am F 2x", TipoLinha::Acordes, {"Intro:", "Am", "F", "2x"}},
        {"Tom: G   Refr\xE3o", TipoLinha::Acordes, {"Tom:", "G", "Refr\xE3o"}},
        {"Dm | G7 | C", TipoLinha::Acordes, {"Dm", "|", "G7", "|", "C"}},
        {"Am7(9)/G  C7M  Bb7/D  F#m7(b5)  E\xBA", TipoLinha::Acordes,
         {"Am7(9)/G", "C7M", "Bb7/D", "F#m7(b5)", "E\xBA"}},
        {"Amazing [Am]grace, how [F]sweet the sound", TipoLinha::Letra, {"Am", "F"}},
        {"[C#m7M(b9)(#11)/Gb] is too long, [Cm7M(b9)(#11)/Gb] is not", TipoLinha::Letra, {"Cm7M(b9)(#11)/Gb"}},
        {"Amazing grace", TipoLinha::Letra, {}},
        // "A" and "E" read as chords: a line of them is a chord line.
        {"A E", TipoLinha::Acordes, {"A", "E"}},
        // A rejected candidate ends the examination: "Cmaj" is no chord symbol.
        {"Cmaj G", TipoLinha::Letra, {}},
        {"", TipoLinha::Acordes, {}},
        {"-- 1 2 3 --", TipoLinha::Acordes, {"--", "1", "2", "3", "--"}},
        // A word past the first 500 characters does not make a lyric line.
        {"C" + std::string(499, ' ') + "word", TipoLinha::Acordes, {"C"}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(linhaCifra::classificar(c.linha), c.tipo) << c.linha;
        EXPECT_EQ(linhaCifra::acordes(c.linha), c.acordes) << c.linha;
    }
}

TEST_P(LinhaCifraTest, TransposicaoNoLugarComORestoDaLinhaDeslocado) {
    struct Case {
        std::string linha;
        DirecaoTransposicao direcao;
        std::string resultado;
    };
    const Case casos[] = {
        {"Am   F    Dm  G", kTransporAcima, "A#m   F#    D#m  G#"},
        {"Am   F    Dm  G", kTransporAbaixo, "Abm   E    Dbm  Gb"},
        {"C#m  G  lyric-free", kTransporAbaixo, "C#m  G  lyric-free"},  // "lyric-free" makes it a lyric line
        {"C#m  G", kTransporAbaixo, "Cm  Gb"},
        {"C#m  G  (2x)", kTransporAbaixo, "Cm  Gb  (2x)"},
        {"Intro: Am F 2x", kTransporAcima, "Intro: A#m F# 2x"},
        {"Dm | G7 | C", kTransporAcima, "D#m | G#7 | C#"},
        {"Bb  Eb/G  Am7(9)/G", kTransporAcima, "B  E/G#  A#m7(9)/G#"},
        {"Amazing [Am]grace, how [F]sweet the sound", kTransporAcima, "Amazing [A#m]grace, how [F#]sweet the sound"},
        {"[C#m]Love you [E] so", kTransporAbaixo, "[Cm]Love you [Eb] so"},
        {"[C#m7M(b9)(#11)/Gb] long, [Cm7M(b9)(#11)/Gb] not", kTransporAcima,
         "[C#m7M(b9)(#11)/Gb] long, [C#m7M(b9)(#11)/G] not"},
        // Text the interpreter refuses stays; so do chords beyond the searched part.
        {"[Chorus] sing [G]", kTransporAcima, "[Chorus] sing [G#]"},
        {"C" + std::string(498, ' ') + "C#m", kTransporAbaixo, "B" + std::string(498, ' ') + "C#m"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(linhaCifra::transpor(c.linha, 1, c.direcao), c.resultado) << c.linha;
    }
}

TEST_P(LinhaCifraTest, SubstituicoesNasPosicoesOriginais) {
    const std::vector<Substituicao> esperadas = {{0, 2, "A#m"}, {5, 1, "F#"}, {10, 2, "D#m"}, {14, 1, "G#"}};
    EXPECT_EQ(linhaCifra::substituicoesTransposicao("Am   F    Dm  G", 1, kTransporAcima), esperadas);
    // A step count of several semitones, and none.
    EXPECT_EQ(linhaCifra::transpor("Am  | C", 2, kTransporAcima), "Bm  | D");
    EXPECT_EQ(linhaCifra::transpor("Db  C", 0, kTransporAcima), "Db  C");
}

INSTANTIATE_TEST_SUITE_P(Notacoes, LinhaCifraTest, ::testing::Values("English", kPortugues),
                         [](const auto& info) { return std::string(info.index == 0 ? "Internacional" : "Brasileira"); });

}  // namespace
