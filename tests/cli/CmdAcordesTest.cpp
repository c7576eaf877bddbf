#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RodarCli.h"

namespace {

using nlohmann::json;

TEST(CmdAcordes, ListaDeAcordesNaOrdemDaBase) {
    const SaidaCli s = rodarCliJson({"chords"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const auto nomes = s.json()["chords"];
    ASSERT_GT(nomes.size(), 400u);
    // Naturals before the same letter with an accidental.
    std::vector<std::string> lista = nomes.get<std::vector<std::string>>();
    const auto pos = [&](const std::string& n) { return std::find(lista.begin(), lista.end(), n) - lista.begin(); };
    EXPECT_LT(pos("C"), pos("Cm"));
    EXPECT_LT(pos("Cm"), pos("C#"));
    EXPECT_LT(pos("C#"), pos("Db"));
    // Each language has its own wording of the same chords.
    const SaidaCli pt = rodarCliJson({"--language", "Português (Brasil)", "chords"});
    ASSERT_EQ(pt.status, 0) << pt.erros;
    const auto nomesPt = pt.json()["chords"].get<std::vector<std::string>>();
    EXPECT_NE(std::find(nomesPt.begin(), nomesPt.end(), "C7M"), nomesPt.end());
    EXPECT_NE(std::find(lista.begin(), lista.end(), "Cmaj7"), lista.end());
}

TEST(CmdAcordes, NoViolaoAsGuardadasVemPrimeiro) {
    const SaidaCli s = rodarCliJson({"chord", "C"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const json j = s.json();
    EXPECT_EQ(j["name"], "C");
    const auto& dedilhados = j["fingerings"];
    ASSERT_GT(dedilhados.size(), 3u);
    // The open-position shape a teacher shows first, straight from the database.
    EXPECT_EQ(dedilhados[0]["frets"], json({-1, 3, 2, 0, 1, 0}));
    EXPECT_EQ(dedilhados[0]["fingers"], json({6, 3, 2, 0, 1, 0}));
    EXPECT_EQ(dedilhados[0]["name"], "C");
    // No fingering is shown twice: the generator's copy of a stored one (its
    // muted strings carry finger 0, the database's finger 6) is left out.
    const auto tocado = [](const json& d) {
        json dedos = d["fingers"];
        for (size_t s = 0; s < dedos.size(); ++s) {
            if (d["frets"][s] == -1) dedos[s] = 0;
        }
        return json({d["frets"], dedos});
    };
    for (size_t i = 0; i < dedilhados.size(); ++i) {
        for (size_t k = i + 1; k < dedilhados.size(); ++k) {
            EXPECT_NE(tocado(dedilhados[i]), tocado(dedilhados[k])) << i << " and " << k;
        }
    }
    // The index is the chord's place in the list.
    const auto nomes = rodarCliJson({"chords"}).json()["chords"];
    EXPECT_EQ(nomes[j["index"].get<int>()], "C");
}

TEST(CmdAcordes, NoCavaquinhoSoAsGeradasPelaSomaDasCasas) {
    const SaidaCli s = rodarCliJson({"chord", "C", "--instrument", "1"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const auto dedilhados = s.json()["fingerings"];
    ASSERT_EQ(dedilhados.size(), 6u);
    int anterior = 0;
    for (const auto& d : dedilhados) {
        int soma = 0;
        for (int c : d["frets"]) soma += c > 0 ? c : 0;
        EXPECT_GE(soma, anterior);
        anterior = soma;
    }
    EXPECT_EQ(dedilhados[0]["frets"], json({10, 0, 8, 0}));
}

TEST(CmdAcordes, AcordeNovoEntraComONomeCanonico) {
    const SaidaCli s = rodarCliJson({"chord", "Gmaj7(#11)", "--tuning", "40 45 50 55 59 64"});
    ASSERT_EQ(s.status, 0) << s.erros;
    EXPECT_EQ(s.json()["name"], "G7M(#11)");
    EXPECT_EQ(s.json()["index"], rodarCliJson({"chords"}).json()["chords"].size());
}

TEST(CmdAcordes, SimboloRecusado) {
    const SaidaCli s = rodarCliJson({"chord", "Cmaj"});
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(s.saida, "{\"error\":\"msgErroSintaxe\"}\n");
}

TEST(CmdAcordes, ReconheceATabelaDeExemplos) {
    struct Caso {
        const char* notas;
        const char* raiz;
        const char* nome;
    };
    const Caso casos[] = {
        {"-1 48 52 55 60 64", "48", "C"},         {"40 48 52 55 60 64", "48", "C/E"},
        {"-1 45 52 57 60 64", "45", "Am"},        {"-1 45 52 57 60 64", "60", "C(6/13)/A"},
        {"-1 48 52 58 60 64", "48", "C7"},        {"40 52 56 62 67 -1", "52", "E7(#9)"},
    };
    for (const auto& c : casos) {
        const SaidaCli s = rodarCliJson({"recognize", "--pitches", c.notas, "--root", c.raiz});
        ASSERT_EQ(s.status, 0) << c.nome << s.erros;
        EXPECT_EQ(s.json()["name"], c.nome);
        const SaidaCli codigo = rodarCliJson({"name-code", std::to_string(s.json()["code"].get<unsigned>())});
        EXPECT_EQ(codigo.json()["name"], c.nome) << "the code is the chord's";
    }
    const SaidaCli semRaiz = rodarCliJson({"recognize", "--pitches", "-1 48 52 55 60 64"});
    EXPECT_EQ(semRaiz.status, 1);
    EXPECT_EQ(semRaiz.saida, "{\"error\":\"RaizNaoEncontradaException\"}\n");
}

TEST(CmdAcordes, NomearUsaAEscritaDaBase) {
    // C E G B: canonical C7M, but the English list writes it Cmaj7.
    EXPECT_EQ(rodarCliJson({"name", "--pitches", "-1 48 52 55 59 64", "--root", "48"}).json()["name"], "Cmaj7");
    EXPECT_EQ(rodarCliJson({"--language", "Português (Brasil)", "name", "--pitches", "-1 48 52 55 59 64", "--root",
                            "48"})
                  .json()["name"],
              "C7M");
    const SaidaCli semRaiz = rodarCliJson({"name", "--pitches", "-1 48 52 55 60 64"});
    EXPECT_EQ(semRaiz.status, 0);
    EXPECT_EQ(semRaiz.saida, "{\"name\":\"\"}\n");
}

TEST(CmdAcordes, ErrosDeUso) {
    const std::vector<std::vector<std::string>> casos = {
        {"chord"},
        {"chord", "C", "D"},
        {"chords", "x"},
        {"recognize", "--root", "48"},
        {"recognize", "--pitches", "1 x 3", "--root", "48"},
        {"name", "--pitches", "1 2", "--root", "abc"},
        {"chord", "C", "--instrument", "99"},
    };
    for (const auto& c : casos) {
        const SaidaCli s = rodarCliJson(c);
        EXPECT_EQ(s.status, 2) << c[0];
        EXPECT_NE(s.erros.find("usage"), std::string::npos) << c[0];
    }
}

TEST(CmdAcordes, TextoDesenhaOsDiagramas) {
    const SaidaCli s = rodarCli({"chord", "Am"});
    ASSERT_EQ(s.status, 0) << s.erros;
    EXPECT_NE(s.saida.find("1. Am  frets -1 0 2 2 1 0"), std::string::npos) << s.saida;
    EXPECT_NE(s.saida.find("==========="), std::string::npos);
}

}  // namespace
