// The neck pictures: stage, guitar top with its sound hole, headstock,
// fretboard, inlays, frets, nut and strings, laid out by the neck tables so
// that every fret wire and string stands where the fretboard view expects it.
// Also the dot pictures and the small views for the settings dialog.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "Desenhos.h"
#include "Estilo.h"
#include "Mascara.h"
#include "Ruido.h"

using namespace estilo;
namespace gb = geometriaBraco;

namespace desenhos {
namespace {

constexpr float kPi = 3.14159265f;

enum class Madeira { Jacaranda, Ebano, PauFerro };
enum class TipoCorda { Lisa, EnroladaBronze, EnroladaPrata, Nylon };

struct Corda {
    float espessura;
    TipoCorda tipo;
};

struct Aspecto {
    Madeira madeira;
    bool filete;                    // cream binding along the fretboard
    float raioBoca;                 // sound hole
    float raioMarcador;             // inlays
    std::array<Corda, 6> cordas;    // string 0 (lowest) first
};

Aspecto aspecto(gb::Modelo m) {
    using T = TipoCorda;
    switch (m) {
        case gb::Modelo::Cordas4:
            return {Madeira::PauFerro, true, 74, 6,
                    {{{2.8f, T::EnroladaBronze}, {2.2f, T::Lisa}, {1.7f, T::Lisa}, {1.3f, T::Lisa}}}};
        case gb::Modelo::Cordas5:
            return {Madeira::Jacaranda, true, 92, 6.5f,
                    {{{3.6f, T::EnroladaBronze},
                      {3.0f, T::EnroladaBronze},
                      {2.4f, T::EnroladaBronze},
                      {1.8f, T::Lisa},
                      {1.35f, T::Lisa}}}};
        case gb::Modelo::Cordas6:
            return {Madeira::Jacaranda, true, 100, 6.5f,
                    {{{4.0f, T::EnroladaBronze},
                      {3.4f, T::EnroladaBronze},
                      {2.8f, T::EnroladaBronze},
                      {2.2f, T::EnroladaBronze},
                      {1.7f, T::Lisa},
                      {1.3f, T::Lisa}}}};
        case gb::Modelo::Cordas6Brasil:
            // A nylon-string guitar: silver-wound basses, nylon trebles.
            return {Madeira::Ebano, false, 100, 6,
                    {{{3.8f, T::EnroladaPrata},
                      {3.3f, T::EnroladaPrata},
                      {2.8f, T::EnroladaPrata},
                      {2.7f, T::Nylon},
                      {2.3f, T::Nylon},
                      {2.0f, T::Nylon}}}};
    }
    return {};
}

Cor madeira(Madeira tipo, float mx, float y) {
    const float n = ruido::fractal(mx * 0.006f, y * 0.11f, 5, 11);
    const float veio = ruido::fractal(mx * 0.0025f + 3, y * 0.045f, 3, 29);
    const float faixas = 0.5f + 0.5f * std::sin(y * 0.55f + veio * 18.0f);
    const float poro = ruido::valor(mx * 0.7f, y * 1.9f, 5);
    Cor claro, escuro, veios;
    float forcaVeio;
    switch (tipo) {
        case Madeira::Ebano:
            claro = corHex(0x2e2520);
            escuro = corHex(0x110d0b);
            veios = corHex(0x080605);
            forcaVeio = 0.25f;
            break;
        case Madeira::PauFerro:
            claro = corHex(0x74503a);
            escuro = corHex(0x3d2617);
            veios = corHex(0x2a180d);
            forcaVeio = 0.4f;
            break;
        case Madeira::Jacaranda:
        default:
            claro = corHex(0x5e3724);
            escuro = corHex(0x2a150c);
            veios = corHex(0x1a0c06);
            forcaVeio = 0.45f;
            break;
    }
    Cor c = misturar(claro, escuro, std::clamp((n - 0.25f) * 1.9f, 0.0f, 1.0f));
    c = misturar(c, veios, forcaVeio * std::pow(faixas, 6.0f));
    if (poro > 0.86f) c = escurecer(c, 1.0f - (poro - 0.86f) * 2.2f);
    return c;
}

// The spruce top: pale, with straight grain running along the strings.
Cor tampo(float mx, float y) {
    const float g = ruido::fractal(mx * 0.004f, y * 0.05f, 3, 71);
    const float linhas = 0.5f + 0.5f * std::sin(y * 1.25f + g * 14.0f);
    const float fino = ruido::valor(mx * 0.02f, y * 2.2f, 17);
    Cor c = misturar(corHex(0xe2bf86), corHex(0xc79a5c), 0.55f * std::pow(linhas, 3.0f) + 0.2f * fino);
    return c;
}

struct Cena {
    const gb::TabelaBraco& t;
    int orientacao;
    Aspecto a;
    float topo, base, meio;     // fretboard edges and middle (continuous y)
    float fimEscala;            // model x where the fretboard ends towards the body
    float bordaCorpo;           // model x of the body's edge at the middle
    float curvaCorpo;           // how fast the edge falls back above and below
    float centroBoca;           // model x of the sound hole's centre

    // Picture x of a model x (both continuous).
    float X(float mx) const { return gb::nutADireita(orientacao) ? mx : gb::kEspelho - mx; }
    float modelo(float x) const { return X(x); }  // the mapping is its own inverse
    float xBordaCorpo(float y) const { return bordaCorpo - curvaCorpo * (y - meio) * (y - meio); }
};

Cena montar(const gb::TabelaBraco& t, int orientacao) {
    const Aspecto a = aspecto(t.modelo);
    const float primeira = static_cast<float>(t.yPrimeiraCorda);
    const float ultima = static_cast<float>(t.yPrimeiraCorda + gb::kDistanciaCordas * (t.cordas - 1)) + 1;
    const float ultimoTraste = static_cast<float>(t.xTraste[t.ultimaCasa]);
    const float fim = ultimoTraste - 10;
    Cena c{t, orientacao, a, primeira - 17, ultima + 17, (primeira + ultima) / 2, fim, fim + 16, 70.0f / (162 * 162),
           fim - 12 - 19 - a.raioBoca};
    return c;
}

void desenharCorpo(Tela& tela, const Cena& c) {
    const int W = tela.largura(), H = tela.altura();
    Mascara corpo(W, H);
    corpo.forma(0, 0, static_cast<float>(W), static_cast<float>(H), [&](float x, float y) {
        const float inclinacao = 2 * c.curvaCorpo * (y - c.meio);
        return (c.modelo(x) - c.xBordaCorpo(y)) / std::sqrt(1 + inclinacao * inclinacao);
    });
    tela.sombra(corpo, 14, 0, 6, kPreto, 0.75f);
    tela.compor(corpo, [&](float x, float y) {
        const float mx = c.modelo(x);
        // Light from above, and the varnish a touch darker towards the edge.
        const float dist = c.xBordaCorpo(y) - mx;
        const float luz = 0.86f + 0.14f * (1.0f - std::abs(y - 140) / 200.0f);
        const float borda = 1.0f - 0.18f * std::exp(-dist / 18.0f);
        return escurecer(tampo(mx, y), luz * borda);
    });
    // Binding: a cream edge and a black line inside it.
    Mascara filete(W, H);
    filete.forma(0, 0, static_cast<float>(W), static_cast<float>(H), [&](float x, float y) {
        const float inclinacao = 2 * c.curvaCorpo * (y - c.meio);
        const float d = (c.modelo(x) - c.xBordaCorpo(y)) / std::sqrt(1 + inclinacao * inclinacao);
        return std::abs(d + 2.0f) - 2.0f;
    });
    tela.compor(filete, corHex(0xeee2c6), 0.95f);
    Mascara friso(W, H);
    friso.forma(0, 0, static_cast<float>(W), static_cast<float>(H), [&](float x, float y) {
        const float inclinacao = 2 * c.curvaCorpo * (y - c.meio);
        const float d = (c.modelo(x) - c.xBordaCorpo(y)) / std::sqrt(1 + inclinacao * inclinacao);
        return std::abs(d + 4.6f) - 0.6f;
    });
    tela.compor(friso, corHex(0x1b120c), 0.9f);

    // Rosette and sound hole.
    const float hx = c.X(c.centroBoca);
    const float hy = c.meio;
    const float R = c.a.raioBoca;
    Mascara roseta(W, H);
    roseta.anel(hx, hy, R + 3, R + 19);
    tela.compor(roseta, [&](float x, float y) {
        const float r = std::hypot(x - hx, y - hy) - R;
        const float ang = std::atan2(y - hy, x - hx);
        if (r > 17) return corHex(0x2a1a10);
        if (r > 15.8f) return corHex(0xe9dcc0);
        if (r > 8) {
            // A mosaic band: small tiles around the ring.
            const int celula = static_cast<int>(std::floor((ang + kPi) * 48 / kPi));
            const int faixa = static_cast<int>((r - 8) / 2.6f);
            static const Cor kPecas[4] = {corHex(0x6e2b1b), corHex(0xd8b47c), corHex(0x233b2c), corHex(0x3b2414)};
            return kPecas[(celula + faixa * 3 + (celula / 2)) % 4];
        }
        if (r > 6.5f) return corHex(0x1b120c);
        if (r > 5) return corHex(0xe9dcc0);
        return corHex(0x2a1a10);
    });
    Mascara boca(W, H);
    boca.disco(hx, hy, R);
    tela.compor(boca, [&](float x, float y) {
        // The inside of the body: dark, with the far wall catching some light.
        const float r = std::hypot(x - hx, y - hy) / R;
        const float parede = std::clamp((y - hy) / R * 0.5f + 0.5f, 0.0f, 1.0f);
        return misturar(corHex(0x060504), corHex(0x2a1d14), std::pow(r, 6.0f) * (0.4f + 0.6f * parede));
    });
}

void desenharBraco(Tela& tela, const Cena& c) {
    const int W = tela.largura(), H = tela.altura();
    const float nut = static_cast<float>(c.t.xTraste[0]);
    // Headstock from the nut to the edge of the picture, fretboard from the nut to the body.
    const float xNut = c.X(nut);
    const float xFim = c.X(c.fimEscala);
    const float xPonta = gb::nutADireita(c.orientacao) ? static_cast<float>(W) + 10 : -10.0f;
    Mascara cabeca(W, H);
    cabeca.retangulo(std::min(xNut, xPonta), c.topo - 3, std::max(xNut, xPonta), c.base + 3, 2);
    Mascara escala(W, H);
    escala.retangulo(std::min(xNut, xFim), c.topo, std::max(xNut, xFim), c.base, 1.5f);
    Mascara todo = cabeca;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) todo.definir(x, y, escala.em(x, y));
    tela.sombra(todo, 12, 0, 8, kPreto, 0.8f);

    tela.compor(cabeca, [&](float, float y) {
        // Black lacquer with a soft reflection along its top.
        const float s = (y - (c.topo - 3)) / (c.base - c.topo + 6);
        Cor base = misturar(corHex(0x2b2622), corHex(0x0d0b0a), std::clamp(s * 1.2f, 0.0f, 1.0f));
        const float brilhoLaca = std::exp(-std::pow((s - 0.18f) / 0.08f, 2.0f));
        return misturar(base, corHex(0x6b625a), 0.35f * brilhoLaca);
    });

    const float meiaAltura = (c.base - c.topo) / 2;
    tela.compor(escala, [&](float x, float y) {
        const float s = (y - c.meio) / meiaAltura;
        const float luz = 0.80f + 0.28f * (1 - s * s) - 0.07f * s;
        return escurecer(madeira(c.a.madeira, c.modelo(x), y), luz);
    });
    // The board's rounded edges catch a little light; the binding sits on them.
    Mascara bordas(W, H);
    const float x0 = std::min(xNut, xFim), x1 = std::max(xNut, xFim);
    if (c.a.filete) {
        bordas.retangulo(x0, c.topo, x1, c.topo + 1.6f);
        bordas.retangulo(x0, c.base - 1.6f, x1, c.base);
        tela.compor(bordas, corHex(0xe7dcc2), 0.92f);
    } else {
        bordas.retangulo(x0, c.topo, x1, c.topo + 1.2f);
        tela.compor(bordas, kBranco, 0.10f);
    }
    // The end of the board towards the sound hole, squared off and shaded.
    Mascara ponta(W, H);
    ponta.retangulo(xFim - 1.5f, c.topo, xFim + 1.5f, c.base);
    tela.compor(ponta, kPreto, 0.35f);
}

void desenharMarcadores(Tela& tela, const Cena& c) {
    const int W = tela.largura(), H = tela.altura();
    const float passo = c.t.cordas == 5 ? 36.0f : 24.0f;
    Mascara perolas(W, H);
    for (int casa : {3, 5, 7, 9, 12}) {
        if (casa > c.t.ultimaCasa) continue;
        const float x = c.X(static_cast<float>(c.t.xCasa[casa]));
        if (casa == 12) {
            perolas.disco(x, c.meio - passo, c.a.raioMarcador);
            perolas.disco(x, c.meio + passo, c.a.raioMarcador);
        } else {
            perolas.disco(x, c.meio, c.a.raioMarcador);
        }
    }
    Mascara aro = perolas;
    aro.desfocar(2);
    tela.compor(aro, kPreto, 0.5f);
    tela.compor(perolas, [](float x, float y) {
        // Mother of pearl: cream with shifting pink, green and blue.
        const float a = ruido::fractal(x * 0.35f, y * 0.35f, 3, 91);
        const float b = ruido::fractal(x * 0.5f + 7, y * 0.3f, 2, 93);
        Cor c = misturar(corHex(0xf3eee2), corHex(0xdfe9ee), a);
        c = misturar(c, corHex(0xeedde6), b * 0.6f);
        return c;
    });
}

void desenharTrastes(Tela& tela, const Cena& c) {
    const int W = tela.largura(), H = tela.altura();
    // Light comes from the upper left of the picture: the wires shade the wood to their right.
    Mascara sombras(W, H);
    Mascara fios(W, H);
    for (int k = 1; k <= c.t.ultimaCasa; ++k) {
        const float x = c.X(static_cast<float>(c.t.xTraste[k]));
        sombras.retangulo(x + 1, c.topo + 1, x + 5, c.base);
        fios.retangulo(x - 2, c.topo - 0.5f, x + 2, c.base + 0.5f, 1.2f);
    }
    sombras.desfocar(3);
    tela.compor(sombras, kPreto, 0.55f);
    tela.compor(fios, [&](float x, float y) {
        // Cross-section of a round wire: dark at its sides, a bright line near the light.
        float melhor = 1e9f;
        float cx = 0;
        for (int k = 1; k <= c.t.ultimaCasa; ++k) {
            const float fx = c.X(static_cast<float>(c.t.xTraste[k]));
            if (std::abs(x - fx) < melhor) {
                melhor = std::abs(x - fx);
                cx = fx;
            }
        }
        const float u = std::clamp((x - (cx - 2)) / 4.0f, 0.0f, 1.0f);
        const float perfil = std::sin(kPi * u);
        const float brilhoFio = std::exp(-std::pow((u - 0.38f) / 0.16f, 2.0f));
        const float s = (y - c.meio) / ((c.base - c.topo) / 2);
        Cor m = misturar(corHex(0x5d6168), corHex(0xd9dee4), perfil);
        m = misturar(m, kBranco, 0.6f * brilhoFio);
        return escurecer(m, 0.92f + 0.08f * (1 - s * s));
    });

    // The nut: bone, six pixels wide, a little taller than the board.
    const float xn = c.X(static_cast<float>(c.t.xTraste[0]));
    Mascara osso(W, H);
    osso.retangulo(xn - 3, c.topo - 2, xn + 3, c.base + 2, 1.5f);
    tela.sombra(osso, 4, 2, 2, kPreto, 0.7f);
    tela.compor(osso, [&](float x, float y) {
        const float u = std::clamp((x - (xn - 3)) / 6.0f, 0.0f, 1.0f);
        const float perfil = 0.75f + 0.25f * std::sin(kPi * u);
        const float veio = ruido::valor(x * 0.3f, y * 0.08f, 43);
        return escurecer(misturar(corHex(0xf4ecdb), corHex(0xdccfb3), veio * 0.6f), perfil);
    });
}

Cor corDaCorda(const Corda& corda, float x, float v) {
    // v runs from -1 (top edge) to 1 (bottom edge) across the string.
    const float redondo = std::sqrt(std::max(0.0f, 1 - v * v));
    const float brilhoCorda = std::exp(-std::pow((v + 0.4f) / 0.32f, 2.0f));
    Cor claro, escuro;
    float enrolamento = 1;
    float forcaBrilho = 0.55f;
    switch (corda.tipo) {
        case TipoCorda::Lisa:
            claro = corHex(0xdfe3e8);
            escuro = corHex(0x5b6068);
            break;
        case TipoCorda::EnroladaBronze:
            claro = corHex(0xf0cb86);
            escuro = corHex(0x6b4a1e);
            break;
        case TipoCorda::EnroladaPrata:
            claro = corHex(0xdcdfe3);
            escuro = corHex(0x60646b);
            break;
        case TipoCorda::Nylon:
            claro = corHex(0xf1ebdd);
            escuro = corHex(0x9a907b);
            forcaBrilho = 0.35f;
            break;
    }
    if (corda.tipo == TipoCorda::EnroladaBronze || corda.tipo == TipoCorda::EnroladaPrata) {
        // The winding: fine slanted ridges along the string.
        const float periodo = std::max(2.2f, corda.espessura * 0.8f);
        enrolamento = 0.74f + 0.26f * (0.5f + 0.5f * std::sin(2 * kPi * (x + v * corda.espessura * 0.9f) / periodo));
    }
    Cor c = misturar(escuro, claro, 0.25f + 0.75f * redondo);
    c = escurecer(c, enrolamento);
    return misturar(c, kBranco, forcaBrilho * brilhoCorda);
}

void desenharCordas(Tela& tela, const Cena& c) {
    const int W = tela.largura(), H = tela.altura();
    Mascara sombras(W, H);
    for (int s = 0; s < c.t.cordas; ++s) {
        const float yc = gb::yCorda(c.t, c.orientacao, s) + 0.5f;
        const float e = c.a.cordas[s].espessura;
        sombras.retangulo(-20, yc - e / 2 - 0.5f, static_cast<float>(W) + 20, yc + e / 2 + 0.5f);
    }
    sombras.desfocar(2);
    // Over the sound hole the shadows fall deep inside and are not seen.
    Mascara boca(W, H);
    boca.disco(c.X(c.centroBoca), c.meio, c.a.raioBoca);
    sombras.tirar(boca);
    tela.compor(sombras, kPreto, 0.85f, 1, 5);

    for (int s = 0; s < c.t.cordas; ++s) {
        const float yc = gb::yCorda(c.t, c.orientacao, s) + 0.5f;
        const Corda corda = c.a.cordas[s];
        Mascara m(W, H);
        m.retangulo(-20, yc - corda.espessura / 2, static_cast<float>(W) + 20, yc + corda.espessura / 2);
        tela.compor(m, [&](float x, float y) {
            const float v = std::clamp((y - yc) / std::max(corda.espessura / 2, 0.6f), -1.0f, 1.0f);
            return corDaCorda(corda, x, v);
        });
    }
}

void desenharNumeros(Tela& tela, const Cena& c) {
    const letras::Estilo normal{10, letras::Peso::Normal, 0};
    const letras::Estilo marcado{10, letras::Peso::Negrito, 0};
    for (int casa = 1; casa <= c.t.ultimaCasa; ++casa) {
        const bool comMarcador = casa == 3 || casa == 5 || casa == 7 || casa == 9 || casa == 12;
        const std::string texto = std::to_string(casa);
        const letras::Estilo& e = comMarcador ? marcado : normal;
        const float x = c.X(static_cast<float>(c.t.xCasa[casa]));
        Mascara m(tela.largura(), tela.altura());
        m.texto(std::round(x - letras::largura(texto, e) / 2), c.base + 17, texto, e);
        tela.compor(m, comMarcador ? corHex(0xb9c1cb) : corHex(0x6d7580));
    }
}

}  // namespace

Tela braco(const gb::TabelaBraco& tabela, int orientacao) {
    Tela tela(gb::kLargura, gb::kAltura);
    tela.pintar(fundoBraco);
    const Cena c = montar(tabela, orientacao);
    desenharCorpo(tela, c);
    desenharBraco(tela, c);
    desenharMarcadores(tela, c);
    desenharTrastes(tela, c);
    desenharCordas(tela, c);
    desenharNumeros(tela, c);
    return tela;
}

namespace {

// What the dots stand on most of the time: the fretboard's mean colour.
const Cor kFundoBolinha = corHex(0x3a2317);

void formaBolinha(Mascara& disco, Mascara& sombra) {
    disco.disco(12, 11.5f, 10.5f);
    sombra.disco(12.5f, 12.8f, 10.5f);
    sombra.desfocar(3);
}

}  // namespace

Tela bolinha(CorBolinha cor) {
    Tela tela(gb::kLarguraItem, gb::kAlturaItem, kFundoBolinha);
    Mascara disco(gb::kLarguraItem, gb::kAlturaItem);
    Mascara sombra(gb::kLarguraItem, gb::kAlturaItem);
    formaBolinha(disco, sombra);
    tela.compor(sombra, kPreto, 0.7f);
    const bool vermelha = cor == CorBolinha::Vermelha;
    const Cor claro = vermelha ? corHex(0xff8f7f) : corHex(0x93c6ff);
    const Cor meio = vermelha ? corHex(0xe4483b) : corHex(0x3f88e2);
    const Cor escuro = vermelha ? corHex(0x8f1f17) : corHex(0x1b4a92);
    tela.compor(disco, [&](float x, float y) {
        const float luz = std::hypot(x - 9.5f, y - 8.0f) / 15.0f;
        const float r = std::hypot(x - 12, y - 11.5f) / 10.5f;
        Cor c = misturar(claro, meio, std::clamp(luz * 1.6f, 0.0f, 1.0f));
        return misturar(c, escuro, std::clamp((r - 0.72f) / 0.28f, 0.0f, 1.0f) * 0.8f);
    });
    Mascara reflexo(gb::kLarguraItem, gb::kAlturaItem);
    reflexo.forma(3, 2, 15, 10, [](float x, float y) { return std::hypot((x - 8.8f) / 1.5f, y - 5.6f) - 2.1f; });
    reflexo.desfocar(2);
    tela.compor(reflexo, kBranco, 0.55f);
    Mascara aro(gb::kLarguraItem, gb::kAlturaItem);
    aro.anel(12, 11.5f, 9.8f, 10.6f);
    tela.compor(aro, escuro, 0.55f);
    return tela;
}

Tela mascaraBolinha() {
    Tela tela(gb::kLarguraItem, gb::kAlturaItem, kPreto);
    Mascara disco(gb::kLarguraItem, gb::kAlturaItem);
    Mascara sombra(gb::kLarguraItem, gb::kAlturaItem);
    formaBolinha(disco, sombra);
    tela.compor(sombra, kBranco, 0.7f);
    tela.compor(disco, kBranco);
    return tela;
}

Tela miniaturaBraco(int orientacao) {
    const Tela cheia = braco(gb::tabela(gb::Modelo::Cordas6), orientacao);
    return cheia.recorte(0, 66, gb::kLargura, 180).reduzida(160, 36);
}

}  // namespace desenhos
