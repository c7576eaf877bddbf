#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

#include <limits>

#include "core/base/Excecoes.h"
#include "instruments/GerenciadorInstrumentos.h"

namespace {

const char* const kClasse = "PosicaoHarmonicaInstrumentoCordas";

// Strings the key has room for, and the width of each field.
constexpr size_t kCordasNaChave = 6;
constexpr int kBitsCasa = 4;
constexpr int kBitsDedo = 3;
constexpr int kInicioDedos = 24;

}  // namespace

PosicaoHarmonicaInstrumentoCordas::PosicaoHarmonicaInstrumentoCordas() = default;

PosicaoHarmonicaInstrumentoCordas::PosicaoHarmonicaInstrumentoCordas(const std::string& cifra,
                                                                     const std::vector<int32_t>& casas,
                                                                     const std::vector<int32_t>& dedos)
    : PosicaoHarmonica(cifra) {
    ConstrutorInterno(casas, dedos);
}

PosicaoHarmonicaInstrumentoCordas::PosicaoHarmonicaInstrumentoCordas(const std::vector<int32_t>& casas,
                                                                     const std::vector<int32_t>& dedos) {
    ConstrutorInterno(casas, dedos);
}

PosicaoHarmonicaInstrumentoCordas::PosicaoHarmonicaInstrumentoCordas(const PosicaoHarmonicaInstrumentoCordas& outra)
    = default;

PosicaoHarmonicaInstrumentoCordas::~PosicaoHarmonicaInstrumentoCordas() = default;

void PosicaoHarmonicaInstrumentoCordas::ConstrutorInterno(const std::vector<int32_t>& novasCasas,
                                                          const std::vector<int32_t>& novosDedos) {
    if (novasCasas.size() != novosDedos.size()) {
        throw OutOfBoundsException("O tamanho dos parametros precisam ser iguais", -1, kClasse, "ConstrutorInterno");
    }
    casas = novasCasas;
    dedos = novosDedos;
    for (size_t s = 0; s < dedos.size(); ++s) {
        if (dedos[s] == kDedoAbafada) casas[s] = kCordaAbafada;
    }
    calcularChave();
}

void PosicaoHarmonicaInstrumentoCordas::calcularChave() {
    // Each field is masked to its width so that an out-of-range value cannot
    // spill into a neighbour's bits.
    uint64_t k = 0;
    for (size_t s = 0; s < casas.size() && s < kCordasNaChave; ++s) {
        const uint64_t campo = static_cast<uint64_t>(casas[s] + 1) & ((1u << kBitsCasa) - 1);
        k |= campo << (kBitsCasa * s);
    }
    for (size_t s = 0; s < dedos.size() && s < kCordasNaChave; ++s) {
        const uint64_t campo = static_cast<uint64_t>(dedos[s] + 1) & ((1u << kBitsDedo) - 1);
        k |= campo << (kInicioDedos + kBitsDedo * s);
    }
    chave = static_cast<int64_t>(k);
}

PosicaoHarmonicaInstrumentoCordas* PosicaoHarmonicaInstrumentoCordas::clone() const {
    return new PosicaoHarmonicaInstrumentoCordas(*this);
}

bool PosicaoHarmonicaInstrumentoCordas::operator==(const Acorde& outro) const {
    const auto* outra = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(&outro);
    // The key alone cannot tell apart fingerings beyond its six strings and
    // fourteen frets; the sequences can.
    return outra != nullptr && outra->chave == chave && outra->casas == casas && outra->dedos == dedos;
}

PosicaoHarmonicaInstrumentoCordas& PosicaoHarmonicaInstrumentoCordas::operator=(const Acorde& outro) {
    if (this == &outro) return *this;
    Acorde::operator=(outro);
    if (const auto* outra = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(&outro)) {
        chave = outra->chave;
        casas = outra->casas;
        dedos = outra->dedos;
        cordaMarcada = outra->cordaMarcada;
        casaMarcada = outra->casaMarcada;
    }
    return *this;
}

PosicaoHarmonicaInstrumentoCordas& PosicaoHarmonicaInstrumentoCordas::operator=(
    const PosicaoHarmonicaInstrumentoCordas& outra) {
    return *this = static_cast<const Acorde&>(outra);
}

bool PosicaoHarmonicaInstrumentoCordas::igual(const Acorde* outro) const { return outro != nullptr && *this == *outro; }

bool PosicaoHarmonicaInstrumentoCordas::diferente(const Acorde* outro) const { return !igual(outro); }

bool PosicaoHarmonicaInstrumentoCordas::menorQue(const Acorde* outro) const {
    const auto* outra = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(outro);
    if (outra == nullptr) return Acorde::menorQue(outro);
    return chave < outra->chave;
}

int64_t PosicaoHarmonicaInstrumentoCordas::getChave() const { return chave; }

void PosicaoHarmonicaInstrumentoCordas::setDedos(const std::vector<int32_t>& novos) {
    dedos = novos;
    calcularChave();
}

void PosicaoHarmonicaInstrumentoCordas::verificarCorda(int32_t corda, const char* mensagem) const {
    if (corda < 0 || corda >= static_cast<int32_t>(casas.size()) || corda >= static_cast<int32_t>(dedos.size())) {
        throw OutOfBoundsException(mensagem + std::to_string(corda), corda, kClasse, "setNota(int ,int)");
    }
}

void PosicaoHarmonicaInstrumentoCordas::setNota(int32_t casa, int32_t corda) {
    verificarCorda(corda, "Indice invalido ");
    casas[corda] = casa;
    dedos[corda] = kSemDedo;
    calcularChave();
}

void PosicaoHarmonicaInstrumentoCordas::abafarCorda(int32_t corda) {
    verificarCorda(corda, "Indice invalido ");
    casas[corda] = kCordaAbafada;
    dedos[corda] = kDedoAbafada;
    calcularChave();
}

bool PosicaoHarmonicaInstrumentoCordas::temNota(int32_t casa, int32_t corda) const {
    verificarCorda(corda, "Indice invalido");
    return casas[corda] == casa && dedos[corda] != kDedoAbafada;
}

void PosicaoHarmonicaInstrumentoCordas::setNotaMarcada(int32_t corda, int32_t casa) {
    cordaMarcada = corda;
    casaMarcada = casa;
}

int32_t PosicaoHarmonicaInstrumentoCordas::somaCasas() const {
    int32_t soma = 0;
    for (const int32_t casa : casas) {
        if (casa > 0) soma += casa;
    }
    return soma;
}

std::vector<int32_t> PosicaoHarmonicaInstrumentoCordas::getNotas(const std::vector<int32_t>& afinacao,
                                                                 int32_t numeroCasas) const {
    std::vector<int32_t> notas(casas.size(), -1);
    for (size_t s = 0; s < casas.size(); ++s) {
        const bool abafada = s < dedos.size() && dedos[s] == kDedoAbafada;
        // A string the tuning does not name sounds nothing either.
        if (casas[s] < 0 || casas[s] > numeroCasas || abafada || s >= afinacao.size()) continue;
        notas[s] = afinacao[s] + casas[s];
    }
    return notas;
}

std::vector<int32_t> PosicaoHarmonicaInstrumentoCordas::getNotas(const std::vector<int32_t>& afinacao) const {
    const InstrumentoCordas* atual = GerenciadorInstrumentos::getInstancia()->getInstrumentoAtual();
    return getNotas(afinacao, atual != nullptr ? atual->getNumeroCasas() : std::numeric_limits<int32_t>::max());
}

bool PosicaoHarmonicaInstrumentoCordas::menorSomaCasas(const PosicaoHarmonica* a, const PosicaoHarmonica* b) {
    const auto* pa = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(a);
    const auto* pb = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(b);
    return pa != nullptr && pb != nullptr && pa->somaCasas() < pb->somaCasas();
}
