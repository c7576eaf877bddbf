#include <gtest/gtest.h>

#include <string>

#include "core/base/Excecoes.h"
#include "harmony/Rotulos.h"
#include "support/IdiomaDeTeste.h"

namespace {

TEST(Rotulos, NotasEIntervalosPorClasse) {
    struct Case {
        int valor;
        const char* sustenido;
        const char* bemol;
        const char* intervalo;
    };
    const Case casos[] = {
        {0, "C", "C", "T"},     {1, "C#", "Db", "b9"},  {3, "D#", "Eb", "3m"}, {4, "E", "E", "3M"},
        {6, "F#", "Gb", "b5"},  {8, "G#", "Ab", "#5"},  {10, "A#", "Bb", "7"}, {11, "B", "B", "7M"},
        {61, "C#", "Db", "b9"}, {-1, "B", "B", "7M"},   {-12, "C", "C", "T"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(nomeNotaSustenido(c.valor), c.sustenido) << c.valor;
        EXPECT_EQ(nomeNotaBemol(c.valor), c.bemol) << c.valor;
        EXPECT_EQ(nomeIntervalo(c.valor), c.intervalo) << c.valor;
    }
}

TEST(Rotulos, NotaComOitava) {
    struct Case {
        int altura;
        const char* nome;
    };
    const Case casos[] = {{60, "C 5"}, {40, "E 3"}, {0, "C 0"}, {11, "B 0"}, {127, "G 10"}, {59, "B 4"}};
    for (const auto& c : casos) EXPECT_EQ(nomeNotaOitava(c.altura), c.nome) << c.altura;
}

TEST(Rotulos, TonalidadesSeguemOIdioma) {
    EXPECT_EQ(numeroTonalidades(), 12);
    {
        IdiomaDeTeste idioma(kPortugues);
        ASSERT_TRUE(idioma.carregado());
        EXPECT_EQ(nomeTonalidade(1), "C# ou Db");
        EXPECT_EQ(nomeTonalidade(11), "B");
        EXPECT_EQ(indiceTonalidade("A# ou Bb"), 10);
        EXPECT_EQ(indiceTonalidade("A# or Bb"), -1);
    }
    {
        IdiomaDeTeste idioma("English");
        ASSERT_TRUE(idioma.carregado());
        EXPECT_EQ(nomeTonalidade(1), "C# or Db");
        EXPECT_EQ(indiceTonalidade("D# or Eb"), 3);
        EXPECT_EQ(indiceTonalidade("D# ou Eb"), -1);
        EXPECT_EQ(indiceTonalidade("D#"), -1);  // exact match only
        EXPECT_EQ(indiceTonalidade("D# or Eb "), -1);
        for (int i = 0; i < numeroTonalidades(); ++i) EXPECT_EQ(indiceTonalidade(nomeTonalidade(i)), i);
        EXPECT_THROW(nomeTonalidade(12), OutOfBoundsException);
        EXPECT_THROW(nomeTonalidade(-1), OutOfBoundsException);
    }
}

}  // namespace
