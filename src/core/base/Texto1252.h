#pragma once
// Text in the core is Windows-1252 bytes, as in the files. This is the one
// place that converts it to and from Unicode (UTF-8) at the boundaries: the
// windows, the command line and JSON.
#include <optional>
#include <string>
#include <string_view>

namespace texto1252 {

// Every Windows-1252 byte maps to a character; the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
std::string paraUtf8(std::string_view cp1252);

// Nothing when the text is not valid UTF-8 or holds a character that
// Windows-1252 lacks.
std::optional<std::string> deUtf8(std::string_view utf8);

// Letter case folded: ASCII capitals and the accented capitals of
// Windows-1252 (not the multiplication sign); the few others (Š, Œ, Ž, Ÿ)
// never occur in names.
std::string minusculas(std::string_view texto);
// Equal without regard to letter case, as minusculas folds it.
bool iguaisSemCaixa(std::string_view a, std::string_view b);

}  // namespace texto1252
