#pragma once
// The playability rules a generated fingering must pass: how many fingers it
// needs, whether it sounds the chord completely without too many doublings, and
// which strings may be left unplayed. Every instance holds the same fixed values.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The tones of the chord being fingered, as pitch classes 1..12 with C as 12.
// A chord without a third or fifth repeats its root there; setima is 0 when the
// chord has no seventh-slot tone.
struct TonsAcorde {
    static constexpr int32_t kMaximoExtensoes = 6;

    int32_t tonica = 12;
    int32_t terca = 12;
    int32_t quinta = 12;
    int32_t setima = 0;
    int32_t baixo = 12;
    std::array<int32_t, kMaximoExtensoes> extensoes{};
    int32_t nExtensoes = 0;

    bool ehTom(int32_t classe) const {
        if (classe == tonica || classe == terca || classe == quinta || classe == baixo || classe == setima) return true;
        for (int32_t h = 0; h < nExtensoes; ++h) {
            if (extensoes[h] == classe) return true;
        }
        return false;
    }
};

// Pitch class 1..12 of a MIDI note, C being 12.
inline int32_t classeAltura(int32_t altura) {
    const int32_t r = altura % 12;
    return r <= 0 ? r + 12 : r;
}

class RestricaoAcordes {
public:
    // A candidate: one fret per string, index 0 = lowest-pitched string, -1 muted.
    using Casas = std::span<const int32_t>;

    static constexpr int32_t kMaximoDedos = 4;
    static constexpr int32_t kMinimoCordasSoando = 4;

    RestricaoAcordes();

    bool isOmitirQuinta() const { return omitirQuinta; }
    bool isOmitirTerca() const { return omitirTerca; }
    bool isPermitirUnissono() const { return permitirUnissono; }
    bool isPermitirSegundaMenor() const { return permitirSegundaMenor; }
    int32_t getModoCordas() const { return modoCordas; }
    int32_t getMinimoComponentes() const { return minimoComponentes; }
    int32_t getMaximoRepeticoes(int32_t i) const;
    std::vector<std::string> getMascaras() const { return mascaras; }

    // All the rules, in the order the generator applies them.
    bool aceita(Casas casas, const std::vector<int32_t>& afinacao, int32_t numeroCasas, const TonsAcorde& tons) const;

    // Fingers the candidate needs; a barre on its lowest fret counts once.
    static int32_t dedosNecessarios(Casas casas, int32_t numeroCasas);
    // Enough strings and components sound, none doubled beyond its limit.
    bool completo(Casas casas, const std::vector<int32_t>& afinacao, const TonsAcorde& tons) const;
    static bool temUnissono(Casas casas, const std::vector<int32_t>& afinacao);
    static bool temSegundaMenor(Casas casas, const std::vector<int32_t>& afinacao);
    // Some mask matches the muted strings exactly.
    bool usoCordasPermitido(Casas casas) const;

private:
    bool omitirQuinta;
    bool omitirTerca;
    bool permitirUnissono;
    bool permitirSegundaMenor;
    int32_t modoCordas;
    int32_t minimoComponentes;
    std::vector<int32_t> maximoRepeticoes;
    std::vector<std::string> mascaras;
};
