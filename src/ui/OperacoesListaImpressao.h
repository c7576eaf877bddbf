#pragma once
// What other windows may do to the main window's print list: the chord-sheet
// import adds a song's chords to it and empties it before printing a song.
// The main window registers itself when created and withdraws when destroyed;
// with none registered the operations are not available (nullptr).
#include <string>

class OperacoesListaImpressao {
public:
    virtual ~OperacoesListaImpressao() = default;

    // Adds the chord that the symbol names; a symbol the chord manager refuses
    // adds nothing and says nothing. Without `forcar`, a chord whose name is
    // already a line of the print list is not added again.
    virtual void adicionarCifraImpressao(const std::string& cifra, bool forcar) = 0;
    virtual void limparListaImpressao() = 0;

    static OperacoesListaImpressao* atual() { return registrada(); }
    static void registrar(OperacoesListaImpressao* janela) { registrada() = janela; }

private:
    static OperacoesListaImpressao*& registrada() {
        static OperacoesListaImpressao* janela = nullptr;
        return janela;
    }
};
