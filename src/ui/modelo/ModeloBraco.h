#pragma once
// The fretboard of the main window without the window: which fingering or
// scale position is on the neck, where each dot and label stands in every
// orientation, what a click hits, how the mouse edits the fingering and how
// the neck is named and played. Everything the widget shows is the flat item
// list (itens()); the widget paints it, forwards the mouse in neck-area
// coordinates and maps the notice timer onto a real one-shot timer.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "instruments/GeometriaBraco.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "scales/EscalaExibicao.h"
#include "ui/modelo/ItemBraco.h"

class InstrumentoCordas;
class PosicaoHarmonica;

// What the model asks of the widget that paints it.
class ObservadorBraco {
public:
    virtual ~ObservadorBraco() = default;
    // Start (or restart) the one-shot notice timer; when it fires the widget
    // calls ModeloBraco::temporizadorDisparou().
    virtual void iniciarTemporizador(int milissegundos) = 0;
    // Paint the items now: playback blocks the event loop while a scale
    // note's marks are up, so a queued repaint would come too late.
    virtual void repintar() = 0;
};

class ModeloBraco {
public:
    static constexpr int kItensPorCorda = 6;
    static constexpr int kNotasEscala = 24;
    static constexpr int kTempoAviso = 2000;
    static constexpr int kDistanciaCasa = 17;  // a hit lies strictly within this of a fret's centre
    static constexpr int kDistanciaCorda = 12;  // and of a string's
    static constexpr const char* kMensagemSemPosicao = "Nao foi possivel gerar o acorde selecionado";
    static constexpr const char* kTituloSemPosicao = "WARNING";
    static constexpr const char* kMaoDireita = "PIMA";

    // conjuntoBrasileiro: the six-string neck pictures of "Português (Brasil)".
    // Starts with the empty neck in view mode 0 and applies the orientation.
    explicit ModeloBraco(ObservadorBraco* observador = nullptr, bool conjuntoBrasileiro = false, int orientacao = 0);
    ~ModeloBraco();
    ModeloBraco(const ModeloBraco&) = delete;
    ModeloBraco& operator=(const ModeloBraco&) = delete;

    // 0..3; also what the main window calls after a change of instrument.
    void setOrientacao(int orientacao);
    int getOrientacao() const { return orientacao; }
    // 0 fingers, 1 notes, 2 intervals; the next drawing uses it.
    void setModoVisualizacao(int modo) { modoVisualizacao = modo; }
    int getModoVisualizacao() const { return modoVisualizacao; }

    // raiz: a pitch or pitch class; bemol: note names with flats. A missing
    // fingering is the fixed warning and leaves the neck as it is.
    void mostrarPosicao(const PosicaoHarmonica* posicao, int raiz, bool bemol);
    void mostrarPosicaoAtual();
    void limpar();
    void desenharPosicao();
    void limparBraco();

    // Neck-area coordinates. clicar: whether (x, y) hit a string and a fret.
    bool clicar(int x, int y);
    bool temBolinha(int x, int y) const;
    // The dot menu; true when the neck changed.
    bool escolherTonica(int x, int y);
    bool deletarBolinha(int x, int y);

    PosicaoHarmonicaInstrumentoCordas* getPosicao() { return posicao.get(); }
    const PosicaoHarmonicaInstrumentoCordas* getPosicao() const { return posicao.get(); }
    bool temNotaSoando() const;
    bool temDedos() const;
    bool getTonicaEscolhida() const { return tonicaEscolhida; }

    bool exibindoEscala() const { return escala.has_value(); }
    const std::optional<EscalaExibicao>& getEscalaExibida() const { return escala; }
    void mostrarEscala();
    void desenharRotulosEscala();

    void prepararTroca();
    void restaurarPosicao();
    void restaurarEscala();
    const PosicaoHarmonicaInstrumentoCordas* getPosicaoGuardada() const { return posicaoGuardada.get(); }
    const std::string& getNomeEscalaGuardada() const { return nomeEscalaGuardada; }

    // Blocking playback on the MIDI output; the waits are the platform's.
    void tocarAcorde();
    void tocarEscala();

    // The notice timer fired.
    void temporizadorDisparou();
    bool avisoVisivel() const;

    // Hit rules: the string at y, the fret at x; -1 for none.
    int cordaEm(int y) const;
    int casaEm(int x) const;
    // The centre lists of the current instrument and orientation.
    const std::vector<int>& getXCasas() const { return xCasas; }
    const std::vector<int>& getYCordas() const { return yCordas; }

    // Everything to paint, in painting order: neck, chord dots and labels,
    // scale dots and labels, right-hand markers and labels, the notice.
    const std::vector<ItemBraco>& itens() const { return todos; }
    const ItemBraco& item(TipoItemBraco tipo, int indice = 0) const;

private:
    ItemBraco& it(TipoItemBraco tipo, int indice = 0);
    const InstrumentoCordas* instrumento() const;
    int numeroCordas() const;
    int numeroCasas() const;
    std::vector<int32_t> afinacao() const;
    const geometriaBraco::TabelaBraco* tabelaAtual() const;
    bool soa(const PosicaoHarmonicaInstrumentoCordas& p, int corda) const;
    bool desenhavel(const EscalaExibicao& e, int nota) const;
    void posicionarEscala();
    void nomearEDesenhar();
    void iniciarVigia();
    void verificarVigia();
    void mostrar(TipoItemBraco tipo, int indice, int x, int y);
    void repintar();

    ObservadorBraco* observador;
    bool conjuntoBrasileiro;
    int orientacao;
    int modoVisualizacao = 0;
    std::unique_ptr<PosicaoHarmonicaInstrumentoCordas> posicao;
    std::unique_ptr<PosicaoHarmonicaInstrumentoCordas> posicaoGuardada;
    std::optional<EscalaExibicao> escala;
    std::optional<EscalaExibicao> escalaGuardada;
    std::string nomeEscalaGuardada;
    std::vector<int> xCasas;
    std::vector<int> yCordas;
    bool tonicaEscolhida = false;
    bool vigiando = false;
    int cordaVigiada = -1;
    int casaVigiada = -1;
    std::vector<ItemBraco> todos;
};
