#pragma once
// Words in the pictures. With FreeType and a sans-serif font found at build
// time the letters are the font's own outlines, smoothed; without them the
// built-in dot font stands in, scaled to the same sizes.
#include <string_view>

class Mascara;

namespace letras {

enum class Peso { Normal, Negrito };

struct Estilo {
    float tamanho = 12;      // pixels per em
    Peso peso = Peso::Normal;
    float espacamento = 0;   // extra pixels after every letter
};

// Width of a Windows-1252 text, in pixels.
float largura(std::string_view texto, const Estilo& estilo);
// Height of a capital letter above the base line.
float alturaMaiuscula(const Estilo& estilo);
void escrever(Mascara& mascara, float x, float yBase, std::string_view texto, const Estilo& estilo,
              float opacidade = 1.0f);
// The largest size up to estilo.tamanho at which the text fits in the width.
Estilo caber(std::string_view texto, Estilo estilo, float larguraMaxima);

}  // namespace letras
