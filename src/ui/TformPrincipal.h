#pragma once
// The main window: a picture title bar, the drawn neck and the control bar.
// Chord mode types or picks a chord and steps through its fingerings, edits
// the neck with the mouse and collects fingerings in the print list; scale
// mode picks a scale and a key and steps through its positions. Every musical
// decision is the facade's or the fretboard model's; this class wires the
// controls to them and shows the answers.
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <string>

#include "core/FachadaGUI.h"
#include "ui/OperacoesListaImpressao.h"

class Braco;
class ModeloBraco;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class TVantorButton3D;

class TformPrincipal : public QWidget, public RespostasJanelaPrincipal, public OperacoesListaImpressao {
    Q_OBJECT
public:
    explicit TformPrincipal(QWidget* pai = nullptr);
    ~TformPrincipal() override;

    // The window created last and still alive.
    static TformPrincipal* atual();

    // Answers to the core (FachadaGUI).
    const ListaImpressao& getListaImpressao() const override { return listaImpressao; }
    std::string getTomSelecionado() const override;
    bool configuracoesAbertasPeloInstrumento() const override { return abertoPeloInstrumento; }

    // For the chord-sheet import.
    void adicionarCifraImpressao(const std::string& cifra, bool forcar) override;
    void limparListaImpressao() override;

    bool modoEscalas() const { return exibicaoEscalas; }
    bool primeiraExecucao() const { return primeiroUso; }
    ModeloBraco& braco();
    Braco* vistaBraco() const { return vista; }

    // The dialogs this window opens; each is created at start-up by its own
    // code, which installs how to open it here. Unset, the button does nothing.
    // Settings: true when the user left it with OK.
    static void definirAberturaConfiguracoes(std::function<bool()> abrir);
    static void definirAberturaImpressao(std::function<void()> abrir);
    static void definirAberturaImportacao(std::function<void()> abrir);
    // The MIDI driver wizard: the device the user confirmed, or -1.
    static void definirAssistenteDriver(std::function<int()> executar);

    // The controls' handlers, public so that tests drive them as a click would.
    void entrarModoAcordes();
    void entrarModoEscalas();
    void confirmarNomeAcorde();
    void selecionarAcordeLista(int indice);
    void proximo();
    void anterior();
    void ouvir();
    void mudarModoVisualizacao(int indice);
    void mudarEscalaOuTom();
    // Neck-area coordinates; botao as a mouse event gives it.
    void cliqueAreaDisparo(QPoint ponto, Qt::MouseButton botao, QPoint global);
    void cliqueBraco(QPoint ponto, Qt::MouseButton botao, QPoint global);
    void escolherTonica();
    void deletarBolinha();
    void limparBraco();
    void adicionar();
    void remover();
    void substituir();
    void clicarLinhaImpressao(int linha);
    void abrirConfiguracoes(bool peloInstrumento);
    // What follows a settings dialog left with OK.
    void aposConfiguracoes();
    void abrirAjuda();
    void abrirLink();
    QPoint posicaoClique() const { return cliqueBolinha; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Next (adiante) or previous fingering or scale position.
    void passo(bool adiante);
    void criarControles();
    void aplicarTextos();
    void preencherListas();
    void preencherListaAcordes();
    void aplicarModoConfigurado();
    void aplicarConfiguracoesMantidas();
    void primeiroUsoAoMostrar();
    void tamanharAreaDisparo();
    void nomearAcordeBraco();
    void selecionarAcordeBraco();
    void mostrarPosicaoAtual();
    void garantirPosicaoConhecida();
    void mostrarAviso(const std::string& chave);
    std::string texto(const char* secao, const char* chave) const;
    std::string nomeLinhaNova() const;
    void ajustarBotoesModo();

    // Title bar.
    TVantorButton3D* btnConfiguracoes = nullptr;
    TVantorButton3D* btnImportarCifra = nullptr;
    TVantorButton3D* btnAjuda = nullptr;
    TVantorButton3D* btnMinimizar = nullptr;
    TVantorButton3D* btnSair = nullptr;
    QLabel* linkVantor = nullptr;
    // Neck.
    Braco* vista = nullptr;
    QWidget* areaDisparo = nullptr;
    QMenu* mnuBolinha = nullptr;
    // Control bar.
    TVantorButton3D* btnBaseAcordes = nullptr;
    TVantorButton3D* btnExibicaoEscalas = nullptr;
    QLabel* lblModoVisualizacao = nullptr;
    QComboBox* comboModoVisualizacao = nullptr;
    TVantorButton3D* btnInstrumento = nullptr;
    QLineEdit* editNomeAcorde = nullptr;
    QComboBox* comboBaseAcordes = nullptr;
    QLabel* lblTextoEscalas = nullptr;
    QComboBox* comboNomeEscalas = nullptr;
    QComboBox* comboTomEscalas = nullptr;
    TVantorButton3D* btnAnterior = nullptr;
    TVantorButton3D* btnProximo = nullptr;
    TVantorButton3D* btnOuvir = nullptr;
    TVantorButton3D* btnLimparBraco = nullptr;
    QListWidget* listaImpressaoBox = nullptr;
    TVantorButton3D* btnAdicionar = nullptr;
    TVantorButton3D* btnSubstituir = nullptr;
    TVantorButton3D* btnRemover = nullptr;
    TVantorButton3D* btnImprimir = nullptr;

    struct FigurasBarras {
        QPixmap barraSuperior, barraInferior, opcoes, acordes, escalas, listaImpressao;
    } figuras;

    ListaImpressao listaImpressao;
    bool exibicaoEscalas = false;
    bool primeiroUso = false;
    bool abertoPeloInstrumento = false;
    QPoint cliqueBolinha;
    QPoint inicioArrasto;
    bool conjuntoBrasileiro = false;
};
