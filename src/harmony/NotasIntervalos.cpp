#include "harmony/NotasIntervalos.h"

// The tables are data; these checks keep the relations the chord code relies on
// from being broken by a mistyped row.
namespace {

constexpr bool naturalOuSustenido(IndiceNota n) { return kNotas[n].nome[1] != 'b'; }
constexpr bool naturalOuBemol(IndiceNota n) { return kNotas[n].nome[1] != '#'; }

constexpr bool colunasCoerentes() {
    for (IndiceNota n = 0; n < kNumeroNotas; ++n) {
        const LinhaNota& l = kNotas[n];
        if (kNotas[l.acima].classe != (l.classe + 1) % kNumeroClasses || !naturalOuSustenido(l.acima)) return false;
        if (kNotas[l.abaixo].classe != (l.classe + kNumeroClasses - 1) % kNumeroClasses || !naturalOuBemol(l.abaixo))
            return false;
    }
    for (int c = 0; c < kNumeroClasses; ++c) {
        const IndiceNota n = kNotaSustenidoDaClasse[c];
        if (kNotas[n].classe != c || !naturalOuSustenido(n)) return false;
    }
    return true;
}

constexpr bool armazenado(IndiceGrau d) {
    for (IndiceGrau a : kGrausArmazenados) {
        if (a == d) return true;
    }
    return false;
}

constexpr bool grausCoerentes() {
    for (IndiceGrau d = 0; d < kNumeroGraus; ++d) {
        if (kGraus[d].semitons != (d < 11 ? d + 1 : d + 2)) return false;
        const IndiceGrau a = kGraus[d].armazenadoComo;
        // Folding keeps the pitch class and lands on a degree that stores as itself.
        if (!armazenado(a) || kGraus[a].armazenadoComo != a) return false;
        if (kGraus[a].semitons % 12 != kGraus[d].semitons % 12) return false;
        if (armazenado(d) != (a == d)) return false;
    }
    return true;
}

static_assert(colunasCoerentes(), "note-name table: a transposition column is broken");
static_assert(grausCoerentes(), "degree table: a row does not fold onto a stored degree of the same pitch class");

}  // namespace
