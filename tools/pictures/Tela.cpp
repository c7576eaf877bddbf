#include "Tela.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "Fonte.h"

namespace {
constexpr int kAmostras = 4;  // samples per pixel along each axis
}

Cor misturar(const Cor& a, const Cor& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Cor corHex(unsigned rgb) {
    return {static_cast<float>((rgb >> 16) & 0xFF), static_cast<float>((rgb >> 8) & 0xFF),
            static_cast<float>(rgb & 0xFF)};
}

Tela::Tela(int largura, int altura, Cor fundo)
    : largura_(largura), altura_(altura), rgb_(static_cast<size_t>(largura) * altura * 3) {
    pintar([&](float, float) { return fundo; });
}

void Tela::pintar(const std::function<Cor(float, float)>& cor) {
    for (int y = 0; y < altura_; ++y) {
        for (int x = 0; x < largura_; ++x) {
            const Cor c = cor(x + 0.5f, y + 0.5f);
            canal(x, y, 0) = c.r;
            canal(x, y, 1) = c.g;
            canal(x, y, 2) = c.b;
        }
    }
}

void Tela::misturarPixel(int x, int y, Cor cor, float alfa) {
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_ || alfa <= 0) return;
    canal(x, y, 0) += (cor.r - canal(x, y, 0)) * alfa;
    canal(x, y, 1) += (cor.g - canal(x, y, 1)) * alfa;
    canal(x, y, 2) += (cor.b - canal(x, y, 2)) * alfa;
}

void Tela::cobrir(int x0, int y0, int x1, int y1, const std::function<bool(float, float)>& dentro, Cor cor,
                  float opacidade) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, largura_ - 1);
    y1 = std::min(y1, altura_ - 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int dentroDela = 0;
            for (int sy = 0; sy < kAmostras; ++sy) {
                for (int sx = 0; sx < kAmostras; ++sx) {
                    if (dentro(x + (sx + 0.5f) / kAmostras, y + (sy + 0.5f) / kAmostras)) ++dentroDela;
                }
            }
            misturarPixel(x, y, cor, opacidade * dentroDela / (kAmostras * kAmostras));
        }
    }
}

void Tela::retangulo(float x0, float y0, float x1, float y1, Cor cor, float opacidade) {
    cobrir(static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)), static_cast<int>(std::ceil(x1)),
           static_cast<int>(std::ceil(y1)),
           [=](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, cor, opacidade);
}

namespace {
bool dentroArredondado(float x, float y, float x0, float y0, float x1, float y1, float raio) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    const float cx = std::clamp(x, x0 + raio, x1 - raio);
    const float cy = std::clamp(y, y0 + raio, y1 - raio);
    const float dx = x - cx;
    const float dy = y - cy;
    return dx * dx + dy * dy <= raio * raio;
}
}  // namespace

void Tela::retanguloArredondado(float x0, float y0, float x1, float y1, float raio, Cor cor, float opacidade) {
    cobrir(static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)), static_cast<int>(std::ceil(x1)),
           static_cast<int>(std::ceil(y1)),
           [=](float x, float y) { return dentroArredondado(x, y, x0, y0, x1, y1, raio); }, cor, opacidade);
}

void Tela::moldura(float x0, float y0, float x1, float y1, float raio, float espessura, Cor cor, float opacidade) {
    const float e = espessura;
    const float raioInterno = std::max(0.0f, raio - e);
    cobrir(static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)), static_cast<int>(std::ceil(x1)),
           static_cast<int>(std::ceil(y1)),
           [=](float x, float y) {
               return dentroArredondado(x, y, x0, y0, x1, y1, raio) &&
                      !dentroArredondado(x, y, x0 + e, y0 + e, x1 - e, y1 - e, raioInterno);
           },
           cor, opacidade);
}

void Tela::linha(float x0, float y0, float x1, float y1, float espessura, Cor cor, float opacidade) {
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float comprimento2 = std::max(dx * dx + dy * dy, 1e-6f);
    const float meia = espessura / 2;
    cobrir(static_cast<int>(std::floor(std::min(x0, x1) - meia)), static_cast<int>(std::floor(std::min(y0, y1) - meia)),
           static_cast<int>(std::ceil(std::max(x0, x1) + meia)), static_cast<int>(std::ceil(std::max(y0, y1) + meia)),
           [=](float x, float y) {
               const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / comprimento2, 0.0f, 1.0f);
               const float px = x0 + t * dx - x;
               const float py = y0 + t * dy - y;
               return px * px + py * py <= meia * meia;
           },
           cor, opacidade);
}

void Tela::disco(float cx, float cy, float raio, Cor cor, float opacidade) {
    cobrir(static_cast<int>(std::floor(cx - raio)), static_cast<int>(std::floor(cy - raio)),
           static_cast<int>(std::ceil(cx + raio)), static_cast<int>(std::ceil(cy + raio)),
           [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= raio * raio; }, cor,
           opacidade);
}

float Tela::larguraTexto(std::string_view texto, float ponto) {
    if (texto.empty()) return 0;
    return (static_cast<float>(texto.size()) * fonte::kAvanco - 1) * ponto;
}

void Tela::texto(float x, float y, std::string_view texto, float ponto, Cor cor, float opacidade) {
    // y is the top of the letters; accents reach two dots above it.
    const float largura = larguraTexto(texto, ponto);
    const std::string copia(texto);
    cobrir(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y + fonte::kTopo * ponto)),
           static_cast<int>(std::ceil(x + largura)), static_cast<int>(std::ceil(y + (fonte::kBase + 1) * ponto)),
           [=](float px, float py) {
               const int coluna = static_cast<int>(std::floor((px - x) / ponto));
               const int linha = static_cast<int>(std::floor((py - y) / ponto));
               if (coluna < 0) return false;
               const size_t indice = static_cast<size_t>(coluna / fonte::kAvanco);
               if (indice >= copia.size()) return false;
               return fonte::ponto(static_cast<uint8_t>(copia[indice]), coluna % fonte::kAvanco, linha);
           },
           cor, opacidade);
}

void Tela::textoCentrado(float cx, float y, std::string_view texto, float ponto, float larguraMaxima, Cor cor,
                         float opacidade) {
    float largura = larguraTexto(texto, ponto);
    if (largura > larguraMaxima && largura > 0) {
        ponto *= larguraMaxima / largura;
        largura = larguraTexto(texto, ponto);
    }
    this->texto(cx - largura / 2, y, texto, ponto, cor, opacidade);
}

std::string Tela::paraJpeg(int qualidade) const {
    jpeg_compress_struct info{};
    jpeg_error_mgr erro{};
    info.err = jpeg_std_error(&erro);
    jpeg_create_compress(&info);
    unsigned char* saida = nullptr;
    unsigned long tamanho = 0;
    jpeg_mem_dest(&info, &saida, &tamanho);
    info.image_width = static_cast<JDIMENSION>(largura_);
    info.image_height = static_cast<JDIMENSION>(altura_);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualidade, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> linha(static_cast<size_t>(largura_) * 3);
    while (info.next_scanline < info.image_height) {
        const size_t y = info.next_scanline;
        for (size_t i = 0; i < linha.size(); ++i) {
            const float v = rgb_[y * linha.size() + i];
            linha[i] = static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L));
        }
        JSAMPROW linhas[1] = {linha.data()};
        jpeg_write_scanlines(&info, linhas, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(saida), tamanho);
    jpeg_destroy_compress(&info);
    std::free(saida);
    return bytes;
}
