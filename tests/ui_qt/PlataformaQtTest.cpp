// The desktop platform: plain message boxes with the asked buttons and their
// answers, the language chooser, the opening of documents and addresses,
// waits that keep the event loop going, the end request.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "Vistas.h"
#include "Modal.h"
#include "support/IdiomaDeTeste.h"
#include "ui/PlataformaQt.h"
#include "ui/TformListaIdiomas.h"

namespace {

struct CaixaVista {
    QString titulo;
    QString texto;
    QMessageBox::Icon icone = QMessageBox::Information;
    QMessageBox::StandardButtons botoes;
};

// Shows a box and presses one of its buttons (or Esc), recording what it showed.
RespostaMensagem responder(PlataformaQt& plataforma, const std::string& texto, const std::string& titulo,
                           BotoesMensagem botoes, std::optional<QMessageBox::StandardButton> pressionar,
                           CaixaVista& vista) {
    quandoModalAbrir([&](QWidget* janela) {
        auto* caixa = qobject_cast<QMessageBox*>(janela);
        ASSERT_NE(caixa, nullptr);
        vista = {caixa->windowTitle(), caixa->text(), caixa->icon(), caixa->standardButtons()};
        if (pressionar) {
            caixa->button(*pressionar)->click();
        } else {
            QTest::keyClick(caixa, Qt::Key_Escape);
        }
    });
    return plataforma.mostrarMensagem(texto, titulo, botoes);
}

TEST(PlataformaQtMensagem, BotoesPedidosERespostas) {
    struct Caso {
        BotoesMensagem botoes;
        std::optional<QMessageBox::StandardButton> pressionar;  // nothing: Esc
        QMessageBox::StandardButtons esperados;
        RespostaMensagem resposta;
    };
    const Caso casos[] = {
        {BotoesMensagem::Ok, QMessageBox::Ok, QMessageBox::Ok, RespostaMensagem::Ok},
        {BotoesMensagem::SimNao, QMessageBox::Yes, QMessageBox::Yes | QMessageBox::No, RespostaMensagem::Sim},
        {BotoesMensagem::SimNao, QMessageBox::No, QMessageBox::Yes | QMessageBox::No, RespostaMensagem::Nao},
        {BotoesMensagem::OkCancelar, QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel, RespostaMensagem::Ok},
        {BotoesMensagem::OkCancelar, QMessageBox::Cancel, QMessageBox::Ok | QMessageBox::Cancel,
         RespostaMensagem::Cancelar},
        {BotoesMensagem::OkCancelar, std::nullopt, QMessageBox::Ok | QMessageBox::Cancel, RespostaMensagem::Cancelar},
        {BotoesMensagem::SimNao, std::nullopt, QMessageBox::Yes | QMessageBox::No, RespostaMensagem::Nao},
    };
    PlataformaQt plataforma;
    for (const auto& caso : casos) {
        CaixaVista vista;
        EXPECT_EQ(responder(plataforma, "Texto", "Brelvio", caso.botoes, caso.pressionar, vista), caso.resposta);
        EXPECT_EQ(vista.botoes, caso.esperados);
        EXPECT_EQ(vista.icone, QMessageBox::NoIcon);
        EXPECT_EQ(vista.titulo, QStringLiteral("Brelvio"));
    }
}

TEST(PlataformaQtMensagem, TextoDoIdiomaConvertidoESemTitulo) {
    PlataformaQt plataforma;
    CaixaVista vista;
    // "Não#<b>x</b>" as the language file gives it: CR LF from '#', markup kept as text.
    responder(plataforma, "N\xE3o\r\n<b>x</b>", "", BotoesMensagem::Ok, QMessageBox::Ok, vista);
    EXPECT_EQ(vista.texto, QString::fromUtf8("Não\n<b>x</b>"));
    EXPECT_TRUE(vista.titulo.isEmpty());
}

// The buttons speak the loaded language: a Portuguese user is not asked
// "Yes"/"No" or offered "Cancel".
TEST(PlataformaQtMensagem, BotoesNaLinguaDoIdioma) {
    struct Caso {
        const char* idioma;
        BotoesMensagem botoes;
        std::vector<std::pair<QMessageBox::StandardButton, QString>> legendas;
    };
    const Caso casos[] = {
        {kPortugues, BotoesMensagem::SimNao,
         {{QMessageBox::Yes, QStringLiteral("Sim")}, {QMessageBox::No, QString::fromUtf8("Não")}}},
        {kPortugues, BotoesMensagem::OkCancelar,
         {{QMessageBox::Ok, QStringLiteral("OK")}, {QMessageBox::Cancel, QStringLiteral("Cancelar")}}},
        {"English", BotoesMensagem::SimNao,
         {{QMessageBox::Yes, QStringLiteral("Yes")}, {QMessageBox::No, QStringLiteral("No")}}},
    };
    for (const auto& caso : casos) {
        IdiomaDeTeste idioma(caso.idioma);
        ASSERT_TRUE(idioma.carregado()) << caso.idioma;
        PlataformaQt plataforma;
        std::vector<std::pair<QMessageBox::StandardButton, QString>> vistas;
        quandoModalAbrir([&](QWidget* janela) {
            auto* caixa = qobject_cast<QMessageBox*>(janela);
            ASSERT_NE(caixa, nullptr);
            for (const auto& [botao, legenda] : caso.legendas) vistas.emplace_back(botao, caixa->button(botao)->text());
            QTest::keyClick(caixa, Qt::Key_Escape);
        });
        plataforma.mostrarMensagem("Texto", "", caso.botoes);
        EXPECT_EQ(vistas, caso.legendas) << caso.idioma;
    }
}

TEST(TformListaIdiomas, ListaSemSelecaoOkPadraoEFocoNaLista) {
    TformListaIdiomas lista({"English", "Portugu\xEAs (Brasil)"});
    lista.show();
    QApplication::processEvents();
    ASSERT_EQ(lista.listaIdiomas()->count(), 2);
    EXPECT_EQ(lista.listaIdiomas()->item(1)->text(), QString::fromUtf8("Português (Brasil)"));
    EXPECT_TRUE(lista.listaIdiomas()->selectedItems().isEmpty());
    EXPECT_FALSE(lista.indiceSelecionado().has_value());
    EXPECT_TRUE(lista.botaoOk()->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), lista.listaIdiomas());
    EXPECT_TRUE(lista.windowFlags().testFlag(Qt::Tool));
    lista.grab().save(pastaVistas() + QStringLiteral("/lista-idiomas.png"));
    lista.hide();
}

TEST(TformListaIdiomas, EscolhaOkCancelarEDuploClique) {
    enum class Acao { SelecionarEOk, OkSemSelecao, SelecionarECancelar, DuploClique, Enter };
    struct Caso {
        Acao acao;
        std::optional<int> esperado;
    };
    const Caso casos[] = {
        {Acao::SelecionarEOk, 1},
        {Acao::OkSemSelecao, std::nullopt},
        {Acao::SelecionarECancelar, std::nullopt},
        {Acao::DuploClique, 2},
        {Acao::Enter, 0},
    };
    for (const auto& caso : casos) {
        PlataformaQt plataforma;
        quandoModalAbrir([&](QWidget* janela) {
            auto* lista = qobject_cast<TformListaIdiomas*>(janela);
            ASSERT_NE(lista, nullptr);
            QListWidget* l = lista->listaIdiomas();
            switch (caso.acao) {
                case Acao::SelecionarEOk:
                    l->item(1)->setSelected(true);
                    lista->botaoOk()->click();
                    break;
                case Acao::OkSemSelecao: lista->botaoOk()->click(); break;
                case Acao::SelecionarECancelar:
                    l->item(1)->setSelected(true);
                    lista->botaoCancelar()->click();
                    break;
                case Acao::DuploClique: {
                    const QPoint centro = l->visualItemRect(l->item(2)).center();
                    // A real double click: press and release, then the second press.
                    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
                    QTest::mouseDClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
                    break;
                }
                case Acao::Enter:
                    l->item(0)->setSelected(true);
                    QTest::keyClick(l, Qt::Key_Return);
                    break;
            }
        });
        EXPECT_EQ(plataforma.escolherIdioma({"English", "Deutsch", "Portugu\xEAs (Brasil)"}), caso.esperado)
            << static_cast<int>(caso.acao);
    }
}

TEST(PlataformaQtAbertura, CaminhosEEnderecos) {
    struct Caso {
        std::string dado;
        QUrl esperado;
    };
    const Caso casos[] = {
        {"  /opt/brelvio/help/en/index.html ", QUrl::fromLocalFile("/opt/brelvio/help/en/index.html")},
        {"\"/opt/brelvio/help/a b.html\"", QUrl::fromLocalFile("/opt/brelvio/help/a b.html")},
        {"https://www.brelvio.com", QUrl("https://www.brelvio.com")},
        {" \"mailto:support@brelvio.com\" ", QUrl("mailto:support@brelvio.com")},
        {"help/en/index.html", QUrl::fromLocalFile("help/en/index.html")},
    };
    PlataformaQt plataforma;
    std::vector<QUrl> abertos;
    plataforma.definirAbridor([&](const QUrl& url) {
        abertos.push_back(url);
        return true;
    });
    for (const auto& caso : casos) {
        EXPECT_TRUE(plataforma.abrirDocumento(caso.dado));
        ASSERT_FALSE(abertos.empty());
        EXPECT_EQ(abertos.back(), caso.esperado) << caso.dado;
    }
    plataforma.definirAbridor([](const QUrl&) { return false; });
    EXPECT_FALSE(plataforma.abrirDocumento("/nao/existe.html"));
}

TEST(PlataformaQtEspera, RelogioAndaEEventosSeguem) {
    PlataformaQt plataforma;
    bool disparou = false;
    QTimer::singleShot(0, [&] { disparou = true; });
    const int64_t antes = plataforma.agoraMilissegundos();
    plataforma.esperar(20);
    EXPECT_GE(plataforma.agoraMilissegundos() - antes, 20);
    EXPECT_TRUE(disparou);
}

TEST(PlataformaQtEncerramento, PedidoLembradoESaiDoLaco) {
    PlataformaQt plataforma;
    EXPECT_FALSE(plataforma.encerramentoPedido());
    QTimer::singleShot(0, [&] { plataforma.pedirEncerramento(); });
    QTimer guarda;  // a loop that did not end would fail here, not hang
    guarda.setSingleShot(true);
    bool expirou = false;
    QObject::connect(&guarda, &QTimer::timeout, [&] {
        expirou = true;
        QCoreApplication::exit(1);
    });
    guarda.start(800);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(expirou);
    EXPECT_TRUE(plataforma.encerramentoPedido());
}

TEST(PlataformaQtDiretorio, DadoOuDoExecutavel) {
    EXPECT_EQ(PlataformaQt("/opt/brelvio").diretorioPrograma(), "/opt/brelvio/");
    const std::string proprio = PlataformaQt().diretorioPrograma();
    EXPECT_EQ(proprio, QCoreApplication::applicationDirPath().toStdString() + "/");
    EXPECT_EQ(PlataformaQt().nomeArquivoPrograma(), "test_ui_qt");
}

}  // namespace
