// The scale files delivered beside the program, one per language.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"
#include "support/IdiomaDeTeste.h"

namespace {

using Offsets = std::vector<int32_t>;

const Offsets kMaior = {0, 2, 4, 5, 7, 9, 11};
const Offsets kMenor = {0, 2, 3, 5, 7, 8, 10};

struct Exigida {
    const char* ingles;
    const char* portugues;
    Offsets offsets;
};

const Exigida kExigidas[] = {
    {"Major", "Maior", kMaior},
    {"Natural minor", "Menor natural", kMenor},
    {"Harmonic minor", "Menor harm\xF4nica", {0, 2, 3, 5, 7, 8, 11}},
    {"Melodic minor", "Menor mel\xF3" "dica", {0, 2, 3, 5, 7, 9, 11}},
    {"Major pentatonic", "Pentat\xF4nica maior", {0, 2, 4, 7, 9}},
    {"Minor pentatonic", "Pentat\xF4nica menor", {0, 3, 5, 7, 10}},
    {"Blues", "Blues", {0, 3, 5, 6, 7, 10}},
    {"Ionian", "J\xF4nio", kMaior},
    {"Dorian", "D\xF3rico", {0, 2, 3, 5, 7, 9, 10}},
    {"Phrygian", "Fr\xEDgio", {0, 1, 3, 5, 7, 8, 10}},
    {"Lydian", "L\xED" "dio", {0, 2, 4, 6, 7, 9, 11}},
    {"Mixolydian", "Mixol\xED" "dio", {0, 2, 4, 5, 7, 9, 10}},
    {"Aeolian", "E\xF3lio", kMenor},
    {"Locrian", "L\xF3" "crio", {0, 1, 3, 5, 6, 8, 10}},
    {"Whole tone", "Tons inteiros", {0, 2, 4, 6, 8, 10}},
    {"Diminished (whole-half)", "Diminuta (tom e semitom)", {0, 2, 3, 5, 6, 8, 9, 11}},
    {"Diminished (half-whole)", "Diminuta (semitom e tom)", {0, 1, 3, 4, 6, 7, 9, 10}},
    {"Chromatic", "Crom\xE1tica", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"Phrygian dominant", "Fr\xEDgio dominante", {0, 1, 4, 5, 7, 8, 10}},
    {"Hungarian minor", "Menor h\xFAngara", {0, 2, 3, 6, 7, 8, 11}},
    {"Bebop dominant", "Bebop dominante", {0, 2, 4, 5, 7, 9, 10, 11}},
    {"Major (two octaves)", "Maior (duas oitavas)", {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24}},
    {"Natural minor (two octaves)", "Menor natural (duas oitavas)",
     {0, 2, 3, 5, 7, 8, 10, 12, 14, 15, 17, 19, 20, 22, 24}},
    {"Major pentatonic (two octaves)", "Pentat\xF4nica maior (duas oitavas)", {0, 2, 4, 7, 9, 12, 14, 16, 19, 21, 24}},
    {"Minor pentatonic (two octaves)", "Pentat\xF4nica menor (duas oitavas)",
     {0, 3, 5, 7, 10, 12, 15, 17, 19, 22, 24}},
};

struct Lido {
    std::vector<std::string> nomes;
    std::vector<Offsets> offsets;
};

Lido lerArquivoDoIdioma(IdiomaDeTeste& idioma) {
    auto base = BaseEscalas::doIdiomaAtual(idioma.plataforma());
    Lido lido;
    lido.nomes = base->getNomesEscalas();
    for (int i = 0; i < static_cast<int>(lido.nomes.size()); ++i) {
        const auto e = base->getEscala(i);
        if (e == nullptr) break;
        // Names and positions are counted separately: they must agree.
        EXPECT_EQ(e->getNome(), lido.nomes[static_cast<size_t>(i)]);
        lido.offsets.push_back(e->getFrequencia());
    }
    EXPECT_EQ(base->getEscala(static_cast<int>(lido.nomes.size())), nullptr);
    return lido;
}

void conferir(const Lido& lido, bool portugues) {
    ASSERT_EQ(lido.offsets.size(), lido.nomes.size());
    EXPECT_EQ(std::set<std::string>(lido.nomes.begin(), lido.nomes.end()).size(), lido.nomes.size())
        << "a repeated name could never be chosen";
    for (const auto& exigida : kExigidas) {
        const std::string nome = portugues ? exigida.portugues : exigida.ingles;
        SCOPED_TRACE(nome);
        const auto it = std::find(lido.nomes.begin(), lido.nomes.end(), nome);
        ASSERT_NE(it, lido.nomes.end());
        EXPECT_EQ(lido.offsets[static_cast<size_t>(it - lido.nomes.begin())], exigida.offsets);
    }
}

TEST(ArquivosEntreguesTest, Ingles) {
    IdiomaDeTeste idioma("English");
    ASSERT_TRUE(idioma.carregado());
    conferir(lerArquivoDoIdioma(idioma), false);
}

TEST(ArquivosEntreguesTest, PortuguesTemAsMesmasEscalasNaMesmaOrdem) {
    Lido ingles;
    {
        IdiomaDeTeste idioma("English");
        ingles = lerArquivoDoIdioma(idioma);
    }
    IdiomaDeTeste idioma(kPortugues);
    ASSERT_TRUE(idioma.carregado());
    const Lido portugues = lerArquivoDoIdioma(idioma);
    conferir(portugues, true);
    EXPECT_EQ(portugues.offsets, ingles.offsets);
}

TEST(ArquivosEntreguesTest, TodaEscalaTemPosicoesNoViolaoEmDo) {
    IdiomaDeTeste idioma("English");
    const Lido lido = lerArquivoDoIdioma(idioma);
    GeradorEscalas gerador;
    for (size_t i = 0; i < lido.nomes.size(); ++i) {
        SCOPED_TRACE(lido.nomes[i]);
        EXPECT_NO_THROW(gerador.obterPosicoesEscala(Escala(lido.nomes[i], lido.offsets[i]), 0,
                                                    {40, 45, 50, 55, 59, 64}, 12));
    }
}

}  // namespace
