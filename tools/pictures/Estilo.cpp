#include "Estilo.h"

#include <algorithm>
#include <cmath>

#include "Mascara.h"

namespace estilo {

Cor fundoTitulo(float y) {
    const float t = std::clamp(y / kAlturaTitulo, 0.0f, 1.0f);
    return misturar(corHex(0x30353e), corHex(0x1a1d22), std::pow(t, 0.9f));
}

Cor fundoBarra(float y) {
    const float t = std::clamp(y / kAlturaBarra, 0.0f, 1.0f);
    return misturar(corHex(0x252930), corHex(0x15171b), t);
}

Cor fundoBraco(float x, float y) {
    // A dark stage, a little lighter behind the middle of the neck.
    const float dx = (x - 400) / 520;
    const float dy = (y - 162) / 240;
    const float luz = std::clamp(1.0f - (dx * dx + dy * dy), 0.0f, 1.0f);
    return misturar(corHex(0x0f1114), corHex(0x23272e), luz * luz);
}

void emblema(Tela& tela, float x, float y, float lado) {
    const float raio = lado * 0.22f;
    Mascara tile(tela.largura(), tela.altura());
    tile.retangulo(x, y, x + lado, y + lado, raio);
    tela.sombra(tile, lado * 0.12f, 0, static_cast<int>(std::lround(lado * 0.05f)), kPreto, 0.6f);
    tela.compor(tile, degradeVertical(y, y + lado, {{0, corHex(0xffcf6b)}, {0.55f, kAmbar}, {1, kAmbarEscuro}}));
    // A soft sheen over the upper half.
    Mascara brilhoTopo(tela.largura(), tela.altura());
    brilhoTopo.retangulo(x + lado * 0.06f, y + lado * 0.05f, x + lado * 0.94f, y + lado * 0.5f, raio * 0.8f);
    tela.compor(brilhoTopo, degradeVertical(y, y + lado * 0.5f, {{0, kBranco}, {1, corHex(0xffe2a8)}}), 0.18f);

    // The chord box: nut, three frets, five strings and a C-like shape.
    const Cor tinta = corHex(0x23262d);
    const float e = std::max(1.0f, lado * 0.035f);
    const float gx0 = x + lado * 0.24f, gx1 = x + lado * 0.76f;
    const float gy0 = y + lado * 0.24f, gy1 = y + lado * 0.80f;
    Mascara grade(tela.largura(), tela.altura());
    grade.retangulo(gx0 - e / 2, gy0 - e * 1.2f, gx1 + e / 2, gy0 + e * 0.8f, e * 0.4f);
    for (int f = 1; f <= 3; ++f) {
        const float fy = gy0 + (gy1 - gy0) * f / 3;
        grade.linha(gx0, fy, gx1, fy, e * 0.8f);
    }
    for (int c = 0; c < 5; ++c) {
        const float cx = gx0 + (gx1 - gx0) * c / 4;
        grade.linha(cx, gy0, cx, gy1, e);
    }
    const float passoX = (gx1 - gx0) / 4;
    const float passoY = (gy1 - gy0) / 3;
    const struct {
        int corda, casa;
    } kDedos[] = {{1, 3}, {2, 2}, {4, 1}};
    for (const auto& d : kDedos) {
        if (d.corda != 1) grade.disco(gx0 + passoX * d.corda, gy0 + passoY * (d.casa - 0.5f), lado * 0.075f);
    }
    tela.compor(grade, tinta, 0.92f);
    // The root in red, as on the neck.
    Mascara tonica(tela.largura(), tela.altura());
    tonica.disco(gx0 + passoX, gy0 + passoY * 2.5f, lado * 0.085f);
    tela.compor(tonica, corHex(0xd8362b));
}

std::string maiusculas(std::string_view texto) {
    std::string s(texto);
    for (char& c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z') c = static_cast<char>(u - 32);
        else if (u >= 0xE0 && u <= 0xFE && u != 0xF7) c = static_cast<char>(u - 32);
        else if (u == 0x9A || u == 0x9C || u == 0x9E) c = static_cast<char>(u - 16);
        else if (u == 0xFF) c = static_cast<char>(0x9F);
    }
    return s;
}

void escrever(Tela& tela, float x, float yBase, std::string_view texto, const letras::Estilo& e, const Tinta& tinta,
              float sombra) {
    Mascara m(tela.largura(), tela.altura());
    m.texto(x, yBase, texto, e);
    if (sombra > 0) tela.sombra(m, std::max(2.0f, e.tamanho * 0.12f), 0, std::max(1, static_cast<int>(e.tamanho / 14)),
                                kPreto, sombra);
    tela.compor(m, tinta);
}

void escreverCentrado(Tela& tela, float cx, float yBase, std::string_view texto, const letras::Estilo& e0,
                      const Tinta& tinta, float larguraMaxima, float sombra) {
    const letras::Estilo e = letras::caber(texto, e0, larguraMaxima);
    escrever(tela, std::round(cx - letras::largura(texto, e) / 2), yBase, texto, e, tinta, sombra);
}

}  // namespace estilo
