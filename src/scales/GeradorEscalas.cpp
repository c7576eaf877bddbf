#include "scales/GeradorEscalas.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "harmony/Rotulos.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"

namespace {

constexpr const char* kClasse = "GeradorAcordes";
constexpr const char* kMetodo = "obterPosicoesEscala(Escala, string)";

int64_t modulo12(int64_t valor) { return ((valor % 12) + 12) % 12; }

// One degree of the search under way: the string being tried, the next fret
// to try on it, and which way the degree moves across the strings.
struct Quadro {
    int32_t corda = 0;
    int64_t casa = 0;
    int32_t direcao = 1;
    size_t encontradasAoEntrar = 0;
};

}  // namespace

GeradorEscalas* GeradorEscalas::getInstancia() {
    static GeradorEscalas unica;
    return &unica;
}

ColecaoPtr<EscalaExibicao> GeradorEscalas::obterPosicoesEscala(const Escala& escala, const std::string& tom) {
    const InstrumentoCordas* instrumento = GerenciadorInstrumentos::getInstancia()->getInstrumentoAtual();
    const int32_t tonalidade = indiceTonalidade(tom);
    // Without an instrument there is no neck to lay the scale on.
    if (instrumento == nullptr || tonalidade < 0) {
        posicoes.clear();
        semPosicao(escala, tom);
    }
    return obterPosicoesEscala(escala, tonalidade, *instrumento);
}

ColecaoPtr<EscalaExibicao> GeradorEscalas::obterPosicoesEscala(const Escala& escala, int32_t tonalidade,
                                                               const InstrumentoCordas& instrumento) {
    std::vector<int32_t> afinacao = instrumento.getAfinacao();
    if (static_cast<int32_t>(afinacao.size()) > instrumento.getNumeroCordas()) {
        afinacao.resize(static_cast<size_t>(std::max(instrumento.getNumeroCordas(), 0)));
    }
    return obterPosicoesEscala(escala, tonalidade, afinacao, instrumento.getNumeroCasas());
}

ColecaoPtr<EscalaExibicao> GeradorEscalas::obterPosicoesEscala(const Escala& escala, int32_t tonalidade,
                                                               const std::vector<int32_t>& afinacao,
                                                               int32_t numeroCasas) {
    posicoes.clear();
    // A key that is none of the twelve has no root, hence no position.
    const bool tomValido = tonalidade >= 0 && tonalidade < numeroTonalidades();
    if (tomValido) buscar(escala.getFrequencia(), tonalidade, afinacao, numeroCasas);
    if (posicoes.empty()) semPosicao(escala, tomValido ? nomeTonalidade(tonalidade) : std::string());
    return construir();
}

void GeradorEscalas::semPosicao(const Escala& escala, const std::string& nomeTom) {
    throw NotFoundException(GerenciadorIdiomas::getInstancia()->getTexto("exception", "escalaImpossivel"),
                            escala.getNome() + nomeTom, kClasse, kMetodo);
}

ColecaoPtr<EscalaExibicao> GeradorEscalas::construir() const {
    std::vector<EscalaExibicao> construidas;
    construidas.reserve(posicoes.size());
    for (const auto& celulas : posicoes) {
        std::vector<int32_t> casas;
        std::vector<int32_t> cordas;
        std::vector<int32_t> direita;
        casas.reserve(celulas.size());
        cordas.reserve(celulas.size());
        direita.reserve(celulas.size());
        for (size_t i = 0; i < celulas.size(); ++i) {
            casas.push_back(celulas[i].casa);
            cordas.push_back(celulas[i].corda);
            // Alternate index and middle finger.
            direita.push_back(i % 2 == 0 ? 1 : 2);
        }
        std::vector<int32_t> dedos = atribuirDedos(casas, cordas);
        construidas.emplace_back(std::move(casas), std::move(cordas), std::move(dedos), std::move(direita));
    }
    // Stable, so positions of equal difficulty keep the search order (lower
    // strings and frets first) and the result is the same on every platform.
    std::stable_sort(construidas.begin(), construidas.end());

    ColecaoPtr<EscalaExibicao> resultado;
    for (auto& e : construidas) resultado.addElement(std::make_unique<EscalaExibicao>(std::move(e)));
    return resultado;
}

// Depth-first over the degrees. Degree 0 is tried on every string from the
// lowest; each further degree first on the string of the degree before, then
// on the strings above it (below it after a step down or a repeated offset),
// and only on the fret that makes the exact step from the previous note.
//
// Written as a loop over an explicit stack so a scale of very many degrees
// cannot exhaust the call stack. A degree whose search from a given previous
// cell found nothing is remembered: that subtree depends on nothing else, so
// skipping it again changes no result, and a scale that cannot be completed
// costs polynomial instead of exponential time.
void GeradorEscalas::buscar(const std::vector<int32_t>& frequencia, int32_t tonalidade,
                            const std::vector<int32_t>& afinacao, int32_t numeroCasas) {
    const size_t graus = frequencia.size();
    const auto numeroCordas = static_cast<int32_t>(afinacao.size());
    if (graus == 0 || numeroCordas == 0) return;

    std::vector<int64_t> classes(graus);
    for (size_t g = 0; g < graus; ++g) classes[g] = modulo12(int64_t{tonalidade} + frequencia[g]);

    auto limiteAtingido = [&] { return posicoes.size() >= static_cast<size_t>(kLimitePosicoes); };
    auto primeiraCasa = [&](size_t g, int32_t corda) { return modulo12(classes[g] - afinacao[corda]); };
    auto altura = [&](const CasaCordaEscala& c) { return int64_t{afinacao[c.corda]} + c.casa; };
    auto direcao = [&](size_t g) { return g == 0 || frequencia[g] > frequencia[g - 1] ? 1 : -1; };

    // Per degree, the previous cells from which it led nowhere. The pitch of
    // a degree is fixed once the first note's octave is, so each degree sees
    // only a handful of previous cells and a short list beats any hashing.
    std::vector<std::vector<CasaCordaEscala>> semSaida(graus);
    auto semSaidaDe = [&](size_t grau, const CasaCordaEscala& anterior) {
        const auto& lista = semSaida[grau];
        return std::find(lista.begin(), lista.end(), anterior) != lista.end();
    };

    std::vector<CasaCordaEscala> caminho;
    caminho.reserve(graus);
    std::vector<Quadro> pilha(graus);
    pilha[0] = Quadro{0, primeiraCasa(0, 0), 1, 0};
    size_t g = 0;
    while (true) {
        Quadro& q = pilha[g];
        bool achou = false;
        CasaCordaEscala celula;
        while (!achou) {
            if (q.casa > numeroCasas) {
                // The neighbouring string is a fresh step of the search, which
                // gives up once the limit is reached.
                const int32_t proxima = q.corda + q.direcao;
                if (proxima < 0 || proxima >= numeroCordas || limiteAtingido()) break;
                q.corda = proxima;
                q.casa = primeiraCasa(g, proxima);
                continue;
            }
            const auto casa = static_cast<int32_t>(q.casa);
            q.casa += 12;
            const CasaCordaEscala candidata{casa, q.corda};
            if (g == 0 || altura(candidata) - altura(caminho[g - 1]) ==
                              int64_t{frequencia[g]} - int64_t{frequencia[g - 1]}) {
                celula = candidata;
                achou = true;
            }
        }

        if (!achou) {
            if (g > 0 && posicoes.size() == q.encontradasAoEntrar && !limiteAtingido()) {
                semSaida[g].push_back(caminho[g - 1]);
            }
            if (g == 0) break;
            caminho.pop_back();
            --g;
            continue;
        }

        caminho.push_back(celula);
        if (g + 1 == graus) {
            posicoes.push_back(caminho);
            caminho.pop_back();
            continue;
        }
        if (limiteAtingido() || semSaidaDe(g + 1, celula)) {
            caminho.pop_back();
            continue;
        }
        pilha[g + 1] = Quadro{celula.corda, primeiraCasa(g + 1, celula.corda), direcao(g + 1), posicoes.size()};
        ++g;
    }
}

int32_t GeradorEscalas::custoTransicao(int32_t f1, int32_t f2, int32_t d1, int32_t d2, int32_t s1, int32_t s2) {
    constexpr int32_t kImpossivel = 99999;
    if ((f1 == 0 && d1 != kCordaSolta) || (f2 == 0 && d2 != kCordaSolta)) return kImpossivel;
    if ((f1 > 0 && d1 == kCordaSolta) || (f2 > 0 && d2 == kCordaSolta)) return kImpossivel;
    if (d1 == kCordaSolta || d2 == kCordaSolta) return 0;
    // The little finger going up the neck, or the index going down: the hand
    // shifts, cheapest when the other end of the hand takes the next note.
    if (d1 == 4 && f1 < f2 && s1 <= s2) return d2 == 1 ? 3 : 4;
    if (d1 == 1 && f1 > f2 && s1 >= s2) return d2 == 4 ? 3 : 4;
    if (s1 == s2 && f1 < f2 && d1 > d2) return 99;
    const int64_t distancia = (int64_t{f1} - f2) - (int64_t{d1} - d2);
    int64_t custo = distancia < 0 ? -distancia : distancia;
    if (s1 == s2 && d1 == d2 && (int64_t{f2} - f1 <= 3 && int64_t{f1} - f2 <= 3)) custo += 2;
    return static_cast<int32_t>(std::min<int64_t>(custo, std::numeric_limits<int32_t>::max()));
}

std::vector<int32_t> GeradorEscalas::atribuirDedos(const std::vector<int32_t>& casas,
                                                   const std::vector<int32_t>& cordas) {
    const size_t n = std::min(casas.size(), cordas.size());
    if (n == 0) return {};
    constexpr int kEstados = 5;  // fingers 1..4 and the open string
    // Costs are summed in 64 bits and start from "infinity", so however long
    // the position, a best predecessor always exists; for any real scale this
    // picks exactly what a large finite starting value would.
    constexpr int64_t kInfinito = std::numeric_limits<int64_t>::max();
    std::vector<std::array<int64_t, kEstados>> acumulado(n);
    std::vector<std::array<int32_t, kEstados>> anterior(n);
    acumulado[0].fill(0);
    anterior[0].fill(0);
    for (size_t i = 1; i < n; ++i) {
        for (int32_t d2 = 1; d2 <= kEstados; ++d2) {
            int64_t melhor = kInfinito;
            int32_t de = 1;
            for (int32_t d1 = 1; d1 <= kEstados; ++d1) {
                const int64_t candidato =
                    custoTransicao(casas[i - 1], casas[i], d1, d2, cordas[i - 1], cordas[i]) + acumulado[i - 1][d1 - 1];
                if (candidato < melhor) {
                    melhor = candidato;
                    de = d1;
                }
            }
            acumulado[i][d2 - 1] = melhor;
            anterior[i][d2 - 1] = de;
        }
    }
    int32_t dedo = 1;
    int64_t melhor = kInfinito;
    for (int32_t d = 1; d <= kEstados; ++d) {
        if (acumulado[n - 1][d - 1] < melhor) {
            melhor = acumulado[n - 1][d - 1];
            dedo = d;
        }
    }
    std::vector<int32_t> dedos(n);
    for (size_t i = n; i-- > 0;) {
        dedos[i] = dedo == kCordaSolta ? 0 : dedo;
        if (i > 0) dedo = anterior[i][dedo - 1];
    }
    return dedos;
}
