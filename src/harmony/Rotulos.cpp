#include "harmony/Rotulos.h"

#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"

namespace {

int classe(int valor) { return ((valor % 12) + 12) % 12; }

// Floor division, so a pitch below 0 would not share octave 0 with 0..11.
int oitava(int altura) { return altura >= 0 ? altura / 12 : -((-altura + 11) / 12); }

const char* const* tonalidades() {
    return Especialista::notacaoBrasileira() ? rotulos::kTonalidadesPortugues : rotulos::kTonalidadesOutras;
}

}  // namespace

std::string nomeNotaSustenido(int altura) { return rotulos::kNotasSustenido[classe(altura)]; }

std::string nomeNotaBemol(int altura) { return rotulos::kNotasBemol[classe(altura)]; }

std::string nomeIntervalo(int semitons) { return rotulos::kIntervalos[classe(semitons)]; }

std::string nomeNotaOitava(int altura) { return nomeNotaSustenido(altura) + " " + std::to_string(oitava(altura)); }

int numeroTonalidades() { return 12; }

std::string nomeTonalidade(int indice) {
    if (indice < 0 || indice >= numeroTonalidades()) {
        throw OutOfBoundsException("Indice inv\xE1lido", indice, "Rotulos", "nomeTonalidade(int)");
    }
    return tonalidades()[indice];
}

int indiceTonalidade(const std::string& nome) {
    const char* const* tabela = tonalidades();
    for (int i = 0; i < numeroTonalidades(); ++i) {
        if (nome == tabela[i]) return i;
    }
    return -1;
}
