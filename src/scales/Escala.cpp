#include "scales/Escala.h"

#include <algorithm>
#include <utility>

Escala::Escala(std::string nome, std::vector<int32_t> frequencia)
    : nome(std::move(nome)), frequencia(std::move(frequencia)) {}

bool Escala::operator==(const Escala& outra) const { return frequencia == outra.frequencia; }

Escala& Escala::operator=(const Escala& outra) {
    if (this != &outra) {
        nome = outra.nome;
        frequencia = outra.frequencia;
    }
    return *this;
}

bool Escala::igual(const Escala* outra) const { return outra != nullptr && *this == *outra; }

bool Escala::diferente(const Escala* outra) const { return !igual(outra); }

bool Escala::menorQue(const Escala* outra) const { return outra != nullptr && menorNome(nome, outra->nome); }

bool Escala::menorNome(const std::string& a, const std::string& b) {
    auto acidente = [](signed char c) { return c == '#' || c == 'b'; };
    // c_str() gives the terminating zero at index size(), which takes part.
    const size_t fim = std::min(a.size(), b.size());
    for (size_t i = 0; i <= fim; ++i) {
        const auto ca = static_cast<signed char>(a.c_str()[i]);
        const auto cb = static_cast<signed char>(b.c_str()[i]);
        if (i == 1) {
            if (acidente(ca) && !acidente(cb)) return false;
            if (!acidente(ca) && acidente(cb)) return true;
        }
        if (ca != cb) return ca < cb;
    }
    return false;
}
