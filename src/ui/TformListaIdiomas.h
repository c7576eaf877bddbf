#pragma once
// The language chooser of the start-up, shown before any language is loaded:
// its few words are therefore fixed English.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

class TformListaIdiomas : public QDialog {
    Q_OBJECT
public:
    // Names are Windows-1252 display names, listed in the order given.
    explicit TformListaIdiomas(const std::vector<std::string>& nomes, QWidget* pai = nullptr);

    // Modal; the chosen position, or nothing on Cancel or OK without a selection.
    std::optional<int> escolher();
    // The selected position now, for the same answer without running the dialog.
    std::optional<int> indiceSelecionado() const;

    QListWidget* listaIdiomas() const { return lista; }
    QPushButton* botaoOk() const { return btnOk; }
    QPushButton* botaoCancelar() const { return btnCancelar; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QListWidget* lista;
    QPushButton* btnOk;
    QPushButton* btnCancelar;
};
