#pragma once
// The system's MIDI output ports (on Linux the ALSA sequencer: hardware
// synthesizers, synthesizer programs). Where the system has no sequencer
// (containers, build machines) there are simply no ports.
#include <memory>
#include <optional>
#include <string>

#include "sound/DispositivoMIDI.h"

class RtMidiOut;

class PortasMIDISistema : public DispositivoMIDI {
public:
    PortasMIDISistema();
    ~PortasMIDISistema() override;

    // Device -1 is the first port.
    int numeroDispositivos() override;
    std::optional<std::string> nomeDispositivo(int id) override;
    bool abrir(int id) override;
    void enviar(const MensagemMIDI& mensagem) override;
    // All notes off on every channel.
    void reiniciar() override;
    void fechar() override;

private:
    std::unique_ptr<RtMidiOut> saida;
    // Set by the library's error report during the call in progress.
    bool erroNaChamada = false;
};
