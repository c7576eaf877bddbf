#include "instruments/InstrumentoCordas.h"

#include <gtest/gtest.h>

namespace {

InstrumentoCordas violao() {
    return InstrumentoCordas("Viol\xE3o", "seis cordas", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, true);
}

TEST(InstrumentoCordasTest, ConstrutorGuardaOsOitoCamposNaOrdem) {
    InstrumentoCordas i("Nome", "Desc", 5, 14, 4, 105, {47, 52, 56, 59, 64}, true);
    EXPECT_EQ(i.getName(), "Nome");
    EXPECT_EQ(i.getDescricao(), "Desc");
    EXPECT_EQ(i.getNumeroCordas(), 5);
    EXPECT_EQ(i.getNumeroCasas(), 14);
    EXPECT_EQ(i.getDistancia(), 4);
    EXPECT_EQ(i.getSom(), 105);
    EXPECT_EQ(i.getAfinacao(), (std::vector<int32_t>{47, 52, 56, 59, 64}));
    EXPECT_TRUE(i.isUsaBaseAcordes());
}

struct Variacao {
    const char* caso;
    InstrumentoCordas outro;
    bool iguais;
    bool mesmaConfig;          // ignoring nothing
    bool mesmaConfigSemSom;    // ignoring the sound
};

TEST(InstrumentoCordasTest, IgualdadeEConfiguracao) {
    const InstrumentoCordas base = violao();
    const Variacao casos[] = {
        {"identico", violao(), true, true, true},
        {"so descricao", {"Viol\xE3o", "outra", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, true}, true, true, true},
        {"so usaBase", {"Viol\xE3o", "seis cordas", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, false}, true, true, true},
        {"so som", {"Viol\xE3o", "seis cordas", 6, 12, 3, 25, {40, 45, 50, 55, 59, 64}, true}, false, false, true},
        {"so nome", {"Outro", "seis cordas", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, true}, false, true, true},
        {"nome so na caixa", {"viol\xE3o", "seis cordas", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, true}, false, true, true},
        {"cordas", {"Viol\xE3o", "seis cordas", 5, 12, 3, 24, {40, 45, 50, 55, 59, 64}, true}, false, false, false},
        {"casas", {"Viol\xE3o", "seis cordas", 6, 13, 3, 24, {40, 45, 50, 55, 59, 64}, true}, false, false, false},
        {"distancia", {"Viol\xE3o", "seis cordas", 6, 12, 4, 24, {40, 45, 50, 55, 59, 64}, true}, false, false, false},
        {"uma corda afinada", {"Viol\xE3o", "seis cordas", 6, 12, 3, 24, {38, 45, 50, 55, 59, 64}, true}, false, false, false},
        {"afinacao mais curta", {"Viol\xE3o", "seis cordas", 6, 12, 3, 24, {40, 45, 50, 55, 59}, true}, false, false, false},
        {"afinacao mais longa", {"Viol\xE3o", "seis cordas", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64, 69}, true}, false, false, false},
        {"afinacao vazia", {"Viol\xE3o", "seis cordas", 6, 12, 3, 24, {}, true}, false, false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(base.equals(c.outro), c.iguais);
        EXPECT_EQ(c.outro.equals(base), c.iguais);
        EXPECT_EQ(base == &c.outro, c.iguais);
        EXPECT_EQ(base != &c.outro, !c.iguais);
        EXPECT_EQ(base.mesmaConfiguracao(c.outro, false), c.mesmaConfig);
        EXPECT_EQ(base.mesmaConfiguracao(c.outro, true), c.mesmaConfigSemSom);
    }
}

TEST(InstrumentoCordasTest, PonteiroNuloNuncaEIgual) {
    const InstrumentoCordas base = violao();
    const InstrumentoCordas* nulo = nullptr;
    EXPECT_FALSE(base == nulo);
    EXPECT_TRUE(base != nulo);
}

TEST(InstrumentoCordasTest, CopiaEAtribuicaoLevamUsaBaseAcordes) {
    InstrumentoCordas destino("X", "y", 4, 6, 2, 0, {1, 2, 3, 4}, false);
    destino = violao();
    EXPECT_TRUE(destino.isUsaBaseAcordes());
    EXPECT_TRUE(destino.equals(violao()));
    EXPECT_EQ(destino.getDescricao(), "seis cordas");

    InstrumentoCordas semBase("X", "y", 4, 6, 2, 0, {1, 2, 3, 4}, false);
    destino = semBase;
    EXPECT_FALSE(destino.isUsaBaseAcordes());
    EXPECT_EQ(destino.getAfinacao().size(), 4u);

    const InstrumentoCordas copia(violao());
    EXPECT_TRUE(copia.isUsaBaseAcordes());
    EXPECT_TRUE(copia.equals(violao()));

    InstrumentoCordas proprio = violao();
    proprio = *&proprio;
    EXPECT_TRUE(proprio.equals(violao()));
}

TEST(InstrumentoCordasTest, SetUsaBaseAcordesSoLiga) {
    InstrumentoCordas i("X", "", 4, 12, 4, 24, {50, 55, 59, 64}, false);
    i.setUsaBaseAcordes();
    EXPECT_TRUE(i.isUsaBaseAcordes());
    i.setUsaBaseAcordes();
    EXPECT_TRUE(i.isUsaBaseAcordes());
}

TEST(InstrumentoCordasTest, AcessoresDevolvemCopias) {
    InstrumentoCordas i = violao();
    auto afinacao = i.getAfinacao();
    afinacao[0] = 0;
    auto nome = i.getName();
    nome += "!";
    EXPECT_EQ(i.getAfinacao()[0], 40);
    EXPECT_EQ(i.getName(), "Viol\xE3o");
}

}  // namespace
