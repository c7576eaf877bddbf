#pragma once
// The chord-sheet window: the text of a song with its chords, transposed a
// semitone at a time in place, its chords added to the main window's print
// list, or printed with the song. Not modal: it stays open beside the main
// window until closed.
#include <string>
#include <vector>

#include "harmony/NotasIntervalos.h"
#include "ui/DialogoSemBorda.h"

class QLabel;
class QPlainTextEdit;
class TVantorButton3D;

class TformImportarCifra : public DialogoSemBorda {
    Q_OBJECT
public:
    // Centred on its parent (the main window) when shown.
    explicit TformImportarCifra(QWidget* pai = nullptr);
    ~TformImportarCifra() override;

    // The window created last and still alive.
    static TformImportarCifra* atual();

    // The paste button: the clipboard's text replaces the sheet, tabs as blanks.
    void colar();
    // The transposition buttons: one semitone up (kTransporAcima) or down.
    void transpor(DirecaoTransposicao direcao);
    // Every chord of the sheet, in order, forced into the print list; then the window closes.
    void importar();
    // The print list emptied and refilled with the sheet's chords (each once), the
    // song's text handed to the print manager, then the print dialog, modal.
    void imprimir();
    void abrirAjuda();

    int getSemitons() const { return semitons; }
    DirecaoTransposicao getDirecao() const { return direcao; }

    QPlainTextEdit* memoTextoCifra() const { return memo; }
    TVantorButton3D* btnColar() const { return colarBotao; }
    TVantorButton3D* btnImportarCifra() const { return importarBotao; }
    TVantorButton3D* btnImprimir() const { return imprimirBotao; }
    TVantorButton3D* btnTransporAcima() const { return acimaBotao; }
    TVantorButton3D* btnTransporAbaixo() const { return abaixoBotao; }
    QLabel* lblTransporAcima() const { return acimaRotulo; }
    QLabel* lblTransporAbaixo() const { return abaixoRotulo; }
    QLabel* lblMudarTom() const { return mudarTom; }
    TVantorButton3D* btnAjuda() const { return ajudaBotao; }
    TVantorButton3D* btnMinimizar() const { return minimizarBotao; }
    TVantorButton3D* btnFechar() const { return fecharBotao; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void criarControles();
    void aplicarTextos();
    // The sheet's lines as the core reads them: one Windows-1252 byte per character.
    std::vector<std::string> linhas1252() const;

    QLabel* titulo = nullptr;
    QPlainTextEdit* memo = nullptr;
    QLabel* mudarTom = nullptr;
    TVantorButton3D* acimaBotao = nullptr;
    TVantorButton3D* abaixoBotao = nullptr;
    QLabel* acimaRotulo = nullptr;
    QLabel* abaixoRotulo = nullptr;
    TVantorButton3D* colarBotao = nullptr;
    TVantorButton3D* importarBotao = nullptr;
    TVantorButton3D* imprimirBotao = nullptr;
    TVantorButton3D* ajudaBotao = nullptr;
    TVantorButton3D* minimizarBotao = nullptr;
    TVantorButton3D* fecharBotao = nullptr;
    int semitons = 1;
    DirecaoTransposicao direcao = kTransporAcima;
};
