#include <gtest/gtest.h>

#include <vector>

#include "core/base/Excecoes.h"
#include "instruments/RestricaoAcordes.h"

namespace {

using Sequencia = std::vector<int32_t>;

const Sequencia kViolao = {40, 45, 50, 55, 59, 64};
const Sequencia kCavaquinho = {50, 55, 59, 64};

// Pitch classes 1..12, C = 12.
constexpr int32_t C = 12, D = 2, E = 4, G = 7, Bb = 10;

TonsAcorde triade(int32_t tonica, int32_t terca, int32_t quinta) {
    TonsAcorde t;
    t.tonica = tonica;
    t.terca = terca;
    t.quinta = quinta;
    t.baixo = tonica;
    return t;
}

TEST(RestricaoAcordes, ValoresFixos) {
    const RestricaoAcordes r;
    EXPECT_TRUE(r.isOmitirQuinta());
    EXPECT_TRUE(r.isOmitirTerca());
    EXPECT_TRUE(r.isPermitirUnissono());
    EXPECT_TRUE(r.isPermitirSegundaMenor());
    EXPECT_EQ(r.getModoCordas(), 3);
    EXPECT_EQ(r.getMinimoComponentes(), 3);
    const Sequencia repeticoes = {3, 2, 2, -1, 1};
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(r.getMaximoRepeticoes(i), repeticoes[i]) << i;
    EXPECT_THROW(r.getMaximoRepeticoes(5), OutOfBoundsException);
    EXPECT_EQ(r.getMascaras(), (std::vector<std::string>{"xxoooo", "xoxooo", "oxxooo", "xoooox", "oxooox",
                                                         "ooooxx", "oooooo", "xooooo"}));
}

TEST(RestricaoAcordes, ClasseDeAlturaTemDoComoDoze) {
    EXPECT_EQ(classeAltura(60), 12);
    EXPECT_EQ(classeAltura(61), 1);
    EXPECT_EQ(classeAltura(59), 11);
    EXPECT_EQ(classeAltura(0), 12);
}

struct CasoDedos {
    Sequencia casas;
    int32_t dedos;
};

const CasoDedos kDedos[] = {
    {{3, 3, 5, 5, 5, 3}, 4},     // the barre at 3 counts once
    {{1, 1, 0, 1, 1, 1}, 3},     // the open string 2 ends the barre for strings 1 and 0
    {{-1, 3, 2, 0, 1, 0}, 3},
    {{1, 3, 3, 2, 1, 1}, 4},
    {{-1, 1, 3, 3, 3, 1}, 4},
    {{1, 2, 3, 4, 5, 1}, 5},
    {{0, 0, 0, 0, 0, 0}, 0},
    {{-1, -1, -1, -1, -1, -1}, 0},
    {{0, 2, 2, 2, -1, -1}, 1},   // an open string below the lowest fret does not break it
    {{2, 2, -1, 2, 2, 2}, 1},    // nor a muted one
};

TEST(RestricaoAcordes, DedosNecessarios) {
    for (const auto& c : kDedos) {
        EXPECT_EQ(RestricaoAcordes::dedosNecessarios(c.casas, 12), c.dedos) << ::testing::PrintToString(c.casas);
    }
}

struct CasoMascara {
    Sequencia casas;
    bool permitido;
};

const CasoMascara kMascaras[] = {
    {{-1, 3, 2, 0, 1, 0}, true},       // xooooo
    {{-1, 0, 2, 2, 2, -1}, true},      // xoooox
    {{-1, 2, 2, -1, 2, 2}, false},     // strings 0 and 3
    {{-1, -1, 0, 2, 3, 2}, true},      // xxoooo
    {{3, 2, 0, 0, -1, -1}, true},      // ooooxx
    {{3, 2, 0, 0, 0, -1}, false},      // only the top string
    {{-1, -1, -1, 2, 3, 2}, false},
    // Four strings: masks act as xxoo, xoxo, oxxo, xooo, oxoo, oooo, oooo, xooo.
    {{10, 0, 8, 0}, true},
    {{-1, 0, 8, 0}, true},
    {{10, -1, 8, 0}, true},
    {{10, 0, 8, -1}, false},
    {{10, 0, -1, 0}, false},
    // Five strings: the sixth mask acts as oooox.
    {{3, 2, 0, 0, -1}, true},
    {{3, 2, 0, -1, -1}, false},
};

TEST(RestricaoAcordes, UsoDasCordasPelasMascaras) {
    const RestricaoAcordes r;
    for (const auto& c : kMascaras) {
        EXPECT_EQ(r.usoCordasPermitido(c.casas), c.permitido) << ::testing::PrintToString(c.casas);
    }
}

struct CasoCompleto {
    const char* acorde;
    Sequencia casas;
    bool completo;
};

TonsAcorde comSetima(TonsAcorde t, int32_t setima) {
    t.setima = setima;
    return t;
}

TonsAcorde comExtensao(TonsAcorde t, int32_t extensao) {
    t.extensoes[t.nExtensoes++] = extensao;
    return t;
}

TEST(RestricaoAcordes, CompletudeDoAcorde) {
    const RestricaoAcordes r;
    const TonsAcorde doMaior = triade(C, E, G);
    const TonsAcorde doQuinta = triade(C, C, G);  // no third: the root stands in for it
    const TonsAcorde doSete = comSetima(doMaior, Bb);
    const TonsAcorde doNona = comExtensao(doMaior, D);
    const struct {
        const TonsAcorde& tons;
        CasoCompleto caso;
    } casos[] = {
        // Pitches on the guitar: E A D G B E plus the fret.
        {doMaior, {"C E G C E", {-1, 3, 2, 0, 1, 0}, true}},
        {doMaior, {"C G C E G: two fifths", {-1, 3, 5, 5, 5, 3}, true}},
        {doMaior, {"C G C E G C: three roots", {8, 10, 10, 9, 8, 8}, true}},
        {doMaior, {"C C G C C E: four roots", {8, 3, 5, 5, 1, 0}, false}},
        {doMaior, {"E C E G E: three thirds", {0, 3, 2, 0, -1, 0}, false}},
        {doMaior, {"C G C G: two components", {-1, 3, 5, 5, 8, -1}, false}},
        {doMaior, {"C E G: three strings", {-1, 3, 2, 0, -1, -1}, false}},
        {doMaior, {"E E G G: no root", {0, -1, 2, 0, -1, 3}, false}},
        {doMaior, {"C E C C: a triad without its fifth has two components", {-1, 3, 2, 5, 1, -1}, false}},
        {doQuinta, {"C G C G: root counts as third", {-1, 3, 5, 5, 8, -1}, true}},
        {doQuinta, {"C G C G C: three roots are three thirds", {-1, 3, 5, 5, 8, 8}, false}},
        {doSete, {"C E Bb C E", {-1, 3, 2, 3, 1, 0}, true}},
        {doSete, {"C E Bb C: the fifth may be left out", {-1, 3, 2, 3, 1, -1}, true}},
        {doSete, {"C E G C E: seventh missing", {-1, 3, 2, 0, 1, 0}, false}},
        {doSete, {"Bb C E Bb C E: two sevenths", {6, 3, 2, 3, 1, 0}, false}},
        {doNona, {"C E G D E", {-1, 3, 2, 0, 3, 0}, true}},
        {doNona, {"C D G D: ninth twice", {-1, 3, 0, 0, 3, -1}, false}},
        {doNona, {"C E G C E: ninth missing", {-1, 3, 2, 0, 1, 0}, false}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(r.completo(c.caso.casas, kViolao, c.tons), c.caso.completo) << c.caso.acorde;
    }
}

TEST(RestricaoAcordes, UnissonoESegundaMenor) {
    EXPECT_FALSE(RestricaoAcordes::temUnissono(Sequencia{-1, 3, 2, 0, 1, 0}, kViolao));
    EXPECT_TRUE(RestricaoAcordes::temUnissono(Sequencia{-1, 5, 0, 0, 1, 0}, kViolao));   // A+5 = open D
    EXPECT_FALSE(RestricaoAcordes::temUnissono(Sequencia{-1, 5, -1, 0, 1, 0}, kViolao));  // D muted
    EXPECT_FALSE(RestricaoAcordes::temSegundaMenor(Sequencia{-1, 3, 2, 0, 1, 0}, kViolao));
    EXPECT_TRUE(RestricaoAcordes::temSegundaMenor(Sequencia{-1, -1, -1, 5, 0, -1}, kViolao));  // C over B
    EXPECT_FALSE(RestricaoAcordes::temSegundaMenor(Sequencia{-1, -1, -1, 5, -1, 0}, kViolao));
}

TEST(RestricaoAcordes, AceitaAplicaTodasAsRegras) {
    const RestricaoAcordes r;
    const TonsAcorde doMaior = triade(C, E, G);
    EXPECT_TRUE(r.aceita(Sequencia{-1, 3, 2, 0, 1, 0}, kViolao, 12, doMaior));
    EXPECT_TRUE(r.aceita(Sequencia{8, 10, 10, 9, 8, 8}, kViolao, 12, doMaior));
    EXPECT_FALSE(r.aceita(Sequencia{8, 10, 10, 9, 5, 8}, kViolao, 12, doMaior)) << "six fingers";
    EXPECT_TRUE(r.completo(Sequencia{-1, 3, 2, -1, 1, 3}, kViolao, doMaior));
    EXPECT_FALSE(r.aceita(Sequencia{-1, 3, 2, -1, 1, 3}, kViolao, 12, doMaior)) << "strings 0 and 3 muted";
    // Four strings: every one must sound.
    EXPECT_TRUE(r.aceita(Sequencia{10, 0, 8, 0}, kCavaquinho, 12, doMaior));
    EXPECT_FALSE(r.aceita(Sequencia{-1, 0, 8, 0}, kCavaquinho, 12, doMaior));
}

}  // namespace
