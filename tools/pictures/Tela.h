#pragma once
// An RGB picture being drawn: painted pixel by pixel, or through masks in a
// colour or gradient, with soft shadows; written out as JPEG for the picture
// pack and as PNG for a look at it.
#include <functional>
#include <string>
#include <vector>

class Mascara;

struct Cor {
    float r = 0, g = 0, b = 0;  // 0..255
};

Cor misturar(const Cor& a, const Cor& b, float t);
Cor corHex(unsigned rgb);
Cor escurecer(const Cor& c, float fator);  // fator < 1 darker, > 1 lighter
float brilho(const Cor& c);

// A colour for each point of the picture.
using Tinta = std::function<Cor(float x, float y)>;

// A vertical gradient through the given stops (positions 0..1 from y0 to y1).
Tinta degradeVertical(float y0, float y1, std::vector<std::pair<float, Cor>> paradas);

class Tela {
public:
    Tela(int largura, int altura, Cor fundo = {});

    int largura() const { return largura_; }
    int altura() const { return altura_; }
    Cor em(int x, int y) const;
    void definir(int x, int y, Cor cor);

    // Paints every pixel with the colour the tinta gives for its centre.
    void pintar(const Tinta& tinta);
    // Changes every pixel by the function of its place and colour.
    void transformar(const std::function<Cor(float x, float y, Cor atual)>& f);
    // Lays the tinta over the pixels as far as the mask covers them; the mask
    // is moved by (dx, dy).
    void compor(const Mascara& mascara, const Tinta& tinta, float opacidade = 1.0f, int dx = 0, int dy = 0);
    void compor(const Mascara& mascara, Cor cor, float opacidade = 1.0f, int dx = 0, int dy = 0);
    // A blurred, moved copy of the shape, in the colour: a drop shadow or a glow.
    void sombra(const Mascara& forma, float desfoque, int dx, int dy, Cor cor, float opacidade);
    void colar(const Tela& outra, int x, int y);
    // The picture reduced to the given size, each pixel the mean of the area it covers.
    Tela reduzida(int largura, int altura) const;
    Tela recorte(int x, int y, int largura, int altura) const;

    std::string paraJpeg(int qualidade) const;
    // With a mask, the picture is RGBA and the mask its opacity (an icon's shape).
    std::string paraPng(const Mascara* alfa = nullptr) const;

private:
    int largura_;
    int altura_;
    std::vector<Cor> pixels_;
};
