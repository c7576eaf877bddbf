// The playback patterns on the fake clock: which notes, when, and in what
// order with the silencing and the marking of scale notes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "scales/EscalaExibicao.h"
#include "sound/GravadorMIDI.h"
#include "sound/Reproducao.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"

namespace {

using T = GravadorMIDI::Evento::Tipo;

// One event as "time:bytes" or "time:reset" (marks from the scale as "time:mark i").
std::string texto(const GravadorMIDI::Evento& e) {
    std::string s = std::to_string(e.tempo) + ":";
    if (e.tipo == T::Reinicio) return s + "reset";
    if (e.tipo != T::Mensagem) return s + "other";
    char b[16];
    std::snprintf(b, sizeof b, "%02X %02X %02X", e.mensagem.status, e.mensagem.dado1, e.mensagem.dado2);
    return s + b;
}

class ReproducaoTest : public ::testing::Test {
protected:
    ReproducaoTest() {
        auto g = std::make_unique<GravadorMIDI>(1);
        gravador = g.get();
        saida = std::make_unique<SaidaMIDI>(std::move(g));
        gravador->limpar();
        idioma.plataforma().limparRegistro();
    }
    std::vector<std::string> linhas() const {
        std::vector<std::string> l;
        for (const auto& e : gravador->eventos()) l.push_back(texto(e));
        return l;
    }
    int64_t agora() { return idioma.plataforma().agoraMilissegundos(); }

    IdiomaDeTeste idioma;
    GravadorMIDI* gravador;
    std::unique_ptr<SaidaMIDI> saida;
};

TEST_F(ReproducaoTest, MiMaiorSoltoNoViolaoPadrao) {
    auto instrumentos = GerenciadorInstrumentos::criar(idioma.plataforma());
    const auto violao = instrumentos->getInstrumento(0);
    const PosicaoHarmonicaInstrumentoCordas miMaior({0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0});
    reproducao::tocarAcorde(*saida, miMaior.getNotas(violao->getAfinacao(), violao->getNumeroCasas()));
    EXPECT_EQ(linhas(), (std::vector<std::string>{"0:91 28 7F", "160:91 2F 7F", "320:91 34 7F", "480:91 38 7F",
                                                  "640:91 3B 7F", "800:91 40 7F", "960:reset"}));
    EXPECT_EQ(idioma.plataforma().esperas(), std::vector<int>(6, 160));
}

TEST_F(ReproducaoTest, CordasQueNaoSoamNaoEsperam) {
    // C major with the low string muted, and a fingering with no sounding string.
    reproducao::tocarAcorde(*saida, {-1, 48, 52, 55, 60, 64});
    EXPECT_EQ(linhas().front(), "0:91 30 7F");
    EXPECT_EQ(linhas().back(), "800:reset");
    EXPECT_EQ(linhas().size(), 6u);

    gravador->limpar();
    reproducao::tocarAcorde(*saida, {-1, -1, -1, -1, -1, -1});
    EXPECT_EQ(linhas(), (std::vector<std::string>{"800:reset"}));
}

TEST_F(ReproducaoTest, EscalaNotaANotaComMarcasEmVolta) {
    std::vector<std::string> marcas;
    const auto marcar = [&](size_t i) { marcas.push_back("mark " + std::to_string(i) + " @" + std::to_string(agora()) +
                                                         " after " + std::to_string(gravador->eventos().size())); };
    const auto desmarcar = [&](size_t i) {
        marcas.push_back("unmark " + std::to_string(i) + " @" + std::to_string(agora()) + " after " +
                         std::to_string(gravador->eventos().size()));
    };
    reproducao::tocarEscala(*saida, {60, -1, 62}, reproducao::kEsperaNotaEscala, marcar, desmarcar);
    EXPECT_EQ(linhas(), (std::vector<std::string>{"0:91 3C 7F", "1000:91 3C 00", "1000:91 3E 7F", "2000:91 3E 00"}));
    EXPECT_EQ(marcas, (std::vector<std::string>{"mark 0 @0 after 0", "unmark 0 @1000 after 2", "mark 2 @1000 after 2",
                                                "unmark 2 @2000 after 4"}));
    // A scale ends with its last note off, not with a reset.
    gravador->limpar();
    reproducao::tocarEscala(*saida, {50}, 250);
    EXPECT_EQ(linhas(), (std::vector<std::string>{"2000:91 32 7F", "2250:91 32 00"}));
}

TEST_F(ReproducaoTest, NotasDaPosicaoDeEscala) {
    auto instrumentos = GerenciadorInstrumentos::criar(idioma.plataforma());
    const auto violao = instrumentos->getInstrumento(0);  // 12 frets, 40 45 50 55 59 64
    // Fret 13 (numeroCasas + 1), fret -1 and a string past the sixth are not played.
    const EscalaExibicao posicao({0, 2, 13, -1, 3, 1}, {0, 1, 2, 3, 4, 6}, {0, 2, 0, 0, 3, 1}, {0, 0, 1, 1, 2, 3});
    EXPECT_EQ(reproducao::notasEscala(posicao, *violao), (std::vector<int32_t>{40, 47, -1, -1, 62, -1}));
}

TEST_F(ReproducaoTest, TesteDoDispositivo) {
    reproducao::tocarTesteDispositivo(*saida);
    const auto l = linhas();
    ASSERT_EQ(l.size(), 25u);
    EXPECT_EQ(l[0], "0:91 3C 7F");
    EXPECT_EQ(l[23], "1840:91 53 7F");
    EXPECT_EQ(l[24], "1920:reset");
}

TEST_F(ReproducaoTest, PortaFechadaEsperaMesmoAssim) {
    // The neck still marks each note and waits when nothing is heard.
    saida->setDispositivo(5);
    gravador->limpar();
    reproducao::tocarAcorde(*saida, {40, 47});
    EXPECT_TRUE(gravador->eventos().empty());
    EXPECT_EQ(agora(), 320);
}

}  // namespace
