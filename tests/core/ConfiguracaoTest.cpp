#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <unistd.h>

#include "core/GerenciadorConfiguracao.h"
#include "core/base/Excecoes.h"
#include "core/base/PlataformaHeadless.h"

namespace {

namespace fs = std::filesystem;

// Every value away from its default, the carried-through ones too.
const char* const kArquivoCompleto =
    "[geral]\r\n"
    "driver=-1\r\n"
    "idioma=Portugu\xEAs (Brasil)\r\n"
    "posicaoBraco=3\r\n"
    "politicaNovoInstrumento=4\r\n"
    "politicaNovoPadrao=-5\r\n"
    "volume=77\r\n"
    "instrumento=Viola Caipira 10 cordas\r\n"
    "visualExecucao=6\r\n"
    "visualAcordes=-7\r\n"
    "exibicaoEscalas=1\r\n";

Configuracao valoresCompletos() {
    Configuracao c;
    c.driver = -1;
    c.idioma = "Portugu\xEAs (Brasil)";
    c.posicaoBraco = 3;
    c.politicaNovoInstrumento = 4;
    c.politicaNovoPadrao = -5;
    c.volume = 77;
    c.instrumento = "Viola Caipira 10 cordas";
    c.visualExecucao = 6;
    c.visualAcordes = -7;
    c.exibicaoEscalas = 1;
    return c;
}

// A file that exists and holds no usable key: every default, but the neck
// orientation of a missing key, 0.
Configuracao padroesDeArquivo() {
    Configuracao c;
    c.posicaoBraco = 0;
    return c;
}

Configuracao com(Configuracao c, int32_t driver, int8_t braco) {
    c.driver = driver;
    c.posicaoBraco = braco;
    return c;
}

TEST(ConfiguracaoInterpretar, LeCadaConteudoComoOArquivoDiria) {
    struct Caso {
        const char* nome;
        std::string conteudo;
        Configuracao esperado;
    };
    const Caso casos[] = {
        {"todas as chaves", kArquivoCompleto, valoresCompletos()},
        {"vazio", "", padroesDeArquivo()},
        {"sem a secao", "driver=3\r\nposicaoBraco=1\r\n", padroesDeArquivo()},
        {"chave em outra secao", "[outra]\r\ndriver=3\r\n[geral]\r\nvolume=50\r\n", padroesDeArquivo()},
        {"sem posicaoBraco", "[geral]\r\ndriver=2\r\n", com(Configuracao{}, 2, 0)},
        {"posicaoBraco 258 guarda o byte baixo", "[geral]\r\nposicaoBraco=258\r\n", com(Configuracao{}, 0, 2)},
        {"posicaoBraco -1", "[geral]\r\nposicaoBraco=-1\r\n", com(Configuracao{}, 0, -1)},
        {"posicaoBraco 255 e -1", "[geral]\r\nposicaoBraco=255\r\n", com(Configuracao{}, 0, -1)},
        {"maiusculas", "[GERAL]\r\nDRIVER=4\r\nPosicaoBRACO=1\r\n", com(Configuracao{}, 4, 1)},
        {"brancos em volta", "  [ geral ]  \r\n  driver =  9  \r\n\tposicaoBraco\t=\t3\t\r\n", com(Configuracao{}, 9, 3)},
        {"so LF", "[geral]\ndriver=5\nposicaoBraco=1\n", com(Configuracao{}, 5, 1)},
        {"so CR", "[geral]\rdriver=5\rposicaoBraco=1\r", com(Configuracao{}, 5, 1)},
        {"sinal de mais", "[geral]\r\ndriver=+8\r\nposicaoBraco=1\r\n", com(Configuracao{}, 8, 1)},
        {"a primeira vale", "[geral]\r\ndriver=1\r\ndriver=2\r\nposicaoBraco=1\r\n", com(Configuracao{}, 1, 1)},
        {"comentario", "[geral]\r\n;driver=7\r\ndriver=1\r\nposicaoBraco=1\r\n", com(Configuracao{}, 1, 1)},
        {"secao sem fecho", "[geral\r\ndriver=6\r\nposicaoBraco=1\r\n", com(Configuracao{}, 6, 1)},
        {"sem fim de linha", "[geral]\r\ndriver=3\r\nposicaoBraco=1", com(Configuracao{}, 3, 1)},
        // One bad number discards everything, the values before it too.
        {"volume abc", "[geral]\r\ndriver=3\r\nposicaoBraco=1\r\nvolume=abc\r\n", Configuracao{}},
        {"numero vazio", "[geral]\r\ndriver=\r\nposicaoBraco=1\r\n", Configuracao{}},
        {"numero grande demais", "[geral]\r\ndriver=2147483648\r\nposicaoBraco=1\r\n", Configuracao{}},
        {"menor numero", "[geral]\r\ndriver=-2147483648\r\nposicaoBraco=1\r\n",
         com(Configuracao{}, INT32_MIN, 1)},
        {"numero com resto", "[geral]\r\ndriver=3x\r\nposicaoBraco=1\r\n", Configuracao{}},
        {"hexadecimal", "[geral]\r\ndriver=0x10\r\nposicaoBraco=1\r\n", Configuracao{}},
        {"dois sinais", "[geral]\r\ndriver=+-3\r\nposicaoBraco=1\r\n", Configuracao{}},
        {"oito bits fora do inteiro", "[geral]\r\nposicaoBraco=99999999999\r\n", Configuracao{}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(GerenciadorConfiguracao::interpretar(caso.conteudo), caso.esperado);
    }
}

TEST(ConfiguracaoInterpretar, TextosSaoGuardadosComoLidos) {
    const Configuracao c = GerenciadorConfiguracao::interpretar(
        "[geral]\r\nidioma=\r\ninstrumento= Viol\xE3o = de 7 \r\n");
    EXPECT_EQ(c.idioma, "");
    EXPECT_EQ(c.instrumento, " Viol\xE3o = de 7 ");
}

TEST(ConfiguracaoFormatar, OnzeLinhasNaOrdemFixaComCrLf) {
    EXPECT_EQ(GerenciadorConfiguracao::formatar(Configuracao{}),
              "[geral]\r\n"
              "driver=0\r\n"
              "idioma=English\r\n"
              "posicaoBraco=2\r\n"
              "politicaNovoInstrumento=0\r\n"
              "politicaNovoPadrao=0\r\n"
              "volume=50\r\n"
              "instrumento=Viol\xE3o Padr\xE3o\r\n"
              "visualExecucao=0\r\n"
              "visualAcordes=0\r\n"
              "exibicaoEscalas=0\r\n");
    EXPECT_EQ(GerenciadorConfiguracao::formatar(valoresCompletos()), kArquivoCompleto);
}

// Whatever salvar writes reads back to the same values: random numbers, and
// texts of any bytes but line breaks (blanks, quotes and "=" included).
TEST(ConfiguracaoFormatar, OQueSeEscreveSeLeIgual) {
    std::mt19937 gerador(20240611);
    std::uniform_int_distribution<int32_t> numero(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> tamanho(0, 12);
    const auto texto = [&] {
        std::string t;
        for (int n = tamanho(gerador); n > 0; --n) {
            char c = static_cast<char>(byte(gerador));
            if (c == '\r' || c == '\n') c = ' ';
            t += c;
        }
        return t;
    };
    for (int i = 0; i < 500; ++i) {
        Configuracao c;
        c.driver = numero(gerador);
        c.idioma = texto();
        c.posicaoBraco = static_cast<int8_t>(numero(gerador));
        c.politicaNovoInstrumento = static_cast<int8_t>(numero(gerador));
        c.politicaNovoPadrao = static_cast<int8_t>(numero(gerador));
        c.volume = numero(gerador);
        c.instrumento = texto();
        c.visualExecucao = numero(gerador);
        c.visualAcordes = numero(gerador);
        c.exibicaoEscalas = numero(gerador);
        ASSERT_EQ(GerenciadorConfiguracao::interpretar(GerenciadorConfiguracao::formatar(c)), c)
            << GerenciadorConfiguracao::formatar(c);
    }
}

// The reader takes anything a damaged or foreign file may hold.
TEST(ConfiguracaoInterpretar, AceitaQuaisquerBytes) {
    std::mt19937 gerador(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alfabeto = "[]=;\r\n \tgeral driver posicaoBraco 0123456789-+";
    std::uniform_int_distribution<size_t> letra(0, alfabeto.size() - 1);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes;
        const int n = i % 97;
        for (int k = 0; k < n; ++k) {
            bytes += (i % 2) ? static_cast<char>(byte(gerador)) : alfabeto[letra(gerador)];
        }
        const Configuracao c = GerenciadorConfiguracao::interpretar(bytes);
        // Bytes without a section header cannot set anything.
        if (bytes.find('[') == std::string::npos) {
            ASSERT_EQ(c, padroesDeArquivo()) << i;
        }
    }
    EXPECT_EQ(GerenciadorConfiguracao::interpretar(std::string("[geral]\0driver=3", 16)), padroesDeArquivo());
    EXPECT_EQ(GerenciadorConfiguracao::interpretar(
                  "[geral]\r\ninstrumento=" + std::string(1 << 20, 'x') + "\r\nposicaoBraco=1\r\n")
                  .instrumento.size(),
              1u << 20);
}

TEST(ConfiguracaoCaminho, NomeDoProgramaComExtensaoIni) {
    struct Caso {
        const char* programa;
        const char* esperado;
    };
    const Caso casos[] = {
        {"brelvio", "/opt/b/brelvio.ini"},
        {"Brelvio.exe", "/opt/b/Brelvio.ini"},
        {"brelvio-cli", "/opt/b/brelvio-cli.ini"},
        {"brelvio.3.0.exe", "/opt/b/brelvio.3.0.ini"},
        {".brelvio", "/opt/b/.brelvio.ini"},
    };
    for (const auto& caso : casos) {
        const PlataformaHeadless plataforma("/opt/b", caso.programa);
        EXPECT_EQ(GerenciadorConfiguracao::caminhoArquivo(plataforma), caso.esperado) << caso.programa;
    }
}

// A platform whose writes fail the way a full disk or a read-only folder
// does: the write raises and the file is left alone.
class PlataformaSemEscrita : public PlataformaHeadless {
public:
    using PlataformaHeadless::PlataformaHeadless;
    void escreverArquivo(const std::string& caminho, const std::string&) override {
        ++tentativas;
        throw DException("disco cheio: " + caminho);
    }
    int tentativas = 0;
};

// A file that is there but cannot be read.
class PlataformaSemLeitura : public PlataformaHeadless {
public:
    using PlataformaHeadless::PlataformaHeadless;
    std::string lerArquivo(const std::string& caminho) const override {
        throw FileNotFoundException("sem permiss\xE3o", caminho, "PlataformaSemLeitura", "lerArquivo");
    }
};

class ConfiguracaoArquivoTest : public ::testing::Test {
protected:
    ConfiguracaoArquivoTest()
        : pasta(fs::temp_directory_path() /
                ("brelvio-config-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          plataforma(pasta.string()),
          caminho(GerenciadorConfiguracao::caminhoArquivo(plataforma)) {
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    ~ConfiguracaoArquivoTest() override { fs::remove_all(pasta); }

    void gravar(const std::string& conteudo) {
        std::ofstream f(caminho, std::ios::binary);
        f << conteudo;
    }
    std::string conteudo() const {
        std::ifstream f(caminho, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }

    fs::path pasta;
    PlataformaHeadless plataforma;
    std::string caminho;
};

TEST_F(ConfiguracaoArquivoTest, SemArquivoTudoPadraoESalvarCriaAsOnzeLinhas) {
    GerenciadorConfiguracao config(caminho, plataforma);
    EXPECT_EQ(config.getValores(), Configuracao{});
    EXPECT_EQ(config.getPosicaoBraco(), 2);
    EXPECT_FALSE(fs::exists(caminho));
    EXPECT_TRUE(config.salvar());
    EXPECT_EQ(conteudo(), GerenciadorConfiguracao::formatar(Configuracao{}));
}

TEST_F(ConfiguracaoArquivoTest, GuardaAsDezChavesEntreExecucoes) {
    gravar(kArquivoCompleto);
    {
        GerenciadorConfiguracao config(caminho, plataforma);
        ASSERT_EQ(config.getValores(), valoresCompletos());
        config.setPosicaoBraco(1);
        config.setNomeInstrumento("Cavaquinho Padr\xE3o");
        config.setExibicaoEscalas(0);
        ASSERT_TRUE(config.salvar());
    }
    Configuracao esperado = valoresCompletos();
    esperado.posicaoBraco = 1;
    esperado.instrumento = "Cavaquinho Padr\xE3o";
    esperado.exibicaoEscalas = 0;
    const GerenciadorConfiguracao relida(caminho, plataforma);
    EXPECT_EQ(relida.getValores(), esperado);
    EXPECT_EQ(relida.getIdioma(), "Portugu\xEAs (Brasil)");
    EXPECT_EQ(relida.getDriver(), -1);
}

TEST_F(ConfiguracaoArquivoTest, SalvarDescartaOQueNaoEDasDezChaves) {
    gravar("; feito a m\xE3o\r\n[janela]\r\nx=10\r\n[geral]\r\nvolume=60\r\nextra=1\r\nposicaoBraco=-1\r\n");
    GerenciadorConfiguracao config(caminho, plataforma);
    EXPECT_EQ(config.getPosicaoBraco(), -1);
    ASSERT_TRUE(config.salvar());
    Configuracao esperado = com(Configuracao{}, 0, -1);
    esperado.volume = 60;
    EXPECT_EQ(conteudo(), GerenciadorConfiguracao::formatar(esperado));
    EXPECT_NE(conteudo().find("posicaoBraco=-1\r\n"), std::string::npos);
}

TEST_F(ConfiguracaoArquivoTest, ValorRuimVoltaTudoAoPadraoComBracoDois) {
    gravar("[geral]\r\ndriver=3\r\nidioma=Portugu\xEAs (Brasil)\r\nvolume=xyz\r\n");
    const GerenciadorConfiguracao config(caminho, plataforma);
    EXPECT_EQ(config.getValores(), Configuracao{});
    EXPECT_EQ(config.getPosicaoBraco(), 2);
}

TEST_F(ConfiguracaoArquivoTest, ArquivoIlegivelContaComoAusente) {
    gravar(kArquivoCompleto);
    PlataformaSemLeitura semLeitura(pasta.string());
    const GerenciadorConfiguracao config(caminho, semLeitura);
    EXPECT_EQ(config.getValores(), Configuracao{});
}

// A save that fails (disk full, read-only folder, the program killed while
// writing) must not cost the user the settings of the last good save.
TEST_F(ConfiguracaoArquivoTest, EscritaQueFalhaDeixaOArquivoAntigoInteiro) {
    gravar(kArquivoCompleto);
    PlataformaSemEscrita semEscrita(pasta.string());
    GerenciadorConfiguracao config(caminho, semEscrita);
    ASSERT_EQ(config.getValores(), valoresCompletos());
    config.setNomeInstrumento("Outro");
    config.setPosicaoBraco(0);

    EXPECT_FALSE(config.salvar());
    EXPECT_EQ(semEscrita.tentativas, 1);
    EXPECT_EQ(conteudo(), kArquivoCompleto);
    EXPECT_EQ(GerenciadorConfiguracao(caminho, plataforma).getValores(), valoresCompletos());
    // The values of this run are still there for a later save.
    EXPECT_EQ(config.getNomeInstrumento(), "Outro");
}

TEST_F(ConfiguracaoArquivoTest, PastaSomenteLeituraNaoCorrompeNemLevanta) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    gravar(kArquivoCompleto);
    GerenciadorConfiguracao config(caminho, plataforma);
    config.setPosicaoBraco(0);
    fs::permissions(pasta, fs::perms::owner_read | fs::perms::owner_exec);
    const bool escreveu = config.salvar();
    fs::permissions(pasta, fs::perms::owner_all);
    EXPECT_FALSE(escreveu);
    EXPECT_EQ(conteudo(), kArquivoCompleto);
}

TEST_F(ConfiguracaoArquivoTest, InstanciaUnicaLeOArquivoDoProgramaNaPlataformaAtual) {
    gravar(kArquivoCompleto);
    Plataforma::definir(&plataforma);
    GerenciadorConfiguracao::substituirInstancia(nullptr);
    GerenciadorConfiguracao* unica = GerenciadorConfiguracao::getInstancia();
    EXPECT_EQ(unica, GerenciadorConfiguracao::getInstancia());
    EXPECT_EQ(unica->getCaminhoArquivo(), (pasta / "brelvio.ini").string());
    EXPECT_EQ(unica->getValores(), valoresCompletos());
    GerenciadorConfiguracao::substituirInstancia(nullptr);
    Plataforma::definir(nullptr);
}

}  // namespace
