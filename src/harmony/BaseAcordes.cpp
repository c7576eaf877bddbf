#include "harmony/BaseAcordes.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "core/base/Excecoes.h"
#include "core/base/Texto1252.h"

const std::string& ListaNomes::get(int posicao) const {
    if (posicao < 0 || posicao >= tamanho()) {
        throw OutOfBoundsException("Indice inv\xE1lido", posicao, "ListaNomes", "get(int)");
    }
    return nomes[posicao];
}

int ListaNomes::encontrar(const std::string& texto) const {
    const std::string procurado = texto1252::minusculas(texto);
    for (int i = 0; i < tamanho(); ++i) {
        if (nomes[i].size() == texto.size() && texto1252::minusculas(nomes[i]) == procurado) return i;
    }
    return -1;
}

void ListaNomes::ordenar(const Comparacao& menor) { std::stable_sort(nomes.begin(), nomes.end(), menor); }

BaseAcordes::BaseAcordes() = default;

BaseAcordes::~BaseAcordes() = default;

Acorde* BaseAcordes::getAcorde(int indice) const { return acordes.getElement(indice); }

AcordeComposto* BaseAcordes::getAcordeComposto(int indice) const {
    // adicionar() keeps every element an AcordeComposto.
    return static_cast<AcordeComposto*>(acordes.getElement(indice));
}

void BaseAcordes::adicionar(const Acorde* acorde) {
    if (acorde == nullptr) {
        throw IllegalArgumentException("Elemento \xE9 NULL", "NULL", "BaseAcordes", "adicionar(Acorde*)");
    }
    auto copia = std::make_unique<AcordeComposto>();
    *copia = *acorde;
    const std::string nome = copia->getNome();
    acordes.addElement(std::unique_ptr<Acorde>(copia.release()));
    nomes.adicionar(nome);
}

void BaseAcordes::adicionarPosicaoAcorde(int indice, const PosicaoHarmonica* posicao) {
    AcordeComposto* acorde = getAcordeComposto(indice);
    if (posicao == nullptr) {
        throw IllegalArgumentException("Elemento \xE9 NULL", "NULL", "BaseAcordes",
                                       "adicionarPosicaoAcorde(int, PosicaoHarmonica*)");
    }
    acorde->getPosicoes().addElement(posicao);
}

void BaseAcordes::ordenar() {
    // One permutation for both lists, taken from the names, so that they stay
    // aligned whatever the chords' own order says.
    const int n = acordes.size();
    std::vector<int> ordem(n);
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(),
                     [this](int a, int b) { return Acorde::menorNome(nomes.nomes[a], nomes.nomes[b]); });

    ColecaoPtr<Acorde> ordenados;
    std::vector<std::string> nomesOrdenados;
    nomesOrdenados.reserve(n);
    for (int i : ordem) {
        ordenados.addElement(std::unique_ptr<Acorde>(acordes.getElement(i)->clone()));
        nomesOrdenados.push_back(std::move(nomes.nomes[i]));
    }
    acordes = std::move(ordenados);
    nomes.nomes = std::move(nomesOrdenados);
}

void BaseAcordes::limpar() {
    acordes.clear();
    nomes.limpar();
}
