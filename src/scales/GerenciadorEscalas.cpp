#include "scales/GerenciadorEscalas.h"

#include <utility>

#include "core/FachadaGUI.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "harmony/Rotulos.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"

namespace {

constexpr const char* kClasse = "GerenciadorEscalas";

std::unique_ptr<GerenciadorEscalas>& instanciaUnica() {
    static std::unique_ptr<GerenciadorEscalas> instancia;
    return instancia;
}

}  // namespace

GerenciadorEscalas::GerenciadorEscalas(BaseEscalas* baseDada, GeradorEscalas* geradorDado)
    : baseFixa(baseDada), geradorFixo(geradorDado) {}

GerenciadorEscalas* GerenciadorEscalas::getInstancia() {
    auto& instancia = instanciaUnica();
    if (!instancia) instancia = std::make_unique<GerenciadorEscalas>();
    return instancia.get();
}

void GerenciadorEscalas::substituirInstancia(std::unique_ptr<GerenciadorEscalas> novo) {
    instanciaUnica() = std::move(novo);
}

BaseEscalas& GerenciadorEscalas::base() const { return baseFixa ? *baseFixa : *BaseEscalas::getInstancia(); }

GeradorEscalas& GerenciadorEscalas::gerador() const {
    return geradorFixo ? *geradorFixo : *GeradorEscalas::getInstancia();
}

std::vector<std::string> GerenciadorEscalas::getNomesEscalas() {
    try {
        return base().getNomesEscalas();
    } catch (const FileNotFoundException&) {
        // Asked while the main window is being built: without scales the
        // program cannot go on, so it tells why and ends.
        Plataforma& plataforma = Plataforma::atual();
        plataforma.mostrarMensagem(GerenciadorIdiomas::getInstancia()->getTexto("exception", "baseEscalasNaoEncontrada"),
                                   std::string(), BotoesMensagem::Ok);
        plataforma.pedirEncerramento();
        return {};
    }
}

std::vector<std::string> GerenciadorEscalas::getTons() {
    tons.clear();
    for (int i = 0; i < numeroTonalidades(); ++i) tons.push_back(nomeTonalidade(i));
    return tons;
}

void GerenciadorEscalas::setEscalas(int32_t indice) {
    // A negative index other than "none" is rejected like one past the end:
    // it would otherwise pass as a selection that no scale answers.
    if (indice != -1 && (indice < 0 || indice >= base().getNumeroEscalas())) {
        throw OutOfBoundsException(GerenciadorIdiomas::getInstancia()->getTexto("exception", "indiceInvalido"), indice,
                                   kClasse, "setEscalas(int)");
    }
    if (indice != indiceEscala) posicaoAtual = 0;
    indiceEscala = indice;
    posicoes.clear();
}

void GerenciadorEscalas::selecionarEscala(const std::string& nome) { setEscalas(base().getIndiceEscala(nome)); }

std::unique_ptr<Escala> GerenciadorEscalas::getEscala() {
    if (indiceEscala == -1) return nullptr;
    return base().getEscala(indiceEscala);
}

void GerenciadorEscalas::setPosicaoAtual(int32_t valor) {
    if (valor >= 0 && valor < posicoes.size()) posicaoAtual = valor;
}

int32_t GerenciadorEscalas::proximaPosicao() {
    if (posicaoAtual < 0 || posicaoAtual + 1 >= posicoes.size()) return -1;
    return ++posicaoAtual;
}

int32_t GerenciadorEscalas::posicaoAnterior() {
    // After a re-selection the index is kept while the positions are gone;
    // stepping back then has nowhere to go.
    if (posicaoAtual <= 0 || posicaoAtual - 1 >= posicoes.size()) return -1;
    return --posicaoAtual;
}

EscalaExibicao GerenciadorEscalas::getEscalaExibicao(int32_t valor) {
    if (posicoes.size() > 0) {
        const EscalaExibicao copia = *posicoes.getElement(valor);
        posicaoAtual = valor;
        return copia;
    }
    posicaoAtual = 0;
    gerarPosicoes();
    return *posicoes.getElement(posicaoAtual);
}

bool GerenciadorEscalas::gerarPosicoes() {
    posicoes.clear();
    const std::unique_ptr<Escala> escala = getEscala();
    if (!escala) return false;
    // The key of the main window's key list, not the remembered one.
    const std::string tomSelecionado = FachadaGUI::getInstancia()->getTomSelecionado();
    posicoes = gerador().obterPosicoesEscala(*escala, tomSelecionado);
    return posicoes.size() > 0;
}
