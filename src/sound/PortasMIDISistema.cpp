#include "sound/PortasMIDISistema.h"

#include <sys/stat.h>

#include <RtMidi.h>

#include <vector>

#include "core/base/Texto1252.h"

namespace {

constexpr unsigned char kControle = 0xB0;
constexpr unsigned char kTodasNotasDesligadas = 123;

// Errors after creation arrive here instead of as exceptions, so every call
// can tell whether it worked.
void anotarErro(RtMidiError::Type tipo, const std::string&, void* dados) {
    if (tipo != RtMidiError::WARNING && tipo != RtMidiError::DEBUG_WARNING) *static_cast<bool*>(dados) = true;
}

RtMidi::Api interfaceDoSistema() {
    std::vector<RtMidi::Api> compiladas;
    RtMidi::getCompiledApi(compiladas);
    for (const auto api : compiladas) {
        // The sequencer is where Linux keeps its MIDI ports; JACK would try
        // to reach a server and report on stderr when there is none.
        if (api == RtMidi::LINUX_ALSA) return api;
    }
    return RtMidi::UNSPECIFIED;
}

// Port names are UTF-8; the program's texts are Windows-1252.
std::string nome1252(const std::string& utf8) {
    if (auto convertido = texto1252::deUtf8(utf8)) return *convertido;
    std::string ascii;
    for (const char c : utf8) ascii += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return ascii;
}

}  // namespace

PortasMIDISistema::PortasMIDISistema() {
    const RtMidi::Api api = interfaceDoSistema();
    if (api == RtMidi::LINUX_ALSA) {
        // Without the sequencer device alsa-lib would print its failure
        // before RtMidi throws; there is nothing to list anyway.
        struct stat st {};
        if (::stat("/dev/snd/seq", &st) != 0) return;
    }
    try {
        saida = std::make_unique<RtMidiOut>(api, "Brelvio");
        saida->setErrorCallback(anotarErro, &erroNaChamada);
    } catch (const RtMidiError&) {
        saida.reset();
    }
}

PortasMIDISistema::~PortasMIDISistema() = default;

int PortasMIDISistema::numeroDispositivos() {
    if (!saida) return 0;
    erroNaChamada = false;
    const unsigned int n = saida->getPortCount();
    return erroNaChamada ? 0 : static_cast<int>(n);
}

std::optional<std::string> PortasMIDISistema::nomeDispositivo(int id) {
    if (!saida || id < 0) return std::nullopt;
    erroNaChamada = false;
    const std::string nome = saida->getPortName(static_cast<unsigned int>(id));
    if (erroNaChamada || nome.empty()) return std::nullopt;
    return nome1252(nome);
}

bool PortasMIDISistema::abrir(int id) {
    if (!saida) return false;
    if (id == -1) id = 0;
    if (id < 0 || id >= numeroDispositivos()) return false;
    erroNaChamada = false;
    try {
        saida->openPort(static_cast<unsigned int>(id), "Brelvio");
    } catch (const RtMidiError&) {
        return false;
    }
    if (erroNaChamada || !saida->isPortOpen()) {
        saida->closePort();
        return false;
    }
    return true;
}

void PortasMIDISistema::enviar(const MensagemMIDI& mensagem) {
    if (!saida) return;
    const unsigned char bytes[3] = {mensagem.status, mensagem.dado1, mensagem.dado2};
    // Program changes have one data byte; a receiver may take a third byte
    // for the start of a running-status message.
    const size_t tamanho = (mensagem.status & 0xF0) == 0xC0 ? 2 : 3;
    try {
        saida->sendMessage(bytes, tamanho);
    } catch (const RtMidiError&) {
        // A port that went away drops its notes, like a closed one.
    }
}

void PortasMIDISistema::reiniciar() {
    for (unsigned char canal = 0; canal < 16; ++canal) enviar({static_cast<uint8_t>(kControle + canal), kTodasNotasDesligadas, 0});
}

void PortasMIDISistema::fechar() {
    if (saida) saida->closePort();
}
