#pragma once
// One line of a chord sheet: a chord line (chord symbols above the lyrics)
// or a lyric line (chords, if any, in square brackets inside the words); the
// chords it offers for import, and its rewriting by a transposition. Chord
// symbols are recognised by the interpreter in the current language's notation.
#include <string>
#include <string_view>
#include <vector>

#include "harmony/NotasIntervalos.h"
#include "import/TokensCifra.h"

enum class TipoLinha { Acordes, Letra };

// A piece of the line to be replaced, at its place in the original line.
struct Substituicao {
    size_t inicio;
    size_t tamanho;
    std::string texto;
    bool operator==(const Substituicao&) const = default;
};

namespace linhaCifra {

// True when the chord-symbol interpreter reads the text, in the current notation.
bool ehCifra(const std::string& texto);

// A lyric line holds a candidate token that is not a chord symbol; every other
// line (all candidates chords, or no candidate at all) is a chord line.
TipoLinha classificar(std::string_view linha);

// Where the line's chords are: every token of a chord line (texts that are
// not chords too: the print list refuses them), the bracket texts of a lyric line.
std::vector<tokensCifra::Trecho> trechosAcordes(std::string_view linha);
std::vector<std::string> acordes(std::string_view linha);

// Each chord of the line transposed; texts the interpreter refuses are left out,
// so they stay as written.
std::vector<Substituicao> substituicoesTransposicao(std::string_view linha, int semitons,
                                                    DirecaoTransposicao direcao);

// Applies replacements given in original positions, left to right: the rest of
// the line moves by the accumulated difference in length.
std::string aplicar(std::string_view linha, const std::vector<Substituicao>& substituicoes);

std::string transpor(std::string_view linha, int semitons, DirecaoTransposicao direcao);

}  // namespace linhaCifra
