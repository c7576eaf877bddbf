#include "scales/Escala.h"

#include <gtest/gtest.h>

namespace {

TEST(EscalaTest, IgualdadeComparaSoOsOffsetsNaOrdem) {
    const Escala maior("Maior", {0, 2, 4, 5, 7, 9, 11});
    struct Caso {
        const char* caso;
        Escala outra;
        bool igual;
    };
    const Caso casos[] = {
        {"outro nome", {"Ionian", {0, 2, 4, 5, 7, 9, 11}}, true},
        {"outra ordem", {"Maior", {0, 2, 4, 5, 7, 11, 9}}, false},
        {"mais curta", {"Maior", {0, 2, 4, 5, 7, 9}}, false},
        {"oitava acima", {"Maior", {12, 14, 16, 17, 19, 21, 23}}, false},
        {"vazia", {"Maior", {}}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(maior == c.outra, c.igual);
        EXPECT_EQ(maior.igual(&c.outra), c.igual);
        EXPECT_EQ(maior.diferente(&c.outra), !c.igual);
    }
    EXPECT_FALSE(maior.igual(nullptr));
    EXPECT_TRUE(maior.diferente(nullptr));
    EXPECT_TRUE(Escala() == Escala("x", {}));
}

TEST(EscalaTest, AtribuicaoCopiaNomeEOffsetsEGettersDevolvemCopias) {
    Escala a("A", {0, 0, -3, 27});
    Escala b;
    b = a;
    EXPECT_EQ(b.getNome(), "A");
    EXPECT_EQ(b.getFrequencia(), (std::vector<int32_t>{0, 0, -3, 27}));
    auto copia = a.getFrequencia();
    copia.push_back(1);
    EXPECT_EQ(a.getFrequencia().size(), 4u);
    a.setNome("B");
    a.setFrequencia({5});
    EXPECT_EQ(b.getNome(), "A");
    EXPECT_EQ(a.getFrequencia(), (std::vector<int32_t>{5}));
}

TEST(EscalaTest, OrdemDosNomes) {
    struct Caso {
        const char* a;
        const char* b;
        bool menor;
    };
    const Caso casos[] = {
        {"L\xE1", "La", true},  // the accented byte is negative
        {"La", "L\xE1", false},
        {"C", "C#", true},
        {"C#", "C", false},
        {"Cm", "C#", true},
        {"Cm", "Cb", true},
        {"Cb", "Cm", false},
        {"C#", "Cb", true},
        {"Cb", "C#", false},
        {"A#", "C", true},  // the first byte decides before the accidental rule
        {"C", "Cm", true},
        {"Maior", "Menor", true},
        {"Maior", "Maior", false},
        {"", "A", true},
        {"A", "", false},
        {"L", "L\xE1", false},  // the terminating zero is greater than a negative byte
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.a) + " < " + c.b);
        const Escala a(c.a, {0});
        const Escala b(c.b, {0});
        EXPECT_EQ(a.menorQue(&b), c.menor);
    }
    const Escala a("A", {0});
    EXPECT_FALSE(a.menorQue(nullptr));
}

}  // namespace
