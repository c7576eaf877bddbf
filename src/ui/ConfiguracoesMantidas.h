#pragma once
// The three settings that outlive the settings dialog's window — MIDI output
// device, instrument line, neck orientation — and the step that puts them into
// effect. One set for the whole run; not saved (the configuration is).
#include <memory>

// What the settings dialog offers while its window exists: showing an
// orientation on its radio buttons.
class SeletorOrientacao {
public:
    virtual ~SeletorOrientacao() = default;
    virtual void selecionarOrientacao(int orientacao) = 0;
};

class ConfiguracoesMantidas {
public:
    static constexpr int kSemLinha = -1;

    static ConfiguracoesMantidas* getInstancia();
    // Tests start from fresh values; nullptr drops the instance again.
    static void substituirInstancia(std::unique_ptr<ConfiguracoesMantidas> nova);

    // Opens the stored device, gives channel 1 the current instrument's sound
    // and, once the settings dialog exists, shows the orientation there and
    // writes it into the configuration. Errors of the device or the program
    // end the step silently; missing MIDI components (FatalException) are not
    // such an error and go on to the caller.
    void aplicar();
    // Stores the three values, then applies them.
    void definirValores(int dispositivo, int linhaInstrumento, int orientacao);

    int getDispositivo() const { return dispositivo; }
    void setDispositivo(int valor) { dispositivo = valor; }
    int getLinhaInstrumento() const { return linhaInstrumento; }
    void setLinhaInstrumento(int valor) { linhaInstrumento = valor; }
    int getOrientacao() const { return orientacao; }
    void setOrientacao(int valor) { orientacao = valor; }

    // The settings dialog registers itself when created and withdraws
    // (nullptr) when destroyed.
    void registrarSeletor(SeletorOrientacao* seletor) { this->seletor = seletor; }

private:
    int dispositivo = 0;
    int linhaInstrumento = kSemLinha;
    int orientacao = 2;
    SeletorOrientacao* seletor = nullptr;
};
