#pragma once
// The settings dialog: how the neck is drawn, which instrument is current
// (creating, editing and removing user instruments) and which MIDI output
// device is used. Created at start-up and hidden until the main window opens
// it with exec(): Accepted (OK) means the main window must redraw for the
// kept orientation and the current instrument.
//
// Lines of the instrument list map to the instrument manager's list by
// index; a line's text is only for reading, so names holding "-" are safe.
#include <string>
#include <vector>

#include "ui/ConfiguracoesMantidas.h"
#include "ui/DialogoSemBorda.h"

class InstrumentoCordas;
class QListWidget;
class QRadioButton;
class QTabWidget;
class TformInstrumento;

class TformConfiguracoes : public DialogoSemBorda, public SeletorOrientacao {
    Q_OBJECT
public:
    enum Pagina { kPaginaBraco = 0, kPaginaInstrumentos = 1, kPaginaDrivers = 2 };

    explicit TformConfiguracoes(QWidget* pai = nullptr);
    ~TformConfiguracoes() override;

    // The dialog created last and still alive.
    static TformConfiguracoes* atual();

    // "Name - E A D G B E": the name, " -", and the sharp name of every open
    // string from the lowest up.
    static std::string linhaInstrumento(const InstrumentoCordas& instrumento);

    void selecionarOrientacao(int orientacao) override;
    // The orientation of the checked radio button (0 to 3).
    int orientacaoSelecionada() const;

    // The instrument names of the list, one per line.
    const std::vector<std::string>& getNomesInstrumentos() const { return nomes; }

    // The buttons' actions.
    void novoInstrumento();
    void editarInstrumento();
    void removerInstrumento();
    void executarAssistente();
    void confirmar();

    QTabWidget* paginas() const { return abas; }
    QRadioButton* radioBraco(int orientacao) const { return radios[orientacao]; }
    QListWidget* listaInstrumentos() const { return instrumentos; }
    QListWidget* listaDrivers() const { return drivers; }
    TVantorButton3D* btnNovoInst() const { return novo; }
    TVantorButton3D* btnEditarInst() const { return editar; }
    TVantorButton3D* btnRemoverInst() const { return remover; }
    TVantorButton3D* btnAssistenteDriver() const { return assistente; }
    TVantorButton3D* btnOk() const { return ok; }
    TVantorButton3D* btnCancelar() const { return cancelar; }
    TformInstrumento* formInstrumento() const { return editor; }

public slots:
    // Cancel, the close button and Esc. When this showing already changed the
    // current instrument (removed it, or edited it in the file) the change
    // cannot be taken back, so the dialog ends as Accepted all the same, with
    // the orientation of the configuration, for the main window to redraw.
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    // A click on a neck picture checks its radio button.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* criarPaginaBraco();
    QWidget* criarPaginaInstrumentos();
    QWidget* criarPaginaDrivers();
    void preencherInstrumentos();
    void prepararExibicao();
    void paginaTrocada(int pagina);
    void aplicarInstrumentoSemMudarOResto();

    QTabWidget* abas;
    QRadioButton* radios[4];
    QLabel* imagens[4];
    QListWidget* instrumentos;
    QListWidget* drivers;
    TVantorButton3D* novo;
    TVantorButton3D* editar;
    TVantorButton3D* remover;
    TVantorButton3D* assistente;
    TVantorButton3D* ok;
    TVantorButton3D* cancelar;
    TformInstrumento* editor;

    std::vector<std::string> nomes;
    int paginaAnterior = kPaginaBraco;
    // The line of the current instrument, kept in step with removals.
    int linhaAtual = -1;
    // This showing removed the current instrument (and made another current)
    // or changed it in the file.
    bool atualRemovido = false;
    bool atualEditado = false;
};
