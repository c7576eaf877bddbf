#pragma once
// The one connection to the MIDI output device: every note, program and
// volume the program sends goes through here. Channels are 0..15 (channel 1
// is the second MIDI channel), pitches MIDI note numbers.
//
// Device numbers: -1 is the default, the built-in synthesizer; the device list
// starts with that same synthesizer as device 0, then the system's MIDI output
// ports. A device that does not open leaves the output closed, and every note
// is then dropped without a word until another device is set.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sound/DispositivoMIDI.h"

class SaidaMIDI {
public:
    static constexpr int kCanais = 16;
    // The program that stands for "leave the channel's sound as it is".
    static constexpr int kSemMudanca = 128;
    static constexpr int kVolumeMestre = 100;

    // Over the system's devices (built-in synthesizer, then system ports).
    SaidaMIDI();
    // Opens the first device that accepts (-1, then 0, 1, ...) and gives every
    // channel program 0 and volume 127. A facility that fails while being
    // asked (count, open) is a FatalException "componentesMIDI".
    explicit SaidaMIDI(std::unique_ptr<DispositivoMIDI> dispositivos);
    // Only instances of tests and the command-line tool end: the port is reset and closed.
    ~SaidaMIDI();
    SaidaMIDI(const SaidaMIDI&) = delete;
    SaidaMIDI& operator=(const SaidaMIDI&) = delete;

    // The single instance over the system's devices, created on first use.
    static SaidaMIDI* getInstancia();
    // Tests install an output of their own; nullptr drops it again.
    static void substituirInstancia(std::unique_ptr<SaidaMIDI> nova);

    // Stores the index, closes the open device and opens this one.
    void setDispositivo(int indice);
    int getDispositivo() const { return dispositivo; }
    // Display names in device order, so a line of the list is a device index;
    // a device whose name cannot be read is listed as "MIDI <index>".
    std::vector<std::string> getDispositivos();

    // Bank select 0, then the program change. kSemMudanca does nothing; a
    // channel outside 0..15 is an OutOfBoundsException.
    void setInstrumento(int canal, int programa);
    // Channel volume scaled by the master volume; -1 mutes; 128 or more does
    // nothing; a channel outside 0..15 is an OutOfBoundsException.
    void setVolumeCanal(int canal, int volume);
    void tocarNota(int canal, int velocidade, int nota);
    // A note on with velocity 0.
    void pararNota(int canal, int nota);
    // Ends every sounding note when the port is open.
    void silenciar();

    bool estaAberta() const { return aberta; }
    int getPrograma(int canal) const { return programas.at(static_cast<size_t>(canal)); }
    int getVolume(int canal) const { return volumes.at(static_cast<size_t>(canal)); }
    int getVolumeMestre() const { return volumeMestre; }

private:
    void abrir(int indice);
    void fechar();
    void enviar(int status, int dado1, int dado2);

    std::unique_ptr<DispositivoMIDI> porta;
    bool aberta = false;
    int dispositivo = -1;
    int volumeMestre = kVolumeMestre;
    std::array<int, kCanais> programas{};
    std::array<int, kCanais> volumes{};
};

// The facility of the running system: the built-in synthesizer playing to the
// default audio output, then the system's MIDI output ports.
std::unique_ptr<DispositivoMIDI> criarDispositivosSistema();

// Display names of a facility's devices in device order, as getDispositivos gives them.
std::vector<std::string> nomesDispositivos(DispositivoMIDI& dispositivos);
