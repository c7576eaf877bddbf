#pragma once
// A whole chord sheet: its lines with the line endings they came with, the
// chords an import offers, the sheet transposed, and pasted tabs turned into
// blanks. Text is Windows-1252.
#include <string>
#include <string_view>
#include <vector>

#include "harmony/NotasIntervalos.h"

struct LinhaFolha {
    std::string texto;
    std::string fim;  // "\r\n", "\n", or "" for a last line without one
    bool operator==(const LinhaFolha&) const = default;
};

namespace folhaCifra {

// A pasted tab becomes this many blanks, so chords keep their place over the lyrics.
inline constexpr int kBrancosPorTabulacao = 2;

std::vector<LinhaFolha> dividir(std::string_view folha);
std::string juntar(const std::vector<LinhaFolha>& linhas);

// Every chord of every line, in order, repeats included: what an import adds.
std::vector<std::string> acordes(std::string_view folha);

// Each line transposed on its own; line endings stay as they were.
std::string transpor(std::string_view folha, int semitons, DirecaoTransposicao direcao);

std::string tabulacoesComoBrancos(std::string_view texto);

}  // namespace folhaCifra
