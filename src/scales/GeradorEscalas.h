#pragma once
// Every way of playing a scale's degrees once each, in degree order, on a
// neck: the cells are found by an exhaustive depth-first search, each
// position gets left-hand fingers (cheapest path over the finger transition
// costs) and alternating right-hand fingers, and the result comes easiest
// first.
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/ColecaoPtr.h"
#include "scales/CasaCordaEscala.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"

class InstrumentoCordas;

class GeradorEscalas {
public:
    // The search stops once this many positions are stored.
    static constexpr int32_t kLimitePosicoes = 500;
    // The left-hand "finger" of an open string while fingering (0 in the result).
    static constexpr int32_t kCordaSolta = 5;

    GeradorEscalas() = default;
    static GeradorEscalas* getInstancia();

    // The key given by one of the twelve key names of the current language,
    // on the current instrument. NotFoundException ("escalaImpossivel") when
    // the scale has no position there, or the key name is none of the twelve.
    ColecaoPtr<EscalaExibicao> obterPosicoesEscala(const Escala& escala, const std::string& tom);
    // The key as its index 0 (C) .. 11 (B).
    ColecaoPtr<EscalaExibicao> obterPosicoesEscala(const Escala& escala, int32_t tonalidade,
                                                   const InstrumentoCordas& instrumento);
    // A plain neck: one open-string MIDI pitch per string, lowest string first.
    ColecaoPtr<EscalaExibicao> obterPosicoesEscala(const Escala& escala, int32_t tonalidade,
                                                   const std::vector<int32_t>& afinacao, int32_t numeroCasas);

    // The cells of the last search, in the order they were found.
    const std::vector<std::vector<CasaCordaEscala>>& getPosicoesEncontradas() const { return posicoes; }

    // Left-hand fingers for one position (1..4, 0 on open strings).
    static std::vector<int32_t> atribuirDedos(const std::vector<int32_t>& casas, const std::vector<int32_t>& cordas);
    // What moving from (fret f1, string s1, finger d1) to (f2, s2, d2) costs;
    // finger kCordaSolta stands for an open string.
    static int32_t custoTransicao(int32_t f1, int32_t f2, int32_t d1, int32_t d2, int32_t s1, int32_t s2);

private:
    [[noreturn]] static void semPosicao(const Escala& escala, const std::string& nomeTom);
    // The found cells as positions with fingers, easiest first.
    ColecaoPtr<EscalaExibicao> construir() const;
    void buscar(const std::vector<int32_t>& frequencia, int32_t tonalidade, const std::vector<int32_t>& afinacao,
                int32_t numeroCasas);

    std::vector<std::vector<CasaCordaEscala>> posicoes;
};
