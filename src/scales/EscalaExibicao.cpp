#include "scales/EscalaExibicao.h"

#include <algorithm>
#include <utility>

EscalaExibicao::EscalaExibicao(std::vector<int32_t> casas, std::vector<int32_t> cordas, std::vector<int32_t> dedos,
                               std::vector<int32_t> dedosMaoDireita)
    : casas(std::move(casas)),
      cordas(std::move(cordas)),
      dedos(std::move(dedos)),
      dedosMaoDireita(std::move(dedosMaoDireita)) {}

bool EscalaExibicao::operator==(const EscalaExibicao& outra) const {
    return casas == outra.casas && cordas == outra.cordas && dedosMaoDireita == outra.dedosMaoDireita &&
           dedos == outra.dedos;
}

bool EscalaExibicao::igual(const EscalaExibicao* outra) const { return outra != nullptr && *this == *outra; }

bool EscalaExibicao::diferente(const EscalaExibicao* outra) const { return !igual(outra); }

int32_t EscalaExibicao::getDificuldade() const {
    if (dificuldade == -1) dificuldade = calcularDificuldade(casas, cordas);
    return dificuldade;
}

int32_t EscalaExibicao::calcularDificuldade(const std::vector<int32_t>& casas, const std::vector<int32_t>& cordas) {
    constexpr int32_t kSemNota = 30000;
    const size_t notas = std::min(casas.size(), cordas.size());
    // Sized by the strings actually used, so a position on a string beyond the
    // sixth (or a hand-made one with a stray index) cannot write out of range.
    int32_t maiorCorda = -1;
    for (size_t i = 0; i < notas; ++i) maiorCorda = std::max(maiorCorda, cordas[i]);
    if (maiorCorda < 0) return 0;
    std::vector<int32_t> maior(static_cast<size_t>(maiorCorda) + 1, 0);
    std::vector<int32_t> menor(static_cast<size_t>(maiorCorda) + 1, kSemNota);
    int32_t maiorGeral = 0;
    int32_t menorGeral = kSemNota;
    for (size_t i = 0; i < notas; ++i) {
        if (cordas[i] < 0) continue;
        const auto s = static_cast<size_t>(cordas[i]);
        maior[s] = std::max(maior[s], casas[i]);
        menor[s] = std::min(menor[s], casas[i]);
        maiorGeral = std::max(maiorGeral, maior[s]);
        menorGeral = std::min(menorGeral, menor[s]);
    }
    int32_t espalhamento = 0;
    for (size_t s = 0; s < maior.size(); ++s) {
        if (maior[s] - menor[s] > 0) espalhamento += maior[s] - menor[s];
    }
    return (maiorGeral - menorGeral) * 100 + espalhamento;
}
