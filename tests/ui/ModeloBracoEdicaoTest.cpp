// Editing the fingering with the mouse: placing dots, the dot menu, naming
// the neck through the chord manager, and the new-root notice with its timer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmbienteBraco.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

using Casas = std::vector<int32_t>;
constexpr int X = -1;

// Six-string guitar, orientation 0: centres of frets 0..5 and strings 0..5.
constexpr int kX[] = {787, 736, 679, 620, 568, 515};
constexpr int kY[] = {101, 125, 149, 173, 197, 221};
constexpr int kXDe(int casa) {
    constexpr int todos[] = {787, 736, 679, 620, 568, 515, 468, 425, 380, 337, 296, 257, 219};
    return todos[casa];
}

class ModeloBracoEdicaoTest : public ::testing::Test {
protected:
    bool clicar(int corda, int casa) { return braco.clicar(kX[casa], kY[corda]); }
    bool tonica(int corda, int casa) { return braco.escolherTonica(kX[casa], kY[corda]); }
    bool deletar(int corda, int casa) { return braco.deletarBolinha(kX[casa], kY[corda]); }
    Casas casas() const { return braco.getPosicao()->getCasas(); }
    std::pair<int, int> marcada() const {
        return {braco.getPosicao()->getCordaMarcada(), braco.getPosicao()->getCasaMarcada()};
    }
    // C major, x32010, placed dot by dot from the top string down.
    void montarDoMaior() {
        for (const auto& [corda, casa] : {std::pair{1, 3}, {2, 2}, {3, 0}, {4, 1}, {5, 0}}) clicar(corda, casa);
    }

    AmbienteBraco ambiente;
    ObservadorBracoFalso observador;
    ModeloBraco braco{&observador, false, 0};
};

TEST_F(ModeloBracoEdicaoTest, PrimeiroCliqueViraTonicaSemAviso) {
    EXPECT_FALSE(braco.temNotaSoando());
    EXPECT_TRUE(clicar(2, 3));
    EXPECT_EQ(casas(), (Casas{X, X, 3, X, X, X}));
    EXPECT_EQ(braco.getPosicao()->getDedos()[2], 1);  // the finger assignment's
    EXPECT_EQ(marcada(), (std::pair{2, 3}));
    EXPECT_TRUE(braco.item(TipoItemBraco::Bolinha, 2).visivel);
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 2).imagem, "imgBolinhaVermelha");
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 2).retangulo, (Retangulo{608, 138, 24, 23}));
    EXPECT_FALSE(braco.avisoVisivel());
    EXPECT_TRUE(observador.temporizadores.empty());
}

TEST_F(ModeloBracoEdicaoTest, CliqueForaDasCordasNaoMudaNada) {
    clicar(2, 3);
    EXPECT_FALSE(braco.clicar(400, 20));    // above every string
    EXPECT_FALSE(braco.clicar(760, 101));   // between the nut and fret 1
    EXPECT_EQ(casas(), (Casas{X, X, 3, X, X, X}));
    // A dot that is already there: a hit, and nothing changes.
    EXPECT_TRUE(clicar(2, 3));
    EXPECT_EQ(casas(), (Casas{X, X, 3, X, X, X}));
}

TEST_F(ModeloBracoEdicaoTest, ONomeDoBracoVemDoGerenciadorDeAcordes) {
    montarDoMaior();
    EXPECT_EQ(casas(), (Casas{X, 3, 2, 0, 1, 0}));
    EXPECT_EQ(braco.getPosicao()->getNome(), "C");
    EXPECT_EQ(marcada(), (std::pair{1, 3}));
    // The main window then selects that chord through the facade.
    EXPECT_TRUE(ambiente.fachada.setAcorde(braco.getPosicao()->getNome().c_str()));
    EXPECT_EQ(ambiente.fachada.getNomeAcordeAtual(), "C");
    // Interval labels count from the root the user sees in red.
    EXPECT_EQ(braco.item(TipoItemBraco::RotuloIntervalo, 2).texto, "3M");
    EXPECT_EQ(braco.item(TipoItemBraco::RotuloIntervalo, 3).texto, "5");
}

TEST_F(ModeloBracoEdicaoTest, NotaAbaixoDaTonicaMudaATonicaEAvisa) {
    clicar(2, 3);  // F
    clicar(3, 2);  // A, above: the root stays
    EXPECT_EQ(marcada(), (std::pair{2, 3}));
    EXPECT_FALSE(braco.avisoVisivel());
    clicar(1, 3);  // C on a lower string
    EXPECT_EQ(marcada(), (std::pair{1, 3}));
    EXPECT_TRUE(braco.avisoVisivel());
    EXPECT_EQ(observador.temporizadores, (std::vector<int>{2000}));
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 1).imagem, "imgBolinhaVermelha");
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 2).imagem, "imgBolinhaAzul");
    braco.temporizadorDisparou();
    EXPECT_FALSE(braco.avisoVisivel());
}

TEST_F(ModeloBracoEdicaoTest, TonicaEscolhidaDuraAteAProximaMudanca) {
    montarDoMaior();
    observador.temporizadores.clear();
    EXPECT_TRUE(tonica(3, 0));  // G as the root
    EXPECT_EQ(marcada(), (std::pair{3, 0}));
    EXPECT_TRUE(braco.getTonicaEscolhida());
    EXPECT_EQ(braco.getPosicao()->getNome(), ambiente.fachada.nomearAcorde({X, 48, 52, 55, 60, 64}, 55));
    EXPECT_EQ(observador.temporizadores, (std::vector<int>{2000}));
    EXPECT_EQ(braco.item(TipoItemBraco::RotuloIntervalo, 1).texto, "4");

    clicar(0, 3);  // G on the low string: the chosen root is kept
    EXPECT_EQ(marcada(), (std::pair{3, 0}));
    EXPECT_FALSE(braco.getTonicaEscolhida());
    clicar(4, 0);  // the next edit recomputes the root from the lowest string
    EXPECT_EQ(marcada(), (std::pair{0, 3}));
}

TEST_F(ModeloBracoEdicaoTest, TonicaEscolhidaSegueOsCliquesNaSuaCorda) {
    montarDoMaior();
    tonica(2, 2);
    clicar(2, 4);  // the root's string takes another fret: the root moves with it
    EXPECT_EQ(marcada(), (std::pair{2, 4}));
    EXPECT_EQ(casas(), (Casas{X, 3, 4, 0, 1, 0}));
}

TEST_F(ModeloBracoEdicaoTest, MenuDaBolinhaSoEmBolinhas) {
    montarDoMaior();
    EXPECT_TRUE(braco.temBolinha(kX[3], kY[1]));
    EXPECT_FALSE(braco.temBolinha(kX[2], kY[1]));
    EXPECT_FALSE(braco.temBolinha(kX[0], kY[0]));  // the muted string
    EXPECT_FALSE(tonica(1, 2));
    EXPECT_FALSE(deletar(0, 0));
    EXPECT_FALSE(braco.getTonicaEscolhida());
    EXPECT_EQ(casas(), (Casas{X, 3, 2, 0, 1, 0}));
}

TEST_F(ModeloBracoEdicaoTest, DeletarATonicaPassaAOutraNotaMaisGrave) {
    montarDoMaior();
    observador.temporizadores.clear();
    EXPECT_TRUE(deletar(1, 3));
    EXPECT_EQ(casas(), (Casas{X, X, 2, 0, 1, 0}));
    EXPECT_EQ(braco.getPosicao()->getDedos()[1], 6);
    EXPECT_EQ(marcada(), (std::pair{2, 2}));
    EXPECT_FALSE(braco.item(TipoItemBraco::Bolinha, 1).visivel);
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 2).imagem, "imgBolinhaVermelha");
    EXPECT_EQ(braco.getPosicao()->getNome(), ambiente.fachada.nomearAcorde({X, X, 52, 55, 60, 64}, 52));
    EXPECT_TRUE(braco.avisoVisivel());
    EXPECT_EQ(observador.temporizadores, (std::vector<int>{2000}));

    // Deleting another dot keeps the root and gives no notice.
    braco.temporizadorDisparou();
    EXPECT_TRUE(deletar(5, 0));
    EXPECT_EQ(marcada(), (std::pair{2, 2}));
    EXPECT_FALSE(braco.avisoVisivel());
}

TEST_F(ModeloBracoEdicaoTest, DeletarAUltimaNotaDeixaOBracoSemTonica) {
    clicar(2, 3);
    EXPECT_TRUE(deletar(2, 3));
    EXPECT_FALSE(braco.temNotaSoando());
    EXPECT_EQ(marcada(), (std::pair{-1, -1}));
    for (int s = 0; s < 6; ++s) EXPECT_FALSE(braco.item(TipoItemBraco::Bolinha, s).visivel);
    // No root is left, so there is no new root to announce.
    EXPECT_FALSE(braco.avisoVisivel());
    EXPECT_TRUE(observador.temporizadores.empty());
    // The next dot is the root again, still without a notice.
    clicar(4, 1);
    EXPECT_EQ(marcada(), (std::pair{4, 1}));
    EXPECT_FALSE(braco.avisoVisivel());
}

TEST_F(ModeloBracoEdicaoTest, UmaOrientacaoNovaBuscaOAcordeNoGerenciador) {
    ASSERT_TRUE(ambiente.fachada.setAcorde("Am"));
    braco.mostrarPosicaoAtual();
    braco.setOrientacao(2);
    const auto* atual = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(ambiente.fachada.getPosicaoAcordeAtual());
    ASSERT_NE(atual, nullptr);
    EXPECT_EQ(casas(), atual->getCasas());
    // Dots follow the mirrored neck: string 0 at the bottom, nut on the left.
    const Casas c = casas();
    for (int s = 0; s < 6; ++s) {
        if (c[s] < 0) continue;
        const ItemBraco& bolinha = braco.item(TipoItemBraco::Bolinha, s);
        EXPECT_TRUE(bolinha.visivel) << "string " << s;
        EXPECT_EQ(bolinha.retangulo.esquerda + 12, 792 - kXDe(c[s])) << "string " << s;
        EXPECT_EQ(bolinha.retangulo.topo + 11, kY[5 - s]) << "string " << s;
    }
}

// A four-string neck in orientation 1: string 0 at the bottom (y 198), frets
// of the four-string table; the empty neck's extra strings never show.
TEST(ModeloBracoQuatroCordas, CliquesNoCavaquinho) {
    AmbienteBraco ambiente;
    ambiente.fachada.setInstrumento(ambiente.instrumentoComCordas(4));
    ModeloBraco braco(nullptr, false, 1);
    EXPECT_EQ(braco.cordaEm(221), -1);  // the sixth string of the guitar is not there
    EXPECT_TRUE(braco.clicar(688, 198));  // string 0, fret 2
    EXPECT_TRUE(braco.clicar(634, 126));  // string 3, fret 3
    EXPECT_FALSE(braco.clicar(180, 126));  // beyond fret 12
    const auto casas = braco.getPosicao()->getCasas();
    EXPECT_EQ(casas[0], 2);
    EXPECT_EQ(casas[3], 3);
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 0).retangulo, (Retangulo{676, 187, 24, 23}));
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 3).retangulo, (Retangulo{622, 115, 24, 23}));
    EXPECT_EQ(braco.item(TipoItemBraco::Bolinha, 0).imagem, "imgBolinhaVermelha");
    const auto afinacao = ambiente.fachada.getInstrumentoAtual()->getAfinacao();
    EXPECT_EQ(braco.getPosicao()->getNome(),
              ambiente.fachada.nomearAcorde({afinacao[0] + 2, -1, -1, afinacao[3] + 3, -1, -1}, afinacao[0] + 2));
}

}  // namespace
