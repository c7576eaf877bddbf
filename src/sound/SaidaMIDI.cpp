#include "sound/SaidaMIDI.h"

#include <utility>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "sound/ListaDispositivosMIDI.h"
#include "sound/PortasMIDISistema.h"
#include "sound/SintetizadorEmbutido.h"

namespace {

constexpr int kNotaLigada = 0x90;
constexpr int kControle = 0xB0;
constexpr int kMudancaPrograma = 0xC0;
constexpr int kControleBanco = 0;
constexpr int kControleVolume = 7;
constexpr int kMaiorDado = 127;

// Never destroyed: at exit the port is left to the operating system rather
// than stopping an audio thread while the program's statics go away.
SaidaMIDI*& instancia() {
    static SaidaMIDI* unica = nullptr;
    return unica;
}

bool canalValido(int canal) { return canal >= 0 && canal < SaidaMIDI::kCanais; }
bool dadoValido(int valor) { return valor >= 0 && valor <= kMaiorDado; }

OutOfBoundsException erroCanal(int canal, const char* fim, const char* metodo) {
    const std::string texto = GerenciadorIdiomas::getInstancia()->getTexto("exception", "canalInvalido");
    return OutOfBoundsException(texto + std::to_string(canal) + fim, canal, "SaidaMIDI", metodo);
}

}  // namespace

SaidaMIDI::SaidaMIDI() : SaidaMIDI(criarDispositivosSistema()) {}

SaidaMIDI::SaidaMIDI(std::unique_ptr<DispositivoMIDI> dispositivos) : porta(std::move(dispositivos)) {
    try {
        if (!porta) throw FatalException("Elemento \xE9 NULL", "SaidaMIDI", "SaidaMIDI()");
        const int numero = porta->numeroDispositivos();
        // The index ends as the last device tried, whether or not it opened.
        dispositivo = -1;
        aberta = porta->abrir(dispositivo);
        for (int id = 0; !aberta && id < numero; ++id) {
            dispositivo = id;
            aberta = porta->abrir(id);
        }
    } catch (...) {
        throw FatalException(GerenciadorIdiomas::getInstancia()->getTexto("exception", "componentesMIDI"),
                             "SaidaMIDI", "SaidaMIDI()");
    }
    volumeMestre = kVolumeMestre;
    for (int canal = 0; canal < kCanais; ++canal) {
        programas[static_cast<size_t>(canal)] = 0;
        volumes[static_cast<size_t>(canal)] = 127;
        setInstrumento(canal, 0);
        setVolumeCanal(canal, 127);
    }
}

SaidaMIDI::~SaidaMIDI() {
    try {
        fechar();
    } catch (...) {
        // Nothing is left to tell at the end.
    }
}

SaidaMIDI* SaidaMIDI::getInstancia() {
    auto& unica = instancia();
    if (unica == nullptr) unica = new SaidaMIDI();
    return unica;
}

void SaidaMIDI::substituirInstancia(std::unique_ptr<SaidaMIDI> nova) {
    delete instancia();
    instancia() = nova.release();
}

void SaidaMIDI::abrir(int indice) { aberta = porta->abrir(indice); }

void SaidaMIDI::fechar() {
    if (!aberta) return;
    porta->reiniciar();
    porta->fechar();
    aberta = false;
}

void SaidaMIDI::setDispositivo(int indice) {
    dispositivo = indice;
    fechar();
    abrir(indice);
}

std::vector<std::string> SaidaMIDI::getDispositivos() { return nomesDispositivos(*porta); }

void SaidaMIDI::enviar(int status, int dado1, int dado2) {
    if (!aberta) return;
    porta->enviar({static_cast<uint8_t>(status), static_cast<uint8_t>(dado1), static_cast<uint8_t>(dado2)});
}

void SaidaMIDI::setInstrumento(int canal, int programa) {
    if (programa == kSemMudanca) return;
    if (!canalValido(canal)) throw erroCanal(canal, "'!", "setInstrumento(int, int)");
    // A program byte above 127 would reach the device as a status byte and
    // derail every message after it: such a program changes nothing.
    if (!dadoValido(programa)) return;
    programas[static_cast<size_t>(canal)] = programa;
    enviar(kControle + canal, kControleBanco, 0);
    enviar(kMudancaPrograma + canal, programa, 0);
}

void SaidaMIDI::setVolumeCanal(int canal, int volume) {
    if (volume > kMaiorDado) return;
    if (!canalValido(canal)) throw erroCanal(canal, "'", "setVolumeCanal(int , int)");
    volumes[static_cast<size_t>(canal)] = volume;
    // -1 is the way to mute; any other negative volume mutes too rather than
    // sending a byte that is not a data byte.
    const int valor = volume < 0 ? 0 : volume * volumeMestre / 100;
    enviar(kControle + canal, kControleVolume, valor);
}

void SaidaMIDI::tocarNota(int canal, int velocidade, int nota) {
    // Out of range, the bytes would form a different message (0x90 + 16 is
    // an aftertouch): such a note is dropped like a note to a closed port.
    if (!canalValido(canal) || !dadoValido(velocidade) || !dadoValido(nota)) return;
    enviar(kNotaLigada + canal, nota, velocidade);
}

void SaidaMIDI::pararNota(int canal, int nota) { tocarNota(canal, 0, nota); }

void SaidaMIDI::silenciar() {
    if (aberta) porta->reiniciar();
}

std::vector<std::string> nomesDispositivos(DispositivoMIDI& dispositivos) {
    std::vector<std::string> nomes;
    const int numero = dispositivos.numeroDispositivos();
    for (int id = 0; id < numero; ++id) {
        // A device whose name cannot be read keeps its line: the settings
        // take a line of this list as the device index, so leaving one out
        // would open the device after the one chosen.
        auto nome = dispositivos.nomeDispositivo(id);
        nomes.push_back(nome ? std::move(*nome) : "MIDI " + std::to_string(id));
    }
    return nomes;
}

std::unique_ptr<DispositivoMIDI> criarDispositivosSistema() {
    std::vector<std::unique_ptr<DispositivoMIDI>> membros;
    membros.push_back(std::make_unique<SintetizadorEmbutido>());
    membros.push_back(std::make_unique<PortasMIDISistema>());
    return std::make_unique<ListaDispositivosMIDI>(std::move(membros));
}
