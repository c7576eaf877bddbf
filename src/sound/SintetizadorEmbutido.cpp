#include "sound/SintetizadorEmbutido.h"

#include <fluidsynth.h>

#ifdef __linux__
#include <dlfcn.h>
#endif

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <utility>
#include <vector>

#include "core/base/Plataforma.h"

namespace fs = std::filesystem;

struct SintetizadorEmbutido::Fluid {
    fluid_settings_t* ajustes = nullptr;
    fluid_synth_t* sintetizador = nullptr;
    fluid_audio_driver_t* saidaAudio = nullptr;
    fluid_file_renderer_t* renderizador = nullptr;
};

namespace {

// The usual rate of sound servers and of most sound cards.
constexpr int kTaxaPreferida = 48000;
// Loud enough for a strum of six strings at full velocity without clipping.
constexpr double kGanho = 0.5;

// The sample rate an audio driver settled on when it could not give the one
// asked for; FluidSynth only says so in its log.
std::atomic<unsigned> taxaDoDriver{0};

// The program keeps no log; of FluidSynth's messages only the rate a driver
// settled on is of use.
void registroFluid(int, const char* mensagem, void*) {
    unsigned pedida = 0;
    unsigned obtida = 0;
    if (std::sscanf(mensagem, "Requested sample rate of %u, got %u instead", &pedida, &obtida) == 2) {
        taxaDoDriver = obtida;
    }
}

#ifdef __linux__
// alsa-lib prints its own failures on stderr (a machine without a sound card
// prints a dozen lines per attempt). It is loaded whenever FluidSynth can use
// it, so its error hook is looked up at run time instead of linking to it.
void alsaCalada(const char*, int, const char*, int, const char*, ...) {}

void calarAlsa() {
    using Tratador = void (*)(const char*, int, const char*, int, const char*, ...);
    using DefinirTratador = int (*)(Tratador);
    if (void* f = ::dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler")) {
        reinterpret_cast<DefinirTratador>(f)(alsaCalada);
    }
}
#else
void calarAlsa() {}
#endif

void calarFluid() {
    static std::once_flag uma;
    std::call_once(uma, [] {
        for (int nivel = 0; nivel < LAST_LOG_LEVEL; ++nivel) fluid_set_log_function(nivel, registroFluid, nullptr);
        calarAlsa();
    });
}

// Sound servers first, then the sound card, then whatever else this build of
// FluidSynth knows. "file" is left out: it would write a file in the
// working directory instead of sounding.
std::vector<std::string> ordemDrivers(fluid_settings_t* ajustes) {
    std::vector<std::string> conhecidos;
    fluid_settings_foreach_option(ajustes, "audio.driver", &conhecidos, [](void* dados, const char*, const char* opcao) {
        static_cast<std::vector<std::string>*>(dados)->push_back(opcao);
    });
    std::vector<std::string> ordem;
    for (const char* preferido : {"pulseaudio", "pipewire", "alsa"}) {
        if (std::find(conhecidos.begin(), conhecidos.end(), preferido) != conhecidos.end()) ordem.push_back(preferido);
    }
    for (const auto& d : conhecidos) {
        if (d != "file" && std::find(ordem.begin(), ordem.end(), d) == ordem.end()) ordem.push_back(d);
    }
    return ordem;
}

bool ehSoundFont(const fs::path& caminho) {
    std::error_code erro;
    return fs::is_regular_file(caminho, erro) && fluid_is_soundfont(caminho.c_str());
}

std::vector<fs::path> pastasSoundFont() {
    std::vector<fs::path> pastas = {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3", "/usr/share/soundfonts",
                                    "/usr/local/share/soundfonts", "/usr/local/share/sounds/sf2"};
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        pastas.emplace_back(fs::path(xdg) / "soundfonts");
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        pastas.emplace_back(fs::path(home) / ".local/share/soundfonts");
    }
    return pastas;
}

}  // namespace

SintetizadorEmbutido::SintetizadorEmbutido(std::string arquivoWav, std::string soundFont)
    : arquivoWav(std::move(arquivoWav)), soundFontDado(std::move(soundFont)), fluid(std::make_unique<Fluid>()) {
    calarFluid();
}

SintetizadorEmbutido::~SintetizadorEmbutido() { fechar(); }

std::optional<std::string> SintetizadorEmbutido::procurarSoundFont() {
    calarFluid();
    for (const char* padrao : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3"}) {
        if (ehSoundFont(padrao)) return std::string(padrao);
    }
    for (const auto& pasta : pastasSoundFont()) {
        std::error_code erro;
        std::vector<fs::path> achados;
        for (fs::directory_iterator it(pasta, erro), fim; !erro && it != fim; it.increment(erro)) {
            std::string extensao = it->path().extension().string();
            std::transform(extensao.begin(), extensao.end(), extensao.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if ((extensao == ".sf2" || extensao == ".sf3") && ehSoundFont(it->path())) achados.push_back(it->path());
        }
        if (!achados.empty()) return std::min_element(achados.begin(), achados.end())->string();
    }
    return std::nullopt;
}

std::optional<std::string> SintetizadorEmbutido::nomeDispositivo(int id) {
    if (id != -1 && id != 0) return std::nullopt;
    return arquivoWav.empty() ? "Built-in synthesizer" : "Built-in synthesizer (WAV file)";
}

bool SintetizadorEmbutido::criarSintetizador(int taxaAmostragem, const std::string& driverAudio) {
    Fluid& f = *fluid;
    f.ajustes = new_fluid_settings();
    if (f.ajustes == nullptr) return false;
    fluid_settings_setnum(f.ajustes, "synth.sample-rate", taxaAmostragem);
    fluid_settings_setnum(f.ajustes, "synth.gain", kGanho);
    // Samples are read when a program first needs them: opening takes a
    // tenth of a second instead of reading the whole SoundFont.
    fluid_settings_setint(f.ajustes, "synth.dynamic-sample-loading", 1);
    if (!driverAudio.empty()) fluid_settings_setstr(f.ajustes, "audio.driver", driverAudio.c_str());
    f.sintetizador = new_fluid_synth(f.ajustes);
    taxa = taxaAmostragem;
    return f.sintetizador != nullptr;
}

bool SintetizadorEmbutido::abrir(int id) {
    if (id != -1 && id != 0) return false;
    const std::string soundFont = soundFontDado.empty() ? procurarSoundFont().value_or("") : soundFontDado;
    // Asked first: loading a file that is not a SoundFont goes through
    // loaders that complain on stderr.
    if (soundFont.empty() || !ehSoundFont(soundFont)) return false;
    const bool aberto = arquivoWav.empty() ? abrirSaidaAudio() : abrirArquivo();
    if (!aberto) {
        destruir();
        return false;
    }
    if (fluid_synth_sfload(fluid->sintetizador, soundFont.c_str(), 1) == FLUID_FAILED) {
        destruir();
        return false;
    }
    if (!arquivoWav.empty()) {
        // The file is created only once a SoundFont is there to fill it.
        fluid->renderizador = new_fluid_file_renderer(fluid->sintetizador);
        if (fluid->renderizador == nullptr) {
            destruir();
            return false;
        }
        fluid_settings_getint(fluid->ajustes, "audio.period-size", &quadrosPorBloco);
        inicio = Plataforma::atual().agoraMilissegundos();
        quadros = 0;
    }
    return true;
}

bool SintetizadorEmbutido::abrirSaidaAudio() {
    // The audio output is tried before the SoundFont is read, so a machine
    // without sound gives up at once.
    fluid_settings_t* consulta = new_fluid_settings();
    if (consulta == nullptr) return false;
    const std::vector<std::string> drivers = ordemDrivers(consulta);
    delete_fluid_settings(consulta);

    for (const auto& nome : drivers) {
        int pedida = kTaxaPreferida;
        // A second try at the rate the driver settled on, so notes stay in tune.
        for (int tentativa = 0; tentativa < 2; ++tentativa) {
            if (!criarSintetizador(pedida, nome)) return false;
            taxaDoDriver = 0;
            fluid->saidaAudio = new_fluid_audio_driver(fluid->ajustes, fluid->sintetizador);
            const unsigned obtida = taxaDoDriver.exchange(0);
            if (fluid->saidaAudio == nullptr) {
                destruir();
                break;
            }
            if (obtida == 0 || static_cast<int>(obtida) == pedida || tentativa == 1) {
                driver = nome;
                return true;
            }
            destruir();
            pedida = static_cast<int>(obtida);
        }
    }
    return false;
}

bool SintetizadorEmbutido::abrirArquivo() {
    if (!criarSintetizador(kTaxaWav, "")) return false;
    fluid_settings_setstr(fluid->ajustes, "audio.file.name", arquivoWav.c_str());
    fluid_settings_setstr(fluid->ajustes, "audio.file.type", "wav");
    fluid_settings_setstr(fluid->ajustes, "audio.file.format", "s16");
    driver = "wav";
    return true;
}

void SintetizadorEmbutido::renderizarAte(int64_t milissegundosExtras) {
    if (fluid->renderizador == nullptr || quadrosPorBloco <= 0) return;
    const int64_t decorrido = Plataforma::atual().agoraMilissegundos() - inicio + milissegundosExtras;
    const int64_t alvo = decorrido * taxa / 1000;
    while (quadros + quadrosPorBloco <= alvo) {
        if (fluid_file_renderer_process_block(fluid->renderizador) != FLUID_OK) return;
        quadros += quadrosPorBloco;
    }
}

void SintetizadorEmbutido::enviar(const MensagemMIDI& m) {
    fluid_synth_t* s = fluid->sintetizador;
    if (s == nullptr) return;
    renderizarAte();
    const int canal = m.status & 0x0F;
    switch (m.status & 0xF0) {
        case 0x80: fluid_synth_noteoff(s, canal, m.dado1); break;
        // Velocity 0 is a note off for FluidSynth too.
        case 0x90: fluid_synth_noteon(s, canal, m.dado1, m.dado2); break;
        case 0xB0: fluid_synth_cc(s, canal, m.dado1, m.dado2); break;
        case 0xC0: fluid_synth_program_change(s, canal, m.dado1); break;
        case 0xE0: fluid_synth_pitch_bend(s, canal, m.dado1 | (m.dado2 << 7)); break;
        default: break;
    }
}

void SintetizadorEmbutido::reiniciar() {
    if (fluid->sintetizador == nullptr) return;
    renderizarAte();
    fluid_synth_all_notes_off(fluid->sintetizador, -1);
}

void SintetizadorEmbutido::fechar() {
    if (fluid->renderizador) renderizarAte(kCaudaWavMilissegundos);
    destruir();
}

void SintetizadorEmbutido::destruir() {
    Fluid& f = *fluid;
    // The driver pulls audio from the synthesizer and the renderer writes
    // its file header when deleted: both go before the synthesizer.
    if (f.saidaAudio) delete_fluid_audio_driver(f.saidaAudio);
    if (f.renderizador) delete_fluid_file_renderer(f.renderizador);
    if (f.sintetizador) delete_fluid_synth(f.sintetizador);
    if (f.ajustes) delete_fluid_settings(f.ajustes);
    f = Fluid{};
    driver.clear();
}
