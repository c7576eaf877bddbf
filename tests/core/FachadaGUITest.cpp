#include "core/FachadaGUI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/PlataformaHeadless.h"
#include "fakes/JanelaPrincipalFalsa.h"

namespace {

PosicaoHarmonicaInstrumentoCordas dedilhado(const std::string& cifra, std::vector<int32_t> casas,
                                            std::vector<int32_t> dedos) {
    return PosicaoHarmonicaInstrumentoCordas(cifra, casas, dedos);
}

class FachadaGUITest : public ::testing::Test {
protected:
    FachadaGUITest() : plataforma("/tmp") { Plataforma::definir(&plataforma); }
    ~FachadaGUITest() override { Plataforma::definir(nullptr); }

    PlataformaHeadless plataforma;
    FachadaGUI& gui = *FachadaGUI::getInstancia();
};

TEST_F(FachadaGUITest, SemJanelaAsRespostasDeNadaSelecionado) {
    ASSERT_EQ(gui.getJanelaPrincipal(), nullptr);
    const auto lista = gui.getCopiaListaImpressao();
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->size(), 0);
    EXPECT_EQ(gui.getTomSelecionado(), "");
    EXPECT_FALSE(gui.configuracoesAbertasPeloInstrumento());
}

TEST_F(FachadaGUITest, RespondeComOQueAJanelaRegistradaGuarda) {
    JanelaPrincipalFalsa janela;
    janela.tom = "F# or Gb";
    janela.pelaInstrumento = true;
    EXPECT_EQ(gui.getJanelaPrincipal(), &janela);
    EXPECT_EQ(gui.getTomSelecionado(), "F# or Gb");
    EXPECT_TRUE(gui.configuracoesAbertasPeloInstrumento());
    janela.pelaInstrumento = false;
    EXPECT_FALSE(gui.configuracoesAbertasPeloInstrumento());
}

TEST_F(FachadaGUITest, JanelaDestruidaDeixaDeResponder) {
    {
        JanelaPrincipalFalsa janela;
        janela.tom = "D";
    }
    EXPECT_EQ(gui.getJanelaPrincipal(), nullptr);
    EXPECT_EQ(gui.getTomSelecionado(), "");
}

// The print layout works on its own copy: whatever it does to the list must
// not reach the window's entries, and the order is the window's.
TEST_F(FachadaGUITest, CopiaDaListaDeImpressaoEmOrdemESeparadaDaJanela) {
    JanelaPrincipalFalsa janela;
    const auto c = dedilhado("C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0});
    const auto am = dedilhado("Am", {-1, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0});
    janela.listaImpressao.addElement(&c);
    janela.listaImpressao.addElement(&am);
    janela.listaImpressao.addElement(&c);

    auto copia = gui.getCopiaListaImpressao();
    ASSERT_EQ(copia->size(), 3);
    EXPECT_TRUE(*copia == janela.listaImpressao);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(copia->getElement(i), janela.listaImpressao.getElement(i)) << i;
        EXPECT_EQ(copia->getElement(i)->getNome(), janela.listaImpressao.getElement(i)->getNome()) << i;
    }
    copia->removeElement(0);
    copia->clear();
    EXPECT_EQ(janela.listaImpressao.size(), 3);
    EXPECT_EQ(janela.listaImpressao.getElement(1)->getCasas(), am.getCasas());
}

TEST_F(FachadaGUITest, CaixasDeMensagemSimples) {
    plataforma.responderMensagem(RespostaMensagem::Cancelar);
    EXPECT_EQ(gui.confirmar("Imprimir?", "Brelvio"), RespostaMensagem::Cancelar);
    EXPECT_EQ(gui.confirmar("De novo?"), RespostaMensagem::Ok);
    plataforma.responderMensagem(RespostaMensagem::Nao);
    EXPECT_FALSE(gui.perguntar("Sair?"));
    plataforma.responderMensagem(RespostaMensagem::Sim);
    EXPECT_TRUE(gui.perguntar("Sair?", "T\xEDtulo"));

    struct Esperada {
        const char* texto;
        const char* titulo;
        BotoesMensagem botoes;
    };
    const Esperada esperadas[] = {
        {"Imprimir?", "Brelvio", BotoesMensagem::OkCancelar},
        {"De novo?", "", BotoesMensagem::OkCancelar},
        {"Sair?", "", BotoesMensagem::SimNao},
        {"Sair?", "T\xEDtulo", BotoesMensagem::SimNao},
    };
    const auto& mostradas = plataforma.mensagens();
    ASSERT_EQ(mostradas.size(), std::size(esperadas));
    for (size_t i = 0; i < mostradas.size(); ++i) {
        EXPECT_EQ(mostradas[i].texto, esperadas[i].texto) << i;
        EXPECT_EQ(mostradas[i].titulo, esperadas[i].titulo) << i;
        EXPECT_EQ(mostradas[i].botoes, esperadas[i].botoes) << i;
    }
}

}  // namespace
