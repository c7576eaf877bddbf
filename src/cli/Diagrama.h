#pragma once
// Text drawings shared by the subcommands that show fingerings.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// The numbers separated by blanks.
std::string listaNumeros(const std::vector<int32_t>& valores);

// A chord box, lowest string on the left: "x" muted, "o" open above the nut,
// then one row per fret with the finger on the string that is stopped there.
// Low fingerings hang from the nut; higher ones start at their lowest fret.
void desenharDiagrama(std::ostream& saida, const std::vector<int32_t>& casas, const std::vector<int32_t>& dedos);

}  // namespace cli
