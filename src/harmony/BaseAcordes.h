#pragma once
// The ready-made chord list: every chord with its stored fingerings, and the
// list of their names at the same positions (the chord combo box is filled
// from that list object).
#include <functional>
#include <string>
#include <vector>

#include "core/base/ColecaoPtr.h"
#include "harmony/Acorde.h"
#include "harmony/AcordeComposto.h"
#include "instruments/PosicaoHarmonica.h"

// An ordered list of chord names.
class ListaNomes {
public:
    using Comparacao = std::function<bool(const std::string&, const std::string&)>;

    void adicionar(const std::string& nome) { nomes.push_back(nome); }
    int tamanho() const { return static_cast<int>(nomes.size()); }
    // OutOfBoundsException for a position outside the list.
    const std::string& get(int posicao) const;
    // The first position whose name equals texto without regard to letter
    // case, -1 when there is none.
    int encontrar(const std::string& texto) const;
    void ordenar(const Comparacao& menor);
    void limpar() { nomes.clear(); }

    std::vector<std::string>::const_iterator begin() const { return nomes.begin(); }
    std::vector<std::string>::const_iterator end() const { return nomes.end(); }


private:
    friend class BaseAcordes;
    std::vector<std::string> nomes;
};

class BaseAcordes {
public:
    BaseAcordes();
    virtual ~BaseAcordes();
    BaseAcordes(const BaseAcordes&) = delete;
    BaseAcordes& operator=(const BaseAcordes&) = delete;

    // Fills the list, empty until then, from the file at caminho.
    virtual void carregarBase(const std::string& caminho) = 0;

    // The name list itself; it changes only together with the chords.
    const ListaNomes& getNomes() const { return nomes; }
    int tamanho() const { return acordes.size(); }
    // The chord at that position, an AcordeComposto (OutOfBoundsException
    // "Indice inválido" for a bad position).
    Acorde* getAcorde(int indice) const;
    AcordeComposto* getAcordeComposto(int indice) const;
    // Appends a copy of the chord (a plain chord becomes a chord without
    // fingerings) and its name.
    void adicionar(const Acorde* acorde);
    // Appends a copy of the fingering to the chord at that position.
    void adicionarPosicaoAcorde(int indice, const PosicaoHarmonica* posicao);
    // Chords and names into chord-name order, positions kept aligned.
    void ordenar();

protected:
    // Empties both lists.
    void limpar();

    ColecaoPtr<Acorde> acordes;
    ListaNomes nomes;
};
