#pragma once
// One note of a scale position on the neck.
#include <compare>
#include <cstdint>

struct CasaCordaEscala {
    int32_t casa = 0;   // fret; 0 is the open string
    int32_t corda = 0;  // string index into the tuning, 0 = its first (lowest) entry

    auto operator<=>(const CasaCordaEscala&) const = default;
};
