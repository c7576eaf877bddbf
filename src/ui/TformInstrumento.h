#pragma once
// The instrument editor: defines a new instrument or changes one of the
// instrument file's, and hands it to the instrument manager. The settings
// dialog opens it with the names of its instrument list, line by line, so the
// name checks never depend on how a line reads.
#include <memory>
#include <string>
#include <vector>

#include "ui/DialogoSemBorda.h"

class InstrumentoCordas;
class PainelAfinacao;
class QComboBox;
class QLineEdit;
class QMenu;
class QSpinBox;

class TformInstrumento : public DialogoSemBorda {
    Q_OBJECT
public:
    static constexpr int kCasasMinimo = 6;
    static constexpr int kDistancia = 3;
    static constexpr int kSomPadrao = 24;

    explicit TformInstrumento(QWidget* pai = nullptr);
    ~TformInstrumento() override;

    // Modal. True when an instrument was added to the instrument manager.
    bool abrirCriar(const std::vector<std::string>& nomesLista);
    // Modal, for the instrument at a list index. True when the manager's list
    // changed: the instrument replaced, or (a built-in under a new name) added.
    bool abrirEditar(const std::vector<std::string>& nomesLista, int indice);

    // The instrument of the last successful confirmation; null before one.
    const InstrumentoCordas* getResultado() const { return resultado.get(); }
    bool isAlterado() const { return alterado; }

    // The confirm button and Enter: checks the fields, saves and closes.
    // False (the dialog stays open, every field as it was) when refused.
    bool confirmar();

    // The slots: 1 is the highest string.
    void escolherNota(int slot, int nota);
    int getNota(int slot) const;
    void setNumeroCordas(int numeroCordas);

    // The General MIDI programs as the sound list shows them, program order.
    static const std::vector<const char*>& nomesSonsMIDI();
    // "Low (2)", the octave words of the language.
    static std::string legendaOitava(int oitava);

    QLineEdit* editNome() const { return nome; }
    QLineEdit* editDescricao() const { return descricao; }
    QComboBox* comboCordas() const { return cordas; }
    QSpinBox* updownNumCasas() const { return casas; }
    QComboBox* comboInstrumentoMIDI() const { return som; }
    QMenu* menuNotas() const { return menu; }
    PainelAfinacao* painelAfinacao() const { return painel; }
    TVantorButton3D* btnConfirmar() const { return confirmacao; }
    TVantorButton3D* btnCancelar() const { return cancelamento; }
    QLabel* lblTitulo() const { return titulo; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool abrir(const std::vector<std::string>& nomesLista, int indice);
    void construirMenu();
    void mensagem(const std::string& texto);

    QLabel* titulo;
    QLineEdit* nome;
    QLineEdit* descricao;
    QComboBox* cordas;
    QSpinBox* casas;
    QComboBox* som;
    PainelAfinacao* painel;
    QMenu* menu;
    TVantorButton3D* confirmacao;
    TVantorButton3D* cancelamento;

    std::vector<std::string> nomes;
    int indiceEditado = -1;  // -1: create mode
    int slotEscolhendo = 0;
    std::unique_ptr<InstrumentoCordas> resultado;
    bool alterado = false;
};
