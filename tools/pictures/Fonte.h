#pragma once
// A 5x7 dot font for the words drawn into the pictures, Windows-1252 coded.
// Accented letters are the plain letter with its mark drawn above (or the
// cedilla below), so the two rows above and the two below the letter belong
// to the glyph too.
#include <cstdint>

namespace fonte {

constexpr int kLargura = 5;    // dots per glyph row
constexpr int kAvanco = 6;     // a glyph and the gap after it
constexpr int kTopo = -2;      // highest row (accents of capitals)
constexpr int kBase = 8;       // lowest row (cedilla)
constexpr int kAlturaLetra = 7;

// True when the dot at column 0..4 and row kTopo..kBase of the character is set.
bool ponto(uint8_t caractere, int coluna, int linha);

}  // namespace fonte
