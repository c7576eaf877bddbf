#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/base/Excecoes.h"
#include "harmony/AcordeComposto.h"
#include "harmony/BaseAcordes.h"
#include "harmony/BaseAcordesViolao.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "support/IdiomaDeTeste.h"

// The fixtures are written by tests/fixtures/acordes/gerar.py, which spells out
// every record.
namespace {

using Casas = std::vector<int32_t>;

const std::string kPasta = std::string(BRELVIO_FIXTURES_DIR) + "/acordes/";
constexpr int X = -1;
constexpr int M = PosicaoHarmonicaInstrumentoCordas::kDedoAbafada;

const PosicaoHarmonicaInstrumentoCordas& posicao(const BaseAcordes& base, int acorde, int i) {
    const auto* p = base.getAcordeComposto(acorde)->getPosicoes().getElement(i);
    return *dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(p);
}

std::vector<std::string> nomes(const BaseAcordes& base) { return {base.getNomes().begin(), base.getNomes().end()}; }

class BaseAcordesTest : public ::testing::Test {
protected:
    IdiomaDeTeste idioma{"English"};
    BaseAcordesViolao base;
};

TEST_F(BaseAcordesTest, LeCadaRegistroByteAByteEOrdenaPeloNome) {
    base.carregarBase(kPasta + "pequena.dat");

    // Naturals before the same letter with an accidental; "º" (0xBA, negative
    // as a signed byte) before ASCII.
    const std::vector<std::string> esperado = {"A7", "A#", "B", "C", "C\xBA", "Cm", "C#", "Db",
                                               "G7(b9/#9/11/#11/13/b13)(b5)/Bx"};
    ASSERT_EQ(nomes(base), esperado);
    ASSERT_EQ(base.tamanho(), 9);
    for (int i = 0; i < base.tamanho(); ++i) {
        EXPECT_EQ(base.getAcorde(i)->getNome(), esperado[i]) << i;
        EXPECT_EQ(base.getAcorde(i)->getCodigo(), 0u) << "the manager keeps the codes";
    }

    struct Caso {
        int acorde, posicao;
        Casas casas, dedos;
    };
    const Caso casos[] = {
        {3, 0, {X, 3, 2, 0, 1, 0}, {M, 3, 2, 0, 1, 0}},     // muted with fret nibble 9
        {3, 1, {X, 3, 5, 5, 5, 3}, {M, 1, 3, 3, 3, 1}},     // same name: next in file order
        {3, 2, {8, 10, 10, 9, 8, 8}, {1, 3, 4, 2, 1, 1}},
        {4, 0, {X, 3, 4, 2, 4, X}, {M, 2, 3, 1, 4, M}},
        {5, 0, {X, 3, 5, 5, 4, 3}, {M, 1, 3, 4, 2, 1}},     // unused fields hold 0xFFFF and mask 0
        {6, 0, {X, 4, 6, 6, 6, 4}, {M, 1, 3, 3, 3, 1}},     // finger bytes with bits 6 and 7 set
        {8, 0, {3, X, 3, 4, 3, 4}, {1, M, 1, 2, 1, 3}},     // a 30-character name
    };
    for (const auto& c : casos) {
        const auto& p = posicao(base, c.acorde, c.posicao);
        EXPECT_EQ(p.getCasas(), c.casas) << esperado[c.acorde] << " #" << c.posicao;
        EXPECT_EQ(p.getDedos(), c.dedos) << esperado[c.acorde] << " #" << c.posicao;
        EXPECT_EQ(p.getNome(), esperado[c.acorde]);
    }
    EXPECT_EQ(base.getAcordeComposto(3)->getPosicoes().size(), 3);
    EXPECT_EQ(base.getAcordeComposto(6)->getPosicoes().size(), 1);
}

TEST_F(BaseAcordesTest, ArquivoVazioDaListaVazia) {
    base.carregarBase(kPasta + "vazia.dat");
    EXPECT_EQ(base.tamanho(), 0);
    EXPECT_EQ(base.getNomes().tamanho(), 0);
}

TEST_F(BaseAcordesTest, ArquivoAusenteLevantaFileNotFoundComOTextoDoIdioma) {
    const std::string caminho = kPasta + "nao-existe.dat";
    try {
        base.carregarBase(caminho);
        FAIL() << "no error";
    } catch (const FileNotFoundException& e) {
        EXPECT_EQ(e.getMessage(),
                  GerenciadorIdiomas::getInstancia()->getTexto("exception", "baseAcordesNaoEncontrada") + " '" +
                      caminho + "'");
        EXPECT_EQ(e.item, caminho);
        ASSERT_FALSE(e.getTrace().empty());
        EXPECT_NE(e.getTrace().front().find("BaseAcordes"), std::string::npos);
        EXPECT_NE(e.getTrace().front().find("carregarBase(string)"), std::string::npos);
    }
    EXPECT_FALSE(GerenciadorIdiomas::getInstancia()->getTexto("exception", "baseAcordesNaoEncontrada").empty());
}

// A file that is there but cannot be read.
class PlataformaQueNaoLe : public PlataformaHeadless {
public:
    using PlataformaHeadless::PlataformaHeadless;
    std::string lerArquivo(const std::string& caminho) const override {
        throw FileNotFoundException("sem leitura", caminho, "PlataformaQueNaoLe", "lerArquivo(string)");
    }
};

TEST_F(BaseAcordesTest, ArquivoIlegivelMostraAMensagemEPedeOFim) {
    PlataformaQueNaoLe plataforma(BRELVIO_APP_DIR);
    BaseAcordesViolao ilegivel(plataforma);
    ilegivel.carregarBase(kPasta + "pequena.dat");

    EXPECT_EQ(ilegivel.tamanho(), 0);
    ASSERT_EQ(plataforma.mensagens().size(), 1u);
    const auto* idiomas = GerenciadorIdiomas::getInstancia();
    EXPECT_EQ(plataforma.mensagens()[0].texto, idiomas->getTexto("baseAcordes", "erroAbrirBaseAcordes"));
    EXPECT_EQ(plataforma.mensagens()[0].titulo, idiomas->getTexto("geral", "nomeAplicacao"));
    EXPECT_EQ(plataforma.mensagens()[0].botoes, BotoesMensagem::Ok);
    EXPECT_TRUE(plataforma.encerramentoPedido());
}

TEST_F(BaseAcordesTest, RegistroDefeituosoERejeitadoSemDeixarMeiaLista) {
    struct Caso {
        const char* arquivo;
        const char* motivo;
    };
    const Caso casos[] = {
        {"cortada.dat", "registro 2 (byte 11): cortado pelo fim do arquivo"},
        {"cabecalho_cortado.dat", "registro 2 (byte 11): cortado pelo fim do arquivo"},
        {"nome_longo.dat", "registro 2 (byte 11): nome com 31 caracteres (o m\xE1ximo \xE9 30)"},
        {"nome_vazio.dat", "registro 1 (byte 0): nome vazio"},
        {"controle_no_nome.dat", "registro 1 (byte 0): caractere de controle no nome"},
        {"dedo_invalido.dat", "registro 2 (byte 11): corda 3: dedo 5 inexistente"},
        {"casa_sem_dedo.dat", "registro 1 (byte 0): corda 3: casa 2 presa sem dedo"},
        {"dedo_em_corda_solta.dat", "registro 1 (byte 0): corda 1: dedo em corda solta"},
        {"casa_15.dat", "registro 1 (byte 0): corda 2: casa 15 fora do bra\xE7o"},
    };
    for (const auto& c : casos) {
        const std::string caminho = kPasta + c.arquivo;
        try {
            base.carregarBase(caminho);
            ADD_FAILURE() << c.arquivo << " was read";
        } catch (const DataFormatException& e) {
            EXPECT_EQ(e.getMessage(), "Base de acordes corrompida '" + caminho + "': " + c.motivo) << c.arquivo;
        }
        EXPECT_EQ(base.tamanho(), 0) << c.arquivo;
        EXPECT_EQ(base.getNomes().tamanho(), 0) << c.arquivo;
    }
}

TEST_F(BaseAcordesTest, QualquerSequenciaDeBytesLeOuRejeitaSemQuebrar) {
    const auto pasta = std::filesystem::temp_directory_path() / ("brelvio-acordes-" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    const std::string caminho = (pasta / "base.dat").string();
    std::ifstream in(kPasta + "pequena.dat", std::ios::binary);
    const std::string valida((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::mt19937 gerador(2024);
    int lidas = 0, rejeitadas = 0;
    for (int rodada = 0; rodada < 200; ++rodada) {
        std::string bytes;
        if (rodada % 2 == 0) {
            // A valid file with a few bytes changed, cut or grown.
            bytes = valida;
            for (int k = 0; k < 1 + rodada % 4; ++k) bytes[gerador() % bytes.size()] = static_cast<char>(gerador());
            if (rodada % 3 == 0) bytes.resize(gerador() % bytes.size());
            if (rodada % 5 == 0) bytes += static_cast<char>(gerador());
        } else {
            bytes.resize(gerador() % 160);
            for (char& b : bytes) b = static_cast<char>(gerador());
        }
        std::ofstream(caminho, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());

        BaseAcordesViolao qualquer;
        try {
            qualquer.carregarBase(caminho);
            ++lidas;
            ASSERT_EQ(qualquer.tamanho(), qualquer.getNomes().tamanho());
            for (int i = 0; i < qualquer.tamanho(); ++i) {
                const auto& lista = qualquer.getAcordeComposto(i)->getPosicoes();
                ASSERT_GE(lista.size(), 1);
                for (int j = 0; j < lista.size(); ++j) {
                    const auto& p = *dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(lista.getElement(j));
                    for (int s = 0; s < 6; ++s) {
                        ASSERT_GE(p.getCasas()[s], -1);
                        ASSERT_LE(p.getCasas()[s], BaseAcordesViolao::kMaiorCasa);
                    }
                }
            }
        } catch (const DataFormatException&) {
            ++rejeitadas;
            EXPECT_EQ(qualquer.tamanho(), 0);
        }
    }
    std::filesystem::remove_all(pasta);
    EXPECT_GT(lidas, 0);
    EXPECT_GT(rejeitadas, 0);
}

TEST_F(BaseAcordesTest, AdicionarEOrdenarMantemNomesEAcordesAlinhados) {
    base.carregarBase(kPasta + "pequena.dat");
    Acorde digitado(std::string("Bb7"));
    digitado.setCodigo(12345u);
    base.adicionar(&digitado);
    EXPECT_EQ(base.getNomes().get(base.tamanho() - 1), "Bb7");
    // Appended at the end, not sorted in.
    auto* novo = base.getAcordeComposto(base.tamanho() - 1);
    EXPECT_EQ(novo->getCodigo(), 12345u);
    EXPECT_EQ(novo->getPosicoes().size(), 0);

    PosicaoHarmonicaInstrumentoCordas gerada(Casas{X, 1, 3, 1, 3, 1}, Casas{M, 1, 3, 1, 4, 1});
    base.adicionarPosicaoAcorde(base.tamanho() - 1, &gerada);
    ASSERT_EQ(novo->getPosicoes().size(), 1);
    EXPECT_TRUE(novo->getPosicoes().getElement(0)->igual(&gerada));
    EXPECT_NE(novo->getPosicoes().getElement(0), &gerada) << "a copy";

    base.ordenar();
    const auto lista = nomes(base);
    for (int i = 0; i < base.tamanho(); ++i) EXPECT_EQ(base.getAcorde(i)->getNome(), lista[i]);
    EXPECT_EQ(lista[2], "B");
    EXPECT_EQ(lista[3], "Bb7");
    EXPECT_EQ(base.getAcordeComposto(3)->getPosicoes().size(), 1);
    EXPECT_EQ(base.getAcordeComposto(4)->getPosicoes().size(), 3) << "C keeps its three fingerings";

    EXPECT_EQ(base.getNomes().encontrar("bB7"), 3);
    EXPECT_EQ(base.getNomes().encontrar("c\xBA"), 5);
    EXPECT_EQ(base.getNomes().encontrar("Bb"), -1);
    EXPECT_THROW(base.getAcorde(base.tamanho()), OutOfBoundsException);
    EXPECT_THROW(base.getAcorde(-1), OutOfBoundsException);
    EXPECT_THROW(base.adicionarPosicaoAcorde(base.tamanho(), &gerada), OutOfBoundsException);
    EXPECT_THROW(base.adicionar(nullptr), IllegalArgumentException);
}

TEST(AcordeComposto, CopiaDonaDasPosicoes) {
    ColecaoPtr<PosicaoHarmonica> lista;
    PosicaoHarmonicaInstrumentoCordas c(Casas{X, 3, 2, 0, 1, 0}, Casas{M, 3, 2, 0, 1, 0});
    PosicaoHarmonicaInstrumentoCordas g(Casas{3, 2, 0, 0, 0, 3}, Casas{2, 1, 0, 0, 0, 3});
    lista.addElement(&c);
    AcordeComposto acorde("C", lista);
    lista.addElement(&g);
    EXPECT_EQ(acorde.getNome(), "C");
    EXPECT_EQ(acorde.getCodigo(), 0u);
    ASSERT_EQ(acorde.getPosicoes().size(), 1) << "its own copy of the list";

    acorde.setCodigo(77u);
    std::unique_ptr<Acorde> clone(acorde.clone());
    auto* composto = dynamic_cast<AcordeComposto*>(clone.get());
    ASSERT_NE(composto, nullptr);
    EXPECT_EQ(composto->getCodigo(), 77u);
    ASSERT_EQ(composto->getPosicoes().size(), 1);
    EXPECT_NE(composto->getPosicoes().getElement(0), acorde.getPosicoes().getElement(0));

    AcordeComposto outro("G", lista);
    Acorde& comoAcorde = outro;
    comoAcorde = acorde;  // through the chord interface: the list comes too
    EXPECT_EQ(outro.getNome(), "C");
    EXPECT_EQ(outro.getPosicoes().size(), 1);
    comoAcorde = Acorde(std::string("D"));
    EXPECT_EQ(outro.getNome(), "D");
    EXPECT_EQ(outro.getPosicoes().size(), 0);

    // Equality and order are the chord's.
    EXPECT_TRUE(acorde.igual(composto));
    EXPECT_TRUE(outro.menorQue(&acorde) == false && acorde.menorQue(&outro));
}

}  // namespace
