#pragma once
// One way of playing a chord on some instrument. A position is a chord: it
// carries the chord it plays. Abstract: the string-instrument position is the
// only kind there is, and every part of the element protocol is its own.
#include <cstdint>

#include "harmony/Acorde.h"

class PosicaoHarmonica : public Acorde {
public:
    PosicaoHarmonica() = default;
    explicit PosicaoHarmonica(const std::string& nome) : Acorde(nome) {}
    PosicaoHarmonica(const PosicaoHarmonica&) = default;
    ~PosicaoHarmonica() override = default;

    PosicaoHarmonica* clone() const override = 0;
    bool operator==(const Acorde& outro) const override = 0;
    PosicaoHarmonica& operator=(const Acorde& outro) override = 0;
    bool igual(const Acorde* outro) const override = 0;
    bool diferente(const Acorde* outro) const override = 0;
    bool menorQue(const Acorde* outro) const override = 0;

    // Identity of the fingering itself; the chord it plays is not part of it.
    virtual int64_t getChave() const = 0;

protected:
    PosicaoHarmonica& operator=(const PosicaoHarmonica&) = default;
};
