#pragma once
// The neck of the main window: paints what the fretboard model places (the
// neck picture, dots, labels, the new-root notice) and runs the model's
// one-shot notice timer. The mouse goes through the main window's click area,
// which forwards it to the model in neck-area coordinates.
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "ui/modelo/ModeloBraco.h"

class Braco : public QWidget, public ObservadorBraco {
    Q_OBJECT
public:
    // conjuntoBrasileiro: the six-string pictures of "Português (Brasil)".
    Braco(QWidget* pai, bool conjuntoBrasileiro, int orientacao);
    ~Braco() override;

    ModeloBraco& modelo() { return *braco; }
    const ModeloBraco& modelo() const { return *braco; }

    void iniciarTemporizador(int milissegundos) override;
    void repintar() override;

    const QTimer& temporizadorAviso() const { return aviso; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    const QPixmap& imagem(const std::string& chave);

    QTimer aviso;
    std::map<std::string, QPixmap> imagens;
    std::unique_ptr<ModeloBraco> braco;
};
