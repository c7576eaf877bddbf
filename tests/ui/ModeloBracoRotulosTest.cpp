// What a fingering on the neck shows: its dots (the root in red), the labels
// of the view mode, the completion of missing fingers, and the fixed warning
// when there is nothing to show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmbienteBraco.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
using Textos = std::vector<std::string>;
constexpr int X = -1;

Textos textos(const ModeloBraco& braco, TipoItemBraco tipo) {
    Textos t;
    for (int s = 0; s < 6; ++s) t.push_back(braco.item(tipo, s).texto);
    return t;
}

std::vector<bool> visiveis(const ModeloBraco& braco, TipoItemBraco tipo) {
    std::vector<bool> v;
    for (int s = 0; s < 6; ++s) v.push_back(braco.item(tipo, s).visivel);
    return v;
}

class ModeloBracoRotulosTest : public ::testing::Test {
protected:
    AmbienteBraco ambiente;
    ModeloBraco braco{nullptr, false, 0};
};

struct CasoRotulos {
    const char* descricao;
    std::vector<int32_t> casas;
    std::vector<int32_t> dedos;
    int raiz;
    bool bemol;
    Textos dedosEsperados;
    Textos notas;
    Textos intervalos;
    int cordaVermelha;
};

// Standard guitar, E A D G B E (40 45 50 55 59 64).
const CasoRotulos kRotulos[] = {
    {"C major", {X, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}, 0, false,
     {"", "3", "2", "0", "1", "0"}, {"D#", "C", "E", "G", "C", "E"}, {"", "T", "3M", "5", "T", "3M"}, 1},
    // Flats for the note names; a root pitch class above every pitch is lowered.
    {"E flat", {X, 6, 5, 3, 4, 3}, {6, 4, 3, 1, 2, 1}, 3, true,
     {"", "4", "3", "1", "2", "1"}, {"Eb", "Eb", "G", "Bb", "Eb", "G"}, {"", "T", "3M", "5", "T", "3M"}, 1},
    {"E flat, sharps", {X, 6, 5, 3, 4, 3}, {6, 4, 3, 1, 2, 1}, 3, false,
     {"", "4", "3", "1", "2", "1"}, {"D#", "D#", "G", "A#", "D#", "G"}, {"", "T", "3M", "5", "T", "3M"}, 1},
    // A root given as a pitch; the root is the first string that has its class.
    {"A minor seventh", {X, 0, 2, 0, 1, 0}, {6, 0, 2, 0, 1, 0}, 57, false,
     {"", "0", "2", "0", "1", "0"}, {"D#", "A", "E", "G", "C", "E"}, {"", "T", "5", "7", "3m", "5"}, 1},
};

TEST_F(ModeloBracoRotulosTest, RotulosDosTresModos) {
    for (const CasoRotulos& c : kRotulos) {
        SCOPED_TRACE(c.descricao);
        const Posicao p(c.casas, c.dedos);
        braco.setModoVisualizacao(0);
        braco.mostrarPosicao(&p, c.raiz, c.bemol);
        Textos dedos = textos(braco, TipoItemBraco::RotuloDedo);
        EXPECT_EQ(dedos, c.dedosEsperados);
        // The muted string's texts are never shown; compare the sounding ones.
        Textos notas = textos(braco, TipoItemBraco::RotuloNota);
        Textos intervalos = textos(braco, TipoItemBraco::RotuloIntervalo);
        for (int s = 1; s < 6; ++s) {
            EXPECT_EQ(notas[s], c.notas[s]) << "string " << s;
            EXPECT_EQ(intervalos[s], c.intervalos[s]) << "string " << s;
        }
        EXPECT_EQ(braco.getPosicao()->getCordaMarcada(), c.cordaVermelha);
        for (int s = 0; s < 6; ++s) {
            const ItemBraco& bolinha = braco.item(TipoItemBraco::Bolinha, s);
            EXPECT_EQ(bolinha.visivel, s != 0) << "string " << s;
            EXPECT_EQ(bolinha.imagem, s == c.cordaVermelha ? "imgBolinhaVermelha" : "imgBolinhaAzul") << "string " << s;
        }
        const std::vector<bool> soando{false, true, true, true, true, true};
        const std::vector<bool> nenhum(6, false);
        EXPECT_EQ(visiveis(braco, TipoItemBraco::RotuloDedo), soando);
        for (int modo = 1; modo < 3; ++modo) {
            braco.setModoVisualizacao(modo);
            braco.desenharPosicao();
            EXPECT_EQ(visiveis(braco, TipoItemBraco::RotuloDedo), nenhum);
            EXPECT_EQ(visiveis(braco, TipoItemBraco::RotuloNota), modo == 1 ? soando : nenhum);
            EXPECT_EQ(visiveis(braco, TipoItemBraco::RotuloIntervalo), modo == 2 ? soando : nenhum);
        }
    }
}

TEST_F(ModeloBracoRotulosTest, DedosQueFaltamSaoAtribuidos) {
    // Frets with no fingers, as a click leaves them: the first assignment.
    const Posicao semDedos({X, 3, 2, 0, 1, 0}, {6, 0, 0, 0, 0, 0});
    braco.mostrarPosicao(&semDedos, 0, false);
    // The assignment has no finger for the muted string either; its fret
    // stays -1, so it still sounds nothing and shows no dot.
    EXPECT_EQ(braco.getPosicao()->getDedos(), (std::vector<int32_t>{0, 3, 2, 0, 1, 0}));
    EXPECT_EQ(braco.getPosicao()->getCasas(), (std::vector<int32_t>{X, 3, 2, 0, 1, 0}));
    EXPECT_EQ(visiveis(braco, TipoItemBraco::Bolinha), (std::vector<bool>{false, true, true, true, true, true}));
    const Textos dedos = textos(braco, TipoItemBraco::RotuloDedo);
    EXPECT_EQ(Textos(dedos.begin() + 1, dedos.end()), (Textos{"3", "2", "0", "1", "0"}));
    EXPECT_TRUE(braco.temDedos());

    // Five fretted strings cannot be fingered: no finger anywhere.
    const Posicao impossivel({1, 3, 5, 7, 9, X}, {0, 0, 0, 0, 0, 6});
    braco.mostrarPosicao(&impossivel, 0, false);
    EXPECT_EQ(braco.getPosicao()->getDedos(), std::vector<int32_t>(6, -1));
    EXPECT_EQ(textos(braco, TipoItemBraco::RotuloDedo), Textos(6, ""));
    EXPECT_FALSE(braco.temDedos());
    EXPECT_TRUE(braco.temNotaSoando());
}

TEST_F(ModeloBracoRotulosTest, SemRaizNenhumaCordaViraTonica) {
    // B on string 1 would be the root if -1 were taken as a pitch class.
    const Posicao p({X, 2, 4, 4, 4, 2}, {6, 1, 2, 3, 4, 1});
    braco.mostrarPosicao(&p, -1, false);
    EXPECT_EQ(braco.getPosicao()->getCordaMarcada(), -1);
    for (int s = 1; s < 6; ++s) EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, s).imagem, "imgBolinhaAzul");
}

TEST_F(ModeloBracoRotulosTest, SemPosicaoAvisaEDeixaOBraco) {
    const Posicao c({X, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0});
    braco.mostrarPosicao(&c, 0, false);
    ambiente.idioma.plataforma().limparRegistro();
    braco.mostrarPosicao(nullptr, 0, false);
    const auto& mensagens = ambiente.idioma.plataforma().mensagens();
    ASSERT_EQ(mensagens.size(), 1u);
    EXPECT_EQ(mensagens[0].texto, "Nao foi possivel gerar o acorde selecionado");
    EXPECT_EQ(mensagens[0].titulo, "WARNING");
    EXPECT_EQ(mensagens[0].botoes, BotoesMensagem::Ok);
    EXPECT_EQ(braco.getPosicao()->getCasas(), (std::vector<int32_t>{X, 3, 2, 0, 1, 0}));
    EXPECT_TRUE(braco.item(TipoItemBraco::Bolinha, 1).visivel);
}

TEST_F(ModeloBracoRotulosTest, LimparEscondeTudoMenosBracoEMarcadores) {
    const Posicao c({X, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0});
    braco.mostrarPosicao(&c, 0, false);
    braco.limpar();
    for (const ItemBraco& i : braco.itens()) {
        EXPECT_EQ(i.visivel, i.tipo == TipoItemBraco::Braco) << static_cast<int>(i.tipo) << " " << i.indice;
    }
    // The fingering stays on the neck; drawing it again brings the dots back.
    braco.desenharPosicao();
    EXPECT_TRUE(braco.item(TipoItemBraco::Bolinha, 1).visivel);
}

// The chord manager's current fingering with its root and its accidentals.
TEST_F(ModeloBracoRotulosTest, PosicaoAtualDoGerenciador) {
    ASSERT_TRUE(ambiente.fachada.setAcorde("Bb"));
    braco.setModoVisualizacao(1);
    braco.mostrarPosicaoAtual();
    const auto* atual = dynamic_cast<const Posicao*>(ambiente.fachada.getPosicaoAcordeAtual());
    ASSERT_NE(atual, nullptr);
    EXPECT_EQ(braco.getPosicao()->getCasas(), atual->getCasas());
    EXPECT_NE(braco.getPosicao(), atual);  // a copy of its own
    EXPECT_EQ(braco.getPosicao()->getNome(), "Bb");
    bool bemol = false;
    for (const auto& nota : textos(braco, TipoItemBraco::RotuloNota)) bemol = bemol || nota == "Bb";
    EXPECT_TRUE(bemol) << "the chord manager asks for flats in Bb";
    const int marcada = braco.getPosicao()->getCordaMarcada();
    ASSERT_GE(marcada, 0);
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, marcada).imagem, "imgBolinhaVermelha");
    EXPECT_EQ(braco.item(TipoItemBraco::RotuloNota, marcada).texto, "Bb");
}

}  // namespace
