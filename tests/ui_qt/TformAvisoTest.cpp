// The notice dialog: its message and captions, the help document it keeps
// and opens, the two ways to show it, and that every way of closing goes back
// to the general help.
#include <gtest/gtest.h>

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include "Vistas.h"
#include "Modal.h"
#include "support/IdiomaDeTeste.h"
#include "ui/TVantorButton3D.h"
#include "ui/TformAviso.h"

namespace {

class TformAvisoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(idioma.carregado()); }
    PlataformaHeadless& plataforma() { return idioma.plataforma(); }

    IdiomaDeTeste idioma;
    const std::string geral = std::string(BRELVIO_APP_DIR) + "/help/en/index.html";
};

TEST_F(TformAvisoTest, JanelaSemBordaComLegendasEDicasDoIdioma) {
    TformAviso aviso;
    EXPECT_EQ(aviso.size(), QSize(402, 268));
    EXPECT_TRUE(aviso.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(aviso.btnProsseguir()->Text(), QStringLiteral("Continue"));
    EXPECT_EQ(aviso.btnAjuda()->toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(aviso.btnFechar()->toolTip(), QStringLiteral("Close"));
    EXPECT_EQ(aviso.getCaminhoAjuda(), geral);
    EXPECT_EQ(TformAviso::atual(), &aviso);
}

TEST_F(TformAvisoTest, ModalComAMensagemFechaPorQualquerCaminho) {
    enum class Saida { Prosseguir, Fechar, Enter, Esc };
    for (const Saida saida : {Saida::Prosseguir, Saida::Fechar, Saida::Enter, Saida::Esc}) {
        TformAviso aviso;
        QString vista;
        std::string ajudaMostrando;
        quandoModalAbrir([&](QWidget* janela) {
            ASSERT_EQ(janela, &aviso);
            vista = aviso.lblMensagem()->text();
            ajudaMostrando = aviso.getCaminhoAjuda();
            if (saida == Saida::Fechar || saida == Saida::Prosseguir) {
                aviso.grab().save(pastaVistas() + QStringLiteral("/aviso.png"));
            }
            switch (saida) {
                case Saida::Prosseguir: QTest::mouseClick(aviso.btnProsseguir(), Qt::LeftButton); break;
                case Saida::Fechar: QTest::mouseClick(aviso.btnFechar(), Qt::LeftButton); break;
                case Saida::Enter: QTest::keyClick(&aviso, Qt::Key_Return); break;
                case Saida::Esc: QTest::keyClick(&aviso, Qt::Key_Escape); break;
            }
        });
        aviso.mostrar("The chord symbol could not be understood.\r\nSee the help.", "/tmp/ajuda-acordes.html");
        EXPECT_EQ(vista, QStringLiteral("The chord symbol could not be understood.\nSee the help."));
        EXPECT_EQ(ajudaMostrando, "/tmp/ajuda-acordes.html");
        EXPECT_FALSE(aviso.isVisible());
        EXPECT_EQ(aviso.getCaminhoAjuda(), geral) << static_cast<int>(saida);
    }
}

TEST_F(TformAvisoTest, AjudaAbreODocumentoGuardadoOuAvisa) {
    struct Caso {
        std::string caminho;
        bool aberturaFalha;
        std::vector<std::string> abertos;
        std::string mensagem;  // key of "geral", or empty for none
    };
    const std::string existente = std::string(BRELVIO_APP_DIR) + "/help/en/chord-symbols.html";
    const Caso casos[] = {
        {existente, false, {existente}, ""},
        {"/nao/existe/ajuda.html", false, {}, "erroEncontrarAjuda"},
        {existente, true, {existente}, "erroAbrirNavegador"},
    };
    for (const auto& caso : casos) {
        plataforma().limparRegistro();
        plataforma().falharAberturas(caso.aberturaFalha);
        TformAviso aviso;
        quandoModalAbrir([&](QWidget*) {
            QTest::mouseClick(aviso.btnAjuda(), Qt::LeftButton);
            aviso.btnProsseguir()->clicked();
        });
        aviso.mostrar("msg", caso.caminho);
        EXPECT_EQ(plataforma().documentosAbertos(), caso.abertos) << caso.caminho;
        if (caso.mensagem.empty()) {
            EXPECT_TRUE(plataforma().mensagens().empty());
        } else {
            ASSERT_EQ(plataforma().mensagens().size(), 1u);
            EXPECT_EQ(plataforma().mensagens()[0].texto, idioma.idiomas().getTexto("geral", caso.mensagem));
            EXPECT_EQ(plataforma().mensagens()[0].titulo, "Brelvio");
        }
    }
}

TEST_F(TformAvisoTest, SoAMensagemUsaAAjudaGeral) {
    TformAviso aviso;
    quandoModalAbrir([&](QWidget*) {
        QTest::mouseClick(aviso.btnAjuda(), Qt::LeftButton);
        aviso.accept();
    });
    aviso.mostrar("msg");
    EXPECT_EQ(plataforma().documentosAbertos(), (std::vector<std::string>{geral}));
}

TEST_F(TformAvisoTest, ArrastarOFundoMoveAJanela) {
    TformAviso aviso;
    aviso.show();
    const QPoint antes = aviso.pos();
    QTest::mousePress(&aviso, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent mover(QEvent::MouseMove, QPointF(130, 110), aviso.mapToGlobal(QPointF(130, 110)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&aviso, &mover);
    QTest::mouseRelease(&aviso, Qt::LeftButton, Qt::NoModifier, QPoint(130, 110));
    EXPECT_EQ(aviso.pos(), antes + QPoint(30, 10));
    aviso.hide();
}

}  // namespace
