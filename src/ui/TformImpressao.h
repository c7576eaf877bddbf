#pragma once
// The print dialog: what to print (text, diagrams or both) and what to write
// in the diagram dots, then printing through the system print dialog or the
// preview. The main window shows it for its print list (diagrams only, the
// content list fixed); the chord-sheet import calls prepararCifra() first.

#include "ui/DialogoSemBorda.h"
#include "ui/ImpressoraQt.h"

class QComboBox;
class QLabel;
class TVantorButton3D;

class TformImpressao : public DialogoSemBorda {
    Q_OBJECT
public:
    enum Modo { kModoCifra = 0, kModoListaImpressao = 1 };

    explicit TformImpressao(QWidget* pai = nullptr);
    ~TformImpressao() override;

    // The dialog created last and still alive.
    static TformImpressao* atual();

    // kModoListaImpressao: diagrams only, the content list disabled (how the
    // dialog is whenever it is shown without preparing). kModoCifra: the
    // content list enabled at "text and diagrams", for the next showing.
    void prepararImpressao(int modo);
    void prepararCifra() { prepararImpressao(kModoCifra); }

    int getConteudo() const;
    int getRotulo() const;
    DialogoImpressaoQt& getDialogoImpressao() { return dialogImpressao; }

    void imprimir();
    void visualizar();

    QLabel* lblTitulo() const { return titulo; }
    QLabel* lblExplicacaoConteudo() const { return explicacaoConteudo; }
    QLabel* lblExplicacaoRotulo() const { return explicacaoRotulo; }
    QComboBox* comboOpcoesImpressao() const { return opcoes; }
    QComboBox* comboRotulo() const { return rotulos; }
    TVantorButton3D* btnVisualizarImpressao() const { return btnVisualizar; }
    TVantorButton3D* btnImprimir() const { return btnImprimirDoc; }
    TVantorButton3D* btnFechar() const { return fechar; }

protected:
    void done(int resultado) override;

private:
    QLabel* titulo;
    QLabel* explicacaoConteudo;
    QLabel* explicacaoRotulo;
    QComboBox* opcoes;
    QComboBox* rotulos;
    TVantorButton3D* btnVisualizar;
    TVantorButton3D* btnImprimirDoc;
    TVantorButton3D* fechar;
    DialogoImpressaoQt dialogImpressao;
};
