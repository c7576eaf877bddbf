#pragma once
// The splash shown while the program comes up: a borderless 250 by 250
// window in the middle of the screen, wholly the language's splash picture.
#include <QPixmap>
#include <QWidget>

class TformEntrada : public QWidget {
    Q_OBJECT
public:
    explicit TformEntrada(QWidget* pai = nullptr);

    // Shows, centres and paints it before returning.
    void mostrarAgora();

    const QPixmap& imagem() const { return imgEntrada; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap imgEntrada;
};
