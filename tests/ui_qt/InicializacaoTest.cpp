// The start-up: configuration, language, splash for the full second, the
// windows in order, the event loop until the main window closes, and the
// top-level handler's one message for each kind of error.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Vistas.h"
#include "core/GerenciadorConfiguracao.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"
#include "ui/AplicacaoBrelvio.h"
#include "ui/Inicializacao.h"
#include "ui/TformEntrada.h"

namespace {

const std::string kFixo =
    "An error has occurred in your application.\nIf the problem persist, please contact us: support@brelvio.com.";

// A window that notes when it was made; the main one closes itself once the
// event loop runs.
struct Registro {
    std::vector<std::string> criadas;
    std::vector<int64_t> tempos;
    std::vector<bool> entradaVisivel;
    std::vector<bool> visivelNoLaco;
};

class InicializacaoTest : public ::testing::Test {
protected:
    void SetUp() override { limparInstancias(); }
    void TearDown() override {
        limparInstancias();
        Plataforma::definir(nullptr);
    }
    static void limparInstancias() {
        GerenciadorConfiguracao::substituirInstancia(nullptr);
        GerenciadorIdiomas::substituirInstancia(nullptr);
    }

    Inicializacao::FabricaJanela janela(const std::string& nome, Inicializacao*& inicio, bool principal = false) {
        return [this, nome, &inicio, principal]() -> std::unique_ptr<QWidget> {
            registro.criadas.push_back(nome);
            registro.tempos.push_back(plataforma.agoraMilissegundos());
            registro.entradaVisivel.push_back(inicio->entrada() != nullptr && inicio->entrada()->isVisible());
            auto w = std::make_unique<QWidget>();
            w->setObjectName(QString::fromStdString(nome));
            if (principal) {
                QWidget* p = w.get();
                QTimer::singleShot(0, p, [this, p, &inicio] {
                    for (const auto& j : inicio->janelas()) registro.visivelNoLaco.push_back(j->isVisible());
                    p->close();
                });
            }
            return w;
        };
    }

    PlataformaHeadless plataforma{BRELVIO_APP_DIR, "inicio-de-teste"};
    Registro registro;
};

TEST_F(InicializacaoTest, EntradaPorUmSegundoJanelasEmOrdemELacoAteFecharAPrincipal) {
    Inicializacao* inicio = nullptr;
    Inicializacao programa(plataforma, {janela("principal", inicio, true), janela("configuracoes", inicio),
                                        janela("aviso", inicio)});
    inicio = &programa;
    EXPECT_EQ(programa.executar(), 0);

    EXPECT_EQ(registro.criadas, (std::vector<std::string>{"principal", "configuracoes", "aviso"}));
    for (size_t i = 0; i < registro.criadas.size(); ++i) {
        EXPECT_GE(registro.tempos[i], Inicializacao::kTempoEntrada);
        EXPECT_TRUE(registro.entradaVisivel[i]) << registro.criadas[i];
    }
    EXPECT_EQ(plataforma.esperas(), (std::vector<int>{1000}));
    // Only the main window was on screen while the loop ran.
    EXPECT_EQ(registro.visivelNoLaco, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(programa.entrada(), nullptr);
    EXPECT_TRUE(programa.janelas().empty());
    EXPECT_TRUE(plataforma.mensagens().empty());
    EXPECT_TRUE(GerenciadorIdiomas::getInstancia()->idiomaCarregado());
}

// A main window that asks before closing, in a modal loop of its own as a
// message box would: the first close is refused, the second granted.
class JanelaQuePergunta : public QWidget {
public:
    int perguntas = 0;

protected:
    void closeEvent(QCloseEvent* evento) override {
        ++perguntas;
        QEventLoop pergunta;
        QTimer::singleShot(1, &pergunta, &QEventLoop::quit);
        pergunta.exec();
        if (perguntas == 1) {
            evento->ignore();
            QTimer::singleShot(0, this, &QWidget::close);
        } else {
            evento->accept();
        }
    }
};

TEST_F(InicializacaoTest, LacoSoAcabaQuandoAPrincipalAceitaFechar) {
    JanelaQuePergunta* principal = nullptr;
    Inicializacao programa(plataforma, {[&]() -> std::unique_ptr<QWidget> {
                               auto w = std::make_unique<JanelaQuePergunta>();
                               principal = w.get();
                               QTimer::singleShot(0, principal, &QWidget::close);
                               return w;
                           }});
    QTimer guarda;  // a loop that did not end fails here instead of hanging
    bool expirou = false;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [&] {
        expirou = true;
        QCoreApplication::exit(2);
    });
    guarda.start(800);
    EXPECT_EQ(programa.executar(), 0);
    EXPECT_FALSE(expirou);
}

TEST_F(InicializacaoTest, EntradaTemAImagemDoIdiomaCentrada) {
    Inicializacao* inicio = nullptr;
    QImage vista;
    QImage figura;
    QRect lugar;
    Qt::WindowFlags bordas;
    Inicializacao programa(plataforma, {[&]() -> std::unique_ptr<QWidget> {
                               vista = inicio->entrada()->grab().toImage();
                               figura = inicio->entrada()->imagem().toImage();
                               bordas = inicio->entrada()->windowFlags();
                               lugar = inicio->entrada()->geometry();
                               plataforma.pedirEncerramento();
                               return nullptr;
                           }});
    inicio = &programa;
    programa.executar();
    ASSERT_FALSE(inicio->entrada());
    EXPECT_EQ(vista.size(), QSize(250, 250));
    EXPECT_TRUE(bordas.testFlag(Qt::FramelessWindowHint));
    // The whole window is the language's splash picture.
    ASSERT_EQ(figura.size(), QSize(250, 250));
    for (const QPoint p : {QPoint(0, 0), QPoint(125, 60), QPoint(249, 249), QPoint(60, 200)})
        EXPECT_EQ(vista.pixelColor(p), figura.pixelColor(p));
    EXPECT_EQ(lugar.center(), QGuiApplication::primaryScreen()->geometry().center());
    vista.save(pastaVistas() + QStringLiteral("/entrada.png"));
    EXPECT_TRUE(inicio->janelas().empty());
}

TEST_F(InicializacaoTest, SemIdiomaTerminaSemEntradaESemMensagemDoTratador) {
    QTemporaryDir vazio;
    PlataformaHeadless semArquivos(vazio.path().toStdString(), "inicio-de-teste");
    Inicializacao* inicio = nullptr;
    Inicializacao programa(semArquivos, {janela("principal", inicio, true)});
    inicio = &programa;
    EXPECT_NE(programa.executar(), 0);
    EXPECT_TRUE(registro.criadas.empty());
    EXPECT_TRUE(semArquivos.esperas().empty());
    ASSERT_EQ(semArquivos.mensagens().size(), 2u);
    EXPECT_EQ(semArquivos.mensagens()[0].texto, "No language files were found. Please, reinstall your software.");
    EXPECT_EQ(semArquivos.mensagens()[1].texto,
              "The language you have selected was not found. Please, select another one.");
    EXPECT_EQ(semArquivos.escolhasOferecidas(), (std::vector<std::vector<std::string>>{{}}));
}

TEST_F(InicializacaoTest, JanelaQuePedeOFimNaoDeixaCriarAsOutrasNemRodarOLaco) {
    Inicializacao* inicio = nullptr;
    Inicializacao programa(plataforma, {[&]() -> std::unique_ptr<QWidget> {
                                            registro.criadas.push_back("principal");
                                            plataforma.pedirEncerramento();
                                            return std::make_unique<QWidget>();
                                        },
                                        janela("configuracoes", inicio)});
    inicio = &programa;
    EXPECT_EQ(programa.executar(), 0);
    EXPECT_EQ(registro.criadas, (std::vector<std::string>{"principal"}));
    EXPECT_TRUE(programa.janelas().empty());
}

// What the handler shows for an error raised while the windows are made.
TEST_F(InicializacaoTest, TratadorUmaMensagemPorTipoDeErro) {
    struct Caso {
        std::function<void()> falha;
        std::string texto;
        std::string titulo;
    };
    const std::string erroGeral =
        "An error has occurred in Brelvio.\r\nIf the problem persists, please contact us: support@brelvio.com.\r\n\r\n"
        "Error information:";
    const Caso casos[] = {
        {[] { throw FatalException("x", "SaidaMIDI", "SaidaMIDI()"); },
         "The MIDI components Brelvio needs to play sound are missing or damaged.\r\nPlease reinstall Brelvio., v3.0 \"",
         "Brelvio"},
        {[] { throw std::runtime_error("sem tela"); }, erroGeral + "\n\" std::runtime_error (sem tela), v3.0 \"",
         "Brelvio"},
        {[] { throw NotFoundException("y", "z", "A", "b()"); }, kFixo + "\n\nError information:\n\" v3.0 \"",
         "Vantor Brelvio"},
        {[] { throw 7; }, kFixo + "\n\nError information:\n\" v3.0 \"", "Vantor Brelvio"},
    };
    for (const auto& caso : casos) {
        limparInstancias();
        PlataformaHeadless p(BRELVIO_APP_DIR, "inicio-de-teste");
        Inicializacao programa(p, {[&]() -> std::unique_ptr<QWidget> {
                                   caso.falha();
                                   return nullptr;
                               }});
        programa.setVersao("3.0");
        EXPECT_NE(programa.executar(), 0);
        ASSERT_EQ(p.mensagens().size(), 1u) << caso.texto;
        EXPECT_EQ(p.mensagens()[0].texto, caso.texto);
        EXPECT_EQ(p.mensagens()[0].titulo, caso.titulo);
        EXPECT_EQ(p.mensagens()[0].botoes, BotoesMensagem::Ok);
        EXPECT_EQ(programa.entrada(), nullptr);
    }
    Plataforma::definir(nullptr);
}

TEST_F(InicializacaoTest, TextosFixosSemIdiomaESemVersao) {
    Plataforma::definir(&plataforma);
    GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma));
    ASSERT_FALSE(GerenciadorIdiomas::getInstancia()->idiomaCarregado());
    struct Caso {
        Inicializacao::Mensagem obtida;
        std::string texto;
    };
    const Caso casos[] = {
        {Inicializacao::mensagemFatal("3.0"), kFixo + "\n\nError information:, v3.0 \""},
        {Inicializacao::mensagemFatal(std::nullopt), kFixo + "\n\nError information: \""},
        {Inicializacao::mensagemErroExecucao("std::bad_alloc", "m", std::nullopt),
         kFixo + "\n\nError information:\n\" std::bad_alloc (m) \""},
        {Inicializacao::mensagemErroDesconhecido(std::nullopt), kFixo},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(caso.obtida.texto, caso.texto);
        EXPECT_EQ(caso.obtida.titulo, "Vantor Brelvio");
    }
    EXPECT_EQ(Inicializacao::versaoDoPrograma(), std::optional<std::string>("3.0"));
}

TEST_F(InicializacaoTest, ErroDeUmEventoNaoChegaAoTratadorEOProgramaSegue) {
    auto* aplicacao = static_cast<AplicacaoBrelvio*>(QCoreApplication::instance());
    std::vector<std::string> relatados;
    aplicacao->definirRelator([&](const std::string& classe, const std::string&) { relatados.push_back(classe); });
    bool seguiu = false;
    Inicializacao programa(plataforma, {[&]() -> std::unique_ptr<QWidget> {
                               auto w = std::make_unique<QWidget>();
                               QWidget* p = w.get();
                               QTimer::singleShot(0, p, [] { throw std::logic_error("no evento"); });
                               QTimer::singleShot(5, p, [&seguiu, p] {
                                   seguiu = true;
                                   p->close();
                               });
                               return w;
                           }});
    EXPECT_EQ(programa.executar(), 0);
    aplicacao->definirRelator(nullptr);
    EXPECT_TRUE(seguiu);
    EXPECT_EQ(relatados, (std::vector<std::string>{"std::logic_error"}));
    EXPECT_TRUE(plataforma.mensagens().empty());
}

}  // namespace
