#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

#include "harmony/InterpreteCifras.h"
#include "instruments/Fingering.h"
#include "instruments/GeradorInstrumentoCordas.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "support/IdiomaDeTeste.h"
#include "support/InstrumentosDeTeste.h"

namespace {

using Sequencia = std::vector<int32_t>;
using Posicao = PosicaoHarmonicaInstrumentoCordas;

// Note names (IndiceNota) used below.
constexpr IndiceNota kC = 0, kD = 3, kE = 6, kF = 7, kG = 10, kA = 13, kBb = 15, kB = 16;

CodigoAcorde codigo(IndiceNota raiz, std::initializer_list<IndiceGrau> graus, IndiceNota baixo = kSemNota) {
    const Especialista& e = *Especialista::getInstancia();
    CodigoAcorde c = 0;
    e.setRaiz(c, raiz);
    for (const IndiceGrau g : graus) e.setGrau(c, g, true);
    if (baixo != kSemNota) e.setBaixo(c, baixo);
    return c;
}

const CodigoAcorde kDoMaior = codigo(kC, {grau::kTercaMaior, grau::kQuinta});

InstrumentoCordas instrumento(int32_t casas, int32_t distancia, Sequencia afinacao) {
    const auto cordas = static_cast<int32_t>(afinacao.size());
    return InstrumentoCordas("teste", "", cordas, casas, distancia, 24, std::move(afinacao), false);
}

const InstrumentoCordas kViolao = instrumento(12, 3, {40, 45, 50, 55, 59, 64});
const InstrumentoCordas kCavaquinho = instrumento(12, 4, {50, 55, 59, 64});
const InstrumentoCordas kCincoCordas = instrumento(12, 3, {43, 50, 55, 59, 62});

struct Dedilhado {
    Sequencia casas;
    Sequencia dedos;
    bool operator==(const Dedilhado&) const = default;
};

void PrintTo(const Dedilhado& d, std::ostream* os) {
    *os << ::testing::PrintToString(d.casas) << " / " << ::testing::PrintToString(d.dedos);
}

std::vector<Dedilhado> dedilhados(const ColecaoPtr<PosicaoHarmonica>& posicoes) {
    std::vector<Dedilhado> lista;
    for (int i = 0; i < posicoes.size(); ++i) {
        const auto* p = dynamic_cast<const Posicao*>(posicoes.getElement(i));
        if (p == nullptr) {
            ADD_FAILURE() << "not a string-instrument position";
            continue;
        }
        lista.push_back({p->getCasas(), p->getDedos()});
    }
    return lista;
}

class GeradorCordas : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(idioma.carregado()); }

    std::vector<Dedilhado> gerar(const InstrumentoCordas& inst, CodigoAcorde c) {
        GeradorInstrumentoCordas gerador(inst);
        return dedilhados(gerador.gerar(c));
    }

    IdiomaDeTeste idioma;
};

// --- chord tones ----------------------------------------------------------------

struct CasoTons {
    const char* acorde;
    CodigoAcorde codigo;
    int32_t tonica, terca, quinta, setima, baixo;
    Sequencia extensoes;
};

TEST(TonsDoCodigo, TomDeCadaGrau) {
    using namespace grau;
    // Pitch classes 1..12, C = 12.
    const CasoTons casos[] = {
        {"C", kDoMaior, 12, 4, 7, 0, 12, {}},
        {"Am/G", codigo(kA, {kTercaMenor, kQuinta}, kG), 9, 12, 4, 0, 7, {}},
        {"C5", codigo(kC, {kQuinta}), 12, 12, 7, 0, 12, {}},
        {"C (bare root)", codigo(kC, {}), 12, 12, 12, 0, 12, {}},
        {"C7(9)", codigo(kC, {kTercaMaior, kQuinta, kSetimaMenor, kNona}), 12, 4, 7, 10, 12, {2}},
        {"C7M", codigo(kC, {kTercaMaior, kQuinta, kSetimaMaior}), 12, 4, 7, 11, 12, {}},
        {"C6: the sixth is both seventh slot and extension", codigo(kC, {kTercaMaior, kQuinta, kSexta}), 12, 4, 7,
         9, 12, {9}},
        {"Cdim", codigo(kC, {kTercaMenor, kQuintaDiminuta, kSexta}), 12, 3, 6, 9, 12, {9}},
        {"C7(#5)", codigo(kC, {kTercaMaior, kQuintaAumentada, kSetimaMenor}), 12, 4, 8, 10, 12, {}},
        {"Bb7(b9)/D", codigo(kBb, {kTercaMaior, kQuinta, kSetimaMenor, kNonaMenor}, kD), 10, 2, 5, 8, 2, {11}},
        {"E7(#9)", codigo(kE, {kTercaMaior, kQuinta, kSetimaMenor, kNonaAumentada}), 4, 8, 11, 2, 4, {7}},
        {"F7M(#11)", codigo(kF, {kTercaMaior, kQuinta, kSetimaMaior, kDecimaPrimeiraAumentada}), 5, 9, 12, 4, 5,
         {11}},
        {"G13", codigo(kG, {kTercaMaior, kQuinta, kSetimaMenor, kDecimaTerceira}), 7, 11, 2, 5, 7, {4}},
        {"Csus4: the fourth is an extension", codigo(kC, {kTercaMaior, kQuarta, kQuinta}), 12, 4, 7, 0, 12, {5}},
        // Listed in degree order: 4, 6, b9, 9, #9, 11; #11, b13 and 13 are left out.
        {"seven extensions", codigo(kB, {kQuarta, kSexta, kNonaMenor, kNona, kNonaAumentada, kDecimaPrimeira,
                                         kDecimaPrimeiraAumentada, kDecimaTerceiraMenor, kDecimaTerceira}),
         11, 11, 11, 8, 11, {4, 8, 12, 1, 2, 4}},
    };
    for (const auto& c : casos) {
        const TonsAcorde t = GeradorInstrumentoCordas::tonsDoCodigo(c.codigo);
        EXPECT_EQ(t.tonica, c.tonica) << c.acorde;
        EXPECT_EQ(t.terca, c.terca) << c.acorde;
        EXPECT_EQ(t.quinta, c.quinta) << c.acorde;
        EXPECT_EQ(t.setima, c.setima) << c.acorde;
        EXPECT_EQ(t.baixo, c.baixo) << c.acorde;
        EXPECT_EQ(Sequencia(t.extensoes.begin(), t.extensoes.begin() + t.nExtensoes), c.extensoes) << c.acorde;
    }
}

// --- the enumeration, literally as lists ------------------------------------------

// A plain transcription of the enumeration: whole lists, extended string by
// string. The generator walks the same tree depth first and abandons muting
// patterns early; this pins down that it still finds the same candidates in
// the same order.
class Referencia {
public:
    Referencia(const InstrumentoCordas& inst, const TonsAcorde& tons)
        : afinacao(inst.getAfinacao()),
          n(inst.getNumeroCordas()),
          casas(inst.getNumeroCasas()),
          distancia(inst.getDistancia()),
          tons(tons) {}

    std::vector<Sequencia> candidatos() const {
        std::vector<Sequencia> lista;
        if (n <= 3) return lista;
        lista = porBaixo(tons.baixo, 0);
        if (n <= 5) {
            for (const int32_t tom : {tons.terca, tons.quinta, tons.setima}) {
                if (tom != tons.baixo) continue;
                const auto mais = porBaixo(tom, 0);
                lista.insert(lista.end(), mais.begin(), mais.end());
            }
        }
        std::vector<Sequencia> aceitos;
        const RestricaoAcordes r;
        for (const auto& c : lista) {
            if (RestricaoAcordes::dedosNecessarios(c, casas) > 4) continue;
            if (!r.completo(c, afinacao, tons)) continue;
            if (!r.usoCordasPermitido(c)) continue;
            aceitos.push_back(c);
        }
        return aceitos;
    }

private:
    std::vector<Sequencia> porBaixo(int32_t tom, int32_t s) const {
        std::vector<Sequencia> proprios;
        for (int32_t f = 0; f <= casas; ++f) {
            if (classeAltura(afinacao[s] + f) != tom) continue;
            Sequencia c(n, casas + 1);
            for (int32_t i = 0; i < s; ++i) c[i] = -1;
            c[s] = f;
            proprios.push_back(c);
        }
        if (s == n - 1) return proprios;
        auto lista = porBaixo(tom, s + 1);
        const auto completados = completar(proprios, s + 1);
        lista.insert(lista.end(), completados.begin(), completados.end());
        return lista;
    }

    std::vector<Sequencia> completar(std::vector<Sequencia> lista, int32_t a) const {
        for (int32_t t = a; t < n; ++t) {
            std::vector<Sequencia> nova;
            for (const auto& c : lista) {
                int32_t maior = -1, menor = -1;
                for (const int32_t x : c) {
                    if (x < 1 || x > casas) continue;
                    if (maior < 0 || x > maior) maior = x;
                    if (menor < 0 || x < menor) menor = x;
                }
                const int32_t lo = maior < 0 || maior - distancia < 0 ? 0 : maior - distancia;
                const int32_t hi = maior < 0 || menor + distancia > casas ? casas : menor + distancia;
                auto estender = [&](int32_t casa) {
                    Sequencia e = c;
                    e[t] = casa;
                    nova.push_back(e);
                };
                estender(-1);
                if (lo > 0 && tons.ehTom(classeAltura(afinacao[t]))) estender(0);
                for (int32_t f = lo; f <= hi; ++f) {
                    if (tons.ehTom(classeAltura(afinacao[t] + f))) estender(f);
                }
            }
            lista = std::move(nova);
        }
        return lista;
    }

    Sequencia afinacao;
    int32_t n, casas, distancia;
    TonsAcorde tons;
};

std::vector<CodigoAcorde> acordesVariados() {
    using namespace grau;
    return {
        kDoMaior,
        codigo(kA, {kTercaMenor, kQuinta}, kG),                                  // Am/G
        codigo(kC, {kQuinta}),                                                  // C5
        codigo(kG, {kTercaMaior, kQuinta, kSetimaMenor}),                       // G7
        codigo(kD, {kTercaMenor, kQuinta, kSetimaMenor, kNona}),                // Dm7(9)
        codigo(kF, {kTercaMaior, kQuinta, kSetimaMaior}, kE),                   // F7M/E
        codigo(kB, {kTercaMenor, kQuintaDiminuta, kSetimaMenor}),               // Bm7(b5)
        codigo(kE, {kTercaMaior, kQuinta, kSetimaMenor, kNonaAumentada}),       // E7(#9)
        codigo(kBb, {kTercaMaior, kQuinta, kSexta, kNona}),                     // Bb6(9)
        codigo(kC, {kTercaMenor, kQuintaDiminuta, kSexta}),                     // Cdim
        codigo(kG, {kTercaMaior, kQuinta, kSetimaMenor, kNona, kDecimaTerceira}),  // G13(9)
    };
}

TEST(GeradorEnumeracao, MesmaOrdemQueAsListasLiterais) {
    const InstrumentoCordas instrumentos[] = {
        kViolao, kCavaquinho, kCincoCordas,
        instrumento(14, 4, {40, 45, 50, 55, 59, 64}),  // wider span, longer neck
        instrumento(12, 3, {64, 59, 55, 50, 45, 40}),  // tuned high to low
        instrumento(6, 2, {55, 60, 64, 69}),           // short neck, narrow span
    };
    for (const auto& inst : instrumentos) {
        GeradorInstrumentoCordas gerador(inst);
        for (const CodigoAcorde c : acordesVariados()) {
            const TonsAcorde tons = GeradorInstrumentoCordas::tonsDoCodigo(c);
            EXPECT_EQ(gerador.candidatosAceitos(tons), Referencia(inst, tons).candidatos())
                << std::hex << c << " on " << ::testing::PrintToString(inst.getAfinacao());
        }
    }
}

// --- the fingerings ---------------------------------------------------------------

TEST_F(GeradorCordas, CavaquinhoDoMaiorExatamente) {
    const std::vector<Dedilhado> esperados = {
        {{10, 0, 8, 0}, {3, 0, 1, 0}},    {{10, 0, 8, 12}, {2, 0, 1, 4}}, {{10, 9, 8, 0}, {3, 2, 1, 0}},
        {{10, 9, 8, 8}, {3, 2, 1, 1}},    {{10, 9, 8, 12}, {3, 2, 1, 4}}, {{10, 12, 8, 0}, {2, 4, 1, 0}},
    };
    EXPECT_EQ(gerar(kCavaquinho, kDoMaior), esperados);
}

TEST_F(GeradorCordas, PosicoesLevamONomeCanonico) {
    const CodigoAcorde amSol = codigo(kA, {grau::kTercaMenor, grau::kQuinta}, kG);
    GeradorInstrumentoCordas gerador(kViolao);
    const auto posicoes = gerador.gerar(amSol);
    ASSERT_GT(posicoes.size(), 0);
    const std::string nome = Especialista::getInstancia()->getNomeAcorde(amSol);
    for (int i = 0; i < posicoes.size(); ++i) {
        EXPECT_EQ(posicoes.getElement(i)->getNome(), nome);
        EXPECT_EQ(posicoes.getElement(i)->getCodigo(), 0u);
    }
}

TEST_F(GeradorCordas, ViolaoDoMaiorTemAPosicaoAberta) {
    const auto lista = gerar(kViolao, kDoMaior);
    EXPECT_NE(std::find(lista.begin(), lista.end(), Dedilhado{{-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}}), lista.end());
    EXPECT_NE(std::find(lista.begin(), lista.end(), Dedilhado{{8, 10, 10, 9, 8, 8}, {1, 3, 4, 2, 1, 1}}), lista.end());
}

// Index of the lowest sounding string.
int32_t cordaDoBaixo(const Sequencia& casas) {
    for (size_t s = 0; s < casas.size(); ++s) {
        if (casas[s] != -1) return static_cast<int32_t>(s);
    }
    return -1;
}

TEST_F(GeradorCordas, ViolaoAgrupaPelaCordaDoBaixoDoAgudoParaOGrave) {
    const auto lista = gerar(kViolao, kDoMaior);
    ASSERT_GT(lista.size(), 2u);
    for (size_t i = 1; i < lista.size(); ++i) {
        const int32_t antes = cordaDoBaixo(lista[i - 1].casas);
        const int32_t agora = cordaDoBaixo(lista[i].casas);
        ASSERT_GE(antes, agora) << i;
        // Within one bass string, the bass frets ascend.
        if (antes == agora) {
            EXPECT_LE(lista[i - 1].casas[antes], lista[i].casas[agora]) << i;
        }
    }
    EXPECT_EQ(cordaDoBaixo(lista.back().casas), 0);
}

TEST_F(GeradorCordas, TodoDedilhadoRespeitaAsRegras) {
    const RestricaoAcordes regras;
    for (const auto* inst : {&kViolao, &kCavaquinho, &kCincoCordas}) {
        const Sequencia afinacao = inst->getAfinacao();
        for (const CodigoAcorde c : acordesVariados()) {
            const TonsAcorde tons = GeradorInstrumentoCordas::tonsDoCodigo(c);
            for (const auto& d : gerar(*inst, c)) {
                const auto onde = ::testing::PrintToString(d.casas);
                // The lowest sounding string plays the bass.
                const int32_t b = cordaDoBaixo(d.casas);
                ASSERT_GE(b, 0) << onde;
                EXPECT_EQ(classeAltura(afinacao[b] + d.casas[b]), tons.baixo) << onde;
                int32_t maior = 0, menor = 99;
                for (size_t s = 0; s < d.casas.size(); ++s) {
                    if (d.casas[s] == -1) {
                        EXPECT_EQ(d.dedos[s], 0) << onde;
                    } else {
                        EXPECT_TRUE(tons.ehTom(classeAltura(afinacao[s] + d.casas[s]))) << onde;
                    }
                    if (d.casas[s] > 0) {
                        maior = std::max(maior, d.casas[s]);
                        menor = std::min(menor, d.casas[s]);
                    }
                }
                if (maior > 0) {
                    EXPECT_LE(maior - menor, inst->getDistancia()) << onde;
                }
                EXPECT_TRUE(regras.aceita(d.casas, afinacao, inst->getNumeroCasas(), tons)) << onde;
                EXPECT_EQ(d.dedos, Fingering(d.casas, inst->getNumeroCasas()).getAtribuicoes().front()) << onde;
            }
        }
    }
}

TEST_F(GeradorCordas, AcordeInvertidoSoComOBaixoPedido) {
    const auto lista = gerar(kViolao, codigo(kA, {grau::kTercaMenor, grau::kQuinta}, kG));
    ASSERT_FALSE(lista.empty());
    for (const auto& d : lista) {
        const int32_t b = cordaDoBaixo(d.casas);
        EXPECT_EQ(classeAltura(kViolao.getAfinacao()[b] + d.casas[b]), 7) << ::testing::PrintToString(d.casas);
    }
}

TEST_F(GeradorCordas, SemTercaATonicaFazAsVezesDela) {
    // C5: root and third are both C, so at most two Cs; three components need the G.
    const auto lista = gerar(kViolao, codigo(kC, {grau::kQuinta}));
    ASSERT_FALSE(lista.empty());
    for (const auto& d : lista) {
        int32_t dos = 0, sois = 0, soando = 0;
        for (size_t s = 0; s < d.casas.size(); ++s) {
            if (d.casas[s] == -1) continue;
            ++soando;
            const int32_t classe = classeAltura(kViolao.getAfinacao()[s] + d.casas[s]);
            dos += classe == 12;
            sois += classe == 7;
        }
        EXPECT_EQ(dos, 2) << ::testing::PrintToString(d.casas);
        EXPECT_EQ(sois, soando - 2) << ::testing::PrintToString(d.casas);
        EXPECT_LE(sois, 2);
    }
}

TEST_F(GeradorCordas, QuatroECincoCordasRepetemOBaixoQueCoincide) {
    // C5 on the cavaquinho: the third is the bass, so the bass run comes twice.
    const auto quatro = gerar(kCavaquinho, codigo(kC, {grau::kQuinta}));
    ASSERT_FALSE(quatro.empty());
    ASSERT_EQ(quatro.size() % 2, 0u);
    const size_t meio = quatro.size() / 2;
    EXPECT_EQ(std::vector<Dedilhado>(quatro.begin(), quatro.begin() + meio),
              std::vector<Dedilhado>(quatro.begin() + meio, quatro.end()));
    // C/E on five strings: the third is the bass.
    const auto cinco = gerar(kCincoCordas, codigo(kC, {grau::kTercaMaior, grau::kQuinta}, kE));
    ASSERT_FALSE(cinco.empty());
    ASSERT_EQ(cinco.size() % 2, 0u);
    const size_t metade = cinco.size() / 2;
    EXPECT_EQ(std::vector<Dedilhado>(cinco.begin(), cinco.begin() + metade),
              std::vector<Dedilhado>(cinco.begin() + metade, cinco.end()));
    // Six strings never repeat.
    const auto seis = gerar(kViolao, codigo(kC, {grau::kQuinta}));
    for (size_t i = 1; i < seis.size(); ++i) EXPECT_FALSE(seis[i] == seis[0]) << i;
}

TEST_F(GeradorCordas, PoucasCordasNaoGeramNada) {
    for (const auto& afinacao : {Sequencia{55, 60, 64}, Sequencia{55, 60}, Sequencia{60}, Sequencia{}}) {
        EXPECT_TRUE(gerar(instrumento(12, 3, afinacao), kDoMaior).empty()) << afinacao.size();
    }
    // Nothing fits on a neck without frets beyond the open strings.
    EXPECT_TRUE(gerar(instrumento(0, 3, {40, 45, 50, 55}), kDoMaior).empty());
}

TEST_F(GeradorCordas, AcordeImpossivelDaListaVazia) {
    // Seven extensions cannot all sound once each on four strings.
    using namespace grau;
    const CodigoAcorde muitas =
        codigo(kC, {kTercaMaior, kQuinta, kSetimaMenor, kNona, kDecimaPrimeira, kDecimaTerceira});
    EXPECT_TRUE(gerar(kCavaquinho, muitas).empty());
}

TEST_F(GeradorCordas, UsaOInstrumentoAtualQuandoNaoTemUmProprio) {
    InstrumentosDeTeste instrumentos(idioma.plataforma());
    GeradorInstrumentoCordas gerador;
    EXPECT_EQ(gerador.gerar(kDoMaior).size(), 0) << "no current instrument yet";
    GerenciadorInstrumentos::getInstancia()->setInstrumento(1);
    EXPECT_EQ(dedilhados(gerador.gerar(kDoMaior)), gerar(kCavaquinho, kDoMaior));
    GerenciadorInstrumentos::getInstancia()->setInstrumento(0);
    EXPECT_EQ(dedilhados(gerador.gerar(kDoMaior)), gerar(kViolao, kDoMaior));
}

TEST_F(GeradorCordas, TonsDiretosNaFormaVirtual) {
    // Through the base class, with the tones given one by one.
    GeradorInstrumentoCordas concreto(kCavaquinho);
    ::Gerador& gerador = concreto;
    const auto posicoes = gerador.gerar("D\xF3", 12, 4, 7, 0, 12, nullptr, 0);
    EXPECT_EQ(dedilhados(posicoes), gerar(kCavaquinho, kDoMaior));
    ASSERT_GT(posicoes.size(), 0);
    EXPECT_EQ(posicoes.getElement(0)->getNome(), "D\xF3");
    // More than six extensions are cut to six.
    const int32_t extensoes[8] = {2, 5, 9, 1, 3, 6, 8, 11};
    EXPECT_NO_THROW(gerador.gerar("X", 12, 4, 7, 10, 12, extensoes, 8));
}

}  // namespace
