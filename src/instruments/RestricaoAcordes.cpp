#include "instruments/RestricaoAcordes.h"

#include "core/base/Excecoes.h"

namespace {

// Which string-use rule applies: the mask table.
constexpr int32_t kModoMascaras = 3;

// Entries of maximoRepeticoes; entry 3 is unused.
constexpr int32_t kRepeticoesTonica = 0;
constexpr int32_t kRepeticoesTerca = 1;
constexpr int32_t kRepeticoesQuinta = 2;
constexpr int32_t kRepeticoesSetima = 4;

}  // namespace

RestricaoAcordes::RestricaoAcordes()
    : omitirQuinta(true),
      omitirTerca(true),
      permitirUnissono(true),
      permitirSegundaMenor(true),
      modoCordas(kModoMascaras),
      minimoComponentes(3),
      maximoRepeticoes{3, 2, 2, -1, 1},
      mascaras{"xxoooo", "xoxooo", "oxxooo", "xoooox", "oxooox", "ooooxx", "oooooo", "xooooo"} {}

int32_t RestricaoAcordes::getMaximoRepeticoes(int32_t i) const {
    if (i < 0 || i >= static_cast<int32_t>(maximoRepeticoes.size())) {
        throw OutOfBoundsException("Indice inv\xE1lido", i, "RestricaoAcordes", "getMaximoRepeticoes(int)");
    }
    return maximoRepeticoes[i];
}

bool RestricaoAcordes::aceita(Casas casas, const std::vector<int32_t>& afinacao, int32_t numeroCasas,
                              const TonsAcorde& tons) const {
    if (dedosNecessarios(casas, numeroCasas) > kMaximoDedos) return false;
    if (!completo(casas, afinacao, tons)) return false;
    if (!permitirUnissono && temUnissono(casas, afinacao)) return false;
    if (!permitirSegundaMenor && temSegundaMenor(casas, afinacao)) return false;
    if (modoCordas == kModoMascaras && !usoCordasPermitido(casas)) return false;
    return true;
}

int32_t RestricaoAcordes::dedosNecessarios(Casas casas, int32_t numeroCasas) {
    const auto fretada = [numeroCasas](int32_t casa) { return casa >= 1 && casa <= numeroCasas; };
    int32_t menor = -1;
    for (const int32_t casa : casas) {
        if (fretada(casa) && (menor < 0 || casa < menor)) menor = casa;
    }
    // From the highest string down, the notes at the lowest fret share one
    // finger until an open string breaks the barre.
    int32_t dedos = 0;
    bool cordaSolta = false;
    bool menorVista = false;
    for (size_t i = casas.size(); i-- > 0;) {
        const int32_t casa = casas[i];
        if (casa == 0) {
            cordaSolta = true;
        } else if (fretada(casa)) {
            if (casa > menor) {
                ++dedos;
            } else if (!menorVista || cordaSolta) {
                ++dedos;
            }
            if (casa == menor) menorVista = true;
        }
    }
    return dedos;
}

bool RestricaoAcordes::completo(Casas casas, const std::vector<int32_t>& afinacao, const TonsAcorde& tons) const {
    int32_t soando = 0;
    int32_t qR = 0, q3 = 0, q5 = 0, q7 = 0;
    std::array<int32_t, TonsAcorde::kMaximoExtensoes> qE{};
    for (size_t s = 0; s < casas.size(); ++s) {
        if (casas[s] == -1) continue;
        ++soando;
        const int32_t classe = classeAltura(afinacao[s] + casas[s]);
        // One string counts for every tone it equals.
        qR += classe == tons.tonica;
        q3 += classe == tons.terca;
        q5 += classe == tons.quinta;
        q7 += classe == tons.setima;
        for (int32_t h = 0; h < tons.nExtensoes; ++h) qE[h] += classe == tons.extensoes[h];
    }
    int32_t componentes = (qR > 0) + (q3 > 0) + (q5 > 0) + (q7 > 0);
    for (int32_t h = 0; h < tons.nExtensoes; ++h) {
        if (qE[h] == 0 || qE[h] > maximoRepeticoes[kRepeticoesSetima]) return false;
        ++componentes;
    }
    if (soando < kMinimoCordasSoando || componentes < minimoComponentes) return false;
    if (qR > maximoRepeticoes[kRepeticoesTonica] || q3 > maximoRepeticoes[kRepeticoesTerca] ||
        q5 > maximoRepeticoes[kRepeticoesQuinta] || q7 > maximoRepeticoes[kRepeticoesSetima]) {
        return false;
    }
    if (qR == 0) return false;
    if (q3 == 0 && !omitirTerca) return false;
    if (q5 == 0 && !omitirQuinta) return false;
    if (tons.setima != 0 && q7 == 0) return false;
    return true;
}

bool RestricaoAcordes::temUnissono(Casas casas, const std::vector<int32_t>& afinacao) {
    for (size_t a = 0; a < casas.size(); ++a) {
        if (casas[a] == -1) continue;
        for (size_t b = a + 1; b < casas.size(); ++b) {
            if (casas[b] != -1 && afinacao[a] + casas[a] == afinacao[b] + casas[b]) return true;
        }
    }
    return false;
}

bool RestricaoAcordes::temSegundaMenor(Casas casas, const std::vector<int32_t>& afinacao) {
    for (size_t a = 0; a < casas.size(); ++a) {
        if (casas[a] == -1) continue;
        for (size_t b = a + 1; b < casas.size(); ++b) {
            if (casas[b] == -1) continue;
            const int32_t diferenca = (afinacao[a] + casas[a]) - (afinacao[b] + casas[b]);
            if (diferenca == 1 || diferenca == -1) return true;
        }
    }
    return false;
}

bool RestricaoAcordes::usoCordasPermitido(Casas casas) const {
    for (const auto& mascara : mascaras) {
        bool casa = true;
        for (size_t i = 0; i < casas.size() && casa; ++i) {
            // Strings beyond the mask's length must sound.
            const bool abafada = i < mascara.size() && mascara[i] == 'x';
            casa = abafada == (casas[i] == -1);
        }
        if (casa) return true;
    }
    return false;
}
