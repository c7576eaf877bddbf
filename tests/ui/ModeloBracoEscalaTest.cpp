// Scale mode on the neck, saving and restoring across a change of mode, and
// playback through the recording MIDI output on the fake clock.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AmbienteBraco.h"
#include "core/base/Excecoes.h"
#include "harmony/Rotulos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
constexpr int X = -1;

std::string texto(const GravadorMIDI::Evento& e) {
    if (e.tipo == GravadorMIDI::Evento::Tipo::Reinicio) return std::to_string(e.tempo) + ":reset";
    char b[16];
    std::snprintf(b, sizeof b, "%02X %02X %02X", e.mensagem.status, e.mensagem.dado1, e.mensagem.dado2);
    return std::to_string(e.tempo) + ":" + b;
}

class ModeloBracoEscalaTest : public ::testing::Test {
protected:
    void escolher(const std::string& escala, const std::string& tom) {
        ambiente.janela.tom = tom;
        ambiente.fachada.selecionarEscala(escala);
    }
    std::vector<std::string> eventos() const {
        std::vector<std::string> l;
        for (const auto& e : ambiente.gravador->eventos()) l.push_back(texto(e));
        return l;
    }
    int visiveis(TipoItemBraco tipo) const {
        int n = 0;
        for (const ItemBraco& i : braco.itens()) n += i.tipo == tipo && i.visivel ? 1 : 0;
        return n;
    }

    AmbienteBraco ambiente;
    ObservadorBracoFalso observador;
    ModeloBraco braco{&observador, false, 0};
};

TEST_F(ModeloBracoEscalaTest, SemEscalaNadaAcontece) {
    braco.mostrarEscala();
    EXPECT_FALSE(braco.exibindoEscala());
    EXPECT_EQ(visiveis(TipoItemBraco::BolinhaEscala), 0);
}

TEST_F(ModeloBracoEscalaTest, BolinhasNasCasasDaPosicao) {
    escolher("Minor pentatonic", "A");
    for (const int orientacao : {0, 2}) {
        SCOPED_TRACE(orientacao);
        braco.setOrientacao(orientacao);
        braco.mostrarEscala();
        ASSERT_TRUE(braco.exibindoEscala());
        const EscalaExibicao e = ambiente.fachada.getEscalaExibicaoAtual();
        EXPECT_EQ(*braco.getEscalaExibida(), e);
        ASSERT_GT(e.numeroNotas(), 0);
        ASSERT_LE(e.numeroNotas(), ModeloBraco::kNotasEscala);
        const auto afinacao = ambiente.fachada.getInstrumentoAtual()->getAfinacao();
        for (int i = 0; i < e.numeroNotas(); ++i) {
            const int casa = e.getCasas()[i];
            const int corda = e.getCordas()[i];
            const int x = braco.getXCasas()[casa];
            const int y = braco.getYCordas()[corda];
            const ItemBraco& bolinha = braco.item(TipoItemBraco::BolinhaEscala, i);
            EXPECT_TRUE(bolinha.visivel) << "note " << i;
            EXPECT_EQ(bolinha.imagem, "imgBolinhaAzul");  // the scale's root is not marked
            EXPECT_EQ(bolinha.retangulo, (Retangulo{x - 12, y - 11, 24, 23})) << "note " << i;
            const ItemBraco& dedo = braco.item(TipoItemBraco::RotuloDedoEscala, i);
            EXPECT_TRUE(dedo.visivel);
            EXPECT_EQ(dedo.texto, std::to_string(e.getDedos()[i]));
            EXPECT_EQ(dedo.retangulo, bolinha.retangulo);
            EXPECT_EQ(braco.item(TipoItemBraco::RotuloNotaEscala, i).texto, nomeNotaSustenido(afinacao[corda] + casa));
        }
        EXPECT_EQ(visiveis(TipoItemBraco::BolinhaEscala), e.numeroNotas());
        EXPECT_EQ(visiveis(TipoItemBraco::RotuloNotaEscala), 0);
        EXPECT_EQ(visiveis(TipoItemBraco::Bolinha), 0);
    }
}

// The main window answers this with its own message; the neck keeps what it showed.
TEST_F(ModeloBracoEscalaTest, EscalaImpossivelDeixaOBracoComoEstava) {
    escolher("Major", "C");
    braco.mostrarEscala();
    const EscalaExibicao antes = *braco.getEscalaExibida();
    escolher("Too wide", "C");
    EXPECT_THROW(braco.mostrarEscala(), NotFoundException);
    EXPECT_EQ(*braco.getEscalaExibida(), antes);
    EXPECT_EQ(visiveis(TipoItemBraco::BolinhaEscala), antes.numeroNotas());
}

TEST_F(ModeloBracoEscalaTest, NovaOrientacaoMoveAsBolinhasDaEscala) {
    escolher("Minor pentatonic", "A");
    braco.mostrarEscala();
    const ItemBraco antes = braco.item(TipoItemBraco::BolinhaEscala, 0);
    braco.setOrientacao(3);
    const ItemBraco& depois = braco.item(TipoItemBraco::BolinhaEscala, 0);
    EXPECT_TRUE(depois.visivel);
    EXPECT_EQ(depois.retangulo.esquerda + 12, 792 - (antes.retangulo.esquerda + 12));
    EXPECT_EQ(depois.retangulo.topo, antes.retangulo.topo);  // strings 0 at the top in both
    EXPECT_EQ(braco.item(TipoItemBraco::RotuloDedoEscala, 0).retangulo, depois.retangulo);
}

// Eb minor pentatonic: Eb Gb Ab Bb Db, written with sharps in scale mode.
TEST_F(ModeloBracoEscalaTest, NomesDasNotasDaEscalaSempreComSustenido) {
    escolher("Minor pentatonic", "D# or Eb");
    braco.setModoVisualizacao(1);
    braco.mostrarEscala();
    const EscalaExibicao e = *braco.getEscalaExibida();
    for (int i = 0; i < e.numeroNotas(); ++i) {
        const ItemBraco& nota = braco.item(TipoItemBraco::RotuloNotaEscala, i);
        EXPECT_TRUE(nota.visivel);
        EXPECT_EQ(nota.texto.find('b'), std::string::npos) << nota.texto;
        EXPECT_FALSE(braco.item(TipoItemBraco::RotuloDedoEscala, i).visivel);
    }
    // View mode 2 shows the dots alone.
    braco.setModoVisualizacao(2);
    braco.desenharRotulosEscala();
    EXPECT_EQ(visiveis(TipoItemBraco::BolinhaEscala), e.numeroNotas());
    EXPECT_EQ(visiveis(TipoItemBraco::RotuloNotaEscala) + visiveis(TipoItemBraco::RotuloDedoEscala), 0);
}

TEST_F(ModeloBracoEscalaTest, TrocaDeModoGuardaERestaura) {
    // Chord mode: the chord survives the trip without its sounding strings.
    ASSERT_TRUE(ambiente.fachada.setAcorde("G"));
    braco.mostrarPosicaoAtual();
    ASSERT_TRUE(braco.temNotaSoando());
    braco.limpar();
    braco.prepararTroca();
    EXPECT_FALSE(braco.temNotaSoando());
    ASSERT_NE(braco.getPosicaoGuardada(), nullptr);
    EXPECT_EQ(braco.getPosicaoGuardada()->getNome(), "G");
    EXPECT_EQ(braco.getPosicaoGuardada()->getCasas(), std::vector<int32_t>(6, X));

    // Scale mode, then back.
    braco.limparBraco();
    escolher("Major", "C");
    braco.mostrarEscala();
    EXPECT_EQ(braco.getNomeEscalaGuardada(), "Major");
    braco.limpar();
    braco.prepararTroca();
    ambiente.fachada.desselecionarEscala();
    braco.restaurarPosicao();
    EXPECT_EQ(braco.getPosicao()->getNome(), "G");
    EXPECT_FALSE(braco.temNotaSoando());
    EXPECT_EQ(visiveis(TipoItemBraco::Bolinha), 0);

    // The scale comes back selected, with the position that was shown.
    const EscalaExibicao mostrada = *braco.getEscalaExibida();
    braco.restaurarEscala();
    ASSERT_NE(ambiente.fachada.getEscala(), nullptr);
    EXPECT_EQ(ambiente.fachada.getEscala()->getNome(), "Major");
    EXPECT_EQ(*braco.getEscalaExibida(), mostrada);
}

TEST_F(ModeloBracoEscalaTest, SemTomSelecionadoAEscalaNaoEGuardada) {
    escolher("Major", "C");
    braco.mostrarEscala();
    ambiente.janela.tom.clear();
    escolher("Minor pentatonic", "");
    braco.prepararTroca();
    EXPECT_EQ(braco.getNomeEscalaGuardada(), "Major");
}

TEST_F(ModeloBracoEscalaTest, AcordeTocadoCordaACorda) {
    const Posicao miMaior({0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0});
    braco.mostrarPosicao(&miMaior, 4, false);
    braco.tocarAcorde();
    EXPECT_EQ(eventos(), (std::vector<std::string>{"0:91 28 7F", "160:91 2F 7F", "320:91 34 7F", "480:91 38 7F",
                                                   "640:91 3B 7F", "800:91 40 7F", "960:reset"}));

    // Muted strings are skipped; the empty neck only silences.
    ambiente.gravador->limpar();
    const Posicao doMaior({X, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0});
    braco.mostrarPosicao(&doMaior, 0, false);
    braco.tocarAcorde();
    EXPECT_EQ(eventos(), (std::vector<std::string>{"960:91 30 7F", "1120:91 34 7F", "1280:91 37 7F",
                                                   "1440:91 3C 7F", "1600:91 40 7F", "1760:reset"}));
    ambiente.gravador->limpar();
    braco.limparBraco();
    braco.tocarAcorde();
    EXPECT_EQ(eventos(), (std::vector<std::string>{"1760:reset"}));
}

TEST_F(ModeloBracoEscalaTest, EscalaTocadaComAsMarcasVisiveisEnquantoSoa) {
    escolher("Minor pentatonic", "A");
    braco.mostrarEscala();
    const EscalaExibicao e = *braco.getEscalaExibida();
    const auto afinacao = ambiente.fachada.getInstrumentoAtual()->getAfinacao();
    const std::string pima = "PIMA";

    // At every repaint: what the hand marks and the labels of each note show.
    struct Quadro {
        int64_t tempo;
        size_t eventos;
        std::vector<std::string> maoDireita;  // text of each visible right-hand label
        int marcadores;
        int rotulosBrancos;
    };
    std::vector<Quadro> quadros;
    observador.aoRepintar = [&] {
        Quadro q{ambiente.idioma.plataforma().agoraMilissegundos(), ambiente.gravador->eventos().size(), {}, 0, 0};
        for (const ItemBraco& i : braco.itens()) {
            if (i.tipo == TipoItemBraco::RotuloMaoDireita && i.visivel) {
                q.maoDireita.push_back(i.texto + (i.cor == CorTexto::Branco ? " white" : " black"));
            }
            if (i.tipo == TipoItemBraco::MarcadorMaoDireita && i.visivel) ++q.marcadores;
            if ((i.tipo == TipoItemBraco::RotuloDedoEscala || i.tipo == TipoItemBraco::RotuloNotaEscala) &&
                i.cor == CorTexto::Branco) {
                ++q.rotulosBrancos;
            }
        }
        quadros.push_back(q);
    };
    braco.tocarEscala();

    const int n = e.numeroNotas();
    ASSERT_EQ(quadros.size(), static_cast<size_t>(2 * n));
    std::vector<std::string> esperados;
    for (int i = 0; i < n; ++i) {
        const int nota = afinacao[e.getCordas()[i]] + e.getCasas()[i];
        char on[16], off[16];
        std::snprintf(on, sizeof on, "91 %02X 7F", nota);
        std::snprintf(off, sizeof off, "91 %02X 00", nota);
        esperados.push_back(std::to_string(1000 * i) + ":" + on);
        esperados.push_back(std::to_string(1000 * (i + 1)) + ":" + off);

        const Quadro& marca = quadros[2 * i];
        EXPECT_EQ(marca.tempo, 1000 * i);
        EXPECT_EQ(marca.eventos, static_cast<size_t>(2 * i)) << "marked before its note on";
        EXPECT_EQ(marca.maoDireita, (std::vector<std::string>{pima.substr(e.getDedosMaoDireita()[i], 1) + " white"}));
        EXPECT_EQ(marca.marcadores, 1);
        EXPECT_EQ(marca.rotulosBrancos, 2);

        const Quadro& fim = quadros[2 * i + 1];
        EXPECT_EQ(fim.eventos, static_cast<size_t>(2 * i + 2)) << "unmarked after its note off";
        EXPECT_TRUE(fim.maoDireita.empty());
        EXPECT_EQ(fim.marcadores, 0);
        EXPECT_EQ(fim.rotulosBrancos, 0);
    }
    EXPECT_EQ(eventos(), esperados);
    for (int s = 0; s < 6; ++s) EXPECT_EQ(braco.item(TipoItemBraco::RotuloMaoDireita, s).texto, "1");
}

TEST_F(ModeloBracoEscalaTest, SemEscalaSelecionadaNadaToca) {
    braco.tocarEscala();
    EXPECT_TRUE(eventos().empty());
    EXPECT_EQ(observador.repinturas, 0);
}

}  // namespace
