// The settings dialog over a program directory of its own: list lines, the
// page it opens on, refused and accepted removals, the question on a changed
// instrument, and every way of leaving it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "AmbienteInstrumentos.h"
#include "Vistas.h"
#include "core/FachadaGUI.h"
#include "fakes/JanelaPrincipalFalsa.h"
#include "instruments/InstrumentoCordas.h"
#include "support/Arquivos.h"
#include "ui/TVantorButton3D.h"
#include "ui/TformConfiguracoes.h"

namespace {

class TformConfiguracoesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ambiente.carregado());
        Fachada::getInstancia()->setPosicaoBraco(3);
    }
    // The dialog on screen as the main window shows it, with the given instrument current.
    std::unique_ptr<TformConfiguracoes> abrir(int instrumentoAtual) {
        Fachada::getInstancia()->setInstrumento(instrumentoAtual);
        auto dialogo = std::make_unique<TformConfiguracoes>();
        dialogo->show();
        ambiente.plataforma().limparRegistro();
        return dialogo;
    }
    std::vector<std::string> mensagens() {
        std::vector<std::string> textos;
        for (const auto& m : ambiente.plataforma().mensagens()) textos.push_back(m.texto);
        return textos;
    }

    AmbienteInstrumentos ambiente;
    JanelaPrincipalFalsa janela;
};

TEST_F(TformConfiguracoesTest, LinhasDosInstrumentosEPaginasComOsValoresGuardados) {
    auto dialogo = abrir(2);
    QListWidget* lista = dialogo->listaInstrumentos();
    ASSERT_EQ(lista->count(), 4);
    EXPECT_EQ(lista->item(0)->text(), QStringLiteral("Guitar - E A D G B E"));
    EXPECT_EQ(lista->item(1)->text(), QStringLiteral("Cavaquinho - D G B E"));
    EXPECT_EQ(lista->item(2)->text(), QStringLiteral("Tenor-4 - C G D A"));
    EXPECT_EQ(lista->item(3)->text(), QStringLiteral("Banjo - G D G B D"));
    EXPECT_EQ(lista->currentRow(), 2);
    EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getLinhaInstrumento(), 2);
    EXPECT_TRUE(dialogo->radioBraco(3)->isChecked());
    EXPECT_EQ(dialogo->listaDrivers()->count(), 3);
    EXPECT_EQ(dialogo->listaDrivers()->currentRow(), 0);
    EXPECT_EQ(TformConfiguracoes::atual(), dialogo.get());
    EXPECT_TRUE(dialogo->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(TformConfiguracoesTest, AbreNaPaginaDoBotaoQueOAbriuEEsqueceDispositivoQueSumiu) {
    struct Caso {
        bool pelaInstrumento;
        int pagina;
    };
    for (const Caso caso : {Caso{true, TformConfiguracoes::kPaginaInstrumentos},
                            Caso{false, TformConfiguracoes::kPaginaBraco}}) {
        janela.pelaInstrumento = caso.pelaInstrumento;
        ConfiguracoesMantidas::getInstancia()->setDispositivo(7);
        auto dialogo = abrir(0);
        EXPECT_EQ(dialogo->paginas()->currentIndex(), caso.pagina);
        EXPECT_EQ(dialogo->listaDrivers()->currentRow(), -1);
        EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getDispositivo(), -1);
    }
}

TEST_F(TformConfiguracoesTest, RemoverUmInstrumentoPadraoERecusado) {
    const std::string antes = lerArquivo(ambiente.arquivoInstrumentos());
    auto dialogo = abrir(2);
    for (int linha : {0, 1}) {
        dialogo->listaInstrumentos()->setCurrentRow(linha);
        QTest::mouseClick(dialogo->btnRemoverInst(), Qt::LeftButton);
        EXPECT_EQ(dialogo->listaInstrumentos()->count(), 4);
    }
    const std::string aviso = ambiente.texto("fmConfiguracoes", "msgRemoverInstrumentoPadrao");
    EXPECT_EQ(mensagens(), (std::vector<std::string>{aviso, aviso}));
    EXPECT_EQ(ambiente.plataforma().mensagens()[0].titulo, "Brelvio");
    EXPECT_EQ(lerArquivo(ambiente.arquivoInstrumentos()), antes);
}

TEST_F(TformConfiguracoesTest, RemoverOInstrumentoAtualTornaAtualOdaLinhaDeCima) {
    auto dialogo = abrir(3);
    QTest::mouseClick(dialogo->btnRemoverInst(), Qt::LeftButton);
    EXPECT_EQ(dialogo->listaInstrumentos()->count(), 3);
    EXPECT_EQ(dialogo->listaInstrumentos()->currentRow(), 2);
    EXPECT_EQ(dialogo->getNomesInstrumentos().back(), "Tenor-4");
    EXPECT_EQ(Fachada::getInstancia()->getNomeInstrumentoAtual(), "Tenor-4");
    EXPECT_EQ(Fachada::getInstancia()->getInstrumentoAnterior()->getName(), "Banjo");
    EXPECT_EQ(Fachada::getInstancia()->getNomesInstrumentos(),
              (std::vector<std::string>{"Guitar", "Cavaquinho", "Tenor-4"}));
    // Confirming the instrument made current asks nothing and keeps the removed one as the previous.
    QTest::mouseClick(dialogo->btnOk(), Qt::LeftButton);
    EXPECT_TRUE(mensagens().empty());
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    EXPECT_EQ(Fachada::getInstancia()->getInstrumentoAnterior()->getName(), "Banjo");
}

TEST_F(TformConfiguracoesTest, RemoverUmaLinhaAcimaDaAtualNaoFazPerguntar) {
    auto dialogo = abrir(3);
    dialogo->listaInstrumentos()->setCurrentRow(2);
    QTest::mouseClick(dialogo->btnRemoverInst(), Qt::LeftButton);
    EXPECT_EQ(Fachada::getInstancia()->getNomeInstrumentoAtual(), "Banjo");
    dialogo->listaInstrumentos()->setCurrentRow(2);
    QTest::mouseClick(dialogo->btnOk(), Qt::LeftButton);
    EXPECT_TRUE(mensagens().empty());
    EXPECT_EQ(Fachada::getInstancia()->getNomeInstrumentoAtual(), "Banjo");
}

TEST_F(TformConfiguracoesTest, OutroInstrumentoPerguntaENaoMantemODialogoAberto) {
    auto dialogo = abrir(0);
    dialogo->listaInstrumentos()->setCurrentRow(2);
    dialogo->radioBraco(1)->setChecked(true);
    ambiente.plataforma().responderMensagem(RespostaMensagem::Nao);
    QTest::mouseClick(dialogo->btnOk(), Qt::LeftButton);
    ASSERT_EQ(ambiente.plataforma().mensagens().size(), 1u);
    EXPECT_EQ(ambiente.plataforma().mensagens()[0].texto, ambiente.texto("abaIstrumento", "msgModificacao"));
    EXPECT_EQ(ambiente.plataforma().mensagens()[0].titulo, ambiente.texto("abaIstrumento", "tituloMsg"));
    EXPECT_EQ(ambiente.plataforma().mensagens()[0].botoes, BotoesMensagem::SimNao);
    EXPECT_TRUE(dialogo->isVisible());
    EXPECT_EQ(dialogo->listaInstrumentos()->currentRow(), 2);
    EXPECT_EQ(Fachada::getInstancia()->getNomeInstrumentoAtual(), "Guitar");

    ambiente.plataforma().responderMensagem(RespostaMensagem::Sim);
    QTest::mouseClick(dialogo->btnOk(), Qt::LeftButton);
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    EXPECT_EQ(Fachada::getInstancia()->getNomeInstrumentoAtual(), "Tenor-4");
    EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getLinhaInstrumento(), 2);
    EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getOrientacao(), 1);
    EXPECT_EQ(Fachada::getInstancia()->getPosicaoBraco(), 1);
    // Channel 1 plays the new instrument's sound.
    EXPECT_EQ(SaidaMIDI::getInstancia()->getPrograma(1), 25);
}

TEST_F(TformConfiguracoesTest, CancelarFecharEEscNaoMudamNada) {
    enum class Saida { Cancelar, Fechar, Esc };
    for (const Saida saida : {Saida::Cancelar, Saida::Fechar, Saida::Esc}) {
        auto dialogo = abrir(0);
        dialogo->listaInstrumentos()->setCurrentRow(3);
        dialogo->radioBraco(0)->setChecked(true);
        switch (saida) {
            case Saida::Cancelar: QTest::mouseClick(dialogo->btnCancelar(), Qt::LeftButton); break;
            case Saida::Fechar: QTest::mouseClick(dialogo->findChild<TVantorButton3D*>("btnFechar"), Qt::LeftButton); break;
            case Saida::Esc: QTest::keyClick(dialogo.get(), Qt::Key_Escape); break;
        }
        EXPECT_FALSE(dialogo->isVisible());
        EXPECT_EQ(dialogo->result(), QDialog::Rejected) << static_cast<int>(saida);
        EXPECT_EQ(Fachada::getInstancia()->getNomeInstrumentoAtual(), "Guitar");
        EXPECT_EQ(Fachada::getInstancia()->getPosicaoBraco(), 3);
        EXPECT_TRUE(mensagens().empty());
    }
}

TEST_F(TformConfiguracoesTest, CancelarDepoisDeRemoverOAtualAindaPedeORedesenho) {
    auto dialogo = abrir(3);
    dialogo->radioBraco(0)->setChecked(true);
    QTest::mouseClick(dialogo->btnRemoverInst(), Qt::LeftButton);
    QTest::mouseClick(dialogo->btnCancelar(), Qt::LeftButton);
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getOrientacao(), 3);
    EXPECT_EQ(Fachada::getInstancia()->getPosicaoBraco(), 3);
    EXPECT_EQ(Fachada::getInstancia()->getNomeInstrumentoAtual(), "Tenor-4");
}

TEST_F(TformConfiguracoesTest, SairDaPaginaDoBracoGuardaAOrientacaoEAFiguraMarcaORadio) {
    auto dialogo = abrir(0);
    dialogo->paginas()->setCurrentIndex(TformConfiguracoes::kPaginaBraco);
    QTest::mouseClick(dialogo->findChild<QLabel*>("imgBracoFrenteI"), Qt::LeftButton);
    EXPECT_TRUE(dialogo->radioBraco(1)->isChecked());
    dialogo->paginas()->setCurrentIndex(TformConfiguracoes::kPaginaDrivers);
    EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getOrientacao(), 1);
    EXPECT_EQ(Fachada::getInstancia()->getPosicaoBraco(), 3);
}

}  // namespace
