#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "harmony/InterpreteCifras.h"
#include "support/IdiomaDeTeste.h"

namespace {

using Linha = Especialista::LinhaCifra;

std::vector<std::string> tokens(const Linha& linha) {
    std::vector<std::string> lista;
    for (const char* t : linha.tokens) {
        if (t != nullptr) lista.emplace_back(t);
    }
    return lista;
}

bool prefixoProprio(const std::string& curto, const std::string& longo) {
    return curto.size() < longo.size() && longo.compare(0, curto.size(), curto) == 0;
}

class TabelaCifra : public ::testing::TestWithParam<bool> {};

TEST_P(TabelaCifra, TokensUnicosNaLinhaESemBuracos) {
    for (const Linha& linha : Especialista::tabelaCifra(GetParam())) {
        bool fim = false;
        for (const char* t : linha.tokens) {
            if (t == nullptr) fim = true;
            else EXPECT_FALSE(fim) << t << " follows an empty slot";
        }
        const auto lista = tokens(linha);
        ASSERT_FALSE(lista.empty());
        EXPECT_EQ(std::set<std::string>(lista.begin(), lista.end()).size(), lista.size()) << lista.front();
        for (const auto& a : linha.acoes) {
            EXPECT_GE(a.grau, -1);
            EXPECT_LT(a.grau, kNumeroGraus);
        }
    }
}

// The first match wins, so a token tried earlier must never be a prefix of one
// tried later: the later one could not be reached.
TEST_P(TabelaCifra, TokenLongoAntesDosSeusPrefixos) {
    std::vector<std::string> tentados;
    for (const Linha& linha : Especialista::tabelaCifra(GetParam())) {
        for (const auto& t : tokens(linha)) {
            for (const auto& anterior : tentados) {
                EXPECT_FALSE(prefixoProprio(anterior, t)) << anterior << " hides " << t;
            }
            tentados.push_back(t);
        }
    }
    // The separators are tried after every row: no token may start with one.
    for (const auto& t : tentados) {
        for (const char* s : Especialista::separadores()) EXPECT_NE(t.rfind(s, 0), 0u) << t;
    }
}

// Every token of every row, alone after "(", does exactly what its row says.
TEST_P(TabelaCifra, CadaTokenAlcancaASuaLinha) {
    IdiomaDeTeste idioma(GetParam() ? kPortugues : "English");
    ASSERT_TRUE(idioma.carregado());
    ASSERT_EQ(Especialista::notacaoBrasileira(), GetParam());
    const Especialista& esp = *Especialista::getInstancia();
    const CodigoAcorde maior = esp.interpretarCifra("C");
    for (const Linha& linha : Especialista::tabelaCifra(GetParam())) {
        CodigoAcorde esperado = maior;
        for (const auto& a : linha.acoes) {
            if (a.grau >= 0) esp.setGrau(esperado, a.grau, a.presente);
        }
        for (const auto& t : tokens(linha)) EXPECT_EQ(esp.interpretarCifra("C(" + t), esperado) << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Notacoes, TabelaCifra, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Brasileira" : "Internacional"; });

TEST(TabelaCifra, AsDuasNotacoesAceitamOsMesmosTokens) {
    std::multiset<std::string> brasileira;
    std::multiset<std::string> internacional;
    for (const Linha& linha : Especialista::tabelaCifra(true)) {
        for (const auto& t : tokens(linha)) brasileira.insert(t);
    }
    for (const Linha& linha : Especialista::tabelaCifra(false)) {
        for (const auto& t : tokens(linha)) internacional.insert(t);
    }
    EXPECT_EQ(brasileira, internacional);
    EXPECT_EQ(brasileira.size(), std::set<std::string>(brasileira.begin(), brasileira.end()).size());
}

}  // namespace
