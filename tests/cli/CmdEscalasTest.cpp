#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/RodarCli.h"

namespace fs = std::filesystem;

namespace {

using Saida = SaidaCli;

Saida rodar(std::vector<std::string> palavras, const std::string& dados = BRELVIO_APP_DIR) {
    return rodarCliEm(dados, std::move(palavras));
}

const char* const kPortuguesUtf8 = "Portugu\xC3\xAAs (Brasil)";

TEST(CmdEscalas, NomesNaOrdemDoArquivo) {
    const Saida s = rodar({"--json", "scales"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const auto nomes = nlohmann::json::parse(s.saida).at("scales");
    ASSERT_EQ(nomes.size(), 26u);
    EXPECT_EQ(nomes[0], "Major");
    EXPECT_EQ(nomes[1], "Natural minor");
    EXPECT_EQ(nomes[5], "Minor pentatonic");
    EXPECT_EQ(nomes[25], "Minor pentatonic (two octaves)");

    const Saida pt = rodar({"--json", "--language", kPortuguesUtf8, "scales"});
    ASSERT_EQ(pt.status, 0) << pt.erros;
    const auto nomesPt = nlohmann::json::parse(pt.saida).at("scales");
    ASSERT_EQ(nomesPt.size(), 26u);
    EXPECT_EQ(nomesPt[2], "Menor harm\xC3\xB4nica");

    const Saida texto = rodar({"scales"});
    ASSERT_EQ(texto.status, 0);
    EXPECT_EQ(texto.saida.substr(0, 25), "0. Major\n1. Natural minor");
}

TEST(CmdEscalas, MaiorEmDoNoViolao) {
    const Saida s = rodar({"--json", "scale", "--offsets", "0 2 4 5 7 9 11", "--key", "0"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const auto j = nlohmann::json::parse(s.saida);
    ASSERT_EQ(j.size(), 1u);
    const auto& posicoes = j.at("positions");
    ASSERT_EQ(posicoes.size(), 195u);
    EXPECT_EQ(posicoes[0].at("difficulty"), 305);
    EXPECT_EQ(posicoes[1].at("difficulty"), 305);
    EXPECT_GT(posicoes[2].at("difficulty").get<int>(), 305);
    for (size_t i = 1; i < posicoes.size(); ++i) {
        EXPECT_LE(posicoes[i - 1].at("difficulty").get<int>(), posicoes[i].at("difficulty").get<int>());
    }
    for (const auto& p : posicoes) {
        EXPECT_EQ(p.size(), 5u);
        EXPECT_EQ(p.at("frets").size(), 7u);
        EXPECT_EQ(p.at("strings").size(), 7u);
        EXPECT_EQ(p.at("fingers").size(), 7u);
        EXPECT_EQ(p.at("right"), nlohmann::json::parse("[1, 2, 1, 2, 1, 2, 1]"));
    }
    const auto citada = nlohmann::json::parse(R"({"frets": [3, 0, 2, 3, 0, 2, 0], "strings": [1, 2, 2, 2, 3, 3, 4],
        "fingers": [1, 0, 1, 2, 0, 1, 0], "right": [1, 2, 1, 2, 1, 2, 1], "difficulty": 305})");
    EXPECT_EQ(posicoes[0], citada);
    // Keys in the documented order.
    EXPECT_EQ(s.saida.substr(0, 133),
              R"({"positions":[{"frets":[3,0,2,3,0,2,0],"strings":[1,2,2,2,3,3,4],"fingers":[1,0,1,2,0,1,0],)"
              R"("right":[1,2,1,2,1,2,1],"difficulty":305},)");
}

TEST(CmdEscalas, PeloNomeEPeloNomeDoTom) {
    const Saida porIndice = rodar({"--json", "scale", "--offsets", "0 3 5 7 10", "--key", "9"});
    ASSERT_EQ(porIndice.status, 0) << porIndice.erros;
    EXPECT_EQ(nlohmann::json::parse(porIndice.saida).at("positions").size(), 95u);
    const Saida porNome = rodar({"--json", "scale", "--name", "Minor pentatonic", "--key", "A"});
    ASSERT_EQ(porNome.status, 0) << porNome.erros;
    EXPECT_EQ(porNome.saida, porIndice.saida);

    const Saida pt = rodar({"--json", "--language", kPortuguesUtf8, "scale", "--name",
                            "Pentat\xC3\xB4nica menor", "--key", "C# ou Db", "--instrument", "1"});
    ASSERT_EQ(pt.status, 0) << pt.erros;
    const Saida cavaquinho = rodar({"--json", "scale", "--offsets", "0 3 5 7 10", "--key", "1", "--tuning",
                                    "50 55 59 64"});
    ASSERT_EQ(cavaquinho.status, 0) << cavaquinho.erros;
    EXPECT_EQ(pt.saida, cavaquinho.saida);
}

TEST(CmdEscalas, SemPosicao) {
    const Saida s = rodar({"--json", "scale", "--offsets", "0 40", "--key", "0"});
    EXPECT_EQ(s.status, 1);
    const auto j = nlohmann::json::parse(s.saida);
    EXPECT_EQ(j.at("error"), "NotFoundException");
    EXPECT_FALSE(j.at("message").get<std::string>().empty());
    EXPECT_EQ(j.size(), 2u);

    const Saida texto = rodar({"scale", "--offsets", "0 12", "--key", "3", "--tuning", "40 45", "--frets", "5"});
    EXPECT_EQ(texto.status, 1);
    EXPECT_EQ(texto.saida.rfind("NotFoundException: ", 0), 0u) << texto.saida;
}

TEST(CmdEscalas, ErrosDeUso) {
    struct Caso {
        const char* caso;
        std::vector<std::string> argumentos;
    };
    const std::string muitos = [] {
        std::string t;
        for (int i = 0; i < 129; ++i) t += "0 ";
        return t;
    }();
    const Caso casos[] = {
        {"nome e offsets", {"--name", "Major", "--offsets", "0", "--key", "0"}},
        {"nem nome nem offsets", {"--key", "0"}},
        {"sem tom", {"--offsets", "0 2"}},
        {"tom 12", {"--offsets", "0 2", "--key", "12"}},
        {"tom negativo", {"--offsets", "0 2", "--key", "-1"}},
        {"tom desconhecido", {"--offsets", "0 2", "--key", "H"}},
        {"tom de outra lingua", {"--offsets", "0 2", "--key", "C# ou Db"}},
        {"escala desconhecida", {"--name", "major", "--key", "0"}},
        {"offsets vazios", {"--offsets", "", "--key", "0"}},
        {"offset nao numerico", {"--offsets", "0 x", "--key", "0"}},
        {"offsets demais", {"--offsets", muitos, "--key", "0"}},
        {"argumento solto", {"--offsets", "0", "--key", "0", "extra"}},
        {"instrumento e afinacao", {"--offsets", "0", "--key", "0", "--instrument", "0", "--tuning", "40"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        std::vector<std::string> palavras = {"--json", "scale"};
        palavras.insert(palavras.end(), c.argumentos.begin(), c.argumentos.end());
        const Saida s = rodar(palavras);
        EXPECT_EQ(s.status, 2);
        EXPECT_EQ(s.saida, "");
        EXPECT_EQ(s.erros.rfind("usage: brelvio-cli scale ", 0), 0u) << s.erros;
    }
}

TEST(CmdEscalas, ArquivoDeEscalasAusente) {
    const fs::path pasta = fs::path(testing::TempDir()) / "cmd_escalas_sem_arquivo";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    fs::copy_file(fs::path(BRELVIO_APP_DIR) / "english.idm", pasta / "english.idm");
    for (const std::vector<std::string>& palavras :
         {std::vector<std::string>{"--json", "scales"},
          std::vector<std::string>{"--json", "scale", "--name", "Major", "--key", "0"}}) {
        const Saida s = rodar(palavras, pasta.string() + "/");
        EXPECT_EQ(s.status, 1) << s.erros;
        const auto j = nlohmann::json::parse(s.saida);
        EXPECT_EQ(j.at("error"), "FileNotFoundException");
        EXPECT_NE(j.at("message").get<std::string>().find("scales-en.xml"), std::string::npos);
    }
}

TEST(CmdEscalas, DesenhaCadaPosicao) {
    const Saida s = rodar({"scale", "--offsets", "0 2 4 5 7 9 11", "--key", "C"});
    ASSERT_EQ(s.status, 0) << s.erros;
    const std::string primeira =
        "Scale in C on Guitar: 195 positions, easiest first\n"
        "\n"
        "#1  difficulty 305\n"
        "         1   2   3\n"
        "  E   ||---|---|---|\n"
        "  B  o||---|---|---|\n"
        "  G  o||---|-1-|---|\n"
        "  D  o||---|-1-|-2-|\n"
        "  A   ||---|---|-1-|\n"
        "  E   ||---|---|---|\n"
        "  frets:   3 0 2 3 0 2 0\n"
        "  strings: 1 2 2 2 3 3 4\n"
        "  fingers: 1 0 1 2 0 1 0\n"
        "  right:   i m i m i m i\n"
        "\n"
        "#2  difficulty 305\n";
    EXPECT_EQ(s.saida.substr(0, primeira.size()), primeira);
    EXPECT_NE(s.saida.find("\n#195  difficulty "), std::string::npos);
    // Away from the nut the drawing starts at the lowest fretted note.
    const std::string segunda = s.saida.substr(primeira.size());
    EXPECT_EQ(segunda.substr(0, segunda.find('\n')), "         7   8   9  10");
}

}  // namespace
