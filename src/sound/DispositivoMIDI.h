#pragma once
// The MIDI facility the output plays through: a numbered set of output
// devices, at most one of them open at a time. Device -1 is the facility's
// default. Everything the rest of the program needs from a synthesizer, a
// system port or a test double is these six operations.
#include <cstdint>
#include <optional>
#include <string>

// One channel message of three bytes (the third is 0 where the message has
// only one data byte).
struct MensagemMIDI {
    uint8_t status = 0;
    uint8_t dado1 = 0;
    uint8_t dado2 = 0;

    bool operator==(const MensagemMIDI&) const = default;
};

class DispositivoMIDI {
public:
    virtual ~DispositivoMIDI() = default;

    virtual int numeroDispositivos() = 0;
    // The display name (Windows-1252), or nothing when it cannot be read.
    virtual std::optional<std::string> nomeDispositivo(int id) = 0;
    // False when the device does not open (absent, busy, out of range); the
    // facility is closed afterwards. Called only while closed.
    virtual bool abrir(int id) = 0;
    // Sounds at once; there is no scheduling. Called only while open.
    virtual void enviar(const MensagemMIDI& mensagem) = 0;
    // Ends every sounding note. Called only while open.
    virtual void reiniciar() = 0;
    // Called only while open.
    virtual void fechar() = 0;
};
