#include "Tela.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "Mascara.h"

Cor misturar(const Cor& a, const Cor& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Cor corHex(unsigned rgb) {
    return {static_cast<float>((rgb >> 16) & 0xFF), static_cast<float>((rgb >> 8) & 0xFF),
            static_cast<float>(rgb & 0xFF)};
}

Cor escurecer(const Cor& c, float fator) { return {c.r * fator, c.g * fator, c.b * fator}; }

float brilho(const Cor& c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

Tinta degradeVertical(float y0, float y1, std::vector<std::pair<float, Cor>> paradas) {
    return [=](float, float y) {
        const float t = std::clamp((y - y0) / std::max(y1 - y0, 1e-6f), 0.0f, 1.0f);
        if (t <= paradas.front().first) return paradas.front().second;
        for (size_t i = 1; i < paradas.size(); ++i) {
            if (t <= paradas[i].first) {
                const float u = (t - paradas[i - 1].first) / std::max(paradas[i].first - paradas[i - 1].first, 1e-6f);
                return misturar(paradas[i - 1].second, paradas[i].second, u);
            }
        }
        return paradas.back().second;
    };
}

Tela::Tela(int largura, int altura, Cor fundo)
    : largura_(largura), altura_(altura), pixels_(static_cast<size_t>(largura) * altura, fundo) {}

Cor Tela::em(int x, int y) const {
    x = std::clamp(x, 0, largura_ - 1);
    y = std::clamp(y, 0, altura_ - 1);
    return pixels_[static_cast<size_t>(y) * largura_ + x];
}

void Tela::definir(int x, int y, Cor cor) {
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_) return;
    pixels_[static_cast<size_t>(y) * largura_ + x] = cor;
}

void Tela::pintar(const Tinta& tinta) {
    for (int y = 0; y < altura_; ++y)
        for (int x = 0; x < largura_; ++x) pixels_[static_cast<size_t>(y) * largura_ + x] = tinta(x + 0.5f, y + 0.5f);
}

void Tela::transformar(const std::function<Cor(float, float, Cor)>& f) {
    for (int y = 0; y < altura_; ++y) {
        for (int x = 0; x < largura_; ++x) {
            Cor& c = pixels_[static_cast<size_t>(y) * largura_ + x];
            c = f(x + 0.5f, y + 0.5f, c);
        }
    }
}

void Tela::compor(const Mascara& mascara, const Tinta& tinta, float opacidade, int dx, int dy) {
    const int x0 = std::max(0, dx);
    const int y0 = std::max(0, dy);
    const int x1 = std::min(largura_, mascara.largura() + dx);
    const int y1 = std::min(altura_, mascara.altura() + dy);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float a = mascara.em(x - dx, y - dy) * opacidade;
            if (a <= 0) continue;
            Cor& c = pixels_[static_cast<size_t>(y) * largura_ + x];
            c = misturar(c, tinta(x + 0.5f, y + 0.5f), std::min(a, 1.0f));
        }
    }
}

void Tela::compor(const Mascara& mascara, Cor cor, float opacidade, int dx, int dy) {
    compor(mascara, [cor](float, float) { return cor; }, opacidade, dx, dy);
}

void Tela::sombra(const Mascara& forma, float desfoque, int dx, int dy, Cor cor, float opacidade) {
    Mascara borrada = forma;
    borrada.desfocar(desfoque);
    compor(borrada, cor, opacidade, dx, dy);
}

void Tela::colar(const Tela& outra, int x, int y) {
    for (int j = 0; j < outra.altura_; ++j)
        for (int i = 0; i < outra.largura_; ++i) definir(x + i, y + j, outra.em(i, j));
}

Tela Tela::reduzida(int largura, int altura) const {
    Tela saida(largura, altura);
    const float sx = static_cast<float>(largura_) / largura;
    const float sy = static_cast<float>(altura_) / altura;
    for (int y = 0; y < altura; ++y) {
        for (int x = 0; x < largura; ++x) {
            const float ax = x * sx, bx = (x + 1) * sx, ay = y * sy, by = (y + 1) * sy;
            Cor soma{};
            float peso = 0;
            for (int j = static_cast<int>(ay); j < static_cast<int>(std::ceil(by)); ++j) {
                const float wy = std::min(by, j + 1.0f) - std::max(ay, static_cast<float>(j));
                for (int i = static_cast<int>(ax); i < static_cast<int>(std::ceil(bx)); ++i) {
                    const float w = wy * (std::min(bx, i + 1.0f) - std::max(ax, static_cast<float>(i)));
                    const Cor c = em(i, j);
                    soma = {soma.r + c.r * w, soma.g + c.g * w, soma.b + c.b * w};
                    peso += w;
                }
            }
            saida.definir(x, y, escurecer(soma, 1.0f / peso));
        }
    }
    return saida;
}

Tela Tela::recorte(int x, int y, int largura, int altura) const {
    Tela saida(largura, altura);
    for (int j = 0; j < altura; ++j)
        for (int i = 0; i < largura; ++i) saida.definir(i, j, em(x + i, y + j));
    return saida;
}

namespace {

std::vector<unsigned char> bytesRgb(const std::vector<Cor>& pixels) {
    std::vector<unsigned char> saida(pixels.size() * 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        saida[i * 3 + 0] = static_cast<unsigned char>(std::clamp(std::lround(pixels[i].r), 0L, 255L));
        saida[i * 3 + 1] = static_cast<unsigned char>(std::clamp(std::lround(pixels[i].g), 0L, 255L));
        saida[i * 3 + 2] = static_cast<unsigned char>(std::clamp(std::lround(pixels[i].b), 0L, 255L));
    }
    return saida;
}

uint32_t crc32(const unsigned char* p, size_t n, uint32_t crc = 0) {
    static uint32_t tabela[256];
    static bool pronta = false;
    if (!pronta) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            tabela[i] = c;
        }
        pronta = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = tabela[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void grande(std::string& s, uint32_t v) {
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (i * 8)) & 0xFF);
}

void pedaco(std::string& png, const char* tipo, const std::string& dados) {
    grande(png, static_cast<uint32_t>(dados.size()));
    std::string corpo = std::string(tipo, 4) + dados;
    png += corpo;
    grande(png, crc32(reinterpret_cast<const unsigned char*>(corpo.data()), corpo.size()));
}

}  // namespace

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
    // Full colour resolution: thin red and blue edges stay clean.
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    const std::vector<unsigned char> rgb = bytesRgb(pixels_);
    while (info.next_scanline < info.image_height) {
        JSAMPROW linhas[1] = {const_cast<unsigned char*>(rgb.data()) +
                              static_cast<size_t>(info.next_scanline) * largura_ * 3};
        jpeg_write_scanlines(&info, linhas, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(saida), tamanho);
    jpeg_destroy_compress(&info);
    std::free(saida);
    return bytes;
}

std::string Tela::paraPng(const Mascara* alfa) const {
    // Stored (uncompressed) deflate blocks: larger files, no library needed.
    const std::vector<unsigned char> rgb = bytesRgb(pixels_);
    const int canais = alfa != nullptr ? 4 : 3;
    std::string cru;
    for (int y = 0; y < altura_; ++y) {
        cru += '\0';
        for (int x = 0; x < largura_; ++x) {
            cru.append(reinterpret_cast<const char*>(rgb.data()) + (static_cast<size_t>(y) * largura_ + x) * 3, 3);
            if (alfa != nullptr) cru += static_cast<char>(std::lround(std::clamp(alfa->em(x, y), 0.0f, 1.0f) * 255));
        }
    }
    std::string z = "\x78\x01";
    for (size_t i = 0; i < cru.size() || i == 0; i += 65535) {
        const size_t n = std::min<size_t>(65535, cru.size() - i);
        const bool ultimo = i + n >= cru.size();
        z += static_cast<char>(ultimo ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(cru, i, n);
        if (ultimo) break;
    }
    uint32_t a = 1, b = 0;
    for (const unsigned char c : cru) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    grande(z, (b << 16) | a);
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string ihdr;
    grande(ihdr, static_cast<uint32_t>(largura_));
    grande(ihdr, static_cast<uint32_t>(altura_));
    ihdr += std::string(canais == 4 ? "\x08\x06\x00\x00\x00" : "\x08\x02\x00\x00\x00", 5);
    pedaco(png, "IHDR", ihdr);
    pedaco(png, "IDAT", z);
    pedaco(png, "IEND", "");
    return png;
}
