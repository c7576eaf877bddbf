#include "instruments/GerenciadorInstrumentos.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "core/base/Excecoes.h"
#include "instruments/XMLInstrumentoParser.h"
#include "support/Arquivos.h"
#include "support/IdiomaDeTeste.h"

namespace fs = std::filesystem;

namespace {

const std::vector<int32_t> kAfinacaoViolao = {40, 45, 50, 55, 59, 64};

class GerenciadorInstrumentosTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(idioma.carregado());
        pasta = fs::path(testing::TempDir()) /
                ("gerenciador_" + std::to_string(::getpid()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pasta);
        fs::create_directories(pasta);
        caminho = (pasta / "instrumentos.xml").string();
        fs::copy_file(std::string(BRELVIO_FIXTURES_DIR) + "/instrumentos/dois.xml", caminho);
    }
    void TearDown() override { fs::remove_all(pasta); }

    std::unique_ptr<GerenciadorInstrumentos> novo() {
        return std::make_unique<GerenciadorInstrumentos>(caminho, &idioma.plataforma());
    }
    std::string geral(const char* chave) { return idioma.idiomas().getTexto("geral", chave); }

    IdiomaDeTeste idioma{"English"};
    fs::path pasta;
    std::string caminho;
};

TEST_F(GerenciadorInstrumentosTest, ListaComecaPelosDoisPadrao) {
    auto g = novo();
    EXPECT_EQ(g->getNumeroInstrumentosPadrao(), 2);
    EXPECT_EQ(g->getNomesInstrumentos(),
              (std::vector<std::string>{geral("violaoPadrao"), geral("cavaquinhoPadrao"), "A", "B"}));
    EXPECT_EQ(g->getInstrumentoAtual(), nullptr);
    EXPECT_EQ(g->getNomeInstrumentoAtual(), "");
}

TEST(GerenciadorInstrumentosPadraoTest, InstrumentosPadraoNosDoisIdiomas) {
    struct Case {
        const char* idioma;
        int32_t somViolao;
    };
    for (const Case c : {Case{"English", 25}, Case{kPortugues, 24}}) {
        SCOPED_TRACE(c.idioma);
        IdiomaDeTeste idioma(c.idioma);
        ASSERT_TRUE(idioma.carregado());
        GerenciadorInstrumentos g("/nao/usado.xml", &idioma.plataforma());
        const auto violao = g.getInstrumento(0);
        const auto cavaquinho = g.getInstrumento(1);
        const auto texto = [&](const char* chave) { return idioma.idiomas().getTexto("geral", chave); };
        EXPECT_FALSE(texto("violaoPadrao").empty());
        EXPECT_FALSE(texto("cavaquinhoPadrao").empty());
        EXPECT_TRUE(violao->equals(InstrumentoCordas(texto("violaoPadrao"), "", 6, 12, 3, c.somViolao,
                                                     kAfinacaoViolao, false)));
        EXPECT_EQ(violao->getDescricao(), texto("descricaoViolaoPadrao"));
        EXPECT_TRUE(violao->isUsaBaseAcordes());
        EXPECT_TRUE(cavaquinho->equals(
            InstrumentoCordas(texto("cavaquinhoPadrao"), "", 4, 12, 4, 24, {50, 55, 59, 64}, false)));
        EXPECT_EQ(cavaquinho->getDescricao(), texto("descricaoCavaquinhoPadrao"));
        EXPECT_FALSE(cavaquinho->isUsaBaseAcordes());

        g.setInstrumento(1);
        EXPECT_EQ(g.getInstrumentoAtual(), cavaquinho.get());  // the built-in itself
        EXPECT_EQ(g.getNomeInstrumentoAtual(), texto("cavaquinhoPadrao"));
    }
}

TEST_F(GerenciadorInstrumentosTest, ConfiguracaoDoViolaoPadraoUsaBaseDeAcordes) {
    struct Case {
        const char* caso;
        InstrumentoCordas instrumento;
        bool usaBase;
    };
    const Case casos[] = {
        {"mesma configuracao, outro nome e som", {"Meu", "x", 6, 12, 3, 105, kAfinacaoViolao, false}, true},
        {"som igual", {"Meu", "x", 6, 12, 3, 25, kAfinacaoViolao, false}, true},
        {"distancia 4", {"Meu", "x", 6, 12, 4, 25, kAfinacaoViolao, false}, false},
        {"14 casas", {"Meu", "x", 6, 14, 3, 25, kAfinacaoViolao, false}, false},
        {"drop D", {"Meu", "x", 6, 12, 3, 25, {38, 45, 50, 55, 59, 64}, false}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        auto g = novo();
        g->editInstrumento(2, &c.instrumento);
        g->setInstrumento(2);
        ASSERT_NE(g->getInstrumentoAtual(), nullptr);
        EXPECT_TRUE(g->getInstrumentoAtual()->equals(c.instrumento));
        EXPECT_EQ(g->getInstrumentoAtual()->isUsaBaseAcordes(), c.usaBase);
        EXPECT_EQ(g->getNomeInstrumentoAtual(), "Meu");
        // Only selecting sets the flag; a plain read does not.
        EXPECT_FALSE(g->getInstrumento(2)->isUsaBaseAcordes());
    }
}

TEST_F(GerenciadorInstrumentosTest, TrocaDeInstrumentoGuardaOAnterior) {
    auto g = novo();
    g->setInstrumento(3);  // B
    InstrumentoCordas* b = g->getInstrumentoAtual();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getName(), "B");

    g->guardarInstrumentoAtual();
    g->setInstrumento(2);  // A
    EXPECT_EQ(g->getInstrumentoAnterior(), b);
    EXPECT_EQ(g->getInstrumentoAnterior()->getName(), "B");  // still alive after the change
    EXPECT_EQ(g->getInstrumentoAtual()->getName(), "A");
    EXPECT_EQ(g->getNomeInstrumentoAtual(), "A");

    InstrumentoCordas* a = g->getInstrumentoAtual();
    g->setInstrumento(-1);
    EXPECT_EQ(g->getInstrumentoAtual(), a);
    EXPECT_EQ(g->getInstrumentoAnterior(), b);
    EXPECT_EQ(g->getNomeInstrumentoAtual(), "A");

    try {
        g->setInstrumento(4);
        ADD_FAILURE() << "no error";
    } catch (const OutOfBoundsException& e) {
        EXPECT_EQ(e.index, 2);  // the file's own position
    }
    EXPECT_EQ(g->getInstrumentoAtual(), a);
    EXPECT_EQ(g->getNomeInstrumentoAtual(), "A");
    EXPECT_THROW(g->getInstrumento(4), OutOfBoundsException);
}

TEST_F(GerenciadorInstrumentosTest, NomeRepetidoNaoEntra) {
    auto g = novo();
    const std::string antes = lerArquivo(caminho);
    for (const std::string& nome : {geral("violaoPadrao"), geral("cavaquinhoPadrao"), std::string("A"), std::string("B")}) {
        SCOPED_TRACE(nome);
        const InstrumentoCordas repetido(nome, "", 4, 12, 4, 24, {62, 67, 71, 74}, false);
        EXPECT_TRUE(g->existeInstrumento(&repetido));
        try {
            g->addInstrumento(&repetido);
            ADD_FAILURE() << "no error";
        } catch (const IllegalArgumentException& e) {
            EXPECT_EQ(e.getMessage(), idioma.idiomas().getTexto("exception", "instrumentoExistente"));
            EXPECT_EQ(e.argument, "instrumento->getName()");
            ASSERT_FALSE(e.getTrace().empty());
            EXPECT_NE(e.getTrace()[0].find("GerenciadorInstrumentos"), std::string::npos);
            EXPECT_NE(e.getTrace()[0].find("addInstrumento(InstrumentoCordas*)"), std::string::npos);
        }
    }
    EXPECT_EQ(lerArquivo(caminho), antes);

    const InstrumentoCordas minusculo("a", "", 4, 12, 4, 24, {62, 67, 71, 74}, false);
    EXPECT_FALSE(g->existeInstrumento(&minusculo));
    g->addInstrumento(&minusculo);
    EXPECT_EQ(g->getNomesInstrumentos().back(), "a");
    EXPECT_TRUE(g->getInstrumento(4)->equals(minusculo));
}

TEST_F(GerenciadorInstrumentosTest, PadraoENegativoNaoSeEditamNemApagam) {
    auto g = novo();
    const std::string antes = lerArquivo(caminho);
    const InstrumentoCordas outro("Z", "", 4, 12, 4, 24, {62, 67, 71, 74}, false);
    for (int indice : {-1, 0, 1}) {
        g->delInstrumento(indice);
        g->editInstrumento(indice, &outro);
    }
    EXPECT_EQ(lerArquivo(caminho), antes);
    EXPECT_EQ(g->getInstrumento(0)->getName(), geral("violaoPadrao"));

    g->editInstrumento(3, &outro);
    EXPECT_EQ(g->getNomesInstrumentos(), (std::vector<std::string>{geral("violaoPadrao"), geral("cavaquinhoPadrao"), "A", "Z"}));
    g->delInstrumento(2);
    EXPECT_EQ(g->getNomesInstrumentos(), (std::vector<std::string>{geral("violaoPadrao"), geral("cavaquinhoPadrao"), "Z"}));
    EXPECT_THROW(g->delInstrumento(3), OutOfBoundsException);
}

TEST_F(GerenciadorInstrumentosTest, SemArquivoDeInstrumentos) {
    fs::remove(caminho);
    auto g = novo();
    try {
        g->getNomesInstrumentos();
        ADD_FAILURE() << "no error";
    } catch (const FileNotFoundException& e) {
        EXPECT_EQ(e.getMessage(),
                  idioma.idiomas().getTexto("exception", "baseInstrumentosNaoEncontrada") + caminho + "'");
        EXPECT_EQ(e.item, caminho);
        ASSERT_FALSE(e.getTrace().empty());
        EXPECT_NE(e.getTrace()[0].find("GerenciadorInstrumentos"), std::string::npos);
    }
    const InstrumentoCordas c("Novo", "", 4, 12, 4, 24, {62, 67, 71, 74}, false);
    EXPECT_THROW(g->addInstrumento(&c), FileNotFoundException);
    EXPECT_FALSE(fs::exists(caminho));
    // The built-ins need no file.
    g->setInstrumento(0);
    EXPECT_TRUE(g->getInstrumentoAtual()->isUsaBaseAcordes());
}

TEST_F(GerenciadorInstrumentosTest, InstanciaUnicaUsaOArquivoDoIdioma) {
    GerenciadorInstrumentos::substituirInstancia(nullptr);
    GerenciadorInstrumentos* g = GerenciadorInstrumentos::getInstancia();
    EXPECT_EQ(g, GerenciadorInstrumentos::getInstancia());
    EXPECT_EQ(fs::path(g->getCaminhoBase()), fs::path(idioma.plataforma().diretorioPrograma()) / "instruments.xml");
    GerenciadorInstrumentos::substituirInstancia(nullptr);
}

// The files delivered with the program, as each language finds them.
TEST(GerenciadorInstrumentosDadosTest, ArquivosEntreguesCarregamNosDoisIdiomas) {
    struct Case {
        const char* idioma;
        const char* arquivo;
        const char* umNome;  // one name with the language's own letters
    };
    const Case casos[] = {
        {"English", "instruments.xml", "Viola caipira (cebol\xE3o in E)"},
        {kPortugues, "instrumentos.xml", "Viol\xE3o (6\xAA em R\xE9)"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.idioma);
        IdiomaDeTeste idioma(c.idioma);
        ASSERT_TRUE(idioma.carregado());
        auto g = GerenciadorInstrumentos::criar(idioma.plataforma());
        ASSERT_EQ(fs::path(g->getCaminhoBase()).filename(), c.arquivo);

        const auto nomes = g->getNomesInstrumentos();
        ASSERT_EQ(nomes.size(), 9u);
        EXPECT_EQ(std::set<std::string>(nomes.begin(), nomes.end()).size(), nomes.size()) << "names must be unique";
        EXPECT_NE(std::find(nomes.begin(), nomes.end(), c.umNome), nomes.end());

        std::vector<std::unique_ptr<InstrumentoCordas>> lidos;
        for (int i = 2; i < static_cast<int>(nomes.size()); ++i) {
            SCOPED_TRACE(nomes[static_cast<size_t>(i)]);
            g->setInstrumento(i);
            const InstrumentoCordas* inst = g->getInstrumentoAtual();
            EXPECT_EQ(inst->getName(), nomes[static_cast<size_t>(i)]);
            EXPECT_FALSE(inst->getDescricao().empty());
            EXPECT_GE(inst->getNumeroCordas(), 4);
            EXPECT_LE(inst->getNumeroCordas(), 6);
            EXPECT_EQ(inst->getAfinacao().size(), static_cast<size_t>(inst->getNumeroCordas()));
            EXPECT_GE(inst->getNumeroCasas(), 6);
            EXPECT_LE(inst->getNumeroCasas(), 14);
            EXPECT_GE(inst->getDistancia(), 3);
            EXPECT_LE(inst->getDistancia(), 5);
            EXPECT_GE(inst->getSom(), 0);
            EXPECT_LE(inst->getSom(), 127);
            for (int32_t p : inst->getAfinacao()) {
                EXPECT_GE(p, 24);
                EXPECT_LE(p, 84);
            }
            EXPECT_FALSE(inst->isUsaBaseAcordes());
            EXPECT_FALSE(inst->mesmaConfiguracao(*g->getInstrumento(1), true)) << "same as the built-in cavaquinho";
            lidos.push_back(std::make_unique<InstrumentoCordas>(*inst));
        }
        // Laid out exactly as the program itself writes the file.
        EXPECT_EQ(XMLInstrumentoParser::gerarDocumento(lidos), lerArquivo(g->getCaminhoBase()));
    }
}

}  // namespace
