#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"
#include "harmony/NotasIntervalos.h"

namespace {

const Especialista& esp() { return *Especialista::getInstancia(); }

TEST(TabelaNotas, NomesUnicosEClassesDeZeroAOnze) {
    std::set<std::string> nomes;
    for (const auto& linha : kNotas) {
        EXPECT_TRUE(nomes.insert(linha.nome).second) << linha.nome;
        EXPECT_GE(linha.classe, 0);
        EXPECT_LT(linha.classe, 12);
    }
}

TEST(TabelaNotas, SubirEDescerSemitom) {
    struct Case {
        IndiceNota nota;
        IndiceNota acima;
        IndiceNota abaixo;
    };
    const Case casos[] = {
        {0, 1, 16},  // C: down wraps to B
        {2, 3, 0},   // Db: up is D, never a flat
        {5, 6, 3},   // Eb
        {6, 7, 5},   // E: down is Eb, never D#
        {14, 16, 13},
        {16, 0, 15},  // B: up wraps to C
    };
    for (const auto& c : casos) {
        EXPECT_EQ(esp().subirSemitom(c.nota), c.acima) << c.nota;
        EXPECT_EQ(esp().descerSemitom(c.nota), c.abaixo) << c.nota;
    }
}

TEST(TabelaNotas, ClasseParaNotaUsaSustenidos) {
    const IndiceNota esperado[12] = {0, 1, 3, 4, 6, 7, 8, 10, 11, 13, 14, 16};
    for (int classe = 0; classe < 12; ++classe) {
        EXPECT_EQ(esp().getNotaSustenido(classe), esperado[classe]);
        EXPECT_EQ(esp().getNotaSustenido(classe + 60), esperado[classe]);
        EXPECT_EQ(esp().getNotaSustenido(classe - 12), esperado[classe]);
        EXPECT_EQ(esp().getClasseNota(esperado[classe]), classe);
    }
    EXPECT_EQ(esp().getNomeNota(esp().getNotaSustenido(61)), "C#");
}

TEST(TabelaNotas, IndiceForaDaTabelaERecusado) {
    for (IndiceNota n : {-1, 17, 31}) {
        EXPECT_THROW(esp().getNomeNota(n), OutOfBoundsException) << n;
        EXPECT_THROW(esp().subirSemitom(n), OutOfBoundsException) << n;
        EXPECT_THROW(esp().getClasseNota(n), OutOfBoundsException) << n;
    }
}

TEST(TabelaGraus, DobraSobreUmGrauArmazenadoDaMesmaClasse) {
    const std::set<IndiceGrau> armazenados(std::begin(kGrausArmazenados), std::end(kGrausArmazenados));
    EXPECT_EQ(armazenados.size(), 16u);
    for (IndiceGrau d = 0; d < kNumeroGraus; ++d) {
        const IndiceGrau a = kGraus[d].armazenadoComo;
        EXPECT_TRUE(armazenados.count(a)) << d;
        EXPECT_EQ(kGraus[a].semitons % 12, kGraus[d].semitons % 12) << d;
    }
}

// The bit of each stored degree, and the folding of the six that are not stored.
TEST(CodigoAcorde, SetGrauDobraEAcendeOBitCerto) {
    struct Case {
        IndiceGrau grau;
        int bit;
    };
    const Case casos[] = {
        {2, 24}, {3, 23}, {6, 20}, {19, 7},
        {0, 15},   // b9 below the octave is stored as b9
        {1, 14},   // 9
        {14, 23},  // tenth: the major third
        {17, 20},  // twelfth: the fifth
        {20, 17},  // 7
        {21, 16},  // 7M
    };
    for (const auto& c : casos) {
        CodigoAcorde codigo = 0;
        esp().setGrau(codigo, c.grau, true);
        EXPECT_EQ(codigo, CodigoAcorde{1} << c.bit) << c.grau;
        esp().setGrau(codigo, c.grau, false);
        EXPECT_EQ(codigo, 0u) << c.grau;
    }
}

TEST(CodigoAcorde, RaizGrausEBaixo) {
    // Am/G: root A, minor third and fifth, bass G.
    CodigoAcorde codigo = 0;
    esp().setRaiz(codigo, 13);
    esp().setGrau(codigo, 2, true);
    esp().setGrau(codigo, 6, true);
    esp().setBaixo(codigo, 10);
    EXPECT_EQ(codigo, (13u << 27) | (1u << 24) | (1u << 20) | 11u);
    EXPECT_EQ(esp().getRaiz(codigo), 13);
    EXPECT_EQ(esp().getBaixo(codigo), 10);
    EXPECT_EQ(esp().getClasseRaiz(codigo), 9);
    EXPECT_TRUE(esp().temGrau(codigo, 2));
    EXPECT_FALSE(esp().temGrau(codigo, 3));

    EXPECT_EQ(esp().getBaixo(13u << 27), kSemNota);
    EXPECT_EQ(esp().getRaiz(0), 0);
}

TEST(Especialista, UmaUnicaInstancia) { EXPECT_EQ(Especialista::getInstancia(), Especialista::getInstancia()); }

}  // namespace
