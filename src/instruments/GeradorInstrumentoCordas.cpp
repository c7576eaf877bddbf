#include "instruments/GeradorInstrumentoCordas.h"

#include <algorithm>

#include "harmony/InterpreteCifras.h"
#include "instruments/Fingering.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

// Fewer strings than this make no chord the rules accept.
constexpr int32_t kMinimoCordas = 4;
// Instruments up to this many strings also try the third, fifth and seventh as
// bass when they coincide with it.
constexpr int32_t kMaximoCordasOutrosBaixos = 5;

// Extension degrees and their distance above the root in semitones, in the
// order their tones are listed. The folded degrees 0 and 1 are never stored:
// a code holds them as 11 and 12.
struct Extensao {
    IndiceGrau grau;
    int32_t semitons;
};
constexpr Extensao kExtensoes[] = {
    {grau::kQuarta, 5},
    {grau::kSexta, 9},
    {grau::kNonaMenor, 13},
    {grau::kNona, 14},
    {grau::kNonaAumentada, 15},
    {grau::kDecimaPrimeira, 17},
    {grau::kDecimaPrimeiraAumentada, 18},
    {grau::kDecimaTerceiraMenor, 20},
    {grau::kDecimaTerceira, 21},
};

}  // namespace

GeradorInstrumentoCordas::GeradorInstrumentoCordas() : restricao(std::make_unique<RestricaoAcordes>()) {}

GeradorInstrumentoCordas::GeradorInstrumentoCordas(const InstrumentoCordas& instrumento)
    : restricao(std::make_unique<RestricaoAcordes>()), instrumentoFixo(instrumento) {}

GeradorInstrumentoCordas::~GeradorInstrumentoCordas() = default;

GeradorInstrumentoCordas* GeradorInstrumentoCordas::getInstancia() {
    static GeradorInstrumentoCordas* const instancia = new GeradorInstrumentoCordas();
    return instancia;
}

TonsAcorde GeradorInstrumentoCordas::tonsDoCodigo(CodigoAcorde codigo) {
    const Especialista& e = *Especialista::getInstancia();
    const int32_t r = e.getClasseRaiz(codigo);
    const auto acima = [r](int32_t semitons) { return classeAltura(r + semitons); };
    const auto tem = [&e, codigo](IndiceGrau g) { return e.temGrau(codigo, g); };

    TonsAcorde t;
    t.tonica = acima(0);
    const IndiceNota baixo = e.getBaixo(codigo);
    t.baixo = baixo == kSemNota ? t.tonica : classeAltura(e.getClasseNota(baixo));

    // Degrees 14, 17, 20 and 21 are stored as 3, 6, 9 and 10.
    if (tem(grau::kTercaMenor)) {
        t.terca = acima(3);
    } else if (tem(grau::kTercaMaior)) {
        t.terca = acima(4);
    } else {
        t.terca = t.tonica;
    }
    if (tem(grau::kQuintaDiminuta)) {
        t.quinta = acima(6);
    } else if (tem(grau::kQuinta)) {
        t.quinta = acima(7);
    } else if (tem(grau::kQuintaAumentada)) {
        t.quinta = acima(8);
    } else {
        t.quinta = t.tonica;
    }
    if (tem(grau::kSetimaMenor)) {
        t.setima = acima(10);
    } else if (tem(grau::kSetimaMaior)) {
        t.setima = acima(11);
    } else if (tem(grau::kSexta)) {
        t.setima = acima(9);
    } else {
        t.setima = 0;
    }
    for (const auto& x : kExtensoes) {
        if (t.nExtensoes < TonsAcorde::kMaximoExtensoes && tem(x.grau)) t.extensoes[t.nExtensoes++] = acima(x.semitons);
    }
    return t;
}

ColecaoPtr<PosicaoHarmonica> GeradorInstrumentoCordas::gerar(CodigoAcorde codigo) {
    const TonsAcorde t = tonsDoCodigo(codigo);
    return gerar(Especialista::getInstancia()->getNomeAcorde(codigo), t.tonica, t.terca, t.quinta, t.setima, t.baixo,
                 t.extensoes.data(), t.nExtensoes);
}

ColecaoPtr<PosicaoHarmonica> GeradorInstrumentoCordas::gerar(const std::string& nomeAcorde, int32_t tonica,
                                                             int32_t terca, int32_t quinta, int32_t setima,
                                                             int32_t baixo, const int32_t* extensoes,
                                                             int32_t nExtensoes) {
    TonsAcorde t;
    t.tonica = tonica;
    t.terca = terca;
    t.quinta = quinta;
    t.setima = setima;
    t.baixo = baixo;
    t.nExtensoes = std::clamp(nExtensoes, 0, TonsAcorde::kMaximoExtensoes);
    if (extensoes == nullptr) t.nExtensoes = 0;
    std::copy(extensoes, extensoes + t.nExtensoes, t.extensoes.begin());
    nome = nomeAcorde;

    ColecaoPtr<PosicaoHarmonica> posicoes;
    for (const auto& casas : candidatosAceitos(t)) {
        const Fingering dedilhado(casas, numeroCasas);
        if (dedilhado.getAtribuicoes().empty()) continue;
        posicoes.addElement(
            std::make_unique<PosicaoHarmonicaInstrumentoCordas>(nome, casas, dedilhado.getAtribuicoes().front()));
    }
    return posicoes;
}

bool GeradorInstrumentoCordas::lerInstrumento() {
    const InstrumentoCordas* instrumento =
        instrumentoFixo ? &*instrumentoFixo : GerenciadorInstrumentos::getInstancia()->getInstrumentoAtual();
    if (instrumento == nullptr) return false;
    afinacao = instrumento->getAfinacao();
    // A tuning shorter than the string count leaves the extra strings out.
    numeroCordas = std::min(instrumento->getNumeroCordas(), static_cast<int32_t>(afinacao.size()));
    ultimaCorda = numeroCordas - 1;
    numeroCasas = instrumento->getNumeroCasas();
    distancia = instrumento->getDistancia();
    return true;
}

std::vector<std::vector<int32_t>> GeradorInstrumentoCordas::candidatosAceitos(const TonsAcorde& t) {
    tons = t;
    Candidatos aceitos;
    if (!lerInstrumento() || numeroCordas < kMinimoCordas) return aceitos;

    // The string-use masks as bits, so that a muting pattern no mask allows is
    // abandoned as soon as it appears rather than enumerated to the end.
    const std::vector<std::string> mascaras = restricao->getMascaras();
    const uint32_t todas = mascaras.size() >= 32 ? ~0u : (1u << mascaras.size()) - 1;
    mascarasSeAbafada.assign(numeroCordas, 0);
    mascarasSeSoando.assign(numeroCordas, 0);
    for (int32_t s = 0; s < numeroCordas; ++s) {
        for (size_t m = 0; m < mascaras.size() && m < 32; ++m) {
            const bool x = static_cast<size_t>(s) < mascaras[m].size() && mascaras[m][s] == 'x';
            (x ? mascarasSeAbafada : mascarasSeSoando)[s] |= 1u << m;
        }
    }
    const bool usaMascaras = restricao->getModoCordas() == 3;
    mascarasVivas.assign(numeroCordas + 1, usaMascaras ? todas : ~0u);
    if (!usaMascaras) {
        mascarasSeAbafada.assign(numeroCordas, ~0u);
        mascarasSeSoando.assign(numeroCordas, ~0u);
    }
    candidato.assign(numeroCordas, numeroCasas + 1);

    porBaixo(tons.baixo, aceitos);

    // Smaller instruments run the bass enumeration again for each of third,
    // fifth and seventh that is the bass tone itself, which repeats its result.
    if (numeroCordas <= kMaximoCordasOutrosBaixos) {
        const size_t base = aceitos.size();
        const int32_t repeticoes = (tons.terca == tons.baixo) + (tons.quinta == tons.baixo) + (tons.setima == tons.baixo);
        for (int32_t r = 0; r < repeticoes; ++r) {
            for (size_t i = 0; i < base; ++i) aceitos.push_back(aceitos[i]);
        }
    }
    return aceitos;
}

void GeradorInstrumentoCordas::porBaixo(int32_t tom, Candidatos& aceitos) {
    // The bass on the highest string first, then one string lower each time.
    for (int32_t s = ultimaCorda; s >= 0; --s) {
        std::fill(candidato.begin(), candidato.end(), numeroCasas + 1);
        for (int32_t abaixo = 0; abaixo < s; ++abaixo) {
            candidato[abaixo] = -1;
            mascarasVivas[abaixo + 1] = mascarasVivas[abaixo] & mascarasSeAbafada[abaixo];
        }
        if (mascarasVivas[s] == 0) continue;
        for (int32_t f = 0; f <= numeroCasas; ++f) {
            if (classeAltura(afinacao[s] + f) == tom) decidir(s, f, 0, aceitos);
        }
    }
}

void GeradorInstrumentoCordas::decidir(int32_t corda, int32_t casa, int32_t soando, Candidatos& aceitos) {
    const uint32_t vivas = mascarasVivas[corda] & (casa == -1 ? mascarasSeAbafada : mascarasSeSoando)[corda];
    if (vivas == 0) return;
    const int32_t agora = soando + (casa != -1);
    // Not enough strings left to reach the sounding minimum.
    if (agora + (ultimaCorda - corda) < RestricaoAcordes::kMinimoCordasSoando) return;
    candidato[corda] = casa;
    mascarasVivas[corda + 1] = vivas;
    completar(corda + 1, agora, aceitos);
    candidato[corda] = numeroCasas + 1;
}

void GeradorInstrumentoCordas::completar(int32_t corda, int32_t soando, Candidatos& aceitos) {
    if (corda > ultimaCorda) {
        if (restricao->aceita(candidato, afinacao, numeroCasas, tons)) aceitos.push_back(candidato);
        return;
    }
    // The span window of the frets already held.
    int32_t maior = -1;
    int32_t menor = -1;
    for (int32_t s = 0; s < corda; ++s) {
        const int32_t c = candidato[s];
        if (c < 1 || c > numeroCasas) continue;
        if (maior < 0 || c > maior) maior = c;
        if (menor < 0 || c < menor) menor = c;
    }
    int32_t lo = 0;
    int32_t hi = numeroCasas;
    if (maior >= 0) {
        lo = std::max(maior - distancia, 0);
        hi = std::min(menor + distancia, numeroCasas);
    }

    decidir(corda, -1, soando, aceitos);
    const int32_t solta = afinacao[corda];
    // An open string is always in reach.
    if (lo > 0 && tons.ehTom(classeAltura(solta))) decidir(corda, 0, soando, aceitos);
    for (int32_t f = lo; f <= hi; ++f) {
        if (tons.ehTom(classeAltura(solta + f))) decidir(corda, f, soando, aceitos);
    }
}
