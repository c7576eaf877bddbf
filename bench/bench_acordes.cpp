// The chord database at start-up: loading and parsing every name; then
// selecting every database chord and stepping through all its fingerings, as
// a user pressing "next" to the end would, on the guitar (stored fingerings
// completed with generated ones) and on the cavaquinho (generated only).
#include <benchmark/benchmark.h>

#include <memory>

#include "IdiomaBench.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"

namespace {

IdiomaBench& ambiente() {
    static IdiomaBench a("English", "bench_acordes");
    return a;
}

void BM_CarregarBase(benchmark::State& state) {
    ambiente();
    const std::string caminho = GerenciadorAcordes::caminhoDaBase();
    int64_t acordes = 0;
    for (auto _ : state) {
        GerenciadorAcordes gerenciador(caminho);
        acordes += gerenciador.getNomesAcordes().tamanho();
        benchmark::DoNotOptimize(gerenciador);
    }
    state.counters["chords"] = benchmark::Counter(static_cast<double>(acordes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CarregarBase)->Unit(benchmark::kMillisecond);

// One iteration: a fresh manager (so every chord is generated once), every
// chord selected, every fingering stepped through.
void percorrerTodos(benchmark::State& state, int instrumento) {
    IdiomaBench& a = ambiente();
    GerenciadorInstrumentos::substituirInstancia(GerenciadorInstrumentos::criar(a.plataforma));
    GerenciadorInstrumentos::getInstancia()->setInstrumento(instrumento);
    const std::string caminho = GerenciadorAcordes::caminhoDaBase();
    int64_t posicoes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        GerenciadorAcordes gerenciador(caminho);
        state.ResumeTiming();
        const int total = gerenciador.getNomesAcordes().tamanho();
        for (int i = 0; i < total; ++i) {
            gerenciador.setAcorde(i);
            for (;;) {
                benchmark::DoNotOptimize(gerenciador.getPosicaoAcordeAtual());
                ++posicoes;
                const int antes = gerenciador.getIndicePosicao();
                gerenciador.proximaPosicao();
                if (gerenciador.getIndicePosicao() == antes) break;
            }
        }
    }
    state.counters["fingerings"] =
        benchmark::Counter(static_cast<double>(posicoes), benchmark::Counter::kAvgIterations);
    GerenciadorInstrumentos::substituirInstancia(nullptr);
}

void BM_PercorrerViolao(benchmark::State& state) { percorrerTodos(state, 0); }
void BM_PercorrerCavaquinho(benchmark::State& state) { percorrerTodos(state, 1); }
BENCHMARK(BM_PercorrerViolao)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PercorrerCavaquinho)->Unit(benchmark::kMillisecond);

}  // namespace
