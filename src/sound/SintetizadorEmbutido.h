#pragma once
// The synthesizer built into the program (FluidSynth with a General MIDI
// SoundFont), so that a new user hears chords with no set-up. It plays to
// the default audio output or, for the command line and tests, renders into
// a WAV file: then the audio between two messages is as long as the platform
// clock moved, so a fake clock renders a strum without waiting for it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "sound/DispositivoMIDI.h"

class SintetizadorEmbutido : public DispositivoMIDI {
public:
    // Sound after the last event of a WAV file, so the notes' release is heard.
    static constexpr int kCaudaWavMilissegundos = 1000;
    static constexpr int kTaxaWav = 44100;

    // arquivoWav empty: the default audio output. soundFont empty: the one
    // procurarSoundFont finds when the device opens.
    explicit SintetizadorEmbutido(std::string arquivoWav = "", std::string soundFont = "");
    ~SintetizadorEmbutido() override;
    SintetizadorEmbutido(const SintetizadorEmbutido&) = delete;
    SintetizadorEmbutido& operator=(const SintetizadorEmbutido&) = delete;

    // One device; -1 and 0 are both the synthesizer.
    int numeroDispositivos() override { return 1; }
    std::optional<std::string> nomeDispositivo(int id) override;
    // Fails without a SoundFont, without an audio output that opens, or
    // when the WAV file cannot be created.
    bool abrir(int id) override;
    void enviar(const MensagemMIDI& mensagem) override;
    void reiniciar() override;
    // Completes a WAV file (with its tail) or stops the audio output.
    void fechar() override;

    // Debian's default General MIDI SoundFont first, then any SoundFont of
    // the usual folders (by name); nothing when the system has none.
    static std::optional<std::string> procurarSoundFont();

    // The audio driver that opened ("pulseaudio", "alsa", ...; "wav" for a
    // file), empty while closed.
    const std::string& getDriver() const { return driver; }
    int getTaxaAmostragem() const { return taxa; }
    // Frames written to the WAV file so far.
    int64_t getQuadrosRenderizados() const { return quadros; }

private:
    bool criarSintetizador(int taxaAmostragem, const std::string& driverAudio);
    bool abrirSaidaAudio();
    bool abrirArquivo();
    // Renders the WAV file up to the clock's time (plus extra milliseconds).
    void renderizarAte(int64_t milissegundosExtras = 0);
    void destruir();

    std::string arquivoWav;
    std::string soundFontDado;
    std::string driver;
    int taxa = 0;
    int64_t inicio = 0;
    int64_t quadros = 0;
    int quadrosPorBloco = 0;

    // The library's objects, kept out of this header.
    struct Fluid;
    std::unique_ptr<Fluid> fluid;
};
