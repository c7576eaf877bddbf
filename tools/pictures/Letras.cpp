#include "Letras.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Mascara.h"

#ifdef BRELVIO_FONTE_NORMAL
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#else
#include "Fonte.h"
#endif

namespace letras {
namespace {

#ifdef BRELVIO_FONTE_NORMAL

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
uint32_t unicode(uint8_t c) {
    static const uint16_t k80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return (c >= 0x80 && c < 0xA0) ? k80[c - 0x80] : c;
}

FT_Face face(Peso peso) {
    static FT_Library biblioteca = nullptr;
    static FT_Face faces[2] = {nullptr, nullptr};
    const int i = peso == Peso::Negrito ? 1 : 0;
    if (faces[i] != nullptr) return faces[i];
    if (biblioteca == nullptr && FT_Init_FreeType(&biblioteca) != 0) {
        std::fprintf(stderr, "FreeType could not start\n");
        std::exit(1);
    }
    const char* caminho = i == 1 ? BRELVIO_FONTE_NEGRITO : BRELVIO_FONTE_NORMAL;
    if (FT_New_Face(biblioteca, caminho, 0, &faces[i]) != 0) {
        std::fprintf(stderr, "cannot read the font %s\n", caminho);
        std::exit(1);
    }
    return faces[i];
}

FT_Face preparar(const Estilo& estilo) {
    FT_Face f = face(estilo.peso);
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(estilo.tamanho * 64)), 72, 72);
    return f;
}

// Unhinted advance, so that the width does not depend on where a letter falls.
float avanco(FT_Face f, uint32_t codigo) {
    if (FT_Load_Char(f, codigo, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return 0;
    return static_cast<float>(f->glyph->linearHoriAdvance) / 65536.0f;
}

#else

constexpr float kPontosPorEm = 9.0f;  // the dot font's letters are 7 dots high

#endif

}  // namespace

float largura(std::string_view texto, const Estilo& estilo) {
    if (texto.empty()) return 0;
#ifdef BRELVIO_FONTE_NORMAL
    FT_Face f = preparar(estilo);
    float soma = 0;
    for (const char c : texto) soma += avanco(f, unicode(static_cast<uint8_t>(c))) + estilo.espacamento;
    return soma - estilo.espacamento;
#else
    const float ponto = estilo.tamanho / kPontosPorEm;
    return static_cast<float>(texto.size()) * (fonte::kAvanco * ponto + estilo.espacamento) - ponto -
           estilo.espacamento;
#endif
}

float alturaMaiuscula(const Estilo& estilo) {
#ifdef BRELVIO_FONTE_NORMAL
    FT_Face f = preparar(estilo);
    if (FT_Load_Char(f, 'H', FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return estilo.tamanho * 0.72f;
    return static_cast<float>(f->glyph->metrics.height) / 64.0f;
#else
    return estilo.tamanho / kPontosPorEm * fonte::kAlturaLetra;
#endif
}

void escrever(Mascara& mascara, float x, float yBase, std::string_view texto, const Estilo& estilo,
              float opacidade) {
#ifdef BRELVIO_FONTE_NORMAL
    FT_Face f = preparar(estilo);
    float caneta = x;
    const float base = std::round(yBase);
    for (const char c : texto) {
        const uint32_t codigo = unicode(static_cast<uint8_t>(c));
        const float passo = avanco(f, codigo);
        // Light hinting keeps the stems sharp across, the fraction of the pen
        // keeps the spacing even.
        if (FT_Load_Char(f, codigo, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) == 0 &&
            f->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            const float inteiro = std::floor(caneta);
            const auto fracao = static_cast<FT_Pos>(std::lround((caneta - inteiro) * 64));
            FT_Outline_Translate(&f->glyph->outline, fracao, 0);
            if (FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) == 0) {
                const FT_Bitmap& b = f->glyph->bitmap;
                const int x0 = static_cast<int>(inteiro) + f->glyph->bitmap_left;
                const int y0 = static_cast<int>(base) - f->glyph->bitmap_top;
                for (unsigned linha = 0; linha < b.rows; ++linha) {
                    for (unsigned coluna = 0; coluna < b.width; ++coluna) {
                        const uint8_t v = b.buffer[linha * static_cast<unsigned>(b.pitch) + coluna];
                        if (v != 0) {
                            const int px = x0 + static_cast<int>(coluna);
                            const int py = y0 + static_cast<int>(linha);
                            mascara.definir(px, py, std::max(mascara.em(px, py), v / 255.0f * opacidade));
                        }
                    }
                }
            }
        }
        caneta += passo + estilo.espacamento;
    }
#else
    const float ponto = estilo.tamanho / kPontosPorEm;
    const float topo = yBase - fonte::kAlturaLetra * ponto;
    float caneta = x;
    for (const char c : texto) {
        for (int linha = fonte::kTopo; linha <= fonte::kBase; ++linha) {
            for (int coluna = 0; coluna < fonte::kLargura; ++coluna) {
                if (!fonte::ponto(static_cast<uint8_t>(c), coluna, linha)) continue;
                const float px = caneta + coluna * ponto;
                const float py = topo + linha * ponto;
                mascara.retangulo(px, py, px + ponto, py + ponto, 0, opacidade);
            }
        }
        caneta += fonte::kAvanco * ponto + estilo.espacamento;
    }
#endif
}

Estilo caber(std::string_view texto, Estilo estilo, float larguraMaxima) {
    for (int i = 0; i < 40 && estilo.tamanho > 6 && largura(texto, estilo) > larguraMaxima; ++i) {
        estilo.tamanho *= 0.95f;
        estilo.espacamento *= 0.95f;
    }
    return estilo;
}

}  // namespace letras
