#include "scales/GerenciadorEscalas.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/base/Excecoes.h"
#include "fakes/JanelaPrincipalFalsa.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"
#include "support/IdiomaDeTeste.h"

namespace {

namespace fs = std::filesystem;

struct EscalaDoArquivo {
    const char* nome;
    std::vector<int> offsets;
};

// Two playable scales and one that no key fits on a guitar neck.
const EscalaDoArquivo kEscalas[] = {
    {"Major", {0, 2, 4, 5, 7, 9, 11}},
    {"Minor pentatonic", {0, 3, 5, 7, 10}},
    {"Too wide", {0, 40}},
};

std::string arquivoEscalas(const std::vector<EscalaDoArquivo>& escalas) {
    std::string xml = "<colecaoEscala>\n";
    for (const auto& e : escalas) {
        xml += "<escala><nome>" + std::string(e.nome) + "</nome>";
        for (int o : e.offsets) xml += "<frequencia>" + std::to_string(o) + "</frequencia>";
        xml += "</escala>\n";
    }
    return xml + "</colecaoEscala>\n";
}

class GerenciadorEscalasTest : public ::testing::Test {
protected:
    GerenciadorEscalasTest()
        : pasta(fs::temp_directory_path() /
                ("brelvio-escalas-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(pasta);
        fs::create_directories(pasta);
        usarArquivo(arquivoEscalas({std::begin(kEscalas), std::end(kEscalas)}));
        GerenciadorInstrumentos::substituirInstancia(GerenciadorInstrumentos::criar(idioma.plataforma()));
        GerenciadorInstrumentos::getInstancia()->setInstrumento(0);
        janela.tom = "C";
    }
    ~GerenciadorEscalasTest() override {
        BaseEscalas::substituirInstancia(nullptr);
        GerenciadorInstrumentos::substituirInstancia(nullptr);
        fs::remove_all(pasta);
    }

    void usarArquivo(const std::string& conteudo) {
        const std::string caminho = (pasta / "scales.xml").string();
        std::ofstream(caminho, std::ios::binary) << conteudo;
        BaseEscalas::substituirInstancia(std::make_unique<BaseEscalas>(caminho, idioma.plataforma()));
    }

    // What the generator makes of a scale of the file in a key, on its own.
    static int contarPosicoes(int indiceEscala, const std::string& tom) {
        const auto escala = BaseEscalas::getInstancia()->getEscala(indiceEscala);
        try {
            return GeradorEscalas().obterPosicoesEscala(*escala, tom).size();
        } catch (const NotFoundException&) {
            return 0;
        }
    }

    // Shows the position the way the main window does after a change of
    // scale or key: remember the index, lay out, go back to the index.
    void escolher(const std::string& nome, const std::string& tom) {
        janela.tom = tom;
        gerenciador.selecionarEscala(nome);
        const int p = gerenciador.getPosicaoAtual();
        if (gerenciador.getEscala()) (void)gerenciador.getEscalaExibicaoAtual();
        gerenciador.setPosicaoAtual(p);
    }

    void avancarAte(int posicao) {
        while (gerenciador.getPosicaoAtual() < posicao) ASSERT_NE(gerenciador.proximaPosicao(), -1);
    }

    IdiomaDeTeste idioma;
    fs::path pasta;
    JanelaPrincipalFalsa janela;
    GerenciadorEscalas gerenciador;
};

TEST_F(GerenciadorEscalasTest, NomesNaOrdemDoArquivoETonsDoIdioma) {
    EXPECT_EQ(gerenciador.getNomesEscalas(),
              (std::vector<std::string>{"Major", "Minor pentatonic", "Too wide"}));
    EXPECT_EQ(gerenciador.getTons(), (std::vector<std::string>{"C", "C# or Db", "D", "D# or Eb", "E", "F", "F# or Gb",
                                                               "G", "G# or Ab", "A", "A# or Bb", "B"}));
}

TEST(GerenciadorEscalasIdioma, TonsEmPortugues) {
    IdiomaDeTeste idioma(kPortugues);
    ASSERT_TRUE(idioma.carregado());
    const auto tons = GerenciadorEscalas().getTons();
    ASSERT_EQ(tons.size(), 12u);
    EXPECT_EQ(tons[1], "C# ou Db");
    EXPECT_EQ(tons[10], "A# ou Bb");
}

TEST_F(GerenciadorEscalasTest, SemArquivoDeEscalasAvisaEPedeOFim) {
    BaseEscalas::substituirInstancia(
        std::make_unique<BaseEscalas>((pasta / "nenhum.xml").string(), idioma.plataforma()));
    EXPECT_TRUE(gerenciador.getNomesEscalas().empty());
    ASSERT_EQ(idioma.plataforma().mensagens().size(), 1u);
    const auto& mensagem = idioma.plataforma().mensagens()[0];
    EXPECT_EQ(mensagem.texto, idioma.idiomas().getTexto("exception", "baseEscalasNaoEncontrada"));
    EXPECT_EQ(mensagem.titulo, "");
    EXPECT_EQ(mensagem.botoes, BotoesMensagem::Ok);
    EXPECT_TRUE(idioma.plataforma().encerramentoPedido());
}

TEST_F(GerenciadorEscalasTest, IndiceForaDoArquivoNaoMudaNada) {
    escolher("Minor pentatonic", "A");
    avancarAte(2);
    const EscalaExibicao mostrada = gerenciador.getEscalaExibicaoAtual();
    struct Caso {
        const char* nome;
        int indice;
    };
    const Caso casos[] = {{"um depois do ultimo", 3}, {"muito alto", 1000}, {"negativo", -2}, {"menor inteiro", INT32_MIN}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        try {
            gerenciador.setEscalas(caso.indice);
            ADD_FAILURE() << "no error";
        } catch (const OutOfBoundsException& e) {
            EXPECT_EQ(e.index, caso.indice);
            EXPECT_EQ(e.getMessage(), idioma.idiomas().getTexto("exception", "indiceInvalido"));
            ASSERT_FALSE(e.getTrace().empty());
            EXPECT_NE(e.toString().find("GerenciadorEscalas"), std::string::npos);
            EXPECT_NE(e.toString().find("setEscalas(int)"), std::string::npos);
        }
        EXPECT_EQ(gerenciador.getIndiceEscala(), 1);
        EXPECT_EQ(gerenciador.getPosicaoAtual(), 2);
        EXPECT_EQ(gerenciador.getEscalaExibicaoAtual(), mostrada);
    }
}

TEST_F(GerenciadorEscalasTest, NomeComOutraCaixaEIndiceInvalido) {
    EXPECT_THROW(gerenciador.selecionarEscala("major"), OutOfBoundsException);
    EXPECT_THROW(gerenciador.selecionarEscala("Major "), OutOfBoundsException);
    EXPECT_EQ(gerenciador.getIndiceEscala(), -1);
    gerenciador.selecionarEscala("Major");
    EXPECT_EQ(gerenciador.getIndiceEscala(), 0);
    EXPECT_EQ(gerenciador.getEscala()->getFrequencia(), (std::vector<int32_t>{0, 2, 4, 5, 7, 9, 11}));
}

TEST_F(GerenciadorEscalasTest, PosicoesNaTonalidadeDaJanelaNaoNaGuardada) {
    gerenciador.setTom("D");
    janela.tom = "E";
    gerenciador.setEscalas(0);
    const auto escala = gerenciador.getEscala();
    const auto esperadas = GeradorEscalas().obterPosicoesEscala(*escala, "E");
    EXPECT_TRUE(gerenciador.gerarPosicoes());
    ASSERT_EQ(gerenciador.getNumeroPosicoes(), esperadas.size());
    for (int i = 0; i < esperadas.size(); ++i) {
        EXPECT_EQ(gerenciador.getEscalaExibicao(i), *esperadas.getElement(i)) << i;
    }
    EXPECT_EQ(gerenciador.getTom(), "D");
}

TEST_F(GerenciadorEscalasTest, PassosNaoDaoAVolta) {
    escolher("Minor pentatonic", "A");
    const int total = gerenciador.getNumeroPosicoes();
    ASSERT_GT(total, 2);
    EXPECT_EQ(gerenciador.posicaoAnterior(), -1);
    EXPECT_EQ(gerenciador.getPosicaoAtual(), 0);
    for (int i = 1; i < total; ++i) ASSERT_EQ(gerenciador.proximaPosicao(), i);
    EXPECT_EQ(gerenciador.proximaPosicao(), -1);
    EXPECT_EQ(gerenciador.getPosicaoAtual(), total - 1);
    EXPECT_EQ(gerenciador.getEscalaExibicaoAtual(), gerenciador.getEscalaExibicao(total - 1));
    EXPECT_EQ(gerenciador.posicaoAnterior(), total - 2);
}

TEST_F(GerenciadorEscalasTest, SemPosicoesNenhumPassoAnda) {
    EXPECT_EQ(gerenciador.proximaPosicao(), -1);
    EXPECT_EQ(gerenciador.posicaoAnterior(), -1);
    // Re-selecting keeps the index but drops the positions.
    escolher("Minor pentatonic", "A");
    avancarAte(3);
    gerenciador.selecionarEscala("Minor pentatonic");
    ASSERT_EQ(gerenciador.getNumeroPosicoes(), 0);
    ASSERT_EQ(gerenciador.getPosicaoAtual(), 3);
    EXPECT_EQ(gerenciador.proximaPosicao(), -1);
    EXPECT_EQ(gerenciador.posicaoAnterior(), -1);
    EXPECT_EQ(gerenciador.getPosicaoAtual(), 3);
}

TEST_F(GerenciadorEscalasTest, MesmaEscalaGuardaOIndiceOutraVoltaAoZero) {
    escolher("Minor pentatonic", "A");
    avancarAte(3);
    const EscalaExibicao terceira = gerenciador.getEscalaExibicaoAtual();

    // The next request regenerates and shows 0; the window then goes back to 3.
    gerenciador.selecionarEscala("Minor pentatonic");
    EXPECT_EQ(gerenciador.getPosicaoAtual(), 3);
    EXPECT_EQ(gerenciador.getEscalaExibicaoAtual(), gerenciador.getEscalaExibicao(0));
    EXPECT_EQ(gerenciador.getPosicaoAtual(), 0);
    gerenciador.setPosicaoAtual(3);
    EXPECT_EQ(gerenciador.getEscalaExibicaoAtual(), terceira);

    escolher("Major", "A");
    EXPECT_EQ(gerenciador.getPosicaoAtual(), 0);
}

// Changing only the key keeps the shown number when the new key has that
// many positions, and shows the first one otherwise.
TEST_F(GerenciadorEscalasTest, TrocaDeTonalidadeGuardaONumeroSeCouber) {
    std::vector<int> contagens;
    for (const auto& tom : gerenciador.getTons()) contagens.push_back(contarPosicoes(0, tom));
    const auto tons = gerenciador.getTons();
    int maior = 0;
    int menor = 0;
    for (int k = 0; k < 12; ++k) {
        if (contagens[k] > contagens[maior]) maior = k;
        if (contagens[k] < contagens[menor]) menor = k;
    }
    ASSERT_GT(contagens[menor], 0);
    ASSERT_GT(contagens[maior], contagens[menor]) << "every key gives the same number of positions";

    const int alem = contagens[menor];  // exists in the larger key only
    escolher("Major", tons[maior]);
    avancarAte(alem);
    escolher("Major", tons[menor]);
    EXPECT_EQ(gerenciador.getPosicaoAtual(), 0);
    EXPECT_EQ(gerenciador.getNumeroPosicoes(), contagens[menor]);

    const int cabe = contagens[menor] - 1;
    avancarAte(cabe);
    escolher("Major", tons[maior]);
    EXPECT_EQ(gerenciador.getPosicaoAtual(), cabe);
}

TEST_F(GerenciadorEscalasTest, DesselecionarGuardaAUltimaPosicaoMostrada) {
    escolher("Major", "G");
    avancarAte(1);
    const EscalaExibicao mostrada = gerenciador.getEscalaExibicaoAtual();
    gerenciador.desselecionarEscala();
    EXPECT_EQ(gerenciador.getIndiceEscala(), -1);
    EXPECT_EQ(gerenciador.getEscala(), nullptr);
    EXPECT_EQ(gerenciador.getEscalaExibicaoAtual(), mostrada);
}

TEST_F(GerenciadorEscalasTest, EscalaImpossivelOuSemTonalidadeNaoDeixaPosicoes) {
    struct Caso {
        const char* escala;
        const char* tom;
    };
    const Caso casos[] = {{"Too wide", "C"}, {"Major", ""}, {"Major", "H"}, {"Major", "C# ou Db"}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.escala) + " / " + caso.tom);
        janela.tom = caso.tom;
        gerenciador.selecionarEscala(caso.escala);
        EXPECT_THROW(gerenciador.getEscalaExibicaoAtual(), NotFoundException);
        EXPECT_EQ(gerenciador.getNumeroPosicoes(), 0);
        EXPECT_EQ(gerenciador.getPosicaoAtual(), 0);
    }
}

TEST_F(GerenciadorEscalasTest, SemEscalaNaoHaPosicaoParaMostrar) {
    EXPECT_FALSE(gerenciador.gerarPosicoes());
    EXPECT_THROW(gerenciador.getEscalaExibicaoAtual(), OutOfBoundsException);
}

TEST_F(GerenciadorEscalasTest, IndiceForaDasPosicoesNaoMudaAAtual) {
    escolher("Major", "C");
    avancarAte(1);
    const int total = gerenciador.getNumeroPosicoes();
    for (int valor : {total, -1, -3}) {
        SCOPED_TRACE(valor);
        gerenciador.setPosicaoAtual(valor);
        EXPECT_EQ(gerenciador.getPosicaoAtual(), 1);
        EXPECT_THROW(gerenciador.getEscalaExibicao(valor), OutOfBoundsException);
        EXPECT_EQ(gerenciador.getPosicaoAtual(), 1);
    }
}

TEST_F(GerenciadorEscalasTest, ErrosDoArquivoPassamAdiante) {
    usarArquivo("<colecaoEscala><escala><nome>Broken</nome><frequencia>x</frequencia></escala></colecaoEscala>");
    gerenciador.selecionarEscala("Broken");
    EXPECT_THROW(gerenciador.getEscalaExibicaoAtual(), XMLParseException);
    EXPECT_EQ(gerenciador.getNumeroPosicoes(), 0);
}

TEST_F(GerenciadorEscalasTest, InstanciaUnicaUsaOLeitorInstalado) {
    GerenciadorEscalas::substituirInstancia(nullptr);
    GerenciadorEscalas* unica = GerenciadorEscalas::getInstancia();
    EXPECT_EQ(unica, GerenciadorEscalas::getInstancia());
    EXPECT_EQ(unica->getNomesEscalas().size(), 3u);
    GerenciadorEscalas::substituirInstancia(nullptr);
}

}  // namespace
