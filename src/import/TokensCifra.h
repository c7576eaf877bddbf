#pragma once
// The pieces of a chord sheet's line that may be chord symbols: tokens
// between separators, the words that mark song parts and repeats (never
// chords), and chord symbols written in square brackets inside lyrics.
// Positions are byte offsets into the line (Windows-1252, one byte a character).
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tokensCifra {

// Only this many characters of a line are classified and searched for chords.
inline constexpr size_t kMaxCaracteresLinha = 500;
// Longer texts in brackets are remarks, not chords.
inline constexpr size_t kMaxCaracteresColchete = 16;
// A skip word counts only within a token's first characters.
inline constexpr size_t kCaracteresPalavraIgnorada = 16;

inline constexpr std::string_view kSeparadores = " []\n\r\t";

// Song parts, key indications and repeat counts, in lower case.
inline constexpr std::array<std::string_view, 11> kPalavrasIgnoradas = {
    "tom", "tone", "intro", "ref", "repeat", "repet", "2x", "3x", "4x", "5x", "6x"};

struct Trecho {
    size_t inicio;
    size_t tamanho;
    bool operator==(const Trecho&) const = default;
};

// The part of the line that is searched: its first kMaxCaracteresLinha characters.
std::string_view parteExaminada(std::string_view linha);

// The tokens of the searched part, left to right. A token cut by the
// character limit is left out whole: its visible half could spell another chord.
std::vector<Trecho> tokens(std::string_view linha);

// True when the token's first characters hold a skip word in any letter case.
bool temPalavraIgnorada(std::string_view token);
// A token worth handing to the chord-symbol interpreter: no skip word, and
// at least one letter A-Z (bar lines, numbers and dashes are not).
bool ehCandidato(std::string_view token);

// The texts in square brackets of the searched part: each "]" after some "["
// closes the text from the most recent "[" on; texts longer than
// kMaxCaracteresColchete are left out.
std::vector<Trecho> textosEntreColchetes(std::string_view linha);

inline std::string_view texto(std::string_view linha, Trecho t) { return linha.substr(t.inicio, t.tamanho); }

}  // namespace tokensCifra
