#pragma once
// How much of each pixel a shape covers, 0 to 1. Shapes are given by their
// signed distance (negative inside), which smooths every edge over one pixel;
// masks can be blurred into soft shadows and glows and are painted onto a
// Tela in any colour or gradient.
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace letras {
struct Estilo;
}

class Mascara {
public:
    Mascara(int largura, int altura);

    int largura() const { return largura_; }
    int altura() const { return altura_; }
    float em(int x, int y) const;
    void definir(int x, int y, float valor);

    // Adds a shape inside the box (x0, y0)-(x1, y1), where `distancia` is the
    // signed distance of a point to its edge. Overlapping shapes keep the
    // larger coverage.
    void forma(float x0, float y0, float x1, float y1, const std::function<float(float x, float y)>& distancia,
               float opacidade = 1.0f);

    void retangulo(float x0, float y0, float x1, float y1, float raio = 0, float opacidade = 1.0f);
    void disco(float cx, float cy, float raio, float opacidade = 1.0f);
    void anel(float cx, float cy, float raioInterno, float raioExterno, float opacidade = 1.0f);
    void linha(float x0, float y0, float x1, float y1, float espessura, float opacidade = 1.0f);
    void poligono(const std::vector<std::pair<float, float>>& pontos, float opacidade = 1.0f);
    // Windows-1252 text with its left end at x and its base line at yBase.
    void texto(float x, float yBase, std::string_view texto, const letras::Estilo& estilo, float opacidade = 1.0f);

    // Gaussian-like blur of about the given radius (three box passes).
    void desfocar(float raio);
    // Keeps only what the other mask covers too.
    void recortar(const Mascara& outra);
    // Removes what the other mask covers.
    void tirar(const Mascara& outra);
    void escalar(float fator);

private:
    int largura_;
    int altura_;
    std::vector<float> alfa_;
};

// Signed distances of the common shapes (negative inside).
namespace distancia {
float retangulo(float x, float y, float x0, float y0, float x1, float y1, float raio);
float disco(float x, float y, float cx, float cy, float raio);
float segmento(float x, float y, float x0, float y0, float x1, float y1, float meiaEspessura);
float poligono(float x, float y, const std::vector<std::pair<float, float>>& pontos);
}  // namespace distancia
