// Several facilities numbered as one: the built-in synthesizer and the
// system ports are put together this way.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "sound/GravadorMIDI.h"
#include "sound/ListaDispositivosMIDI.h"
#include "sound/PortasMIDISistema.h"
#include "support/IdiomaDeTeste.h"

namespace {

class ListaDispositivosMIDITest : public ::testing::Test {
protected:
    ListaDispositivosMIDITest() {
        auto a = std::make_unique<GravadorMIDI>(1);
        auto b = std::make_unique<GravadorMIDI>(3);
        primeiro = a.get();
        segundo = b.get();
        std::vector<std::unique_ptr<DispositivoMIDI>> membros;
        membros.push_back(std::move(a));
        membros.push_back(std::move(b));
        lista = std::make_unique<ListaDispositivosMIDI>(std::move(membros));
    }
    IdiomaDeTeste idioma;
    GravadorMIDI* primeiro;
    GravadorMIDI* segundo;
    std::unique_ptr<ListaDispositivosMIDI> lista;
};

TEST_F(ListaDispositivosMIDITest, NumeraUmDepoisDoOutro) {
    EXPECT_EQ(lista->numeroDispositivos(), 4);
    EXPECT_EQ(lista->nomeDispositivo(0), "Recorder 0");
    EXPECT_EQ(lista->nomeDispositivo(1), "Recorder 0");
    EXPECT_EQ(lista->nomeDispositivo(3), "Recorder 2");
    EXPECT_EQ(lista->nomeDispositivo(4), std::nullopt);
    EXPECT_EQ(lista->nomeDispositivo(-2), std::nullopt);
}

TEST_F(ListaDispositivosMIDITest, AbreNoMembroCertoEEnviaSoAEle) {
    ASSERT_TRUE(lista->abrir(2));
    EXPECT_EQ(segundo->dispositivoAberto(), 1);
    EXPECT_FALSE(primeiro->estaAberto());
    lista->enviar({0x91, 64, 127});
    lista->reiniciar();
    EXPECT_EQ(segundo->mensagens(), (std::vector<MensagemMIDI>{{0x91, 64, 127}}));
    EXPECT_TRUE(primeiro->eventos().empty());
    lista->fechar();
    EXPECT_FALSE(segundo->estaAberto());

    // -1 is the first facility's default.
    ASSERT_TRUE(lista->abrir(-1));
    EXPECT_EQ(primeiro->dispositivoAberto(), -1);
    lista->fechar();

    EXPECT_FALSE(lista->abrir(4));
    EXPECT_FALSE(lista->abrir(-2));
    segundo->recusarAbertura(2);
    EXPECT_FALSE(lista->abrir(3));
    // Nothing open: messages go nowhere.
    lista->enviar({0x90, 1, 1});
    EXPECT_EQ(segundo->mensagens().size(), 1u);
}

TEST(PortasMIDISistema, SemSequenciadorNaoHaPortasENadaFalha) {
    // On a machine with ports this only checks that each one has a name; on
    // one without a sequencer, that there are none and nothing throws.
    PortasMIDISistema portas;
    const int n = portas.numeroDispositivos();
    ASSERT_GE(n, 0);
    for (int id = 0; id < n; ++id) EXPECT_TRUE(portas.nomeDispositivo(id).has_value()) << id;
    EXPECT_FALSE(portas.nomeDispositivo(n).has_value());
    EXPECT_FALSE(portas.abrir(n));
}

}  // namespace
