#include "Mascara.h"

#include <algorithm>
#include <cmath>

#include "Letras.h"

Mascara::Mascara(int largura, int altura)
    : largura_(largura), altura_(altura), alfa_(static_cast<size_t>(largura) * altura, 0.0f) {}

float Mascara::em(int x, int y) const {
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_) return 0;
    return alfa_[static_cast<size_t>(y) * largura_ + x];
}

void Mascara::definir(int x, int y, float valor) {
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_) return;
    float& a = alfa_[static_cast<size_t>(y) * largura_ + x];
    a = std::max(a, std::clamp(valor, 0.0f, 1.0f));
}

void Mascara::forma(float x0, float y0, float x1, float y1, const std::function<float(float, float)>& dist,
                    float opacidade) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
    const int ix1 = std::min(largura_ - 1, static_cast<int>(std::ceil(x1)) + 1);
    const int iy1 = std::min(altura_ - 1, static_cast<int>(std::ceil(y1)) + 1);
    for (int y = iy0; y <= iy1; ++y) {
        for (int x = ix0; x <= ix1; ++x) {
            const float d = dist(x + 0.5f, y + 0.5f);
            const float c = std::clamp(0.5f - d, 0.0f, 1.0f);
            if (c > 0) definir(x, y, c * opacidade);
        }
    }
}

void Mascara::retangulo(float x0, float y0, float x1, float y1, float raio, float opacidade) {
    forma(x0, y0, x1, y1, [=](float x, float y) { return distancia::retangulo(x, y, x0, y0, x1, y1, raio); },
          opacidade);
}

void Mascara::disco(float cx, float cy, float raio, float opacidade) {
    forma(cx - raio, cy - raio, cx + raio, cy + raio,
          [=](float x, float y) { return distancia::disco(x, y, cx, cy, raio); }, opacidade);
}

void Mascara::anel(float cx, float cy, float raioInterno, float raioExterno, float opacidade) {
    forma(cx - raioExterno, cy - raioExterno, cx + raioExterno, cy + raioExterno,
          [=](float x, float y) {
              const float r = std::hypot(x - cx, y - cy);
              return std::max(r - raioExterno, raioInterno - r);
          },
          opacidade);
}

void Mascara::linha(float x0, float y0, float x1, float y1, float espessura, float opacidade) {
    const float m = espessura / 2;
    forma(std::min(x0, x1) - m, std::min(y0, y1) - m, std::max(x0, x1) + m, std::max(y0, y1) + m,
          [=](float x, float y) { return distancia::segmento(x, y, x0, y0, x1, y1, m); }, opacidade);
}

void Mascara::poligono(const std::vector<std::pair<float, float>>& pontos, float opacidade) {
    if (pontos.empty()) return;
    float x0 = pontos[0].first, x1 = x0, y0 = pontos[0].second, y1 = y0;
    for (const auto& [x, y] : pontos) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    }
    forma(x0, y0, x1, y1, [&](float x, float y) { return distancia::poligono(x, y, pontos); }, opacidade);
}

void Mascara::texto(float x, float yBase, std::string_view texto, const letras::Estilo& estilo, float opacidade) {
    letras::escrever(*this, x, yBase, texto, estilo, opacidade);
}

namespace {

// One box pass along rows (passo 1) or columns (passo = largura) of `n` lines.
void caixa(std::vector<float>& v, int comprimento, int linhas, int passoItem, int passoLinha, int raio) {
    std::vector<float> linha(static_cast<size_t>(comprimento));
    const float janela = 2.0f * raio + 1;
    for (int l = 0; l < linhas; ++l) {
        float* base = v.data() + static_cast<size_t>(l) * passoLinha;
        for (int i = 0; i < comprimento; ++i) linha[i] = base[static_cast<size_t>(i) * passoItem];
        float soma = 0;
        for (int i = -raio; i <= raio; ++i) soma += (i >= 0 && i < comprimento) ? linha[i] : 0;
        for (int i = 0; i < comprimento; ++i) {
            base[static_cast<size_t>(i) * passoItem] = soma / janela;
            const int sai = i - raio;
            const int entra = i + raio + 1;
            if (sai >= 0) soma -= linha[sai];
            if (entra < comprimento) soma += linha[entra];
        }
    }
}

}  // namespace

void Mascara::desfocar(float raio) {
    // Three box passes of this width come close to a Gaussian of sigma ~ raio / 2.
    const int r = std::max(1, static_cast<int>(std::lround(raio / 2)));
    for (int i = 0; i < 3; ++i) {
        caixa(alfa_, largura_, altura_, 1, largura_, r);
        caixa(alfa_, altura_, largura_, largura_, 1, r);
    }
}

void Mascara::recortar(const Mascara& outra) {
    for (int y = 0; y < altura_; ++y)
        for (int x = 0; x < largura_; ++x) alfa_[static_cast<size_t>(y) * largura_ + x] *= outra.em(x, y);
}

void Mascara::tirar(const Mascara& outra) {
    for (int y = 0; y < altura_; ++y)
        for (int x = 0; x < largura_; ++x) alfa_[static_cast<size_t>(y) * largura_ + x] *= 1 - outra.em(x, y);
}

void Mascara::escalar(float fator) {
    for (float& a : alfa_) a = std::clamp(a * fator, 0.0f, 1.0f);
}

namespace distancia {

float retangulo(float x, float y, float x0, float y0, float x1, float y1, float raio) {
    const float cx = (x0 + x1) / 2;
    const float cy = (y0 + y1) / 2;
    raio = std::min({raio, (x1 - x0) / 2, (y1 - y0) / 2});
    const float qx = std::abs(x - cx) - ((x1 - x0) / 2 - raio);
    const float qy = std::abs(y - cy) - ((y1 - y0) / 2 - raio);
    const float fora = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return fora + std::min(std::max(qx, qy), 0.0f) - raio;
}

float disco(float x, float y, float cx, float cy, float raio) { return std::hypot(x - cx, y - cy) - raio; }

float segmento(float x, float y, float x0, float y0, float x1, float y1, float meiaEspessura) {
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float c2 = std::max(dx * dx + dy * dy, 1e-9f);
    const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / c2, 0.0f, 1.0f);
    return std::hypot(x - x0 - t * dx, y - y0 - t * dy) - meiaEspessura;
}

float poligono(float x, float y, const std::vector<std::pair<float, float>>& p) {
    const size_t n = p.size();
    float d = (x - p[0].first) * (x - p[0].first) + (y - p[0].second) * (y - p[0].second);
    float sinal = 1;
    for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
        const float ex = p[j].first - p[i].first;
        const float ey = p[j].second - p[i].second;
        const float wx = x - p[i].first;
        const float wy = y - p[i].second;
        const float t = std::clamp((wx * ex + wy * ey) / std::max(ex * ex + ey * ey, 1e-9f), 0.0f, 1.0f);
        const float bx = wx - ex * t;
        const float by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        const bool c1 = y >= p[i].second;
        const bool c2 = y < p[j].second;
        const bool c3 = ex * wy > ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sinal = -sinal;
    }
    return sinal * std::sqrt(d);
}

}  // namespace distancia
