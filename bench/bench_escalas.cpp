// Scale positions: every scale of the delivered English scale file in all
// twelve keys, on the built-in guitar, the built-in cavaquinho and a
// five-string instrument. One iteration lays out the whole file in all keys.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"

namespace {

struct Ambiente {
    Ambiente() : plataforma(std::string(BRELVIO_APP_DIR) + "/", "bench_escalas") {
        Plataforma::definir(&plataforma);
        GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma));
        GerenciadorIdiomas::getInstancia()->iniciar("English");
        auto base = BaseEscalas::doIdiomaAtual(plataforma);
        const int n = base->getNumeroEscalas();
        for (int i = 0; i < n; ++i) escalas.push_back(*base->getEscala(i));
        auto instrumentos = GerenciadorInstrumentos::criar(plataforma);
        violao = std::make_unique<InstrumentoCordas>(*instrumentos->getInstrumento(0));
        cavaquinho = std::make_unique<InstrumentoCordas>(*instrumentos->getInstrumento(1));
    }

    PlataformaHeadless plataforma;
    std::vector<Escala> escalas;
    std::unique_ptr<InstrumentoCordas> violao;
    std::unique_ptr<InstrumentoCordas> cavaquinho;
    InstrumentoCordas cincoCordas{"Five-string", "A D G B E", 5, 12, 4, 24, {45, 50, 55, 59, 64}, false};
};

Ambiente& ambiente() {
    static Ambiente a;
    return a;
}

void todasAsEscalas(benchmark::State& state, const InstrumentoCordas& instrumento) {
    Ambiente& a = ambiente();
    GeradorEscalas gerador;
    int64_t posicoes = 0;
    int64_t impossiveis = 0;
    for (auto _ : state) {
        posicoes = 0;
        impossiveis = 0;
        for (const Escala& escala : a.escalas) {
            for (int32_t tom = 0; tom < 12; ++tom) {
                try {
                    const auto r = gerador.obterPosicoesEscala(escala, tom, instrumento);
                    posicoes += r.size();
                    benchmark::DoNotOptimize(r.getElement(0));
                } catch (const NotFoundException&) {
                    ++impossiveis;
                }
            }
        }
    }
    state.counters["scales"] = static_cast<double>(a.escalas.size());
    state.counters["positions"] = static_cast<double>(posicoes);
    state.counters["impossible"] = static_cast<double>(impossiveis);
    state.counters["layouts/s"] = benchmark::Counter(static_cast<double>(a.escalas.size() * 12),
                                                     benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Violao(benchmark::State& state) { todasAsEscalas(state, *ambiente().violao); }
void BM_Cavaquinho(benchmark::State& state) { todasAsEscalas(state, *ambiente().cavaquinho); }
void BM_CincoCordas(benchmark::State& state) { todasAsEscalas(state, ambiente().cincoCordas); }

// The single heaviest layout of the file on the guitar, for scale.
void BM_ViolaoMaiorDuasOitavasEmDo(benchmark::State& state) {
    GeradorEscalas gerador;
    const Escala maior("Major (two octaves)", {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24});
    for (auto _ : state) benchmark::DoNotOptimize(gerador.obterPosicoesEscala(maior, 0, *ambiente().violao).size());
}

}  // namespace

BENCHMARK(BM_Violao)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cavaquinho)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CincoCordas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViolaoMaiorDuasOitavasEmDo)->Unit(benchmark::kMicrosecond);
