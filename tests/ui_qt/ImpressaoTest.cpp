// The print dialog and the preview: captions and lists, the two ways the
// dialog is prepared, preview paging at the three zooms, printing to a PDF
// file through the system print dialog with no printer installed, and the
// window program's --pdf mode.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPrintDialog>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "Modal.h"
#include "Vistas.h"
#include "core/Fachada.h"
#include "fakes/JanelaPrincipalFalsa.h"
#include "printing/GerenciadorImpressao.h"
#include "support/IdiomaDeTeste.h"
#include "support/InstrumentosDeTeste.h"
#include "ui/ImpressaoPdf.h"
#include "ui/TVantorButton3D.h"
#include "ui/TformImpressao.h"
#include "ui/TformVisualizarImpressao.h"

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;

class ImpressaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(idioma.carregado());
        instrumentos.gerenciador().setInstrumento(0);
        GerenciadorImpressao::substituirInstancia(std::make_unique<GerenciadorImpressao>());
    }
    void TearDown() override { GerenciadorImpressao::substituirInstancia(nullptr); }

    void encherLista(int quantos) {
        const Posicao acordes[] = {
            Posicao("C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}),
            Posicao("D", {-1, 5, 7, 7, 7, 5}, {0, 1, 3, 3, 3, 1}),
            Posicao("Em", {0, 2, 2, 0, 0, 0}, {0, 2, 3, 0, 0, 0}),
        };
        for (int i = 0; i < quantos; ++i) principal.listaImpressao.addElement(&acordes[i % 3]);
    }
    std::string textoIdioma(const char* secao, const char* chave) { return idioma.idiomas().getTexto(secao, chave); }

    IdiomaDeTeste idioma;
    InstrumentosDeTeste instrumentos{idioma.plataforma()};
    JanelaPrincipalFalsa principal;
    TformImpressao dialogo;
    TformVisualizarImpressao previa;
};

TEST_F(ImpressaoTest, DialogoSemBordaComLegendasEListasDoIdioma) {
    EXPECT_EQ(TformImpressao::atual(), &dialogo);
    EXPECT_EQ(TformVisualizarImpressao::atual(), &previa);
    EXPECT_EQ(dialogo.size(), QSize(272, 256));
    EXPECT_EQ(previa.size(), QSize(365, 509));
    EXPECT_TRUE(dialogo.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(previa.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(dialogo.lblTitulo()->text(), QStringLiteral("Print"));
    EXPECT_EQ(dialogo.btnImprimir()->Text(), QStringLiteral("Print"));
    EXPECT_EQ(dialogo.btnVisualizarImpressao()->Text(), QStringLiteral("Preview"));
    EXPECT_EQ(dialogo.btnFechar()->toolTip(), QStringLiteral("Close"));
    EXPECT_EQ(previa.lblPagina()->text(), QStringLiteral("Page"));
    const std::vector<std::pair<QComboBox*, std::vector<std::string>>> listas = {
        {dialogo.comboOpcoesImpressao(),
         {"comboOpcoesImpressaoItem1", "comboOpcoesImpressaoItem2", "comboOpcoesImpressaoItem3"}},
        {dialogo.comboRotulo(), {"comboRotuloItem1", "comboRotuloItem2", "comboRotuloItem3"}},
    };
    for (const auto& [lista, chaves] : listas) {
        ASSERT_EQ(lista->count(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(lista->itemText(i).toStdString(), textoIdioma("fmImpressao", chaves[static_cast<size_t>(i)].c_str()));
        }
    }
    EXPECT_EQ(dialogo.comboRotulo()->currentIndex(), 0);
    EXPECT_EQ(previa.comboZoom()->count(), 3);
    EXPECT_EQ(previa.getZoom(), 100);
}

TEST_F(ImpressaoTest, ListaDaJanelaPrincipalSoDiagramasFolhaDeCifraEscolheTudo) {
    // As the main window shows it: diagrams only, not to be changed.
    EXPECT_EQ(dialogo.getConteudo(), GerenciadorImpressao::kDiagramas);
    EXPECT_FALSE(dialogo.comboOpcoesImpressao()->isEnabled());
    EXPECT_FALSE(dialogo.lblExplicacaoConteudo()->isEnabled());

    dialogo.prepararCifra();
    EXPECT_EQ(dialogo.getConteudo(), GerenciadorImpressao::kTextoEDiagramas);
    EXPECT_TRUE(dialogo.comboOpcoesImpressao()->isEnabled());
    EXPECT_TRUE(dialogo.lblExplicacaoConteudo()->isEnabled());
    bool habilitadaAberta = false;
    quandoModalAbrir([&](QWidget* janela) {
        habilitadaAberta = dialogo.comboOpcoesImpressao()->isEnabled();
        dialogo.comboOpcoesImpressao()->setCurrentIndex(2);
        dialogo.grab().save(pastaVistas() + QStringLiteral("/impressao.png"));
        QTest::keyClick(janela, Qt::Key_Escape);
    });
    dialogo.exec();
    EXPECT_TRUE(habilitadaAberta);
    // The next showing, from the main window, is diagrams only again.
    EXPECT_EQ(dialogo.getConteudo(), GerenciadorImpressao::kDiagramas);
    EXPECT_FALSE(dialogo.comboOpcoesImpressao()->isEnabled());
}

TEST_F(ImpressaoTest, VisualizacaoPaginaAPaginaNosTresZoomsEFechaNaPrimeira) {
    encherLista(30);
    struct Vista {
        int pagina, largura;
        QString de;
        bool spin;
        std::vector<int> paginasMostradas;
    };
    std::vector<Vista> vistas;
    const auto anotar = [&] {
        vistas.push_back({previa.spinPagina()->value(), previa.imageVisualizar()->width(), previa.lblDe()->text(),
                          previa.spinPagina()->isEnabled(), {}});
    };
    int paginas = 0;
    bool rolavel = false;
    QImage primeira, segunda;
    quandoModalAbrir([&](QWidget* janela) {
        ASSERT_EQ(janela, &previa);
        anotar();
        paginas = previa.spinPagina()->maximum();
        primeira = previa.imageVisualizar()->pixmap().toImage();
        previa.grab().save(pastaVistas() + QStringLiteral("/visualizacao-100.png"));
        // Typing is ignored; the arrows turn the page.
        QTest::keyClicks(previa.spinPagina(), QStringLiteral("3"));
        EXPECT_EQ(previa.spinPagina()->value(), 1);
        previa.spinPagina()->stepUp();
        anotar();
        segunda = previa.imageVisualizar()->pixmap().toImage();
        previa.comboZoom()->setCurrentIndex(2);
        anotar();
        rolavel = previa.areaPagina()->horizontalScrollBar()->maximum() > 0;
        previa.grab().save(pastaVistas() + QStringLiteral("/visualizacao-300.png"));
        previa.imageVisualizar()->pixmap().save(pastaVistas() + QStringLiteral("/pagina-300.png"));
        previa.comboZoom()->setCurrentIndex(1);
        anotar();
        QTest::mouseClick(previa.btnFechar(), Qt::LeftButton);
    });
    QTest::mouseClick(dialogo.btnVisualizarImpressao(), Qt::LeftButton);
    ASSERT_EQ(vistas.size(), 4u);
    ASSERT_GE(paginas, 2);
    const QString de = QStringLiteral("of ") + QString::number(paginas);
    EXPECT_EQ(vistas[0].pagina, 1);
    EXPECT_EQ(vistas[0].largura, 360);
    EXPECT_EQ(vistas[0].de, de);
    EXPECT_TRUE(vistas[0].spin);
    EXPECT_EQ(vistas[1].pagina, 2);
    EXPECT_NE(primeira, segunda);
    EXPECT_EQ(vistas[2].pagina, 2);
    EXPECT_EQ(vistas[2].largura, 1080);
    EXPECT_EQ(vistas[2].de, de);
    EXPECT_TRUE(rolavel);
    EXPECT_EQ(vistas[3].largura, 720);
    EXPECT_EQ(previa.spinPagina()->value(), 1);
    EXPECT_FALSE(previa.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ImpressaoTest, VisualizacaoDeUmaPaginaTemSpinDesabilitado) {
    encherLista(4);
    QString de;
    bool spin = true;
    quandoModalAbrir([&](QWidget*) {
        de = previa.lblDe()->text();
        spin = previa.spinPagina()->isEnabled();
        previa.reject();
    });
    dialogo.visualizar();
    EXPECT_EQ(de, QStringLiteral("of 1"));
    EXPECT_FALSE(spin);
}

TEST_F(ImpressaoTest, ImprimeEmPdfPeloDialogoDoSistemaSemImpressora) {
    encherLista(10);
    const QString arquivo = QDir(pastaVistas()).filePath(QStringLiteral("dialogo.pdf"));
    QFile::remove(arquivo);
    QPrinter& impressora = dialogo.getDialogoImpressao().getImpressora();
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    bool sistema = false;
    quandoModalAbrir([&](QWidget* janela) {
        sistema = qobject_cast<QPrintDialog*>(janela) != nullptr;
        static_cast<QDialog*>(janela)->accept();
    });
    QTest::mouseClick(dialogo.btnImprimir(), Qt::LeftButton);
    EXPECT_TRUE(sistema);
    EXPECT_TRUE(idioma.plataforma().mensagens().empty());
    QFile pdf(arquivo);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

// Pages of a PDF file by its page objects.
int paginasPdf(const QString& arquivo) {
    QFile pdf(arquivo);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(pdf.readAll().count("/Type /Page\n"));
}

int executarPdf(std::vector<std::string> palavras) {
    palavras.insert(palavras.begin(), "brelvio");
    std::vector<char*> argv;
    for (auto& p : palavras) argv.push_back(p.data());
    return executarImpressaoPdf(static_cast<int>(argv.size()), argv.data());
}

TEST(ImpressaoPdfTest, ModoPdfReconhecidoEUsoErrado) {
    std::vector<std::string> palavras = {"brelvio", "--pdf", "x.pdf", "C"};
    std::vector<char*> argv;
    for (auto& p : palavras) argv.push_back(p.data());
    EXPECT_TRUE(pedeImpressaoPdf(4, argv.data()));
    EXPECT_FALSE(pedeImpressaoPdf(1, argv.data()));
    EXPECT_EQ(executarPdf({"--pdf", "x.pdf", "--labels", "colours", "C"}), 2);
    EXPECT_EQ(executarPdf({"--labels", "notes", "C"}), 2);
    EXPECT_EQ(executarPdf({"--pdf", "x.pdf", "--instrument", "-1", "C"}), 2);
    EXPECT_NE(ajudaImpressaoPdf().find("--pdf FILE"), std::string::npos);
}

// Pages rendered by poppler, each with ink on it; nothing when pdftoppm is missing.
std::optional<int> paginasDesenhadas(const QString& arquivo, const QString& prefixo) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return std::nullopt;
    const QFileInfo base(prefixo);
    for (const QString& velha : QDir(base.path()).entryList({base.fileName() + QStringLiteral("-*.png")})) {
        QFile::remove(QDir(base.path()).filePath(velha));
    }
    if (QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), arquivo, prefixo}) != 0) {
        return 0;
    }
    int paginas = 0;
    for (;; ++paginas) {
        const QImage figura(prefixo + QStringLiteral("-%1.png").arg(paginas + 1));
        if (figura.isNull()) break;
        int tinta = 0;
        for (int y = 0; y < figura.height(); ++y) {
            for (int x = 0; x < figura.width(); ++x) tinta += qGray(figura.pixel(x, y)) < 128;
        }
        if (tinta < 500) break;
    }
    return paginas;
}

TEST(ImpressaoPdfTest, DezDedilhadosNumaPaginaEFolhaLongaEmVariasQueOPopplerDesenha) {
    const QString pasta = pastaVistas();
    const QString folha = QDir(pasta).filePath(QStringLiteral("folha.txt"));
    {
        QFile texto(folha);
        ASSERT_TRUE(texto.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 40; ++i) texto.write("Am       C        G    \xC9\r\nla la la la la la la\n\n");
    }
    const std::vector<std::string> dez = {"C", "D", "Em", "F#m7", "G7", "A", "Bb", "Cmaj7", "Dm", "E7"};
    struct Caso {
        const char* nome;
        std::vector<std::string> opcoes;
        int minimo, maximo;  // pages
    };
    const Caso casos[] = {
        // Rows of 4, 3 and 3 fit under the header.
        {"dez", {"--labels", "notes"}, 1, 1},
        // 120 lines of text, then the diagrams.
        {"folha", {"--sheet", folha.toStdString(), "--labels", "intervals"}, 3, 6},
    };
    bool desenhou = true;
    for (const auto& caso : casos) {
        const QString arquivo = QDir(pasta).filePath(QString::fromLatin1(caso.nome) + QStringLiteral(".pdf"));
        QFile::remove(arquivo);
        std::vector<std::string> palavras = {"--pdf", arquivo.toStdString(), "--data", BRELVIO_APP_DIR};
        palavras.insert(palavras.end(), caso.opcoes.begin(), caso.opcoes.end());
        palavras.insert(palavras.end(), dez.begin(), dez.end());
        ASSERT_EQ(executarPdf(palavras), 0) << caso.nome;
        const int paginas = paginasPdf(arquivo);
        EXPECT_GE(paginas, caso.minimo) << caso.nome;
        EXPECT_LE(paginas, caso.maximo) << caso.nome;
        const auto desenhadas = paginasDesenhadas(arquivo, QDir(pasta).filePath(QString::fromLatin1(caso.nome)));
        if (!desenhadas) {
            desenhou = false;
            continue;
        }
        EXPECT_EQ(*desenhadas, paginas) << caso.nome;
    }
    if (!desenhou) GTEST_SKIP() << "pdftoppm is not installed: the pages were not rendered";
}

TEST(ImpressaoPdfTest, AcordeSemDedilhadoOuFolhaQueNaoAbreFalham) {
    const QString arquivo = QDir(pastaVistas()).filePath(QStringLiteral("falha.pdf"));
    EXPECT_EQ(executarPdf({"--pdf", arquivo.toStdString(), "--data", BRELVIO_APP_DIR, "C", "Hzz"}), 1);
    EXPECT_EQ(executarPdf({"--pdf", arquivo.toStdString(), "--data", BRELVIO_APP_DIR, "--sheet", "/nao/existe.txt", "C"}), 1);
}

}  // namespace
