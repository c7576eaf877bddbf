#pragma once
// Which finger of the fretting hand stops each fretted string of a fingering.
//
// Every admissible assignment of the fingers 1 (index) to 4 (little finger) is
// listed, the index finger allowed to lie flat across the lowest fret (a barre),
// from the most natural assignment to the least natural one.
#include <cstddef>
#include <cstdint>
#include <vector>

class Fingering {
public:
    // casas: one fret per string, index 0 = lowest-pitched string (-1 muted,
    // 0 open). Frets from 1 to numeroCasas are fretted notes; anything above is
    // treated as not fretted and keeps finger 0.
    Fingering(const std::vector<int32_t>& casas, int32_t numeroCasas);
    // The same with the current instrument's fret count; while there is no
    // current instrument no fret counts as beyond the neck.
    explicit Fingering(const std::vector<int32_t>& casas);

    // The assignments in order of effort, each one finger per string (0 = no
    // finger). Empty when the frets cannot be fingered.
    const std::vector<std::vector<int32_t>>& getAtribuicoes() const { return atribuicoes; }
    bool temPestana() const { return pestana; }

private:
    struct Nota {
        int32_t corda;
        int32_t casa;
    };

    void calcular(const std::vector<int32_t>& casas);
    bool testarPestana(const std::vector<int32_t>& casas) const;
    void enumerar(const std::vector<Nota>& notas, std::size_t indice, int32_t dedoAnterior, std::vector<int32_t>& dedos,
                  std::vector<std::vector<int32_t>>& resultado) const;
    bool ehNota(int32_t casa) const { return casa > 0 && casa < limiteCasas; }

    std::vector<std::vector<int32_t>> atribuicoes;
    bool pestana = false;
    int32_t limiteCasas;
    int32_t ultimaCorda;
    int32_t numeroCordas;
};
