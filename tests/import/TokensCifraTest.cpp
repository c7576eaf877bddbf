// Tokens, skip words and bracket texts of a chord sheet's line: plain text
// rules that need no language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/TokensCifra.h"

namespace {

using namespace tokensCifra;

std::vector<std::string> textos(std::string_view linha, const std::vector<Trecho>& trechos) {
    std::vector<std::string> r;
    for (const auto& t : trechos) r.emplace_back(texto(linha, t));
    return r;
}

TEST(TokensCifra, SeparadosPorQualquerSequenciaDeSeparadores) {
    struct Case {
        std::string linha;
        std::vector<std::string> tokens;
    };
    const Case casos[] = {
        {"Am   F    Dm  G", {"Am", "F", "Dm", "G"}},
        {"  Hello [Am]dark[F]ness\t\tmy\r", {"Hello", "Am", "dark", "F", "ness", "my"}},
        {"Dm | G7 | C", {"Dm", "|", "G7", "|", "C"}},
        {"[][ ]\t\r", {}},
        {"", {}},
    };
    for (const auto& c : casos) EXPECT_EQ(textos(c.linha, tokens(c.linha)), c.tokens) << c.linha;
}

TEST(TokensCifra, SoOsPrimeiros500CaracteresEUmTokenCortadoFicaDeFora) {
    EXPECT_EQ(textos(std::string(497, ' ') + "C#m", tokens(std::string(497, ' ') + "C#m")),
              std::vector<std::string>{"C#m"});
    // Its first two characters alone would read as another chord (C#).
    EXPECT_TRUE(tokens(std::string(498, ' ') + "C#m").empty());
    EXPECT_TRUE(tokens(std::string(500, ' ') + "Am").empty());
    EXPECT_TRUE(textosEntreColchetes(std::string(496, ' ') + "[Am]").size() == 1);
    EXPECT_TRUE(textosEntreColchetes(std::string(497, ' ') + "[Am]").empty());
}

TEST(TokensCifra, CandidatosAInterpretacao) {
    struct Case {
        const char* token;
        bool candidato;
    };
    const Case casos[] = {
        {"Am", true},
        {"C7(9)/G", true},
        {"Hello", true},
        {"Intro:", false},
        {"INTRO", false},
        {"Refr\xE3o", false},  // Refrão, Windows-1252
        {"2x", false},
        {"(3X)", false},
        {"Tom:", false},
        {"Atone", false},  // anywhere in the token
        {"Repeat", false},
        {"|", false},
        {"--", false},
        {"123", false},
        {"\xC9\xE7", false},  // accented letters are not A-Z
        {"abcdefghijklmnopintro", true},  // the skip word lies past the first 16 characters
        {"abcdefghijkintro", false},      // it ends on the 16th character
    };
    for (const auto& c : casos) EXPECT_EQ(ehCandidato(c.token), c.candidato) << c.token;
}

TEST(TokensCifra, TextosEntreColchetes) {
    struct Case {
        std::string linha;
        std::vector<std::string> textos;
    };
    const Case casos[] = {
        {"Amazing [Am]grace, how [F]sweet the sound", {"Am", "F"}},
        {"no brackets here", {}},
        {"] [C", {}},
        {"[A[B]", {"B"}},  // from the most recent "["
        {"[Am]] x", {"Am", "Am]"}},
        {"[1234567890123456] [12345678901234567]", {"1234567890123456"}},
        {"[]", {""}},
    };
    for (const auto& c : casos) EXPECT_EQ(textos(c.linha, textosEntreColchetes(c.linha)), c.textos) << c.linha;
}

}  // namespace
