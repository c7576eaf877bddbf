#pragma once
// A fingering on a fretted string instrument: the fret and the finger of every
// string, and the note the fretboard highlights as the root.
#include <cstdint>
#include <string>
#include <vector>

#include "instruments/PosicaoHarmonica.h"

class PosicaoHarmonicaInstrumentoCordas : public PosicaoHarmonica {
public:
    // Finger values; 1..4 are index to little finger.
    static constexpr int32_t kSemDedo = 0;
    static constexpr int32_t kDedoAbafada = 6;
    static constexpr int32_t kCordaAbafada = -1;

    PosicaoHarmonicaInstrumentoCordas();
    // casas: one fret per string, index 0 = lowest-pitched string (-1 muted,
    // 0 open); dedos: one finger per string (0 none, 6 string marked muted,
    // which forces its fret to -1). Both must have the same length, otherwise
    // OutOfBoundsException.
    PosicaoHarmonicaInstrumentoCordas(const std::string& cifra, const std::vector<int32_t>& casas,
                                      const std::vector<int32_t>& dedos);
    PosicaoHarmonicaInstrumentoCordas(const std::vector<int32_t>& casas, const std::vector<int32_t>& dedos);
    PosicaoHarmonicaInstrumentoCordas(const PosicaoHarmonicaInstrumentoCordas& outra);
    ~PosicaoHarmonicaInstrumentoCordas() override;

    PosicaoHarmonicaInstrumentoCordas* clone() const override;
    // Equal fingerings are equal whatever chord they were made for.
    bool operator==(const Acorde& outro) const override;
    // From another fingering: its chord, then frets, fingers and marked note.
    // From a plain chord: the chord part only.
    PosicaoHarmonicaInstrumentoCordas& operator=(const Acorde& outro) override;
    PosicaoHarmonicaInstrumentoCordas& operator=(const PosicaoHarmonicaInstrumentoCordas& outra);
    bool igual(const Acorde* outro) const override;
    bool diferente(const Acorde* outro) const override;
    // By key, so fingerings have a stable order of their own.
    bool menorQue(const Acorde* outro) const override;
    // (fret + 1) in 4 bits at bit 4*s, (finger + 1) in 3 bits at bit 24 + 3*s,
    // for the first six strings; with at most 14 frets it determines both.
    int64_t getChave() const override;

    std::vector<int32_t> getCasas() const { return casas; }
    std::vector<int32_t> getDedos() const { return dedos; }
    int32_t getNumeroCordas() const { return static_cast<int32_t>(casas.size()); }
    // Replaces the fingers only; the frets stay as they are.
    void setDedos(const std::vector<int32_t>& novos);
    // String s sounds fret f, with no finger yet.
    void setNota(int32_t casa, int32_t corda);
    void abafarCorda(int32_t corda);
    // The string sounds that fret (a string marked muted sounds nothing).
    bool temNota(int32_t casa, int32_t corda) const;
    void setNotaMarcada(int32_t corda, int32_t casa);
    int32_t getCordaMarcada() const { return cordaMarcada; }
    int32_t getCasaMarcada() const { return casaMarcada; }
    int32_t somaCasas() const;
    // One MIDI note per string, -1 for a string that sounds nothing (muted,
    // marked muted, or stopped beyond the neck's numeroCasas).
    std::vector<int32_t> getNotas(const std::vector<int32_t>& afinacao, int32_t numeroCasas) const;
    // The same on the current instrument's neck (no upper limit while there is none).
    std::vector<int32_t> getNotas(const std::vector<int32_t>& afinacao) const;

    // Display order of generated fingerings: the lower frets first.
    static bool menorSomaCasas(const PosicaoHarmonica* a, const PosicaoHarmonica* b);

private:
    void ConstrutorInterno(const std::vector<int32_t>& casas, const std::vector<int32_t>& dedos);
    void verificarCorda(int32_t corda, const char* mensagem) const;
    void calcularChave();

    int64_t chave = 0;
    std::vector<int32_t> casas;
    std::vector<int32_t> dedos;
    int32_t cordaMarcada = -1;
    int32_t casaMarcada = -1;
};
