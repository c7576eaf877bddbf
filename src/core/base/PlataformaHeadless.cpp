#include "core/base/PlataformaHeadless.h"

#include <chrono>
#include <thread>
#include <utility>

PlataformaHeadless::PlataformaHeadless(std::string diretorioPrograma, std::string nomeArquivo)
    : diretorio(std::move(diretorioPrograma)), nomeArquivo(std::move(nomeArquivo)) {
    if (!diretorio.empty() && diretorio.back() != '/') diretorio += '/';
}

RespostaMensagem PlataformaHeadless::mostrarMensagem(const std::string& texto, const std::string& titulo,
                                                     BotoesMensagem botoes) {
    mensagensMostradas.push_back({texto, titulo, botoes});
    if (!respostas.empty()) {
        const RespostaMensagem r = respostas.front();
        respostas.pop_front();
        return r;
    }
    return botoes == BotoesMensagem::SimNao ? RespostaMensagem::Sim : RespostaMensagem::Ok;
}

std::optional<int> PlataformaHeadless::escolherIdioma(const std::vector<std::string>& nomes) {
    listasOferecidas.push_back(nomes);
    if (escolhas.empty()) return std::nullopt;
    const auto e = escolhas.front();
    escolhas.pop_front();
    if (e && (*e < 0 || *e >= static_cast<int>(nomes.size()))) return std::nullopt;
    return e;
}

bool PlataformaHeadless::abrirDocumento(const std::string& caminhoOuEndereco) {
    abertos.push_back(caminhoOuEndereco);
    return !aberturasFalham;
}

void PlataformaHeadless::esperar(int milissegundos) {
    esperasFeitas.push_back(milissegundos);
    if (milissegundos <= 0) return;
    if (esperasReais) std::this_thread::sleep_for(std::chrono::milliseconds(milissegundos));
    relogio += milissegundos;
}

void PlataformaHeadless::limparRegistro() {
    mensagensMostradas.clear();
    listasOferecidas.clear();
    abertos.clear();
    esperasFeitas.clear();
}
