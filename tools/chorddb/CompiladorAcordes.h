#pragma once
// The chord database compiler: reads the readable source of the chord list
// (data/chords) and writes the binary records the program loads at start-up.
//
// Source, UTF-8, one statement per line; a word starting with '#' begins a
// comment. Three kinds of section:
//
//   [chords]      NAME  f f f f f f  d d d d d d
//                 one fingering: six frets and six fingers, lowest string first.
//                 Frets: x muted, 0 open, 1..12 stopped. Fingers: 0 open,
//                 1..4 index to little finger, x (or 6) muted.
//   [shapes]      NAME  f f f f f f  d d d d d d  TARGET...
//                 a movable shape (no open string) written once on the root of
//                 NAME and moved by the compiler to every target: a root
//                 ("F#"), a root with its bass for a slash chord ("E/G#"), or
//                 "*" for all seventeen root spellings. Each target gets the
//                 lowest place on the neck where the shape fits; with "*" a
//                 root whose place would pass the last fret is left out.
//   [names LANG]  SUFFIX  SUFFIX
//                 how the suffix of a name (what follows the root, before a
//                 "/bass") is written in the database of language LANG; "."
//                 is the empty suffix. Names in the other sections are
//                 written in the Brazilian notation.
//
// Record (multi-byte values little-endian), 10 + n bytes:
//   u16 record number in the file (the program skips it)
//   u8  n, name length 1..30, then n bytes of Windows-1252 name
//   u8  mask of the strings that sound, bit i = string i (skipped by the program)
//   3 bytes of frets, 4 bits per string, string 0 in the low nibble
//   3 bytes of fingers, 3 bits per string, even string in bits 0..2, odd in 3..5
// A muted string is written as fret 0 with finger 6.
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace chorddb {

inline constexpr int kCordas = 6;
inline constexpr int kMaxNome = 30;
inline constexpr int kCasasPadrao = 12;
inline constexpr int kAbafada = -1;
inline constexpr int kDedoAbafada = 6;

// An error in the source, with the line it was found on (0: the file as a whole).
class ErroFonte : public std::runtime_error {
public:
    ErroFonte(int linha, const std::string& mensagem) : std::runtime_error(mensagem), linha(linha) {}
    int linha;
};

struct Dedilhado {
    std::string nome;  // as it goes into the file: Windows-1252, in the chosen language
    std::array<int, kCordas> casas{};
    std::array<int, kCordas> dedos{};
    int linha = 0;     // source line it came from
};

struct OpcoesCompilacao {
    std::string idioma;            // empty: the names as written in the source
    int numeroCasas = kCasasPadrao;  // the last fret a fingering may use
};

// Every fingering of the source, grouped by chord in the order the chords first
// appear, each chord's fingerings from the lowest position up the neck (the
// source order decides between fingerings that start on the same fret).
std::vector<Dedilhado> compilar(const std::string& fonte, const OpcoesCompilacao& opcoes);

// The records of the fingerings, in the given order.
std::string codificar(const std::vector<Dedilhado>& dedilhados);

}  // namespace chorddb
