// Where the fretboard model puts its items on the neck area, and what a
// click at a point hits, for every neck and orientation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmbienteBraco.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
constexpr int X = -1;

// A fingering that sounds only fret casa on string corda (finger 1).
Posicao soUmaNota(int cordas, int corda, int casa) {
    std::vector<int32_t> casas(cordas, X), dedos(cordas, 6);
    casas[corda] = casa;
    dedos[corda] = casa == 0 ? 0 : 1;
    return Posicao(casas, dedos);
}

struct CasoPosicao {
    int cordas;
    bool brasil;
    int orientacao;
    int corda;
    int casa;
    int x;  // expected centre
    int y;
};

// Centres worked out by hand from the neck tables.
const CasoPosicao kPosicoes[] = {
    {6, false, 0, 0, 3, 620, 101},  {6, false, 1, 0, 3, 620, 221},  {6, false, 2, 0, 3, 172, 221},
    {6, false, 3, 0, 3, 172, 101},  {6, false, 0, 5, 0, 787, 221},  {6, false, 2, 5, 12, 573, 101},
    {6, false, 3, 2, 7, 367, 149},  {6, true, 0, 0, 3, 631, 101},   {6, true, 2, 1, 12, 583, 197},
    {6, true, 1, 4, 1, 742, 125},   {5, false, 0, 0, 12, 223, 113}, {5, false, 1, 0, 1, 742, 209},
    {5, false, 2, 4, 5, 257, 113},  {5, false, 3, 3, 9, 442, 185},  {4, false, 0, 3, 12, 223, 198},
    {4, false, 1, 3, 12, 223, 126}, {4, false, 2, 3, 12, 569, 126}, {4, false, 3, 0, 1, 50, 126},
};

class ModeloBracoPosicoesTest : public ::testing::TestWithParam<CasoPosicao> {};

TEST_P(ModeloBracoPosicoesTest, BolinhaERotulosNoCentroDaCasa) {
    const CasoPosicao& c = GetParam();
    AmbienteBraco ambiente(c.brasil ? kPortugues : "English");
    const int instrumento = ambiente.instrumentoComCordas(c.cordas);
    ASSERT_GE(instrumento, 0) << "no instrument with " << c.cordas << " strings";
    ambiente.fachada.setInstrumento(instrumento);

    ModeloBraco braco(nullptr, c.brasil, c.orientacao);
    const Posicao p = soUmaNota(c.cordas, c.corda, c.casa);
    for (int modo = 0; modo < 3; ++modo) {
        braco.setModoVisualizacao(modo);
        braco.mostrarPosicao(&p, 0, false);
        const Retangulo esperado{c.x - 12, c.y - 11, 24, 23};
        const ItemBraco& bolinha = braco.item(TipoItemBraco::Bolinha, c.corda);
        EXPECT_TRUE(bolinha.visivel);
        EXPECT_EQ(bolinha.retangulo, esperado);
        const TipoItemBraco rotulos[] = {TipoItemBraco::RotuloDedo, TipoItemBraco::RotuloNota,
                                         TipoItemBraco::RotuloIntervalo};
        for (int m = 0; m < 3; ++m) {
            const ItemBraco& rotulo = braco.item(rotulos[m], c.corda);
            EXPECT_EQ(rotulo.visivel, m == modo) << "view mode " << modo << ", label " << m;
            if (m == modo) EXPECT_EQ(rotulo.retangulo, esperado);
        }
    }
    // The dot stands where a click hits that string and fret.
    EXPECT_EQ(braco.cordaEm(c.y), c.corda);
    EXPECT_EQ(braco.casaEm(c.x), c.casa);
    EXPECT_TRUE(braco.temBolinha(c.x, c.y));
    // Right-hand marks stand at the far end of the same string.
    const int xMao = c.orientacao < 2 ? 18 : 774;
    EXPECT_EQ(braco.item(TipoItemBraco::RotuloMaoDireita, c.corda).retangulo,
              (Retangulo{xMao - 12, c.y - 11, 24, 23}));
    EXPECT_EQ(braco.item(TipoItemBraco::MarcadorMaoDireita, c.corda).retangulo,
              (Retangulo{xMao - 12, c.y - 11, 24, 23}));
}

INSTANTIATE_TEST_SUITE_P(Bracos, ModeloBracoPosicoesTest, ::testing::ValuesIn(kPosicoes),
                         [](const ::testing::TestParamInfo<CasoPosicao>& info) {
                             const CasoPosicao& c = info.param;
                             return std::to_string(c.cordas) + (c.brasil ? "CordasBrasil" : "Cordas") + "_Orientacao" +
                                    std::to_string(c.orientacao) + "_Corda" + std::to_string(c.corda) + "_Casa" +
                                    std::to_string(c.casa);
                         });

struct CasoImagem {
    int cordas;
    bool brasil;
    int orientacao;
    const char* imagem;
};

const CasoImagem kImagens[] = {
    {6, false, 0, "imgBraco6CordasFrenteNormal"},     {6, false, 1, "imgBraco6CordasFrenteInvertido"},
    {6, false, 2, "imgBraco6CordasTopoNormal"},       {6, false, 3, "imgBraco6CordasTopoInvertido"},
    {6, true, 0, "imgBraco6CordasBrasilFrenteNormal"}, {6, true, 3, "imgBraco6CordasBrasilTopoInvertido"},
    {5, false, 1, "imgBraco5CordasFrenteInvertido"},  {4, false, 2, "imgBraco4CordasTopoNormal"},
    // The Brazilian set has six strings only.
    {4, true, 0, "imgBraco4CordasFrenteNormal"},
};

TEST(ModeloBracoImagens, ImagemDoBracoPorCordasEOrientacao) {
    for (const CasoImagem& c : kImagens) {
        AmbienteBraco ambiente;
        ambiente.fachada.setInstrumento(ambiente.instrumentoComCordas(c.cordas));
        ModeloBraco braco(nullptr, c.brasil, c.orientacao);
        const ItemBraco& neck = braco.itens().front();
        EXPECT_EQ(neck.tipo, TipoItemBraco::Braco);
        EXPECT_EQ(neck.imagem, c.imagem);
        EXPECT_TRUE(neck.visivel);
        EXPECT_EQ(neck.retangulo, (Retangulo{0, 0, 797, 325}));
    }
}

TEST(ModeloBracoImagens, TrocaDeInstrumentoRefazAsListas) {
    AmbienteBraco ambiente;
    ModeloBraco braco(nullptr, false, 0);
    EXPECT_EQ(braco.getYCordas(), (std::vector<int>{101, 125, 149, 173, 197, 221}));
    EXPECT_EQ(braco.getXCasas().size(), 15u);
    ambiente.fachada.setInstrumento(ambiente.instrumentoComCordas(4));
    braco.setOrientacao(1);
    EXPECT_EQ(braco.getYCordas(), (std::vector<int>{198, 174, 150, 126}));
    EXPECT_EQ(braco.getXCasas().size(), 13u);
    EXPECT_EQ(braco.itens().front().imagem, "imgBraco4CordasFrenteInvertido");
    EXPECT_EQ(braco.getOrientacao(), 1);
}

// The notice has a fixed place and the language's text.
TEST(ModeloBracoImagens, AvisoDeNovaTonica) {
    AmbienteBraco ambiente;
    ModeloBraco braco;
    const ItemBraco& aviso = braco.itens().back();
    EXPECT_EQ(aviso.tipo, TipoItemBraco::AvisoTonica);
    EXPECT_EQ(aviso.retangulo, (Retangulo{329, 308, 269, 13}));
    EXPECT_EQ(aviso.texto, ambiente.fachada.getTexto("fmPrincipal", "lblNewTonicNotification"));
    EXPECT_FALSE(aviso.texto.empty());
    EXPECT_EQ(aviso.cor, CorTexto::Amarelo);
    EXPECT_EQ(aviso.tamanhoFonte, 11);
    EXPECT_FALSE(aviso.visivel);
}

struct CasoToque {
    int orientacao;
    int x;
    int y;
    int corda;  // -1: none
    int casa;
};

// Six-string guitar (12 frets), other languages. Bounds are strict on both sides.
const CasoToque kToques[] = {
    {0, 620, 101, 0, 3},  {0, 603, 101, 0, -1}, {0, 637, 101, 0, -1}, {0, 604, 101, 0, 3},  {0, 636, 101, 0, 3},
    {0, 620, 89, -1, 3},  {0, 620, 90, 0, 3},   {0, 620, 112, 0, 3},  {0, 620, 113, -1, 3}, {0, 620, 114, 1, 3},
    // Between the open string (787) and fret 1 (736) lies a strip that hits nothing.
    {0, 787, 221, 5, 0},  {0, 752, 221, 5, 1},  {0, 753, 221, 5, -1}, {0, 770, 221, 5, -1}, {0, 771, 221, 5, 0},
    {0, 787, 232, 5, 0},  {0, 787, 233, -1, 0},
    // Fret 13 is drawn but the guitar has 12 frets.
    {0, 180, 101, 0, -1}, {0, 219, 101, 0, 12},
    {2, 172, 221, 0, 3},  {2, 620, 221, 0, -1}, {1, 620, 101, 5, 3},  {3, 5, 101, 0, 0},
};

TEST(ModeloBracoToques, CordaECasaNoPonto) {
    AmbienteBraco ambiente;
    for (const CasoToque& c : kToques) {
        ModeloBraco braco(nullptr, false, c.orientacao);
        EXPECT_EQ(braco.cordaEm(c.y), c.corda) << "orientation " << c.orientacao << " y " << c.y;
        EXPECT_EQ(braco.casaEm(c.x), c.casa) << "orientation " << c.orientacao << " x " << c.x;
    }
}

}  // namespace
