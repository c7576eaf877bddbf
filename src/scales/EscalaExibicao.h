#pragma once
// One way of playing a scale on the neck, ready for the fretboard view and
// playback: per note (in degree order) its fret, string, left-hand finger and
// right-hand finger.
#include <cstdint>
#include <vector>

class EscalaExibicao {
public:
    // Left-hand fingers: 1 index .. 4 little finger, 0 an open string.
    // Right-hand fingers: an index into "PIMA" (0 thumb .. 3 ring).
    EscalaExibicao() = default;
    EscalaExibicao(std::vector<int32_t> casas, std::vector<int32_t> cordas, std::vector<int32_t> dedos,
                   std::vector<int32_t> dedosMaoDireita);
    EscalaExibicao(const EscalaExibicao&) = default;
    EscalaExibicao& operator=(const EscalaExibicao&) = default;
    virtual ~EscalaExibicao() = default;

    // Frets, strings, right-hand and left-hand fingers all equal; the cached
    // difficulty takes no part.
    virtual bool operator==(const EscalaExibicao& outra) const;
    // By pointer: a null pointer is never equal.
    virtual bool igual(const EscalaExibicao* outra) const;
    virtual bool diferente(const EscalaExibicao* outra) const;

    // Easier first: the order of the generator's result.
    bool operator<(const EscalaExibicao& outra) const { return getDificuldade() < outra.getDificuldade(); }

    std::vector<int32_t> getCasas() const { return casas; }
    std::vector<int32_t> getCordas() const { return cordas; }
    std::vector<int32_t> getDedos() const { return dedos; }
    std::vector<int32_t> getDedosMaoDireita() const { return dedosMaoDireita; }
    int32_t numeroNotas() const { return static_cast<int32_t>(casas.size()); }

    // 100 per fret between the lowest and the highest fret of the whole
    // position, plus the fret spread on each string. Open strings count as
    // fret 0, so open notes beside high frets rate as a wide position.
    // Computed on first request and kept.
    int32_t getDificuldade() const;

    static int32_t calcularDificuldade(const std::vector<int32_t>& casas, const std::vector<int32_t>& cordas);

private:
    mutable int32_t dificuldade = -1;
    std::vector<int32_t> casas;
    std::vector<int32_t> cordas;
    std::vector<int32_t> dedos;
    std::vector<int32_t> dedosMaoDireita;
};
