#include "Ruido.h"

#include <cmath>
#include <cstdint>

namespace ruido {
namespace {

float aleatorio(int32_t x, int32_t y, unsigned semente) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + semente * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float suave(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

float valor(float x, float y, unsigned semente) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = static_cast<int32_t>(fx);
    const auto iy = static_cast<int32_t>(fy);
    const float tx = suave(x - fx);
    const float ty = suave(y - fy);
    const float a = aleatorio(ix, iy, semente);
    const float b = aleatorio(ix + 1, iy, semente);
    const float c = aleatorio(ix, iy + 1, semente);
    const float d = aleatorio(ix + 1, iy + 1, semente);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fractal(float x, float y, int oitavas, unsigned semente) {
    float soma = 0;
    float peso = 0.5f;
    float total = 0;
    for (int i = 0; i < oitavas; ++i) {
        soma += valor(x, y, semente + static_cast<unsigned>(i) * 101u) * peso;
        total += peso;
        x *= 2.03f;
        y *= 2.03f;
        peso *= 0.5f;
    }
    return soma / total;
}

}  // namespace ruido
