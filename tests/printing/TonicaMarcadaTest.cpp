// The root a user marks on the fretboard is the one the printed intervals
// count from: print and fretboard number the strings alike.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "LeituraDiagrama.h"
#include "fakes/SuperficieGravada.h"
#include "printing/GerenciadorImpressao.h"
#include "ui/AmbienteBraco.h"

namespace {

TEST(TonicaMarcadaTest, IntervalosImpressosIguaisAosDoBraco) {
    AmbienteBraco ambiente;
    ObservadorBracoFalso observador;
    ModeloBraco braco{&observador, false, 0};
    braco.setModoVisualizacao(GerenciadorImpressao::kIntervalos);
    const auto ponto = [&](int corda, int casa) {
        return std::pair{braco.getXCasas().at(static_cast<size_t>(casa)), braco.getYCordas().at(static_cast<size_t>(corda))};
    };
    // C major x32010, then each sounding note in turn chosen as the root.
    for (const auto& [corda, casa] : {std::pair{1, 3}, {2, 2}, {3, 0}, {4, 1}, {5, 0}}) {
        const auto [x, y] = ponto(corda, casa);
        braco.clicar(x, y);
    }
    for (const auto& [corda, casa] : {std::pair{2, 2}, {3, 0}, {4, 1}, {1, 3}}) {
        const auto [x, y] = ponto(corda, casa);
        ASSERT_TRUE(braco.escolherTonica(x, y));
        ASSERT_EQ(braco.getPosicao()->getCordaMarcada(), corda);

        ListaImpressao lista;
        lista.addElement(braco.getPosicao());
        GerenciadorImpressao impressao("Brelvio", "");
        ImpressoraGravada impressora;
        impressao.imprimirEm(impressora, GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kIntervalos, "",
                             *ambiente.fachada.getInstrumentoAtual(), lista);
        const DiagramaLido d = lerDiagrama(*impressora.paginas.at(0));
        std::map<int, std::string> impressos, noBraco;
        for (const auto& [s, p] : d.pontos) {
            impressos[s] = p.rotulo;
            noBraco[s] = braco.item(TipoItemBraco::RotuloIntervalo, s).texto;
        }
        EXPECT_EQ(impressos.size(), 5u);
        EXPECT_EQ(impressos, noBraco) << "root on string " << corda;
        EXPECT_EQ(impressos.at(corda), "T");
    }
}

}  // namespace
