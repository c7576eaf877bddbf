#pragma once
// Texts that the screen, the fretboard and the printed sheets put on notes,
// intervals and keys. All plain ASCII.
#include <string>

namespace rotulos {
inline constexpr const char* kNotasSustenido[12] = {"C", "C#", "D", "D#", "E", "F",
                                                    "F#", "G", "G#", "A", "A#", "B"};
inline constexpr const char* kNotasBemol[12] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
// By semitone distance mod 12.
inline constexpr const char* kIntervalos[12] = {"T", "b9", "9", "3m", "3M", "4", "b5", "5", "#5", "6", "7", "7M"};
inline constexpr const char* kTonalidadesPortugues[12] = {"C", "C# ou Db", "D", "D# ou Eb", "E", "F",
                                                          "F# ou Gb", "G", "G# ou Ab", "A", "A# ou Bb", "B"};
inline constexpr const char* kTonalidadesOutras[12] = {"C", "C# or Db", "D", "D# or Eb", "E", "F",
                                                       "F# or Gb", "G", "G# or Ab", "A", "A# or Bb", "B"};
}  // namespace rotulos

// Each takes any integer: its class mod 12 (never negative) is used.
std::string nomeNotaSustenido(int altura);
std::string nomeNotaBemol(int altura);
std::string nomeIntervalo(int semitons);
// The sharp name, a blank and the octave number altura div 12: 60 is "C 5".
std::string nomeNotaOitava(int altura);

int numeroTonalidades();
// In the language's own words: Portuguese for "Português (Brasil)", English
// otherwise. An index outside 0..11 raises OutOfBoundsException.
std::string nomeTonalidade(int indice);
// The index whose key name equals nome exactly; -1 for a name of no key.
int indiceTonalidade(const std::string& nome);
