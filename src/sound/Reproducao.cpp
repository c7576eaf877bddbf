#include "sound/Reproducao.h"

#include "core/base/Plataforma.h"
#include "instruments/InstrumentoCordas.h"
#include "scales/EscalaExibicao.h"
#include "sound/SaidaMIDI.h"

namespace reproducao {

void tocarAcorde(SaidaMIDI& saida, const std::vector<int32_t>& notas) {
    for (const int32_t nota : notas) {
        if (nota < 0) continue;
        saida.tocarNota(kCanal, kVelocidade, nota);
        Plataforma::atual().esperar(kEsperaCorda);
    }
    saida.silenciar();
}

void tocarEscala(SaidaMIDI& saida, const std::vector<int32_t>& notas, int esperaMilissegundos,
                 const std::function<void(size_t)>& marcar, const std::function<void(size_t)>& desmarcar) {
    for (size_t i = 0; i < notas.size(); ++i) {
        if (notas[i] < 0) continue;
        if (marcar) marcar(i);
        saida.tocarNota(kCanal, kVelocidade, notas[i]);
        Plataforma::atual().esperar(esperaMilissegundos);
        saida.pararNota(kCanal, notas[i]);
        if (desmarcar) desmarcar(i);
    }
}

std::vector<int32_t> notasEscala(const EscalaExibicao& posicao, const InstrumentoCordas& instrumento) {
    const std::vector<int32_t> afinacao = instrumento.getAfinacao();
    const std::vector<int32_t> casas = posicao.getCasas();
    const std::vector<int32_t> cordas = posicao.getCordas();
    std::vector<int32_t> notas;
    for (size_t i = 0; i < casas.size(); ++i) {
        const int32_t casa = casas[i];
        const int32_t corda = i < cordas.size() ? cordas[i] : -1;
        const bool tocavel = casa >= 0 && casa != instrumento.getNumeroCasas() + 1 && corda >= 0 &&
                             corda < static_cast<int32_t>(afinacao.size());
        notas.push_back(tocavel ? afinacao[static_cast<size_t>(corda)] + casa : -1);
    }
    return notas;
}

void tocarTesteDispositivo(SaidaMIDI& saida) {
    for (int nota = 60; nota <= 83; ++nota) {
        saida.tocarNota(kCanal, kVelocidade, nota);
        Plataforma::atual().esperar(kEsperaNotaTeste);
    }
    saida.silenciar();
}

}  // namespace reproducao
