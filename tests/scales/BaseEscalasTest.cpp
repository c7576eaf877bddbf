#include "scales/BaseEscalas.h"

#include <gtest/gtest.h>

#include <set>

#include "core/base/Excecoes.h"
#include "support/IdiomaDeTeste.h"

namespace {

const std::string kFixtures = std::string(BRELVIO_FIXTURES_DIR) + "/escalas/";

class BaseEscalasTest : public ::testing::Test {
protected:
    BaseEscalas base(const std::string& arquivo) { return BaseEscalas(kFixtures + arquivo, idioma.plataforma()); }
    std::string texto(const char* chave) { return idioma.idiomas().getTexto("exception", chave); }

    IdiomaDeTeste idioma;
};

TEST_F(BaseEscalasTest, LeOArquivoCanonico) {
    BaseEscalas b = base("canonica.xml");
    EXPECT_EQ(b.getNomesEscalas(), (std::vector<std::string>{"Maior", "Pentat\xF4nica menor", "Descendente"}));
    EXPECT_EQ(b.getNumeroEscalas(), 3);
    EXPECT_EQ(b.getNomeArquivo(), kFixtures + "canonica.xml");

    struct Caso {
        int posicao;
        const char* nome;
        std::vector<int32_t> offsets;
    };
    const Caso casos[] = {
        {0, "Maior", {0, 2, 4, 5, 7, 9, 11}},
        {1, "Pentat\xF4nica menor", {0, 3, 5, 7, 10}},
        {2, "Descendente", {12, 7, -5}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.posicao);
        const auto e = b.getEscala(c.posicao);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->getNome(), c.nome);
        EXPECT_EQ(e->getFrequencia(), c.offsets);
    }
    EXPECT_EQ(b.getEscala(3), nullptr);
    EXPECT_EQ(b.getEscala(-1), nullptr);
}

// Another root, a self-closing "escala", comments, instructions, CDATA,
// attributes, unknown elements and offsets outside any scale.
TEST_F(BaseEscalasTest, PulaOQueNaoConhece) {
    BaseEscalas b = base("variada.xml");
    const std::string la = "L\xE1 menor";
    EXPECT_EQ(b.getNomesEscalas(), (std::vector<std::string>{la, "Vazia", la}));
    const auto primeira = b.getEscala(0);
    ASSERT_NE(primeira, nullptr);
    EXPECT_EQ(primeira->getNome(), la);
    EXPECT_EQ(primeira->getFrequencia(), (std::vector<int32_t>{9, 0}));
    const auto vazia = b.getEscala(1);
    ASSERT_NE(vazia, nullptr);
    EXPECT_EQ(vazia->getNome(), "Vazia");
    EXPECT_TRUE(vazia->getFrequencia().empty());
    const auto terceira = b.getEscala(2);
    ASSERT_NE(terceira, nullptr);
    EXPECT_EQ(terceira->getFrequencia(), (std::vector<int32_t>{1}));
}

TEST_F(BaseEscalasTest, IndiceDoNome) {
    BaseEscalas b = base("variada.xml");
    struct Caso {
        std::string nome;
        int indice;
    };
    const Caso casos[] = {
        {"L\xE1 menor", 0},  // the first of two equal names
        {"Vazia", 1},
        {"vazia", 3},        // letter case counts: not found gives the count
        {"L\xE1 menor ", 3},
        {"", 3},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(b.getIndiceEscala(c.nome), c.indice);
    }
}

TEST_F(BaseEscalasTest, OffsetQueNaoEInteiro) {
    for (const char* arquivo : {"offset-invalido.xml", "offset-grande.xml"}) {
        SCOPED_TRACE(arquivo);
        BaseEscalas b = base(arquivo);
        EXPECT_NO_THROW(b.getNomesEscalas());
        try {
            b.getEscala(0);
            FAIL() << "no error";
        } catch (const XMLParseException& e) {
            EXPECT_EQ(e.getMessage(), texto("parseError") + "frequencia)");
            EXPECT_EQ(e.detail, "frequencia");
            EXPECT_EQ(e.getTrace(), (std::vector<std::string>{"BaseEscalas::getEscala"}));
        }
    }
    EXPECT_EQ(base("offset-invalido.xml").getNumeroEscalas(), 2);
}

TEST_F(BaseEscalasTest, ArquivoAusente) {
    const std::string caminho = kFixtures + "nao-existe.xml";
    BaseEscalas b(caminho, idioma.plataforma());
    const std::string mensagem = texto("baseEscalasNaoEncontrada") + caminho + "'";
    ASSERT_FALSE(texto("baseEscalasNaoEncontrada").empty());
    try {
        b.getNomesEscalas();
        FAIL() << "no error";
    } catch (const FileNotFoundException& e) {
        EXPECT_EQ(e.getMessage(), mensagem);
        EXPECT_EQ(e.item, caminho);
        EXPECT_EQ(e.getTrace(), (std::vector<std::string>{"BaseEscalas::getNomesEscalas"}));
    }
    try {
        b.getEscala(0);
        FAIL() << "no error";
    } catch (const FileNotFoundException& e) {
        EXPECT_EQ(e.getMessage(), mensagem);
        EXPECT_EQ(e.getTrace(), (std::vector<std::string>{"BaseEscalas::getEscala"}));
    }
    EXPECT_THROW(b.getNumeroEscalas(), FileNotFoundException);
    EXPECT_THROW(b.getIndiceEscala("Maior"), FileNotFoundException);
    // A directory is no file either.
    EXPECT_THROW(BaseEscalas(kFixtures, idioma.plataforma()).getNomesEscalas(), FileNotFoundException);
}

TEST_F(BaseEscalasTest, ArquivosEstragadosNaoDerrubam) {
    struct Caso {
        const char* arquivo;
        std::vector<std::string> nomes;
    };
    const Caso casos[] = {
        {"vazia.xml", {}},
        {"truncada.xml", {"Inteira", "Cortada"}},
        {"lixo.xml", {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.arquivo);
        BaseEscalas b = base(c.arquivo);
        std::vector<std::string> nomes;
        ASSERT_NO_THROW(nomes = b.getNomesEscalas());
        if (std::string(c.arquivo) != "lixo.xml") {
            EXPECT_EQ(nomes, c.nomes);
        }
        for (int i = 0; i < 3; ++i) EXPECT_NO_THROW(b.getEscala(i));
    }
    // The cut-off scale never closed, so only the whole one has a position.
    BaseEscalas truncada = base("truncada.xml");
    const auto inteira = truncada.getEscala(0);
    ASSERT_NE(inteira, nullptr);
    EXPECT_EQ(inteira->getFrequencia(), (std::vector<int32_t>{0, 7}));
    EXPECT_EQ(truncada.getEscala(1), nullptr);
}

TEST_F(BaseEscalasTest, ReleOArquivoACadaPedido) {
    const std::string caminho = ::testing::TempDir() + "escalas-relidas.xml";
    idioma.plataforma().escreverArquivo(caminho,
                                        "<colecaoEscala><escala><nome>Uma</nome></escala></colecaoEscala>");
    BaseEscalas b(caminho, idioma.plataforma());
    EXPECT_EQ(b.getNumeroEscalas(), 1);
    idioma.plataforma().escreverArquivo(
        caminho, "<colecaoEscala><escala><nome>Uma</nome></escala><escala><nome>Duas</nome>"
                 "<frequencia>3</frequencia></escala></colecaoEscala>");
    EXPECT_EQ(b.getNumeroEscalas(), 2);
    EXPECT_EQ(b.getEscala(1)->getFrequencia(), (std::vector<int32_t>{3}));
}

}  // namespace
