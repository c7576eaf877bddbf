#pragma once
// One thing drawn on the neck area: the neck picture, a dot, a label or the
// new-root notice. The fretboard model keeps every item at its place with its
// content; a widget paints the visible ones in list order and nothing else.
#include <string>

enum class TipoItemBraco {
    Braco,             // the neck picture
    Bolinha,           // chord dot, one per string
    RotuloDedo,        // finger label, one per string
    RotuloNota,        // note label, one per string
    RotuloIntervalo,   // interval label, one per string
    BolinhaEscala,     // scale dot, one per scale note
    RotuloDedoEscala,  // scale finger label, one per scale note
    RotuloNotaEscala,  // scale note label, one per scale note
    MarcadorMaoDireita,
    RotuloMaoDireita,
    AvisoTonica,       // the new-root notice
};

enum class CorTexto { Preto, Branco, Amarelo };

// Left and top edges, width and height, in neck-area pixels.
struct Retangulo {
    int esquerda = 0;
    int topo = 0;
    int largura = 0;
    int altura = 0;

    bool operator==(const Retangulo&) const = default;
};

// The rectangle of an item centred on (x, y): halves rounded towards zero.
constexpr Retangulo centradoEm(int x, int y, int largura, int altura) {
    return {x - largura / 2, y - altura / 2, largura, altura};
}

struct ItemBraco {
    TipoItemBraco tipo = TipoItemBraco::Braco;
    int indice = 0;      // string or scale note for the repeated items
    std::string imagem;  // picture key of the picture pack; empty for a text
    std::string texto;   // Windows-1252; drawn centred in the rectangle
    Retangulo retangulo;
    bool visivel = false;
    CorTexto cor = CorTexto::Preto;
    int tamanhoFonte = 12;  // pixels, sans-serif
    bool negrito = true;

    bool ehImagem() const { return !imagem.empty(); }
};
