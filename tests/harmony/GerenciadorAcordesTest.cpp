#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/GeradorInstrumentoCordas.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "support/IdiomaDeTeste.h"

namespace {

using Casas = std::vector<int32_t>;
constexpr int X = -1;

struct Registro {
    std::string nome;
    Casas casas;  // -1 muted
    Casas dedos;
};

// One database record: unused 16-bit field, name, unused mask, frets in
// nibbles, fingers in 3-bit fields (6 for a muted string).
std::string registro(const Registro& r) {
    std::string bytes(2, '\0');
    bytes += static_cast<char>(r.nome.size());
    bytes += r.nome;
    bytes += '\x3F';
    for (int s = 0; s < 6; s += 2) {
        const int a = r.casas[s] < 0 ? 0 : r.casas[s];
        const int b = r.casas[s + 1] < 0 ? 0 : r.casas[s + 1];
        bytes += static_cast<char>(a | (b << 4));
    }
    for (int s = 0; s < 6; s += 2) {
        const int a = r.casas[s] < 0 ? 6 : r.dedos[s];
        const int b = r.casas[s + 1] < 0 ? 6 : r.dedos[s + 1];
        bytes += static_cast<char>(a | (b << 3));
    }
    return bytes;
}

// A small database: C with two stored fingerings, Am with one, and Cmaj7
// written the way no canonical name writes it.
const Registro kBase[] = {
    {"C", {X, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}},
    {"C", {X, 3, 5, 5, 5, 3}, {0, 1, 2, 3, 4, 1}},
    {"Am", {X, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0}},
    {"Cmaj7", {X, 3, 2, 0, 0, 0}, {0, 3, 2, 0, 0, 0}},
};

Casas casasDe(const PosicaoHarmonica* p) {
    return dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(p)->getCasas();
}

class GerenciadorAcordesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(idioma.carregado());
        caminho = ::testing::TempDir() + "acordes_" + std::to_string(::getpid()) + ".dat";
        std::ofstream arquivo(caminho, std::ios::binary);
        for (const auto& r : kBase) arquivo << registro(r);
        arquivo.close();
        GerenciadorInstrumentos::substituirInstancia(GerenciadorInstrumentos::criar(idioma.plataforma()));
        usarInstrumento(0);
        gerenciador = std::make_unique<GerenciadorAcordes>(caminho);
    }
    void TearDown() override {
        GerenciadorInstrumentos::substituirInstancia(nullptr);
        std::remove(caminho.c_str());
    }
    void usarInstrumento(int indice) { GerenciadorInstrumentos::getInstancia()->setInstrumento(indice); }
    int indiceDe(const std::string& nome) const { return gerenciador->getNomesAcordes().encontrar(nome); }
    std::vector<Casas> percorrerTudo() {
        std::vector<Casas> vistas;
        for (int guarda = 0; guarda < 1000; ++guarda) {
            vistas.push_back(casasDe(gerenciador->getPosicaoAcordeAtual()));
            const int antes = gerenciador->getIndicePosicao();
            gerenciador->proximaPosicao();
            if (gerenciador->getIndicePosicao() == antes) break;
        }
        return vistas;
    }

    IdiomaDeTeste idioma{"English"};
    std::string caminho;
    std::unique_ptr<GerenciadorAcordes> gerenciador;
};

TEST_F(GerenciadorAcordesTest, CarregaOrdenaEGuardaOsCodigos) {
    const auto& nomes = gerenciador->getNomesAcordes();
    ASSERT_EQ(nomes.tamanho(), 3);
    EXPECT_EQ(nomes.get(0), "Am");
    EXPECT_EQ(nomes.get(1), "C");
    EXPECT_EQ(nomes.get(2), "Cmaj7");
    const Especialista* e = Especialista::getInstancia();
    for (int i = 0; i < nomes.tamanho(); ++i) EXPECT_EQ(gerenciador->getCodigo(i), e->interpretarCifra(nomes.get(i)));
    EXPECT_EQ(gerenciador->getIndiceAcorde(), -1);
}

TEST_F(GerenciadorAcordesTest, IndicesForaDaListaSaoRecusados) {
    gerenciador->setAcorde(-1);
    gerenciador->setAcorde(2);
    EXPECT_EQ(gerenciador->getIndiceAcorde(), 2);
    EXPECT_EQ(gerenciador->getIndicePosicao(), 0);
    try {
        gerenciador->setAcorde(3);
        FAIL() << "index 3 of 3 accepted";
    } catch (const OutOfBoundsException& e) {
        EXPECT_EQ(e.index, 3);
        EXPECT_EQ(e.getMessage(), idioma.idiomas().getTexto("exception", "indiceInvalido"));
        EXPECT_EQ(e.getTrace().front(), "GerenciadorAcordes::setAcorde(int)");
    }
    EXPECT_THROW(gerenciador->setAcorde(1, 999), OutOfBoundsException);
}

TEST_F(GerenciadorAcordesTest, NoViolaoMostraAsGuardadasPrimeiroDepoisAsGeradasSemRepetir) {
    ASSERT_TRUE(gerenciador->setAcorde("C"));
    const auto vistas = percorrerTudo();
    ASSERT_GT(vistas.size(), 2u);
    // The generator makes the stored fingerings too (its muted strings carry
    // no finger where the database marks them): they are not shown twice.
    EXPECT_EQ(vistas[0], (Casas{X, 3, 2, 0, 1, 0}));
    EXPECT_EQ(vistas[1], (Casas{X, 3, 5, 5, 5, 3}));
    for (size_t i = 0; i < vistas.size(); ++i) {
        for (size_t j = i + 1; j < vistas.size(); ++j) EXPECT_NE(vistas[i], vistas[j]) << i << " and " << j;
    }
    // The generated ones follow in the generator's own order.
    const auto geradas = GeradorInstrumentoCordas::getInstancia()->gerar(gerenciador->getCodigo(indiceDe("C")));
    std::vector<Casas> esperadas;
    for (int i = 0; i < geradas.size(); ++i) {
        const Casas c = casasDe(geradas.getElement(i));
        if (c != vistas[0] && c != vistas[1]) esperadas.push_back(c);
    }
    EXPECT_EQ(std::vector<Casas>(vistas.begin() + 2, vistas.end()), esperadas);

    // At the end of a complete chord, next changes nothing; back at the start, previous neither.
    const int ultima = gerenciador->getIndicePosicao();
    gerenciador->proximaPosicao();
    EXPECT_EQ(gerenciador->getIndicePosicao(), ultima);
    gerenciador->setAcorde(indiceDe("C"), 0);
    gerenciador->posicaoAnterior();
    EXPECT_EQ(gerenciador->getIndicePosicao(), 0);
}

TEST_F(GerenciadorAcordesTest, OutraEscritaDoMesmoAcordeSelecionaOListado) {
    struct Caso {
        const char* digitado;
        const char* listado;
    };
    const Caso casos[] = {
        {"C7M", "Cmaj7"},   // same code, other wording
        {"CMAJ7", "Cmaj7"}, // letter case alone: found by name
        {"am", "Am"},
        {"Amin", "Am"},
    };
    for (const auto& c : casos) {
        ASSERT_TRUE(gerenciador->setAcorde(c.digitado)) << c.digitado;
        EXPECT_EQ(gerenciador->getNomeAcordeAtual(), c.listado) << c.digitado;
        EXPECT_EQ(gerenciador->getNomesAcordes().tamanho(), 3) << c.digitado;
    }
}

TEST_F(GerenciadorAcordesTest, AcordeNovoEntraUmaVezComONomeCanonico) {
    ASSERT_TRUE(gerenciador->setAcorde("Dadd9"));
    ASSERT_EQ(gerenciador->getNomesAcordes().tamanho(), 4);
    EXPECT_EQ(gerenciador->getNomesAcordes().get(3), "Dadd9");
    EXPECT_EQ(gerenciador->getIndiceAcorde(), 3);
    EXPECT_NE(gerenciador->getPosicaoAcordeAtual(), nullptr);

    ASSERT_TRUE(gerenciador->setAcorde("D2"));  // the same chord written otherwise
    EXPECT_EQ(gerenciador->getNomesAcordes().tamanho(), 4);
    EXPECT_EQ(gerenciador->getIndiceAcorde(), 3);
}

TEST_F(GerenciadorAcordesTest, SimboloIlegivelNaoMudaNada) {
    ASSERT_TRUE(gerenciador->setAcorde("Am"));
    gerenciador->proximaPosicao();
    const int posicao = gerenciador->getIndicePosicao();
    for (const char* ruim : {"Cmaj", "H7", "", "C7 "}) {
        EXPECT_FALSE(gerenciador->setAcorde(ruim)) << ruim;
        EXPECT_EQ(gerenciador->getNomeAcordeAtual(), "Am");
        EXPECT_EQ(gerenciador->getIndicePosicao(), posicao);
        EXPECT_EQ(gerenciador->getNomesAcordes().tamanho(), 3);
    }
    EXPECT_FALSE(gerenciador->setAcorde(nullptr));
}

TEST_F(GerenciadorAcordesTest, NoCavaquinhoAsGeradasVemPelaSomaDasCasas) {
    usarInstrumento(1);
    ASSERT_TRUE(gerenciador->setAcorde("C"));
    const auto vistas = percorrerTudo();
    // The cavaquinho's six fingerings of C, lowest fret sum first.
    ASSERT_EQ(vistas.size(), 6u);
    int anterior = 0;
    for (const auto& casas : vistas) {
        int soma = 0;
        for (int c : casas) soma += c > 0 ? c : 0;
        EXPECT_GE(soma, anterior);
        anterior = soma;
        EXPECT_EQ(casas.size(), 4u);
    }
    EXPECT_EQ(vistas.front(), (Casas{10, 0, 8, 0}));
    // The stored guitar fingerings are not shown on the cavaquinho.
    EXPECT_EQ(gerenciador->getNomeAcordeAtual(), "C");
}

TEST_F(GerenciadorAcordesTest, TrocarDeInstrumentoRefazAsPosicoes) {
    gerenciador->setAcorde(indiceDe("C"));
    usarInstrumento(1);
    EXPECT_EQ(casasDe(gerenciador->getPosicaoAcordeAtual()).size(), 4u);
    usarInstrumento(0);
    EXPECT_EQ(casasDe(gerenciador->getPosicaoAcordeAtual()), (Casas{X, 3, 2, 0, 1, 0}));
}

TEST_F(GerenciadorAcordesTest, AcordeSemDedilhadoGanhaUmComTodasAsCordasSoltas) {
    usarInstrumento(1);
    ASSERT_TRUE(gerenciador->setAcorde("C7(b9/#9/11/#11/13)"));
    const auto vistas = percorrerTudo();
    ASSERT_EQ(vistas.size(), 1u);
    EXPECT_EQ(vistas[0], (Casas{X, X, X, X}));
}

TEST_F(GerenciadorAcordesTest, EncontrarPosicao) {
    ASSERT_TRUE(gerenciador->setAcorde("C"));
    // A generated fingering is found, and then shown.
    PosicaoHarmonicaInstrumentoCordas gerada({X, 3, 2, 0, 1, 3}, {0, 3, 2, 0, 1, 4});
    PosicaoHarmonicaInstrumentoCordas nenhuma({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0});
    const auto geradas = GeradorInstrumentoCordas::getInstancia()->gerar(gerenciador->getCodigo(indiceDe("C")));
    bool geradaExiste = false;
    for (int i = 0; i < geradas.size(); ++i) geradaExiste = geradaExiste || geradas.getElement(i)->igual(&gerada);
    ASSERT_TRUE(geradaExiste) << "fixture assumption: the generator makes this fingering";

    EXPECT_TRUE(gerenciador->existePosicao(&gerada));
    EXPECT_EQ(gerenciador->getIndicePosicao(), 0) << "existePosicao does not move";
    EXPECT_TRUE(gerenciador->encontrarPosicao(&gerada));
    EXPECT_EQ(casasDe(gerenciador->getPosicaoAcordeAtual()), gerada.getCasas());

    const int mostrada = gerenciador->getIndicePosicao();
    EXPECT_FALSE(gerenciador->encontrarPosicao(&nenhuma));
    EXPECT_EQ(gerenciador->getIndicePosicao(), mostrada);

    try {
        gerenciador->encontrarPosicao(nullptr);
        FAIL();
    } catch (const IllegalArgumentException& e) {
        EXPECT_EQ(e.getMessage(), "pos \xE9 NULL");
        EXPECT_EQ(e.argument, "NULL");
    }
}

TEST_F(GerenciadorAcordesTest, AdicionarPosicaoSoNoViolao) {
    gerenciador->setAcorde(indiceDe("Am"));
    PosicaoHarmonicaInstrumentoCordas nova({5, 7, 7, 5, 5, 5}, {1, 3, 4, 1, 1, 1});
    gerenciador->adicionarPosicao(&nova);
    gerenciador->setAcorde(indiceDe("Am"), 1);
    EXPECT_EQ(casasDe(gerenciador->getPosicaoAcordeAtual()), nova.getCasas());
    EXPECT_THROW(gerenciador->adicionarPosicao(nullptr), IllegalArgumentException);
}

TEST_F(GerenciadorAcordesTest, RotulosDoAcordeSelecionado) {
    ASSERT_TRUE(gerenciador->setAcorde("Bb7"));
    EXPECT_TRUE(gerenciador->usaBemolAcordeAtual());
    EXPECT_EQ(gerenciador->getClasseRaizAcordeAtual(), 10);
    ASSERT_TRUE(gerenciador->setAcorde("Am"));
    EXPECT_FALSE(gerenciador->usaBemolAcordeAtual());
    EXPECT_EQ(gerenciador->getClasseRaizAcordeAtual(), 9);
}

TEST_F(GerenciadorAcordesTest, NomearAcordePrefereONomeDaBase) {
    struct Caso {
        std::vector<int> notas;
        int raiz;
        const char* nome;
    };
    const Caso casos[] = {
        {{-1, 48, 52, 55, 60, 64}, 48, "C"},
        {{40, 48, 52, 55, 60, 64}, 48, "C/E"},
        {{-1, 45, 52, 57, 60, 64}, 45, "Am"},
        {{-1, 45, 52, 57, 60, 64}, 60, "C(6/13)/A"},
        {{-1, 48, 52, 58, 60, 64}, 48, "C7"},
        {{40, 52, 56, 62, 67, -1}, 52, "E7(#9)"},
        {{-1, 48, 52, 55, 59, 64}, 48, "Cmaj7"},  // listed: the database's wording
        {{-1, 48, 52, 55, 60, 64}, -1, ""},       // no root: nothing to name
    };
    for (const auto& c : casos) EXPECT_EQ(gerenciador->nomearAcorde(c.notas, c.raiz), c.nome) << c.nome;
}

TEST(GerenciadorAcordesSemBaseTest, ArquivoAusenteAvisaEEncerra) {
    IdiomaDeTeste idioma("English");
    GerenciadorAcordes gerenciador(::testing::TempDir() + "nao-existe.dat");
    ASSERT_EQ(idioma.plataforma().mensagens().size(), 1u);
    EXPECT_EQ(idioma.plataforma().mensagens()[0].texto,
              idioma.idiomas().getTexto("exception", "baseAcordesNaoEncontrada"));
    EXPECT_EQ(idioma.plataforma().mensagens()[0].titulo, "");
    EXPECT_TRUE(idioma.plataforma().encerramentoPedido());
    EXPECT_EQ(gerenciador.getNomesAcordes().tamanho(), 0);
}

TEST(GerenciadorAcordesDadosTest, BaseEntregueCarregaNosDoisIdiomas) {
    for (const char* nome : {"English", kPortugues}) {
        IdiomaDeTeste idioma(nome);
        GerenciadorAcordes gerenciador(GerenciadorAcordes::caminhoDaBase());
        EXPECT_TRUE(idioma.plataforma().mensagens().empty()) << nome;
        EXPECT_GT(gerenciador.getNomesAcordes().tamanho(), 400) << nome;
    }
}

}  // namespace
