#pragma once
// Something that finds every playable fingering of a chord.
#include <cstdint>
#include <string>

#include "core/base/ColecaoPtr.h"
#include "instruments/PosicaoHarmonica.h"

class Gerador {
public:
    virtual ~Gerador() = default;

    // Pitch classes 1..12 with C as 12: the root, the third and fifth (the root
    // when the chord lacks them), the seventh-slot tone (0 when none), the bass
    // (the root when none of its own) and up to six extension tones. The
    // positions are named nome and come in the order they were found.
    virtual ColecaoPtr<PosicaoHarmonica> gerar(const std::string& nome, int32_t tonica, int32_t terca,
                                               int32_t quinta, int32_t setima, int32_t baixo,
                                               const int32_t* extensoes, int32_t nExtensoes) = 0;
};
