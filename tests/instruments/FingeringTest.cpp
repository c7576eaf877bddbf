#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "instruments/Fingering.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "support/IdiomaDeTeste.h"
#include "support/InstrumentosDeTeste.h"

namespace {

using Sequencia = std::vector<int32_t>;

struct CasoPrimeira {
    Sequencia casas;
    Sequencia primeira;
};

// Guitar frets, lowest string first, and the most natural assignment.
const CasoPrimeira kPrimeiras[] = {
    {{-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}},    // C: one finger per fret
    {{-1, 0, 2, 2, 2, 0}, {0, 0, 1, 2, 3, 0}},    // A: open top string forbids the barre
    {{3, 2, 0, 0, 0, 3}, {2, 1, 0, 0, 0, 3}},     // G: equal costs keep enumeration order
    {{-1, -1, 0, 2, 3, 2}, {0, 0, 0, 1, 2, 1}},   // D: index across fret 2, cost 0
    {{1, 3, 3, 2, 1, 1}, {1, 3, 4, 2, 1, 1}},     // F: full barre
    {{-1, 1, 3, 3, 3, 1}, {0, 1, 2, 3, 4, 1}},    // Bb: barre with three notes above it
    {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},     // all open
    {{-1, -1, -1, -1, -1, -1}, {0, 0, 0, 0, 0, 0}},
    {{10, 0, 8, 12}, {2, 0, 1, 4}},               // cavaquinho: fret 12 is still on the neck
};

TEST(Fingering, PrimeiraAtribuicaoEAMaisNatural) {
    for (const auto& c : kPrimeiras) {
        Fingering f(c.casas, 12);
        ASSERT_FALSE(f.getAtribuicoes().empty()) << ::testing::PrintToString(c.casas);
        EXPECT_EQ(f.getAtribuicoes().front(), c.primeira) << ::testing::PrintToString(c.casas);
    }
}

struct CasoLista {
    Sequencia casas;
    std::vector<Sequencia> atribuicoes;
};

// Whole lists: enumeration order, pruning, then a stable sort by cost.
const CasoLista kListas[] = {
    // 1-2-3 and 2-3-4 lie one per fret (cost 0); 1-2-4 and 1-3-4 cost 1.
    {{-1, 3, 2, 0, 1, 0}, {{0, 3, 2, 0, 1, 0}, {0, 4, 3, 0, 2, 0}, {0, 4, 2, 0, 1, 0}, {0, 4, 3, 0, 1, 0}}},
    // A barre may not share its fret with another finger: 1-1-2, 1-1-3, 1-1-4 go.
    {{-1, 2, 2, 2, -1, -1},
     {{0, 1, 1, 1, 0, 0}, {0, 1, 2, 3, 0, 0}, {0, 2, 3, 4, 0, 0}, {0, 1, 2, 4, 0, 0}, {0, 1, 3, 4, 0, 0}}},
    // Only index and little finger span four frets.
    {{-1, 1, -1, 5, -1, -1}, {{0, 1, 0, 4, 0, 0}}},
    {{1, 3, 3, 2, 1, 1}, {{1, 3, 4, 2, 1, 1}}},
};

TEST(Fingering, ListaCompletaEmOrdemDeEsforco) {
    for (const auto& c : kListas) {
        EXPECT_EQ(Fingering(c.casas, 12).getAtribuicoes(), c.atribuicoes) << ::testing::PrintToString(c.casas);
    }
}

TEST(Fingering, PestanaExigeCasaRepetidaSemCordaSoltaPorBaixo) {
    EXPECT_TRUE(Fingering({1, 3, 3, 2, 1, 1}, 12).temPestana());
    EXPECT_TRUE(Fingering({-1, 2, 2, 2, -1, -1}, 12).temPestana()) << "muted strings do not break it";
    EXPECT_FALSE(Fingering({-1, 0, 2, 2, 2, 0}, 12).temPestana()) << "open string above the lowest fret";
    EXPECT_TRUE(Fingering({0, 2, 2, 2, -1, -1}, 12).temPestana()) << "an open string below the barre is fine";
    EXPECT_FALSE(Fingering({-1, 3, 2, 0, 1, 0}, 12).temPestana()) << "lowest fret held once";
    EXPECT_FALSE(Fingering({0, 0, 0, 0, 0, 0}, 12).temPestana());
}

struct CasoSemAtribuicao {
    Sequencia casas;
    const char* motivo;
};

const CasoSemAtribuicao kSemAtribuicao[] = {
    {{1, 1, 0, 1, 1, 1}, "open string breaks the barre, five notes"},
    {{1, 2, 3, 4, 5, -1}, "five fingers needed"},
    {{-1, 1, -1, 6, -1, -1}, "index and little finger five frets apart"},
};

TEST(Fingering, SemAtribuicaoPossivel) {
    for (const auto& c : kSemAtribuicao) {
        EXPECT_TRUE(Fingering(c.casas, 12).getAtribuicoes().empty()) << c.motivo;
    }
}

TEST(Fingering, CasasAlemDoBracoNaoLevamDedo) {
    // 13 is past a twelve-fret neck: it is not a fretted note.
    Fingering f({-1, 13, 2, 0, 1, 0}, 12);
    ASSERT_FALSE(f.getAtribuicoes().empty());
    EXPECT_EQ(f.getAtribuicoes().front(), (Sequencia{0, 0, 2, 0, 1, 0}));
    Fingering f14({-1, 13, 2, 0, 1, 0}, 14);
    EXPECT_TRUE(f14.getAtribuicoes().empty()) << "1, 2 and 13 cannot be reached";
}

TEST(Fingering, FuncionaComQualquerNumeroDeCordas) {
    Fingering tres({2, 0, 1}, 12);
    ASSERT_FALSE(tres.getAtribuicoes().empty());
    EXPECT_EQ(tres.getAtribuicoes().front(), (Sequencia{2, 0, 1}));
    Fingering vazia({}, 12);
    ASSERT_EQ(vazia.getAtribuicoes().size(), 1u);
    EXPECT_TRUE(vazia.getAtribuicoes().front().empty());
}

TEST(Fingering, SemNumeroDeCasasUsaOInstrumentoAtual) {
    IdiomaDeTeste idioma;
    ASSERT_TRUE(idioma.carregado());
    InstrumentosDeTeste instrumentos(idioma.plataforma());
    const Sequencia casas = {-1, 13, 2, 0, 1, 0};
    // No current instrument: fret 13 is a note, out of reach of the others.
    EXPECT_TRUE(Fingering(casas).getAtribuicoes().empty());
    GerenciadorInstrumentos::getInstancia()->setInstrumento(1);
    EXPECT_EQ(Fingering(casas).getAtribuicoes(), Fingering(casas, 12).getAtribuicoes());
    EXPECT_FALSE(Fingering(casas).getAtribuicoes().empty());
}

}  // namespace
