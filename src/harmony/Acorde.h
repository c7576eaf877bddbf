#pragma once
// A chord: its harmonic content (the chord code) and the name it is shown by.
// Root of the class tree of everything that sounds as a chord; fingerings
// derive from it and override the element protocol that ColecaoPtr uses.
#include <string>

#include "harmony/NotasIntervalos.h"

class Acorde {
public:
    // Code 0 and an empty name.
    Acorde();
    // Named with the canonical name of the code in the notation of the current language.
    explicit Acorde(CodigoAcorde codigo);
    // The name as given, code 0: a name is not parsed here (the chord manager
    // keeps the codes of named chords itself).
    explicit Acorde(const std::string& nome);
    Acorde(const Acorde& outro) = default;

    virtual ~Acorde();
    virtual Acorde* clone() const;
    // Chords are the same chord when their codes are equal; names do not count.
    virtual bool operator==(const Acorde& outro) const;
    virtual Acorde& operator=(const Acorde& outro);
    virtual bool igual(const Acorde* outro) const;
    virtual bool diferente(const Acorde* outro) const;
    // The chord-name order (see menorNome).
    virtual bool menorQue(const Acorde* outro) const;

    std::string getNome() const { return nome; }
    CodigoAcorde getCodigo() const { return codigo; }
    void setNome(const std::string& novo) { nome = novo; }
    void setCodigo(CodigoAcorde novo) { codigo = novo; }

    // The order of chord names in the chord list: bytes compared as signed
    // characters, except that at the second position a natural root letter sorts
    // before the same letter with "#" or "b" (C7(9) before C#, Cm before Cb).
    static bool menorNome(const std::string& a, const std::string& b);

protected:
    CodigoAcorde codigo;
    std::string nome;
};
