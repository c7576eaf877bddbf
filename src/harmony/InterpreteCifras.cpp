#include "harmony/InterpreteCifras.h"

#include <cstdlib>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"

namespace {

using Linha = Especialista::LinhaCifra;
using Acao = Especialista::AcaoGrau;

constexpr Acao mais(IndiceGrau g) { return {g, true}; }
constexpr Acao menos(IndiceGrau g) { return {g, false}; }

// A longer token must come before every token that is its prefix, in its row and
// in the rows before it: the first token that matches wins.
constexpr Linha kCifraBrasileira[] = {
    {{"sus9", "sus2"}, {mais(12), menos(3)}},
    {{"4", "sus4", "add4", "sus"}, {mais(4)}},
    {{"b5", "5b", "-5", "5-"}, {menos(6), mais(5)}},
    {{"omitt5"}, {menos(6)}},
    {{"+5", "5+", "5#", "#5", "aug5", "5aug", "aug"}, {menos(6), mais(7)}},
    {{"5"}, {menos(3)}},
    {{"6"}, {mais(8)}},
    {{"7M", "M7", "7+", "+7", "7#", "#7", "7maj", "maj7"}, {mais(10)}},
    {{"7", "dom7"}, {mais(9)}},
    {{"b9", "9b", "-9", "9-"}, {mais(11)}},
    {{"#9", "9#", "M9", "9M"}, {mais(13)}},
    {{"9", "add9", "2"}, {mais(12)}},
    {{"11#", "#11", "11+", "+11"}, {mais(16)}},
    {{"11"}, {mais(15)}},
    {{"13b", "b13", "13-", "-13"}, {mais(18)}},
    {{"13"}, {mais(19)}},
    {{"dim7", "dim", "o", "\xBA", "\xB0"}, {mais(8), menos(3), mais(2), menos(6), mais(5)}},
    {{"half-dim", "\xF8"}, {menos(3), mais(2), menos(6), mais(5), mais(9)}},
};

constexpr Linha kCifraInternacional[] = {
    {{"4"}, {mais(4), mais(9)}},
    {{"add4"}, {mais(4)}},
    {{"sus9", "sus2"}, {mais(12), menos(3)}},
    {{"sus4", "sus"}, {mais(4), menos(3)}},
    {{"b5", "5b", "-5", "5-"}, {menos(6), mais(5)}},
    {{"omitt5"}, {menos(6)}},
    {{"+5", "5+", "5#", "#5", "aug5", "5aug", "aug"}, {menos(6), mais(7)}},
    {{"5"}, {menos(3)}},
    {{"6"}, {mais(19)}},
    {{"7M", "M7", "7+", "+7", "7#", "#7", "7maj", "maj7"}, {mais(10)}},
    {{"7", "dom7"}, {mais(9)}},
    {{"b9", "9b", "-9", "9-"}, {mais(11)}},
    {{"#9", "9#", "M9", "9M"}, {mais(13)}},
    {{"9"}, {mais(12), mais(9)}},
    {{"add9", "2"}, {mais(12)}},
    {{"11#", "#11", "11+", "+11"}, {mais(16)}},
    {{"11"}, {mais(15)}},
    {{"13b", "b13", "13-", "-13"}, {menos(6), mais(18)}},
    {{"13"}, {mais(19)}},
    {{"dim7", "dim", "o", "\xBA", "\xB0"}, {mais(8), menos(3), mais(2), menos(6), mais(5)}},
    {{"half-dim", "\xF8"}, {menos(3), mais(2), menos(6), mais(5), mais(9)}},
};

constexpr const char* kSeparadores[] = {"(", ")", ".", ",", "|", "/", "\\"};

const char* const kPortugues = "Portugu\xEAs (Brasil)";

bool comecaCom(const std::string& texto, size_t pos, const char* token) {
    for (size_t i = 0; token[i] != '\0'; ++i) {
        if (pos + i >= texto.size() || texto[pos + i] != token[i]) return false;
    }
    return true;
}

char minuscula(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool acidente(char c) { return c == '#' || c == 'b'; }

// Length of the root text at the start of a symbol: the letter, and a sharp or
// (lower-case) flat sign after it.
size_t tamanhoRaiz(const std::string& cifra) {
    if (cifra.empty()) return 0;
    return cifra.size() >= 2 && acidente(cifra[1]) ? 2 : 1;
}

void validarNota(IndiceNota nota, const char* metodo) {
    if (nota < 0 || nota >= kNumeroNotas) {
        throw OutOfBoundsException("Indice inv\xE1lido", nota, "Especialista", metodo);
    }
}

// The note name that the whole text spells, letter case ignored; kSemNota if none.
IndiceNota procurarNota(const std::string& texto) {
    for (IndiceNota n = 0; n < kNumeroNotas; ++n) {
        const std::string nome = kNotas[n].nome;
        if (nome.size() != texto.size()) continue;
        bool igual = true;
        for (size_t i = 0; i < nome.size() && igual; ++i) igual = minuscula(nome[i]) == minuscula(texto[i]);
        if (igual) return n;
    }
    return kSemNota;
}

[[noreturn]] void semRaiz(const std::string& texto) {
    throw RaizNaoEncontradaException(GerenciadorIdiomas::getInstancia()->getTexto("exception", "raizAcorde") + texto);
}

constexpr int kBitRaiz = 27;
constexpr CodigoAcorde kMascaraBaixo = 0x1F;

}  // namespace

Especialista* Especialista::getInstancia() {
    static Especialista* const unica = new Especialista();
    return unica;
}

bool Especialista::notacaoBrasileira() {
    return GerenciadorIdiomas::getInstancia()->getNomeIdioma() == kPortugues;
}

std::span<const Especialista::LinhaCifra> Especialista::tabelaCifra(bool brasileira) {
    if (brasileira) return kCifraBrasileira;
    return kCifraInternacional;
}

std::span<const char* const> Especialista::separadores() { return kSeparadores; }

// --- chord code -------------------------------------------------------------

IndiceNota Especialista::getRaiz(CodigoAcorde codigo) const { return static_cast<IndiceNota>(codigo >> kBitRaiz); }

IndiceNota Especialista::getBaixo(CodigoAcorde codigo) const {
    return static_cast<IndiceNota>(codigo & kMascaraBaixo) - 1;
}

bool Especialista::temGrau(CodigoAcorde codigo, IndiceGrau grau) const {
    if (grau < 0 || grau > 26) return false;  // no bit of the code: never shift past it
    return ((codigo >> (26 - grau)) & 1u) != 0;
}

void Especialista::setGrau(CodigoAcorde& codigo, IndiceGrau grau, bool presente) const {
    if (grau < 0 || grau >= kNumeroGraus) {
        throw OutOfBoundsException("Indice inv\xE1lido", grau, "Especialista", "setGrau");
    }
    const CodigoAcorde bit = CodigoAcorde{1} << (26 - kGraus[grau].armazenadoComo);
    if (presente) {
        codigo |= bit;
    } else {
        codigo &= ~bit;
    }
}

void Especialista::setRaiz(CodigoAcorde& codigo, IndiceNota nota) const {
    validarNota(nota, "setRaiz");
    codigo |= static_cast<CodigoAcorde>(nota) << kBitRaiz;
}

void Especialista::setBaixo(CodigoAcorde& codigo, IndiceNota nota) const {
    validarNota(nota, "setBaixo");
    codigo |= static_cast<CodigoAcorde>(nota + 1);
}

int Especialista::getClasseRaiz(CodigoAcorde codigo) const { return getClasseNota(getRaiz(codigo)); }

// --- note names ---------------------------------------------------------------

int Especialista::getClasseNota(IndiceNota nota) const {
    validarNota(nota, "getClasseNota");
    return kNotas[nota].classe;
}

IndiceNota Especialista::getNotaSustenido(int altura) const {
    const int classe = ((altura % kNumeroClasses) + kNumeroClasses) % kNumeroClasses;
    return kNotaSustenidoDaClasse[classe];
}

std::string Especialista::getNomeNota(IndiceNota nota) const {
    validarNota(nota, "getNomeNota");
    return kNotas[nota].nome;
}

IndiceNota Especialista::subirSemitom(IndiceNota nota) const {
    validarNota(nota, "subirSemitom");
    return kNotas[nota].acima;
}

IndiceNota Especialista::descerSemitom(IndiceNota nota) const {
    validarNota(nota, "descerSemitom");
    return kNotas[nota].abaixo;
}

// --- chord symbols ------------------------------------------------------------

IndiceNota Especialista::lerNota(const std::string& texto) const {
    const IndiceNota nota = procurarNota(texto);
    if (nota == kSemNota) semRaiz(texto);
    return nota;
}

CodigoAcorde Especialista::interpretarCifra(const std::string& cifra) const { return interpretar(cifra, nullptr); }

CodigoAcorde Especialista::interpretar(const std::string& cifra, size_t* inicioBaixo) const {
    if (inicioBaixo != nullptr) *inicioBaixo = std::string::npos;
    size_t pos = tamanhoRaiz(cifra);
    CodigoAcorde codigo = 0;
    setRaiz(codigo, lerNota(cifra.substr(0, pos)));
    setGrau(codigo, grau::kQuinta, true);
    setGrau(codigo, grau::kTercaMaior, true);

    // Minor is read only right after the root; "maj" is left for the token rows.
    if (pos < cifra.size() && !comecaCom(cifra, pos, "major") && !comecaCom(cifra, pos, "maj")) {
        const size_t menor = comecaCom(cifra, pos, "min") ? 3 : comecaCom(cifra, pos, "m") ? 1 : 0;
        if (menor != 0) {
            pos += menor;
            setGrau(codigo, grau::kTercaMaior, false);
            setGrau(codigo, grau::kTercaMenor, true);
        }
    }

    const auto linhas = tabelaCifra(notacaoBrasileira());
    while (pos < cifra.size()) {
        bool achou = false;
        for (const LinhaCifra& linha : linhas) {
            for (const char* token : linha.tokens) {
                if (token == nullptr) break;
                if (!comecaCom(cifra, pos, token)) continue;
                for (const AcaoGrau& acao : linha.acoes) {
                    if (acao.grau >= 0) setGrau(codigo, acao.grau, acao.presente);
                }
                pos += std::char_traits<char>::length(token);
                achou = true;
                break;
            }
            if (achou) break;
        }
        if (achou) continue;

        for (const char* separador : kSeparadores) {
            if (!comecaCom(cifra, pos, separador)) continue;
            ++pos;
            achou = true;
            // A bass is a note name that runs to the end of the symbol; anything
            // else after the separator is more of the symbol.
            const IndiceNota baixo = procurarNota(cifra.substr(pos));
            if (baixo != kSemNota) {
                setBaixo(codigo, baixo);
                if (inicioBaixo != nullptr) *inicioBaixo = pos;
                return codigo;
            }
            break;
        }
        if (!achou) throw DataFormatException(cifra);
    }
    return codigo;
}

std::string Especialista::getNomeAcorde(CodigoAcorde codigo) const {
    using namespace grau;
    const bool brasileira = notacaoBrasileira();
    const auto tem = [&](IndiceGrau g) { return temGrau(codigo, g); };

    std::string nome = getNomeNota(getRaiz(codigo));
    if (tem(kTercaMenor)) nome += tem(kQuintaDiminuta) && tem(kSexta) ? "\xBA" : "m";

    bool escrito = false;
    bool nonaNomeada = false;  // "sus2" or "add9" already says the ninth
    if (brasileira) {
        if (tem(kQuarta)) {
            nome += "4";
            escrito = true;
        }
    } else if (tem(kQuarta)) {
        nome += tem(kSetimaMenor) ? "4" : tem(kTercaMaior) ? "add4" : "sus4";
        escrito = true;
    } else if (tem(kNona)) {
        // "sus2" stands for the third: a minor third is a third too (Cm7(9),
        // not "Cmsus2/7(9)").
        if (!tem(kTercaMaior) && !tem(kTercaMenor)) {
            nome += "sus2";
            escrito = nonaNomeada = true;
        } else if (!tem(kSetimaMenor)) {
            nome += "add9";
            escrito = nonaNomeada = true;
        }
    }

    if (tem(kSetimaMenor) || tem(kSetimaMaior)) {
        if (escrito) nome += "/";
        nome += tem(kSetimaMenor) ? "7" : "7M";
    }

    std::string extensoes;
    const auto incluir = [&](const char* texto) {
        extensoes += extensoes.empty() ? "(" : "/";
        extensoes += texto;
    };
    if (tem(kQuintaDiminuta)) {
        incluir("b5");
    } else if (tem(kQuintaAumentada)) {
        incluir("#5");
    }
    if (tem(kSexta)) incluir("6");
    // With a seventh the ninth is listed even after "sus2" (Csus2/7(9)). After
    // a fourth nothing has named it yet; without the seventh the international
    // "9" would add one, so there it is listed as "add9" (Csus4(add9)).
    if (tem(kNona)) {
        if (brasileira || tem(kSetimaMenor)) {
            incluir("9");
        } else if (!nonaNomeada) {
            incluir("add9");
        }
    }
    if (tem(kNonaAumentada)) incluir("#9");
    if (tem(kNonaMenor)) incluir("b9");
    if (tem(kDecimaPrimeira)) incluir("11");
    if (tem(kDecimaPrimeiraAumentada)) incluir("#11");
    if (tem(kDecimaTerceira)) incluir("13");
    if (tem(kDecimaTerceiraMenor) && (brasileira || !tem(kQuinta))) incluir("b13");
    if (!extensoes.empty()) nome += extensoes + ")";

    const IndiceNota baixo = getBaixo(codigo);
    if (baixo != kSemNota) nome += "/" + getNomeNota(baixo);
    return nome;
}

std::string Especialista::transporCifra(const std::string& cifra, int semitons, DirecaoTransposicao direcao) const {
    size_t inicioBaixo = std::string::npos;
    const CodigoAcorde codigo = interpretar(cifra, &inicioBaixo);
    IndiceNota raiz = getRaiz(codigo);
    IndiceNota baixo = getBaixo(codigo);

    // After the first step every name is on the twelve-note circle of its
    // direction, so further steps repeat with period 12.
    int passos = semitons <= 0 ? 0 : 1 + (semitons - 1) % kNumeroClasses;
    if (direcao != kTransporAcima && direcao != kTransporAbaixo) passos = 0;
    for (int i = 0; i < passos; ++i) {
        raiz = direcao == kTransporAcima ? subirSemitom(raiz) : descerSemitom(raiz);
        if (baixo != kSemNota) baixo = direcao == kTransporAcima ? subirSemitom(baixo) : descerSemitom(baixo);
    }

    const size_t fimRaiz = tamanhoRaiz(cifra);
    std::string novaRaiz = getNomeNota(raiz);
    // A natural root directly before a wording that starts with "b" or "#"
    // would take it as its accidental (Bbb9 up one is not Bb9): a "." keeps
    // them apart without changing what the symbol means.
    if (novaRaiz.size() == 1 && fimRaiz < cifra.size() && (cifra[fimRaiz] == 'b' || cifra[fimRaiz] == '#')) {
        novaRaiz += '.';
    }
    if (baixo == kSemNota) return novaRaiz + cifra.substr(fimRaiz);
    // Only the bass text itself is replaced: cutting at the first "/" would drop
    // whatever a "/" inside the extensions is followed by (C7(9/11)/E).
    return novaRaiz + cifra.substr(fimRaiz, inicioBaixo - fimRaiz) + getNomeNota(baixo);
}

bool Especialista::usaBemol(const std::string& nome) const { return nome.size() >= 2 && nome[1] == 'b'; }

// --- chord naming -------------------------------------------------------------

CodigoAcorde Especialista::reconhecerAcorde(const std::vector<int>& notas, int raiz) const {
    using namespace grau;
    // Pitches are never negative: the only negative root is "none".
    if (raiz < 0) semRaiz("");

    const int raizOriginal = raiz;
    int raizTrabalho = raiz;
    bool tocou = false;
    int baixo = 0;
    CodigoAcorde codigo = 0;
    for (const int nota : notas) {
        if (nota < 0) continue;
        if (!tocou) {
            tocou = true;
            baixo = nota;
            // Notes at or below the chosen root are measured from the root's
            // octave at or below the bass.
            while (raizTrabalho > baixo) raizTrabalho -= kNumeroClasses;
        }
        const int referencia = nota > raizOriginal ? raizOriginal : raizTrabalho;
        const int distancia = std::abs(referencia - nota);
        const int dobrada = distancia <= 24 ? distancia % 24 : distancia % 12 + 12;
        if (dobrada == 0 || dobrada == 12) continue;
        IndiceGrau g = dobrada < 12 ? dobrada - 1 : dobrada - 2;
        if (g == kNonaAumentada && !temGrau(codigo, kTercaMaior)) g = kTercaMenor;
        if (g == kDecimaPrimeiraAumentada && !temGrau(codigo, kQuinta) && !temGrau(codigo, kQuintaDiminuta) &&
            !temGrau(codigo, kQuintaAumentada)) {
            g = kQuintaDiminuta;
        }
        setGrau(codigo, g, true);
    }

    const IndiceNota nomeRaiz = getNotaSustenido(raizTrabalho);
    setRaiz(codigo, nomeRaiz);
    if (tocou) {
        const IndiceNota nomeBaixo = getNotaSustenido(baixo);
        if (nomeBaixo != nomeRaiz) setBaixo(codigo, nomeBaixo);
    }
    return codigo;
}
