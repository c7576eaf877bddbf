// Sound: a strum sent through the MIDI output to the recording device (the
// cost of the output itself), opening the built-in synthesizer with its
// SoundFont, and rendering one second of a sounding chord into a WAV file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"
#include "sound/GravadorMIDI.h"
#include "sound/Reproducao.h"
#include "sound/SaidaMIDI.h"
#include "sound/SintetizadorEmbutido.h"

namespace {

const std::vector<int32_t> kMiMaior = {40, 47, 52, 56, 59, 64};

struct Ambiente {
    Ambiente() : plataforma(std::string(BRELVIO_APP_DIR) + "/", "bench_som") {
        Plataforma::definir(&plataforma);
        GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma));
        GerenciadorIdiomas::getInstancia()->iniciar("English");
    }
    PlataformaHeadless plataforma;
};

Ambiente& ambiente() {
    static Ambiente a;
    return a;
}

std::string arquivoTemporario() { return "/tmp/bench_som_" + std::to_string(::getpid()) + ".wav"; }

void BM_AcordeNoGravador(benchmark::State& estado) {
    ambiente();
    auto gravador = std::make_unique<GravadorMIDI>(1);
    GravadorMIDI* g = gravador.get();
    SaidaMIDI saida(std::move(gravador));
    int64_t vezes = 0;
    for (auto _ : estado) {
        g->limpar();
        reproducao::tocarAcorde(saida, kMiMaior);
        benchmark::DoNotOptimize(g->eventos().data());
        // The headless platform keeps every wait; a bounded list keeps memory flat.
        if (++vezes % 4096 == 0) ambiente().plataforma.limparRegistro();
    }
    ambiente().plataforma.limparRegistro();
}
BENCHMARK(BM_AcordeNoGravador);

void BM_AbrirSintetizadorWav(benchmark::State& estado) {
    ambiente();
    const std::string arquivo = arquivoTemporario();
    for (auto _ : estado) {
        SintetizadorEmbutido s(arquivo);
        if (!s.abrir(-1)) estado.SkipWithError("the synthesizer did not open (no SoundFont?)");
        s.fechar();
    }
    std::remove(arquivo.c_str());
}
BENCHMARK(BM_AbrirSintetizadorWav)->Unit(benchmark::kMillisecond);

// Six strings sounding with reverb and chorus: one iteration is one second of
// 44.1 kHz stereo audio computed and written.
void BM_UmSegundoDeAudio(benchmark::State& estado) {
    Ambiente& a = ambiente();
    const std::string arquivo = arquivoTemporario();
    {
        SaidaMIDI saida(std::make_unique<SintetizadorEmbutido>(arquivo));
        if (!saida.estaAberta()) {
            estado.SkipWithError("the synthesizer did not open (no SoundFont?)");
            return;
        }
        saida.setInstrumento(reproducao::kCanal, 24);
        for (auto _ : estado) {
            for (const int32_t n : kMiMaior) saida.tocarNota(reproducao::kCanal, reproducao::kVelocidade, n);
            a.plataforma.esperar(1000);
            // The second is rendered when the next event arrives.
            saida.silenciar();
        }
        estado.SetItemsProcessed(estado.iterations() * SintetizadorEmbutido::kTaxaWav);
    }
    std::remove(arquivo.c_str());
    a.plataforma.limparRegistro();
}
BENCHMARK(BM_UmSegundoDeAudio)->Unit(benchmark::kMillisecond);

}  // namespace
