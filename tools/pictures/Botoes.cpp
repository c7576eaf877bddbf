// Button pictures, released and pressed. The image button draws its caption
// over them, so the caption buttons carry no words; the icon buttons carry
// their symbol.
#include <algorithm>
#include <cmath>

#include "Desenhos.h"
#include "Estilo.h"
#include "Mascara.h"

using namespace estilo;

namespace desenhos {
namespace {

// The tile shared by every button: dark edge, gradient face, a highlight
// along the top when released, an inner shade when pressed. Caption buttons
// also light an amber line along their foot while pressed, which tells a
// button held down from one merely dark.
void tile(Tela& tela, float raio, bool pressionado, const Tinta& faceSolta, const Tinta& facePressionada,
          bool marcaPressionado) {
    const float w = static_cast<float>(tela.largura());
    const float h = static_cast<float>(tela.altura());
    Mascara borda(tela.largura(), tela.altura());
    borda.retangulo(0, 0, w, h, raio);
    tela.compor(borda, corHex(0x0b0d10));
    Mascara face(tela.largura(), tela.altura());
    face.retangulo(1, 1, w - 1, h - 1, raio - 1);
    tela.compor(face, pressionado ? facePressionada : faceSolta);
    if (!pressionado) {
        Mascara topo(tela.largura(), tela.altura());
        topo.retangulo(2, 1, w - 2, 2);
        tela.compor(topo, kBranco, 0.16f);
        Mascara brilho(tela.largura(), tela.altura());
        brilho.retangulo(1, 1, w - 1, h * 0.5f, raio - 1);
        tela.compor(brilho, degradeVertical(1, h * 0.5f, {{0, kBranco}, {1, corHex(0x9aa4b2)}}), 0.07f);
        Mascara baixo(tela.largura(), tela.altura());
        baixo.retangulo(2, h - 2, w - 2, h - 1);
        tela.compor(baixo, kPreto, 0.25f);
    } else {
        Mascara sombra(tela.largura(), tela.altura());
        sombra.retangulo(0, -4, w, 3, raio);
        sombra.desfocar(4);
        sombra.recortar(face);
        tela.compor(sombra, kPreto, 0.75f);
        if (!marcaPressionado) return;
        Mascara fundo(tela.largura(), tela.altura());
        fundo.retangulo(3, h - 2.2f, w - 3, h - 1.2f);
        tela.compor(fundo, kAmbar, 0.55f);
    }
}

Tinta faceSolta(float h) {
    return degradeVertical(1, h - 1, {{0, corHex(0x4b525e)}, {0.5f, corHex(0x383d46)}, {1, corHex(0x2c3038)}});
}

Tinta facePressionada(float h) {
    return degradeVertical(1, h - 1, {{0, corHex(0x1f2227)}, {1, corHex(0x2d3138)}});
}

}  // namespace

Tela botao(int largura, int altura, bool pressionado) {
    Tela tela(largura, altura, kPainel);
    tile(tela, 5, pressionado, faceSolta(static_cast<float>(altura)), facePressionada(static_cast<float>(altura)),
         true);
    return tela;
}

Tela botaoIcone(Icone icone, int largura, int altura, bool pressionado, float y0, bool sobreTitulo) {
    Tela tela(largura, altura, kPainel);
    if (sobreTitulo) tela.pintar([=](float, float y) { return fundoTitulo(y0 + y); });
    const float h = static_cast<float>(altura);
    const bool fechar = icone == Icone::Fechar;
    tile(tela, 6, pressionado, faceSolta(h),
         fechar ? degradeVertical(1, h - 1, {{0, corHex(0xe0564b)}, {1, corHex(0xa92c24)}}) : facePressionada(h),
         false);

    const float d = pressionado ? 1.0f : 0.0f;
    const float cx = largura / 2.0f + d;
    const float cy = altura / 2.0f + d;
    Mascara sinal(largura, altura);
    switch (icone) {
        case Icone::Ajuda: {
            const letras::Estilo e{15, letras::Peso::Negrito, 0};
            const float lw = letras::largura("?", e);
            sinal.texto(std::round(cx - lw / 2), std::round(cy + letras::alturaMaiuscula(e) / 2), "?", e);
            break;
        }
        case Icone::Minimizar: sinal.retangulo(cx - 5.5f, cy + 3, cx + 5.5f, cy + 5, 1); break;
        case Icone::Fechar:
            sinal.linha(cx - 4.5f, cy - 4.5f, cx + 4.5f, cy + 4.5f, 2);
            sinal.linha(cx - 4.5f, cy + 4.5f, cx + 4.5f, cy - 4.5f, 2);
            break;
        case Icone::Anterior:
            sinal.poligono({{cx + 4, cy - 6}, {cx + 4, cy + 6}, {cx - 5, cy}});
            break;
        case Icone::Proximo:
            sinal.poligono({{cx - 4, cy - 6}, {cx - 4, cy + 6}, {cx + 5, cy}});
            break;
        case Icone::Acima:
            sinal.poligono({{cx - 6, cy + 4}, {cx + 6, cy + 4}, {cx, cy - 5}});
            break;
        case Icone::Abaixo:
            sinal.poligono({{cx - 6, cy - 4}, {cx + 6, cy - 4}, {cx, cy + 5}});
            break;
    }
    Mascara sombra = sinal;
    tela.sombra(sombra, 2, 0, 1, kPreto, 0.6f);
    tela.compor(sinal, (fechar && pressionado) ? kBranco : corHex(0xe3e7ec));
    return tela;
}

}  // namespace desenhos
