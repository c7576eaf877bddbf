#include "harmony/GerenciadorAcordes.h"

#include <algorithm>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "harmony/InterpreteCifras.h"
#include "instruments/GeradorInstrumentoCordas.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

const char* const kClasse = "GerenciadorAcordes";

std::unique_ptr<GerenciadorAcordes>& instanciaUnica() {
    static std::unique_ptr<GerenciadorAcordes> unica;
    return unica;
}

std::string texto(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

// The same fingering for the player: same frets, same fingers on the strings
// that sound. The database marks a muted string with finger 6 where the
// generator leaves it without finger; both mean the string is not played.
bool mesmoDedilhado(const PosicaoHarmonica* a, const PosicaoHarmonica* b) {
    if (a->igual(b)) return true;
    const auto* pa = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(a);
    const auto* pb = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(b);
    if (pa == nullptr || pb == nullptr) return false;
    const auto casas = pa->getCasas();
    if (casas != pb->getCasas()) return false;
    const auto dedosA = pa->getDedos();
    const auto dedosB = pb->getDedos();
    for (size_t s = 0; s < casas.size(); ++s) {
        if (casas[s] >= 0 && dedosA[s] != dedosB[s]) return false;
    }
    return true;
}

[[noreturn]] void indiceInvalido(int indice, const char* metodo) {
    throw OutOfBoundsException(texto("exception", "indiceInvalido"), indice, kClasse, metodo);
}

}  // namespace

GerenciadorAcordes::GerenciadorAcordes(const std::string& caminhoBase)
    : acordeAtual(std::make_unique<AcordeComposto>()) {
    try {
        base.carregarBase(caminhoBase);
    } catch (const FileNotFoundException&) {
        Plataforma& plataforma = Plataforma::atual();
        plataforma.mostrarMensagem(texto("exception", "baseAcordesNaoEncontrada"), "", BotoesMensagem::Ok);
        plataforma.pedirEncerramento();
        return;
    }
    // Unreadable names are not caught: the database must hold valid symbols only.
    const Especialista* especialista = Especialista::getInstancia();
    const auto& nomes = base.getNomes();
    codigos.reserve(static_cast<size_t>(nomes.tamanho()));
    for (int i = 0; i < nomes.tamanho(); ++i) {
        codigos.push_back(especialista->interpretarCifra(nomes.get(i)));
        completo.push_back(false);
    }
}

GerenciadorAcordes::~GerenciadorAcordes() = default;

std::string GerenciadorAcordes::caminhoDaBase() {
    return Plataforma::atual().diretorioPrograma() + texto("parametros", "nomeArquivoBaseAcordes");
}

GerenciadorAcordes* GerenciadorAcordes::getInstancia() {
    auto& unica = instanciaUnica();
    if (!unica) unica = std::make_unique<GerenciadorAcordes>(caminhoDaBase());
    return unica.get();
}

void GerenciadorAcordes::substituirInstancia(std::unique_ptr<GerenciadorAcordes> novo) {
    instanciaUnica() = std::move(novo);
}

void GerenciadorAcordes::usarInstrumento(const InstrumentoCordas& instrumento) {
    instrumentoFixo = std::make_unique<InstrumentoCordas>(instrumento);
    geradorFixo = std::make_unique<GeradorInstrumentoCordas>(instrumento);
}

const InstrumentoCordas* GerenciadorAcordes::instrumentoAtual() const {
    if (instrumentoFixo) return instrumentoFixo.get();
    return GerenciadorInstrumentos::getInstancia()->getInstrumentoAtual();
}

GeradorInstrumentoCordas& GerenciadorAcordes::gerador() const {
    return geradorFixo ? *geradorFixo : *GeradorInstrumentoCordas::getInstancia();
}

bool GerenciadorAcordes::regimeBase() const {
    const InstrumentoCordas* instrumento = instrumentoAtual();
    return instrumento != nullptr && instrumento->isUsaBaseAcordes();
}

AcordeComposto* GerenciadorAcordes::acordeBase(int indice) const {
    return base.getAcordeComposto(indice);
}

ColecaoPtr<PosicaoHarmonica>& GerenciadorAcordes::posicoesSelecionadas() {
    return regimeBase() ? acordeBase(indiceAcorde)->getPosicoes() : acordeAtual->getPosicoes();
}

void GerenciadorAcordes::setAcorde(int indice) {
    if (indice < -1 || indice >= static_cast<int>(codigos.size())) indiceInvalido(indice, "setAcorde(int)");
    indiceAcorde = indice;
    indicePosicao = 0;
}

void GerenciadorAcordes::setAcorde(int indice, int posicao) {
    if (indice < -1 || indice >= static_cast<int>(codigos.size())) indiceInvalido(indice, "setAcorde(int, int)");
    indiceAcorde = indice;
    if (regimeBase() && indice >= 0 && posicao >= acordeBase(indice)->getPosicoes().size()) gerarPosicoes();
    const int total = indiceAcorde < 0 ? 0 : posicoesSelecionadas().size();
    if (posicao < 0 || posicao >= total) indiceInvalido(posicao, "setAcorde(int, int)");
    indicePosicao = posicao;
}

bool GerenciadorAcordes::reconstruirAcordeAtual(const std::string& nome) {
    std::unique_ptr<AcordeComposto> anterior = std::move(acordeAtual);
    acordeAtual = std::make_unique<AcordeComposto>(nome, ColecaoPtr<PosicaoHarmonica>());
    if (gerarPosicoes()) return true;
    acordeAtual = std::move(anterior);
    return false;
}

bool GerenciadorAcordes::setAcorde(const char* textoDado) {
    if (textoDado == nullptr) return false;
    try {
        std::string nome = textoDado;
        const int encontrado = base.getNomes().encontrar(nome);
        if (encontrado >= 0) {
            setAcorde(encontrado);
            return regimeBase() || reconstruirAcordeAtual(nome);
        }
        const Especialista* especialista = Especialista::getInstancia();
        const CodigoAcorde codigo = especialista->interpretarCifra(nome);
        nome = especialista->getNomeAcorde(codigo);
        const auto existente = std::find(codigos.begin(), codigos.end(), codigo);
        if (existente != codigos.end()) {
            setAcorde(static_cast<int>(existente - codigos.begin()));
            return regimeBase() || reconstruirAcordeAtual(nome);
        }
        // A chord the list lacks joins it, at its end, for the rest of the run.
        const int indiceAnterior = indiceAcorde;
        const int posicaoAnterior = indicePosicao;
        codigos.push_back(codigo);
        completo.push_back(false);
        setAcorde(static_cast<int>(codigos.size()) - 1);
        const bool base_ = regimeBase();
        std::unique_ptr<AcordeComposto> acordeAnterior;
        if (!base_) {
            acordeAnterior = std::move(acordeAtual);
            acordeAtual = std::make_unique<AcordeComposto>(nome, ColecaoPtr<PosicaoHarmonica>());
        }
        const AcordeComposto novo(nome, ColecaoPtr<PosicaoHarmonica>());
        base.adicionar(&novo);
        if (gerarPosicoes()) return true;
        if (base_) {
            setAcorde(indiceAnterior, posicaoAnterior);
        } else {
            acordeAtual = std::move(acordeAnterior);
        }
        return false;
    } catch (const DException&) {
        return false;
    }
}

bool GerenciadorAcordes::gerarPosicoes() {
    try {
        const bool base_ = regimeBase();
        const InstrumentoCordas* instrumento = instrumentoAtual();
        if (instrumento == nullptr || indiceAcorde < 0) return false;
        const Especialista* especialista = Especialista::getInstancia();
        const CodigoAcorde codigo =
            base_ ? codigos[static_cast<size_t>(indiceAcorde)] : especialista->interpretarCifra(acordeAtual->getNome());

        ColecaoPtr<PosicaoHarmonica> geradas = gerador().gerar(codigo);
        if (geradas.size() == 0) {
            const auto cordas = static_cast<size_t>(instrumento->getNumeroCordas());
            geradas.addElement(std::make_unique<PosicaoHarmonicaInstrumentoCordas>(
                especialista->getNomeAcorde(codigo), std::vector<int32_t>(cordas, -1), std::vector<int32_t>(cordas, 0)));
        }

        ColecaoPtr<PosicaoHarmonica>& lista = base_ ? acordeBase(indiceAcorde)->getPosicoes() : acordeAtual->getPosicoes();
        // Merge on a copy so that a failure half-way changes nothing.
        // A fingering already in the list is not added again, nor one the
        // generator produced twice (it does for some 4- and 5-string chords).
        ColecaoPtr<PosicaoHarmonica> resultado = lista;
        for (int g = 0; g < geradas.size(); ++g) {
            const PosicaoHarmonica* gerada = geradas.getElement(g);
            bool repetida = false;
            for (int e = 0; e < resultado.size() && !repetida; ++e) repetida = mesmoDedilhado(resultado.getElement(e), gerada);
            if (!repetida) resultado.addElement(gerada);
        }
        if (!base_) {
            // Stable, so fingerings of equal fret sums keep the generator's order.
            std::vector<const PosicaoHarmonica*> ordem;
            for (int i = 0; i < resultado.size(); ++i) ordem.push_back(resultado.getElement(i));
            std::stable_sort(ordem.begin(), ordem.end(), PosicaoHarmonicaInstrumentoCordas::menorSomaCasas);
            ColecaoPtr<PosicaoHarmonica> ordenado;
            for (const PosicaoHarmonica* p : ordem) ordenado.addElement(p);
            resultado = ordenado;
        }
        lista = resultado;
        if (base_) {
            completo[static_cast<size_t>(indiceAcorde)] = true;
        } else {
            instrumentoAcordeAtual = instrumento->getName();
        }
        return true;
    } catch (const DException&) {
        return false;
    }
}

void GerenciadorAcordes::atualizarAcordeAtual() {
    if (indiceAcorde < 0) return;
    const std::string nomeBase = base.getNomes().get(indiceAcorde);
    const InstrumentoCordas* instrumento = instrumentoAtual();
    const std::string nomeInstrumento = instrumento ? instrumento->getName() : std::string();
    if (acordeAtual->getNome() != nomeBase || instrumentoAcordeAtual != nomeInstrumento) {
        instrumentoAcordeAtual = nomeInstrumento;
        setAcorde(nomeBase.c_str());
    }
}

PosicaoHarmonica* GerenciadorAcordes::getPosicaoAcordeAtual() {
    if (regimeBase()) {
        if (indiceAcorde < 0) indiceInvalido(indicePosicao, "getPosicaoAcordeAtual()");
        ColecaoPtr<PosicaoHarmonica>& lista = acordeBase(indiceAcorde)->getPosicoes();
        if (indicePosicao >= lista.size()) gerarPosicoes();
        if (indicePosicao < 0 || indicePosicao >= lista.size()) indiceInvalido(indicePosicao, "getPosicaoAcordeAtual()");
        return lista.getElement(indicePosicao);
    }
    try {
        atualizarAcordeAtual();
        ColecaoPtr<PosicaoHarmonica>& lista = acordeAtual->getPosicoes();
        if (indicePosicao < 0 || indicePosicao >= lista.size()) return nullptr;
        return lista.getElement(indicePosicao);
    } catch (const DException&) {
        return nullptr;
    }
}

Acorde* GerenciadorAcordes::getAcordeAtual() {
    if (regimeBase()) return acordeBase(indiceAcorde);
    atualizarAcordeAtual();
    return acordeAtual.get();
}

void GerenciadorAcordes::proximaPosicao() {
    if (indicePosicao == -1 || indiceAcorde < 0) return;
    if (!regimeBase()) atualizarAcordeAtual();
    if (indicePosicao + 1 < posicoesSelecionadas().size()) {
        ++indicePosicao;
        return;
    }
    if (!regimeBase() || completo[static_cast<size_t>(indiceAcorde)]) return;
    if (gerarPosicoes() && indicePosicao + 1 < posicoesSelecionadas().size()) ++indicePosicao;
}

void GerenciadorAcordes::posicaoAnterior() {
    if (indicePosicao > 0) --indicePosicao;
}

void GerenciadorAcordes::limparSelecao() {
    indiceAcorde = -1;
    indicePosicao = -1;
}

std::string GerenciadorAcordes::getNomeAcordeAtual() const { return base.getAcorde(indiceAcorde)->getNome(); }

int GerenciadorAcordes::getClasseRaizAcordeAtual() const {
    return Especialista::getInstancia()->getClasseRaiz(codigos.at(static_cast<size_t>(indiceAcorde)));
}

bool GerenciadorAcordes::usaBemolAcordeAtual() const {
    return Especialista::getInstancia()->usaBemol(base.getNomes().get(indiceAcorde));
}

bool GerenciadorAcordes::procurarPosicao(PosicaoHarmonica* p, const char* metodo, bool mostrar) {
    if (p == nullptr) throw IllegalArgumentException("pos \xE9 NULL", "NULL", kClasse, metodo);
    // Equality by pointer, so the fingering's own comparison decides.
    const auto igual = [&](const PosicaoHarmonica* q) { return mostrar ? q->igual(p) : p->igual(q); };
    ColecaoPtr<PosicaoHarmonica>& armazenadas = acordeBase(indiceAcorde)->getPosicoes();
    int i = 0;
    for (; i < armazenadas.size(); ++i) {
        if (igual(armazenadas.getElement(i))) {
            if (mostrar) indicePosicao = i;
            return true;
        }
    }
    if (completo[static_cast<size_t>(indiceAcorde)]) return false;
    if (!gerarPosicoes()) return false;
    // The scan goes on where it stopped: in the database list in the database
    // regime, in acordeAtual's list in the instrument regime.
    ColecaoPtr<PosicaoHarmonica>& lista = posicoesSelecionadas();
    for (; i < lista.size(); ++i) {
        if (igual(lista.getElement(i))) {
            if (mostrar) indicePosicao = i;
            return true;
        }
    }
    return false;
}

bool GerenciadorAcordes::encontrarPosicao(PosicaoHarmonica* p) {
    return procurarPosicao(p, "encontrarPosicao(PosicaoHarmonica*)", true);
}

bool GerenciadorAcordes::existePosicao(PosicaoHarmonica* p) {
    return procurarPosicao(p, "existePosicao(PosicaoHarmonica*)", false);
}

void GerenciadorAcordes::adicionarPosicao(PosicaoHarmonica* p) {
    if (!regimeBase()) return;
    if (p == nullptr) {
        throw IllegalArgumentException("pos \xE9 NULL", "NULL", kClasse, "adicionarPosicao(PosicaoHarmonica*)");
    }
    base.adicionarPosicaoAcorde(indiceAcorde, p);
}

std::string GerenciadorAcordes::nomearAcorde(const std::vector<int>& notas, int raiz) const {
    try {
        const Especialista* especialista = Especialista::getInstancia();
        const CodigoAcorde codigo = especialista->reconhecerAcorde(notas, raiz);
        const auto listado = std::find(codigos.begin(), codigos.end(), codigo);
        if (listado != codigos.end()) return base.getNomes().get(static_cast<int>(listado - codigos.begin()));
        return especialista->getNomeAcorde(codigo);
    } catch (const DException&) {
        return {};
    }
}
