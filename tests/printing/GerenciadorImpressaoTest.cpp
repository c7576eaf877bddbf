// The page layout on recorded pages: metrics, rows of diagrams, one diagram's
// grid, dots and labels, the sheet text and its pages, the preview's sizes
// and pens, and printing through the dialog.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "LeituraDiagrama.h"
#include "core/Fachada.h"
#include "fakes/JanelaPrincipalFalsa.h"
#include "fakes/SuperficieGravada.h"
#include "instruments/InstrumentoCordas.h"
#include "printing/GerenciadorImpressao.h"
#include "support/IdiomaDeTeste.h"
#include "support/InstrumentosDeTeste.h"

namespace {

using Casas = std::vector<int32_t>;
constexpr int X = -1;

const InstrumentoCordas kViolao("Guitar", "", 6, 14, 3, 24, {40, 45, 50, 55, 59, 64}, true);
const InstrumentoCordas kCavaquinho("Cavaquinho", "", 4, 14, 3, 24, {62, 67, 71, 76}, false);

PosicaoHarmonicaInstrumentoCordas dedilhado(const std::string& nome, const Casas& casas, const Casas& dedos) {
    return PosicaoHarmonicaInstrumentoCordas(nome, casas, dedos);
}

ListaImpressao listaDe(const std::vector<PosicaoHarmonicaInstrumentoCordas>& dedilhados) {
    ListaImpressao lista;
    for (const auto& d : dedilhados) lista.addElement(&d);
    return lista;
}

ListaImpressao listaDeDoMaior(int quantos) {
    return listaDe(std::vector(static_cast<size_t>(quantos), dedilhado("C", {X, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0})));
}

class GerenciadorImpressaoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(idioma.carregado()); }

    // Prints on the recording printer; its pages are kept in `impressora`.
    void imprimir(int conteudo, int rotulo, const std::string& texto, const ListaImpressao& lista,
                  const InstrumentoCordas& instrumento = kViolao) {
        impressao.imprimirEm(impressora, conteudo, rotulo, texto, instrumento, lista);
    }
    const SuperficieGravada& pagina(size_t i = 0) const { return *impressora.paginas.at(i); }

    // The chord names of the first page, grouped into rows by their height.
    std::vector<int> diagramasPorLinha(const SuperficieGravada& p) const {
        std::map<int, int> linhas;
        for (const auto& t : p.deTipo(TipoDesenho::Texto)) {
            if (t.fonte == "Times New Roman" && t.texto == "C") ++linhas[t.y1];
        }
        std::vector<int> tamanhos;
        for (const auto& [y, n] : linhas) tamanhos.push_back(n);
        return tamanhos;
    }

    IdiomaDeTeste idioma;
    GerenciadorImpressao impressao{"Brelvio", "https://www.brelvio.com"};
    ImpressoraGravada impressora;
};

TEST_F(GerenciadorImpressaoTest, MetricasSaoFracoesDaLarguraDaPagina) {
    const auto m = GerenciadorImpressao::calcularMetricas(2892, 3742, true, 100);
    EXPECT_EQ(m.margem, 200);
    EXPECT_EQ(m.alturaCelula, 420);
    EXPECT_EQ(m.larguraCelula, 330);
    EXPECT_EQ(m.alturaLinhaTexto, 65);
    EXPECT_EQ(m.fonteTitulo, 150);
    EXPECT_EQ(m.fonteEndereco, 100);
    EXPECT_DOUBLE_EQ(m.fonteRotulo, 52.5);
    EXPECT_EQ(m.caneta, 2);
    EXPECT_EQ(m.folga, 10);
    // Integer division of the product, not of the fraction.
    const auto pequena = GerenciadorImpressao::calcularMetricas(360, 466, false, 100);
    EXPECT_EQ(pequena.margem, 24);
    EXPECT_EQ(pequena.larguraCelula, 41);
    EXPECT_EQ(pequena.alturaCelula, 52);
}

TEST_F(GerenciadorImpressaoTest, DiagramasEmLinhasQueDiferemDeUmNoMaximo) {
    struct Caso {
        int diagramas;
        std::vector<int> linhas;
    };
    const Caso casos[] = {{10, {4, 3, 3}}, {5, {3, 2}}, {4, {4}}, {1, {1}}, {9, {3, 3, 3}}, {0, {}}};
    for (const auto& caso : casos) {
        EXPECT_EQ(GerenciadorImpressao::dividirLinhas(caso.diagramas, 4), caso.linhas) << caso.diagramas;
        imprimir(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, "", listaDeDoMaior(caso.diagramas));
        EXPECT_EQ(diagramasPorLinha(pagina()), caso.linhas) << caso.diagramas;
        EXPECT_EQ(impressora.paginas.size(), 1u);
    }
}

TEST_F(GerenciadorImpressaoTest, CabecalhoCentradoEDiagramasQuePassamDaPaginaContinuamNoTopo) {
    // 20 diagrams are five rows of 4; a row is 1.8 cell heights (756 units),
    // and three fit below the header.
    imprimir(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, "", listaDeDoMaior(20));
    ASSERT_EQ(impressora.paginas.size(), 2u);
    EXPECT_EQ(impressao.getNumeroPaginas(), 2);
    const Desenho* titulo = pagina(0).texto("Brelvio");
    ASSERT_NE(titulo, nullptr);
    EXPECT_EQ(titulo->y1, 200);
    EXPECT_EQ(titulo->alturaFonte, 150);
    EXPECT_NEAR((titulo->x1 + titulo->x2) / 2.0, 2892 / 2.0, 1.0);
    const Desenho* endereco = pagina(0).texto("https://www.brelvio.com");
    ASSERT_NE(endereco, nullptr);
    EXPECT_EQ(endereco->y1, 200 + 150 + 20);
    EXPECT_EQ(diagramasPorLinha(pagina(0)), (std::vector<int>{4, 4, 4}));
    EXPECT_EQ(diagramasPorLinha(pagina(1)), (std::vector<int>{4, 4}));
    EXPECT_EQ(pagina(1).texto("Brelvio"), nullptr);
    // The row starts at the top margin; its name a third of a fret space lower.
    EXPECT_EQ(pagina(1).texto("C")->y1, 200 + 84 / 3);
    EXPECT_TRUE(impressora.terminado);
}

TEST_F(GerenciadorImpressaoTest, DiagramaDaPestanaComecaNaPrimeiraCasaComNumeroRomano) {
    struct Caso {
        Casas casas, dedos;
        std::string romano;  // empty: drawn from the nut
        std::map<int, int> espacos;  // string -> fret space of its dot (0 above the nut)
    };
    const Caso casos[] = {
        // Frets 5 to 7: label "V", fret 5 in the first space.
        {{X, 5, 7, 7, 7, 5}, {0, 1, 3, 3, 3, 1}, "V", {{1, 1}, {2, 3}, {3, 3}, {4, 3}, {5, 1}}},
        // Frets 5 to 8: still "V".
        {{X, X, 5, 7, 8, 5}, {0, 0, 1, 2, 4, 1}, "V", {{2, 1}, {3, 3}, {4, 4}, {5, 1}}},
        // Highest fret 4: from the nut, no label.
        {{X, 4, 2, 2, 2, 0}, {0, 4, 1, 1, 1, 0}, "", {{1, 4}, {2, 2}, {3, 2}, {4, 2}, {5, 0}}},
        {{X, X, 12, 12, 12, 10}, {0, 0, 2, 3, 4, 1}, "X", {{2, 3}, {3, 3}, {4, 3}, {5, 1}}},
    };
    for (const auto& caso : casos) {
        imprimir(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, "",
                 listaDe({dedilhado("A", caso.casas, caso.dedos)}));
        const DiagramaLido d = lerDiagrama(pagina());
        std::map<int, int> espacos;
        for (const auto& [corda, ponto] : d.pontos) espacos[corda] = d.espacoDe(ponto);
        EXPECT_EQ(espacos, caso.espacos) << caso.romano;
        const std::vector<std::string> romanos = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};
        std::string achado;
        for (const auto& t : pagina().deTipo(TipoDesenho::Texto)) {
            if (std::find(romanos.begin(), romanos.end(), t.texto) != romanos.end()) {
                achado = t.texto;
                // Right of it the nut side of the grid, its middle on the first space.
                EXPECT_LT(t.x2, d.xCorda0);
                EXPECT_NEAR((t.y1 + t.y2) / 2.0, d.topoGrade + d.espacoCasas / 2, 1.0);
            }
        }
        EXPECT_EQ(achado, caso.romano);
    }
}

TEST_F(GerenciadorImpressaoTest, NumerosRomanosDasCasas) {
    const std::vector<std::string> esperados = {"",   "I",  "II",  "III",  "IV",  "V",   "VI",   "VII",
                                                "VIII", "IX", "X", "XI", "XII", "XIII", "XIV", "XV"};
    for (int i = 0; i < static_cast<int>(esperados.size()); ++i) {
        EXPECT_EQ(GerenciadorImpressao::numeroRomano(i), esperados[static_cast<size_t>(i)]);
    }
}

TEST_F(GerenciadorImpressaoTest, CordasSoltasTemCirculoVazioSobreOPestanaEAbafadasNada) {
    imprimir(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, "",
             listaDe({dedilhado("C", {X, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0})}));
    const DiagramaLido d = lerDiagrama(pagina());
    ASSERT_EQ(d.pontos.size(), 5u);
    EXPECT_EQ(d.pontos.count(0), 0u);
    for (const int solta : {3, 5}) {
        const PontoLido& p = d.pontos.at(solta);
        EXPECT_EQ(p.rotulo, "");
        EXPECT_EQ(p.topo + p.diametro, d.topoGrade);  // resting on the nut
    }
    const std::map<int, std::string> dedos = {{1, "3"}, {2, "2"}, {4, "1"}};
    for (const auto& [corda, dedo] : dedos) {
        EXPECT_EQ(d.pontos.at(corda).rotulo, dedo);
        EXPECT_EQ(d.pontos.at(corda).fonteRotulo, "Arial");
        EXPECT_EQ(d.pontos.at(corda).alturaRotulo, 52);
    }
    EXPECT_EQ(d.espacoDe(d.pontos.at(1)), 3);
    // The grid: six fret lines across, six strings graded from thick to thin.
    EXPECT_EQ(d.canetasCasas, std::vector<int>(6, 2));
    EXPECT_EQ(d.canetasCordas, (std::vector<int>{7, 5, 4, 3, 3, 2}));
    EXPECT_NEAR(d.espacoCordas, 66, 1);
}

TEST_F(GerenciadorImpressaoTest, NotaSemDedoAindaFicaNaSuaCasa) {
    // Fingers not assigned yet (0) on stopped strings.
    imprimir(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, "",
             listaDe({dedilhado("C", {X, 3, 2, 0, 1, 0}, {0, 0, 0, 0, 0, 0})}));
    const DiagramaLido d = lerDiagrama(pagina());
    EXPECT_EQ(d.espacoDe(d.pontos.at(1)), 3);
    EXPECT_EQ(d.espacoDe(d.pontos.at(4)), 1);
    EXPECT_EQ(d.espacoDe(d.pontos.at(3)), 0);
}

TEST_F(GerenciadorImpressaoTest, RotulosPorDedoNotaOuIntervalo) {
    struct Caso {
        int rotulo;
        std::map<int, std::string> textos;
        int altura;  // font height of the labels
    };
    // E major 022100: root E on the lowest string.
    const Caso casos[] = {
        {GerenciadorImpressao::kDedos, {{0, ""}, {1, "2"}, {2, "3"}, {3, "1"}, {4, ""}, {5, ""}}, 52},
        {GerenciadorImpressao::kNotas, {{0, "E"}, {1, "B"}, {2, "E"}, {3, "G#"}, {4, "B"}, {5, "E"}}, 42},
        {GerenciadorImpressao::kIntervalos, {{0, "T"}, {1, "5"}, {2, "T"}, {3, "3M"}, {4, "5"}, {5, "T"}}, 36},
    };
    for (const auto& caso : casos) {
        imprimir(GerenciadorImpressao::kDiagramas, caso.rotulo, "",
                 listaDe({dedilhado("E", {0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0})}));
        const DiagramaLido d = lerDiagrama(pagina());
        std::map<int, std::string> textos;
        for (const auto& [corda, ponto] : d.pontos) {
            textos[corda] = ponto.rotulo;
            if (!ponto.rotulo.empty()) EXPECT_EQ(ponto.alturaRotulo, caso.altura);
        }
        EXPECT_EQ(textos, caso.textos) << caso.rotulo;
    }
}

TEST_F(GerenciadorImpressaoTest, IntervalosContamDaTonicaDoNomeNaCordaMaisAguda) {
    // A minor on the cavaquinho, named: root A found on the highest string that
    // plays it; and a name no one can read leaves the dots unlabelled.
    struct Caso {
        std::string nome;
        std::map<int, std::string> textos;
    };
    const Caso casos[] = {
        {"Am", {{0, "5"}, {1, "T"}, {2, "3m"}, {3, "5"}}},
        {"??", {{0, ""}, {1, ""}, {2, ""}, {3, ""}}},
    };
    for (const auto& caso : casos) {
        // D G B E tuned: 2 2 1 0 is E A C E.
        imprimir(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kIntervalos, "",
                 listaDe({dedilhado(caso.nome, {2, 2, 1, 0}, {2, 3, 1, 0})}), kCavaquinho);
        const DiagramaLido d = lerDiagrama(pagina());
        std::map<int, std::string> textos;
        for (const auto& [corda, ponto] : d.pontos) textos[corda] = ponto.rotulo;
        EXPECT_EQ(textos, caso.textos) << caso.nome;
        EXPECT_EQ(d.canetasCordas.size(), 4u);
    }
}

TEST_F(GerenciadorImpressaoTest, LinhasDoTextoGuardamLinhasEmBrancoEntreQuebrasDeLinha) {
    struct Caso {
        std::string texto;
        std::vector<std::string> linhas;
    };
    const Caso casos[] = {
        {"Am\n\nC", {"Am", " ", "C"}},
        {"Am\n\n\nC", {"Am", " ", " ", "C"}},
        // A carriage return between the line feeds: the empty line goes.
        {"Am\r\n\r\nC\r\n", {"Am", "C"}},
        {"\tAm\tC", {"  Am  C"}},
        {"", {}},
    };
    for (const auto& caso : casos) EXPECT_EQ(GerenciadorImpressao::linhasTexto(caso.texto), caso.linhas);
}

TEST_F(GerenciadorImpressaoTest, TextoLongoContinuaNaPaginaSeguinteSemCabecalhoComMolduraEmCada) {
    std::string texto;
    for (int i = 1; i <= 60; ++i) texto += "line " + std::to_string(i) + "\n";
    imprimir(GerenciadorImpressao::kTexto, GerenciadorImpressao::kDedos, texto, ListaImpressao());
    ASSERT_EQ(impressora.paginas.size(), 2u);
    // Header 200..490, a gap of 120: the block starts at 610 and a line is 85.
    const Desenho* primeira = pagina(0).texto("line 1");
    ASSERT_NE(primeira, nullptr);
    EXPECT_EQ(primeira->y1, 610);
    EXPECT_EQ(primeira->x1, 200);
    EXPECT_EQ(primeira->fonte, "Courier New");
    EXPECT_EQ(primeira->alturaFonte, 65);
    // The last line that fits has its foot above the bottom margin.
    int ultimaNaPrimeira = 0;
    for (const auto& t : pagina(0).deTipo(TipoDesenho::Texto)) {
        if (t.fonte == "Courier New") {
            ++ultimaNaPrimeira;
            EXPECT_LE(t.y2, 3742 - 200);
        }
    }
    const Desenho* continuacao = pagina(1).texto("line " + std::to_string(ultimaNaPrimeira + 1));
    ASSERT_NE(continuacao, nullptr);
    EXPECT_EQ(continuacao->y1, 200);
    EXPECT_EQ(pagina(1).texto("Brelvio"), nullptr);
    ASSERT_NE(pagina(1).texto("line 60"), nullptr);
    // Each page frames its own lines.
    const auto molduras0 = pagina(0).deTipo(TipoDesenho::Retangulo);
    const auto molduras1 = pagina(1).deTipo(TipoDesenho::Retangulo);
    ASSERT_EQ(molduras0.size(), 1u);
    ASSERT_EQ(molduras1.size(), 1u);
    EXPECT_EQ(molduras0[0].y1, 610);
    EXPECT_EQ(molduras0[0].y2, 610 + ultimaNaPrimeira * 85);
    EXPECT_EQ(molduras1[0].y1, 200);
    EXPECT_EQ(molduras1[0].y2, 200 + (60 - ultimaNaPrimeira) * 85);
    EXPECT_EQ(molduras1[0].x1, 200);
    EXPECT_EQ(molduras1[0].x2, 2892 - 200);
}

TEST_F(GerenciadorImpressaoTest, ConteudoEscolheTextoDiagramasOuAmbos) {
    struct Caso {
        int conteudo;
        bool texto, diagramas;
    };
    const Caso casos[] = {{0, true, true}, {1, false, true}, {2, true, false}, {3, true, false}};
    for (const auto& caso : casos) {
        imprimir(caso.conteudo, GerenciadorImpressao::kDedos, "Am  C\nla la", listaDeDoMaior(2));
        EXPECT_EQ(pagina().texto("Am  C") != nullptr, caso.texto) << caso.conteudo;
        EXPECT_EQ(pagina().texto("C") != nullptr, caso.diagramas) << caso.conteudo;
        if (caso.texto && caso.diagramas) {
            // The diagrams come below the framed text, a gap apart.
            EXPECT_GT(pagina().texto("C")->y1, pagina().deTipo(TipoDesenho::Retangulo).at(0).y2 + 120);
        }
    }
}

TEST_F(GerenciadorImpressaoTest, VisualizacaoCopiaAPaginaDaImpressoraEmEscalaComCanetaProporcional) {
    struct Caso {
        std::optional<TamanhoPagina> impressora;
        int zoom;
        TamanhoPagina pagina;
        int caneta;
        std::vector<int> cordas;  // graded, none wider than a quarter of the spacing
    };
    const Caso casos[] = {
        {TamanhoPagina{4800, 6600}, 100, {360, 495}, 2, {2, 2, 2, 2, 2, 2}},
        {TamanhoPagina{4800, 6600}, 200, {720, 990}, 4, {4, 4, 4, 3, 3, 2}},
        {TamanhoPagina{2892, 3742}, 300, {1080, 1397}, 6, {6, 5, 4, 3, 3, 2}},
        // No printer: the fixed page.
        {std::nullopt, 100, {360, 471}, 2, {2, 2, 2, 2, 2, 2}},
        {std::nullopt, 200, {720, 942}, 4, {4, 4, 4, 3, 3, 2}},
    };
    VisualizacaoFalsa janela;
    for (const auto& caso : casos) {
        janela.impressora = caso.impressora;
        impressao.visualizar(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, 1, caso.zoom, "",
                             kViolao, listaDeDoMaior(1));
        EXPECT_EQ(janela.tamanho, caso.pagina) << caso.zoom;
        EXPECT_EQ(janela.contagem, 1);
        const DiagramaLido d = lerDiagrama(dynamic_cast<const SuperficieGravada&>(*janela.mostrada));
        EXPECT_EQ(d.canetasCasas, std::vector<int>(6, caso.caneta));
        EXPECT_EQ(d.canetasCordas, caso.cordas) << caso.zoom;
        for (const auto& [corda, ponto] : d.pontos) EXPECT_EQ(ponto.caneta, caso.caneta);
    }
}

TEST_F(GerenciadorImpressaoTest, MostrarPaginaUsaAsPaginasFeitasOuRefazNoNovoZoom) {
    InstrumentosDeTeste instrumentos(idioma.plataforma());
    instrumentos.gerenciador().setInstrumento(0);
    JanelaPrincipalFalsa principal;
    for (int i = 0; i < 30; ++i) principal.listaImpressao.addElement(&*listaDeDoMaior(1).getElement(0));
    VisualizacaoFalsa janela;
    impressao.visualizar(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, 2, 100, "",
                         *instrumentos.gerenciador().getInstrumentoAtual(), principal.listaImpressao);
    ASSERT_EQ(janela.contagem, 2);
    EXPECT_EQ(janela.mostrada, impressao.getPaginas()[1].get());
    const SuperficieDesenho* primeira = impressao.getPaginas()[0].get();

    impressao.mostrarPagina(1, 100);
    EXPECT_EQ(janela.mostrada, primeira);
    // Past the end: the last page.
    impressao.mostrarPagina(7, 100);
    EXPECT_EQ(janela.mostrada, impressao.getPaginas()[1].get());

    impressao.mostrarPagina(2, 300);
    EXPECT_EQ(impressao.getZoom(), 300);
    EXPECT_EQ(janela.tamanho.largura, 1080);
    EXPECT_EQ(janela.mostrada, impressao.getPaginas()[1].get());
}

TEST_F(GerenciadorImpressaoTest, ImprimirPeloDialogoCanceladoOuComFalhaAvisada) {
    const ListaImpressao lista = listaDeDoMaior(3);
    DialogoImpressaoFalso cancelado(nullptr);
    impressao.imprimir(cancelado, 1, 0, "", kViolao, lista);
    EXPECT_EQ(cancelado.vezes, 1);
    EXPECT_FALSE(impressora.iniciado);

    DialogoImpressaoFalso confirmado(&impressora);
    impressao.imprimir(confirmado, 1, 0, "", kViolao, lista);
    EXPECT_TRUE(impressora.terminado);
    EXPECT_EQ(diagramasPorLinha(pagina()), (std::vector<int>{3}));
    EXPECT_TRUE(idioma.plataforma().mensagens().empty());

    impressora.falhaAoIniciar = true;
    impressao.imprimir(confirmado, 1, 0, "", kViolao, lista);
    ASSERT_EQ(idioma.plataforma().mensagens().size(), 1u);
    EXPECT_EQ(idioma.plataforma().mensagens()[0].texto, idioma.idiomas().getTexto("fmImpressao", "erroImpressora"));
    EXPECT_EQ(idioma.plataforma().mensagens()[0].titulo, "");
}

TEST_F(GerenciadorImpressaoTest, FachadaImprimeECopiaAListaDaJanelaPrincipalEOTexto) {
    InstrumentosDeTeste instrumentos(idioma.plataforma());
    instrumentos.gerenciador().setInstrumento(0);
    GerenciadorImpressao::substituirInstancia(std::make_unique<GerenciadorImpressao>());
    JanelaPrincipalFalsa principal;
    principal.listaImpressao = listaDeDoMaior(5);
    Fachada& fachada = *Fachada::getInstancia();
    fachada.setTextoImpressao("Am  C\nla la la");
    EXPECT_EQ(fachada.getTextoImpressao(), "Am  C\nla la la");

    DialogoImpressaoFalso dialogo(&impressora);
    fachada.imprimir(dialogo, GerenciadorImpressao::kTextoEDiagramas, GerenciadorImpressao::kNotas);
    EXPECT_EQ(diagramasPorLinha(pagina()), (std::vector<int>{3, 2}));
    EXPECT_NE(pagina().texto("la la la"), nullptr);
    EXPECT_NE(pagina().texto(idioma.idiomas().getTexto("parametros", "urlVantor")), nullptr);

    VisualizacaoFalsa janela;
    fachada.visualizar(GerenciadorImpressao::kDiagramas, GerenciadorImpressao::kDedos, 1, 300);
    EXPECT_EQ(janela.exibicoes, 1);
    EXPECT_EQ(GerenciadorImpressao::getInstancia()->getZoom(), 100);
    EXPECT_EQ(janela.tamanho.largura, 360);
    GerenciadorImpressao::substituirInstancia(nullptr);
}

}  // namespace
