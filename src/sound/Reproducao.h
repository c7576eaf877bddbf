#pragma once
// What the user hears: a chord strummed string by string and a scale
// position played note by note, as timed sequences on the MIDI output. The
// waits go through the platform (they block the caller; tests use a clock
// that only counts them).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class EscalaExibicao;
class InstrumentoCordas;
class SaidaMIDI;

namespace reproducao {

// Everything is played on channel 1 at full velocity.
constexpr int kCanal = 1;
constexpr int kVelocidade = 127;
constexpr int kEsperaCorda = 160;
constexpr int kEsperaNotaEscala = 1000;
constexpr int kEsperaNotaTeste = 80;

// One pitch per string from the lowest string up, -1 for a string that does
// not sound. Each sounding string: note on, then 160 ms; after the last one
// every note is silenced at once, so the last sounds 160 ms and all end together.
void tocarAcorde(SaidaMIDI& saida, const std::vector<int32_t>& notas);

// One pitch per note of the position in degree order, -1 for a note without
// a fret (skipped). Each note: marcar(i), note on, the wait, note off, desmarcar(i).
void tocarEscala(SaidaMIDI& saida, const std::vector<int32_t>& notas, int esperaMilissegundos = kEsperaNotaEscala,
                 const std::function<void(size_t)>& marcar = {}, const std::function<void(size_t)>& desmarcar = {});

// The pitches tocarEscala plays for a position on an instrument: tuning +
// fret, -1 where the fret is -1 or numeroCasas + 1 or the string is not on
// the instrument.
std::vector<int32_t> notasEscala(const EscalaExibicao& posicao, const InstrumentoCordas& instrumento);

// The device test: pitches 60 to 83 ascending, 80 ms apart, then silence.
void tocarTesteDispositivo(SaidaMIDI& saida);

}  // namespace reproducao
