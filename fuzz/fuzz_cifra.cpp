// Chord symbols in both notations: interpretation, canonical names and
// transposition. Beyond not crashing: a symbol that reads also reads after
// transposition, and its canonical name reads back to the same sounding notes.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "AmbienteFuzz.h"
#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"

namespace {

// The pitch classes a chord code sounds: root, every degree present, bass.
std::set<int> classesSoando(const Especialista& e, CodigoAcorde codigo) {
    static const int kSemitons[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
    const int raiz = e.getClasseRaiz(codigo);
    std::set<int> classes = {raiz};
    for (IndiceGrau g : kGrausArmazenados) {
        if (e.temGrau(codigo, g)) classes.insert((raiz + kSemitons[g]) % 12);
    }
    if (e.getBaixo(codigo) >= 0) classes.insert(e.getClasseNota(e.getBaixo(codigo)));
    return classes;
}

// Tones the canonical name leaves unwritten by design, as pitch classes:
// a chord without a third is named without saying so (C5 is named C, and the
// name reads back with a major third); with both sevenths only "7" is
// written; with both altered fifths only "b5"; in the international
// notation "b13" is not written next to the fifth.
std::set<int> naoEscritas(const Especialista& e, CodigoAcorde codigo) {
    const int raiz = e.getClasseRaiz(codigo);
    std::set<int> classes;
    if (!e.temGrau(codigo, grau::kTercaMenor) && !e.temGrau(codigo, grau::kTercaMaior)) classes.insert((raiz + 4) % 12);
    if (e.temGrau(codigo, 9) && e.temGrau(codigo, 10)) classes.insert((raiz + 11) % 12);
    if (e.temGrau(codigo, 5) && e.temGrau(codigo, 7)) classes.insert((raiz + 8) % 12);
    if (!Especialista::notacaoBrasileira() && e.temGrau(codigo, 18) && e.temGrau(codigo, 6)) {
        classes.insert((raiz + 8) % 12);
    }
    return classes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    if (tamanho < 1) return 0;
    AmbienteFuzz& ambiente = AmbienteFuzz::get();
    // The first byte chooses the notation and the transposition.
    const uint8_t controle = dados[0];
    ambiente.usarPortugues(controle & 1);
    const std::string cifra(reinterpret_cast<const char*>(dados + 1), tamanho - 1);
    const Especialista& e = *Especialista::getInstancia();

    CodigoAcorde codigo = 0;
    try {
        codigo = e.interpretarCifra(cifra);
    } catch (const DataFormatException&) {
        return 0;
    } catch (const RaizNaoEncontradaException&) {
        return 0;
    }

    const std::string nome = e.getNomeAcorde(codigo);
    const CodigoAcorde relido = e.interpretarCifra(nome);  // must not raise
    std::set<int> esperadas = classesSoando(e, codigo);
    std::set<int> lidas = classesSoando(e, relido);
    for (int classe : naoEscritas(e, codigo)) {
        esperadas.erase(classe);
        lidas.erase(classe);
    }
    if (lidas != esperadas) {
        std::fprintf(stderr, "canonical name \"%s\" sounds other notes than \"%s\"\n", nome.c_str(), cifra.c_str());
        std::abort();
    }

    const int semitons = (controle >> 1) % 24;
    const DirecaoTransposicao direcao = (controle >> 6) & 1;
    const std::string transposta = e.transporCifra(cifra, semitons, direcao);
    e.interpretarCifra(transposta);  // must not raise
    return 0;
}
