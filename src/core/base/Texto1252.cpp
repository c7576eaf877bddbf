#include "core/base/Texto1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; the other bytes are their own code point.
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void anexarUtf8(std::string& saida, char32_t cp) {
    if (cp < 0x80) {
        saida += static_cast<char>(cp);
    } else if (cp < 0x800) {
        saida += static_cast<char>(0xC0 | (cp >> 6));
        saida += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (cp >> 12));
        saida += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<unsigned char> byteDe(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (size_t i = 0; i < kFaixa80.size(); ++i) {
        if (kFaixa80[i] == cp) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace

namespace texto1252 {

std::string paraUtf8(std::string_view cp1252) {
    std::string saida;
    saida.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252) {
        const auto b = static_cast<unsigned char>(c);
        anexarUtf8(saida, (b >= 0x80 && b < 0xA0) ? kFaixa80[b - 0x80] : char32_t{b});
    }
    return saida;
}

std::optional<std::string> deUtf8(std::string_view utf8) {
    std::string saida;
    saida.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        size_t n = 0;
        if (b0 < 0x80) {
            cp = b0;
            n = 1;
        } else if ((b0 & 0xE0) == 0xC0) {
            cp = b0 & 0x1F;
            n = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            cp = b0 & 0x0F;
            n = 3;
        } else if ((b0 & 0xF8) == 0xF0) {
            cp = b0 & 0x07;
            n = 4;
        } else {
            return std::nullopt;
        }
        if (i + n > utf8.size()) return std::nullopt;
        for (size_t k = 1; k < n; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        // Overlong forms are not valid UTF-8.
        if ((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000)) return std::nullopt;
        const auto byte = byteDe(cp);
        if (!byte) return std::nullopt;
        saida += static_cast<char>(*byte);
        i += n;
    }
    return saida;
}

namespace {
char minuscula(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
    return c;
}
}  // namespace

std::string minusculas(std::string_view texto) {
    std::string saida(texto);
    for (char& c : saida) c = minuscula(c);
    return saida;
}

bool iguaisSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    }
    return true;
}

}  // namespace texto1252
