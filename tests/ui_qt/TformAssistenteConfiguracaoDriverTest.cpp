// The MIDI driver wizard's window over a recorded MIDI output: walking through
// the devices with its buttons, the test run each Proceed plays, what it
// returns, the volume-mixer link, and a picture of every step in both
// languages.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Modal.h"
#include "Vistas.h"
#include "sound/GravadorMIDI.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"
#include "ui/TVantorButton3D.h"
#include "ui/TformAssistenteConfiguracaoDriver.h"

namespace {

using Etapa = ModeloAssistenteDriver::Etapa;

// A language, and the MIDI output over `numero` recorded devices, for a test's lifetime.
class AmbienteAssistente {
public:
    explicit AmbienteAssistente(int numero, const std::string& nomeIdioma = "English") : idioma(nomeIdioma) {
        auto g = std::make_unique<GravadorMIDI>(numero);
        gravador = g.get();
        SaidaMIDI::substituirInstancia(std::make_unique<SaidaMIDI>(std::move(g)));
        gravador->limpar();
    }
    ~AmbienteAssistente() { SaidaMIDI::substituirInstancia(nullptr); }

    // Note-ons with velocity, in the order sent.
    std::vector<int> notasTocadas() const {
        std::vector<int> notas;
        for (const auto& m : gravador->mensagens()) {
            if (m.status == 0x91 && m.dado2 > 0) notas.push_back(m.dado1);
        }
        return notas;
    }

    IdiomaDeTeste idioma;
    GravadorMIDI* gravador;
};

// Which of the five buttons are in view, in the order Proceed, Cancel, Yes, No, Finish.
std::string visiveis(const TformAssistenteConfiguracaoDriver& janela) {
    std::string s;
    for (const TVantorButton3D* b : {janela.btnProsseguir(), janela.btnCancelar(), janela.btnEscutando(),
                                     janela.btnNaoEscutando(), janela.btnFinalizar()}) {
        s += b->isHidden() ? '.' : (b->isEnabled() ? 'x' : '-');
    }
    return s;
}

void clicar(TVantorButton3D* botao) {
    ASSERT_TRUE(!botao->isHidden() && botao->isEnabled()) << botao->objectName().toStdString();
    QTest::mouseClick(botao, Qt::LeftButton);
}

TEST(TformAssistenteConfiguracaoDriverTest, JanelaSemBordaComAsLegendasDoIdioma) {
    AmbienteAssistente ambiente(2);
    ASSERT_TRUE(ambiente.idioma.carregado());
    TformAssistenteConfiguracaoDriver janela;
    EXPECT_EQ(TformAssistenteConfiguracaoDriver::atual(), &janela);
    EXPECT_EQ(janela.size(), QSize(643, 255));
    EXPECT_TRUE(janela.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("MIDI output wizard"));
    EXPECT_EQ(janela.lblTitulo1()->text(), QStringLiteral("Let's find a MIDI device you can hear"));
    EXPECT_EQ(janela.btnEscutando()->Text(), QStringLiteral("Yes, I hear it"));
    EXPECT_EQ(janela.btnNaoEscutando()->Text(), QStringLiteral("No, I don't"));
    EXPECT_EQ(janela.btnFinalizar()->Text(), QStringLiteral("Finish"));
    EXPECT_EQ(janela.modelo().dispositivos(), (std::vector<std::string>{"Recorder 0", "Recorder 1"}));
    auto segunda = std::make_unique<TformAssistenteConfiguracaoDriver>();
    EXPECT_EQ(TformAssistenteConfiguracaoDriver::atual(), segunda.get());
}

// Every step in view, in both languages, with a picture of each for a look.
TEST(TformAssistenteConfiguracaoDriverTest, PercorreOsDispositivosEConfirmaOSegundo) {
    for (const std::string nomeIdioma : {"English", kPortugues}) {
        AmbienteAssistente ambiente(3, nomeIdioma);
        ASSERT_TRUE(ambiente.idioma.carregado());
        TformAssistenteConfiguracaoDriver janela;
        const QString prefixo = pastaVistas() + (nomeIdioma == "English" ? "/assistente-en-" : "/assistente-pt-");
        std::vector<std::string> etapas;
        std::vector<std::vector<int>> notasPorTeste;
        quandoModalAbrir([&](QWidget* modal) {
            ASSERT_EQ(modal, &janela);
            auto olhar = [&](const char* nome) {
                etapas.push_back(visiveis(janela) + " " + janela.lblTitulo2()->text().toStdString());
                janela.grab().save(prefixo + QString::fromLatin1(nome) + QStringLiteral(".png"));
            };
            olhar("1-apresentar");
            clicar(janela.btnProsseguir());
            notasPorTeste.push_back(ambiente.notasTocadas());
            olhar("2-perguntar");
            clicar(janela.btnNaoEscutando());
            olhar("3-segundo");
            ambiente.gravador->limpar();
            clicar(janela.btnProsseguir());
            notasPorTeste.push_back(ambiente.notasTocadas());
            EXPECT_EQ(ambiente.gravador->dispositivoAberto(), 1);
            clicar(janela.btnEscutando());
            olhar("4-confirmado");
            clicar(janela.btnFinalizar());
        });
        EXPECT_EQ(janela.executar(), 1);
        EXPECT_FALSE(janela.isVisible());
        EXPECT_EQ(SaidaMIDI::getInstancia()->getDispositivo(), 1);

        std::vector<int> vinteEQuatro;
        for (int nota = 60; nota <= 83; ++nota) vinteEQuatro.push_back(nota);
        ASSERT_EQ(notasPorTeste.size(), 2u);
        EXPECT_EQ(notasPorTeste[0], vinteEQuatro);
        EXPECT_EQ(notasPorTeste[1], vinteEQuatro);
        ASSERT_EQ(etapas.size(), 4u);
        if (nomeIdioma == "English") {
            EXPECT_EQ(etapas[0], "xx... Device 1:");
            EXPECT_EQ(etapas[1], "..xx. Did you hear the notes?");
            EXPECT_EQ(etapas[2], "xx... Device 2:");
            EXPECT_EQ(etapas[3], ".-..x MIDI output is ready");
        } else {
            EXPECT_EQ(etapas[0], "xx... Dispositivo 1:");
            EXPECT_EQ(etapas[3].substr(0, 6), ".-..x ");
        }
        // Closing made the buttons ready for the next run.
        EXPECT_EQ(visiveis(janela), "xx...");
    }
}

TEST(TformAssistenteConfiguracaoDriverTest, CancelarOuNenhumOuvido) {
    struct Caso {
        const char* nome;
        std::function<void(TformAssistenteConfiguracaoDriver&)> acao;
        int resultado;
    };
    const Caso casos[] = {
        {"Cancel", [](auto& j) { clicar(j.btnCancelar()); }, -1},
        {"Esc", [](auto& j) { QTest::keyClick(&j, Qt::Key_Escape); }, -1},
        {"close button", [](auto& j) { clicar(j.template findChild<TVantorButton3D*>(QStringLiteral("btnFechar"))); },
         -1},
        {"Esc while asking",
         [](auto& j) {
             clicar(j.btnProsseguir());
             QTest::keyClick(&j, Qt::Key_Escape);
         },
         -1},
        {"no, no, Finish",
         [](auto& j) {
             for (int i = 0; i < 2; ++i) {
                 clicar(j.btnProsseguir());
                 clicar(j.btnNaoEscutando());
             }
             EXPECT_EQ(j.modelo().etapa(), Etapa::NaoEncontrado);
             EXPECT_EQ(visiveis(j), ".-..x");
             EXPECT_EQ(j.lblTitulo2()->text(), QStringLiteral("No device could be heard"));
             j.grab().save(pastaVistas() + QStringLiteral("/assistente-en-5-nenhum.png"));
             QTest::keyClick(&j, Qt::Key_Return);
         },
         0},
    };
    for (const auto& caso : casos) {
        AmbienteAssistente ambiente(2);
        TformAssistenteConfiguracaoDriver janela;
        quandoModalAbrir([&](QWidget*) { caso.acao(janela); });
        EXPECT_EQ(janela.executar(), caso.resultado) << caso.nome;
        EXPECT_FALSE(janela.isVisible()) << caso.nome;
        // The output is back on the device it had before the wizard.
        EXPECT_EQ(SaidaMIDI::getInstancia()->getDispositivo(), -1) << caso.nome;
    }
}

TEST(TformAssistenteConfiguracaoDriverTest, LigacaoDoVolumeSoComMisturador) {
    AmbienteAssistente ambiente(1);
    TformAssistenteConfiguracaoDriver janela;
    janela.definirMisturador(std::nullopt);
    EXPECT_TRUE(janela.lblLinkVolumeWindows()->isHidden());

    std::vector<std::string> iniciados;
    bool inicia = true;
    janela.definirIniciador([&](const std::string& programa, const std::vector<std::string>& argumentos) {
        iniciados.push_back(programa + (argumentos.empty() ? "" : " " + argumentos.front()));
        return inicia;
    });
    janela.definirMisturador(ComandoMisturador{"/usr/bin/gnome-control-center", {"sound"}});
    EXPECT_FALSE(janela.lblLinkVolumeWindows()->isHidden());
    EXPECT_TRUE(janela.lblLinkVolumeWindows()->text().contains(QStringLiteral("Open the volume control")));
    janela.grab().save(pastaVistas() + QStringLiteral("/assistente-en-6-volume.png"));
    emit janela.lblLinkVolumeWindows()->linkActivated(QStringLiteral("volume"));
    EXPECT_EQ(iniciados, (std::vector<std::string>{"/usr/bin/gnome-control-center sound"}));
    EXPECT_TRUE(ambiente.idioma.plataforma().mensagens().empty());

    inicia = false;
    janela.abrirVolume();
    ASSERT_EQ(ambiente.idioma.plataforma().mensagens().size(), 1u);
    const auto& mensagem = ambiente.idioma.plataforma().mensagens().front();
    EXPECT_EQ(mensagem.texto, "The volume control of your system could not be opened.");
    EXPECT_EQ(mensagem.titulo, "MIDI output wizard");
}

}  // namespace
