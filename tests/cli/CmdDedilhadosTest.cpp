#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/RodarCli.h"

namespace {


TEST(CmdDedilhados, CavaquinhoDoMaiorExatamente) {
    const SaidaCli s = rodarCliJson({"generate", "C", "--instrument", "1"});
    EXPECT_EQ(s.status, 0) << s.erros;
    EXPECT_EQ(s.erros, "");
    EXPECT_EQ(s.saida,
              "{\"name\":\"C\",\"fingerings\":["
              "{\"frets\":[10,0,8,0],\"fingers\":[3,0,1,0]},"
              "{\"frets\":[10,0,8,12],\"fingers\":[2,0,1,4]},"
              "{\"frets\":[10,9,8,0],\"fingers\":[3,2,1,0]},"
              "{\"frets\":[10,9,8,8],\"fingers\":[3,2,1,1]},"
              "{\"frets\":[10,9,8,12],\"fingers\":[3,2,1,4]},"
              "{\"frets\":[10,12,8,0],\"fingers\":[2,4,1,0]}]}\n");
}

TEST(CmdDedilhados, AfinacaoAvulsaIgualAoInstrumentoDaLista) {
    // The built-in guitar is index 0 and the default; its sizes are the ad hoc defaults.
    const SaidaCli padrao = rodarCliJson({"generate", "Am7/G"});
    ASSERT_EQ(padrao.status, 0) << padrao.erros;
    EXPECT_EQ(rodarCliJson({"generate", "Am7/G", "--instrument", "0"}).saida, padrao.saida);
    EXPECT_EQ(rodarCliJson({"generate", "Am7/G", "--tuning", "40 45 50 55 59 64"}).saida, padrao.saida);
    EXPECT_EQ(rodarCliJson({"generate", "Am7/G", "--tuning", "40 45 50 55 59 64", "--frets", "12", "--span", "3"}).saida,
              padrao.saida);
    // The cavaquinho's span is 4.
    EXPECT_EQ(rodarCliJson({"generate", "C", "--tuning", "50 55 59 64", "--span", "4"}).saida,
              rodarCliJson({"generate", "C", "--instrument", "1"}).saida);

    const auto json = nlohmann::json::parse(padrao.saida);
    EXPECT_EQ(json["name"], "Am7/G");
    ASSERT_FALSE(json["fingerings"].empty());
    for (const auto& d : json["fingerings"]) {
        EXPECT_EQ(d["frets"].size(), 6u);
        EXPECT_EQ(d["fingers"].size(), 6u);
    }
}

TEST(CmdDedilhados, ONomeEOCanonicoDaNotacao) {
    const auto nome = [](const char* idioma, const char* cifra) {
        const SaidaCli g = rodarCli({"--json", "--language", idioma, "generate", cifra});
        const SaidaCli i = rodarCli({"--json", "--language", idioma, "interpret", cifra});
        EXPECT_EQ(g.status, 0) << g.erros;
        EXPECT_EQ(nlohmann::json::parse(g.saida)["name"], nlohmann::json::parse(i.saida)["name"]) << cifra;
    };
    nome("English", "Cmaj7");
    nome("English", "Bbm7(b5)");
    nome("Portugu\xC3\xAAs (Brasil)", "Cmaj7");
    nome("Portugu\xC3\xAAs (Brasil)", "F#m7(11)");
}

TEST(CmdDedilhados, InstrumentosPequenosNaoGeramNada) {
    for (const char* afinacao : {"55 60 64", "60", "60 64"}) {
        const SaidaCli s = rodarCliJson({"generate", "C", "--tuning", afinacao});
        EXPECT_EQ(s.status, 0) << s.erros;
        EXPECT_EQ(s.saida, "{\"name\":\"C\",\"fingerings\":[]}\n") << afinacao;
    }
}

TEST(CmdDedilhados, CifraInvalidaEErroDoDicionario) {
    const SaidaCli s = rodarCliJson({"generate", "H7", "--instrument", "1"});
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(nlohmann::json::parse(s.saida)["error"], "RaizNaoEncontradaException");
    const SaidaCli d = rodarCliJson({"generate", "C7xyz"});
    EXPECT_EQ(d.status, 1);
    EXPECT_EQ(nlohmann::json::parse(d.saida)["error"], "DataFormatException");
}

struct CasoUso {
    std::vector<std::string> palavras;
    const char* motivo;  // part of the usage line
};

const CasoUso kUsos[] = {
    {{"generate"}, "missing arguments"},
    {{"generate", "C", "--instrument", "-1"}, "--instrument must be a list index from 0"},
    {{"generate", "C", "--instrument", "999"}, "--instrument must be 0 to "},
    {{"generate", "C", "--instrument", "x"}, "--instrument must be an integer"},
    {{"generate", "C", "--instrument", "1", "--tuning", "40 45 50 55"}, "exclude each other"},
    {{"generate", "C", "--span", "2"}, "--frets and --span go with --tuning"},
    {{"generate", "C", "--frets", "12"}, "--frets and --span go with --tuning"},
    {{"generate", "C", "--tuning", ""}, "--tuning needs 1 to 6"},
    {{"generate", "C", "--tuning", "40 45 50 55 59 64 69"}, "--tuning needs 1 to 6"},
    {{"generate", "C", "--tuning", "40 45 x 55"}, "--tuning must be an integer"},
    {{"generate", "C", "--tuning", "-1 45 50 55"}, "--tuning pitches must be 0 to 127"},
    {{"generate", "C", "--tuning", "40 45 50 128"}, "--tuning pitches must be 0 to 127"},
    {{"generate", "C", "--tuning", "40 45 50 55", "--frets", "0"}, "--frets must be 1 to 14"},
    {{"generate", "C", "--tuning", "40 45 50 55", "--frets", "15"}, "--frets must be 1 to 14"},
    {{"generate", "C", "--tuning", "40 45 50 55", "--span", "-1"}, "--span must be 0 to 12"},
    {{"generate", "C", "--tuning", "40 45 50 55", "--frets", "6", "--span", "7"}, "--span must be 0 to 6"},
    {{"generate", "C", "--strings", "4"}, "unknown option --strings"},
    {{"fingers"}, "--frets is required"},
    {{"fingers", "--frets", ""}, "--frets needs 1 to 12"},
    {{"fingers", "--frets", "-2 3 2 0 1 0"}, "--frets values must be -1"},
    {{"fingers", "--frets", "-1 3 2 0 1 0", "--fret-count", "-1"}, "--fret-count must be 0 to 99"},
    {{"fingers", "C", "--frets", "-1 3 2 0 1 0"}, "too many arguments"},
};

TEST(CmdDedilhados, ErrosDeUso) {
    for (const auto& c : kUsos) {
        const SaidaCli s = rodarCliJson(c.palavras);
        EXPECT_EQ(s.status, 2) << c.motivo << "\n" << s.saida;
        EXPECT_EQ(s.saida, "") << c.motivo;
        EXPECT_NE(s.erros.find(c.motivo), std::string::npos) << s.erros;
        EXPECT_EQ(s.erros.rfind("usage: brelvio-cli ", 0), 0u) << s.erros;
    }
}

struct CasoDedos {
    std::vector<std::string> palavras;
    const char* json;
};

const CasoDedos kDedos[] = {
    {{"fingers", "--frets", "-1 3 2 0 1 0"},
     "{\"assignments\":[[0,3,2,0,1,0],[0,4,3,0,2,0],[0,4,2,0,1,0],[0,4,3,0,1,0]]}"},
    {{"fingers", "--frets", "1 3 3 2 1 1"}, "{\"assignments\":[[1,3,4,2,1,1]]}"},
    {{"fingers", "--frets", "1 1 0 1 1 1"}, "{\"assignments\":[]}"},
    {{"fingers", "--frets", "-1 -1 -1 -1 -1 -1"}, "{\"assignments\":[[0,0,0,0,0,0]]}"},
    // Fret 13 lies beyond a twelve-fret neck and takes no finger.
    {{"fingers", "--frets", "-1 13 2 0 1 0"}, "{\"assignments\":[[0,0,2,0,1,0],[0,0,3,0,2,0],[0,0,4,0,3,0],"
                                              "[0,0,3,0,1,0],[0,0,4,0,2,0],[0,0,4,0,1,0]]}"},
    {{"fingers", "--frets", "-1 13 2 0 1 0", "--fret-count", "14"}, "{\"assignments\":[]}"},
};

TEST(CmdDedilhados, AtribuicoesDeDedos) {
    for (const auto& c : kDedos) {
        const SaidaCli s = rodarCliJson(c.palavras);
        EXPECT_EQ(s.status, 0) << s.erros;
        EXPECT_EQ(s.saida, std::string(c.json) + "\n") << c.palavras[2];
    }
}

TEST(CmdDedilhados, TextoDesenhaODiagrama) {
    const SaidaCli s = rodarCli({"fingers", "--frets", "-1 3 2 0 1 0"});
    ASSERT_EQ(s.status, 0) << s.erros;
    EXPECT_EQ(s.saida.substr(0, s.saida.find("\n2.")),
              "frets -1 3 2 0 1 0: 4 assignments\n"
              "\n"
              "1. fingers 0 3 2 0 1 0\n"
              "   x     o   o\n"
              "   ===========\n"
              "   | | | | 1 |  1\n"
              "   | | 2 | | |  2\n"
              "   | 3 | | | |  3\n"
              "   | | | | | |  4\n");

    // Up the neck the diagram starts at the lowest fret, without the nut.
    const SaidaCli g = rodarCli({"generate", "C", "--instrument", "1"});
    ASSERT_EQ(g.status, 0) << g.erros;
    EXPECT_EQ(g.saida.substr(0, g.saida.find("\n2.")),
              "C on Cavaquinho: 6 fingerings\n"
              "\n"
              "1. frets 10 0 8 0  fingers 3 0 1 0\n"
              "     o   o\n"
              "   -------\n"
              "   | | 1 |  8\n"
              "   | | | |  9\n"
              "   3 | | |  10\n"
              "   | | | |  11\n");
}

}  // namespace
