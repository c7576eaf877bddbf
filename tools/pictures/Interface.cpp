// The window pictures: splash, title bar, web link, control bar and its
// areas, dialog backgrounds.
#include <algorithm>
#include <cmath>

#include "Desenhos.h"
#include "Estilo.h"
#include "Mascara.h"

using namespace estilo;
using letras::Estilo;
using letras::Peso;

namespace desenhos {
namespace {

Tinta tintaTitulo(float yBase, float altura) {
    return degradeVertical(yBase - altura, yBase, {{0, kBranco}, {1, corHex(0xd6dbe2)}});
}

// Thin amber rule fading out at both ends.
void filete(Tela& tela, float x0, float x1, float y, float espessura, float opacidade) {
    Mascara m(tela.largura(), tela.altura());
    m.retangulo(x0, y, x1, y + espessura);
    const float meio = (x0 + x1) / 2;
    const float metade = (x1 - x0) / 2;
    tela.compor(m,
                [=](float x, float) {
                    const float t = 1.0f - std::abs(x - meio) / metade;
                    return misturar(fundoTitulo(y), kAmbar, std::clamp(t * 1.6f, 0.0f, 1.0f));
                },
                opacidade);
}

}  // namespace

Tela entrada(const TextosImagens& t) {
    const int lado = 250;
    Tela tela(lado, lado);
    tela.pintar([](float x, float y) {
        const float dx = (x - 125) / 190;
        const float dy = (y - 80) / 210;
        const float luz = std::clamp(1.0f - std::sqrt(dx * dx + dy * dy), 0.0f, 1.0f);
        return misturar(corHex(0x0e1013), corHex(0x343a44), luz * luz);
    });
    // The rings of a sound hole's rosette behind the emblem.
    const float cx = 125, cy = 82;
    for (int i = 0; i < 7; ++i) {
        Mascara anel(lado, lado);
        const float r = 58.0f + i * 7.5f;
        anel.anel(cx, cy, r, r + (i % 3 == 1 ? 2.2f : 0.9f));
        tela.compor(anel, kAmbar, 0.16f - i * 0.018f);
    }
    emblema(tela, cx - 40, cy - 40, 80);

    const Estilo nome{38, Peso::Negrito, 0.5f};
    escreverCentrado(tela, 125, 166, t.nomeAplicacao, nome, tintaTitulo(166, 30), lado - 30);
    const Estilo sub{10.5f, Peso::Normal, 1.2f};
    escreverCentrado(tela, 125, 189, maiusculas(t.subtitulo), sub, [](float, float) { return kAmbarClaro; }, lado - 26,
                     0.4f);
    Mascara linha(lado, lado);
    linha.retangulo(105, 208, 145, 209);
    tela.compor(linha, kAmbar, 0.7f);
    const Estilo versao{11, Peso::Normal, 0.4f};
    escreverCentrado(tela, 125, 232, t.versao, versao, [](float, float) { return kTextoApagado; }, lado - 30, 0.3f);

    Mascara borda(lado, lado);
    borda.retangulo(0, 0, lado, lado);
    Mascara dentro(lado, lado);
    dentro.retangulo(1, 1, lado - 1, lado - 1);
    borda.tirar(dentro);
    tela.compor(borda, corHex(0x454c57));
    return tela;
}

Tela barraSuperior(const TextosImagens& t) {
    Tela tela(kLarguraJanela, kAlturaTitulo);
    tela.pintar([](float, float y) { return fundoTitulo(y); });
    // A broad, faint sheen from the upper left.
    tela.transformar([](float x, float y, Cor c) {
        const float s = std::clamp(1.0f - (x * 0.6f + y * 4.0f) / 700.0f, 0.0f, 1.0f);
        return misturar(c, kBranco, 0.05f * s * s);
    });
    Mascara realce(kLarguraJanela, kAlturaTitulo);
    realce.retangulo(0, 0, kLarguraJanela, 1);
    tela.compor(realce, kBranco, 0.10f);

    // Emblem, name and subtitle, centred as one group.
    const Estilo nome{34, Peso::Negrito, 0.4f};
    const std::string sub = maiusculas(t.subtitulo);
    const Estilo estiloSub = letras::caber(sub, Estilo{10.5f, Peso::Normal, 1.3f}, 300);
    const float larguraTexto = std::max(letras::largura(t.nomeAplicacao, nome), letras::largura(sub, estiloSub));
    const float lado = 46;
    const float espaco = 14;
    const float x0 = std::round(kLarguraJanela / 2.0f - (lado + espaco + larguraTexto) / 2);
    emblema(tela, x0, 16, lado);
    const float xt = x0 + lado + espaco;
    escrever(tela, xt, 44, t.nomeAplicacao, nome, tintaTitulo(44, 25));
    escrever(tela, xt + 1, 61, sub, estiloSub, [](float, float) { return kAmbarClaro; }, 0.4f);

    filete(tela, 0, kLarguraJanela, kAlturaTitulo - 2, 1, 0.9f);
    Mascara base(kLarguraJanela, kAlturaTitulo);
    base.retangulo(0, kAlturaTitulo - 1, kLarguraJanela, kAlturaTitulo);
    tela.compor(base, kPreto, 0.7f);
    return tela;
}

Tela linkEndereco(const TextosImagens& t) {
    Tela tela(kLarguraLink, kAlturaLink);
    tela.pintar([](float, float y) { return fundoTitulo(y + kYLink); });
    const Estilo e = letras::caber(t.endereco, Estilo{11.5f, Peso::Normal, 0.2f}, kLarguraLink - 22);
    const float largura = letras::largura(t.endereco, e);
    const float x = std::round(kLarguraLink - 2 - largura);
    escrever(tela, x, 12, t.endereco, e, [](float, float) { return kAmbarClaro; }, 0.35f);
    // A small globe before the address.
    const float gx = x - 9, gy = 8;
    Mascara globo(kLarguraLink, kAlturaLink);
    globo.anel(gx, gy, 4.6f, 5.6f);
    globo.linha(gx - 5, gy, gx + 5, gy, 0.9f);
    globo.forma(gx - 6, gy - 6, gx + 6, gy + 6, [=](float px, float py) {
        // The meridians: an ellipse ring half as wide.
        const float r = std::hypot((px - gx) * 2.0f, py - gy);
        return std::abs(r - 5.1f) - 0.5f;
    });
    tela.compor(globo, kAmbar, 0.9f);
    return tela;
}

namespace {

// The bar's gradient runs down only, so its areas continue it wherever they stand.
void fundoDaBarra(Tela& tela) {
    tela.pintar([](float, float y) { return fundoBarra(y); });
    Mascara topo(tela.largura(), tela.altura());
    topo.retangulo(0, 0, static_cast<float>(tela.largura()), 1);
    tela.compor(topo, kPreto, 0.8f);
    Mascara realce(tela.largura(), tela.altura());
    realce.retangulo(0, 1, static_cast<float>(tela.largura()), 2);
    tela.compor(realce, corHex(0x454b56), 0.9f);
}

}  // namespace

Tela barraInferior(const TextosImagens& t) {
    Tela tela(kLarguraJanela, kAlturaBarra);
    fundoDaBarra(tela);
    // Where the print list stands in chord mode, scale mode leaves the bar
    // bare: a quiet emblem and name fill it.
    const float x0 = kLarguraOpcoes + kLarguraAcordes;
    const float cx = x0 + kLarguraLista / 2.0f;
    Tela marca(kLarguraJanela, kAlturaBarra);
    marca.pintar([](float, float y) { return fundoBarra(y); });
    emblema(marca, cx - 80, 36, 44);
    const Estilo nome{26, Peso::Negrito, 0.3f};
    escrever(marca, cx - 24, 66, t.nomeAplicacao, nome, [](float, float) { return kTexto; }, 0);
    // Fold the mark in faintly.
    for (int y = 0; y < kAlturaBarra; ++y)
        for (int x = static_cast<int>(x0); x < kLarguraJanela; ++x)
            tela.definir(x, y, misturar(tela.em(x, y), marca.em(x, y), 0.22f));
    return tela;
}

Tela areaBarra(int largura, const std::string& titulo) {
    Tela tela(largura, kAlturaBarra);
    fundoDaBarra(tela);
    // An inset panel with a legend on its upper edge.
    const float x0 = 6, y0 = 12, x1 = largura - 6.0f, y1 = kAlturaBarra - 6.0f;
    Mascara painel(largura, kAlturaBarra);
    painel.retangulo(x0, y0, x1, y1, 7);
    Mascara contorno = painel;
    Mascara miolo(largura, kAlturaBarra);
    miolo.retangulo(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 6);
    contorno.tirar(miolo);
    // Light catches the lower edge of the recess, shade falls inside its top.
    tela.compor(painel, degradeVertical(y0, y1, {{0, corHex(0x101215)}, {1, kPainel}}));
    Mascara sombraInterna(largura, kAlturaBarra);
    sombraInterna.retangulo(x0, y0 - 6, x1, y0 + 2, 4);
    sombraInterna.desfocar(6);
    sombraInterna.recortar(painel);
    tela.compor(sombraInterna, kPreto, 0.6f);
    tela.compor(contorno, degradeVertical(y0, y1, {{0, corHex(0x0b0c0e)}, {1, kBordaPainel}}));

    const std::string legenda = maiusculas(titulo);
    const Estilo e = letras::caber(legenda, Estilo{9.5f, Peso::Negrito, 1.4f}, largura - 40.0f);
    const float larguraLegenda = letras::largura(legenda, e);
    // The legend interrupts the edge: paint the bar back behind it.
    Mascara vao(largura, kAlturaBarra);
    vao.retangulo(14, y0 - 4, 22 + larguraLegenda, y0 + 3);
    tela.compor(vao, [](float, float y) { return fundoBarra(y); });
    escrever(tela, 18, y0 + 3.5f, legenda, e, [](float, float) { return kAmbar; }, 0.5f);
    return tela;
}

Tela fundoDialogo(int largura, int altura, const TextosImagens& t, bool comNome) {
    Tela tela(largura, altura);
    const float faixa = 40;
    tela.pintar([=](float, float y) {
        if (y < faixa) return fundoTitulo(y);
        return misturar(corHex(0x1e2127), corHex(0x15171b), (y - faixa) / (altura - faixa));
    });
    Mascara realce(largura, altura);
    realce.retangulo(0, 0, static_cast<float>(largura), 1);
    tela.compor(realce, kBranco, 0.10f);
    emblema(tela, 10, 9, 22);
    if (comNome) {
        const Estilo e{14, Peso::Negrito, 0.3f};
        escrever(tela, 40, 25, t.nomeAplicacao, e, tintaTitulo(25, 11), 0.5f);
    }
    filete(tela, 0, static_cast<float>(largura), faixa - 1, 1, 0.9f);
    Mascara borda(largura, altura);
    borda.retangulo(0, 0, static_cast<float>(largura), static_cast<float>(altura));
    Mascara dentro(largura, altura);
    dentro.retangulo(1, 1, largura - 1.0f, altura - 1.0f);
    borda.tirar(dentro);
    tela.compor(borda, corHex(0x454c57));
    return tela;
}

Tela fundoAssistente(int largura, int altura, int xDivisa, const TextosImagens& t) {
    Tela tela = fundoDialogo(largura, altura, t, false);
    // A quiet vertical rule between the two columns, fading at both ends.
    const float y0 = 56, y1 = altura - 14.0f;
    Mascara divisa(largura, altura);
    divisa.retangulo(static_cast<float>(xDivisa), y0, xDivisa + 1.0f, y1);
    tela.compor(divisa, [=](float, float y) {
        const float t = 1.0f - std::abs(y - (y0 + y1) / 2) / ((y1 - y0) / 2);
        return misturar(corHex(0x1b1e23), corHex(0x4a515c), std::clamp(t * 1.8f, 0.0f, 1.0f));
    });
    return tela;
}

Tela barraVisualizacao(int largura, int altura) {
    Tela tela(largura, altura);
    tela.pintar([](float, float y) { return fundoTitulo(y); });
    Mascara realce(largura, altura);
    realce.retangulo(0, 0, static_cast<float>(largura), 1);
    tela.compor(realce, kBranco, 0.10f);
    filete(tela, 0, static_cast<float>(largura), altura - 2.0f, 1, 0.9f);
    Mascara base(largura, altura);
    base.retangulo(0, altura - 1.0f, static_cast<float>(largura), static_cast<float>(altura));
    tela.compor(base, kPreto, 0.7f);
    return tela;
}

}  // namespace desenhos
