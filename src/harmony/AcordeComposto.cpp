#include "harmony/AcordeComposto.h"

AcordeComposto::AcordeComposto() = default;

AcordeComposto::AcordeComposto(const std::string& nome, const ColecaoPtr<PosicaoHarmonica>& posicoes)
    : Acorde(nome), posicoes(posicoes) {}

AcordeComposto::AcordeComposto(const AcordeComposto& outro) = default;

AcordeComposto::~AcordeComposto() = default;

AcordeComposto* AcordeComposto::clone() const { return new AcordeComposto(*this); }

AcordeComposto& AcordeComposto::operator=(const Acorde& outro) {
    if (this == &outro) return *this;
    Acorde::operator=(outro);
    if (const auto* composto = dynamic_cast<const AcordeComposto*>(&outro)) {
        posicoes = composto->posicoes;
    } else {
        posicoes.clear();
    }
    return *this;
}

AcordeComposto& AcordeComposto::operator=(const AcordeComposto& outro) {
    return *this = static_cast<const Acorde&>(outro);
}
