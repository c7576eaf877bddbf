// The MIDI driver wizard's steps on a recorded MIDI output and the fake
// clock: what each step shows, what a test run sends and when, the result of
// every way out, and where the output is left afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "sound/GravadorMIDI.h"
#include "sound/RegistroMIDI.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"
#include "ui/modelo/ModeloAssistenteDriver.h"

namespace {

using Etapa = ModeloAssistenteDriver::Etapa;
using Botoes = ModeloAssistenteDriver::Botoes;

class ModeloAssistenteDriverTest : public ::testing::Test {
protected:
    // An output over `numero` recorded devices, opened on device -1 as at start-up.
    void criarSaida(int numero, const std::set<int>& recusados = {}) {
        auto gravador = std::make_unique<GravadorMIDI>(numero);
        for (const int id : recusados) gravador->recusarAbertura(id);
        saida = std::make_unique<SaidaMIDI>(std::make_unique<RegistroMIDI>(std::move(gravador), registro));
        registro.str({});
    }
    // The lines logged since the last call.
    std::vector<std::string> linhas() {
        std::vector<std::string> l;
        std::istringstream entrada(registro.str());
        for (std::string linha; std::getline(entrada, linha);) l.push_back(linha);
        registro.str({});
        return l;
    }
    ModeloAssistenteDriver iniciado(int numero, const std::set<int>& recusados = {}) {
        criarSaida(numero, recusados);
        ModeloAssistenteDriver modelo(saida->getDispositivos());
        modelo.iniciar(*saida);
        return modelo;
    }

    IdiomaDeTeste idioma;
    std::ostringstream registro;
    std::unique_ptr<SaidaMIDI> saida;
};

TEST_F(ModeloAssistenteDriverTest, ProsseguirTocaAsVinteEQuatroNotasNoDispositivoEPergunta) {
    ModeloAssistenteDriver modelo = iniciado(3);
    modelo.responder(false);  // no question yet: nothing happens
    EXPECT_EQ(modelo.etapa(), Etapa::Apresentar);
    EXPECT_EQ(modelo.atual(), 0);
    modelo.prosseguir();
    EXPECT_EQ(modelo.etapa(), Etapa::Perguntar);

    const std::vector<std::string> l = linhas();
    ASSERT_EQ(l.size(), 3u + 2u + 24u + 1u);
    EXPECT_EQ(l[0], "0 ms: reset");
    EXPECT_EQ(l[1], "0 ms: close");
    EXPECT_EQ(l[2], "0 ms: open 0");
    EXPECT_EQ(l[3], "0 ms: B1 00 00");
    EXPECT_EQ(l[4], "0 ms: C1 00 00");
    for (int i = 0; i < 24; ++i) {
        char esperado[32];
        std::snprintf(esperado, sizeof esperado, "%d ms: 91 %02X 7F", i * 80, 60 + i);
        EXPECT_EQ(l[5 + static_cast<size_t>(i)], esperado);
    }
    EXPECT_EQ(l.back(), "1920 ms: reset");
}

TEST_F(ModeloAssistenteDriverTest, TextosEBotoesDeCadaEtapa) {
    ModeloAssistenteDriver modelo = iniciado(2);
    modelo.prosseguir();
    modelo.responder(false);
    EXPECT_EQ(modelo.titulo(), "Device 2:");
    EXPECT_EQ(modelo.explicacao(),
              "The wizard will now try the device \"Recorder 1\". \n\n"
              "Click Proceed to hear a short run of notes.");
    EXPECT_EQ(modelo.botoes(), (Botoes{true, true, true, false, false, false}));

    modelo.prosseguir();
    EXPECT_EQ(modelo.titulo(), "Did you hear the notes?");
    EXPECT_EQ(modelo.botoes(), (Botoes{false, false, true, true, true, false}));

    modelo.responder(true);
    EXPECT_EQ(modelo.titulo(), "MIDI output is ready");
    EXPECT_EQ(modelo.explicacao().rfind("Brelvio will play chords", 0), 0u);
    // Finish only; Cancel stays in view, disabled.
    EXPECT_EQ(modelo.botoes(), (Botoes{false, true, false, false, false, true}));
}

TEST_F(ModeloAssistenteDriverTest, ResultadoDeCadaCaminho) {
    struct Caso {
        const char* nome;
        int numero;
        std::vector<char> passos;  // 'p' proceed, 's' heard, 'n' not heard, 'c' cancel
        Etapa etapa;
        int resultado;
        int dispositivoDepois;  // where the output is left
    };
    const Caso casos[] = {
        {"cancel at once", 3, {'c'}, Etapa::Cancelado, -1, -1},
        {"cancel after a no", 3, {'p', 'n', 'c'}, Etapa::Cancelado, -1, -1},
        {"second device heard", 3, {'p', 'n', 'p', 's'}, Etapa::Confirmado, 1, 1},
        {"first device heard", 3, {'p', 's'}, Etapa::Confirmado, 0, 0},
        {"three times no", 3, {'p', 'n', 'p', 'n', 'p', 'n'}, Etapa::NaoEncontrado, 0, -1},
        {"no device at all", 0, {}, Etapa::NaoEncontrado, 0, -1},
        // Closed in the middle of the question (the window went away): cancelled.
        {"left while asking", 3, {'p'}, Etapa::Cancelado, -1, -1},
    };
    for (const auto& caso : casos) {
        ModeloAssistenteDriver modelo = iniciado(caso.numero);
        for (const char passo : caso.passos) {
            switch (passo) {
                case 'p': modelo.prosseguir(); break;
                case 's': modelo.responder(true); break;
                case 'n': modelo.responder(false); break;
                case 'c': modelo.cancelar(); break;
            }
        }
        const int resultado = modelo.concluir();
        EXPECT_EQ(modelo.etapa(), caso.etapa) << caso.nome;
        EXPECT_EQ(resultado, caso.resultado) << caso.nome;
        EXPECT_EQ(saida->getDispositivo(), caso.dispositivoDepois) << caso.nome;
        EXPECT_EQ(saida->getPrograma(ModeloAssistenteDriver::kCanal), 0) << caso.nome;
    }
}

TEST_F(ModeloAssistenteDriverTest, SemDispositivoConfirmadoASaidaVoltaAoDeAntesComOSomDoCanal) {
    ModeloAssistenteDriver modelo = iniciado(2);
    saida->setDispositivo(1);
    saida->setInstrumento(ModeloAssistenteDriver::kCanal, 25);
    modelo.iniciar(*saida);
    modelo.prosseguir();
    modelo.responder(false);
    modelo.cancelar();
    linhas();
    EXPECT_EQ(modelo.concluir(), -1);
    EXPECT_EQ(saida->getDispositivo(), 1);
    EXPECT_TRUE(saida->estaAberta());
    // After the one test run, on the clock's 1920 ms.
    const std::vector<std::string> esperadas = {"1920 ms: reset", "1920 ms: close", "1920 ms: open 1",
                                                "1920 ms: B1 00 00", "1920 ms: C1 19 00"};
    EXPECT_EQ(linhas(), esperadas);

    // A run without any test leaves the output alone.
    modelo.iniciar(*saida);
    modelo.cancelar();
    EXPECT_EQ(modelo.concluir(), -1);
    EXPECT_TRUE(linhas().empty());
}

TEST_F(ModeloAssistenteDriverTest, DispositivoQueNaoAbreAindaPergunta) {
    ModeloAssistenteDriver modelo = iniciado(3, {0});
    modelo.prosseguir();
    EXPECT_EQ(modelo.etapa(), Etapa::Perguntar);
    EXPECT_FALSE(saida->estaAberta());
    // Nothing reached a device, yet the run took its time.
    EXPECT_EQ(idioma.plataforma().agoraMilissegundos(), 24 * 80);
    modelo.responder(false);
    EXPECT_EQ(modelo.etapa(), Etapa::Apresentar);
    EXPECT_EQ(modelo.atual(), 1);
}

TEST_F(ModeloAssistenteDriverTest, CadaExecucaoRecomecaDoPrimeiroDispositivo) {
    ModeloAssistenteDriver modelo = iniciado(3);
    modelo.prosseguir();
    modelo.responder(false);
    modelo.prosseguir();
    modelo.responder(true);
    EXPECT_EQ(modelo.concluir(), 1);
    modelo.iniciar(*saida);
    EXPECT_EQ(modelo.etapa(), Etapa::Apresentar);
    EXPECT_EQ(modelo.atual(), 0);
    EXPECT_EQ(modelo.resultado(), 0);
}

TEST_F(ModeloAssistenteDriverTest, TextosEmPortugues) {
    IdiomaDeTeste portugues(kPortugues);
    ASSERT_TRUE(portugues.carregado());
    ModeloAssistenteDriver modelo = iniciado(1);
    EXPECT_EQ(modelo.titulo(), "Dispositivo 1:");
    EXPECT_EQ(modelo.explicacao().rfind("O assistente vai testar agora o dispositivo \"Recorder 0\". \n\n", 0), 0u);
    saida.reset();  // while its language and platform are still there
}

}  // namespace
