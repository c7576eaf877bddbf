#pragma once
// The harmony expert: reads and writes chord codes, interprets chord symbols in
// the notation of the current language, writes canonical chord names,
// transposes symbols and names the chord that a set of sounding pitches makes.
// It holds no state; one instance serves the whole program.
#include <span>
#include <string>
#include <vector>

#include "harmony/NotasIntervalos.h"

class Especialista {
public:
    static Especialista* getInstancia();

    // --- chord code ---------------------------------------------------------
    IndiceNota getRaiz(CodigoAcorde codigo) const;
    // The bass note name, kSemNota (-1) when the chord has no bass of its own.
    IndiceNota getBaixo(CodigoAcorde codigo) const;
    // Asked for stored degrees (kGrausArmazenados) only.
    bool temGrau(CodigoAcorde codigo, IndiceGrau grau) const;
    // Folds the degree onto the one stored for it, then sets or clears its bit.
    void setGrau(CodigoAcorde& codigo, IndiceGrau grau, bool presente) const;
    // Both OR their note into the code: meant for a code whose root or bass is still unset.
    void setRaiz(CodigoAcorde& codigo, IndiceNota nota) const;
    void setBaixo(CodigoAcorde& codigo, IndiceNota nota) const;
    int getClasseRaiz(CodigoAcorde codigo) const;

    // --- note names ---------------------------------------------------------
    // Note-name operations raise OutOfBoundsException for an index outside 0..16.
    int getClasseNota(IndiceNota nota) const;
    // The natural-or-sharp note name of a pitch (any integer; its class is taken).
    IndiceNota getNotaSustenido(int altura) const;
    std::string getNomeNota(IndiceNota nota) const;
    IndiceNota subirSemitom(IndiceNota nota) const;
    IndiceNota descerSemitom(IndiceNota nota) const;

    // --- chord symbols ------------------------------------------------------
    // Raises DataFormatException (message: the whole symbol) or RaizNaoEncontradaException.
    CodigoAcorde interpretarCifra(const std::string& cifra) const;
    // The note name that the whole text spells, letter case ignored; otherwise
    // RaizNaoEncontradaException.
    IndiceNota lerNota(const std::string& texto) const;
    std::string getNomeAcorde(CodigoAcorde codigo) const;
    // Rewrites only the root and the bass; the rest keeps the user's wording.
    std::string transporCifra(const std::string& cifra, int semitons, DirecaoTransposicao direcao) const;
    bool usaBemol(const std::string& nome) const;

    // --- chord naming -------------------------------------------------------
    // Pitches one per string, lowest string first, -1 for a string not played;
    // the root pitch chosen by the user. RaizNaoEncontradaException without a root.
    CodigoAcorde reconhecerAcorde(const std::vector<int>& notas, int raiz) const;

    // True when the current language uses the Brazilian chord notation.
    static bool notacaoBrasileira();

    // --- the symbol grammar, as data ----------------------------------------
    static constexpr int kMaxTokens = 8;
    static constexpr int kMaxAcoes = 5;
    struct AcaoGrau {
        IndiceGrau grau = -1;  // -1: unused slot
        bool presente = false;
    };
    struct LinhaCifra {
        const char* tokens[kMaxTokens];  // tried in order; unused slots nullptr
        AcaoGrau acoes[kMaxAcoes];
    };
    // The rows in the order the token loop tries them.
    static std::span<const LinhaCifra> tabelaCifra(bool brasileira);
    // Where the token loop stops, and a bass may follow.
    static std::span<const char* const> separadores();

private:
    Especialista() = default;
    CodigoAcorde interpretar(const std::string& cifra, size_t* inicioBaixo) const;
};
