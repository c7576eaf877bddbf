// Page layout: a chord sheet of 200 lines and 40 chord diagrams with interval
// labels on an A4 page at 300 dpi, drawn on a surface that only counts. One
// iteration lays out and draws the whole document.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"
#include "instruments/InstrumentoCordas.h"
#include "printing/GerenciadorImpressao.h"
#include "printing/Impressora.h"
#include "printing/SuperficieDesenho.h"

namespace {

class SuperficieContada : public SuperficieDesenho {
public:
    void setFonte(const std::string&, int altura) override { this->altura = altura; }
    void setLarguraCaneta(int) override {}
    void escreverTexto(int, int, const std::string& texto) override { desenhos += texto.size(); }
    int larguraTexto(const std::string& texto) override { return static_cast<int>(texto.size()) * altura / 2; }
    int alturaTexto(const std::string&) override { return altura; }
    void linha(int, int, int, int) override { ++desenhos; }
    void retangulo(int, int, int, int) override { ++desenhos; }
    void elipse(int, int, int, int) override { ++desenhos; }

    size_t desenhos = 0;
    int altura = 12;
};

class ImpressoraContada : public Impressora {
public:
    int larguraPagina() const override { return 2480; }
    int alturaPagina() const override { return 3508; }
    void iniciarDocumento() override {}
    void novaPagina() override { ++paginas; }
    void terminarDocumento() override {}
    SuperficieDesenho& superficie() override { return pagina; }

    SuperficieContada pagina;
    int paginas = 1;
};

void BM_PaginasFolhaEDiagramas(benchmark::State& estado) {
    PlataformaHeadless plataforma(std::string(BRELVIO_APP_DIR) + "/", "bench_impressao");
    Plataforma::definir(&plataforma);
    GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma));
    GerenciadorIdiomas::getInstancia()->iniciar("English");

    const InstrumentoCordas violao("Guitar", "", 6, 14, 3, 24, {40, 45, 50, 55, 59, 64}, true);
    const PosicaoHarmonicaInstrumentoCordas acordes[] = {
        {"C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}},
        {"D", {-1, 5, 7, 7, 7, 5}, {0, 1, 3, 3, 3, 1}},
        {"Em7", {0, 2, 0, 0, 3, 0}, {0, 2, 0, 0, 4, 0}},
        {"F#m", {2, 4, 4, 2, 2, 2}, {1, 3, 4, 1, 1, 1}},
    };
    ListaImpressao lista;
    for (int i = 0; i < 40; ++i) lista.addElement(&acordes[i % 4]);
    std::string folha;
    for (int i = 0; i < 100; ++i) folha += "Am       C        G        Em\n\tla la la la la la la la la\n";

    GerenciadorImpressao impressao("Brelvio", "https://www.brelvio.com");
    size_t desenhos = 0;
    for (auto _ : estado) {
        ImpressoraContada impressora;
        impressao.imprimirEm(impressora, GerenciadorImpressao::kTextoEDiagramas, GerenciadorImpressao::kIntervalos,
                             folha, violao, lista);
        desenhos = impressora.pagina.desenhos;
        benchmark::DoNotOptimize(desenhos);
    }
    estado.counters["pages"] = impressao.getNumeroPaginas();
    estado.counters["drawn"] = static_cast<double>(desenhos);
    GerenciadorIdiomas::substituirInstancia(nullptr);
    Plataforma::definir(nullptr);
}
BENCHMARK(BM_PaginasFolhaEDiagramas)->Unit(benchmark::kMicrosecond);

}  // namespace
