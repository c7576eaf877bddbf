// Chord symbols: reading a typed symbol, writing a chord code back as its
// name, and transposing, over a mix of plain, extended and slash chords in
// both notations.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "IdiomaBench.h"
#include "harmony/InterpreteCifras.h"

namespace {

const std::vector<std::string> kCifras = {
    "C", "Am", "G7", "F7M", "Dm7", "E7(9)", "Bb6", "Ebm7(b5)", "C#m7", "Ab7(#5)", "Gsus4", "D/F#",
    "Am7/G", "C7(9/11)", "F#m7(11)", "Bdim", "Eb7M(9)", "A7(b9/b13)", "Cm6", "G7/B",
};

IdiomaBench& idioma(const char* nome) {
    static IdiomaBench ingles("English");
    // One language at a time: each benchmark loads the one it measures.
    GerenciadorIdiomas::getInstancia()->iniciar(nome);
    return ingles;
}

void BM_InterpretarCifra(benchmark::State& state, const char* nomeIdioma) {
    idioma(nomeIdioma);
    const Especialista& e = *Especialista::getInstancia();
    for (auto _ : state) {
        for (const std::string& c : kCifras) benchmark::DoNotOptimize(e.interpretarCifra(c));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kCifras.size()));
}
BENCHMARK_CAPTURE(BM_InterpretarCifra, international, "English")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_InterpretarCifra, brazilian, "Portugu\xEAs (Brasil)")->Unit(benchmark::kMicrosecond);

void BM_NomeDoCodigo(benchmark::State& state) {
    idioma("English");
    const Especialista& e = *Especialista::getInstancia();
    std::vector<CodigoAcorde> codigos;
    for (const std::string& c : kCifras) codigos.push_back(e.interpretarCifra(c));
    for (auto _ : state) {
        for (const CodigoAcorde codigo : codigos) benchmark::DoNotOptimize(e.getNomeAcorde(codigo));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(codigos.size()));
}
BENCHMARK(BM_NomeDoCodigo)->Unit(benchmark::kMicrosecond);

void BM_TransporCifra(benchmark::State& state) {
    idioma("English");
    const Especialista& e = *Especialista::getInstancia();
    for (auto _ : state) {
        for (const std::string& c : kCifras) benchmark::DoNotOptimize(e.transporCifra(c, 1, kTransporAcima));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kCifras.size()));
}
BENCHMARK(BM_TransporCifra)->Unit(benchmark::kMicrosecond);

}  // namespace
