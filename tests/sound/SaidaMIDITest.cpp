// The MIDI output over a recording facility: the exact bytes of every
// operation, how a device is chosen at creation and later, and what a closed
// port does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/base/Excecoes.h"
#include "sound/GravadorMIDI.h"
#include "sound/RegistroMIDI.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"

namespace {

using Mensagens = std::vector<MensagemMIDI>;

std::string hex(const Mensagens& ms) {
    std::ostringstream s;
    for (const auto& m : ms) {
        char b[16];
        std::snprintf(b, sizeof b, "%02X %02X %02X;", m.status, m.dado1, m.dado2);
        s << b;
    }
    return s.str();
}

// An output over a recorder of `numero` devices; the recorder stays reachable.
struct Saida {
    explicit Saida(int numero = 1, std::set<int> recusados = {}) {
        auto g = std::make_unique<GravadorMIDI>(numero);
        for (const int id : recusados) g->recusarAbertura(id);
        gravador = g.get();
        saida = std::make_unique<SaidaMIDI>(std::move(g));
    }
    GravadorMIDI* gravador;
    std::unique_ptr<SaidaMIDI> saida;
};

class SaidaMIDITest : public ::testing::Test {
protected:
    IdiomaDeTeste idioma;
};

TEST_F(SaidaMIDITest, CriacaoDaATodoCanalProgramaZeroEVolumeMaximo) {
    Saida s;
    std::string esperado;
    for (int c = 0; c < 16; ++c) {
        char b[64];
        std::snprintf(b, sizeof b, "B%X 00 00;C%X 00 00;B%X 07 7F;", c, c, c);
        esperado += b;
    }
    EXPECT_EQ(hex(s.gravador->mensagens()), esperado);
    EXPECT_EQ(s.saida->getDispositivo(), -1);
    EXPECT_TRUE(s.saida->estaAberta());
    EXPECT_EQ(s.saida->getVolumeMestre(), 100);
    for (int c = 0; c < 16; ++c) {
        EXPECT_EQ(s.saida->getPrograma(c), 0);
        EXPECT_EQ(s.saida->getVolume(c), 127);
    }
}

TEST_F(SaidaMIDITest, CriacaoAbreOPrimeiroQueAceita) {
    struct Caso {
        int numero;
        std::set<int> recusados;
        std::vector<int> tentativas;
        int dispositivo;
        bool aberta;
    };
    const Caso casos[] = {
        {3, {}, {-1}, -1, true},
        {3, {-1, 0}, {-1, 0, 1}, 1, true},
        // None opens: the index is the last one tried, the port stays closed.
        {3, {-1, 0, 1, 2}, {-1, 0, 1, 2}, 2, false},
        {0, {}, {-1}, -1, false},
    };
    for (const auto& c : casos) {
        Saida s(c.numero, c.recusados);
        EXPECT_EQ(s.gravador->tentativasAbertura(), c.tentativas) << c.numero << " devices";
        EXPECT_EQ(s.saida->getDispositivo(), c.dispositivo);
        EXPECT_EQ(s.saida->estaAberta(), c.aberta);
        if (!c.aberta) {
            EXPECT_TRUE(s.gravador->mensagens().empty());
        }
    }
}

TEST_F(SaidaMIDITest, BytesDeCadaOperacao) {
    struct Caso {
        const char* nome;
        std::function<void(SaidaMIDI&)> fazer;
        const char* bytes;
    };
    const Caso casos[] = {
        {"setInstrumento(1, 24)", [](SaidaMIDI& s) { s.setInstrumento(1, 24); }, "B1 00 00;C1 18 00;"},
        {"setInstrumento(15, 127)", [](SaidaMIDI& s) { s.setInstrumento(15, 127); }, "BF 00 00;CF 7F 00;"},
        {"setInstrumento(1, 128) changes nothing", [](SaidaMIDI& s) { s.setInstrumento(1, 128); }, ""},
        {"setVolumeCanal(0, 100)", [](SaidaMIDI& s) { s.setVolumeCanal(0, 100); }, "B0 07 64;"},
        {"setVolumeCanal(0, -1) mutes", [](SaidaMIDI& s) { s.setVolumeCanal(0, -1); }, "B0 07 00;"},
        {"setVolumeCanal(0, 128) sends nothing", [](SaidaMIDI& s) { s.setVolumeCanal(0, 128); }, ""},
        {"setVolumeCanal(3, 0)", [](SaidaMIDI& s) { s.setVolumeCanal(3, 0); }, "B3 07 00;"},
        {"tocarNota(1, 127, 64)", [](SaidaMIDI& s) { s.tocarNota(1, 127, 64); }, "91 40 7F;"},
        {"pararNota(1, 64)", [](SaidaMIDI& s) { s.pararNota(1, 64); }, "91 40 00;"},
        {"tocarNota(9, 1, 0)", [](SaidaMIDI& s) { s.tocarNota(9, 1, 0); }, "99 00 01;"},
        // Values that would not be data bytes, or a channel past 15 that
        // would make 0x90 + 16 an aftertouch: nothing reaches the device.
        {"program 200", [](SaidaMIDI& s) { s.setInstrumento(1, 200); }, ""},
        {"program -5", [](SaidaMIDI& s) { s.setInstrumento(1, -5); }, ""},
        {"volume -5 mutes", [](SaidaMIDI& s) { s.setVolumeCanal(2, -5); }, "B2 07 00;"},
        {"note on channel 16", [](SaidaMIDI& s) { s.tocarNota(16, 127, 64); }, ""},
        {"note on channel -1", [](SaidaMIDI& s) { s.tocarNota(-1, 127, 64); }, ""},
        {"pitch 128", [](SaidaMIDI& s) { s.tocarNota(1, 127, 128); }, ""},
        {"pitch -1", [](SaidaMIDI& s) { s.tocarNota(1, 127, -1); }, ""},
        {"velocity 200", [](SaidaMIDI& s) { s.tocarNota(1, 200, 60); }, ""},
        {"note off channel 16", [](SaidaMIDI& s) { s.pararNota(16, 60); }, ""},
    };
    for (const auto& c : casos) {
        Saida s;
        s.gravador->limpar();
        c.fazer(*s.saida);
        EXPECT_EQ(hex(s.gravador->mensagens()), c.bytes) << c.nome;
    }
}

TEST_F(SaidaMIDITest, ProgramaEVolumeGuardadosSoQuandoValem) {
    Saida s;
    s.saida->setInstrumento(1, 24);
    s.saida->setInstrumento(1, 128);
    s.saida->setInstrumento(2, 300);
    s.saida->setVolumeCanal(0, 100);
    s.saida->setVolumeCanal(0, 128);
    s.saida->setVolumeCanal(4, -1);
    EXPECT_EQ(s.saida->getPrograma(1), 24);
    EXPECT_EQ(s.saida->getPrograma(2), 0);
    EXPECT_EQ(s.saida->getVolume(0), 100);
    EXPECT_EQ(s.saida->getVolume(4), -1);
}

TEST_F(SaidaMIDITest, CanalInvalidoLevantaErroENadaEnvia) {
    struct Caso {
        std::function<void(SaidaMIDI&)> fazer;
        int canal;
        const char* mensagem;
        const char* rastro;
    };
    const Caso casos[] = {
        {[](SaidaMIDI& s) { s.setInstrumento(16, 0); }, 16, "Invalid MIDI channel '16'!",
         "SaidaMIDI::setInstrumento(int, int)"},
        {[](SaidaMIDI& s) { s.setVolumeCanal(-1, 50); }, -1, "Invalid MIDI channel '-1'",
         "SaidaMIDI::setVolumeCanal(int , int)"},
    };
    for (const bool aberta : {true, false}) {
        for (const auto& c : casos) {
            Saida s(1, aberta ? std::set<int>{} : std::set<int>{-1, 0});
            s.gravador->limpar();
            try {
                c.fazer(*s.saida);
                ADD_FAILURE() << c.mensagem << " was not raised";
            } catch (const OutOfBoundsException& e) {
                EXPECT_EQ(e.getMessage(), c.mensagem);
                EXPECT_EQ(e.index, c.canal);
                EXPECT_EQ(e.getTrace(), std::vector<std::string>{c.rastro});
            }
            EXPECT_TRUE(s.gravador->eventos().empty());
        }
    }
}

TEST(SaidaMIDIIdioma, CanalInvalidoNoIdiomaCarregado) {
    IdiomaDeTeste portugues(kPortugues);
    ASSERT_TRUE(portugues.carregado());
    Saida s;
    try {
        s.saida->setInstrumento(20, 0);
        FAIL();
    } catch (const OutOfBoundsException& e) {
        EXPECT_EQ(e.getMessage(), "Canal MIDI inv\xE1lido '20'!");
    }
}

TEST_F(SaidaMIDITest, SemDispositivoTudoRetornaENadaSeEnvia) {
    Saida s(0);
    s.saida->setInstrumento(1, 24);
    s.saida->setVolumeCanal(0, 100);
    s.saida->tocarNota(1, 127, 64);
    s.saida->pararNota(1, 64);
    s.saida->silenciar();
    s.saida->setDispositivo(3);
    s.saida->tocarNota(1, 127, 64);
    EXPECT_FALSE(s.saida->estaAberta());
    EXPECT_EQ(s.saida->getDispositivo(), 3);
    EXPECT_TRUE(s.saida->getDispositivos().empty());
    for (const auto& e : s.gravador->eventos()) {
        EXPECT_NE(e.tipo, GravadorMIDI::Evento::Tipo::Mensagem);
        EXPECT_NE(e.tipo, GravadorMIDI::Evento::Tipo::Reinicio);
    }
}

TEST_F(SaidaMIDITest, TrocaDeDispositivoReiniciaFechaEAbre) {
    using T = GravadorMIDI::Evento::Tipo;
    Saida s(3, {1});
    s.gravador->limpar();

    s.saida->setDispositivo(2);
    ASSERT_EQ(s.gravador->eventos().size(), 3u);
    EXPECT_EQ(s.gravador->eventos()[0].tipo, T::Reinicio);
    EXPECT_EQ(s.gravador->eventos()[1].tipo, T::Fechamento);
    EXPECT_EQ(s.gravador->eventos()[2].tipo, T::Abertura);
    EXPECT_EQ(s.gravador->dispositivoAberto(), 2);
    EXPECT_EQ(s.saida->getDispositivo(), 2);

    // A device that does not open: the index is kept, the port closed, notes dropped.
    s.saida->setDispositivo(1);
    EXPECT_FALSE(s.saida->estaAberta());
    EXPECT_EQ(s.saida->getDispositivo(), 1);
    s.gravador->limpar();
    s.saida->tocarNota(1, 127, 60);
    s.saida->silenciar();
    EXPECT_TRUE(s.gravador->eventos().empty());

    // From a closed port nothing is reset or closed before opening.
    s.saida->setDispositivo(0);
    ASSERT_EQ(s.gravador->eventos().size(), 1u);
    EXPECT_EQ(s.gravador->eventos()[0].tipo, T::Abertura);
    s.saida->tocarNota(1, 127, 60);
    EXPECT_EQ(hex(s.gravador->mensagens()), "91 3C 7F;");

    // Out of range is just a device that does not open.
    s.saida->setDispositivo(7);
    EXPECT_FALSE(s.saida->estaAberta());
}

TEST_F(SaidaMIDITest, SilenciarSoReiniciaPortaAberta) {
    Saida s;
    s.gravador->limpar();
    s.saida->silenciar();
    ASSERT_EQ(s.gravador->eventos().size(), 1u);
    EXPECT_EQ(s.gravador->eventos()[0].tipo, GravadorMIDI::Evento::Tipo::Reinicio);
    EXPECT_TRUE(s.gravador->estaAberto());
}

TEST_F(SaidaMIDITest, NomesNaOrdemDosDispositivosLinhaEIndice) {
    auto g = std::make_unique<GravadorMIDI>(4);
    g->ocultarNome(1);
    GravadorMIDI* gravador = g.get();
    SaidaMIDI saida(std::move(g));
    const std::vector<std::string> nomes = saida.getDispositivos();
    EXPECT_EQ(nomes, (std::vector<std::string>{"Recorder 0", "MIDI 1", "Recorder 2", "Recorder 3"}));
    // The line chosen in a list of these names is the device that opens.
    const auto linha = std::find(nomes.begin(), nomes.end(), "Recorder 2") - nomes.begin();
    saida.setDispositivo(static_cast<int>(linha));
    EXPECT_EQ(gravador->dispositivoAberto(), 2);
}

TEST_F(SaidaMIDITest, InstanciaUnicaSubstituivel) {
    auto g = std::make_unique<GravadorMIDI>(1);
    GravadorMIDI* gravador = g.get();
    SaidaMIDI::substituirInstancia(std::make_unique<SaidaMIDI>(std::move(g)));
    gravador->limpar();
    SaidaMIDI::getInstancia()->tocarNota(1, 127, 64);
    EXPECT_EQ(hex(gravador->mensagens()), "91 40 7F;");
    SaidaMIDI::substituirInstancia(nullptr);
}

// A facility whose library is broken: every question fails.
class DispositivoQuebrado : public GravadorMIDI {
public:
    explicit DispositivoQuebrado(bool naContagem) : naContagem(naContagem) {}
    int numeroDispositivos() override {
        if (naContagem) throw std::runtime_error("entry point missing");
        return 2;
    }
    bool abrir(int) override { throw DException("library missing"); }

private:
    bool naContagem;
};

TEST_F(SaidaMIDITest, BibliotecaQuebradaEFatal) {
    for (const bool naContagem : {true, false}) {
        try {
            SaidaMIDI saida(std::make_unique<DispositivoQuebrado>(naContagem));
            FAIL() << "created over a broken facility";
        } catch (const FatalException& e) {
            EXPECT_EQ(e.getMessage(), idioma.idiomas().getTexto("exception", "componentesMIDI"));
            EXPECT_EQ(e.getTrace(), std::vector<std::string>{"SaidaMIDI::SaidaMIDI()"});
        }
    }
    EXPECT_THROW(SaidaMIDI(std::unique_ptr<DispositivoMIDI>()), FatalException);
}

TEST_F(SaidaMIDITest, RegistroMostraCadaMensagemComSeuTempoEOFimDaPorta) {
    std::ostringstream registro;
    {
        SaidaMIDI saida(std::make_unique<RegistroMIDI>(std::make_unique<GravadorMIDI>(1), registro));
        registro.str("");
        idioma.plataforma().esperar(160);
        saida.tocarNota(1, 127, 47);
        saida.setVolumeCanal(0, 100);
    }
    // The output of a test or a command-line run ends with its port reset and closed.
    EXPECT_EQ(registro.str(), "160 ms: 91 2F 7F\n160 ms: B0 07 64\n160 ms: reset\n160 ms: close\n");

    std::ostringstream falha;
    auto g = std::make_unique<GravadorMIDI>(1);
    g->recusarAbertura(-1);
    g->recusarAbertura(0);
    SaidaMIDI fechada(std::make_unique<RegistroMIDI>(std::move(g), falha));
    EXPECT_EQ(falha.str(), "160 ms: open -1 failed\n160 ms: open 0 failed\n");
}

}  // namespace
