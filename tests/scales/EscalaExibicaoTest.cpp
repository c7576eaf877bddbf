#include "scales/EscalaExibicao.h"

#include <gtest/gtest.h>

namespace {

using Lista = std::vector<int32_t>;

TEST(EscalaExibicaoTest, Dificuldade) {
    struct Caso {
        const char* caso;
        Lista casas;
        Lista cordas;
        int32_t dificuldade;
    };
    const Caso casos[] = {
        {"3 e 5 na corda 0, 2 e 5 na corda 1", {3, 5, 2, 5}, {0, 0, 1, 1}, 305},
        {"uma nota por corda", {5, 7, 4}, {0, 1, 2}, 300},
        {"solta conta como casa 0", {0, 9}, {0, 1}, 900},
        {"uma nota", {7}, {3}, 0},
        {"vazia", {}, {}, 0},
        {"setima corda", {1, 4}, {6, 6}, 303},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const EscalaExibicao e(c.casas, c.cordas, Lista(c.casas.size(), 1), Lista(c.casas.size(), 1));
        EXPECT_EQ(e.getDificuldade(), c.dificuldade);
        EXPECT_EQ(e.getDificuldade(), c.dificuldade);  // the kept value
    }
}

TEST(EscalaExibicaoTest, IgualdadeOrdemECopia) {
    const EscalaExibicao a({3, 5}, {0, 0}, {1, 3}, {1, 2});
    struct Caso {
        const char* caso;
        EscalaExibicao outra;
        bool igual;
    };
    const Caso casos[] = {
        {"igual", {{3, 5}, {0, 0}, {1, 3}, {1, 2}}, true},
        {"casas", {{3, 6}, {0, 0}, {1, 3}, {1, 2}}, false},
        {"cordas", {{3, 5}, {0, 1}, {1, 3}, {1, 2}}, false},
        {"dedos", {{3, 5}, {0, 0}, {1, 4}, {1, 2}}, false},
        {"mao direita", {{3, 5}, {0, 0}, {1, 3}, {2, 1}}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(a == c.outra, c.igual);
        EXPECT_EQ(a.igual(&c.outra), c.igual);
        EXPECT_EQ(a.diferente(&c.outra), !c.igual);
    }
    EXPECT_FALSE(a.igual(nullptr));
    EXPECT_TRUE(a.diferente(nullptr));

    const EscalaExibicao larga({0, 9}, {0, 1}, {0, 4}, {1, 2});
    EXPECT_TRUE(a < larga);
    EXPECT_FALSE(larga < a);
    EXPECT_FALSE(a < a);

    const EscalaExibicao copia = larga;
    EXPECT_TRUE(copia == larga);
    EXPECT_EQ(copia.getDificuldade(), 900);
    EXPECT_EQ(copia.getCasas(), (Lista{0, 9}));
    EXPECT_EQ(copia.getCordas(), (Lista{0, 1}));
    EXPECT_EQ(copia.getDedos(), (Lista{0, 4}));
    EXPECT_EQ(copia.getDedosMaoDireita(), (Lista{1, 2}));
}

}  // namespace
