#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/RodarCli.h"
#include "core/base/Texto1252.h"
#include "support/IdiomaDeTeste.h"

namespace {

const char* const kPortuguesUtf8 = "Portugu\xC3\xAAs (Brasil)";

nlohmann::json rodarJson(const std::string& idioma, std::vector<std::string> palavras, int statusEsperado = 0) {
    palavras.insert(palavras.begin(), {"--json", "--language", idioma});
    const SaidaCli s = rodarCli(palavras);
    EXPECT_EQ(s.status, statusEsperado) << s.saida << s.erros;
    EXPECT_EQ(s.erros, "");
    return nlohmann::json::parse(s.saida);
}

// Every line of the golden file: language, symbol, and the exact JSON answer.
TEST(CmdHarmonia, InterpretConfereComOArquivoDeReferencia) {
    std::ifstream arquivo(std::string(BRELVIO_TEST_DATA_DIR) + "/cli/harmonia_interpret.tsv");
    ASSERT_TRUE(arquivo) << "golden file missing";
    std::string linha;
    int conferidas = 0;
    while (std::getline(arquivo, linha)) {
        if (linha.empty() || linha[0] == '#') continue;
        const size_t t1 = linha.find('\t');
        const size_t t2 = linha.find('\t', t1 + 1);
        ASSERT_NE(t2, std::string::npos) << linha;
        const std::string idioma = linha.substr(0, t1);
        const std::string cifra = linha.substr(t1 + 1, t2 - t1 - 1);
        const auto esperado = nlohmann::json::parse(linha.substr(t2 + 1));
        const int status = esperado.contains("error") ? 1 : 0;
        EXPECT_EQ(rodarJson(idioma, {"interpret", cifra}, status), esperado) << idioma << " " << cifra;
        ++conferidas;
    }
    EXPECT_GT(conferidas, 40);
}

TEST(CmdHarmonia, NomesCanonicosNasDuasLinguas) {
    struct Case {
        const char* cifra;  // UTF-8, as typed on a terminal
        const char* brasileira;
        const char* internacional;
    };
    const Case casos[] = {
        {"C9", "C(9)", "C7(9)"},
        {"C6(9)", "C(6/9)", "C7(9/13)"},
        {"C\xC2\xBA", "C\xC2\xBA(b5/6)", "C\xC2\xBA(b5/6)"},
        {"C\xC3\xB8", "Cm7(b5)", "Cm7(b5)"},
        {"Gsus4/A", "G4/A", "Gsus4/A"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(rodarJson(kPortuguesUtf8, {"interpret", c.cifra})["name"], c.brasileira) << c.cifra;
        EXPECT_EQ(rodarJson("English", {"interpret", c.cifra})["name"], c.internacional) << c.cifra;
    }
}

TEST(CmdHarmonia, ErroDoInterpretadorSaiComUm) {
    const auto formato = rodarJson("English", {"interpret", "Cmaj"}, 1);
    EXPECT_EQ(formato, (nlohmann::json{{"error", "DataFormatException"}, {"message", "Cmaj"}}));

    std::string texto;
    {
        IdiomaDeTeste idioma("English");
        texto = texto1252::paraUtf8(idioma.idiomas().getTexto("exception", "raizAcorde"));
    }
    const auto raiz = rodarJson("English", {"interpret", "H7"}, 1);
    EXPECT_EQ(raiz["error"], "RaizNaoEncontradaException");
    EXPECT_EQ(raiz["message"], "N\xC3\xA3o foi encontrada raiz para o acorde: " + texto + "H");

    EXPECT_EQ(rodarJson("English", {"transpose", "C+", "1", "0"}, 1)["error"], "DataFormatException");
    EXPECT_EQ(rodarJson("English", {"transpose", "", "1", "0"}, 1)["error"], "RaizNaoEncontradaException");
    // A code whose root bits name no note.
    EXPECT_EQ(rodarJson("English", {"name-code", "4294967295"}, 1)["error"], "OutOfBoundsException");

    const SaidaCli legivel = rodarCli({"interpret", "Cmaj"});
    EXPECT_EQ(legivel.status, 1);
    EXPECT_EQ(legivel.saida, "DataFormatException: Cmaj\n");
}

TEST(CmdHarmonia, NameCode) {
    struct Case {
        const char* codigo;
        const char* idioma;
        const char* nome;
    };
    const Case casos[] = {
        {"9437184", "English", "C"},
        {"0", "English", "C"},
        {"1762803723", "English", "Am7(9)/G"},
        {"1762803723", kPortuguesUtf8, "Am7(9)/G"},
        {"19136512", kPortuguesUtf8, "C\xC2\xBA(b5/6)"},
        {"+9453568", "English", "Cadd9"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(rodarJson(c.idioma, {"name-code", c.codigo}), (nlohmann::json{{"name", c.nome}})) << c.codigo;
    }
}

TEST(CmdHarmonia, TransposeAceitaQualquerInteiro) {
    struct Case {
        const char* cifra;
        const char* semitons;
        const char* direcao;
        const char* resultado;
    };
    const Case casos[] = {
        {"Am7(9)/G", "2", "0", "Bm7(9)/A"},
        {"Db7(9)", "2", "1", "B7(9)"},
        {"F", "13", "0", "F#"},
        {"C7/E", "-5", "0", "C7/E"},    // a negative count makes no step
        {"C7/E", "0", "1", "C7/E"},
        {"C7/E", "3", "-1", "C7/E"},    // neither up nor down
        {"C7/E", "3", "7", "C7/E"},
        {"C7/E", "1000000000000", "1", "Ab7/C"},  // 10^12 steps: as 4
        {"C7/E", "1", "-4294967296", "C7/E"},
        {"Bb\xC2\xBA", "1", "0", "B\xC2\xBA"},
        {"C7(9/11)/E", "1", "0", "C#7(9/11)/F"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(rodarJson("English", {"transpose", c.cifra, c.semitons, c.direcao}),
                  (nlohmann::json{{"result", c.resultado}}))
            << c.cifra << " " << c.semitons << " " << c.direcao;
    }
    const SaidaCli legivel = rodarCli({"transpose", "E/G#", "1", "0"});
    EXPECT_EQ(legivel.status, 0);
    EXPECT_EQ(legivel.saida, "F/A\n");
}

TEST(CmdHarmonia, ErrosDeUsoSaemComDois) {
    const std::vector<std::vector<std::string>> casos = {
        {"interpret"},
        {"interpret", "C", "D"},
        {"name-code"},
        {"name-code", "abc"},
        {"name-code", "-1"},
        {"name-code", "4294967296"},
        {"name-code", "12x"},
        {"transpose", "C", "1"},
        {"transpose", "C", "x", "0"},
        {"transpose", "C", "1", "up"},
        {"transpose", "C", "1.5", "0"},
        {"transpose", "C", "1", "0", "9"},
        {"interpret", "C", "--octave", "2"},
        {"harmonize", "C"},
    };
    for (const auto& palavras : casos) {
        const SaidaCli s = rodarCli(palavras);
        EXPECT_EQ(s.status, 2) << palavras[0];
        EXPECT_EQ(s.saida, "");
        EXPECT_EQ(s.erros.rfind("usage: ", 0), 0u) << s.erros;
        EXPECT_EQ(s.erros.find('\n'), s.erros.size() - 1) << s.erros;  // one line
    }
}

TEST(CmdHarmonia, SaidaLegivel) {
    const SaidaCli s = rodarCli({"--language", kPortuguesUtf8, "interpret", "Am7(9)/G"});
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.saida,
              "Am7(9)/G\n"
              "code:    1762803723\n"
              "root:    A\n"
              "bass:    G\n"
              "degrees: 2 6 9 12\n");
    const SaidaCli semBaixo = rodarCli({"interpret", "C\xC2\xBA"});
    EXPECT_NE(semBaixo.saida.find("C\xC2\xBA(b5/6)\n"), std::string::npos);
    EXPECT_NE(semBaixo.saida.find("bass:    none\n"), std::string::npos);
}

}  // namespace
