// Builds a language for the program directory from its readable source:
//
//   brelvio_imagens <source.idm.txt> <language.idm> <pictures.dat>
//   brelvio_imagens --preview <source.idm.txt> <folder> [part of a key]
//   brelvio_imagens --icon <icon.png> <side>
//
// The source is UTF-8; a picture entry holds "@imagem" as its value. The tool
// draws every picture of the pack, writes them back to back into the picture
// pack, and writes the language file in Windows-1252 with CRLF line ends and
// each picture entry holding "offset,length" into the pack. Comment lines
// (";") and the section of words for the pictures stay out of the result.
// The second form draws the pictures (those whose key holds the given part)
// as PNG files into the folder instead, for looking at them. The third draws
// the program's icon for the desktop: the emblem alone, transparent around it.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Estilo.h"
#include "Mascara.h"
#include "Quadros.h"
#include "core/base/Texto1252.h"

namespace {

const char* const kMarcaImagem = "@imagem";
const char* const kSecaoTextos = "textosDasImagens";

std::string aparar(const std::string& s) {
    size_t a = 0;
    size_t b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
    return s.substr(a, b - a);
}

struct Falha {
    std::string texto;
};

std::vector<std::string> lerLinhas(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    if (!entrada) throw Falha{"cannot read " + caminho};
    std::vector<std::string> linhas;
    std::string linha;
    while (std::getline(entrada, linha)) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        linhas.push_back(linha);
    }
    return linhas;
}

std::string para1252(const std::string& utf8, const std::string& onde) {
    const auto texto = texto1252::deUtf8(utf8);
    if (!texto) throw Falha{onde + ": not UTF-8, or a character Windows-1252 lacks"};
    return *texto;
}

// section -> key -> value, first occurrence wins, as the program reads it.
using Tabela = std::map<std::string, std::map<std::string, std::string>>;

Tabela lerTabela(const std::vector<std::string>& linhas) {
    Tabela tabela;
    std::string secao;
    std::set<std::string> vistas;
    bool valendo = false;
    for (const auto& linha : linhas) {
        const std::string aparada = aparar(linha);
        if (aparada.empty() || aparada[0] == ';') continue;
        if (aparada[0] == '[') {
            secao = aparada.substr(1, aparada.size() >= 2 ? aparada.size() - 2 : 0);
            valendo = vistas.insert(secao).second;
            continue;
        }
        const size_t igual = linha.find('=');
        if (!valendo || igual == std::string::npos) continue;
        tabela[secao].emplace(linha.substr(0, igual), linha.substr(igual + 1));
    }
    return tabela;
}

std::string valor(const Tabela& tabela, const std::string& secao, const std::string& chave) {
    const auto s = tabela.find(secao);
    if (s == tabela.end()) throw Falha{"missing section [" + secao + "]"};
    const auto c = s->second.find(chave);
    if (c == s->second.end()) throw Falha{"missing key " + chave + " in [" + secao + "]"};
    return para1252(c->second, "[" + secao + "] " + chave);
}

TextosImagens textosDasImagens(const Tabela& tabela) {
    TextosImagens t;
    t.nomeAplicacao = valor(tabela, "geral", "nomeAplicacao");
    t.endereco = valor(tabela, "parametros", "urlVantor");
    for (const char* esquema : {"https://", "http://"}) {
        if (t.endereco.rfind(esquema, 0) == 0) t.endereco.erase(0, std::string(esquema).size());
    }
    while (!t.endereco.empty() && t.endereco.back() == '/') t.endereco.pop_back();
    t.subtitulo = valor(tabela, kSecaoTextos, "subtitulo");
    t.versao = valor(tabela, kSecaoTextos, "versao");
    t.areaOpcoes = valor(tabela, kSecaoTextos, "areaOpcoes");
    t.areaAcordes = valor(tabela, kSecaoTextos, "areaAcordes");
    t.areaEscalas = valor(tabela, kSecaoTextos, "areaEscalas");
    t.areaListaImpressao = valor(tabela, kSecaoTextos, "areaListaImpressao");
    return t;
}

const Quadro* acharQuadro(const std::string& secao, const std::string& chave) {
    for (const auto& q : quadrosDoPacote()) {
        if (q.secao == secao && q.chave == chave) return &q;
    }
    return nullptr;
}

void gravar(const std::string& caminho, const std::string& bytes) {
    const std::string temporario = caminho + ".part";
    {
        std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
        saida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!saida.flush()) throw Falha{"cannot write " + temporario};
    }
    if (std::rename(temporario.c_str(), caminho.c_str()) != 0) throw Falha{"cannot write " + caminho};
}

void gerar(const std::string& fonte, const std::string& caminhoIdm, const std::string& caminhoPacote) {
    const std::vector<std::string> linhas = lerLinhas(fonte);
    const Tabela tabela = lerTabela(linhas);
    const TextosImagens textos = textosDasImagens(tabela);

    std::string idm;
    std::string pacote;
    std::set<std::string> feitos;
    std::string secao;
    for (size_t n = 0; n < linhas.size(); ++n) {
        const std::string& linha = linhas[n];
        const std::string onde = fonte + ":" + std::to_string(n + 1);
        const std::string aparada = aparar(linha);
        if (!aparada.empty() && aparada[0] == ';') continue;
        if (!aparada.empty() && aparada[0] == '[') {
            secao = aparada.substr(1, aparada.size() >= 2 ? aparada.size() - 2 : 0);
        }
        if (secao == kSecaoTextos) continue;
        std::string saida = linha;
        const size_t igual = linha.find('=');
        if ((aparada.empty() || aparada[0] != '[') && igual != std::string::npos && aparar(linha.substr(igual + 1)) == kMarcaImagem) {
            const std::string chave = linha.substr(0, igual);
            const Quadro* quadro = acharQuadro(secao, chave);
            if (quadro == nullptr) throw Falha{onde + ": no picture is drawn for [" + secao + "] " + chave};
            if (!feitos.insert(secao + "\n" + chave).second) {
                throw Falha{onde + ": picture [" + secao + "] " + chave + " given twice"};
            }
            const std::string jpeg = quadro->desenhar(textos).paraJpeg(quadro->qualidade);
            saida = chave + "=" + std::to_string(pacote.size()) + "," + std::to_string(jpeg.size());
            pacote += jpeg;
        }
        idm += para1252(saida, onde);
        idm += "\r\n";
    }
    for (const auto& q : quadrosDoPacote()) {
        if (!feitos.count(q.secao + "\n" + q.chave)) {
            throw Falha{fonte + ": picture entry [" + q.secao + "] " + q.chave + "=" + kMarcaImagem + " is missing"};
        }
    }
    gravar(caminhoPacote, pacote);
    gravar(caminhoIdm, idm);
}

void previa(const std::string& fonte, const std::string& pasta, const std::string& parte) {
    const TextosImagens textos = textosDasImagens(lerTabela(lerLinhas(fonte)));
    for (const auto& q : quadrosDoPacote()) {
        if (q.chave.find(parte) == std::string::npos) continue;
        gravar(pasta + "/" + q.secao + "-" + q.chave + ".png", q.desenhar(textos).paraPng());
    }
}

void icone(const std::string& caminho, const std::string& textoLado) {
    const int lado = std::atoi(textoLado.c_str());
    if (lado < 16 || lado > 1024) throw Falha{"icon side " + textoLado + " is not within 16..1024"};
    Tela tela(lado, lado);
    const float margem = lado / 16.0f;
    const float ladoEmblema = lado - 2 * margem;
    estilo::emblema(tela, margem, margem, ladoEmblema);
    // The same rounded tile as the emblem's, as the icon's outline.
    Mascara forma(lado, lado);
    forma.retangulo(margem, margem, lado - margem, lado - margem, ladoEmblema * 0.22f);
    gravar(caminho, tela.paraPng(&forma));
}

}  // namespace

int main(int argc, char** argv) {
    const bool comPrevia = argc >= 4 && std::string(argv[1]) == "--preview";
    const bool comIcone = argc == 4 && std::string(argv[1]) == "--icon";
    if (!(argc == 4 && !comPrevia) && !(comPrevia && argc <= 5)) {
        std::fprintf(stderr,
                     "usage: %s <source.idm.txt> <language.idm> <pictures.dat>\n"
                     "       %s --preview <source.idm.txt> <folder> [part of a key]\n"
                     "       %s --icon <icon.png> <side>\n",
                     argv[0], argv[0], argv[0]);
        return 2;
    }
    try {
        if (comIcone) {
            icone(argv[2], argv[3]);
        } else if (comPrevia) {
            previa(argv[2], argv[3], argc == 5 ? argv[4] : "");
        } else {
            gerar(argv[1], argv[2], argv[3]);
        }
    } catch (const Falha& f) {
        std::fprintf(stderr, "%s: %s\n", argv[0], f.texto.c_str());
        return 1;
    }
    return 0;
}
