// A whole sheet: line endings kept, the chords an import offers in order, and
// tabs turned into blanks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/FolhaCifra.h"
#include "support/IdiomaDeTeste.h"

namespace {

const char* const kCancao =
    "Intro: Am F 2x\r\n"
    "\r\n"
    "Am          F\r\n"
    "Amazing grace, how sweet the sound\r\n"
    "That [C]saved a wretch like [G]me\r\n"
    "Dm | G7 | C";

TEST(FolhaCifra, LinhasComOsFinsQueTinham) {
    struct Case {
        std::string folha;
        std::vector<LinhaFolha> linhas;
    };
    const Case casos[] = {
        {"a\r\nb\nc", {{"a", "\r\n"}, {"b", "\n"}, {"c", ""}}},
        {"a\n\n", {{"a", "\n"}, {"", "\n"}}},
        {"\r\n", {{"", "\r\n"}}},
        {"a\rb", {{"a\rb", ""}}},
        {"", {}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(folhaCifra::dividir(c.folha), c.linhas);
        EXPECT_EQ(folhaCifra::juntar(folhaCifra::dividir(c.folha)), c.folha);
    }
}

TEST(FolhaCifra, AcordesDeTodasAsLinhasComRepeticoes) {
    IdiomaDeTeste idioma;
    const std::vector<std::string> esperados = {"Intro:", "Am", "F", "2x", "Am", "F",  "C",
                                                "G",      "Dm", "|", "G7", "|",  "C"};
    EXPECT_EQ(folhaCifra::acordes(kCancao), esperados);
}

TEST(FolhaCifra, TransposicaoGuardaOsFinsDeLinha) {
    IdiomaDeTeste idioma;
    const std::string acima = folhaCifra::transpor(kCancao, 1, kTransporAcima);
    EXPECT_EQ(acima,
              "Intro: A#m F# 2x\r\n"
              "\r\n"
              "A#m          F#\r\n"
              "Amazing grace, how sweet the sound\r\n"
              "That [C#]saved a wretch like [G#]me\r\n"
              "D#m | G#7 | C#");
    EXPECT_EQ(folhaCifra::transpor(acima, 1, kTransporAbaixo),
              "Intro: Am F 2x\r\n"
              "\r\n"
              "Am          F\r\n"
              "Amazing grace, how sweet the sound\r\n"
              "That [C]saved a wretch like [G]me\r\n"
              "Dm | G7 | C");
    EXPECT_EQ(folhaCifra::transpor("C\nD\n", 1, kTransporAbaixo), "B\nDb\n");
}

TEST(FolhaCifra, TabulacoesViramDoisBrancos) {
    EXPECT_EQ(folhaCifra::tabulacoesComoBrancos("Am\tF\t\tG\nla\tla"), "Am  F    G\nla  la");
    EXPECT_EQ(folhaCifra::tabulacoesComoBrancos(""), "");
}

}  // namespace
