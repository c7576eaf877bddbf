// Loading the program's language files and looking texts and pictures up.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Idioma.h"
#include "core/base/PlataformaHeadless.h"

namespace {

const std::string kDiretorio = BRELVIO_APP_DIR;

std::string conteudo(const std::string& base) {
    PlataformaHeadless plataforma(kDiretorio);
    return plataforma.lerArquivo(plataforma.diretorioPrograma() + base + ".idm");
}

// Every (section, key) of the file, as a program run would ask for them.
std::vector<std::pair<std::string, std::string>> todasAsChaves(const std::string& texto) {
    std::vector<std::pair<std::string, std::string>> chaves;
    std::string secao;
    size_t inicio = 0;
    while (inicio < texto.size()) {
        size_t fim = texto.find('\n', inicio);
        if (fim == std::string::npos) fim = texto.size();
        std::string linha = texto.substr(inicio, fim - inicio);
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        inicio = fim + 1;
        if (linha.empty()) continue;
        if (linha.front() == '[') {
            secao = linha.substr(1, linha.size() - 2);
        } else if (const size_t igual = linha.find('='); igual != std::string::npos) {
            chaves.emplace_back(secao, linha.substr(0, igual));
        }
    }
    return chaves;
}

void BM_CarregarIdioma(benchmark::State& state, const char* base) {
    const std::string texto = conteudo(base);
    for (auto _ : state) {
        Idioma idioma(texto, "");
        benchmark::DoNotOptimize(idioma);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * texto.size()));
}
BENCHMARK_CAPTURE(BM_CarregarIdioma, english, "english");
BENCHMARK_CAPTURE(BM_CarregarIdioma, portugues, "portugues");

void BM_ProcurarTodasAsChaves(benchmark::State& state, const char* base) {
    const std::string texto = conteudo(base);
    const Idioma idioma(texto, "");
    const auto chaves = todasAsChaves(texto);
    for (auto _ : state) {
        for (const auto& [secao, chave] : chaves) benchmark::DoNotOptimize(idioma.getTexto(secao, chave));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * chaves.size()));
    state.counters["chaves"] = static_cast<double>(chaves.size());
}
BENCHMARK_CAPTURE(BM_ProcurarTodasAsChaves, english, "english");
BENCHMARK_CAPTURE(BM_ProcurarTodasAsChaves, portugues, "portugues");

// What start-up pays: listing and reading the headers of every language
// file, then loading the configured one.
void BM_IniciarGerenciador(benchmark::State& state) {
    for (auto _ : state) {
        PlataformaHeadless plataforma(kDiretorio);
        GerenciadorIdiomas idiomas(plataforma);
        benchmark::DoNotOptimize(idiomas.iniciar("English"));
    }
}
BENCHMARK(BM_IniciarGerenciador);

void BM_ImagemDaBarraSuperior(benchmark::State& state) {
    PlataformaHeadless plataforma(kDiretorio);
    GerenciadorIdiomas idiomas(plataforma);
    idiomas.iniciar("English");
    for (auto _ : state) {
        auto imagem = idiomas.getImagem("fmPrincipal", "imgBarraSuperior");
        if (!imagem) state.SkipWithError("no picture");
        benchmark::DoNotOptimize(imagem);
    }
}
BENCHMARK(BM_ImagemDaBarraSuperior);

}  // namespace
