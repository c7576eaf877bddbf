#include "scales/GeradorEscalas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/base/Excecoes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "support/IdiomaDeTeste.h"

namespace {

using Lista = std::vector<int32_t>;
using Celulas = std::vector<CasaCordaEscala>;

const Lista kViolao = {40, 45, 50, 55, 59, 64};
const Escala kMaior("Maior", {0, 2, 4, 5, 7, 9, 11});

int32_t classe(int64_t altura) { return static_cast<int32_t>(((altura % 12) + 12) % 12); }

// Every way of playing the degrees in order, found independently of the
// generator: each note sounds its degree (the first one the key's pitch
// class, each further one exactly the step from the note before), and the
// string moves only upwards on a step up, only downwards otherwise.
void todasAsPosicoes(const Lista& offsets, int32_t tom, const Lista& afinacao, int32_t casas, Celulas& atual,
                     std::set<Celulas>& saida) {
    const size_t g = atual.size();
    if (g == offsets.size()) {
        saida.insert(atual);
        return;
    }
    for (int32_t s = 0; s < static_cast<int32_t>(afinacao.size()); ++s) {
        for (int32_t f = 0; f <= casas; ++f) {
            const int64_t altura = int64_t{afinacao[s]} + f;
            if (g == 0) {
                if (classe(altura) != classe(int64_t{tom} + offsets[0])) continue;
            } else {
                const CasaCordaEscala& p = atual.back();
                if (altura - (afinacao[p.corda] + p.casa) != int64_t{offsets[g]} - offsets[g - 1]) continue;
                const bool sobe = offsets[g] > offsets[g - 1];
                if (sobe ? s < p.corda : s > p.corda) continue;
            }
            atual.push_back({f, s});
            todasAsPosicoes(offsets, tom, afinacao, casas, atual, saida);
            atual.pop_back();
        }
    }
}

std::set<Celulas> esperadas(const Lista& offsets, int32_t tom, const Lista& afinacao = kViolao, int32_t casas = 12) {
    std::set<Celulas> saida;
    Celulas atual;
    if (!offsets.empty()) todasAsPosicoes(offsets, tom, afinacao, casas, atual, saida);
    return saida;
}

// One position checked on its own, as todasAsPosicoes would accept it.
bool valida(const Celulas& c, const Lista& offsets, int32_t tom, const Lista& afinacao = kViolao, int32_t casas = 12) {
    if (c.size() != offsets.size() || c.empty()) return false;
    for (size_t g = 0; g < c.size(); ++g) {
        if (c[g].corda < 0 || c[g].corda >= static_cast<int32_t>(afinacao.size()) || c[g].casa < 0 ||
            c[g].casa > casas) {
            return false;
        }
        const int64_t altura = int64_t{afinacao[c[g].corda]} + c[g].casa;
        if (g == 0) {
            if (classe(altura) != classe(int64_t{tom} + offsets[0])) return false;
            continue;
        }
        const int64_t anterior = int64_t{afinacao[c[g - 1].corda]} + c[g - 1].casa;
        if (altura - anterior != int64_t{offsets[g]} - offsets[g - 1]) return false;
        const bool sobe = offsets[g] > offsets[g - 1];
        if (sobe ? c[g].corda < c[g - 1].corda : c[g].corda > c[g - 1].corda) return false;
    }
    return true;
}

std::set<Celulas> celulas(const ColecaoPtr<EscalaExibicao>& r) {
    std::set<Celulas> saida;
    for (int i = 0; i < r.size(); ++i) {
        const EscalaExibicao* e = r.getElement(i);
        Celulas c;
        for (size_t n = 0; n < e->getCasas().size(); ++n) c.push_back({e->getCasas()[n], e->getCordas()[n]});
        saida.insert(c);
    }
    return saida;
}

class GeradorEscalasTest : public ::testing::Test {
protected:
    IdiomaDeTeste idioma;
    GeradorEscalas gerador;
};

TEST_F(GeradorEscalasTest, MaiorEmDoNoViolao) {
    const auto r = gerador.obterPosicoesEscala(kMaior, 0, kViolao, 12);
    ASSERT_EQ(r.size(), 195);
    EXPECT_EQ(r.getElement(0)->getDificuldade(), 305);
    EXPECT_EQ(r.getElement(1)->getDificuldade(), 305);
    EXPECT_GT(r.getElement(2)->getDificuldade(), 305);
    const EscalaExibicao citada({3, 0, 2, 3, 0, 2, 0}, {1, 2, 2, 2, 3, 3, 4}, {1, 0, 1, 2, 0, 1, 0},
                                {1, 2, 1, 2, 1, 2, 1});
    EXPECT_TRUE(r.getElement(0)->igual(&citada) || r.getElement(1)->igual(&citada));
    EXPECT_EQ(celulas(r), esperadas(kMaior.getFrequencia(), 0));
    for (int i = 0; i < r.size(); ++i) {
        const EscalaExibicao* e = r.getElement(i);
        if (i > 0) {
            EXPECT_LE(r.getElement(i - 1)->getDificuldade(), e->getDificuldade());
        }
        ASSERT_EQ(e->getCasas().size(), 7u);
        EXPECT_EQ(classe(kViolao[e->getCordas()[0]] + e->getCasas()[0]), 0);
        EXPECT_EQ(e->getDedosMaoDireita(), (Lista{1, 2, 1, 2, 1, 2, 1}));
        for (size_t n = 0; n < 7; ++n) {
            EXPECT_GE(e->getCasas()[n], 0);
            EXPECT_LE(e->getCasas()[n], 12);
            // Open strings and only they are played without a finger.
            EXPECT_EQ(e->getDedos()[n] == 0, e->getCasas()[n] == 0);
            EXPECT_LE(e->getDedos()[n], 4);
        }
    }
}

TEST_F(GeradorEscalasTest, PentatonicaMenorEmLa) {
    const auto r = gerador.obterPosicoesEscala(Escala("p", {0, 3, 5, 7, 10}), 9, kViolao, 12);
    EXPECT_EQ(r.size(), 95);
    EXPECT_EQ(celulas(r), esperadas({0, 3, 5, 7, 10}, 9));
}

// A scale in a key on a neck given by its tuning and fret count.
struct Caso {
    const char* caso;
    Lista offsets;
    int32_t tom;
    Lista afinacao;
    int32_t casas;
};

// The positions are exactly the ways of playing the degrees, whatever the
// direction of the steps, the neck or the key.
TEST_F(GeradorEscalasTest, EncontraTodasAsPosicoes) {
    const Caso casos[] = {
        {"raiz e oitava", {0, 12}, 0, kViolao, 12},
        {"passo abaixo", {0, 4, 2}, 0, kViolao, 12},
        {"repetida", {0, 0, 7}, 4, kViolao, 12},
        {"descendente", {12, 11, 9, 7, 5, 4, 2, 0}, 7, kViolao, 12},
        {"offsets negativos", {-12, -10, -8}, 2, kViolao, 12},
        {"cavaquinho", {0, 2, 4, 5, 7, 9, 11}, 2, {62, 67, 71, 74}, 12},
        {"cinco cordas, 24 casas", {0, 3, 5, 7, 10, 12}, 11, {31, 36, 41, 46, 51}, 24},
        {"afinacao grave", {0, 7}, 5, {5, 10}, 12},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const auto r = gerador.obterPosicoesEscala(Escala(c.caso, c.offsets), c.tom, c.afinacao, c.casas);
        EXPECT_EQ(celulas(r), esperadas(c.offsets, c.tom, c.afinacao, c.casas));
        EXPECT_EQ(r.size(), static_cast<int>(gerador.getPosicoesEncontradas().size()));
    }
}

TEST_F(GeradorEscalasTest, OrdemDaBuscaCordaMaisGraveEPrimeiro) {
    gerador.obterPosicoesEscala(Escala("t", {0}), 4, kViolao, 12);
    const std::vector<Celulas> ordem = {{{0, 0}}, {{12, 0}}, {{7, 1}}, {{2, 2}}, {{9, 3}}, {{5, 4}}, {{0, 5}}, {{12, 5}}};
    EXPECT_EQ(gerador.getPosicoesEncontradas(), ordem);
}

TEST_F(GeradorEscalasTest, EscalaDeUmGrauDedoUmEmCadaNota) {
    const auto r = gerador.obterPosicoesEscala(Escala("t", {0}), 4, kViolao, 12);
    ASSERT_EQ(r.size(), 8);  // every E of the neck, open strings included
    for (int i = 0; i < r.size(); ++i) {
        EXPECT_EQ(r.getElement(i)->getDedos(), (Lista{1}));
        EXPECT_EQ(r.getElement(i)->getDedosMaoDireita(), (Lista{1}));
        EXPECT_EQ(r.getElement(i)->getDificuldade(), 0);
    }
}

TEST_F(GeradorEscalasTest, PassoAbaixoNuncaSobeDeCorda) {
    const auto r = gerador.obterPosicoesEscala(Escala("d", {0, 4, 2}), 0, kViolao, 12);
    ASSERT_GT(r.size(), 0);
    bool trocouDeCorda = false;
    for (int i = 0; i < r.size(); ++i) {
        const Lista cordas = r.getElement(i)->getCordas();
        EXPECT_LE(cordas[2], cordas[1]);
        trocouDeCorda |= cordas[2] < cordas[1];
    }
    EXPECT_TRUE(trocouDeCorda);
    // A step down on the lowest string stays there: E, G# and then the D#
    // below the open low E is nowhere.
    EXPECT_EQ(gerador.obterPosicoesEscala(Escala("d", {0, 4, 2}), 4, {40}, 12).size(), 1);
    EXPECT_THROW(gerador.obterPosicoesEscala(Escala("d", {0, 4, -1}), 4, {40}, 12), NotFoundException);
}

TEST_F(GeradorEscalasTest, SemPosicao) {
    const Caso casos[] = {
        {"sem offsets", {}, 0, kViolao, 12},
        {"alem do braco", {0, 40}, 0, kViolao, 12},
        {"sem cordas", {0}, 0, {}, 12},
        {"casas negativas", {0}, 0, kViolao, -1},
        {"tom invalido", {0, 2}, 12, kViolao, 12},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        try {
            gerador.obterPosicoesEscala(Escala("Maior", c.offsets), c.tom, c.afinacao, c.casas);
            FAIL() << "no error";
        } catch (const NotFoundException& e) {
            EXPECT_EQ(e.getMessage(), idioma.idiomas().getTexto("exception", "escalaImpossivel"));
            EXPECT_EQ(e.getTrace(), (std::vector<std::string>{"GeradorAcordes::obterPosicoesEscala(Escala, string)"}));
            if (c.tom == 0) {
                EXPECT_EQ(e.item, "MaiorC");
            }
        }
        EXPECT_TRUE(gerador.getPosicoesEncontradas().empty());
    }
    ASSERT_FALSE(idioma.idiomas().getTexto("exception", "escalaImpossivel").empty());
}

TEST_F(GeradorEscalasTest, ParaNoLimiteDePosicoes) {
    // Up and down by a fourth: two ways on almost every step, far more than
    // the limit in all.
    Lista vaiVem;
    for (int i = 0; i < 24; ++i) vaiVem.push_back(i % 2 == 0 ? 0 : 5);
    const auto r = gerador.obterPosicoesEscala(Escala("v", vaiVem), 0, kViolao, 12);
    ASSERT_EQ(r.size(), GeradorEscalas::kLimitePosicoes);
    const std::set<Celulas> distintas = celulas(r);
    EXPECT_EQ(distintas.size(), 500u);
    for (const auto& c : distintas) EXPECT_TRUE(valida(c, vaiVem, 0));
    // The search order: the first ones start on the lowest string.
    EXPECT_EQ(gerador.getPosicoesEncontradas().front().front(), (CasaCordaEscala{8, 0}));
}

// A long scale that cannot be finished must neither exhaust the stack nor
// take exponential time before it gives up.
TEST_F(GeradorEscalasTest, EscalasLongasSemFim) {
    Lista repetida(100000, 0);
    repetida.push_back(100);
    EXPECT_THROW(gerador.obterPosicoesEscala(Escala("r", repetida), 0, kViolao, 12), NotFoundException);
    Lista vaiVem;
    for (int i = 0; i < 200; ++i) vaiVem.push_back(i % 2 == 0 ? 0 : 5);
    vaiVem.push_back(60);
    EXPECT_THROW(gerador.obterPosicoesEscala(Escala("v", vaiVem), 0, kViolao, 12), NotFoundException);
}

TEST_F(GeradorEscalasTest, OffsetsExtremosNaoTransbordam) {
    const Lista extremos = {INT32_MIN, INT32_MAX, INT32_MIN};
    EXPECT_THROW(gerador.obterPosicoesEscala(Escala("x", extremos), 11, kViolao, 12), NotFoundException);
    const auto r = gerador.obterPosicoesEscala(Escala("x", {INT32_MAX}), 1, kViolao, 12);
    EXPECT_EQ(celulas(r), esperadas({INT32_MAX}, 1));
}

TEST_F(GeradorEscalasTest, CustoDasTransicoes) {
    constexpr int32_t S = GeradorEscalas::kCordaSolta;
    struct Caso {
        const char* regra;
        int32_t f1, f2, d1, d2, s1, s2;
        int32_t custo;
    };
    const Caso casos[] = {
        {"solta com dedo", 0, 2, 1, 2, 0, 1, 99999},
        {"solta com dedo (destino)", 2, 0, 2, 3, 0, 1, 99999},
        {"presa sem dedo", 2, 3, S, 1, 0, 1, 99999},
        {"presa sem dedo (destino)", 0, 3, S, S, 0, 1, 99999},
        {"solta para presa", 0, 2, S, 1, 0, 1, 0},
        {"presa para solta", 2, 0, 1, S, 0, 1, 0},
        {"minimo subindo, indicador a seguir", 5, 7, 4, 1, 0, 1, 3},
        {"minimo subindo", 5, 7, 4, 2, 0, 0, 4},
        {"indicador descendo, minimo a seguir", 7, 5, 1, 4, 1, 1, 3},
        {"indicador descendo", 7, 5, 1, 3, 1, 0, 4},
        {"mesma corda, dedo menor acima", 5, 7, 3, 1, 0, 0, 99},
        {"mesma corda, 1 para 3", 5, 7, 1, 3, 0, 0, 0},
        {"mesmo dedo perto na mesma corda", 5, 7, 2, 2, 0, 0, 4},
        {"mesmo dedo longe na mesma corda", 5, 9, 2, 2, 0, 0, 4},
        {"mesmo dedo em outra corda", 5, 5, 2, 2, 0, 1, 0},
        {"outra corda", 5, 4, 3, 1, 0, 1, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.regra);
        EXPECT_EQ(GeradorEscalas::custoTransicao(c.f1, c.f2, c.d1, c.d2, c.s1, c.s2), c.custo);
    }
}

TEST_F(GeradorEscalasTest, DedosDaMaoEsquerda) {
    struct Caso {
        const char* caso;
        Lista casas;
        Lista cordas;
        Lista dedos;
    };
    const Caso casos[] = {
        {"vazia", {}, {}, {}},
        {"uma nota", {5}, {0}, {1}},
        {"5 e 7 na mesma corda", {5, 7}, {0, 0}, {1, 3}},
        {"solta e casa 2 na seguinte", {0, 2}, {0, 1}, {0, 1}},
        {"posicao citada", {3, 0, 2, 3, 0, 2, 0}, {1, 2, 2, 2, 3, 3, 4}, {1, 0, 1, 2, 0, 1, 0}},
        {"empate fica com o dedo menor", {5, 5}, {0, 1}, {1, 1}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(GeradorEscalas::atribuirDedos(c.casas, c.cordas), c.dedos);
    }
}

TEST_F(GeradorEscalasTest, TomPeloNomeNoInstrumentoAtual) {
    GerenciadorInstrumentos::substituirInstancia(
        std::make_unique<GerenciadorInstrumentos>(std::string(BRELVIO_APP_DIR) + "/nao-existe.xml"));
    GerenciadorInstrumentos::getInstancia()->setInstrumento(0);
    const auto r = gerador.obterPosicoesEscala(kMaior, "C");
    EXPECT_EQ(r.size(), 195);
    EXPECT_EQ(gerador.obterPosicoesEscala(Escala("p", {0, 3, 5, 7, 10}), "A").size(), 95);
    EXPECT_EQ(gerador.obterPosicoesEscala(kMaior, "D# or Eb") ==
                  gerador.obterPosicoesEscala(kMaior, 3, kViolao, 12),
              true);
    try {
        gerador.obterPosicoesEscala(kMaior, "H");
        FAIL() << "no error";
    } catch (const NotFoundException& e) {
        EXPECT_EQ(e.item, "MaiorH");
    }
    GerenciadorInstrumentos::substituirInstancia(nullptr);
}

}  // namespace
