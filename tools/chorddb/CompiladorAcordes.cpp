#include "CompiladorAcordes.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace chorddb {
namespace {

struct Nota {
    const char* nome;
    int classe;
};

// The root and bass spellings the chord-symbol reader accepts.
constexpr Nota kNotas[] = {
    {"C", 0},  {"C#", 1}, {"Db", 1},  {"D", 2},   {"D#", 3}, {"Eb", 3},  {"E", 4},   {"F", 5},  {"F#", 6},
    {"Gb", 6}, {"G", 7},  {"G#", 8},  {"Ab", 8},  {"A", 9},  {"A#", 10}, {"Bb", 10}, {"B", 11},
};

std::optional<int> classeDaNota(const std::string& texto) {
    for (const auto& n : kNotas) {
        if (texto == n.nome) return n.classe;
    }
    return std::nullopt;
}

// A chord name taken apart: root, what follows it, and the bass of a slash chord.
struct NomePartido {
    std::string raiz;
    std::string sufixo;
    std::string baixo;  // empty when there is none
};

NomePartido partirNome(const std::string& nome, int linha) {
    if (nome.empty() || nome[0] < 'A' || nome[0] > 'G') {
        throw ErroFonte(linha, "chord name '" + nome + "' does not start with a root letter A to G");
    }
    NomePartido p;
    size_t tamanhoRaiz = (nome.size() > 1 && (nome[1] == '#' || nome[1] == 'b')) ? 2 : 1;
    p.raiz = nome.substr(0, tamanhoRaiz);
    if (!classeDaNota(p.raiz)) {
        throw ErroFonte(linha, "chord name '" + nome + "' has the root '" + p.raiz +
                                   "', which is not one of the seventeen note names");
    }
    std::string resto = nome.substr(tamanhoRaiz);
    const size_t barra = resto.rfind('/');
    if (barra != std::string::npos && classeDaNota(resto.substr(barra + 1))) {
        p.baixo = resto.substr(barra + 1);
        resto.resize(barra);
    }
    p.sufixo = resto;
    return p;
}

// Source text is UTF-8; the file holds Windows-1252, so only characters that
// both share (ASCII and U+00A0..U+00FF) may be used in names.
std::string paraCp1252(const std::string& utf8, int linha) {
    std::string saida;
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F) throw ErroFonte(linha, "control character in a chord name");
            saida += static_cast<char>(c);
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size() &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            const unsigned ponto = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            if (ponto >= 0xA0 && ponto <= 0xFF) {
                saida += static_cast<char>(ponto);
                i += 2;
                continue;
            }
        }
        throw ErroFonte(linha, "chord name '" + utf8 + "' has a character that Windows-1252 names cannot hold");
    }
    return saida;
}

std::vector<std::string> palavras(const std::string& linha) {
    std::vector<std::string> saida;
    std::istringstream in(linha);
    std::string p;
    while (in >> p) {
        if (p[0] == '#') break;
        saida.push_back(p);
    }
    return saida;
}

int lerInteiro(const std::string& texto, int linha, const char* oque) {
    if (texto.empty() || texto.size() > 3 ||
        !std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        throw ErroFonte(linha, std::string("'") + texto + "' is not a " + oque);
    }
    return std::stoi(texto);
}

struct Forma {
    NomePartido nome;
    std::array<int, kCordas> casas{};
    std::array<int, kCordas> dedos{};
    int linha = 0;
};

Forma lerForma(const std::vector<std::string>& p, int linha, int numeroCasas) {
    if (p.size() < 1 + 2 * kCordas) {
        throw ErroFonte(linha, "a fingering needs a name, six frets and six fingers");
    }
    Forma f;
    f.linha = linha;
    f.nome = partirNome(p[0], linha);
    for (int s = 0; s < kCordas; ++s) {
        const std::string& casa = p[1 + s];
        const std::string& dedo = p[1 + kCordas + s];
        f.casas[s] = (casa == "x" || casa == "X") ? kAbafada : lerInteiro(casa, linha, "fret");
        f.dedos[s] = (dedo == "x" || dedo == "X") ? kDedoAbafada : lerInteiro(dedo, linha, "finger");
        if (f.casas[s] > numeroCasas) {
            throw ErroFonte(linha, "fret " + casa + " is past the last fret (" + std::to_string(numeroCasas) + ")");
        }
        if (f.dedos[s] > 4 && f.dedos[s] != kDedoAbafada) {
            throw ErroFonte(linha, "finger " + dedo + " does not exist: use 0 (open), 1 to 4, or x (muted)");
        }
    }
    return f;
}

// The hand must be able to play it: fingers agree with frets, a finger on
// several strings lies across one fret (a barre), and the stopped frets fit
// within four frets.
void verificarMao(const std::array<int, kCordas>& casas, const std::array<int, kCordas>& dedos, int linha) {
    int soando = 0;
    int menor = 99, maior = -1;
    std::map<int, int> casaDoDedo;
    for (int s = 0; s < kCordas; ++s) {
        const std::string corda = "string " + std::to_string(s + 1) + " (lowest = 1): ";
        const int c = casas[s], d = dedos[s];
        if (c == kAbafada) {
            if (d != kDedoAbafada) throw ErroFonte(linha, corda + "a muted string takes finger x");
            continue;
        }
        ++soando;
        if (c == 0) {
            if (d != 0) throw ErroFonte(linha, corda + "an open string takes finger 0");
            continue;
        }
        if (d < 1 || d > 4) throw ErroFonte(linha, corda + "a stopped string takes a finger from 1 to 4");
        auto [it, novo] = casaDoDedo.emplace(d, c);
        if (!novo && it->second != c) {
            throw ErroFonte(linha, corda + "finger " + std::to_string(d) + " is already on fret " +
                                       std::to_string(it->second) + "; one finger stops one fret");
        }
        menor = std::min(menor, c);
        maior = std::max(maior, c);
    }
    if (soando < 3) throw ErroFonte(linha, "a chord fingering sounds at least three strings");
    if (maior >= 0 && maior - menor > 3) {
        throw ErroFonte(linha, "the stopped frets " + std::to_string(menor) + " to " + std::to_string(maior) +
                                   " span more than four frets");
    }
}

int menorCasaPresa(const std::array<int, kCordas>& casas) {
    int menor = 0;
    for (int c : casas) {
        if (c > 0 && (menor == 0 || c < menor)) menor = c;
    }
    return menor;
}

int maiorCasa(const std::array<int, kCordas>& casas) {
    return *std::max_element(casas.begin(), casas.end());
}

std::string juntarNome(const NomePartido& n) { return n.raiz + n.sufixo + (n.baixo.empty() ? "" : "/" + n.baixo); }

// A fingering before it is named in the chosen language.
struct Bruto {
    NomePartido nome;
    std::array<int, kCordas> casas{};
    std::array<int, kCordas> dedos{};
    int linha = 0;
};

// Moves a shape to the lowest place on the neck where every stopped string stays
// on a fret; nothing when that place passes the last fret.
std::optional<Bruto> moverForma(const Forma& f, const NomePartido& alvo, int numeroCasas) {
    const int delta = (*classeDaNota(alvo.raiz) - *classeDaNota(f.nome.raiz) + 12) % 12;
    int passo = delta;
    if (menorCasaPresa(f.casas) + delta - 12 >= 1) passo -= 12;
    Bruto b{alvo, f.casas, f.dedos, f.linha};
    for (int& c : b.casas) {
        if (c > 0) c += passo;
    }
    if (maiorCasa(b.casas) > numeroCasas) return std::nullopt;
    return b;
}

std::vector<NomePartido> lerAlvos(const Forma& f, const std::vector<std::string>& p, int linha) {
    std::vector<NomePartido> alvos;
    if (p.size() == 1 + 2 * kCordas) throw ErroFonte(linha, "a shape needs its targets: roots, root/bass or *");
    for (size_t i = 1 + 2 * kCordas; i < p.size(); ++i) {
        const std::string& t = p[i];
        if (t == "*") {
            if (!f.nome.baixo.empty()) {
                throw ErroFonte(linha, "a slash-chord shape names each target with its bass, '*' cannot");
            }
            for (const auto& n : kNotas) alvos.push_back({n.nome, f.nome.sufixo, ""});
            continue;
        }
        // A bare root takes the suffix of the shape; a slash chord is written
        // out whole ("Em/G"), so its suffix must be the shape's own.
        NomePartido alvo = partirNome(t, linha);
        if (alvo.sufixo.empty() && alvo.baixo.empty()) {
            alvo.sufixo = f.nome.sufixo;
        } else if (alvo.sufixo != f.nome.sufixo) {
            throw ErroFonte(linha, "target '" + t + "' is not the chord of the shape " + juntarNome(f.nome) +
                                       " on another root");
        }
        if (alvo.baixo.empty() != f.nome.baixo.empty()) {
            throw ErroFonte(linha, "target '" + t + (f.nome.baixo.empty() ? "' has a bass but the shape has none"
                                                                          : "' needs the bass of the slash chord"));
        }
        if (!alvo.baixo.empty()) {
            const int intervaloForma = (*classeDaNota(f.nome.baixo) - *classeDaNota(f.nome.raiz) + 12) % 12;
            const int intervaloAlvo = (*classeDaNota(alvo.baixo) - *classeDaNota(alvo.raiz) + 12) % 12;
            if (intervaloForma != intervaloAlvo) {
                throw ErroFonte(linha, "target '" + t + "' does not have the bass of the shape moved with it");
            }
        }
        alvos.push_back(alvo);
    }
    return alvos;
}

}  // namespace

std::vector<Dedilhado> compilar(const std::string& fonte, const OpcoesCompilacao& opcoes) {
    enum class Secao { Nenhuma, Acordes, Formas, Nomes, NomesOutroIdioma };
    Secao secao = Secao::Nenhuma;
    std::map<std::string, std::string> traducao;  // suffix -> suffix in the chosen language
    std::map<std::string, int> linhaDaTraducao;
    std::set<std::string> idiomasVistos;
    std::vector<Bruto> brutos;

    std::istringstream in(fonte);
    std::string texto;
    int linha = 0;
    while (std::getline(in, texto)) {
        ++linha;
        if (!texto.empty() && texto.back() == '\r') texto.pop_back();
        const auto p = palavras(texto);
        if (p.empty()) continue;
        if (p[0][0] == '[') {
            std::string cabecalho;
            for (const auto& w : p) cabecalho += (cabecalho.empty() ? "" : " ") + w;
            if (cabecalho == "[chords]") {
                secao = Secao::Acordes;
            } else if (cabecalho == "[shapes]") {
                secao = Secao::Formas;
            } else if (p.size() == 2 && p[0] == "[names" && p[1].size() > 1 && p[1].back() == ']') {
                const std::string idioma = p[1].substr(0, p[1].size() - 1);
                if (!idiomasVistos.insert(idioma).second) {
                    throw ErroFonte(linha, "the names of '" + idioma + "' are given twice");
                }
                secao = idioma == opcoes.idioma ? Secao::Nomes : Secao::NomesOutroIdioma;
            } else {
                throw ErroFonte(linha, "unknown section " + cabecalho + " (use [chords], [shapes] or [names LANG])");
            }
            continue;
        }
        switch (secao) {
        case Secao::Nenhuma:
            throw ErroFonte(linha, "a statement before any section");
        case Secao::NomesOutroIdioma:
            break;
        case Secao::Nomes: {
            if (p.size() != 2) throw ErroFonte(linha, "a name line holds a suffix and its writing: two words");
            const std::string de = p[0] == "." ? "" : p[0];
            const std::string para = p[1] == "." ? "" : p[1];
            if (!traducao.emplace(de, para).second) {
                throw ErroFonte(linha, "the suffix '" + p[0] + "' is already given on line " +
                                           std::to_string(linhaDaTraducao[de]));
            }
            linhaDaTraducao[de] = linha;
            break;
        }
        case Secao::Acordes: {
            if (p.size() != 1 + 2 * kCordas) throw ErroFonte(linha, "a fingering is a name, six frets and six fingers");
            const Forma f = lerForma(p, linha, opcoes.numeroCasas);
            verificarMao(f.casas, f.dedos, linha);
            brutos.push_back({f.nome, f.casas, f.dedos, linha});
            break;
        }
        case Secao::Formas: {
            const Forma f = lerForma(p, linha, opcoes.numeroCasas);
            verificarMao(f.casas, f.dedos, linha);
            for (int s = 0; s < kCordas; ++s) {
                if (f.casas[s] == 0) throw ErroFonte(linha, "a movable shape cannot have an open string");
            }
            const bool todas = std::find(p.begin() + 1 + 2 * kCordas, p.end(), "*") != p.end();
            for (const auto& alvo : lerAlvos(f, p, linha)) {
                auto movida = moverForma(f, alvo, opcoes.numeroCasas);
                if (!movida) {
                    if (todas) continue;
                    throw ErroFonte(linha, "the shape moved to " + juntarNome(alvo) + " passes fret " +
                                               std::to_string(opcoes.numeroCasas));
                }
                brutos.push_back(*movida);
            }
            break;
        }
        }
    }
    if (!opcoes.idioma.empty() && !idiomasVistos.count(opcoes.idioma)) {
        throw ErroFonte(0, "the source has no [names " + opcoes.idioma + "] section");
    }
    // Two suffixes written alike would merge two chords into one.
    std::map<std::string, std::string> origemDaEscrita;
    for (const auto& [de, para] : traducao) {
        auto [it, novo] = origemDaEscrita.emplace(para, de);
        if (!novo) {
            std::string primeiro = it->second, segundo = de;
            if (linhaDaTraducao[primeiro] > linhaDaTraducao[segundo]) std::swap(primeiro, segundo);
            throw ErroFonte(linhaDaTraducao[segundo], "the suffixes '" + primeiro + "' and '" + segundo +
                                                          "' would both be written '" + para + "'");
        }
    }

    // Group by chord, first appearance first; within a chord up the neck.
    std::vector<std::string> ordemAcordes;
    std::map<std::string, std::vector<Dedilhado>> porAcorde;
    std::map<std::string, int> linhaDoDedilhado;
    for (const auto& b : brutos) {
        NomePartido nome = b.nome;
        if (!opcoes.idioma.empty()) {
            auto it = traducao.find(nome.sufixo);
            if (it == traducao.end()) {
                throw ErroFonte(b.linha, "the suffix '" + (nome.sufixo.empty() ? std::string(".") : nome.sufixo) +
                                             "' of " + juntarNome(b.nome) + " has no writing in [names " +
                                             opcoes.idioma + "]");
            }
            nome.sufixo = it->second;
        }
        Dedilhado d{paraCp1252(juntarNome(nome), b.linha), b.casas, b.dedos, b.linha};
        if (d.nome.size() > static_cast<size_t>(kMaxNome)) {
            throw ErroFonte(b.linha, "chord name '" + juntarNome(nome) + "' has " + std::to_string(d.nome.size()) +
                                         " characters; a record holds at most " + std::to_string(kMaxNome));
        }
        std::string chave = d.nome;
        for (int s = 0; s < kCordas; ++s) chave += " " + std::to_string(d.casas[s]) + ":" + std::to_string(d.dedos[s]);
        auto [it, novo] = linhaDoDedilhado.emplace(chave, b.linha);
        if (!novo) {
            throw ErroFonte(b.linha, "this fingering of " + juntarNome(nome) + " is already given on line " +
                                         std::to_string(it->second));
        }
        auto& lista = porAcorde[d.nome];
        if (lista.empty()) ordemAcordes.push_back(d.nome);
        lista.push_back(d);
    }

    std::vector<Dedilhado> saida;
    for (const auto& nome : ordemAcordes) {
        auto& lista = porAcorde[nome];
        std::stable_sort(lista.begin(), lista.end(), [](const Dedilhado& a, const Dedilhado& b) {
            return menorCasaPresa(a.casas) < menorCasaPresa(b.casas);
        });
        saida.insert(saida.end(), lista.begin(), lista.end());
    }
    return saida;
}

std::string codificar(const std::vector<Dedilhado>& dedilhados) {
    std::string saida;
    uint16_t numero = 0;
    for (const auto& d : dedilhados) {
        saida += static_cast<char>(numero & 0xFF);
        saida += static_cast<char>(numero >> 8);
        ++numero;
        saida += static_cast<char>(d.nome.size());
        saida += d.nome;
        unsigned mascara = 0;
        unsigned casas[kCordas], dedos[kCordas];
        for (int s = 0; s < kCordas; ++s) {
            const bool abafada = d.casas[s] == kAbafada || d.dedos[s] == kDedoAbafada;
            if (!abafada) mascara |= 1u << s;
            casas[s] = abafada ? 0u : static_cast<unsigned>(d.casas[s]) & 0x0Fu;
            dedos[s] = abafada ? static_cast<unsigned>(kDedoAbafada) : static_cast<unsigned>(d.dedos[s]) & 0x07u;
        }
        saida += static_cast<char>(mascara);
        for (int s = 0; s < kCordas; s += 2) saida += static_cast<char>(casas[s] | (casas[s + 1] << 4));
        for (int s = 0; s < kCordas; s += 2) saida += static_cast<char>(dedos[s] | (dedos[s + 1] << 3));
    }
    return saida;
}

}  // namespace chorddb
