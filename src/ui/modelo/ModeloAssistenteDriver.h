#pragma once
// The MIDI driver wizard without its window: it tries the output devices one
// after the other, plays a short run of notes on each and takes the user's
// word on whether it was heard. The window shows etapa(), the step texts and
// the buttons of botoes(), and forwards the clicks.
//
// The wizard moves the MIDI output from device to device only to test them.
// Unless a device was confirmed, concluir() puts the output back on the device
// it found, so cancelling does not leave the program playing to a device the
// user never chose; the test's program change on channel 1 is undone too.
#include <string>
#include <vector>

class SaidaMIDI;

class ModeloAssistenteDriver {
public:
    enum class Etapa {
        Apresentar,     // introduce device atual(): Proceed or Cancel
        Perguntar,      // the notes were played: heard or not
        Confirmado,     // a device was heard: Finish
        NaoEncontrado,  // every device was refused: Finish
        Cancelado,
    };
    struct Botoes {
        bool prosseguir;
        bool cancelar;
        bool cancelarHabilitado;
        bool escutando;
        bool naoEscutando;
        bool finalizar;
        bool operator==(const Botoes&) const = default;
    };

    // The introduction's buttons, and those a closed wizard is left with for its next run.
    static constexpr Botoes kBotoesIniciais{true, true, true, false, false, false};

    static constexpr int kCanal = 1;
    static constexpr int kPrograma = 0;
    static constexpr int kResultadoCancelado = -1;
    // The result when no device was heard: the first one, the built-in synthesizer.
    static constexpr int kResultadoNenhum = 0;

    // Device names (Windows-1252) in device order: list index = device index.
    explicit ModeloAssistenteDriver(std::vector<std::string> dispositivos);

    // Starts a run on the first device over this output, which must outlive the run.
    void iniciar(SaidaMIDI& saida);
    // Apresentar: opens the device, sets program 0 on channel 1, plays the
    // 24-note test through the platform's waits and asks. A device that does
    // not open, or an error while playing, still gets the question.
    void prosseguir();
    // Perguntar: heard confirms the device; not heard moves to the next one.
    void responder(bool ouviu);
    // Apresentar or Perguntar: the run ends with kResultadoCancelado.
    void cancelar();
    // Ends the run (whatever the step) and answers the result.
    int concluir();

    Etapa etapa() const { return etapaAtual; }
    bool terminada() const { return etapaAtual == Etapa::Confirmado || etapaAtual == Etapa::NaoEncontrado; }
    int atual() const { return indiceAtual; }
    int resultado() const { return valorResultado; }
    const std::vector<std::string>& dispositivos() const { return nomes; }

    // The step's title and explanation, in the loaded language.
    std::string titulo() const;
    std::string explicacao() const;
    Botoes botoes() const;

private:
    void apresentar();

    std::vector<std::string> nomes;
    Etapa etapaAtual = Etapa::Apresentar;
    int indiceAtual = 0;
    int valorResultado = 0;
    SaidaMIDI* saida = nullptr;
    int dispositivoAnterior = -1;
    int programaAnterior = 0;
    bool testou = false;
};
