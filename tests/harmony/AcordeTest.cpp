#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/base/ColecaoPtr.h"
#include "harmony/Acorde.h"
#include "harmony/InterpreteCifras.h"
#include "support/IdiomaDeTeste.h"

namespace {

TEST(Acorde, IgualdadePeloCodigoSemOlharONome) {
    Acorde a(std::string("C7"));
    Acorde b(std::string("Do7"));
    EXPECT_TRUE(a == b);  // both code 0
    EXPECT_TRUE(a.igual(&b));
    EXPECT_FALSE(a.diferente(&b));

    Acorde c = a;
    c.setCodigo(1u << 20);
    EXPECT_FALSE(a == c);
    EXPECT_FALSE(a.igual(&c));
    EXPECT_TRUE(a.diferente(&c));

    EXPECT_FALSE(a.igual(nullptr));
    EXPECT_TRUE(a.diferente(nullptr));
    EXPECT_FALSE(a.menorQue(nullptr));
}

TEST(Acorde, CloneEAtribuicaoCopiamNomeECodigo) {
    Acorde original(std::string("Am/G"));
    original.setCodigo(0x68900000u | 11u);
    std::unique_ptr<Acorde> copia(original.clone());
    EXPECT_EQ(copia->getNome(), "Am/G");
    EXPECT_EQ(copia->getCodigo(), original.getCodigo());

    Acorde destino;
    EXPECT_EQ(destino.getCodigo(), 0u);
    EXPECT_EQ(destino.getNome(), "");
    Acorde& referencia = destino;
    referencia = original;
    EXPECT_EQ(destino.getNome(), "Am/G");
    EXPECT_EQ(destino.getCodigo(), original.getCodigo());
}

TEST(Acorde, DoCodigoTomaONomeCanonicoDoIdiomaAtual) {
    const CodigoAcorde codigo = (1u << 23) | (1u << 20) | (1u << 14);  // C major with an added ninth
    {
        IdiomaDeTeste idioma("English");
        ASSERT_TRUE(idioma.carregado());
        EXPECT_EQ(Acorde(codigo).getNome(), "Cadd9");
        EXPECT_EQ(Acorde(codigo).getCodigo(), codigo);
    }
    {
        IdiomaDeTeste idioma(kPortugues);
        ASSERT_TRUE(idioma.carregado());
        EXPECT_EQ(Acorde(codigo).getNome(), "C(9)");
    }
}

TEST(OrdemNomes, ParesDeNomes) {
    struct Case {
        const char* a;
        const char* b;
        bool menor;
    };
    const Case casos[] = {
        {"C7(9)", "C#", true},  // a natural root before the same letter with an accidental
        {"C#", "C7(9)", false},
        {"Cm", "Cb", true},
        {"Cb", "Cm", false},
        {"C#", "Db", true},
        {"Db", "C#", false},
        {"C#m", "C#", false},  // prefix: the shorter is less
        {"C#", "C#m", true},
        {"C", "C", false},
        {"", "C", true},
        {"C\xBA", "C7", true},  // characters above 127 sort before ASCII
        {"C7", "C\xBA", false},
        {"A\xBA", "Ab", true},  // the accidental rule wins at position 1
        {"Bb7", "Bb6", false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Acorde::menorNome(c.a, c.b), c.menor) << c.a << " < " << c.b;
        const Acorde b{std::string(c.b)};
        EXPECT_EQ(Acorde(std::string(c.a)).menorQue(&b), c.menor) << c.a << " < " << c.b;
    }
}

TEST(OrdemNomes, ColecaoOrdenada) {
    ColecaoPtr<Acorde> lista;
    for (const char* nome : {"C#", "Db", "Cm", "C7", "B", "C", "Bb", "B7", "C\xBA"}) {
        lista.addElement(std::make_unique<Acorde>(std::string(nome)));
    }
    lista.sort();
    std::vector<std::string> nomes;
    for (int i = 0; i < lista.size(); ++i) nomes.push_back(lista.getElement(i)->getNome());
    const std::vector<std::string> esperado = {"B", "B7", "Bb", "C", "C\xBA", "C7", "Cm", "C#", "Db"};
    EXPECT_EQ(nomes, esperado);
}

}  // namespace
