#include "harmony/Acorde.h"

#include "harmony/InterpreteCifras.h"

Acorde::Acorde() : codigo(0) {}

Acorde::Acorde(CodigoAcorde codigo)
    : codigo(codigo), nome(Especialista::getInstancia()->getNomeAcorde(codigo)) {}

Acorde::Acorde(const std::string& nome) : codigo(0), nome(nome) {}

Acorde::~Acorde() = default;

Acorde* Acorde::clone() const { return new Acorde(*this); }

bool Acorde::operator==(const Acorde& outro) const { return codigo == outro.codigo; }

Acorde& Acorde::operator=(const Acorde& outro) {
    nome = outro.nome;
    codigo = outro.codigo;
    return *this;
}

bool Acorde::igual(const Acorde* outro) const { return outro != nullptr && *this == *outro; }

bool Acorde::diferente(const Acorde* outro) const { return !igual(outro); }

bool Acorde::menorQue(const Acorde* outro) const { return outro != nullptr && menorNome(nome, outro->nome); }

namespace {
bool acidente(char c) { return c == '#' || c == 'b'; }
}  // namespace

bool Acorde::menorNome(const std::string& a, const std::string& b) {
    const size_t comum = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < comum; ++i) {
        if (i == 1 && acidente(a[1]) != acidente(b[1])) return !acidente(a[1]);
        const auto ca = static_cast<signed char>(a[i]);
        const auto cb = static_cast<signed char>(b[i]);
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}
