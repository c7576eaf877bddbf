// The main window as a musician drives it: typing and picking chords, stepping
// through fingerings, editing the neck with the mouse, scale mode, the print
// list, the dialogs it opens and the question on exit.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/Fachada.h"
#include "core/GerenciadorConfiguracao.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/InstrumentoCordas.h"
#include "ui/AmbienteBraco.h"
#include "ui/Braco.h"
#include "ui/ConfiguracoesMantidas.h"
#include "ui/TformAviso.h"
#include "ui/TformPrincipal.h"
#include "ui/TextoQt.h"
#include "ui_qt/Modal.h"
#include "ui_qt/Vistas.h"

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;

// Six-string neck, orientation 0, English pictures: string s at y = 101 + 24 s.
constexpr int kXCasa[] = {787, 736, 679, 620, 568, 515};
constexpr int kXCasa12 = 219;
constexpr int yCorda(int s) { return 101 + 24 * s; }

class TformPrincipalTest : public ::testing::Test {
protected:
    void SetUp() override {
        GerenciadorConfiguracao::substituirInstancia(std::make_unique<GerenciadorConfiguracao>(
            caminhoConfiguracao(), ambiente.idioma.plataforma()));
        ConfiguracoesMantidas::substituirInstancia(nullptr);
        GerenciadorConfiguracao& c = *GerenciadorConfiguracao::getInstancia();
        c.setExibicaoEscalas(0);
        c.setPosicaoBraco(0);
        c.setDriver(0);
    }
    void TearDown() override {
        TformPrincipal::definirAberturaConfiguracoes(nullptr);
        TformPrincipal::definirAssistenteDriver(nullptr);
        aviso.reset();
        principal.reset();
        ConfiguracoesMantidas::substituirInstancia(nullptr);
        GerenciadorConfiguracao::substituirInstancia(nullptr);
    }

    std::string caminhoConfiguracao() const { return pasta.path().toStdString() + "/brelvio.ini"; }

    TformPrincipal& janela() {
        if (!principal) {
            principal = std::make_unique<TformPrincipal>();
            aviso = std::make_unique<TformAviso>(principal.get());
        }
        return *principal;
    }
    template <typename T>
    T* controle(const char* nome) {
        T* w = janela().findChild<T*>(QString::fromLatin1(nome));
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }
    QLineEdit* campo() { return controle<QLineEdit>("editNomeAcorde"); }
    QListWidget* lista() { return controle<QListWidget>("listaImpressao"); }
    ModeloBraco& braco() { return janela().braco(); }
    std::vector<int32_t> casasNoBraco() { return braco().getPosicao()->getCasas(); }
    std::vector<int32_t> casasAtuais() {
        return dynamic_cast<Posicao*>(ambiente.fachada.getPosicaoAcordeAtual())->getCasas();
    }

    void digitar(const QString& texto) {
        campo()->setText(texto);
        QTest::keyClick(campo(), Qt::Key_Return);
    }
    // A click on the neck at neck-area coordinates, through the click area.
    void clicarBraco(int x, int y, Qt::MouseButton botao = Qt::LeftButton) {
        QWidget* area = controle<QWidget>("areaDisparo");
        QTest::mouseClick(area, botao, {}, QPoint(x, y) - area->pos());
    }
    QAction* acaoMenu(const char* nome) { return controle<QMenu>("mnuBolinha")->findChild<QAction*>(nome); }
    std::vector<std::string> linhas() {
        std::vector<std::string> texto;
        for (int i = 0; i < lista()->count(); ++i) texto.push_back(lista()->item(i)->text().toStdString());
        return texto;
    }
    std::vector<std::string> nomesListaImpressao() {
        std::vector<std::string> nomes;
        const ListaImpressao& l = janela().getListaImpressao();
        for (int i = 0; i < l.size(); ++i) nomes.push_back(l.getElement(i)->getNome());
        return nomes;
    }

    AmbienteBraco ambiente;
    QTemporaryDir pasta;
    std::unique_ptr<TformPrincipal> principal;
    std::unique_ptr<TformAviso> aviso;
};

TEST_F(TformPrincipalTest, SimboloDigitadoComBrancosEMinusculaMostraAPrimeiraPosicao) {
    digitar("  am7  ");
    EXPECT_EQ(campo()->text(), "Am7");
    EXPECT_EQ(ambiente.fachada.getNomeAcordeAtual(), "Am7");
    EXPECT_EQ(casasNoBraco(), casasAtuais());
    EXPECT_EQ(casasNoBraco(), (std::vector<int32_t>{-1, 0, 2, 0, 1, 0}));
    const auto* combo = controle<QComboBox>("comboBaseAcordes");
    EXPECT_EQ(combo->currentText(), "Am7");
    // The root (A, open fifth string) is red; the dots stand at their frets.
    const ItemBraco& raiz = braco().item(TipoItemBraco::Bolinha, 1);
    EXPECT_TRUE(raiz.visivel);
    EXPECT_EQ(raiz.imagem, "imgBolinhaVermelha");
    EXPECT_EQ(raiz.retangulo, centradoEm(kXCasa[0], yCorda(1), 24, 23));
    EXPECT_EQ(braco().item(TipoItemBraco::Bolinha, 2).retangulo, centradoEm(kXCasa[2], yCorda(2), 24, 23));
    EXPECT_FALSE(braco().item(TipoItemBraco::Bolinha, 0).visivel);
}

TEST_F(TformPrincipalTest, CampoVazioNadaFazESimboloRecusadoAbreOAvisoComAAjudaDeCifras) {
    digitar("   ");
    EXPECT_EQ(ambiente.fachada.getIndiceAcorde(), -1);

    std::string mensagem;
    std::string ajuda;
    quandoModalAbrir([&](QWidget* modal) {
        auto* dialogo = qobject_cast<TformAviso*>(modal);
        ASSERT_NE(dialogo, nullptr);
        mensagem = dialogo->lblMensagem()->text().toStdString();
        ajuda = dialogo->getCaminhoAjuda();
        dialogo->accept();
    });
    digitar("Xyz");
    EXPECT_EQ(QString::fromStdString(mensagem),
              textoQt(ambiente.fachada.getTexto("fmPrincipal", "msgErroSintaxe")));
    EXPECT_EQ(ajuda, std::string(BRELVIO_APP_DIR) + "/" +
                         ambiente.fachada.getTexto("parametros", "caminhoAjudaAcordes"));
}

TEST_F(TformPrincipalTest, ProximoEAnteriorPercorremAsPosicoesEsemAcordeNadaFazem) {
    janela().proximo();
    janela().anterior();
    EXPECT_FALSE(braco().temNotaSoando());

    digitar("Am7");
    const auto primeira = casasNoBraco();
    janela().proximo();
    EXPECT_NE(casasNoBraco(), primeira);
    EXPECT_EQ(casasNoBraco(), casasAtuais());
    janela().anterior();
    EXPECT_EQ(casasNoBraco(), primeira);
}

TEST_F(TformPrincipalTest, EscolherNaListaMostraOAcorde) {
    auto* combo = controle<QComboBox>("comboBaseAcordes");
    const int indice = combo->findText("C");
    ASSERT_GE(indice, 0);
    janela().selecionarAcordeLista(indice);
    EXPECT_EQ(casasNoBraco(), (std::vector<int32_t>{-1, 3, 2, 0, 1, 0}));
    EXPECT_EQ(campo()->text(), "C");
}

TEST_F(TformPrincipalTest, CliquesNoBracoNomeiamOAcordeEAvisamDaNovaTonica) {
    janela();
    clicarBraco(kXCasa[3], yCorda(1));  // C on the A string
    EXPECT_FALSE(braco().avisoVisivel()) << "one sounding string announces nothing";
    clicarBraco(kXCasa[2], yCorda(2));  // E
    clicarBraco(kXCasa[0], yCorda(3));  // open G
    EXPECT_EQ(campo()->text(), "C");
    EXPECT_EQ(ambiente.fachada.getNomeAcordeAtual(), "C");
    EXPECT_FALSE(braco().avisoVisivel());

    // A lower note takes the root: the neck now reads E minor, and says so.
    clicarBraco(kXCasa[0], yCorda(0));
    EXPECT_EQ(campo()->text(), "Em(#5)");
    EXPECT_TRUE(braco().avisoVisivel());
    EXPECT_TRUE(janela().vistaBraco()->temporizadorAviso().isActive());
    EXPECT_EQ(janela().vistaBraco()->temporizadorAviso().interval(), 2000);
}

TEST_F(TformPrincipalTest, MenuDaBolinhaEscolheATonicaEApaga) {
    janela();
    for (const auto& [casa, corda] : {std::pair{3, 1}, {2, 2}, {0, 3}}) clicarBraco(kXCasa[casa], yCorda(corda));

    clicarBraco(kXCasa[2], yCorda(2), Qt::RightButton);  // on the E dot
    EXPECT_EQ(janela().posicaoClique(), QPoint(kXCasa[2], yCorda(2)));
    acaoMenu("mnuBolinhaTonica")->trigger();
    EXPECT_EQ(braco().getPosicao()->getCordaMarcada(), 2);
    EXPECT_EQ(campo()->text().toStdString(), ambiente.fachada.getNomeAcordeAtual());
    EXPECT_NE(campo()->text(), "C");

    clicarBraco(kXCasa[3], yCorda(1), Qt::RightButton);  // on the C dot
    acaoMenu("mnuBolinhaDeletar")->trigger();
    EXPECT_FALSE(braco().getPosicao()->temNota(3, 1));
    EXPECT_EQ(campo()->text().toStdString(), ambiente.fachada.getNomeAcordeAtual());

    // A right click where there is no dot keeps the remembered place.
    clicarBraco(kXCasa[5], yCorda(5), Qt::RightButton);
    EXPECT_EQ(janela().posicaoClique(), QPoint(kXCasa[3], yCorda(1)));
}

TEST_F(TformPrincipalTest, ModoEscalasOfereceDoisModosEVoltaComOsTres) {
    auto* modos = controle<QComboBox>("comboModoVisualizacao");
    digitar("C");
    janela().mudarModoVisualizacao(2);
    modos->setCurrentIndex(2);

    janela().entrarModoEscalas();
    EXPECT_TRUE(janela().modoEscalas());
    EXPECT_EQ(modos->count(), 2);
    EXPECT_EQ(modos->currentIndex(), 0);
    EXPECT_FALSE(controle<QLineEdit>("editNomeAcorde")->isVisibleTo(&janela()));
    EXPECT_TRUE(controle<QComboBox>("comboTomEscalas")->isVisibleTo(&janela()));

    auto* escalas = controle<QComboBox>("comboNomeEscalas");
    auto* tons = controle<QComboBox>("comboTomEscalas");
    escalas->setCurrentIndex(escalas->findText("Major"));
    tons->setCurrentIndex(tons->findText("C"));
    janela().mudarEscalaOuTom();
    ASSERT_TRUE(braco().exibindoEscala());
    EXPECT_TRUE(braco().item(TipoItemBraco::BolinhaEscala, 0).visivel);
    const auto primeira = braco().getEscalaExibida()->getCasas();
    janela().proximo();
    EXPECT_NE(braco().getEscalaExibida()->getCasas(), primeira);

    janela().entrarModoAcordes();
    EXPECT_FALSE(janela().modoEscalas());
    EXPECT_EQ(modos->count(), 3);
    EXPECT_EQ(modos->currentIndex(), 0) << "the interval view became the finger view";
    // Scale mode cleared the neck before anything was kept: chord mode
    // starts over from the empty neck and the field's invitation.
    EXPECT_FALSE(braco().temNotaSoando());
    EXPECT_EQ(campo()->text().toStdString(), ambiente.fachada.getTexto("fmPrincipal", "editNomeAcorde"));
    // Nothing is named, so nothing stays selected behind the field's back:
    // the arrows do not bring back an unnamed fingering of the old chord.
    EXPECT_EQ(ambiente.fachada.getIndiceAcorde(), -1);
    janela().proximo();
    EXPECT_FALSE(braco().temNotaSoando());
}

TEST_F(TformPrincipalTest, EscalaImpossivelLimpaOBracoEAvisa) {
    janela().entrarModoEscalas();
    auto* escalas = controle<QComboBox>("comboNomeEscalas");
    auto* tons = controle<QComboBox>("comboTomEscalas");
    escalas->setCurrentIndex(escalas->findText("Too wide"));
    tons->setCurrentIndex(0);
    ambiente.idioma.plataforma().limparRegistro();
    janela().mudarEscalaOuTom();
    ASSERT_EQ(ambiente.idioma.plataforma().mensagens().size(), 1u);
    EXPECT_EQ(ambiente.idioma.plataforma().mensagens()[0].texto,
              ambiente.fachada.getTexto("exception", "escalaImpossivel"));
    EXPECT_EQ(ambiente.idioma.plataforma().mensagens()[0].titulo, "");
}

TEST_F(TformPrincipalTest, ListaDeImpressaoAdicionaRemoveSubstituiEClica) {
    const char* const acordes[] = {"C", "Dm", "Em", "F", "G", "Am"};
    for (const char* a : acordes) {
        digitar(a);
        janela().adicionar();
    }
    EXPECT_EQ(linhas(), (std::vector<std::string>{"C", "Dm", "Em", "F", "G", "Am"}));
    EXPECT_EQ(nomesListaImpressao(), linhas());

    // Three lines that do not touch: exactly those go, the rest stay aligned.
    for (const int linha : {0, 2, 4}) lista()->item(linha)->setSelected(true);
    janela().remover();
    EXPECT_EQ(linhas(), (std::vector<std::string>{"Dm", "F", "Am"}));
    EXPECT_EQ(nomesListaImpressao(), linhas());

    digitar("G7");
    lista()->setCurrentRow(1);
    janela().substituir();
    EXPECT_EQ(linhas(), (std::vector<std::string>{"Dm", "G7", "Am"}));
    EXPECT_EQ(janela().getListaImpressao().getElement(1)->getCasas(), casasNoBraco());

    // A click on a line puts its fingering back on the neck.
    const auto casasDm = janela().getListaImpressao().getElement(0)->getCasas();
    janela().clicarLinhaImpressao(0);
    EXPECT_EQ(casasNoBraco(), casasDm);
    EXPECT_EQ(campo()->text(), "Dm");
}

TEST_F(TformPrincipalTest, SemNotaComDedoSubstituirRecusaComAviso) {
    digitar("C");
    janela().adicionar();
    // Frets 1 and 12 at once: they sound, but no hand can stop them.
    janela().limparBraco();
    clicarBraco(kXCasa[1], yCorda(1));
    clicarBraco(kXCasa12, yCorda(2));
    ASSERT_TRUE(braco().temNotaSoando());
    ASSERT_FALSE(braco().temDedos());
    lista()->setCurrentRow(0);
    ambiente.idioma.plataforma().limparRegistro();
    janela().substituir();
    ASSERT_EQ(ambiente.idioma.plataforma().mensagens().size(), 1u);
    EXPECT_EQ(ambiente.idioma.plataforma().mensagens()[0].texto,
              ambiente.fachada.getTexto("fmPrincipalAbaAcordes", "msgAcordeInexequivel"));
    EXPECT_EQ(linhas(), (std::vector<std::string>{"C"}));
}

TEST_F(TformPrincipalTest, CifraDaImportacaoComESemForca) {
    janela().adicionarCifraImpressao("Am", false);
    janela().adicionarCifraImpressao("Am", false);
    janela().adicionarCifraImpressao("Am", true);
    janela().adicionarCifraImpressao("Intro:", true);
    EXPECT_EQ(linhas(), (std::vector<std::string>{"Am", "Am"}));
    EXPECT_EQ(ambiente.fachada.getIndiceAcorde(), -1);
    EXPECT_TRUE(campo()->text().isEmpty());
    EXPECT_EQ(controle<QComboBox>("comboBaseAcordes")->currentIndex(), -1);
    janela().limparListaImpressao();
    EXPECT_EQ(lista()->count(), 0);
    EXPECT_EQ(janela().getListaImpressao().size(), 0);
}

// After the settings dialog: a change to an instrument with another tuning
// remakes every entry on it; one with the same tuning keeps the list.
TEST_F(TformPrincipalTest, TrocaDeInstrumentoRefazAListaSoQuandoAAfinacaoMuda) {
    digitar("C");
    janela().adicionar();
    const auto antes = janela().getListaImpressao().getElement(0)->getCasas();

    const int cavaquinho = ambiente.instrumentoComCordas(4);
    ASSERT_GE(cavaquinho, 0);
    ambiente.fachada.setInstrumento(cavaquinho);
    janela().aposConfiguracoes();
    const auto depois = janela().getListaImpressao().getElement(0)->getCasas();
    EXPECT_EQ(depois.size(), 4u);
    EXPECT_EQ(janela().getListaImpressao().getElement(0)->getNome(), "C");
    EXPECT_EQ(controle<QWidget>("areaDisparo")->geometry().top(), 100);
    EXPECT_EQ(controle<QWidget>("areaDisparo")->height(), 125);

    ambiente.fachada.setInstrumento(cavaquinho);  // same tuning as before
    janela().aposConfiguracoes();
    EXPECT_EQ(janela().getListaImpressao().getElement(0)->getCasas(), depois);
    EXPECT_NE(antes, depois);
}

// The list is remade whenever the tuning it was made for is not the one now
// current, even when the instrument's name is the one remembered from before.
TEST_F(TformPrincipalTest, VoltaAoInstrumentoLembradoRefazAListaFeitaEmOutro) {
    const int cavaquinho = ambiente.instrumentoComCordas(4);
    ASSERT_GE(cavaquinho, 0);
    digitar("C");
    janela().adicionar();
    ambiente.fachada.setInstrumento(cavaquinho);
    janela().aposConfiguracoes();
    ASSERT_EQ(janela().getListaImpressao().getElement(0)->getCasas().size(), 4u);

    // Back on the guitar with an empty list, a new list is made there...
    janela().limparListaImpressao();
    ambiente.fachada.setInstrumento(0);
    janela().aposConfiguracoes();
    digitar("C");
    janela().adicionar();
    ASSERT_EQ(janela().getListaImpressao().getElement(0)->getCasas().size(), 6u);

    // ...and going to the cavaquinho again fingers it for the cavaquinho.
    ambiente.fachada.setInstrumento(cavaquinho);
    janela().aposConfiguracoes();
    EXPECT_EQ(janela().getListaImpressao().getElement(0)->getCasas().size(), 4u);
    EXPECT_EQ(janela().getListaImpressao().getElement(0)->getNome(), "C");
}

TEST_F(TformPrincipalTest, PerguntaNaSaidaNaoMantemESimGravaAConfiguracao) {
    janela().show();
    janela().entrarModoEscalas();
    ambiente.idioma.plataforma().responderMensagem(RespostaMensagem::Nao);
    EXPECT_FALSE(janela().close());
    EXPECT_TRUE(janela().isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(caminhoConfiguracao())));

    ambiente.idioma.plataforma().responderMensagem(RespostaMensagem::Sim);
    EXPECT_TRUE(janela().close());
    ASSERT_TRUE(QFile::exists(QString::fromStdString(caminhoConfiguracao())));
    GerenciadorConfiguracao relida(caminhoConfiguracao(), ambiente.idioma.plataforma());
    EXPECT_EQ(relida.getExibicaoEscalas(), 1);
    EXPECT_EQ(relida.getNomeInstrumento(), ambiente.fachada.getNomeInstrumentoAtual());
    const auto& mensagens = ambiente.idioma.plataforma().mensagens();
    EXPECT_EQ(mensagens.back().texto, ambiente.fachada.getTexto("fmPrincipal", "msgConfirmacaoSaida"));
    EXPECT_EQ(mensagens.back().botoes, BotoesMensagem::SimNao);
}

TEST_F(TformPrincipalTest, PrimeiroUsoRodaOAssistenteUmaVez) {
    GerenciadorConfiguracao::getInstancia()->setDriver(-1);
    int vezes = 0;
    TformPrincipal::definirAssistenteDriver([&] {
        ++vezes;
        return 1;
    });
    EXPECT_TRUE(janela().primeiraExecucao());
    EXPECT_EQ(ambiente.fachada.getDriver(), 0);
    janela().show();
    QTest::qWait(20);
    janela().hide();
    janela().show();
    QTest::qWait(20);
    EXPECT_EQ(vezes, 1);
    EXPECT_FALSE(janela().primeiraExecucao());
    EXPECT_EQ(ambiente.fachada.getDriver(), 1);
}

TEST_F(TformPrincipalTest, ConfiguracoesLembramQualBotaoAsAbriuEAplicamNoOk) {
    std::vector<bool> pelos;
    TformPrincipal::definirAberturaConfiguracoes([&] {
        pelos.push_back(FachadaGUI::getInstancia()->configuracoesAbertasPeloInstrumento());
        ConfiguracoesMantidas::getInstancia()->setOrientacao(2);
        return true;
    });
    janela().abrirConfiguracoes(true);
    janela().abrirConfiguracoes(false);
    EXPECT_EQ(pelos, (std::vector<bool>{true, false}));
    EXPECT_EQ(braco().getOrientacao(), 2);
}

// With the nut on the left an open string's dot is centred at x = 5, half past
// the edge of the neck: it is drawn whole, just inside the edge.
TEST_F(TformPrincipalTest, BolinhaDeCordaSoltaNaPontaDoBracoApareceInteira) {
    GerenciadorConfiguracao::getInstancia()->setPosicaoBraco(2);
    janela().show();
    digitar("Am7");
    const ItemBraco& raiz = braco().item(TipoItemBraco::Bolinha, 1);
    ASSERT_EQ(raiz.imagem, "imgBolinhaVermelha");
    ASSERT_EQ(raiz.retangulo.esquerda + 12, 792 - kXCasa[0]);
    const QImage neck = janela().findChild<Braco*>()->grab().toImage();
    neck.save(pastaVistas() + "/braco-orientacao2-Am7.png");
    // The red of the dot reaches 24 pixels from the edge, not only the 17 that
    // a dot cut at the edge keeps.
    int direita = -1;
    for (int y = raiz.retangulo.topo; y < raiz.retangulo.topo + raiz.retangulo.altura; ++y) {
        for (int x = 0; x < 24; ++x) {
            const QColor c = neck.pixelColor(x, y);
            if (c.red() > c.green() + 60 && c.red() > c.blue() + 60) direita = std::max(direita, x);
        }
    }
    EXPECT_GE(direita, 20);
}

TEST_F(TformPrincipalTest, ImagemDaJanela) {
    janela().show();
    digitar("Am7");
    janela().adicionar();
    EXPECT_TRUE(janela().grab().save(pastaVistas() + "/principal-Am7.png"));
}

}  // namespace
