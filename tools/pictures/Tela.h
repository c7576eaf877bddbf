#pragma once
// A small RGB drawing surface for the pictures of the picture pack: fills,
// gradients, lines and dot-font text, all smoothed by sampling each pixel
// several times, and JPEG output.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct Cor {
    float r = 0, g = 0, b = 0;
};

Cor misturar(const Cor& a, const Cor& b, float t);
Cor corHex(unsigned rgb);

class Tela {
public:
    Tela(int largura, int altura, Cor fundo = {});

    int largura() const { return largura_; }
    int altura() const { return altura_; }

    // Paints every pixel with the colour the function gives for its centre.
    void pintar(const std::function<Cor(float x, float y)>& cor);
    // Blends a colour over the part of each pixel that a shape covers; the
    // shape answers whether a point lies inside it.
    void cobrir(int x0, int y0, int x1, int y1, const std::function<bool(float x, float y)>& dentro, Cor cor,
                float opacidade = 1.0f);

    void retangulo(float x0, float y0, float x1, float y1, Cor cor, float opacidade = 1.0f);
    void retanguloArredondado(float x0, float y0, float x1, float y1, float raio, Cor cor, float opacidade = 1.0f);
    // A frame of the given thickness inside the rectangle.
    void moldura(float x0, float y0, float x1, float y1, float raio, float espessura, Cor cor,
                 float opacidade = 1.0f);
    void linha(float x0, float y0, float x1, float y1, float espessura, Cor cor, float opacidade = 1.0f);
    void disco(float cx, float cy, float raio, Cor cor, float opacidade = 1.0f);

    // Windows-1252 text in the dot font; one font dot is `ponto` pixels wide.
    static float larguraTexto(std::string_view texto, float ponto);
    void texto(float x, float y, std::string_view texto, float ponto, Cor cor, float opacidade = 1.0f);
    // Centred on cx; the dot size shrinks so the text fits in larguraMaxima.
    void textoCentrado(float cx, float y, std::string_view texto, float ponto, float larguraMaxima, Cor cor,
                       float opacidade = 1.0f);

    std::string paraJpeg(int qualidade) const;

private:
    float& canal(int x, int y, int c) { return rgb_[(static_cast<size_t>(y) * largura_ + x) * 3 + c]; }
    void misturarPixel(int x, int y, Cor cor, float alfa);

    int largura_;
    int altura_;
    std::vector<float> rgb_;  // 0..255 per channel
};
