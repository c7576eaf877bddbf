#pragma once
// What the page layout draws on: the printer's page or a preview picture.
// Coordinates and sizes are device units of that page, texts Windows-1252.
// Lines and outlines use the current pen, black; texts the current font.
#include <string>

class SuperficieDesenho {
public:
    virtual ~SuperficieDesenho() = default;

    // The font for the next texts and measurements. A face the system lacks
    // is replaced by one of the same kind (fixed-pitch, serif, sans-serif).
    virtual void setFonte(const std::string& nome, int altura) = 0;
    virtual void setLarguraCaneta(int largura) = 0;

    // The text with its top-left corner at (x, y).
    virtual void escreverTexto(int x, int y, const std::string& texto) = 0;
    virtual int larguraTexto(const std::string& texto) = 0;
    virtual int alturaTexto(const std::string& texto) = 0;

    virtual void linha(int x1, int y1, int x2, int y2) = 0;
    // The outline only: a frame drawn after a block of text keeps the text.
    virtual void retangulo(int esquerda, int topo, int direita, int base) = 0;
    // Filled with the page colour, so that the lines under a dot do not cross
    // the label written into it.
    virtual void elipse(int esquerda, int topo, int direita, int base) = 0;
};
