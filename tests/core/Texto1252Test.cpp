#include <gtest/gtest.h>

#include "core/base/Texto1252.h"

namespace {

struct Caso {
    const char* cp1252;
    const char* utf8;
};

const Caso kCasos[] = {
    {"C7(9)", "C7(9)"},
    {"Portugu\xEAs (Brasil)", "Português (Brasil)"},
    {"C\xBA", "Cº"},
    {"C\xB0", "C°"},
    {"C\xF8", "Cø"},
    {"\x80 \x99", "€ ™"},
};

TEST(Texto1252, ConverteNosDoisSentidos) {
    for (const auto& c : kCasos) {
        EXPECT_EQ(texto1252::paraUtf8(c.cp1252), c.utf8) << c.utf8;
        EXPECT_EQ(texto1252::deUtf8(c.utf8), std::string(c.cp1252)) << c.utf8;
    }
}

TEST(Texto1252, TodoByteVoltaIgual) {
    std::string todos;
    for (int b = 1; b < 256; ++b) todos += static_cast<char>(b);
    EXPECT_EQ(texto1252::deUtf8(texto1252::paraUtf8(todos)), todos);
}

TEST(Texto1252, RecusaOQueNaoCabe) {
    EXPECT_FALSE(texto1252::deUtf8("C\xE2\x99\xAF").has_value());  // ♯ is not in Windows-1252
    EXPECT_FALSE(texto1252::deUtf8("\xC3").has_value());            // cut short
    EXPECT_FALSE(texto1252::deUtf8("\xC0\x80").has_value());        // overlong
    EXPECT_FALSE(texto1252::deUtf8("\xFF").has_value());
}

}  // namespace

namespace {

TEST(Texto1252, CaixaDasLetrasAcentuadas) {
    struct Caso {
        const char* a;
        const char* b;
        bool iguais;
    };
    const Caso casos[] = {
        {"Portugu\xEAs (Brasil)", "PORTUGU\xCAS (BRASIL)", true},
        {"C7M", "c7m", true},
        {"\xC7", "\xE7", true},   // Ç ç
        {"\xD7", "\xF7", false},  // × is no letter
        {"Am", "Amm", false},
    };
    for (const auto& c : casos) EXPECT_EQ(texto1252::iguaisSemCaixa(c.a, c.b), c.iguais) << c.a;
    EXPECT_EQ(texto1252::minusculas("\xC9" "DITION"), "\xE9" "dition");
}

}  // namespace
