// The chord database compiler, run as the build runs it, on small sources.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "harmony/BaseAcordesViolao.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "support/Arquivos.h"
#include "support/IdiomaDeTeste.h"

namespace {

namespace fs = std::filesystem;

const std::string kCompilador = std::string(BRELVIO_APP_DIR) + "/../tools/chorddb/brelvio-chorddb";

class CompiladorAcordes : public ::testing::Test {
protected:
    void SetUp() override {
        pasta = fs::temp_directory_path() /
                ("brelvio-chorddb-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(pasta);
        ASSERT_TRUE(fs::exists(kCompilador)) << kCompilador;
    }
    void TearDown() override { fs::remove_all(pasta); }

    // Exit status of the compiler on the given source; its error output in erro.
    int compilar(const std::string& fonte, const std::string& opcoes = "") {
        std::ofstream(pasta / "fonte.txt", std::ios::binary) << fonte;
        const std::string comando = "'" + kCompilador + "' " + opcoes + " '" + (pasta / "fonte.txt").string() +
                                    "' '" + saida().string() + "' >/dev/null 2>'" + (pasta / "erro.txt").string() +
                                    "'";
        const int estado = std::system(comando.c_str());
        erro = lerArquivo(pasta / "erro.txt");
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }
    fs::path saida() const { return pasta / "base.dat"; }

    fs::path pasta;
    std::string erro;
};

const char* const kFonte =
    "# a small dictionary\n"
    "[names en]\n"
    ".     .\n"
    "4     sus4      # the Brazilian C4 is the English Csus4\n"
    "m     m\n"
    "[shapes]\n"
    "F     1 3 3 2 1 1   1 3 4 2 1 1   C F\n"
    "[chords]\n"
    "C     x 3 2 0 1 0   x 3 2 0 1 0\n"
    "C4    x 3 3 0 1 1   x 3 4 0 1 1\n"
    "[shapes]\n"
    "Dm/F  x x 3 2 3 1   x x 3 2 4 1   Em/G\n";

std::string bytes(std::initializer_list<int> b) {
    std::string s;
    for (int x : b) s += static_cast<char>(x);
    return s;
}

TEST_F(CompiladorAcordes, EscreveOsRegistrosByteAByte) {
    ASSERT_EQ(compilar(kFonte), 0) << erro;
    // Chords in the order they first appear (C comes with the F shape), each
    // one's fingerings up the neck: the open C before the barre moved to C.
    const std::string esperado =
        bytes({0, 0, 1, 'C', 0x3E, 0x30, 0x02, 0x01, 0x1E, 0x02, 0x01}) +
        bytes({1, 0, 1, 'C', 0x3F, 0xA8, 0x9A, 0x88, 0x19, 0x14, 0x09}) +
        bytes({2, 0, 1, 'F', 0x3F, 0x31, 0x23, 0x11, 0x19, 0x14, 0x09}) +
        bytes({3, 0, 2, 'C', '4', 0x3E, 0x30, 0x03, 0x11, 0x1E, 0x04, 0x09}) +
        bytes({4, 0, 4, 'E', 'm', '/', 'G', 0x3C, 0x00, 0x45, 0x35, 0x36, 0x13, 0x0C});
    EXPECT_EQ(lerArquivo(saida()), esperado);

    ASSERT_EQ(compilar(kFonte, "--names en"), 0) << erro;
    const std::string ingles = lerArquivo(saida());
    EXPECT_EQ(ingles.substr(0, 33), esperado.substr(0, 33));
    EXPECT_EQ(ingles.substr(33, 16), bytes({3, 0, 5, 'C', 's', 'u', 's', '4', 0x3E, 0x30, 0x03, 0x11, 0x1E, 0x04, 0x09}) +
                                         bytes({4}));
}

TEST_F(CompiladorAcordes, OLeitorDevolveOQueAFonteEscreveu) {
    ASSERT_EQ(compilar(kFonte), 0) << erro;
    IdiomaDeTeste idioma;
    BaseAcordesViolao base;
    base.carregarBase(saida().string());
    ASSERT_EQ(base.tamanho(), 4);
    EXPECT_EQ(base.getNomes().get(0), "C");
    EXPECT_EQ(base.getNomes().get(1), "C4");
    EXPECT_EQ(base.getNomes().get(2), "Em/G");
    EXPECT_EQ(base.getNomes().get(3), "F");
    const auto& c = base.getAcordeComposto(0)->getPosicoes();
    ASSERT_EQ(c.size(), 2);
    const auto* aberto = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(c.getElement(0));
    EXPECT_EQ(aberto->getCasas(), (std::vector<int32_t>{-1, 3, 2, 0, 1, 0}));
    EXPECT_EQ(aberto->getDedos(), (std::vector<int32_t>{6, 3, 2, 0, 1, 0}));
}

TEST_F(CompiladorAcordes, ErroNaFonteApontaALinhaENaoDeixaArquivo) {
    struct Caso {
        const char* opcoes;
        const char* fonte;
        const char* mensagem;  // after "SOURCE:"
    };
    const Caso casos[] = {
        {"", "[chords]\nC7(9/11/13/b13/#11/b9/#9/b5/#5)/E  0 3 2 3 1 0  0 3 2 4 1 0\n",
         "2: error: chord name 'C7(9/11/13/b13/#11/b9/#9/b5/#5)/E' has 33 characters; a record holds at most 30"},
        // Short in one notation, too long in the other.
        {"--names en", "[names en]\nm7(9) m7(9,with-an-added-ninth-atop)\n[chords]\nCm7(9)  x 3 1 3 3 x  x 2 1 3 4 x\n",
         "4: error: chord name 'Cm7(9,with-an-added-ninth-atop)' has 31 characters; a record holds at most 30"},
        {"", "C x 3 2 0 1 0  x 3 2 0 1 0\n", "1: error: a statement before any section"},
        {"", "[chords]\nC x 3 2 0 1 0  x 3 2 1 1 0\n",
         "2: error: string 4 (lowest = 1): an open string takes finger 0"},
        {"", "[chords]\nC x 3 2 0 1 0  x 1 1 0 2 0\n",
         "2: error: string 3 (lowest = 1): finger 1 is already on fret 3; one finger stops one fret"},
        {"", "[chords]\nG 3 7 5 x x x  1 4 3 x x x\n", "2: error: the stopped frets 3 to 7 span more than four frets"},
        {"", "[chords]\nC x 3 2 0 1 0  x 3 2 0 5 0\n",
         "2: error: finger 5 does not exist: use 0 (open), 1 to 4, or x (muted)"},
        {"", "[chords]\nC x 3 2 0 1 13  x 3 2 0 1 4\n", "2: error: fret 13 is past the last fret (12)"},
        {"", "[chords]\nE#m 0 2 2 0 0 0  0 2 3 0 0 0\n",
         "2: error: chord name 'E#m' has the root 'E#', which is not one of the seventeen note names"},
        {"", "[chords]\nC\xE2\x99\xAD x 3 2 0 1 0  x 3 2 0 1 0\n",
         "2: error: chord name 'C\xE2\x99\xAD' has a character that Windows-1252 names cannot hold"},
        {"", "[chords]\nC x 3 2 0 1 0  x 3 2 0 1 0\nC x 3 2 0 1 0  x 3 2 0 1 0\n",
         "3: error: this fingering of C is already given on line 2"},
        {"", "[shapes]\nC x 3 2 0 1 0  x 3 2 0 1 0  D\n", "2: error: a movable shape cannot have an open string"},
        {"", "[shapes]\nF 1 3 3 2 1 1  1 3 4 2 1 1  E\n", "2: error: the shape moved to E passes fret 12"},
        {"", "[shapes]\nC/E x 7 5 5 5 8  x 3 1 1 1 4  D/G\n",
         "2: error: target 'D/G' does not have the bass of the shape moved with it"},
        {"", "[shapes]\nDm/F x x 3 2 3 1  x x 3 2 4 1  E/G\n",
         "2: error: target 'E/G' is not the chord of the shape Dm/F on another root"},
        {"--names en", "[names en]\n. .\n[chords]\nCm x 3 5 5 4 3  x 1 3 4 2 1\n",
         "4: error: the suffix 'm' of Cm has no writing in [names en]"},
        {"--names en", "[names en]\n7M maj7\n7+ maj7\n", "3: error: the suffixes '7M' and '7+' would both be written 'maj7'"},
        {"--names de", "[names en]\n. .\n", "error: the source has no [names de] section"},
    };
    for (const auto& c : casos) {
        // A file left by an earlier build must not survive a failed one.
        std::ofstream(saida()) << "stale";
        EXPECT_EQ(compilar(c.fonte, c.opcoes), 1) << c.fonte;
        EXPECT_EQ(erro, (pasta / "fonte.txt").string() + (c.mensagem[0] == 'e' ? ": " : ":") + c.mensagem + "\n");
        EXPECT_FALSE(fs::exists(saida())) << c.fonte;
    }
}

TEST_F(CompiladorAcordes, LinhaDeComandoErradaSaiComDois) {
    EXPECT_EQ(compilar(kFonte, "--frets"), 2);
    EXPECT_EQ(compilar(kFonte, "--frets 40"), 2);
    EXPECT_EQ(compilar(kFonte, "--bogus"), 2);
    EXPECT_NE(erro.find("usage: brelvio-chorddb"), std::string::npos);
}

}  // namespace
