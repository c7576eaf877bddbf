#pragma once
// A MIDI facility that writes down what passes through it to another one:
// one line per event, the platform clock's time first, e.g.
//   "160 ms: 91 2F 7F"      a message, its bytes in hexadecimal
//   "960 ms: reset"         every sounding note ended
//   "0 ms: open -1"         a device opened ("open 3 failed" when it did not)
//   "1960 ms: close"
#include <iosfwd>
#include <memory>

#include "sound/DispositivoMIDI.h"

class RegistroMIDI : public DispositivoMIDI {
public:
    RegistroMIDI(std::unique_ptr<DispositivoMIDI> real, std::ostream& destino);

    int numeroDispositivos() override { return real->numeroDispositivos(); }
    std::optional<std::string> nomeDispositivo(int id) override { return real->nomeDispositivo(id); }
    bool abrir(int id) override;
    void enviar(const MensagemMIDI& mensagem) override;
    void reiniciar() override;
    void fechar() override;

private:
    std::ostream& linha();

    std::unique_ptr<DispositivoMIDI> real;
    std::ostream& destino;
};
