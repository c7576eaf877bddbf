#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"

namespace {

namespace fs = std::filesystem;

const std::string kFixtures = std::string(BRELVIO_FIXTURES_DIR) + "/idiomas/";

const char* const kTitulo = "Internationalization";
const char* const kSemArquivos = "No language files were found. Please, reinstall your software.";
const char* const kNaoEncontrado = "The language you have selected was not found. Please, select another one.";
const char* const kNenhumEscolhido = "The application could not be initialized because no language was selected.";
const std::string kCorrompido =
    std::string("The file of the language you have selected is corrupted. Try to reinstall your software.\n"
                "If the problem persist, please contact us: ") +
    GerenciadorIdiomas::kEmailSuporte + ".";

std::vector<std::string> textos(const PlataformaHeadless& p) {
    std::vector<std::string> v;
    for (const auto& m : p.mensagens()) {
        EXPECT_EQ(m.titulo, kTitulo) << m.texto;
        EXPECT_EQ(m.botoes, BotoesMensagem::Ok) << m.texto;
        v.push_back(m.texto);
    }
    return v;
}

std::vector<std::string> ordenados(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(GerenciadorIdiomas, BuscaOfereceSoOsArquivosValidos) {
    PlataformaHeadless plataforma(kFixtures + "busca");
    GerenciadorIdiomas idiomas(plataforma);
    // The code must match with letter case; no name, no header, another
    // extension or a directory count for nothing.
    EXPECT_EQ(ordenados(idiomas.getNomes()),
              (std::vector<std::string>{"Alfa", "Beta", "Beta", "Gama", "Portugu\xEAs (Brasil)"}));
    EXPECT_TRUE(plataforma.mensagens().empty());
    EXPECT_FALSE(plataforma.encerramentoPedido());
    EXPECT_FALSE(idiomas.idiomaCarregado());
    EXPECT_EQ(idiomas.getIndiceAtual(), -1);
}

TEST(GerenciadorIdiomas, NomeConfiguradoSemConsiderarCaixa) {
    struct Caso {
        const char* configurado;
        const char* arquivo;
    };
    const Caso casos[] = {
        {"Alfa", "alfa"},
        {"ALFA", "alfa"},
        {"gama", "gama"},
        {"Portugu\xEAs (Brasil)", "portugues"},
        {"portugu\xEAs (brasil)", "portugues"},
    };
    for (const auto& c : casos) {
        PlataformaHeadless plataforma(kFixtures + "busca");
        GerenciadorIdiomas idiomas(plataforma);
        ASSERT_TRUE(idiomas.iniciar(c.configurado)) << c.configurado;
        EXPECT_EQ(idiomas.getTexto("teste", "arquivo"), c.arquivo);
        EXPECT_TRUE(plataforma.mensagens().empty()) << c.configurado;
        EXPECT_TRUE(plataforma.escolhasOferecidas().empty()) << c.configurado;
    }
    // The search reads the header with INI rules, but once loaded the name is
    // looked up like any other text, with letter case: gama's header is
    // "[especificacaoidioma]", so it has no name of its own then.
    PlataformaHeadless plataforma(kFixtures + "busca");
    GerenciadorIdiomas idiomas(plataforma);
    ASSERT_TRUE(idiomas.iniciar("Gama"));
    EXPECT_EQ(idiomas.getNomeIdioma(), "");
}

TEST(GerenciadorIdiomas, NomeRepetidoCarregaOPrimeiroListado) {
    PlataformaHeadless plataforma(kFixtures + "busca");
    GerenciadorIdiomas idiomas(plataforma);
    // "First" is the order of the directory listing, whatever it is here.
    std::string primeiro;
    for (const auto& arquivo : plataforma.listarArquivos(plataforma.diretorioPrograma(), "*.idm")) {
        if (arquivo.rfind("beta-", 0) == 0) {
            primeiro = arquivo.substr(0, arquivo.size() - 4);
            break;
        }
    }
    ASSERT_FALSE(primeiro.empty());
    ASSERT_TRUE(idiomas.iniciar("beta"));
    EXPECT_EQ(idiomas.getTexto("teste", "arquivo"), primeiro);
    const auto& nomes = idiomas.getNomes();
    EXPECT_EQ(idiomas.getIndiceAtual(), std::find(nomes.begin(), nomes.end(), "Beta") - nomes.begin());
}

TEST(GerenciadorIdiomas, NomeDesconhecidoAbreOEscolhedor) {
    PlataformaHeadless plataforma(kFixtures + "busca");
    GerenciadorIdiomas idiomas(plataforma);
    const auto& nomes = idiomas.getNomes();
    const int alfa = static_cast<int>(std::find(nomes.begin(), nomes.end(), "Alfa") - nomes.begin());
    plataforma.responderEscolha(alfa);
    ASSERT_TRUE(idiomas.iniciar("Klingon"));
    EXPECT_EQ(textos(plataforma), (std::vector<std::string>{kNaoEncontrado}));
    ASSERT_EQ(plataforma.escolhasOferecidas().size(), 1u);
    EXPECT_EQ(plataforma.escolhasOferecidas()[0], nomes);
    EXPECT_EQ(idiomas.getNomeIdioma(), "Alfa");
    EXPECT_EQ(idiomas.getTexto("teste", "arquivo"), "alfa");
    EXPECT_FALSE(plataforma.encerramentoPedido());
}

TEST(GerenciadorIdiomas, EscolhedorCanceladoEncerra) {
    PlataformaHeadless plataforma(kFixtures + "busca");
    GerenciadorIdiomas idiomas(plataforma);
    plataforma.responderEscolha(std::nullopt);
    EXPECT_FALSE(idiomas.iniciar(""));
    EXPECT_EQ(textos(plataforma), (std::vector<std::string>{kNaoEncontrado, kNenhumEscolhido}));
    EXPECT_TRUE(plataforma.encerramentoPedido());
    EXPECT_FALSE(idiomas.idiomaCarregado());
    EXPECT_EQ(idiomas.getIndiceAtual(), -1);
    EXPECT_EQ(idiomas.getTexto("teste", "arquivo"), "");
    EXPECT_EQ(idiomas.getImagem("fmEntrada", "imgEntrada"), nullptr);
}

TEST(GerenciadorIdiomas, SemArquivoNenhum) {
    PlataformaHeadless plataforma(kFixtures + "vazio");
    GerenciadorIdiomas idiomas(plataforma);
    EXPECT_EQ(textos(plataforma), (std::vector<std::string>{kSemArquivos}));
    EXPECT_TRUE(plataforma.encerramentoPedido());
    EXPECT_FALSE(idiomas.iniciar("English"));
    // The chooser still opens, empty, and no third message follows.
    EXPECT_EQ(textos(plataforma), (std::vector<std::string>{kSemArquivos, kNaoEncontrado}));
    ASSERT_EQ(plataforma.escolhasOferecidas().size(), 1u);
    EXPECT_TRUE(plataforma.escolhasOferecidas()[0].empty());
    EXPECT_FALSE(idiomas.idiomaCarregado());
    EXPECT_TRUE(plataforma.encerramentoPedido());
}

TEST(GerenciadorIdiomas, CarregarPosicao) {
    PlataformaHeadless plataforma(kFixtures + "busca");
    GerenciadorIdiomas idiomas(plataforma);
    const int total = static_cast<int>(idiomas.getNomes().size());
    idiomas.carregarIdioma(total);  // past the end: nothing
    EXPECT_FALSE(idiomas.idiomaCarregado());
    std::vector<std::string> arquivos;
    for (int i = 0; i < total; ++i) {
        idiomas.carregarIdioma(i);
        EXPECT_EQ(idiomas.getIndiceAtual(), i);
        arquivos.push_back(idiomas.getTexto("teste", "arquivo"));
    }
    EXPECT_EQ(ordenados(arquivos), (std::vector<std::string>{"alfa", "beta-1", "beta-2", "gama", "portugues"}));
}

TEST(GerenciadorIdiomas, ArquivoSumidoDepoisDaBuscaSobeOErro) {
    const fs::path pasta = fs::temp_directory_path() / ("brelvio-idiomas-" + std::to_string(::getpid()));
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    fs::copy_file(kFixtures + "busca/alfa.idm", pasta / "alfa.idm");
    PlataformaHeadless plataforma(pasta.string());
    GerenciadorIdiomas idiomas(plataforma);
    ASSERT_EQ(idiomas.getNomes().size(), 1u);
    fs::remove(pasta / "alfa.idm");
    EXPECT_THROW(idiomas.iniciar("Alfa"), FileNotFoundException);
    EXPECT_FALSE(idiomas.idiomaCarregado());
    fs::remove_all(pasta);
}

class ImagensDoIdioma : public ::testing::Test {
protected:
    ImagensDoIdioma() : plataforma(kFixtures + "imagens"), idiomas(plataforma) {
        EXPECT_TRUE(idiomas.iniciar("Imagens"));
        plataforma.limparRegistro();
    }
    PlataformaHeadless plataforma;
    GerenciadorIdiomas idiomas;
};

const char* const kQuebradas[] = {
    "imgSemVirgula", "imgComprimentoNaoNumero", "imgInicioNaoNumero", "imgNegativa",
    "imgAlemDoPacote", "imgNaoJpeg", "imgCortada",
};

TEST_F(ImagensDoIdioma, EntradaBoaDecodifica) {
    const auto imagem = idiomas.getImagem("fmEntrada", "imgBoa");
    ASSERT_NE(imagem, nullptr);
    EXPECT_EQ(imagem->largura, 8);
    EXPECT_EQ(imagem->altura, 8);
    EXPECT_EQ(imagem->rgb.size(), 8u * 8u * 3u);
    // Missing entries and empty values are no picture and no message.
    EXPECT_EQ(idiomas.getImagem("fmEntrada", "imgVazia"), nullptr);
    EXPECT_EQ(idiomas.getImagem("fmEntrada", "naoExiste"), nullptr);
    EXPECT_EQ(idiomas.getImagem("outra", "imgBoa"), nullptr);
    EXPECT_TRUE(plataforma.mensagens().empty());
}

TEST(GerenciadorIdiomas, CadaEntradaQuebradaAvisaCorrupcao) {
    for (const char* chave : kQuebradas) {
        PlataformaHeadless p(kFixtures + "imagens");
        GerenciadorIdiomas g(p);
        ASSERT_TRUE(g.iniciar("Imagens"));
        EXPECT_EQ(g.getImagem("fmEntrada", chave), nullptr) << chave;
        EXPECT_EQ(textos(p), (std::vector<std::string>{kCorrompido})) << chave;
    }
}

TEST_F(ImagensDoIdioma, CorrupcaoAvisadaUmaVezSo) {
    for (const char* chave : kQuebradas) EXPECT_EQ(idiomas.getImagem("fmEntrada", chave), nullptr) << chave;
    for (const char* chave : kQuebradas) EXPECT_EQ(idiomas.getImagem("fmEntrada", chave), nullptr) << chave;
    EXPECT_EQ(textos(plataforma), (std::vector<std::string>{kCorrompido}));
    // The good picture still comes after the report.
    EXPECT_NE(idiomas.getImagem("fmEntrada", "imgBoa"), nullptr);
}

TEST(GerenciadorIdiomas, PacoteAusenteEhCorrupcao) {
    PlataformaHeadless plataforma(kFixtures + "sem-pacote");
    GerenciadorIdiomas idiomas(plataforma);
    ASSERT_TRUE(idiomas.iniciar("Sem pacote"));
    EXPECT_EQ(idiomas.getImagem("fmEntrada", "imgBoa"), nullptr);
    EXPECT_EQ(idiomas.getImagem("fmEntrada", "imgBoa"), nullptr);
    EXPECT_EQ(textos(plataforma), (std::vector<std::string>{kCorrompido}));
}

}  // namespace
