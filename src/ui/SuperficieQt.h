#pragma once
// The page layout's drawing surface over a QPainter: the printer's pages and
// the preview pictures are drawn by the same code.
#include <QImage>
#include <QPainter>
#include <string>

#include "printing/SuperficieDesenho.h"

class SuperficieQt : public SuperficieDesenho {
public:
    explicit SuperficieQt(QPainter* pintor = nullptr) : pintor(pintor) {}

    // The painter to draw with from now on (an active one).
    void usarPintor(QPainter* novo);

    void setFonte(const std::string& nome, int altura) override;
    void setLarguraCaneta(int largura) override;
    void escreverTexto(int x, int y, const std::string& texto) override;
    int larguraTexto(const std::string& texto) override;
    int alturaTexto(const std::string& texto) override;
    void linha(int x1, int y1, int x2, int y2) override;
    void retangulo(int esquerda, int topo, int direita, int base) override;
    void elipse(int esquerda, int topo, int direita, int base) override;

private:
    QPainter* pintor;
};

// A preview page: a white picture that keeps its own painter while it is drawn.
class PaginaImagemQt : public SuperficieQt {
public:
    PaginaImagemQt(int largura, int altura);
    ~PaginaImagemQt() override;

    // The finished picture: the page takes no drawing after this.
    const QImage& imagem() const;

private:
    QImage figura;
    mutable QPainter pintorProprio;
};
