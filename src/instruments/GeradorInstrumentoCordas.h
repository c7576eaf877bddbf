#pragma once
// Every playable fingering of a chord on a fretted string instrument.
//
// Fret combinations are enumerated string by string inside the hand span, the
// playability rules keep the ones a player would use, and each survivor gets
// its most natural finger assignment. The order of the result is the
// enumeration order, which the chord manager and the window rely on.
#include <memory>
#include <optional>
#include <vector>

#include "harmony/NotasIntervalos.h"
#include "instruments/Gerador.h"
#include "instruments/InstrumentoCordas.h"
#include "instruments/RestricaoAcordes.h"

class GeradorInstrumentoCordas : public Gerador {
public:
    // Generates for the instrument manager's current instrument, read afresh
    // at every run (nothing is generated while there is none).
    GeradorInstrumentoCordas();
    // Generates for a copy of the given instrument, whatever is current.
    explicit GeradorInstrumentoCordas(const InstrumentoCordas& instrumento);
    ~GeradorInstrumentoCordas() override;

    static GeradorInstrumentoCordas* getInstancia();

    // The chord tones of the code, named by its canonical name in the notation
    // of the current language.
    ColecaoPtr<PosicaoHarmonica> gerar(CodigoAcorde codigo);
    ColecaoPtr<PosicaoHarmonica> gerar(const std::string& nome, int32_t tonica, int32_t terca, int32_t quinta,
                                       int32_t setima, int32_t baixo, const int32_t* extensoes,
                                       int32_t nExtensoes) override;

    // The tones a chord code sounds. Extension tones beyond the sixth are left out.
    static TonsAcorde tonsDoCodigo(CodigoAcorde codigo);

    // The frets of every fingering the rules accept, in enumeration order,
    // before finger assignment.
    std::vector<std::vector<int32_t>> candidatosAceitos(const TonsAcorde& tons);

    const RestricaoAcordes& getRestricao() const { return *restricao; }

private:
    using Candidatos = std::vector<std::vector<int32_t>>;

    bool lerInstrumento();
    // Every candidate with its bass on tom, appended to aceitos when the rules pass it.
    void porBaixo(int32_t tom, Candidatos& aceitos);
    // Strings from corda up, given the strings below it.
    void completar(int32_t corda, int32_t soando, Candidatos& aceitos);
    void decidir(int32_t corda, int32_t casa, int32_t soando, Candidatos& aceitos);

    std::unique_ptr<RestricaoAcordes> restricao;
    std::string nome;
    TonsAcorde tons;
    int32_t numeroCordas = 0;
    int32_t ultimaCorda = -1;
    int32_t numeroCasas = 0;
    int32_t distancia = 0;
    std::vector<int32_t> afinacao;

    std::optional<InstrumentoCordas> instrumentoFixo;
    // The candidate being built; strings above the one being decided are unused.
    std::vector<int32_t> candidato;
    // Which string-use masks still match the strings decided so far: bit m for
    // mask m, one entry per number of decided strings.
    std::vector<uint32_t> mascarasVivas;
    std::vector<uint32_t> mascarasSeAbafada;
    std::vector<uint32_t> mascarasSeSoando;
};
