// Where the configuration and the instrument file live: beside a program
// whose directory is writable, in the user's XDG folders for an installed
// (read-only) one, the instrument file seeded once from the delivered copy.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/GerenciadorConfiguracao.h"
#include "core/base/PlataformaHeadless.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "support/Arquivos.h"
#include "support/IdiomaDeTeste.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable (or removes it) for the object's lifetime.
class VariavelAmbiente {
public:
    VariavelAmbiente(const char* nome, std::optional<std::string> valor) : nome(nome) {
        if (const char* antes = std::getenv(nome)) anterior = antes;
        if (valor) ::setenv(nome, valor->c_str(), 1);
        else ::unsetenv(nome);
    }
    ~VariavelAmbiente() {
        if (anterior) ::setenv(nome, anterior->c_str(), 1);
        else ::unsetenv(nome);
    }
    VariavelAmbiente(const VariavelAmbiente&) = delete;
    VariavelAmbiente& operator=(const VariavelAmbiente&) = delete;

private:
    const char* nome;
    std::optional<std::string> anterior;
};

class ArquivosGravaveisTest : public ::testing::Test {
protected:
    ArquivosGravaveisTest()
        : raiz(fs::temp_directory_path() /
               ("brelvio-gravaveis-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          programa(raiz / "lib" / "brelvio"),
          configuracao(raiz / "config"),
          dados(raiz / "dados"),
          xdgConfig("XDG_CONFIG_HOME", configuracao.string()),
          xdgDados("XDG_DATA_HOME", dados.string()),
          plataforma(programa.string(), "brelvio") {
        fs::remove_all(raiz);
        fs::create_directories(programa);
        fs::copy_file(fs::path(BRELVIO_APP_DIR) / "instruments.xml", programa / "instruments.xml");
        entregue = lerArquivo((programa / "instruments.xml").string());
    }
    ~ArquivosGravaveisTest() override {
        ::chmod(programa.c_str(), 0755);
        fs::remove_all(raiz);
    }
    void instalado() { ::chmod(programa.c_str(), 0555); }

    std::unique_ptr<GerenciadorInstrumentos> instrumentos() { return GerenciadorInstrumentos::criar(plataforma); }
    static void acrescentar(GerenciadorInstrumentos& g, const std::string& nome) {
        const InstrumentoCordas banjo(nome, "", 4, 12, 4, 105, {48, 55, 59, 62}, false);
        g.addInstrumento(&banjo);
    }

    IdiomaDeTeste idioma;
    fs::path raiz, programa, configuracao, dados;
    VariavelAmbiente xdgConfig, xdgDados;
    PlataformaHeadless plataforma;
    std::string entregue;
};

TEST_F(ArquivosGravaveisTest, ProgramaGravavelGuardaTudoAoLado) {
    EXPECT_EQ(GerenciadorConfiguracao::caminhoArquivo(plataforma), (programa / "brelvio.ini").string());
    auto g = instrumentos();
    EXPECT_EQ(g->getCaminhoBase(), (programa / "instruments.xml").string());
    acrescentar(*g, "Banjo");
    EXPECT_NE(lerArquivo((programa / "instruments.xml").string()), entregue);
    EXPECT_FALSE(fs::exists(configuracao));
    EXPECT_FALSE(fs::exists(dados));
}

TEST_F(ArquivosGravaveisTest, ProgramaInstaladoGuardaNasPastasDoUsuario) {
    instalado();
    const fs::path ini = configuracao / "brelvio" / "brelvio.ini";
    const fs::path xml = dados / "brelvio" / "instruments.xml";

    GerenciadorConfiguracao config(GerenciadorConfiguracao::caminhoArquivo(plataforma), plataforma);
    EXPECT_EQ(config.getCaminhoArquivo(), ini.string());
    config.setNomeInstrumento("Banjo");
    ASSERT_TRUE(config.salvar());
    EXPECT_EQ(GerenciadorConfiguracao(ini.string(), plataforma).getNomeInstrumento(), "Banjo");
    // The user's folders are the user's alone.
    EXPECT_EQ(fs::status(configuracao / "brelvio").permissions(), fs::perms::owner_all);

    auto g = instrumentos();
    EXPECT_EQ(g->getCaminhoBase(), xml.string());
    EXPECT_EQ(lerArquivo(xml.string()), entregue);
    const size_t entregues = g->getNomesInstrumentos().size();
    acrescentar(*g, "Banjo");
    EXPECT_EQ(instrumentos()->getNomesInstrumentos().size(), entregues + 1);

    // Nothing was written beside the program.
    EXPECT_EQ(lerArquivo((programa / "instruments.xml").string()), entregue);
    EXPECT_FALSE(fs::exists(programa / "brelvio.ini"));
}

TEST_F(ArquivosGravaveisTest, CopiaEntregueUmaVezSemSubstituirADoUsuario) {
    instalado();
    const fs::path xml = dados / "brelvio" / "instruments.xml";
    fs::create_directories(xml.parent_path());
    std::ofstream(xml) << "<colecaoInstrumento></colecaoInstrumento>";
    EXPECT_EQ(instrumentos()->getCaminhoBase(), xml.string());
    EXPECT_EQ(lerArquivo(xml.string()), "<colecaoInstrumento></colecaoInstrumento>");

    // A newer program delivers another file: the user's stays as it is.
    fs::remove(xml);
    instrumentos();
    ::chmod(programa.c_str(), 0755);
    std::ofstream(programa / "instruments.xml", std::ios::app) << "\r\n";
    instalado();
    instrumentos();
    EXPECT_EQ(lerArquivo(xml.string()), entregue);
    // No temporary copy is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(xml.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(ArquivosGravaveisTest, PastasDoUsuarioSemXDG) {
    instalado();
    struct Caso {
        const char* nome;
        std::optional<std::string> xdg;
        std::string esperado;  // under raiz
    };
    const Caso casos[] = {
        {"unset", std::nullopt, "casa/.config/brelvio/brelvio.ini"},
        {"empty", "", "casa/.config/brelvio/brelvio.ini"},
        {"relative, ignored", "relativo/config", "casa/.config/brelvio/brelvio.ini"},
        {"absolute", (raiz / "outra").string(), "outra/brelvio/brelvio.ini"},
    };
    const VariavelAmbiente casa("HOME", (raiz / "casa").string());
    for (const auto& caso : casos) {
        const VariavelAmbiente xdg("XDG_CONFIG_HOME", caso.xdg);
        EXPECT_EQ(GerenciadorConfiguracao::caminhoArquivo(plataforma), (raiz / caso.esperado).string()) << caso.nome;
    }
    const VariavelAmbiente semDados("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(instrumentos()->getCaminhoBase(), (raiz / "casa/.local/share/brelvio/instruments.xml").string());
    EXPECT_EQ(lerArquivo((raiz / "casa/.local/share/brelvio/instruments.xml").string()), entregue);
}

TEST_F(ArquivosGravaveisTest, PastaDoUsuarioImpossivelLeAEntregue) {
    instalado();
    // The data folder's place is taken by a plain file.
    std::ofstream(dados) << "x";
    EXPECT_EQ(instrumentos()->getCaminhoBase(), (programa / "instruments.xml").string());
}

}  // namespace
