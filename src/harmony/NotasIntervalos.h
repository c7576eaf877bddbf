#pragma once
// The musical vocabulary every part of the program speaks: written note names,
// interval degrees, the chord code and the transposition direction. Tables only.
#include <cstdint>

// A written note name 0..16 (sharps and flats both), see kNotas.
using IndiceNota = int32_t;
// An interval degree 0..21 above the root: d + 1 semitones below 11, d + 2 from
// 11 on (the octave itself has no degree).
using IndiceGrau = int32_t;
// Root in bits 31..27, one bit per stored degree d at bit 26 - d, bass + 1 in
// bits 4..0 (0 = no bass apart from the root).
using CodigoAcorde = uint32_t;
// 0 up (naturals and sharps), 1 down (naturals and flats); any other value
// leaves a chord where it is.
using DirecaoTransposicao = int32_t;

inline constexpr DirecaoTransposicao kTransporAcima = 0;
inline constexpr DirecaoTransposicao kTransporAbaixo = 1;

inline constexpr IndiceNota kSemNota = -1;
inline constexpr int kNumeroNotas = 17;
inline constexpr int kNumeroClasses = 12;
inline constexpr int kNumeroGraus = 22;

struct LinhaNota {
    const char* nome;
    int classe;          // pitch class, C = 0
    IndiceNota acima;    // one semitone up: always a natural or a sharp
    IndiceNota abaixo;   // one semitone down: always a natural or a flat
};

inline constexpr LinhaNota kNotas[kNumeroNotas] = {
    {"C", 0, 1, 16},    //  0
    {"C#", 1, 3, 0},    //  1
    {"Db", 1, 3, 0},    //  2
    {"D", 2, 4, 2},     //  3
    {"D#", 3, 6, 3},    //  4
    {"Eb", 3, 6, 3},    //  5
    {"E", 4, 7, 5},     //  6
    {"F", 5, 8, 6},     //  7
    {"F#", 6, 10, 7},   //  8
    {"Gb", 6, 10, 7},   //  9
    {"G", 7, 11, 9},    // 10
    {"G#", 8, 13, 10},  // 11
    {"Ab", 8, 13, 10},  // 12
    {"A", 9, 14, 12},   // 13
    {"A#", 10, 16, 13}, // 14
    {"Bb", 10, 16, 13}, // 15
    {"B", 11, 0, 15},   // 16
};

// Pitch class to note name: naturals and sharps only.
inline constexpr IndiceNota kNotaSustenidoDaClasse[kNumeroClasses] = {0, 1, 3, 4, 6, 7, 8, 10, 11, 13, 14, 16};

// Degree numbers the rest of the program names.
namespace grau {
inline constexpr IndiceGrau kNonaMenorBaixa = 0;   // 1 semitone, stored as kNonaMenor
inline constexpr IndiceGrau kNonaBaixa = 1;        // 2 semitones, stored as kNona
inline constexpr IndiceGrau kTercaMenor = 2;
inline constexpr IndiceGrau kTercaMaior = 3;
inline constexpr IndiceGrau kQuarta = 4;
inline constexpr IndiceGrau kQuintaDiminuta = 5;
inline constexpr IndiceGrau kQuinta = 6;
inline constexpr IndiceGrau kQuintaAumentada = 7;
inline constexpr IndiceGrau kSexta = 8;            // also the diminished seventh
inline constexpr IndiceGrau kSetimaMenor = 9;
inline constexpr IndiceGrau kSetimaMaior = 10;
inline constexpr IndiceGrau kNonaMenor = 11;
inline constexpr IndiceGrau kNona = 12;
inline constexpr IndiceGrau kNonaAumentada = 13;
inline constexpr IndiceGrau kDecimaMaior = 14;     // folded onto kTercaMaior
inline constexpr IndiceGrau kDecimaPrimeira = 15;
inline constexpr IndiceGrau kDecimaPrimeiraAumentada = 16;
inline constexpr IndiceGrau kDecimaSegunda = 17;   // folded onto kQuinta
inline constexpr IndiceGrau kDecimaTerceiraMenor = 18;
inline constexpr IndiceGrau kDecimaTerceira = 19;
inline constexpr IndiceGrau kDecimaQuartaMenor = 20;  // folded onto kSetimaMenor
inline constexpr IndiceGrau kDecimaQuartaMaior = 21;  // folded onto kSetimaMaior
}  // namespace grau

struct LinhaGrau {
    int semitons;               // above the root
    IndiceGrau armazenadoComo;  // the degree whose bit a chord code holds
};

inline constexpr LinhaGrau kGraus[kNumeroGraus] = {
    {1, 11},  {2, 12},  {3, 2},   {4, 3},   {5, 4},   {6, 5},   {7, 6},   {8, 7},
    {9, 8},   {10, 9},  {11, 10}, {13, 11}, {14, 12}, {15, 13}, {16, 3},  {17, 15},
    {18, 16}, {19, 6},  {20, 18}, {21, 19}, {22, 9},  {23, 10},
};

// The sixteen degrees a chord code can hold, ascending.
inline constexpr IndiceGrau kGrausArmazenados[16] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 18, 19};
