#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/RodarCli.h"

namespace fs = std::filesystem;

namespace {


TEST(CmdInstrumentos, ListaEmJsonComOsPadraoPrimeiro) {
    const SaidaCli s = rodarCliEm(BRELVIO_APP_DIR, {"--json", "instruments"});
    ASSERT_EQ(s.status, 0) << s.erros;
    EXPECT_EQ(s.erros, "");
    const auto j = nlohmann::json::parse(s.saida);
    ASSERT_EQ(j.size(), 1u);
    const auto& lista = j.at("instruments");
    ASSERT_EQ(lista.size(), 9u);
    const auto violao = nlohmann::json::parse(R"j({"name": "Guitar",
        "description": "Standard six-string guitar (E A D G B E)", "strings": 6, "frets": 12, "span": 3,
        "sound": 25, "tuning": [40, 45, 50, 55, 59, 64]})j");
    EXPECT_EQ(lista[0], violao);
    EXPECT_EQ(lista[1].at("name"), "Cavaquinho");
    EXPECT_EQ(lista[1].at("tuning"), nlohmann::json::parse("[50, 55, 59, 64]"));
    for (const auto& i : lista) {
        EXPECT_EQ(i.size(), 7u) << i.dump();
        EXPECT_EQ(i.at("tuning").size(), i.at("strings").get<size_t>()) << i.dump();
    }
    EXPECT_EQ(lista[4].at("name"), "4-string bass");
    EXPECT_EQ(lista[4].at("tuning"), nlohmann::json::parse("[28, 33, 38, 43]"));
}

TEST(CmdInstrumentos, TextosEmPortuguesSaemEmUtf8) {
    const SaidaCli s = rodarCliEm(BRELVIO_APP_DIR, {"--json", "--language", "Portugu\xC3\xAAs (Brasil)", "instruments"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const auto lista = nlohmann::json::parse(s.saida).at("instruments");
    EXPECT_EQ(lista[0].at("name"), "Viol\xC3\xA3o");
    EXPECT_EQ(lista[0].at("sound"), 24);
    EXPECT_EQ(lista[6].at("name"), "Viol\xC3\xA3o (6\xC2\xAA em R\xC3\xA9)");
}

TEST(CmdInstrumentos, TextoLegivel) {
    const SaidaCli s = rodarCliEm(BRELVIO_APP_DIR, {"instruments"});
    ASSERT_EQ(s.status, 0) << s.erros;
    EXPECT_NE(s.saida.find("0. Guitar [built-in]\n"), std::string::npos) << s.saida;
    EXPECT_NE(s.saida.find("6 strings, 12 frets, span 3, sound 25"), std::string::npos);
    EXPECT_NE(s.saida.find("tuning: E2(40) A2(45) D3(50) G3(55) B3(59) E4(64)"), std::string::npos);
    EXPECT_NE(s.saida.find("2. Ukulele\n"), std::string::npos);
    EXPECT_NE(s.saida.find("tuning: G4(67) C4(60) E4(64) A4(69)"), std::string::npos);
}

TEST(CmdInstrumentos, ErrosDoArquivoDeInstrumentos) {
    // A program directory with the language files but a broken or missing instrument file.
    const fs::path pasta = fs::path(testing::TempDir()) / "cmd_instrumentos_erros";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    for (const char* idioma : {"english.idm", "portugues.idm"}) {
        fs::copy_file(fs::path(BRELVIO_APP_DIR) / idioma, pasta / idioma);
    }
    SaidaCli s = rodarCliEm(pasta.string(), {"--json", "instruments"});
    EXPECT_EQ(s.status, 1);
    auto j = nlohmann::json::parse(s.saida);
    EXPECT_EQ(j.at("error"), "FileNotFoundException");
    EXPECT_NE(j.at("message").get<std::string>().find("instruments.xml'"), std::string::npos);

    std::ofstream(pasta / "instruments.xml", std::ios::binary)
        << "<colecaoInstrumento><instrumento><nome>X</nome><som>abc</som></instrumento></colecaoInstrumento>";
    s = rodarCliEm(pasta.string(), {"--json", "instruments"});
    EXPECT_EQ(s.status, 1);
    j = nlohmann::json::parse(s.saida);
    EXPECT_EQ(j.at("error"), "XMLParseException");

    s = rodarCliEm(BRELVIO_APP_DIR, {"instruments", "extra"});
    EXPECT_EQ(s.status, 2);
    fs::remove_all(pasta);
}

}  // namespace
