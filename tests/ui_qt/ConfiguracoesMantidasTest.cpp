// The kept settings: the apply step opens the stored device and gives channel
// 1 the current instrument's sound; only once the settings dialog exists does
// it show the orientation there and write it into the configuration.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "core/Fachada.h"
#include "core/GerenciadorConfiguracao.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "sound/GravadorMIDI.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"
#include "ui/ConfiguracoesMantidas.h"

namespace {

class SeletorFalso : public SeletorOrientacao {
public:
    void selecionarOrientacao(int orientacao) override { selecionadas.push_back(orientacao); }
    std::vector<int> selecionadas;
};

class ConfiguracoesMantidasTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(idioma.carregado());
        auto g = std::make_unique<GravadorMIDI>(3);
        g->recusarAbertura(2);
        gravador = g.get();
        SaidaMIDI::substituirInstancia(std::make_unique<SaidaMIDI>(std::move(g)));
        GerenciadorConfiguracao::substituirInstancia(std::make_unique<GerenciadorConfiguracao>(
            pasta.path().toStdString() + "/brelvio.ini", idioma.plataforma()));
        GerenciadorConfiguracao::getInstancia()->setPosicaoBraco(1);
        GerenciadorInstrumentos::substituirInstancia(GerenciadorInstrumentos::criar(idioma.plataforma()));
        Fachada::getInstancia()->getNomesInstrumentos();
        Fachada::getInstancia()->setInstrumento(1);
        ConfiguracoesMantidas::substituirInstancia(nullptr);
        gravador->limpar();
    }
    void TearDown() override {
        ConfiguracoesMantidas::substituirInstancia(nullptr);
        GerenciadorInstrumentos::substituirInstancia(nullptr);
        GerenciadorConfiguracao::substituirInstancia(nullptr);
        SaidaMIDI::substituirInstancia(nullptr);
    }
    // The program changes sent to channel 1 (status C1).
    std::vector<int> programasCanal1() const {
        std::vector<int> programas;
        for (const auto& m : gravador->mensagens())
            if (m.status == 0xC1) programas.push_back(m.dado1);
        return programas;
    }

    IdiomaDeTeste idioma;
    QTemporaryDir pasta;
    GravadorMIDI* gravador = nullptr;
};

TEST_F(ConfiguracoesMantidasTest, ValoresIniciais) {
    const ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    EXPECT_EQ(mantidas->getDispositivo(), 0);
    EXPECT_EQ(mantidas->getLinhaInstrumento(), ConfiguracoesMantidas::kSemLinha);
    EXPECT_EQ(mantidas->getOrientacao(), 2);
}

TEST_F(ConfiguracoesMantidasTest, NaPartidaAbreODispositivoDaOSomENaoMexeNaOrientacao) {
    const int som = Fachada::getInstancia()->getInstrumentoAtual()->getSom();
    ConfiguracoesMantidas::getInstancia()->definirValores(1, 0, 3);
    EXPECT_EQ(gravador->dispositivoAberto(), std::optional<int>(1));
    EXPECT_EQ(programasCanal1(), (std::vector<int>{som}));
    EXPECT_EQ(GerenciadorConfiguracao::getInstancia()->getPosicaoBraco(), 1);
    EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getOrientacao(), 3);
    EXPECT_EQ(ConfiguracoesMantidas::getInstancia()->getLinhaInstrumento(), 0);
}

TEST_F(ConfiguracoesMantidasTest, ComODialogoMostraEGravaAOrientacao) {
    SeletorFalso dialogo;
    ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    mantidas->registrarSeletor(&dialogo);
    mantidas->definirValores(0, 1, 3);
    EXPECT_EQ(dialogo.selecionadas, (std::vector<int>{3}));
    EXPECT_EQ(GerenciadorConfiguracao::getInstancia()->getPosicaoBraco(), 3);
    // The dialog withdrawn: back to leaving the configuration alone.
    mantidas->registrarSeletor(nullptr);
    mantidas->definirValores(0, 1, 0);
    EXPECT_EQ(GerenciadorConfiguracao::getInstancia()->getPosicaoBraco(), 3);
}

TEST_F(ConfiguracoesMantidasTest, DispositivoQueNaoAbreGuardaOsValoresSemErro) {
    ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    EXPECT_NO_THROW(mantidas->definirValores(2, 1, 0));
    EXPECT_FALSE(gravador->estaAberto());
    EXPECT_EQ(mantidas->getDispositivo(), 2);
    EXPECT_EQ(mantidas->getLinhaInstrumento(), 1);
    EXPECT_EQ(mantidas->getOrientacao(), 0);
    // Applying again after a change of device opens the new one.
    mantidas->setDispositivo(0);
    mantidas->aplicar();
    EXPECT_EQ(gravador->dispositivoAberto(), std::optional<int>(0));
}

}  // namespace
