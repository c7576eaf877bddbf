// The picture button: which picture it shows in each state, where its caption
// lands, the two pressing styles and the click it reports.
#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include "Vistas.h"
#include "support/IdiomaDeTeste.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {

QPixmap liso(QColor cor, int largura = 100, int altura = 27) {
    QPixmap p(largura, altura);
    p.fill(cor);
    return p;
}

const QColor kSolto(200, 0, 0);
const QColor kPressionado(0, 0, 200);
const QColor kTexto(0, 255, 0);

// The box around every pixel of one colour; null when there is none.
QRect caixaDaCor(const QImage& imagem, QColor cor) {
    QRect caixa;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (imagem.pixelColor(x, y) == cor) caixa |= QRect(x, y, 1, 1);
    return caixa;
}

class BotaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        botao.SetImagemPressionada(liso(kPressionado));
        botao.SetImagemSolta(liso(kSolto));
        QFont fonte;
        fonte.setPixelSize(14);
        fonte.setStyleStrategy(QFont::NoAntialias);
        botao.SetTextFont(fonte, kTexto);
        botao.show();
    }
    QColor fundo() const { return botao.imagemAtual().pixelColor(1, 1); }
    QRect legenda() const { return caixaDaCor(botao.imagemAtual(), kTexto); }

    TVantorButton3D botao;
};

TEST(TVantorButton3DNovo, TamanhoCursorEPadroes) {
    TVantorButton3D botao;
    EXPECT_EQ(botao.size(), QSize(100, 27));
    EXPECT_EQ(botao.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(botao.ButtonStyle(), bsDropWhenPressed);
    EXPECT_TRUE(botao.AutoControlPressing());
    EXPECT_TRUE(botao.TextCentered());
    EXPECT_EQ(botao.TextPressedDepth(), 1);
    EXPECT_FALSE(botao.Pressed());
    botao.SetImagemSolta(liso(kSolto, 24, 24));
    EXPECT_EQ(botao.size(), QSize(24, 24));
}

TEST_F(BotaoTest, PressionadoSoEnquantoOBotaoDoMouseEstaEmbaixoEUmClique) {
    QSignalSpy cliques(&botao, &TVantorButton3D::clicked);
    EXPECT_EQ(fundo(), kSolto);
    QTest::mousePress(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_TRUE(botao.Pressed());
    EXPECT_EQ(fundo(), kPressionado);
    EXPECT_EQ(cliques.count(), 0);
    QTest::mouseRelease(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_FALSE(botao.Pressed());
    EXPECT_EQ(fundo(), kSolto);
    EXPECT_EQ(cliques.count(), 1);
}

TEST_F(BotaoTest, SoltarForaDoBotaoNaoEClique) {
    QSignalSpy cliques(&botao, &TVantorButton3D::clicked);
    QTest::mousePress(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    QTest::mouseRelease(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(150, 13));
    EXPECT_EQ(cliques.count(), 0);
    EXPECT_FALSE(botao.Pressed());
}

TEST_F(BotaoTest, DuploCliqueEUmCliqueMaisODuplo) {
    QSignalSpy cliques(&botao, &TVantorButton3D::clicked);
    QSignalSpy duplos(&botao, &TVantorButton3D::duploClique);
    QTest::mouseClick(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    QTest::mouseDClick(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_TRUE(botao.Pressed());
    QTest::mouseRelease(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_EQ(cliques.count(), 1);
    EXPECT_EQ(duplos.count(), 1);
    EXPECT_FALSE(botao.Pressed());
}

TEST_F(BotaoTest, BotaoDireitoNuncaMudaOEstado) {
    QTest::mousePress(&botao, Qt::RightButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_FALSE(botao.Pressed());
    QTest::mouseRelease(&botao, Qt::RightButton, Qt::NoModifier, QPoint(50, 13));
    botao.SetButtonStyle(bsHoldWhenPressed);
    botao.SetPressed(true);
    QTest::mouseClick(&botao, Qt::RightButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_TRUE(botao.Pressed());
}

TEST_F(BotaoTest, EstiloPresoAlternaACadaClique) {
    botao.SetButtonStyle(bsHoldWhenPressed);
    QTest::mouseClick(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_TRUE(botao.Pressed());
    EXPECT_EQ(fundo(), kPressionado);
    // Still pressed while the second press is held; released when let go.
    QTest::mousePress(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_TRUE(botao.Pressed());
    QTest::mouseRelease(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_FALSE(botao.Pressed());
    EXPECT_EQ(fundo(), kSolto);
}

TEST_F(BotaoTest, SemControleAutomaticoOMouseNaoPressiona) {
    QSignalSpy cliques(&botao, &TVantorButton3D::clicked);
    botao.SetAutoControlPressing(false);
    QTest::mousePress(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_FALSE(botao.Pressed());
    QTest::mouseRelease(&botao, Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
    EXPECT_EQ(cliques.count(), 1);
}

TEST(TVantorButton3DSemImagem, SemImagemPressionadaNadaAparece) {
    TVantorButton3D botao;
    botao.SetImagemSolta(liso(kSolto));
    botao.SetText(QStringLiteral("OK"));
    botao.SetPressed(true);
    EXPECT_TRUE(caixaDaCor(botao.imagemAtual(), kSolto).isNull());
    EXPECT_EQ(botao.imagemAtual().pixelColor(50, 13).alpha(), 0);
    // Nor the caption without the released picture.
    TVantorButton3D vazio;
    vazio.SetTextFont(QFont(), kTexto);
    vazio.SetText(QStringLiteral("OK"));
    EXPECT_TRUE(caixaDaCor(vazio.imagemAtual(), kTexto).isNull());
}

TEST_F(BotaoTest, LegendaCentradaEDeslocadaAoPressionar) {
    botao.SetText(QStringLiteral("Play"));
    const QFontMetrics medidas(botao.TextFont());
    EXPECT_EQ(botao.TextX(), (100 - medidas.horizontalAdvance(QStringLiteral("Play"))) / 2);
    EXPECT_EQ(botao.TextY(), (27 - medidas.height()) / 2);
    const QRect solta = legenda();
    ASSERT_FALSE(solta.isNull());
    EXPECT_NEAR(solta.center().x(), 50, 3);

    botao.SetPressed(true);
    EXPECT_EQ(legenda(), solta.translated(1, 1));
    botao.SetTextDepth(3);
    EXPECT_EQ(legenda(), solta.translated(3, 3));
    botao.SetTextStatic(true);
    botao.SetPressed(true);
    EXPECT_EQ(legenda(), solta);
}

TEST_F(BotaoTest, NovaLegendaRecentraMasXFixoFica) {
    botao.SetText(QStringLiteral("A"));
    const int xCurto = botao.TextX();
    botao.SetText(QStringLiteral("A much longer caption"));
    EXPECT_LT(botao.TextX(), xCurto);

    botao.SetTextX(5);
    EXPECT_FALSE(botao.TextCenteredX());
    EXPECT_FALSE(botao.TextCentered());
    EXPECT_TRUE(botao.TextCenteredY());
    botao.SetText(QStringLiteral("B"));
    EXPECT_EQ(botao.TextX(), 5);
    EXPECT_GE(legenda().left(), 5);
    EXPECT_LE(legenda().left(), 7);

    botao.SetTextCenteredX(true);
    EXPECT_TRUE(botao.TextCentered());
    EXPECT_NE(botao.TextX(), 5);
}

TEST_F(BotaoTest, SombraUmPixelAbaixoEADireita) {
    const QColor sombra(255, 255, 255);
    QFont fonte = botao.TextFont();
    botao.SetTextShadedFont(fonte, sombra);
    botao.SetText(QStringLiteral("I"));
    EXPECT_TRUE(caixaDaCor(botao.imagemAtual(), sombra).isNull());
    botao.SetTextShaded(true);
    const QRect texto = legenda();
    const QRect somb = caixaDaCor(botao.imagemAtual(), sombra);
    ASSERT_FALSE(somb.isNull());
    // The caption covers the shadow except on its lower and right edge.
    EXPECT_EQ(somb.bottom(), texto.bottom() + 1);
    EXPECT_EQ(somb.right(), texto.right() + 1);
}

TEST_F(BotaoTest, CorDaLegendaTrocadaSozinha) {
    botao.SetText(QStringLiteral("Chords"));
    const QRect antes = legenda();
    const QColor amarelo(255, 255, 0);
    botao.SetTextFontColor(amarelo);
    EXPECT_TRUE(legenda().isNull());
    EXPECT_EQ(caixaDaCor(botao.imagemAtual(), amarelo), antes);
}

TEST(TVantorButton3DIdioma, ImagensDoPacoteComLegenda) {
    IdiomaDeTeste idioma;
    ASSERT_TRUE(idioma.carregado());
    TVantorButton3D botao;
    botao.SetImagemPressionada(pixmapIdioma("geral", "imgBotaoPressionado"));
    botao.SetImagemSolta(pixmapIdioma("geral", "imgBotaoSolto"));
    EXPECT_EQ(botao.size(), QSize(100, 27));
    QFont fonte;
    fonte.setBold(true);
    fonte.setPixelSize(12);
    botao.SetTextFont(fonte, Qt::white);
    botao.SetTextShadedFont(fonte, QColor(40, 40, 40));
    botao.SetTextShaded(true);
    botao.SetText(textoQt(idioma.idiomas().getTexto("fmPrincipal", "btnOuvir")));
    EXPECT_TRUE(botao.grab().save(pastaVistas() + QStringLiteral("/botao-solto.png")));
    botao.SetPressed(true);
    EXPECT_TRUE(botao.grab().save(pastaVistas() + QStringLiteral("/botao-pressionado.png")));
}

}  // namespace
