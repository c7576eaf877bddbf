#pragma once
// Reads the 16-bit PCM WAV files the built-in synthesizer renders, so tests
// can tell sound from silence without any audio tool.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace wav_de_teste {

struct Wav {
    int canais = 0;
    int taxa = 0;
    std::vector<int16_t> amostras;  // interleaved

    size_t quadros() const { return canais ? amostras.size() / static_cast<size_t>(canais) : 0; }
    // Largest magnitude between two times, in milliseconds.
    int pico(int deMs, int ateMs) const {
        const size_t de = std::min(amostras.size(), static_cast<size_t>(deMs) * taxa / 1000 * canais);
        const size_t ate = std::min(amostras.size(), static_cast<size_t>(ateMs) * taxa / 1000 * canais);
        int maior = 0;
        for (size_t i = de; i < ate; ++i) maior = std::max(maior, std::abs(static_cast<int>(amostras[i])));
        return maior;
    }
};

inline uint32_t le32(const char* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// Reads 16-bit PCM; leaves the result empty when the file is not one.
inline Wav lerWav(const std::filesystem::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    const std::string dados((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    Wav w;
    if (dados.size() < 12 || dados.compare(0, 4, "RIFF") != 0 || dados.compare(8, 4, "WAVE") != 0) return w;
    for (size_t p = 12; p + 8 <= dados.size();) {
        const std::string id = dados.substr(p, 4);
        const uint32_t tamanho = le32(dados.data() + p + 4);
        const char* corpo = dados.data() + p + 8;
        if (id == "fmt " && tamanho >= 16) {
            uint16_t formato, canais, bits;
            std::memcpy(&formato, corpo, 2);
            std::memcpy(&canais, corpo + 2, 2);
            std::memcpy(&bits, corpo + 14, 2);
            if (formato != 1 || bits != 16) return Wav{};
            w.canais = canais;
            w.taxa = static_cast<int>(le32(corpo + 4));
        } else if (id == "data") {
            const size_t n = std::min<size_t>(tamanho, dados.size() - p - 8) / 2;
            w.amostras.resize(n);
            std::memcpy(w.amostras.data(), corpo, n * 2);
        }
        p += 8 + tamanho + (tamanho & 1);
    }
    return w;
}

}  // namespace wav_de_teste
