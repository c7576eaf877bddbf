#pragma once
// A decoded picture: plain 8-bit RGB rows, top row first. The windows turn it
// into their own picture type.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

struct Imagem {
    int largura = 0;
    int altura = 0;
    std::vector<uint8_t> rgb;  // largura * altura * 3 bytes
};

// Decodes a JPEG held in memory; nothing when the bytes are not a JPEG.
std::unique_ptr<Imagem> decodificarJpeg(std::string_view bytes);
