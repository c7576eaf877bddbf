// The neck tables, and the neck pictures the build draws from them: a dot the
// fretboard view centres by the tables must sit on a string, between two fret
// wires, in every orientation and under both languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/base/Imagem.h"
#include "instruments/GeometriaBraco.h"
#include "support/IdiomaDeTeste.h"

namespace gb = geometriaBraco;

namespace {

TEST(GeometriaBraco, CasasECordasNasOrientacoes) {
    struct Caso {
        gb::Modelo modelo;
        int orientacao, corda, casa;
        int x, y;
    };
    const Caso casos[] = {
        {gb::Modelo::Cordas6, 0, 0, 3, 620, 101},
        {gb::Modelo::Cordas6, 2, 0, 3, 172, 221},
        {gb::Modelo::Cordas6, 1, 0, 3, 620, 221},
        {gb::Modelo::Cordas6, 3, 5, 0, 5, 221},
        {gb::Modelo::Cordas6Brasil, 0, 5, 14, 130, 221},
        {gb::Modelo::Cordas5, 1, 4, 1, 742, 113},
        {gb::Modelo::Cordas4, 2, 3, 12, 569, 126},
        {gb::Modelo::Cordas4, 3, 3, 12, 569, 198},
    };
    for (const auto& c : casos) {
        const auto& t = gb::tabela(c.modelo);
        EXPECT_EQ(gb::xCasa(t, c.orientacao, c.casa), c.x) << t.imagens[c.orientacao] << " casa " << c.casa;
        EXPECT_EQ(gb::yCorda(t, c.orientacao, c.corda), c.y) << t.imagens[c.orientacao] << " corda " << c.corda;
    }
    EXPECT_EQ(gb::xMaoDireita(0), 18);
    EXPECT_EQ(gb::xMaoDireita(2), 774);
}

TEST(GeometriaBraco, BracoPeloNumeroDeCordasEIdioma) {
    EXPECT_EQ(gb::tabelaPara(6, true)->modelo, gb::Modelo::Cordas6Brasil);
    EXPECT_EQ(gb::tabelaPara(6, false)->modelo, gb::Modelo::Cordas6);
    EXPECT_EQ(gb::tabelaPara(5, true)->modelo, gb::Modelo::Cordas5);
    EXPECT_EQ(gb::tabelaPara(4, false)->modelo, gb::Modelo::Cordas4);
    EXPECT_EQ(gb::tabelaPara(3, false), nullptr);
    EXPECT_EQ(gb::tabelaPara(7, true), nullptr);
    for (int m = 0; m < 4; ++m) EXPECT_EQ(static_cast<int>(gb::kBracos[m].modelo), m);
}

// A click on a fret wire must hit no fret: the wire lies in the strip that
// the +/-17 hit zones of its two neighbouring places leave free.
TEST(GeometriaBraco, TrastesNasFaixasSemCasa) {
    for (const auto& t : gb::kBracos) {
        SCOPED_TRACE(t.imagens[0]);
        for (int k = 0; k <= t.ultimaCasa; ++k) {
            EXPECT_GE(t.xCasa[k] - t.xTraste[k], 17) << "wire " << k;
            if (k < t.ultimaCasa) {
                EXPECT_GE(t.xTraste[k] - t.xCasa[k + 1], 17) << "wire " << k;
            }
        }
        for (int k = t.ultimaCasa + 1; k < gb::kMaxCasas; ++k) {
            EXPECT_EQ(t.xCasa[k], 0);
            EXPECT_EQ(t.xTraste[k], 0);
        }
    }
}

// The click area reaches every row that the hit rule counts for a string.
TEST(GeometriaBraco, AreaDeCliqueCobreAsCordas) {
    for (const auto& t : gb::kBracos) {
        const int primeira = t.yPrimeiraCorda;
        const int ultima = t.yPrimeiraCorda + gb::kDistanciaCordas * (t.cordas - 1);
        EXPECT_LE(t.topoAreaClique, primeira - 11) << t.imagens[0];
        EXPECT_GE(t.topoAreaClique + t.alturaAreaClique - 1, ultima + 11) << t.imagens[0];
        EXPECT_LE(t.topoAreaClique + t.alturaAreaClique, gb::kAltura) << t.imagens[0];
    }
}

int brilho(const Imagem& img, int x, int y) {
    const size_t i = (static_cast<size_t>(y) * img.largura + x) * 3;
    return (299 * img.rgb[i] + 587 * img.rgb[i + 1] + 114 * img.rgb[i + 2]) / 1000;
}

// Mean brightness of columns x0..x1 over rows y-1..y+1.
int brilhoColunas(const Imagem& img, int x0, int x1, int y) {
    int soma = 0;
    int n = 0;
    for (int x = x0; x <= x1; ++x)
        for (int dy = -1; dy <= 1; ++dy, ++n) soma += brilho(img, x, y + dy);
    return soma / n;
}

// Rows around a string's row, at one x, that are lit like the string.
int linhasAcesas(const Imagem& img, int x, int y) {
    const int fundo = (brilho(img, x, y - 8) + brilho(img, x, y + 9)) / 2;
    const int limiar = (brilho(img, x, y) + fundo) / 2;
    int n = 0;
    for (int dy = -4; dy <= 4; ++dy) n += brilho(img, x, y + dy) > limiar ? 1 : 0;
    return n;
}

class ImagensDoBraco : public ::testing::TestWithParam<std::string> {
protected:
    ImagensDoBraco() : idioma_(GetParam()) {}

    std::unique_ptr<Imagem> imagem(const char* chave) {
        auto img = idioma_.idiomas().getImagem(gb::kSecaoImagens, chave);
        EXPECT_NE(img, nullptr) << chave;
        return img;
    }

    IdiomaDeTeste idioma_;
};

INSTANTIATE_TEST_SUITE_P(Idiomas, ImagensDoBraco, ::testing::Values(std::string("English"), std::string(kPortugues)),
                         [](const auto& info) { return info.index == 0 ? "English" : "Portugues"; });

TEST_P(ImagensDoBraco, TamanhoDaAreaDoBraco) {
    ASSERT_TRUE(idioma_.carregado());
    for (const auto& t : gb::kBracos) {
        for (const char* chave : t.imagens) {
            const auto img = imagem(chave);
            ASSERT_NE(img, nullptr);
            EXPECT_EQ(img->largura, gb::kLargura) << chave;
            EXPECT_EQ(img->altura, gb::kAltura) << chave;
        }
    }
}

// The nut and every wire are metal or bone, brighter than the wood a few
// pixels to either side: both middle columns of a wire, the two columns
// around the table's centre line, are lit, and the wood three pixels past
// the wire's edges on either side is not.
TEST_P(ImagensDoBraco, TrastesNasColunasDaTabela) {
    for (const auto& t : gb::kBracos) {
        for (int o = 0; o < 4; ++o) {
            SCOPED_TRACE(t.imagens[o]);
            const auto img = imagem(t.imagens[o]);
            ASSERT_NE(img, nullptr);
            const int y = t.yPrimeiraCorda + gb::kDistanciaCordas / 2;  // between the two top strings
            for (int k = 0; k <= t.ultimaCasa; ++k) {
                const int x = gb::xTraste(t, o, k);
                const int fio = std::min(brilhoColunas(*img, x - 1, x - 1, y), brilhoColunas(*img, x, x, y));
                const int madeira = std::max(brilhoColunas(*img, x - 5, x - 5, y), brilhoColunas(*img, x + 4, x + 4, y));
                EXPECT_GT(fio - madeira, 25) << "wire " << k << " at x " << x;
            }
        }
    }
}

// Each string is a bright line on its row across the places of the neck,
// with wood above and below it (places without inlays, which are bright too).
TEST_P(ImagensDoBraco, CordasNasLinhasDaTabela) {
    for (const auto& t : gb::kBracos) {
        for (int o = 0; o < 4; ++o) {
            SCOPED_TRACE(t.imagens[o]);
            const auto img = imagem(t.imagens[o]);
            ASSERT_NE(img, nullptr);
            for (int s = 0; s < t.cordas; ++s) {
                const int y = gb::yCorda(t, o, s);
                for (int casa : {1, 2, 4, 6, 8, 11}) {
                    const int x = gb::xCasa(t, o, casa);
                    const int corda = brilho(*img, x, y);
                    EXPECT_GT(corda - brilho(*img, x, y - 7), 30) << "string " << s << " place " << casa;
                    EXPECT_GT(corda - brilho(*img, x, y + 7), 30) << "string " << s << " place " << casa;
                }
            }
        }
    }
}

// String 0 is the lowest and thickest: the orientation puts it at the top or
// the bottom of the picture as the view expects.
TEST_P(ImagensDoBraco, CordaGraveMaisGrossaDoLadoCerto) {
    for (const auto& t : gb::kBracos) {
        for (int o = 0; o < 4; ++o) {
            SCOPED_TRACE(t.imagens[o]);
            const auto img = imagem(t.imagens[o]);
            ASSERT_NE(img, nullptr);
            const int x = gb::xCasa(t, o, 2);
            const int grave = linhasAcesas(*img, x, gb::yCorda(t, o, 0));
            const int aguda = linhasAcesas(*img, x, gb::yCorda(t, o, t.cordas - 1));
            EXPECT_GT(grave, aguda);
        }
    }
}

TEST_P(ImagensDoBraco, BolinhasDoTamanhoDosItens) {
    struct Caso {
        const char* chave;
        bool vermelha;
    };
    for (const auto& c : {Caso{gb::kImagemBolinhaVermelha, true}, Caso{gb::kImagemBolinhaAzul, false}}) {
        const auto img = imagem(c.chave);
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->largura, gb::kLarguraItem) << c.chave;
        EXPECT_EQ(img->altura, gb::kAlturaItem) << c.chave;
        const size_t meio = (static_cast<size_t>(11) * img->largura + 12) * 3;
        const int r = img->rgb[meio], b = img->rgb[meio + 2];
        EXPECT_GT(c.vermelha ? r - b : b - r, 60) << c.chave;
    }
    const auto mascara = imagem(gb::kImagemMascaraBolinha);
    ASSERT_NE(mascara, nullptr);
    EXPECT_EQ(mascara->largura, gb::kLarguraItem);
    EXPECT_EQ(mascara->altura, gb::kAlturaItem);
    EXPECT_GT(brilho(*mascara, 12, 11), 240);
    EXPECT_LT(brilho(*mascara, 0, 0), 30);
    EXPECT_LT(brilho(*mascara, 23, 0), 30);
}

}  // namespace
