#include "instruments/InstrumentoCordas.h"

#include <utility>

InstrumentoCordas::InstrumentoCordas(std::string nome, std::string descricao, int32_t numeroCordas,
                                     int32_t numeroCasas, int32_t distancia, int32_t som,
                                     std::vector<int32_t> afinacao, bool usaBaseAcordes)
    : nome(std::move(nome)),
      descricao(std::move(descricao)),
      numeroCordas(numeroCordas),
      numeroCasas(numeroCasas),
      distancia(distancia),
      som(som),
      afinacao(std::move(afinacao)),
      usaBaseAcordes(usaBaseAcordes) {}

InstrumentoCordas::InstrumentoCordas(const InstrumentoCordas& outro)
    : nome(outro.nome),
      descricao(outro.descricao),
      numeroCordas(outro.numeroCordas),
      numeroCasas(outro.numeroCasas),
      distancia(outro.distancia),
      som(outro.som),
      afinacao(outro.afinacao),
      usaBaseAcordes(outro.usaBaseAcordes) {}

bool InstrumentoCordas::equals(const InstrumentoCordas& outro) const {
    return nome == outro.nome && mesmaConfiguracao(outro, false);
}

bool InstrumentoCordas::mesmaConfiguracao(const InstrumentoCordas& outro, bool ignorarSom) const {
    if (numeroCordas != outro.numeroCordas || numeroCasas != outro.numeroCasas ||
        distancia != outro.distancia) {
        return false;
    }
    if (!ignorarSom && som != outro.som) return false;
    return afinacao == outro.afinacao;  // vector equality checks the lengths first
}

bool InstrumentoCordas::operator==(const InstrumentoCordas* outro) const {
    return outro != nullptr && equals(*outro);
}

bool InstrumentoCordas::operator!=(const InstrumentoCordas* outro) const { return !(*this == outro); }

InstrumentoCordas& InstrumentoCordas::operator=(const InstrumentoCordas& outro) {
    if (this == &outro) return *this;
    nome = outro.nome;
    descricao = outro.descricao;
    numeroCordas = outro.numeroCordas;
    numeroCasas = outro.numeroCasas;
    distancia = outro.distancia;
    som = outro.som;
    afinacao = outro.afinacao;
    usaBaseAcordes = outro.usaBaseAcordes;
    return *this;
}
