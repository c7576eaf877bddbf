#include "core/Fachada.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/GerenciadorConfiguracao.h"
#include "core/base/Excecoes.h"
#include "fakes/JanelaPrincipalFalsa.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "scales/BaseEscalas.h"
#include "scales/GerenciadorEscalas.h"
#include "sound/GravadorMIDI.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"

namespace {

namespace fs = std::filesystem;

// A recorder with a device that fails outright instead of refusing.
class GravadorComFalha : public GravadorMIDI {
public:
    using GravadorMIDI::GravadorMIDI;
    bool abrir(int id) override {
        if (id == idComFalha) throw FatalException("falha do dispositivo", "GravadorComFalha", "abrir");
        return GravadorMIDI::abrir(id);
    }
    int idComFalha = -100;
};

// Every manager behind the facade, fresh, over the English language, with
// the instrument and configuration files in a folder of the test's own.
class FachadaTest : public ::testing::Test {
protected:
    FachadaTest()
        : pasta(fs::temp_directory_path() /
                ("brelvio-fachada-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(pasta);
        fs::create_directories(pasta);
        Plataforma& plataforma = idioma.plataforma();
        caminhoConfiguracao = (pasta / "brelvio.ini").string();
        GerenciadorConfiguracao::substituirInstancia(
            std::make_unique<GerenciadorConfiguracao>(caminhoConfiguracao, plataforma));

        const fs::path instrumentos = pasta / "instruments.xml";
        fs::copy_file(fs::path(BRELVIO_APP_DIR) / "instruments.xml", instrumentos);
        GerenciadorInstrumentos::substituirInstancia(
            std::make_unique<GerenciadorInstrumentos>(instrumentos.string(), &plataforma));
        fachada.setInstrumento(0);
        GerenciadorAcordes::substituirInstancia(std::make_unique<GerenciadorAcordes>(GerenciadorAcordes::caminhoDaBase()));

        const std::string escalas = (pasta / "scales.xml").string();
        std::ofstream(escalas) << "<colecaoEscala>"
                                  "<escala><nome>Minor pentatonic</nome><frequencia>0</frequencia>"
                                  "<frequencia>3</frequencia><frequencia>5</frequencia><frequencia>7</frequencia>"
                                  "<frequencia>10</frequencia></escala>"
                                  "<escala><nome>Too wide</nome><frequencia>0</frequencia>"
                                  "<frequencia>40</frequencia></escala>"
                                  "</colecaoEscala>";
        BaseEscalas::substituirInstancia(std::make_unique<BaseEscalas>(escalas, plataforma));
        GerenciadorEscalas::substituirInstancia(std::make_unique<GerenciadorEscalas>());

        auto dispositivos = std::make_unique<GravadorComFalha>(3);
        gravador = dispositivos.get();
        SaidaMIDI::substituirInstancia(std::make_unique<SaidaMIDI>(std::move(dispositivos)));
        gravador->limpar();
        janela.tom = "A";
    }
    ~FachadaTest() override {
        SaidaMIDI::substituirInstancia(nullptr);
        GerenciadorEscalas::substituirInstancia(nullptr);
        BaseEscalas::substituirInstancia(nullptr);
        GerenciadorAcordes::substituirInstancia(nullptr);
        GerenciadorInstrumentos::substituirInstancia(nullptr);
        GerenciadorConfiguracao::substituirInstancia(nullptr);
        fs::remove_all(pasta);
    }

    Configuracao lerArquivoConfiguracao() {
        return GerenciadorConfiguracao(caminhoConfiguracao, idioma.plataforma()).getValores();
    }

    IdiomaDeTeste idioma;
    fs::path pasta;
    std::string caminhoConfiguracao;
    Fachada& fachada = *Fachada::getInstancia();
    JanelaPrincipalFalsa janela;
    GravadorComFalha* gravador = nullptr;
};

TEST_F(FachadaTest, UmaSoInstancia) { EXPECT_EQ(&fachada, Fachada::getInstancia()); }

TEST_F(FachadaTest, TextosDoIdiomaCarregado) {
    EXPECT_EQ(fachada.getTexto("geral", "nomeAplicacao"), idioma.idiomas().getTexto("geral", "nomeAplicacao"));
    EXPECT_FALSE(fachada.getTexto("geral", "nomeAplicacao").empty());
}

// The print list decides whether to remake its fingerings by comparing the
// new instrument with the one current before the change.
TEST_F(FachadaTest, TrocarInstrumentoGuardaOAnterior) {
    const auto nomes = fachada.getNomesInstrumentos();
    ASSERT_GE(nomes.size(), 2u);
    fachada.setInstrumento(1);
    ASSERT_NE(fachada.getInstrumentoAnterior(), nullptr);
    EXPECT_EQ(fachada.getInstrumentoAnterior()->getName(), nomes[0]);
    EXPECT_EQ(fachada.getInstrumentoAtual()->getName(), nomes[1]);
    EXPECT_EQ(fachada.getNomeInstrumentoAtual(), nomes[1]);
    EXPECT_EQ(fachada.getInstrumentoAtual(), GerenciadorInstrumentos::getInstancia()->getInstrumentoAtual());

    // A refused index changes nothing but still remembers the current one.
    fachada.setInstrumento(-1);
    EXPECT_EQ(fachada.getInstrumentoAnterior()->getName(), nomes[1]);
    EXPECT_EQ(fachada.getInstrumentoAtual()->getName(), nomes[1]);
}

TEST_F(FachadaTest, InstrumentosNovosERemovidosPassamPeloArquivo) {
    const auto antes = fachada.getNomesInstrumentos();
    const InstrumentoCordas novo("Banjo de teste", "", 5, 12, 4, 105, {55, 50, 55, 59, 62}, false);
    fachada.addInstrumento(&novo);
    const auto depois = fachada.getNomesInstrumentos();
    ASSERT_EQ(depois.size(), antes.size() + 1);
    EXPECT_EQ(depois.back(), "Banjo de teste");
    EXPECT_EQ(fachada.getInstrumento(static_cast<int>(depois.size()) - 1)->getNumeroCordas(), 5);
    // A name already in the list is the manager's error, unchanged.
    EXPECT_THROW(fachada.addInstrumento(&novo), IllegalArgumentException);
    fachada.delInstrumento(static_cast<int>(depois.size()) - 1);
    EXPECT_EQ(fachada.getNomesInstrumentos(), antes);
}

TEST_F(FachadaTest, AcordesSaoOsDoGerenciador) {
    GerenciadorAcordes& acordes = *GerenciadorAcordes::getInstancia();
    EXPECT_EQ(&fachada.getNomesAcordes(), &acordes.getNomesAcordes());
    EXPECT_EQ(fachada.getIndiceAcorde(), -1);

    ASSERT_TRUE(fachada.setAcorde("E"));
    EXPECT_EQ(fachada.getNomeAcordeAtual(), "E");
    EXPECT_EQ(fachada.getClasseRaizAcordeAtual(), 4);
    EXPECT_FALSE(fachada.usaBemolAcordeAtual());
    ASSERT_NE(fachada.getIndiceAcorde(), -1);
    EXPECT_EQ(fachada.getPosicaoAcordeAtual(), acordes.getPosicaoAcordeAtual());
    EXPECT_EQ(fachada.getAcordeAtual(), acordes.getAcordeAtual());

    PosicaoHarmonica* primeira = fachada.getPosicaoAcordeAtual();
    fachada.proximaPosicao();
    EXPECT_EQ(acordes.getIndicePosicao(), 1);
    fachada.posicaoAnterior();
    EXPECT_EQ(fachada.getPosicaoAcordeAtual(), primeira);
    EXPECT_TRUE(fachada.existePosicao(primeira));

    EXPECT_FALSE(fachada.setAcorde("Qwerty"));
    EXPECT_THROW(fachada.setAcorde(1 << 20), OutOfBoundsException);
}

TEST_F(FachadaTest, NomearAcordeNaoMexeNaSequenciaDoChamador) {
    const std::vector<int> notas = {40, 47, 52, 56, 59, 64};
    EXPECT_EQ(fachada.nomearAcorde(notas, 40), "E");
    EXPECT_EQ(fachada.nomearAcorde({-1, 45, 52, 57, 60, 64}, 45), "Am");
    EXPECT_EQ(fachada.nomearAcorde(notas, -1), "");
    EXPECT_EQ(notas, (std::vector<int>{40, 47, 52, 56, 59, 64}));
}

TEST_F(FachadaTest, ListaDeEscalasNovaENaOrdemDoArquivo) {
    auto lista = fachada.getNomesEscalas();
    EXPECT_EQ(lista, (std::vector<std::string>{"Minor pentatonic", "Too wide"}));
    lista.clear();
    EXPECT_EQ(fachada.getNomesEscalas().size(), 2u);
    EXPECT_EQ(fachada.getTons().size(), 12u);
}

// The window's sequence after a change of scale or key: the index it had
// survives the regeneration when the new positions are that many.
TEST_F(FachadaTest, PosicaoDaEscalaSobreviveAReselecao) {
    fachada.selecionarEscala("Minor pentatonic");
    (void)fachada.getEscalaExibicaoAtual();
    ASSERT_EQ(fachada.proximaPosicaoEscala(), 1);
    ASSERT_EQ(fachada.proximaPosicaoEscala(), 2);
    const EscalaExibicao mostrada = fachada.getEscalaExibicaoAtual();

    fachada.selecionarEscala("Minor pentatonic");
    const int p = fachada.getPosicaoAtual();
    EXPECT_EQ(p, 2);
    fachada.setPosicaoAtual(p);
    EXPECT_EQ(fachada.getPosicaoAtual(), 2);
    EXPECT_EQ(fachada.getEscalaExibicaoAtual(), mostrada);
    EXPECT_EQ(fachada.posicaoAnteriorEscala(), 1);
}

TEST_F(FachadaTest, SemEscalaSelecionadaNadaEGerado) {
    janela.tom = "";  // generating now would fail
    EXPECT_EQ(fachada.getEscala(), nullptr);
    EXPECT_NO_THROW(fachada.setPosicaoAtual(0));
    EXPECT_EQ(GerenciadorEscalas::getInstancia()->getNumeroPosicoes(), 0);

    fachada.selecionarEscala("Too wide");
    janela.tom = "C";
    EXPECT_THROW(fachada.setPosicaoAtual(0), NotFoundException);
    fachada.desselecionarEscala();
    EXPECT_NO_THROW(fachada.setPosicaoAtual(0));
}

TEST_F(FachadaTest, TomGuardadoParaAJanela) {
    EXPECT_EQ(fachada.getTom(), "");
    fachada.setTom("G# or Ab");
    EXPECT_EQ(fachada.getTom(), "G# or Ab");
    EXPECT_EQ(GerenciadorEscalas::getInstancia()->getTom(), "G# or Ab");
}

TEST_F(FachadaTest, SalvarConfiguracaoGravaInstrumentoModoEOrientacao) {
    const auto nomes = fachada.getNomesInstrumentos();
    fachada.setInstrumento(1);
    fachada.setPosicaoBraco(3);
    ASSERT_TRUE(fachada.salvarConfiguracao(true));
    Configuracao lida = lerArquivoConfiguracao();
    EXPECT_EQ(lida.instrumento, nomes[1]);
    EXPECT_EQ(lida.exibicaoEscalas, 1);
    EXPECT_EQ(lida.posicaoBraco, 3);
    EXPECT_EQ(fachada.getNomeInstrumento(), nomes[1]);

    fachada.setInstrumento(0);
    ASSERT_TRUE(fachada.salvarConfiguracao(false));
    lida = lerArquivoConfiguracao();
    EXPECT_EQ(lida.instrumento, nomes[0]);
    EXPECT_EQ(lida.exibicaoEscalas, 0);
    EXPECT_EQ(lida.idioma, "English");
}

TEST_F(FachadaTest, SetDriverAbreODispositivoEGuardaOIndice) {
    fachada.setDriver(2);
    EXPECT_EQ(fachada.getDriver(), 2);
    EXPECT_EQ(gravador->dispositivoAberto(), 2);

    // A device that does not open is kept all the same; nothing sounds.
    gravador->recusarAbertura(1);
    fachada.setDriver(1);
    EXPECT_EQ(fachada.getDriver(), 1);
    EXPECT_FALSE(gravador->estaAberto());
    gravador->limpar();
    fachada.tocarNota(1, 127, 60);
    EXPECT_TRUE(gravador->mensagens().empty());

    // An error of the output is the caller's and stores nothing.
    gravador->idComFalha = 0;
    EXPECT_THROW(fachada.setDriver(0), FatalException);
    EXPECT_EQ(fachada.getDriver(), 1);
}

TEST_F(FachadaTest, NotasESilencioVaoParaASaidaMIDI) {
    fachada.tocarNota(1, 127, 60);
    fachada.pararNota(1, 60);
    fachada.tocarNota(0, 127, 40);
    fachada.silenciar();
    const std::vector<MensagemMIDI> esperadas = {{0x91, 60, 127}, {0x91, 60, 0}, {0x90, 40, 127}};
    EXPECT_EQ(gravador->mensagens(), esperadas);
    ASSERT_FALSE(gravador->eventos().empty());
    EXPECT_EQ(gravador->eventos().back().tipo, GravadorMIDI::Evento::Tipo::Reinicio);
}

// Start-up and the PDF mode find the configured instrument the same way:
// byte for byte, the first of equal names, the first instrument otherwise.
TEST_F(FachadaTest, IndiceDoInstrumentoConfigurado) {
    const std::vector<std::string> nomes = {"Guitar", "Cavaquinho", "Ukulele", "Cavaquinho"};
    struct Caso {
        const char* configurado;
        int indice;
    };
    const Caso casos[] = {{"Cavaquinho", 1}, {"Ukulele", 2}, {"ukulele", 0}, {"Banjo", 0}, {"", 0}};
    for (const Caso& c : casos) {
        fachada.setNomeInstrumento(c.configurado);
        EXPECT_EQ(fachada.getIndiceInstrumentoConfigurado(nomes), c.indice) << c.configurado;
    }
}

}  // namespace
