#pragma once
// A named scale: for each degree, in the order it is laid out and played, its
// distance in semitones above the key's root. The list is kept exactly as
// read (not sorted, not reduced modulo 12, duplicates allowed): the position
// generator reads a step up or down from consecutive entries.
#include <cstdint>
#include <string>
#include <vector>

class Escala {
public:
    Escala() = default;
    Escala(std::string nome, std::vector<int32_t> frequencia);
    Escala(const Escala& outra) = default;
    virtual ~Escala() = default;

    // Equal when the offset lists are equal entry by entry; names do not count.
    virtual bool operator==(const Escala& outra) const;
    virtual Escala& operator=(const Escala& outra);
    // By pointer: a null pointer is never equal.
    virtual bool igual(const Escala* outra) const;
    virtual bool diferente(const Escala* outra) const;
    // The order of the scale list: by name, naturals before accidentals at the
    // second byte (see menorNome).
    virtual bool menorQue(const Escala* outra) const;

    std::string getNome() const { return nome; }
    std::vector<int32_t> getFrequencia() const { return frequencia; }
    void setNome(const std::string& novo) { nome = novo; }
    void setFrequencia(const std::vector<int32_t>& nova) { frequencia = nova; }

    // Bytes compared as signed values (accented letters sort before ASCII),
    // the terminating zero included. At the second byte a "#" or "b" loses
    // against anything else, so "C" and "Cm" come before "C#" and "Cb".
    static bool menorNome(const std::string& a, const std::string& b);

private:
    std::string nome;
    std::vector<int32_t> frequencia;
};
