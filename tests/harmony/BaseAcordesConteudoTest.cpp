// The delivered chord databases, checked against their own names: every stored
// fingering must sound the chord its name means in the notation of the
// language that uses the file, and must be playable as written.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/base/Excecoes.h"
#include "harmony/BaseAcordesViolao.h"
#include "harmony/InterpreteCifras.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "support/IdiomaDeTeste.h"

namespace {

const int kAfinacao[6] = {40, 45, 50, 55, 59, 64};
constexpr int kCasasDoViolao = 12;

const char* const kRaizes[] = {"C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#",
                               "Gb", "G", "G#", "Ab", "A", "A#", "Bb", "B"};

// What a chord dictionary offers on every root: how each notation writes it,
// and the notes it stands for (semitones above the root). The Brazilian
// reading of "4" and "7(4)" keeps the third and that of "7(b13)" the fifth;
// a fingering may leave those out.
struct Qualidade {
    const char* pt;
    const char* en;
    std::set<int> tons;
    std::set<int> ptAcrescenta;
};
const Qualidade kDicionario[] = {
    {"", "", {0, 4, 7}, {}},
    {"m", "m", {0, 3, 7}, {}},
    {"7", "7", {0, 4, 7, 10}, {}},
    {"m7", "m7", {0, 3, 7, 10}, {}},
    {"7M", "maj7", {0, 4, 7, 11}, {}},
    {"m7M", "m(maj7)", {0, 3, 7, 11}, {}},
    {"6", "6", {0, 4, 7, 9}, {}},
    {"m6", "m6", {0, 3, 7, 9}, {}},
    {"(9)", "add9", {0, 2, 4, 7}, {}},
    {"m(9)", "madd9", {0, 2, 3, 7}, {}},
    {"7(9)", "9", {0, 2, 4, 7, 10}, {}},
    {"m7(9)", "m9", {0, 2, 3, 7, 10}, {}},
    {"7M(9)", "maj7(add9)", {0, 2, 4, 7, 11}, {}},
    {"6(9)", "6add9", {0, 2, 4, 7, 9}, {}},
    {"4", "sus4", {0, 5, 7}, {4}},
    {"7(4)", "7sus4", {0, 5, 7, 10}, {4}},
    {"\xBA", "dim7", {0, 3, 6, 9}, {}},
    {"m7(b5)", "m7b5", {0, 3, 6, 10}, {}},
    {"(#5)", "aug", {0, 4, 8}, {}},
    {"7(#5)", "7(#5)", {0, 4, 8, 10}, {}},
    {"7(b5)", "7(b5)", {0, 4, 6, 10}, {}},
    {"7(b9)", "7(b9)", {0, 1, 4, 7, 10}, {}},
    {"7(#9)", "7(#9)", {0, 3, 4, 7, 10}, {}},
    {"7(13)", "7(13)", {0, 4, 7, 9, 10}, {}},
    {"7(b13)", "7(b13)", {0, 4, 8, 10}, {7}},
    {"7(#11)", "7(#11)", {0, 4, 6, 7, 10}, {}},
};

const char* const kBarrasComuns[] = {"C/E", "C/G", "D/F#", "G/B", "Am/G", "A/C#", "E/G#", "F/A", "F/C", "Dm/F"};

struct Tom {
    int classe;
    IndiceGrau grau;  // kSemNota for the root and the bass
};

// The notes of a chord code as pitch classes, each with the degree it comes from.
std::vector<Tom> tonsDoCodigo(CodigoAcorde codigo) {
    const Especialista* e = Especialista::getInstancia();
    const int raiz = e->getClasseRaiz(codigo);
    std::vector<Tom> tons{{raiz, kSemNota}};
    for (IndiceGrau g : kGrausArmazenados) {
        if (e->temGrau(codigo, g)) tons.push_back({(raiz + kGraus[g].semitons) % 12, g});
    }
    return tons;
}

std::set<int> classesRelativas(CodigoAcorde codigo) {
    std::set<int> saida;
    const int raiz = Especialista::getInstancia()->getClasseRaiz(codigo);
    for (const Tom& t : tonsDoCodigo(codigo)) saida.insert((t.classe - raiz + 12) % 12);
    return saida;
}

std::string texto(const std::vector<int32_t>& v) {
    std::string s;
    for (int x : v) s += (s.empty() ? "" : " ") + (x < 0 ? std::string("x") : std::to_string(x));
    return s;
}

// Everything wrong with one fingering of a chord, empty when nothing is.
std::vector<std::string> defeitos(CodigoAcorde codigo, const PosicaoHarmonicaInstrumentoCordas& p) {
    const Especialista* e = Especialista::getInstancia();
    std::vector<std::string> erros;
    const auto casas = p.getCasas();
    const auto dedos = p.getDedos();
    if (casas.size() != 6 || dedos.size() != 6) return {"not six strings"};

    // The hand: fingers agree with frets, a finger on several strings is a
    // barre across one fret that nothing open or lower lies under, and the
    // stopped frets fit in four.
    int menor = 99, maior = -1;
    std::map<int, std::vector<int>> cordasDoDedo;
    for (int s = 0; s < 6; ++s) {
        const int c = casas[s], d = dedos[s];
        if (c > kCasasDoViolao) erros.push_back("fret " + std::to_string(c) + " past the neck");
        if (c == -1 && d != 6) erros.push_back("muted string without finger 6");
        if (c == 0 && d != 0) erros.push_back("open string with a finger");
        if (c > 0 && (d < 1 || d > 4)) erros.push_back("stopped string without a finger 1-4");
        if (c > 0) {
            menor = std::min(menor, c);
            maior = std::max(maior, c);
            cordasDoDedo[d].push_back(s);
        }
    }
    if (maior >= 0 && maior - menor > 3) erros.push_back("hand spans more than four frets");
    for (const auto& [dedo, cordas] : cordasDoDedo) {
        const int casa = casas[cordas.front()];
        for (int s : cordas) {
            if (casas[s] != casa) erros.push_back("finger " + std::to_string(dedo) + " on two frets");
        }
        for (int s = cordas.front() + 1; s < cordas.back(); ++s) {
            if (casas[s] >= 0 && casas[s] < casa) {
                erros.push_back("string " + std::to_string(s) + " lies under the barre of finger " +
                                std::to_string(dedo));
            }
        }
    }

    // The sound: only notes of the chord (its bass counts), its root, the bass
    // of a slash chord lowest, and every note that makes the chord what it is
    // (the fifth may go, and the third of a suspended chord).
    const auto tons = tonsDoCodigo(codigo);
    const IndiceNota baixo = e->getBaixo(codigo);
    std::set<int> permitidas, exigidas;
    const bool suspenso = e->temGrau(codigo, grau::kQuarta);
    for (const Tom& t : tons) {
        permitidas.insert(t.classe);
        const bool terca = t.grau == grau::kTercaMaior || t.grau == grau::kTercaMenor;
        if (t.grau != grau::kQuinta && !(suspenso && terca)) exigidas.insert(t.classe);
    }
    if (baixo != kSemNota) permitidas.insert(e->getClasseNota(baixo));
    std::set<int> soadas;
    int grave = -1;
    for (int s = 0; s < 6; ++s) {
        if (casas[s] < 0) continue;
        const int altura = kAfinacao[s] + casas[s];
        soadas.insert(altura % 12);
        if (grave < 0 || altura < grave) grave = altura;
    }
    if (soadas.size() < 3) erros.push_back("fewer than three notes");
    for (int c : soadas) {
        if (!permitidas.count(c)) erros.push_back("sounds pitch class " + std::to_string(c) + ", not in the chord");
    }
    for (int c : exigidas) {
        if (!soadas.count(c)) erros.push_back("leaves out pitch class " + std::to_string(c));
    }
    if (baixo != kSemNota && grave >= 0 && grave % 12 != e->getClasseNota(baixo)) {
        erros.push_back("the bass is not the lowest note");
    }
    return erros;
}

class BaseAcordesConteudo : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(idioma.carregado());
        arquivo = idioma.idiomas().getTexto("parametros", "nomeArquivoBaseAcordes");
        ASSERT_FALSE(arquivo.empty());
        base.carregarBase(std::string(BRELVIO_APP_DIR) + "/" + arquivo);
        ASSERT_GT(base.tamanho(), 0);
        // Every name must be readable: the chord manager parses them all at start-up.
        for (int i = 0; i < base.tamanho(); ++i) {
            const std::string nome = base.getNomes().get(i);
            try {
                codigos.push_back(Especialista::getInstancia()->interpretarCifra(nome));
            } catch (const DException& ex) {
                ADD_FAILURE() << arquivo << ": '" << nome << "' cannot be read: " << ex.getMessage();
                codigos.push_back(0);
            }
        }
    }

    IdiomaDeTeste idioma{GetParam()};
    std::string arquivo;
    BaseAcordesViolao base;
    std::vector<CodigoAcorde> codigos;
};

TEST_P(BaseAcordesConteudo, TodaPosicaoGuardadaSoaOAcordeDoSeuNomeEPodeSerTocada) {
    int posicoes = 0;
    for (int i = 0; i < base.tamanho(); ++i) {
        const auto& lista = base.getAcordeComposto(i)->getPosicoes();
        for (int j = 0; j < lista.size(); ++j, ++posicoes) {
            const auto* p = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(lista.getElement(j));
            ASSERT_NE(p, nullptr);
            for (const auto& erro : defeitos(codigos[i], *p)) {
                ADD_FAILURE() << arquivo << ": " << base.getNomes().get(i) << " [" << texto(p->getCasas()) << " / "
                              << texto(p->getDedos()) << "]: " << erro;
            }
        }
    }
    std::cout << arquivo << ": " << base.tamanho() << " chords, " << posicoes << " fingerings\n";
}

TEST_P(BaseAcordesConteudo, CadaAcordeTemAoMenosDuasPosicoesEUmCodigoSo) {
    std::map<CodigoAcorde, std::string> nomeDoCodigo;
    for (int i = 0; i < base.tamanho(); ++i) {
        const std::string nome = base.getNomes().get(i);
        EXPECT_GE(base.getAcordeComposto(i)->getPosicoes().size(), 2) << arquivo << ": " << nome;
        EXPECT_LE(nome.size(), 30u);
        // Two names of one chord would leave the second unreachable by typing.
        auto [it, novo] = nomeDoCodigo.emplace(codigos[i], nome);
        EXPECT_TRUE(novo) << arquivo << ": " << nome << " is the same chord as " << it->second;
    }
}

TEST_P(BaseAcordesConteudo, ODicionarioInteiroEmTodaGrafiaDeRaiz) {
    const bool pt = Especialista::notacaoBrasileira();
    std::set<CodigoAcorde> presentes(codigos.begin(), codigos.end());
    for (const auto& q : kDicionario) {
        std::set<int> esperados = q.tons;
        if (pt) esperados.insert(q.ptAcrescenta.begin(), q.ptAcrescenta.end());
        for (const char* raiz : kRaizes) {
            const std::string simbolo = std::string(raiz) + (pt ? q.pt : q.en);
            const CodigoAcorde codigo = Especialista::getInstancia()->interpretarCifra(simbolo);
            EXPECT_EQ(classesRelativas(codigo), esperados) << simbolo << " does not mean the intended chord";
            EXPECT_TRUE(presentes.count(codigo)) << arquivo << " lacks " << simbolo;
        }
    }
    for (const char* barra : kBarrasComuns) {
        EXPECT_TRUE(presentes.count(Especialista::getInstancia()->interpretarCifra(barra))) << arquivo << " lacks "
                                                                                            << barra;
    }
}

TEST_P(BaseAcordesConteudo, AsPrimeirasPosicoesSaoAsDaPrimeiraRegiaoDoBraco) {
    // The shape a teacher shows first comes first: within a chord, fingerings
    // go up the neck by their lowest stopped fret.
    for (int i = 0; i < base.tamanho(); ++i) {
        const auto& lista = base.getAcordeComposto(i)->getPosicoes();
        int anterior = 0;
        for (int j = 0; j < lista.size(); ++j) {
            const auto casas = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(lista.getElement(j))->getCasas();
            int menor = 0;
            for (int c : casas) {
                if (c > 0 && (menor == 0 || c < menor)) menor = c;
            }
            EXPECT_GE(menor, anterior) << arquivo << ": " << base.getNomes().get(i) << " #" << j;
            anterior = menor;
        }
    }
    // The open chords of the first lesson open their lists.
    struct Caso {
        const char* nome;
        std::vector<int32_t> casas;
    };
    const Caso abertos[] = {
        {"C", {-1, 3, 2, 0, 1, 0}}, {"G", {3, 2, 0, 0, 0, 3}}, {"Am", {-1, 0, 2, 2, 1, 0}},
        {"E7", {0, 2, 0, 1, 0, 0}}, {"D", {-1, -1, 0, 2, 3, 2}},
    };
    for (const auto& c : abertos) {
        const int i = base.getNomes().encontrar(c.nome);
        ASSERT_GE(i, 0) << c.nome;
        const auto* p = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(
            base.getAcordeComposto(i)->getPosicoes().getElement(0));
        EXPECT_EQ(p->getCasas(), c.casas) << c.nome;
    }
}

INSTANTIATE_TEST_SUITE_P(Idiomas, BaseAcordesConteudo, ::testing::Values("English", kPortugues),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param) == "English" ? "Ingles" : "Portugues";
                         });

}  // namespace
