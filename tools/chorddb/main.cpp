// brelvio-chorddb [--names LANG] [--frets N] SOURCE OUTPUT
//
// Compiles the chord list source into the binary chord database. On any error
// in the source it names the line, leaves no output file behind and exits 1
// (2 for a wrong command line), so a broken source stops the build.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "CompiladorAcordes.h"

namespace {

int uso() {
    std::cerr << "usage: brelvio-chorddb [--names LANG] [--frets N] SOURCE OUTPUT\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    chorddb::OpcoesCompilacao opcoes;
    std::string fonte, saida;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--names" && i + 1 < argc) {
            opcoes.idioma = argv[++i];
        } else if (a == "--frets" && i + 1 < argc) {
            try {
                opcoes.numeroCasas = std::stoi(argv[++i]);
            } catch (...) {
                return uso();
            }
            if (opcoes.numeroCasas < 1 || opcoes.numeroCasas > 14) return uso();
        } else if (!a.empty() && a[0] == '-') {
            return uso();
        } else if (fonte.empty()) {
            fonte = a;
        } else if (saida.empty()) {
            saida = a;
        } else {
            return uso();
        }
    }
    if (fonte.empty() || saida.empty()) return uso();

    // A stale file from an earlier build must not pass for this one.
    std::remove(saida.c_str());

    std::ifstream in(fonte, std::ios::binary);
    if (!in) {
        std::cerr << fonte << ": cannot be read\n";
        return 1;
    }
    std::stringstream texto;
    texto << in.rdbuf();

    std::string bytes;
    size_t acordes = 0, dedilhados = 0;
    try {
        const auto lista = chorddb::compilar(texto.str(), opcoes);
        std::map<std::string, int> nomes;
        for (const auto& d : lista) ++nomes[d.nome];
        acordes = nomes.size();
        dedilhados = lista.size();
        bytes = chorddb::codificar(lista);
    } catch (const chorddb::ErroFonte& e) {
        std::cerr << fonte;
        if (e.linha > 0) std::cerr << ":" << e.linha;
        std::cerr << ": error: " << e.what() << "\n";
        return 1;
    }

    const std::string temporario = saida + ".tmp";
    {
        std::ofstream out(temporario, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporario.c_str());
            std::cerr << saida << ": cannot be written\n";
            return 1;
        }
    }
    if (std::rename(temporario.c_str(), saida.c_str()) != 0) {
        std::remove(temporario.c_str());
        std::cerr << saida << ": cannot be written\n";
        return 1;
    }
    std::cout << saida << ": " << acordes << " chords, " << dedilhados << " fingerings\n";
    return 0;
}
