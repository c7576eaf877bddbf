#include "Quadros.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Sizes the main window lays its pictures out for: 795 wide, an 82-pixel
// title bar and a 115-pixel control bar split into the view-mode area, the
// chord (or scale) area and the print-list area.
constexpr int kLarguraJanela = 795;
constexpr int kAlturaTitulo = 82;
constexpr int kAlturaBarra = 115;
constexpr int kLarguraOpcoes = 170;
constexpr int kLarguraAcordes = 330;
constexpr int kLarguraLista = kLarguraJanela - kLarguraOpcoes - kLarguraAcordes;

const Cor kMadeiraEscura = corHex(0x24110a);
const Cor kMadeira = corHex(0x5b2f18);
const Cor kMadeiraClara = corHex(0x7a4424);
const Cor kEscala = corHex(0x1c120c);  // the rosewood of the fretboard
const Cor kDourado = corHex(0xe3b24c);
const Cor kCreme = corHex(0xf4e8cc);
const Cor kPrata = corHex(0xd2d5da);
const Cor kVermelho = corHex(0xc8342c);
const Cor kAzul = corHex(0x2f63b8);
const Cor kPreto = corHex(0x000000);

// Wood with a slow grain running along x; t from 0 (top) to 1 (bottom).
Cor madeira(float x, float y, float t, Cor claro, Cor escuro) {
    const float veio = 0.5f + 0.5f * std::sin(x * 0.043f + 2.6f * std::sin(y * 0.09f + x * 0.0035f));
    const float fino = 0.5f + 0.5f * std::sin(x * 0.31f + y * 0.05f);
    const Cor base = misturar(claro, escuro, t);
    return misturar(base, escuro, 0.18f * veio + 0.05f * fino);
}

void textoComSombra(Tela& tela, float cx, float y, const std::string& texto, float ponto, float larguraMaxima,
                    Cor cor) {
    tela.textoCentrado(cx + ponto * 0.45f, y + ponto * 0.45f, texto, ponto, larguraMaxima, kPreto, 0.55f);
    tela.textoCentrado(cx, y, texto, ponto, larguraMaxima, cor);
}

Tela entrada(const TextosImagens& t) {
    const int lado = 250;
    Tela tela(lado, lado);
    tela.pintar([&](float x, float y) {
        const float dx = (x - lado / 2.0f) / lado;
        const float dy = (y - lado * 0.4f) / lado;
        const float r = std::min(1.0f, std::sqrt(dx * dx + dy * dy) * 1.7f);
        return madeira(x, y, r, kMadeiraClara, kMadeiraEscura);
    });
    // A piece of neck: fretboard, frets getting closer towards the body,
    // six strings and a chord shape in dots.
    const float topo = 140;
    const float fundo = 200;
    tela.retangulo(0, topo, lado, fundo, kEscala);
    tela.retangulo(0, topo - 2, lado, topo, kDourado, 0.8f);
    tela.retangulo(0, fundo, lado, fundo + 2, kDourado, 0.8f);
    float x = 18;
    float passo = 54;
    std::vector<float> trastes;
    while (x < lado) {
        tela.retangulo(x - 1.5f, topo, x + 1.5f, fundo, kPrata, 0.9f);
        trastes.push_back(x);
        x += passo;
        passo *= 0.89f;
    }
    for (int corda = 0; corda < 6; ++corda) {
        const float y = topo + 6 + corda * 9.6f;
        tela.linha(0, y, lado, y, 0.8f + 0.25f * corda, kPrata, 0.95f);
    }
    const struct {
        int corda;
        int casa;
        bool tonica;
    } kDedos[] = {{1, 3, true}, {2, 2, false}, {4, 1, false}};  // C major, root on the A string
    for (const auto& d : kDedos) {
        if (d.casa >= static_cast<int>(trastes.size())) continue;
        const float cx = (trastes[d.casa - 1] + trastes[d.casa]) / 2;
        const float cy = topo + 6 + (5 - d.corda) * 9.6f;
        tela.disco(cx, cy, 5.2f, kPreto, 0.4f);
        tela.disco(cx, cy, 4.6f, d.tonica ? kVermelho : kAzul);
    }
    textoComSombra(tela, lado / 2.0f, 48, t.nomeAplicacao, 4.6f, lado - 24, kDourado);
    tela.textoCentrado(lado / 2.0f, 100, t.subtitulo, 1.4f, lado - 24, kCreme);
    tela.textoCentrado(lado / 2.0f, 222, t.versao, 1.2f, lado - 24, kCreme, 0.85f);
    tela.moldura(2, 2, lado - 2, lado - 2, 10, 2, kDourado, 0.9f);
    return tela;
}

Tela barraSuperior(const TextosImagens& t) {
    Tela tela(kLarguraJanela, kAlturaTitulo);
    tela.pintar([&](float x, float y) { return madeira(x, y, y / kAlturaTitulo, kMadeiraClara, kMadeiraEscura); });
    tela.retangulo(0, 0, kLarguraJanela, 1, kCreme, 0.25f);
    tela.retangulo(0, kAlturaTitulo - 3, kLarguraJanela, kAlturaTitulo - 1, kDourado);
    tela.retangulo(0, kAlturaTitulo - 1, kLarguraJanela, kAlturaTitulo, kPreto, 0.6f);
    // Six strings fading out towards both ends, behind the name.
    for (int corda = 0; corda < 6; ++corda) {
        const float y = 12 + corda * 10.5f;
        for (int trecho = 0; trecho < 40; ++trecho) {
            const float x0 = 200 + trecho * 10.0f;
            const float meio = std::abs(trecho - 19.5f) / 19.5f;
            tela.linha(x0, y, x0 + 10, y, 0.7f + 0.2f * corda, kPrata, 0.22f * (1 - meio));
        }
    }
    textoComSombra(tela, kLarguraJanela / 2.0f, 13, t.nomeAplicacao, 4.2f, 360, kDourado);
    tela.textoCentrado(kLarguraJanela / 2.0f, 56, t.subtitulo, 1.6f, 360, kCreme);
    return tela;
}

Tela linkEndereco(const TextosImagens& t) {
    const int largura = 130;
    const int altura = 16;
    Tela tela(largura, altura);
    tela.pintar([&](float x, float y) { return madeira(x + 665, y + 60, 0.75f + 0.25f * y / altura, kMadeiraClara,
                                                       kMadeiraEscura); });
    tela.textoCentrado(largura / 2.0f, 3, t.endereco, 1.0f, largura - 6, kDourado);
    const float largTexto = std::min(Tela::larguraTexto(t.endereco, 1.0f), largura - 6.0f);
    tela.linha(largura / 2.0f - largTexto / 2, 12.5f, largura / 2.0f + largTexto / 2, 12.5f, 1, kDourado, 0.6f);
    return tela;
}

Cor fundoBarra(float x, float y) { return madeira(x, y, 0.35f + 0.65f * y / kAlturaBarra, kMadeira, kMadeiraEscura); }

Tela barraInferior(const TextosImagens&) {
    Tela tela(kLarguraJanela, kAlturaBarra);
    tela.pintar(fundoBarra);
    tela.retangulo(0, 0, kLarguraJanela, 2, kDourado);
    tela.retangulo(0, 2, kLarguraJanela, 3, kPreto, 0.5f);
    return tela;
}

// One area of the control bar: the bar's wood seen through a darker inset
// panel with a gold edge and the area's name in its corner.
Tela area(int deslocamento, int largura, const std::string& titulo) {
    Tela tela(largura, kAlturaBarra);
    tela.pintar([&](float x, float y) { return fundoBarra(x + deslocamento, y); });
    tela.retangulo(0, 0, largura, 2, kDourado);
    tela.retangulo(0, 2, largura, 3, kPreto, 0.5f);
    tela.retanguloArredondado(6, 9, largura - 6, kAlturaBarra - 6, 8, kPreto, 0.28f);
    tela.moldura(6, 9, largura - 6, kAlturaBarra - 6, 8, 1.2f, kDourado, 0.75f);
    // Whole dots keep the small letters sharp; a second pass half a dot to
    // the right makes them bold.
    const float ponto = 1.0f;
    const float largTitulo = Tela::larguraTexto(titulo, ponto) + 0.5f;
    tela.retangulo(14, 5, 22 + largTitulo, 16, fundoBarra(18, 10), 1.0f);
    tela.texto(18, 7, titulo, ponto, kDourado);
    tela.texto(18.5f, 7, titulo, ponto, kDourado, 0.7f);
    return tela;
}

}  // namespace

const std::vector<Quadro>& quadrosDoPacote() {
    static const std::vector<Quadro> quadros = {
        {"fmEntrada", "imgEntrada", entrada},
        {"fmPrincipal", "imgBarraSuperior", barraSuperior},
        {"fmPrincipal", "imgBarraInferior", barraInferior},
        {"fmPrincipal", "imgBarraInferiorOpcoes",
         [](const TextosImagens& t) { return area(0, kLarguraOpcoes, t.areaOpcoes); }},
        {"fmPrincipal", "imgBarraInferiorAcordes",
         [](const TextosImagens& t) { return area(kLarguraOpcoes, kLarguraAcordes, t.areaAcordes); }},
        {"fmPrincipal", "imgBarraInferiorEscalas",
         [](const TextosImagens& t) { return area(kLarguraOpcoes, kLarguraAcordes, t.areaEscalas); }},
        {"fmPrincipal", "imgBarraInferiorListaImpressao",
         [](const TextosImagens& t) {
             return area(kLarguraOpcoes + kLarguraAcordes, kLarguraLista, t.areaListaImpressao);
         }},
        {"fmPrincipal", "imgLinkVantor", linkEndereco},
    };
    return quadros;
}
