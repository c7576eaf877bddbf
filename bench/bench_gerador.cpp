// Fingering generation: every fingering of a set of chords (triads, sevenths,
// extended and slash chords) on the built-in guitar, the built-in cavaquinho
// and a five-string instrument; and finger assignment alone. One iteration of
// the generation benchmarks runs the whole chord set.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"
#include "harmony/InterpreteCifras.h"
#include "instruments/Fingering.h"
#include "instruments/GeradorInstrumentoCordas.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

const char* const kCifras[] = {
    // triads
    "C", "Am", "G", "F#m", "Bb", "Ebm", "C5", "Csus4", "Bdim", "Caug",
    // sevenths
    "C7", "Am7", "G7M", "Dm7(b5)", "E7", "Bbm7M", "Ab7", "F#dim7",
    // extended
    "C7(9)", "Am7(9)", "G7(13)", "D7(#9)", "F7M(#11)", "Bb6(9)", "E7(b9)", "Cm7(11)", "A7(b13)",
    // slash
    "C/E", "Am/G", "D/F#", "G/B", "F7M/A", "Am7/G", "C7/Bb",
};

struct Ambiente {
    Ambiente() : plataforma(std::string(BRELVIO_APP_DIR) + "/", "bench_gerador") {
        Plataforma::definir(&plataforma);
        GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma));
        GerenciadorIdiomas::getInstancia()->iniciar("English");
        for (const char* cifra : kCifras) codigos.push_back(Especialista::getInstancia()->interpretarCifra(cifra));
    }

    PlataformaHeadless plataforma;
    std::vector<CodigoAcorde> codigos;
    InstrumentoCordas violao{"Guitar", "", 6, 12, 3, 25, {40, 45, 50, 55, 59, 64}, true};
    InstrumentoCordas cavaquinho{"Cavaquinho", "", 4, 12, 4, 24, {50, 55, 59, 64}, false};
    InstrumentoCordas cincoCordas{"Five-string", "B E G# B E", 5, 12, 4, 25, {47, 52, 56, 59, 64}, false};
};

Ambiente& ambiente() {
    static Ambiente a;
    return a;
}

void gerarTodos(benchmark::State& state, const InstrumentoCordas& instrumento) {
    const Ambiente& a = ambiente();
    GeradorInstrumentoCordas gerador(instrumento);
    int64_t posicoes = 0;
    for (auto _ : state) {
        for (const CodigoAcorde c : a.codigos) {
            const auto lista = gerador.gerar(c);
            posicoes += lista.size();
            benchmark::DoNotOptimize(lista);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(a.codigos.size()));
    state.counters["chords"] = static_cast<double>(a.codigos.size());
    state.counters["fingerings/set"] = static_cast<double>(posicoes) / static_cast<double>(state.iterations());
}

void BM_GerarViolao(benchmark::State& state) { gerarTodos(state, ambiente().violao); }
void BM_GerarCavaquinho(benchmark::State& state) { gerarTodos(state, ambiente().cavaquinho); }
void BM_GerarCincoCordas(benchmark::State& state) { gerarTodos(state, ambiente().cincoCordas); }

// The enumeration and the rules only, without finger assignment or positions.
void BM_CandidatosViolao(benchmark::State& state) {
    const Ambiente& a = ambiente();
    GeradorInstrumentoCordas gerador(a.violao);
    std::vector<TonsAcorde> tons;
    for (const CodigoAcorde c : a.codigos) tons.push_back(GeradorInstrumentoCordas::tonsDoCodigo(c));
    for (auto _ : state) {
        for (const auto& t : tons) benchmark::DoNotOptimize(gerador.candidatosAceitos(t));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(tons.size()));
}

// Finger assignment of every fret pattern the guitar's chord set yields.
void BM_Fingering(benchmark::State& state) {
    const Ambiente& a = ambiente();
    GeradorInstrumentoCordas gerador(a.violao);
    std::vector<std::vector<int32_t>> padroes;
    for (const CodigoAcorde c : a.codigos) {
        for (auto& casas : gerador.candidatosAceitos(GeradorInstrumentoCordas::tonsDoCodigo(c))) {
            padroes.push_back(std::move(casas));
        }
    }
    for (auto _ : state) {
        for (const auto& casas : padroes) {
            const Fingering f(casas, 12);
            benchmark::DoNotOptimize(f.getAtribuicoes().data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(padroes.size()));
    state.counters["patterns"] = static_cast<double>(padroes.size());
}

}  // namespace

BENCHMARK(BM_GerarViolao)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GerarCavaquinho)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GerarCincoCordas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CandidatosViolao)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fingering)->Unit(benchmark::kMicrosecond);
