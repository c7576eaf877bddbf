// The chord-sheet window: captions, paste, transposition in place, import and
// print through the main window's print list, help, and closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "Modal.h"
#include "Vistas.h"
#include "core/Fachada.h"
#include "fakes/ListaImpressaoFalsa.h"
#include "support/IdiomaDeTeste.h"
#include "ui/TVantorButton3D.h"
#include "printing/GerenciadorImpressao.h"
#include "ui/TformImportarCifra.h"
#include "ui/TformImpressao.h"

namespace {

// Tabs as a sheet copied from a web page often has them; the "♪" has no Windows-1252 byte.
const QString kCancaoColada = QString::fromUtf8(
    "Amazing Grace (traditional)\r\n"
    "Intro:\tG  C  G  D7  2x\r\n"
    "\r\n"
    "G                 G7       C        G\r\n"
    "Amazing grace, how sweet the sound \xE2\x99\xAA\r\n"
    "                        Em      D\r\n"
    "That saved a wretch like me\r\n"
    "I [G]once was [G7]lost, but [C]now am [G]found\r\n"
    "Was [Em]blind, but [D7]now I [G]see");

const QString kCancao = QString::fromUtf8(
    "Amazing Grace (traditional)\n"
    "Intro:  G  C  G  D7  2x\n"
    "\n"
    "G                 G7       C        G\n"
    "Amazing grace, how sweet the sound \xE2\x99\xAA\n"
    "                        Em      D\n"
    "That saved a wretch like me\n"
    "I [G]once was [G7]lost, but [C]now am [G]found\n"
    "Was [Em]blind, but [D7]now I [G]see");

const QString kCancaoAcima = QString::fromUtf8(
    "Amazing Grace (traditional)\n"
    "Intro:  G#  C#  G#  D#7  2x\n"
    "\n"
    "G#                 G#7       C#        G#\n"
    "Amazing grace, how sweet the sound \xE2\x99\xAA\n"
    "                        Fm      D#\n"
    "That saved a wretch like me\n"
    "I [G#]once was [G#7]lost, but [C#]now am [G#]found\n"
    "Was [Fm]blind, but [D#7]now I [G#]see");

class TformImportarCifraTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(idioma.carregado()); }

    void colarCancao(TformImportarCifra& janela) {
        QGuiApplication::clipboard()->setText(kCancaoColada);
        QTest::mouseClick(janela.btnColar(), Qt::LeftButton);
    }

    IdiomaDeTeste idioma;
    ListaImpressaoFalsa lista;
};

TEST_F(TformImportarCifraTest, JanelaSemBordaComAsLegendasDoIdioma) {
    TformImportarCifra janela;
    EXPECT_EQ(TformImportarCifra::atual(), &janela);
    EXPECT_EQ(janela.size(), QSize(473, 456));
    EXPECT_TRUE(janela.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(janela.isModal());
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Chord sheet"));
    EXPECT_EQ(janela.lblTransporAcima()->text(), QStringLiteral("+1 semitone"));
    EXPECT_EQ(janela.lblTransporAbaixo()->text(), QStringLiteral("-1 semitone"));
    EXPECT_EQ(janela.lblMudarTom()->text(), QStringLiteral("Change key:"));
    EXPECT_EQ(janela.btnImportarCifra()->Text(), QStringLiteral("Import chords"));
    EXPECT_EQ(janela.btnImprimir()->Text(), QStringLiteral("Print"));
    EXPECT_EQ(janela.btnTransporAcima()->toolTip(), janela.lblTransporAcima()->toolTip());
    EXPECT_EQ(janela.btnTransporAbaixo()->toolTip(), QStringLiteral("Transpose the whole song one semitone down"));
    EXPECT_EQ(janela.btnFechar()->toolTip(), QStringLiteral("Close"));
    EXPECT_TRUE(janela.memoTextoCifra()->toPlainText().startsWith(QStringLiteral("Paste or type the lyrics")));
    const QFontMetrics medidas(janela.memoTextoCifra()->font());
    EXPECT_EQ(medidas.horizontalAdvance(QStringLiteral("iiii")), medidas.horizontalAdvance(QStringLiteral("MMMM")));
    for (auto* b : {janela.btnTransporAcima(), janela.btnTransporAbaixo(), janela.btnColar(), janela.btnAjuda()}) {
        EXPECT_FALSE(b->PictureUp().isNull()) << b->objectName().toStdString();
    }
    janela.show();
    EXPECT_TRUE(janela.grab().save(pastaVistas() + "/importar-cifra-inicio.png"));
    {
        TformImportarCifra segunda;
        EXPECT_EQ(TformImportarCifra::atual(), &segunda);
    }
    EXPECT_EQ(TformImportarCifra::atual(), nullptr);
}

TEST_F(TformImportarCifraTest, ColarTrocaOTextoETabulacoesViramDoisBrancos) {
    TformImportarCifra janela;
    colarCancao(janela);
    EXPECT_EQ(janela.memoTextoCifra()->toPlainText(), kCancao);
    // One undo brings the previous sheet back.
    janela.memoTextoCifra()->undo();
    EXPECT_TRUE(janela.memoTextoCifra()->toPlainText().startsWith(QStringLiteral("Paste or type")));
}

TEST_F(TformImportarCifraTest, TransporAcimaEAbaixoNoProprioTexto) {
    TformImportarCifra janela;
    colarCancao(janela);
    QTest::mouseClick(janela.btnTransporAcima(), Qt::LeftButton);
    EXPECT_EQ(janela.memoTextoCifra()->toPlainText(), kCancaoAcima);
    EXPECT_EQ(janela.getSemitons(), 1);
    EXPECT_EQ(janela.getDirecao(), kTransporAcima);
    // The label does what its button does.
    QTest::mouseClick(janela.lblTransporAbaixo(), Qt::LeftButton);
    EXPECT_EQ(janela.memoTextoCifra()->toPlainText(), kCancao);
    EXPECT_EQ(janela.getDirecao(), kTransporAbaixo);
    QTest::mouseClick(janela.btnTransporAbaixo(), Qt::LeftButton);
    EXPECT_TRUE(janela.memoTextoCifra()->toPlainText().contains(QStringLiteral("Intro:  Gb  B  Gb  Db7  2x")));
    // A transposition is one step of undo.
    janela.memoTextoCifra()->undo();
    EXPECT_EQ(janela.memoTextoCifra()->toPlainText(), kCancao);
}

TEST_F(TformImportarCifraTest, ImportarForcaCadaAcordeEmOrdemEFecha) {
    TformImportarCifra janela;
    janela.show();
    colarCancao(janela);
    lista.chamadas.clear();
    QTest::mouseClick(janela.btnImportarCifra(), Qt::LeftButton);
    const std::vector<std::string> esperadas = {
        "Intro:!", "G!", "C!", "G!", "D7!", "2x!", "G!", "G7!", "C!", "G!", "Em!", "D!",
        "G!",      "G7!", "C!", "G!", "Em!", "D7!", "G!"};
    EXPECT_EQ(lista.chamadas, esperadas);
    EXPECT_FALSE(janela.isVisible());
}

TEST_F(TformImportarCifraTest, ImprimirEsvaziaAListaEAcrescentaSemForcarEMostraODialogoDaCifra) {
    GerenciadorImpressao::substituirInstancia(std::make_unique<GerenciadorImpressao>());
    TformImpressao dialogo;
    TformImportarCifra janela;
    janela.memoTextoCifra()->setPlainText(QStringLiteral("Am  F  Am\n[C]la la [Am]la"));
    bool mostrado = false;
    quandoModalAbrir([&](QWidget* modal) {
        mostrado = modal == &dialogo;
        // Prepared for a sheet: the content list open at "text and diagrams".
        EXPECT_TRUE(dialogo.comboOpcoesImpressao()->isEnabled());
        EXPECT_EQ(dialogo.getConteudo(), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        // Filled before the dialog shows.
        EXPECT_EQ(lista.chamadas, (std::vector<std::string>{"limpar", "Am", "F", "Am", "C", "Am"}));
        EXPECT_EQ(Fachada::getInstancia()->getTextoImpressao(), "Am  F  Am\n[C]la la [Am]la\n");
        dialogo.reject();
    });
    QTest::mouseClick(janela.btnImprimir(), Qt::LeftButton);
    EXPECT_TRUE(mostrado);
    GerenciadorImpressao::substituirInstancia(nullptr);
}

TEST_F(TformImportarCifraTest, AjudaAbreATelaDeCifras) {
    TformImportarCifra janela;
    QTest::mouseClick(janela.btnAjuda(), Qt::LeftButton);
    EXPECT_EQ(idioma.plataforma().documentosAbertos(),
              (std::vector<std::string>{std::string(BRELVIO_APP_DIR) + "/help/en/index.html#telaCifras"}));
}

TEST_F(TformImportarCifraTest, EscEFecharFecham) {
    for (const bool porEsc : {true, false}) {
        TformImportarCifra janela;
        janela.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
        janela.memoTextoCifra()->setFocus();
        if (porEsc) {
            QTest::keyClick(janela.memoTextoCifra(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(janela.btnFechar(), Qt::LeftButton);
        }
        EXPECT_FALSE(janela.isVisible()) << porEsc;
    }
}

TEST_F(TformImportarCifraTest, VistaComUmaCancaoNasDuasLinguas) {
    const QString ciranda = QString::fromUtf8(
        "Ciranda, cirandinha (cantiga de roda)\n"
        "Tom: C\n\n"
        "Intro: C | G7 | C | G7\n\n"
        "[C]Ciranda, cirandinha, vamos [G7]todos cirandar\n"
        "Vamos dar a meia volta, volta e [C]meia vamos dar\n\n"
        "C                        G7\n"
        "O anel que tu me deste era vidro e se quebrou\n"
        "                               C\n"
        "O amor que tu me tinhas era pouco e se acabou");
    for (const char* nome : {"English", kPortugues}) {
        IdiomaDeTeste lingua(nome);
        ASSERT_TRUE(lingua.carregado());
        TformImportarCifra janela;
        janela.show();
        if (nome == std::string("English")) {
            colarCancao(janela);
        } else {
            QGuiApplication::clipboard()->setText(ciranda);
            QTest::mouseClick(janela.btnColar(), Qt::LeftButton);
        }
        QTest::mouseClick(janela.btnTransporAcima(), Qt::LeftButton);
        const QString arquivo =
            pastaVistas() + (nome == std::string("English") ? "/importar-cifra-en.png" : "/importar-cifra-pt.png");
        EXPECT_TRUE(janela.grab().save(arquivo));
        if (nome != std::string("English")) {
            EXPECT_EQ(janela.windowTitle(), QStringLiteral("Cifras"));
            EXPECT_EQ(janela.lblTransporAcima()->text(), QStringLiteral("+1 semitom"));
        }
    }
}

}  // namespace
