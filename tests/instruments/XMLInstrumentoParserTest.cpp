#include "instruments/XMLInstrumentoParser.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "core/base/Excecoes.h"
#include "support/Arquivos.h"
#include "support/IdiomaDeTeste.h"

namespace fs = std::filesystem;

namespace {

void escrever(const std::string& caminho, const std::string& conteudo) {
    std::ofstream f(caminho, std::ios::binary | std::ios::trunc);
    f << conteudo;
}

std::string fixture(const std::string& nome) { return std::string(BRELVIO_FIXTURES_DIR) + "/instrumentos/" + nome; }

InstrumentoCordas cavaquinho() {
    return InstrumentoCordas("Cavaquinho", "Cavaquinho padr\xE3o", 4, 12, 4, 24, {50, 55, 59, 64}, true);
}

// Reads from the real files; every write fails the way a full disk would.
class PlataformaSemEscrita : public PlataformaHeadless {
public:
    using PlataformaHeadless::PlataformaHeadless;
    void escreverArquivo(const std::string& caminho, const std::string&) override {
        ++tentativas;
        throw DException("disco cheio: '" + caminho + "'", "PlataformaSemEscrita", "escreverArquivo");
    }
    int tentativas = 0;
};

// Files held in memory, for feeding the reader many documents quickly.
class PlataformaMemoria : public PlataformaHeadless {
public:
    PlataformaMemoria() : PlataformaHeadless("/memoria/") {}
    bool existeArquivo(const std::string& caminho) const override { return arquivos.count(caminho) != 0; }
    std::string lerArquivo(const std::string& caminho) const override { return arquivos.at(caminho); }
    void escreverArquivo(const std::string& caminho, const std::string& conteudo) override {
        arquivos[caminho] = conteudo;
    }
    std::map<std::string, std::string> arquivos;
};

class XMLInstrumentoParserTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(idioma.carregado());
        pasta = fs::path(testing::TempDir()) /
                ("xmlinstrumento_" + std::to_string(::getpid()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    void TearDown() override {
        std::error_code ignorado;
        fs::permissions(pasta, fs::perms::owner_all, ignorado);
        fs::remove_all(pasta, ignorado);
    }
    // A writable copy of a fixture.
    std::string copia(const std::string& nome) {
        const std::string destino = (pasta / nome).string();
        fs::copy_file(fixture(nome), destino, fs::copy_options::overwrite_existing);
        return destino;
    }
    std::string texto(const char* chave) { return idioma.idiomas().getTexto("exception", chave); }

    IdiomaDeTeste idioma{"English"};
    fs::path pasta;
    XMLInstrumentoParser parser{&idioma.plataforma()};
};

TEST_F(XMLInstrumentoParserTest, GravaExatamenteOFormatoDoArquivo) {
    const std::string caminho = copia("vazio.xml");
    const InstrumentoCordas i("A & B <C>", "d\xE9" "c > x", 4, 12, 4, 24, {50, 55, 59, 64}, true);
    parser.addInstrumento(caminho, &i);
    EXPECT_EQ(lerArquivo(caminho),
              "<colecaoInstrumento>\r\n"
              "\t<instrumento>\r\n"
              "\t\t<nome>A &amp; B &lt;C></nome>\r\n"
              "\t\t<descricao>d\xE9" "c > x</descricao>\r\n"
              "\t\t<numeroCordas>4</numeroCordas>\r\n"
              "\t\t<numeroCasas>12</numeroCasas>\r\n"
              "\t\t<distancia>4</distancia>\r\n"
              "\t\t<som>24</som>\r\n"
              "\t\t<afinacao>\r\n"
              "\t\t\t<frequencia>50</frequencia>\r\n"
              "\t\t\t<frequencia>55</frequencia>\r\n"
              "\t\t\t<frequencia>59</frequencia>\r\n"
              "\t\t\t<frequencia>64</frequencia>\r\n"
              "\t\t</afinacao>\r\n"
              "\t</instrumento>\r\n"
              "</colecaoInstrumento>\r\n");
    const auto lido = parser.getInstrumento(caminho, 0);
    EXPECT_EQ(lido->getName(), "A & B <C>");
    EXPECT_EQ(lido->getDescricao(), "d\xE9" "c > x");
}

TEST_F(XMLInstrumentoParserTest, CavaquinhoComoInstrumentoDoUsuarioVoltaIgualSemBaseDeAcordes) {
    const std::string caminho = copia("vazio.xml");
    const InstrumentoCordas original = cavaquinho();
    parser.addInstrumento(caminho, &original);
    const auto lido = parser.getInstrumento(caminho, 0);
    EXPECT_TRUE(lido->equals(original));
    EXPECT_EQ(lido->getDescricao(), original.getDescricao());
    EXPECT_FALSE(lido->isUsaBaseAcordes());
    EXPECT_EQ(parser.getNomesInstrumentos(caminho), std::vector<std::string>{"Cavaquinho"});
}

TEST_F(XMLInstrumentoParserTest, AcrescentaEditaEApagaPeloArquivo) {
    const std::string caminho = copia("dois.xml");
    ASSERT_EQ(parser.getNomesInstrumentos(caminho), (std::vector<std::string>{"A", "B"}));

    const InstrumentoCordas c("C", "terceiro", 5, 14, 4, 25, {47, 52, 56, 59, 64}, false);
    parser.addInstrumento(caminho, &c);
    EXPECT_EQ(parser.getNomesInstrumentos(caminho), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(parser.getInstrumento(caminho, 2)->equals(c));

    const InstrumentoCordas b2("B2", "trocado", 6, 12, 3, 24, {38, 45, 50, 55, 59, 64}, false);
    parser.editInstrumento(caminho, 1, &b2);
    EXPECT_EQ(parser.getNomesInstrumentos(caminho), (std::vector<std::string>{"A", "B2", "C"}));
    EXPECT_TRUE(parser.getInstrumento(caminho, 1)->equals(b2));
    EXPECT_EQ(parser.getInstrumento(caminho, 1)->getDescricao(), "trocado");

    parser.delInstrumento(caminho, 0);
    EXPECT_EQ(parser.getNomesInstrumentos(caminho), (std::vector<std::string>{"B2", "C"}));
    EXPECT_TRUE(parser.getInstrumento(caminho, 0)->equals(b2));
    EXPECT_TRUE(parser.getInstrumento(caminho, 1)->equals(c));

    parser.delInstrumento(caminho, 1);
    parser.delInstrumento(caminho, 0);
    EXPECT_EQ(lerArquivo(caminho), "<colecaoInstrumento>\r\n</colecaoInstrumento>\r\n");
    EXPECT_TRUE(parser.getNomesInstrumentos(caminho).empty());
}

// The writer puts an empty description down as an empty element; reading it
// back, and every rewrite after it, must keep it empty rather than take the
// description of the instrument above.
TEST_F(XMLInstrumentoParserTest, DescricaoVaziaGravadaVoltaVazia) {
    const std::string caminho = copia("vazio.xml");
    const InstrumentoCordas comDescricao = cavaquinho();
    const InstrumentoCordas semDescricao("Ukulele", "", 4, 12, 3, 24, {67, 60, 64, 69}, false);
    parser.addInstrumento(caminho, &comDescricao);
    parser.addInstrumento(caminho, &semDescricao);
    EXPECT_EQ(parser.getInstrumento(caminho, 1)->getDescricao(), "");

    const InstrumentoCordas terceiro("C", "terceiro", 5, 14, 3, 25, {47, 52, 56, 59, 64}, false);
    parser.addInstrumento(caminho, &terceiro);
    parser.delInstrumento(caminho, 2);
    EXPECT_EQ(parser.getInstrumento(caminho, 0)->getDescricao(), comDescricao.getDescricao());
    EXPECT_EQ(parser.getInstrumento(caminho, 1)->getDescricao(), "");
}

TEST_F(XMLInstrumentoParserTest, ArquivoEscritoAMaoLidoComTolerancia) {
    const std::string caminho = fixture("desordenado.xml");
    // The third instrument's name is an empty tag: it has no entry in the names.
    EXPECT_EQ(parser.getNomesInstrumentos(caminho), (std::vector<std::string>{"Viola caipira", "Tres"}));

    const auto viola = parser.getInstrumento(caminho, 0);
    EXPECT_EQ(viola->getName(), "Viola caipira");
    EXPECT_EQ(viola->getDescricao(), "cinco & dez <pares>");
    EXPECT_EQ(viola->getNumeroCordas(), 5);
    EXPECT_EQ(viola->getNumeroCasas(), 10);
    EXPECT_EQ(viola->getDistancia(), 4);
    EXPECT_EQ(viola->getSom(), -1);
    EXPECT_EQ(viola->getAfinacao(), (std::vector<int32_t>{47, 52, 56, 59, 64}));

    // Three strings: the tuning is not entered. Missing elements keep the
    // previous instrument's values.
    const auto tres = parser.getInstrumento(caminho, 1);
    EXPECT_EQ(tres->getName(), "Tres");
    EXPECT_EQ(tres->getDescricao(), "cinco & dez <pares>");
    EXPECT_EQ(tres->getNumeroCordas(), 3);
    EXPECT_EQ(tres->getNumeroCasas(), 10);
    EXPECT_TRUE(tres->getAfinacao().empty());

    const auto terceiro = parser.getInstrumento(caminho, 2);
    EXPECT_EQ(terceiro->getName(), "Tres");
    EXPECT_EQ(terceiro->getAfinacao(), (std::vector<int32_t>{62, 67, 71, 74}));
}

// The names undercount here (one instrument has no name); a rewrite must still
// keep every instrument the file holds.
TEST_F(XMLInstrumentoParserTest, ReescritaNaoPerdeInstrumentoSemNome) {
    const std::string caminho = copia("desordenado.xml");
    parser.delInstrumento(caminho, 1);
    const auto primeiro = parser.getInstrumento(caminho, 0);
    const auto segundo = parser.getInstrumento(caminho, 1);
    EXPECT_EQ(primeiro->getName(), "Viola caipira");
    EXPECT_EQ(segundo->getAfinacao(), (std::vector<int32_t>{62, 67, 71, 74}));
    EXPECT_THROW(parser.getInstrumento(caminho, 2), OutOfBoundsException);
}

TEST_F(XMLInstrumentoParserTest, SemArquivoNadaECriado) {
    const std::string caminho = (pasta / "nao_existe.xml").string();
    const InstrumentoCordas c = cavaquinho();
    struct Case {
        const char* operacao;
        std::function<void()> chamar;
        const char* metodo;
    };
    const Case casos[] = {
        {"nomes", [&] { parser.getNomesInstrumentos(caminho); }, "getNomesInstrumentos"},
        {"ler", [&] { parser.getInstrumento(caminho, 0); }, "getInstrumento"},
        {"acrescentar", [&] { parser.addInstrumento(caminho, &c); }, "getNomesInstrumentos"},
        {"editar", [&] { parser.editInstrumento(caminho, 0, &c); }, "getNomesInstrumentos"},
        {"apagar", [&] { parser.delInstrumento(caminho, 0); }, "getNomesInstrumentos"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.operacao);
        try {
            caso.chamar();
            ADD_FAILURE() << "no error";
        } catch (const FileNotFoundException& e) {
            EXPECT_EQ(e.getMessage(), texto("baseInstrumentosNaoEncontrada") + caminho + "'");
            EXPECT_EQ(e.item, caminho);
            ASSERT_FALSE(e.getTrace().empty());
            EXPECT_NE(e.getTrace()[0].find("XMLInstrumentoParser"), std::string::npos);
            EXPECT_NE(e.getTrace()[0].find(caso.metodo), std::string::npos);
        }
        EXPECT_FALSE(fs::exists(caminho));
    }
}

TEST_F(XMLInstrumentoParserTest, NumeroInvalidoEErroDeLeitura) {
    struct Case {
        const char* documento;
        const char* elemento;
    };
    const Case casos[] = {
        {"<colecaoInstrumento><instrumento><som>abc</som></instrumento></colecaoInstrumento>", "som"},
        {"<instrumento><numeroCordas>5 6</numeroCordas></instrumento>", "numeroCordas"},
        {"<instrumento><numeroCasas>12x</numeroCasas></instrumento>", "numeroCasas"},
        {"<instrumento><distancia>2147483648</distancia></instrumento>", "distancia"},
        {"<instrumento><numeroCordas>4</numeroCordas><afinacao><frequencia>--1</frequencia></afinacao>"
         "</instrumento>", "frequencia"},
        {"<instrumento><som>+</som></instrumento>", "som"},
        // An error in a later instrument spoils the read of the first too: the
        // scan always runs to the end.
        {"<instrumento><som>1</som></instrumento><instrumento><som>1.5</som></instrumento>", "som"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.documento);
        const std::string caminho = (pasta / "invalido.xml").string();
        escrever(caminho, c.documento);
        try {
            parser.getInstrumento(caminho, 0);
            ADD_FAILURE() << "no error";
        } catch (const XMLParseException& e) {
            EXPECT_EQ(e.getMessage(), texto("parseError") + c.elemento + ")");
            EXPECT_EQ(e.detail, c.elemento);
            EXPECT_EQ(e.toString(), e.getMessage());
        }
    }
    EXPECT_THROW(parser.getInstrumento(fixture("som_invalido.xml"), 0), XMLParseException);
    // The names alone do not read the numbers.
    EXPECT_EQ(parser.getNomesInstrumentos(fixture("som_invalido.xml")), std::vector<std::string>{"X"});
}

TEST_F(XMLInstrumentoParserTest, NumerosComSinalEExtremos) {
    const std::string caminho = (pasta / "extremos.xml").string();
    escrever(caminho,
             "<instrumento><numeroCordas>+4</numeroCordas><numeroCasas>-2147483648</numeroCasas>"
             "<distancia>2147483647</distancia><som>0</som><afinacao><frequencia>-1</frequencia>"
             "<frequencia>007</frequencia></afinacao></instrumento>");
    const auto i = parser.getInstrumento(caminho, 0);
    EXPECT_EQ(i->getNumeroCordas(), 4);
    EXPECT_EQ(i->getNumeroCasas(), INT32_MIN);
    EXPECT_EQ(i->getDistancia(), INT32_MAX);
    EXPECT_EQ(i->getAfinacao(), (std::vector<int32_t>{-1, 7}));
}

TEST_F(XMLInstrumentoParserTest, IndicesInvalidosENulos) {
    const std::string caminho = copia("dois.xml");
    const std::string antes = lerArquivo(caminho);
    const InstrumentoCordas c = cavaquinho();
    struct Case {
        const char* operacao;
        std::function<void()> chamar;
        int32_t indice;
        const char* metodo;
    };
    const Case casos[] = {
        {"ler 2", [&] { parser.getInstrumento(caminho, 2); }, 2, "getInstrumento"},
        {"ler -1", [&] { parser.getInstrumento(caminho, -1); }, -1, "getInstrumento"},
        {"apagar 2", [&] { parser.delInstrumento(caminho, 2); }, 2, "delInstrumento"},
        {"apagar -1", [&] { parser.delInstrumento(caminho, -1); }, -1, "delInstrumento"},
        {"editar 2", [&] { parser.editInstrumento(caminho, 2, &c); }, 2, "editInstrumento"},
        {"editar -5 nulo", [&] { parser.editInstrumento(caminho, -5, nullptr); }, -5, "editInstrumento"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.operacao);
        try {
            caso.chamar();
            ADD_FAILURE() << "no error";
        } catch (const OutOfBoundsException& e) {
            EXPECT_EQ(e.getMessage(), texto("indiceInvalido") + std::to_string(caso.indice) + "'");
            EXPECT_EQ(e.index, caso.indice);
            ASSERT_FALSE(e.getTrace().empty());
            EXPECT_NE(e.getTrace()[0].find(caso.metodo), std::string::npos);
        }
    }
    for (const char* metodo : {"addInstrumento", "editInstrumento"}) {
        SCOPED_TRACE(metodo);
        try {
            if (std::string(metodo) == "addInstrumento") parser.addInstrumento(caminho, nullptr);
            else parser.editInstrumento(caminho, 0, nullptr);
            ADD_FAILURE() << "no error";
        } catch (const IllegalArgumentException& e) {
            EXPECT_EQ(e.getMessage(), "Instrumento \xE9 NULL!");
            EXPECT_EQ(e.argument, "NULL");
            ASSERT_FALSE(e.getTrace().empty());
            EXPECT_NE(e.getTrace()[0].find(metodo), std::string::npos);
        }
    }
    EXPECT_EQ(lerArquivo(caminho), antes);
}

TEST_F(XMLInstrumentoParserTest, EscritaQueFalhaDeixaOArquivoAntigoInteiro) {
    const std::string caminho = copia("dois.xml");
    const std::string antes = lerArquivo(caminho);
    PlataformaSemEscrita semEscrita(BRELVIO_APP_DIR);
    XMLInstrumentoParser comFalha(&semEscrita);
    const InstrumentoCordas c = cavaquinho();

    EXPECT_THROW(comFalha.addInstrumento(caminho, &c), DException);
    EXPECT_THROW(comFalha.editInstrumento(caminho, 0, &c), DException);
    EXPECT_THROW(comFalha.delInstrumento(caminho, 1), DException);
    EXPECT_EQ(semEscrita.tentativas, 3);
    EXPECT_EQ(lerArquivo(caminho), antes);
    EXPECT_EQ(parser.getNomesInstrumentos(caminho), (std::vector<std::string>{"A", "B"}));
}

TEST_F(XMLInstrumentoParserTest, PastaSomenteLeituraDeixaOArquivoAntigoInteiro) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    const std::string caminho = copia("dois.xml");
    const std::string antes = lerArquivo(caminho);
    fs::permissions(pasta, fs::perms::owner_read | fs::perms::owner_exec);
    const InstrumentoCordas c = cavaquinho();
    EXPECT_THROW(parser.addInstrumento(caminho, &c), DException);
    fs::permissions(pasta, fs::perms::owner_all);
    EXPECT_EQ(lerArquivo(caminho), antes);
}

TEST_F(XMLInstrumentoParserTest, LeitorAceitaQualquerByte) {
    PlataformaMemoria memoria;
    XMLInstrumentoParser leitor(&memoria);
    const std::string base = lerArquivo(fixture("dois.xml"));
    std::mt19937 gerador(2024);
    for (int rodada = 0; rodada < 1500; ++rodada) {
        std::string documento = base;
        if (rodada % 3 == 0) {  // random bytes
            documento.assign(gerador() % 300, '\0');
            for (auto& ch : documento) ch = static_cast<char>(gerador() & 0xFF);
        } else if (rodada % 3 == 1) {  // truncated
            documento.resize(gerador() % base.size());
        } else {  // a few bytes changed
            for (int k = 0; k < 4; ++k) documento[gerador() % documento.size()] = static_cast<char>(gerador() & 0xFF);
        }
        memoria.arquivos["/x.xml"] = documento;
        try {
            const auto nomes = leitor.getNomesInstrumentos("/x.xml");
            for (int32_t i = 0; i < 3; ++i) leitor.getInstrumento("/x.xml", i);
        } catch (const XMLParseException&) {
        } catch (const OutOfBoundsException&) {
        }
    }
}

TEST(XMLInstrumentoParserIdiomasTest, ChavesDeErroExistemNosDoisIdiomas) {
    for (const char* idiomaNome : {"English", kPortugues}) {
        IdiomaDeTeste outro(idiomaNome);
        ASSERT_TRUE(outro.carregado());
        for (const char* chave : {"baseInstrumentosNaoEncontrada", "parseError", "indiceInvalido"}) {
            EXPECT_FALSE(outro.idiomas().getTexto("exception", chave).empty()) << idiomaNome << " " << chave;
        }
    }
}

}  // namespace
