// sheet-chords and sheet-transpose: a sheet on standard input, in
// Windows-1252 or UTF-8, line endings kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/RodarCli.h"

namespace {

const char* const kPortuguesUtf8 = "Portugu\xC3\xAAs (Brasil)";

// Windows-1252: "Refrão" and a "º" chord.
const std::string kCancao =
    "Intro: Am F 2x\r\n"
    "Am          F\r\n"
    "Amazing grace, how sweet the sound\r\n"
    "That [C]saved a [C#\xBA]wretch like [G]me\r\n"
    "Refr\xE3o: Dm | G7 | C";

SaidaCli rodar(const std::string& entrada, std::vector<std::string> palavras, int statusEsperado = 0) {
    const SaidaCli s = rodarCliComEntrada(entrada, std::move(palavras));
    EXPECT_EQ(s.status, statusEsperado) << s.saida << s.erros;
    return s;
}

TEST(CmdCifra, SheetChordsUmaEntradaPorLinha) {
    const auto esperado = nlohmann::json::parse(R"({"lines": [
        {"kind": "chord", "chords": ["Intro:", "Am", "F", "2x"]},
        {"kind": "chord", "chords": ["Am", "F"]},
        {"kind": "lyric", "chords": []},
        {"kind": "lyric", "chords": ["C", "C#\u00ba", "G"]},
        {"kind": "chord", "chords": ["Refr\u00e3o:", "Dm", "|", "G7", "|", "C"]}]})");
    for (const char* idioma : {"English", kPortuguesUtf8}) {
        EXPECT_EQ(rodar(kCancao, {"--json", "--language", idioma, "sheet-chords"}).json(), esperado) << idioma;
    }
    EXPECT_EQ(rodar("", {"--json", "sheet-chords"}).json(), nlohmann::json::parse(R"({"lines": []})"));
    EXPECT_EQ(rodar("Am  F\n[G]la la\n", {"sheet-chords"}).saida, "chord: Am F\nlyric: G\n");
}

TEST(CmdCifra, SheetTransposeComoOsBotoes) {
    struct Case {
        std::vector<std::string> argumentos;
        std::string resultado;
    };
    const Case casos[] = {
        {{"sheet-transpose", "0"},
         "Intro: A#m F# 2x\r\n"
         "A#m          F#\r\n"
         "Amazing grace, how sweet the sound\r\n"
         "That [C#]saved a [D\xBA]wretch like [G#]me\r\n"
         "Refr\xE3o: D#m | G#7 | C#"},
        {{"sheet-transpose", "1", "--steps", "2"},
         "Intro: Gm Eb 2x\r\n"
         "Gm          Eb\r\n"
         "Amazing grace, how sweet the sound\r\n"
         "That [Bb]saved a [B\xBA]wretch like [F]me\r\n"
         "Refr\xE3o: Cm | F7 | Bb"},
        {{"sheet-transpose", "0", "--steps", "0"}, kCancao},
        // Twelve presses come back to the start, spelled with sharps.
        {{"sheet-transpose", "0", "--steps", "12"}, kCancao},
    };
    for (const auto& c : casos) EXPECT_EQ(rodar(kCancao, c.argumentos).saida, c.resultado) << c.argumentos[1];
    EXPECT_EQ(rodar("Bb\nEb\n", {"sheet-transpose", "0", "--steps", "12"}).saida, "A#\nD#\n");
}

TEST(CmdCifra, Utf8GuardaOQueOWindows1252NaoTem) {
    // "♪" and the emoji have no Windows-1252 byte; they stay as they came.
    const std::string entrada = "\xE2\x99\xAA Am  F \xF0\x9F\x8E\xB8\n[C\xC2\xBA]Cora\xC3\xA7\xC3\xA3o \xE2\x99\xAA [E]\n";
    EXPECT_EQ(rodar(entrada, {"sheet-transpose", "1", "--utf8"}).saida,
              "\xE2\x99\xAA Abm  E \xF0\x9F\x8E\xB8\n[B\xC2\xBA]Cora\xC3\xA7\xC3\xA3o \xE2\x99\xAA [Eb]\n");
    EXPECT_EQ(rodar(entrada, {"--json", "sheet-chords", "--utf8"}).json(),
              nlohmann::json::parse(R"({"lines": [
                  {"kind": "chord", "chords": ["\u266a", "Am", "F", "\ud83c\udfb8"]},
                  {"kind": "lyric", "chords": ["C\u00ba", "E"]}]})"));
}

TEST(CmdCifra, ErrosDeUso) {
    struct Case {
        std::string entrada;
        std::vector<std::string> argumentos;
    };
    const Case casos[] = {
        {"C", {"sheet-transpose"}},
        {"C", {"sheet-transpose", "2"}},
        {"C", {"sheet-transpose", "0", "--steps", "-1"}},
        {"C", {"sheet-transpose", "0", "--steps", "1001"}},
        {"C", {"sheet-chords", "extra"}},
        {"C\xE3o", {"sheet-chords", "--utf8"}},  // Windows-1252 bytes are no UTF-8
    };
    for (const auto& c : casos) {
        const SaidaCli s = rodar(c.entrada, c.argumentos, 2);
        EXPECT_EQ(s.saida, "");
        EXPECT_NE(s.erros.find("usage: brelvio-cli " + c.argumentos[0]), std::string::npos) << s.erros;
    }
}

}  // namespace
