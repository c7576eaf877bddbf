#include "instruments/Fingering.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "instruments/GerenciadorInstrumentos.h"

namespace {

constexpr int32_t kDedos = 4;

// Fret under each finger 1..4 (index 0 unused), 0 where the finger is free, and
// how many strings the index finger holds.
struct MaoAberta {
    std::array<int32_t, kDedos + 1> casaDoDedo{};
    int32_t cordasDoIndicador = 0;
};

}  // namespace

Fingering::Fingering(const std::vector<int32_t>& casas, int32_t numeroCasas)
    : limiteCasas(numeroCasas < std::numeric_limits<int32_t>::max() ? numeroCasas + 1 : numeroCasas),
      ultimaCorda(static_cast<int32_t>(casas.size()) - 1),
      numeroCordas(static_cast<int32_t>(casas.size())) {
    calcular(casas);
}

Fingering::Fingering(const std::vector<int32_t>& casas)
    : Fingering(casas, [] {
          const InstrumentoCordas* atual = GerenciadorInstrumentos::getInstancia()->getInstrumentoAtual();
          return atual != nullptr ? atual->getNumeroCasas() : std::numeric_limits<int32_t>::max();
      }()) {}

bool Fingering::testarPestana(const std::vector<int32_t>& casas) const {
    // The lowest fret and, on ties, the lowest string holding it.
    int32_t menor = limiteCasas;
    int32_t corda = -1;
    for (int32_t s = ultimaCorda; s >= 0; --s) {
        if (ehNota(casas[s]) && casas[s] <= menor) {
            menor = casas[s];
            corda = s;
        }
    }
    if (corda < 0) return false;
    bool outraNaMesmaCasa = false;
    for (int32_t s = corda; s <= ultimaCorda; ++s) {
        // An open string inside the barre would be stopped by it.
        if (casas[s] == 0) return false;
        if (s > corda && casas[s] == menor) outraNaMesmaCasa = true;
    }
    return outraNaMesmaCasa;
}

void Fingering::enumerar(const std::vector<Nota>& notas, size_t indice, int32_t dedoAnterior,
                         std::vector<int32_t>& dedos, std::vector<std::vector<int32_t>>& resultado) const {
    if (indice == notas.size()) {
        resultado.push_back(dedos);
        return;
    }
    int32_t primeiro = dedoAnterior + 1;
    if (dedoAnterior == 1 && pestana && notas[indice].casa == notas[indice - 1].casa) primeiro = 1;
    for (int32_t dedo = primeiro; dedo <= kDedos; ++dedo) {
        dedos[indice] = dedo;
        enumerar(notas, indice + 1, dedo, dedos, resultado);
    }
}

void Fingering::calcular(const std::vector<int32_t>& casas) {
    pestana = testarPestana(casas);

    std::vector<Nota> notas;
    for (int32_t s = 0; s < numeroCordas; ++s) {
        if (ehNota(casas[s])) notas.push_back({s, casas[s]});
    }
    std::stable_sort(notas.begin(), notas.end(), [](const Nota& a, const Nota& b) { return a.casa < b.casa; });

    std::vector<std::vector<int32_t>> porNota;
    std::vector<int32_t> dedos(notas.size(), 0);
    enumerar(notas, 0, 0, dedos, porNota);

    struct Candidata {
        int32_t custo;
        const std::vector<int32_t>* dedos;
    };
    std::vector<Candidata> aceitas;
    for (const auto& atribuicao : porNota) {
        MaoAberta mao;
        // Notes run by fret then string, so the last write is the highest string.
        for (size_t i = 0; i < notas.size(); ++i) {
            mao.casaDoDedo[atribuicao[i]] = notas[i].casa;
            if (atribuicao[i] == 1) ++mao.cordasDoIndicador;
        }

        // A barre leaves its fret to the index finger alone.
        if (pestana && mao.cordasDoIndicador > 1) {
            bool dividida = false;
            for (int32_t d = 2; d <= kDedos; ++d) dividida |= mao.casaDoDedo[d] == mao.casaDoDedo[1];
            if (dividida) continue;
        }

        bool esticada = false;
        for (int32_t i = 1; i <= kDedos && !esticada; ++i) {
            if (mao.casaDoDedo[i] == 0) continue;
            for (int32_t j = i + 1; j <= kDedos; ++j) {
                if (mao.casaDoDedo[j] == 0) continue;
                if (std::abs(mao.casaDoDedo[j] - mao.casaDoDedo[i]) > j - i + 1) {
                    esticada = true;
                    break;
                }
            }
        }
        if (esticada) continue;

        // Zero when the fingers lie one per fret.
        int32_t custo = 0;
        int32_t anterior = 0;
        for (int32_t d = 1; d <= kDedos; ++d) {
            if (mao.casaDoDedo[d] == 0) continue;
            if (anterior != 0) custo += std::abs((d - anterior) - (mao.casaDoDedo[d] - mao.casaDoDedo[anterior]));
            anterior = d;
        }
        aceitas.push_back({custo, &atribuicao});
    }
    std::stable_sort(aceitas.begin(), aceitas.end(),
                     [](const Candidata& a, const Candidata& b) { return a.custo < b.custo; });

    atribuicoes.reserve(aceitas.size());
    for (const auto& c : aceitas) {
        std::vector<int32_t> porCorda(numeroCordas, 0);
        for (size_t i = 0; i < notas.size(); ++i) porCorda[notas[i].corda] = (*c.dedos)[i];
        atribuicoes.push_back(std::move(porCorda));
    }
}
