#pragma once
// A fretted string instrument: what fingering generation, the neck view,
// playback, printing and scale positions all work on.
#include <cstdint>
#include <string>
#include <vector>

class InstrumentoCordas {
public:
    // All eight fields, in their stored order. afinacao holds one open-string
    // MIDI pitch per string, index 0 being the lowest-pitched string.
    InstrumentoCordas(std::string nome, std::string descricao, int32_t numeroCordas, int32_t numeroCasas,
                      int32_t distancia, int32_t som, std::vector<int32_t> afinacao, bool usaBaseAcordes);
    InstrumentoCordas(const InstrumentoCordas& outro);
    virtual ~InstrumentoCordas() = default;

    // Value equality: name, strings, frets, span, sound and the whole tuning.
    // The description and usaBaseAcordes do not take part.
    virtual bool equals(const InstrumentoCordas& outro) const;
    // Like equals without the name; the sound is compared only when
    // ignorarSom is false.
    virtual bool mesmaConfiguracao(const InstrumentoCordas& outro, bool ignorarSom) const;
    // By pointer: a null pointer is never equal.
    virtual bool operator==(const InstrumentoCordas* outro) const;
    virtual bool operator!=(const InstrumentoCordas* outro) const;
    // Copies every field, usaBaseAcordes included.
    virtual InstrumentoCordas& operator=(const InstrumentoCordas& outro);

    std::string getName() const { return nome; }
    std::string getDescricao() const { return descricao; }
    int32_t getNumeroCordas() const { return numeroCordas; }
    int32_t getNumeroCasas() const { return numeroCasas; }
    int32_t getDistancia() const { return distancia; }
    int32_t getSom() const { return som; }
    std::vector<int32_t> getAfinacao() const { return afinacao; }
    bool isUsaBaseAcordes() const { return usaBaseAcordes; }
    // Only ever switches the flag on: an instrument found to have the standard
    // guitar's configuration keeps the ready-made chord fingerings.
    void setUsaBaseAcordes() { usaBaseAcordes = true; }

private:
    std::string nome;
    std::string descricao;
    int32_t numeroCordas;
    int32_t numeroCasas;
    int32_t distancia;
    int32_t som;
    std::vector<int32_t> afinacao;
    bool usaBaseAcordes;
};
