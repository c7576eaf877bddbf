#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/base/ColecaoPtr.h"
#include "core/base/Excecoes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "support/IdiomaDeTeste.h"
#include "support/InstrumentosDeTeste.h"

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
using Sequencia = std::vector<int32_t>;

const Sequencia kCasasDo = {-1, 3, 2, 0, 1, 0};
const Sequencia kDedosDo = {0, 3, 2, 0, 1, 0};
const Sequencia kViolao = {40, 45, 50, 55, 59, 64};

class PosicaoDo : public ::testing::Test {
protected:
    Posicao p{"C", kCasasDo, kDedosDo};
};

TEST_F(PosicaoDo, GuardaCasasDedosECifra) {
    EXPECT_EQ(p.getCasas(), kCasasDo);
    EXPECT_EQ(p.getDedos(), kDedosDo);
    EXPECT_EQ(p.getNome(), "C");
    EXPECT_EQ(p.getCodigo(), 0u);
    EXPECT_EQ(p.getCordaMarcada(), -1);
    EXPECT_EQ(p.getCasaMarcada(), -1);
    EXPECT_EQ(p.somaCasas(), 6);
}

TEST(PosicaoHarmonica, DedoSeisAbafaACorda) {
    Posicao p(Sequencia{5, 3, 2, 0, 1, 0}, Sequencia{6, 3, 2, 0, 1, 0});
    EXPECT_EQ(p.getCasas(), kCasasDo);
    EXPECT_EQ(p.getDedos(), (Sequencia{6, 3, 2, 0, 1, 0}));
    EXPECT_EQ(p.getNome(), "");
}

TEST(PosicaoHarmonica, TamanhosDiferentesSaoRecusados) {
    try {
        Posicao p("C", kCasasDo, Sequencia{0, 3, 2, 0, 1});
        FAIL() << "no exception";
    } catch (const OutOfBoundsException& e) {
        EXPECT_EQ(e.getMessage(), "O tamanho dos parametros precisam ser iguais");
        EXPECT_EQ(e.index, -1);
        ASSERT_EQ(e.getTrace().size(), 1u);
        EXPECT_EQ(e.getTrace()[0], "PosicaoHarmonicaInstrumentoCordas::ConstrutorInterno");
    }
    EXPECT_THROW(Posicao(Sequencia{}, Sequencia{0}), OutOfBoundsException);
}

TEST_F(PosicaoDo, ChaveSegueOLeiauteDeBits) {
    EXPECT_EQ(p.getChave(), 0xA2E1121340LL);
    EXPECT_EQ(Posicao().getChave(), 0);
    // A muted string marked with finger 6: fret field 0, finger field 7.
    Posicao abafada(Sequencia{-1}, Sequencia{6});
    EXPECT_EQ(abafada.getChave(), 7LL << 24);
}

TEST_F(PosicaoDo, IgualdadeIgnoraOAcorde) {
    const Posicao outroAcorde("Am7/C", kCasasDo, kDedosDo);
    EXPECT_TRUE(p == outroAcorde);
    EXPECT_TRUE(p.igual(&outroAcorde));
    EXPECT_FALSE(p.diferente(&outroAcorde));

    const Posicao dedoNoAgudo("C", kCasasDo, Sequencia{0, 3, 2, 0, 1, 1});
    EXPECT_FALSE(p == dedoNoAgudo);
    EXPECT_TRUE(p.diferente(&dedoNoAgudo));

    // A plain chord is never a fingering, not even one without strings.
    const Acorde acorde("C");
    EXPECT_FALSE(Posicao() == acorde);
    EXPECT_FALSE(p.igual(nullptr));
    EXPECT_TRUE(p.diferente(nullptr));
}

TEST(PosicaoHarmonica, IgualdadeNaoSeEnganaAlemDaChave) {
    // Neither a seventh string nor a fret past 14 fits in the key.
    const Posicao seteA(Sequencia{0, 0, 0, 0, 0, 0, 3}, Sequencia{0, 0, 0, 0, 0, 0, 1});
    const Posicao seteB(Sequencia{0, 0, 0, 0, 0, 0, 5}, Sequencia{0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(seteA.getChave(), seteB.getChave());
    EXPECT_FALSE(seteA == seteB);
    const Posicao quinze(Sequencia{15, 0, 0, 0}, Sequencia{1, 0, 0, 0});
    const Posicao muda(Sequencia{-1, 0, 0, 0}, Sequencia{1, 0, 0, 0});
    EXPECT_FALSE(quinze == muda);
    // Frets past the key's width stay in their own four bits.
    EXPECT_EQ(quinze.getChave() & ~0xFLL, muda.getChave() & ~0xFLL);
}

TEST_F(PosicaoDo, OrdemPelaChave) {
    const Posicao maior("C", kCasasDo, Sequencia{0, 3, 2, 0, 1, 1});
    EXPECT_TRUE(p.menorQue(&maior));
    EXPECT_FALSE(maior.menorQue(&p));
    EXPECT_FALSE(p.menorQue(&p));

    ColecaoPtr<PosicaoHarmonica> lista;
    lista.addElement(&maior);
    lista.addElement(&p);
    lista.sort();
    EXPECT_TRUE(lista.getElement(0)->igual(&p));
    EXPECT_TRUE(lista.getElement(1)->igual(&maior));
}

TEST_F(PosicaoDo, CopiasLevamTudo) {
    p.setNotaMarcada(1, 3);
    std::unique_ptr<PosicaoHarmonica> copia(p.clone());
    auto* c = dynamic_cast<Posicao*>(copia.get());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->getNome(), "C");
    EXPECT_EQ(c->getCasas(), kCasasDo);
    EXPECT_EQ(c->getDedos(), kDedosDo);
    EXPECT_EQ(c->getChave(), p.getChave());
    EXPECT_EQ(c->getCordaMarcada(), 1);
    EXPECT_EQ(c->getCasaMarcada(), 3);

    // Through the collection, which copies with clone().
    ColecaoPtr<PosicaoHarmonica> lista;
    lista.addElement(&p);
    ColecaoPtr<PosicaoHarmonica> outra(lista);
    EXPECT_NE(dynamic_cast<Posicao*>(outra.getElement(0)), nullptr);
    EXPECT_TRUE(outra == lista);

    // Assignment through the chord type still copies the fingering.
    Posicao destino(Sequencia{0, 0, 0, 0}, Sequencia{0, 0, 0, 0});
    Acorde& comoAcorde = destino;
    comoAcorde = p;
    EXPECT_EQ(destino.getNome(), "C");
    EXPECT_EQ(destino.getCasas(), kCasasDo);
    EXPECT_EQ(destino.getCasaMarcada(), 3);
    EXPECT_TRUE(destino == p);

    // From a plain chord only the chord part changes.
    destino = Acorde("G");
    EXPECT_EQ(destino.getNome(), "G");
    EXPECT_EQ(destino.getCasas(), kCasasDo);
}

TEST_F(PosicaoDo, NotasPelaAfinacao) {
    EXPECT_EQ(p.getNotas(kViolao, 12), (Sequencia{-1, 48, 52, 55, 60, 64}));
    // Beyond the neck, or marked muted: no note.
    Posicao alem(Sequencia{13, 12, 0, -1, 1, 0}, Sequencia{0, 4, 0, 0, 1, 6});
    EXPECT_EQ(alem.getNotas(kViolao, 12), (Sequencia{-1, 57, 50, -1, 60, -1}));
    // A tuning shorter than the fingering: the extra strings sound nothing.
    EXPECT_EQ(p.getNotas(Sequencia{40, 45}, 12), (Sequencia{-1, 48, -1, -1, -1, -1}));
}

TEST(PosicaoHarmonica, NotasNoBracoDoInstrumentoAtual) {
    IdiomaDeTeste idioma;
    ASSERT_TRUE(idioma.carregado());
    InstrumentosDeTeste instrumentos(idioma.plataforma());
    const Posicao p(Sequencia{-1, 13, 2, 0, 1, 0}, Sequencia{0, 4, 2, 0, 1, 0});
    EXPECT_EQ(p.getNotas(kViolao), (Sequencia{-1, 58, 52, 55, 60, 64})) << "no current instrument, no limit";
    GerenciadorInstrumentos::getInstancia()->setInstrumento(0);
    EXPECT_EQ(p.getNotas(kViolao), (Sequencia{-1, -1, 52, 55, 60, 64}));
}

TEST_F(PosicaoDo, AlteracoesRecalculamAChave) {
    const int64_t antes = p.getChave();
    p.setNota(3, 0);
    EXPECT_EQ(p.getCasas()[0], 3);
    EXPECT_EQ(p.getDedos()[0], 0);
    EXPECT_TRUE(p.temNota(3, 0));
    EXPECT_TRUE(p == Posicao(Sequencia{3, 3, 2, 0, 1, 0}, kDedosDo));
    EXPECT_NE(p.getChave(), antes);

    p.abafarCorda(0);
    EXPECT_EQ(p.getCasas()[0], -1);
    EXPECT_EQ(p.getDedos()[0], 6);
    EXPECT_FALSE(p.temNota(-1, 0));
    EXPECT_TRUE(p == Posicao(kCasasDo, Sequencia{6, 3, 2, 0, 1, 0}));

    // No length check, frets untouched.
    p.setDedos(Sequencia{0, 3});
    EXPECT_EQ(p.getCasas(), kCasasDo);
    EXPECT_EQ(p.getChave(), 0x121340LL | (1LL << 24) | (4LL << 27));
}

struct CasoIndice {
    int32_t corda;
    const char* mensagemSetNota;
    const char* mensagemTemNota;
};

const CasoIndice kIndices[] = {
    {6, "Indice invalido 6", "Indice invalido6"},
    {-1, "Indice invalido -1", "Indice invalido-1"},
    {100, "Indice invalido 100", "Indice invalido100"},
};

void esperarIndice(const std::function<void()>& acao, const char* mensagem, int32_t corda) {
    try {
        acao();
        ADD_FAILURE() << "no exception for " << mensagem;
    } catch (const OutOfBoundsException& e) {
        EXPECT_EQ(e.getMessage(), mensagem);
        EXPECT_EQ(e.index, corda);
        ASSERT_EQ(e.getTrace().size(), 1u);
        EXPECT_EQ(e.getTrace()[0], "PosicaoHarmonicaInstrumentoCordas::setNota(int ,int)");
    }
}

TEST_F(PosicaoDo, CordaForaDoIntervalo) {
    const int64_t chave = p.getChave();
    for (const auto& c : kIndices) {
        esperarIndice([&] { p.setNota(5, c.corda); }, c.mensagemSetNota, c.corda);
        esperarIndice([&] { p.abafarCorda(c.corda); }, c.mensagemSetNota, c.corda);
        esperarIndice([&] { (void)p.temNota(5, c.corda); }, c.mensagemTemNota, c.corda);
    }
    EXPECT_EQ(p.getCasas(), kCasasDo);
    EXPECT_EQ(p.getDedos(), kDedosDo);
    EXPECT_EQ(p.getChave(), chave);

    // The index must lie below both sequences.
    p.setDedos(Sequencia{0, 3, 2});
    esperarIndice([&] { p.setNota(1, 3); }, "Indice invalido 3", 3);
}

TEST(PosicaoHarmonica, MenorSomaCasas) {
    const Posicao baixa(kCasasDo, kDedosDo);                                   // 6
    const Posicao alta(Sequencia{8, 10, 10, 9, 8, 8}, Sequencia{1, 3, 4, 2, 1, 1});  // 53
    EXPECT_TRUE(Posicao::menorSomaCasas(&baixa, &alta));
    EXPECT_FALSE(Posicao::menorSomaCasas(&alta, &baixa));
    EXPECT_FALSE(Posicao::menorSomaCasas(&baixa, &baixa));
    EXPECT_FALSE(Posicao::menorSomaCasas(nullptr, &alta));
    EXPECT_FALSE(Posicao::menorSomaCasas(&baixa, nullptr));
}

}  // namespace
