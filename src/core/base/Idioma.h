#pragma once
// One loaded language file: its sections and entries in file order, and the
// path of its picture pack.
#include <string>
#include <string_view>
#include <vector>

class Idioma {
public:
    Idioma(std::string_view conteudo, std::string caminhoPacote);

    // First section of that exact name, first entry of that exact key in it;
    // the empty text when either is missing. Values keep their trailing
    // blanks, and every "#" in them reads as CR LF.
    std::string getTexto(const std::string& secao, const std::string& chave) const;

    const std::string& getCaminhoPacote() const { return caminhoPacote; }
    bool corrupcaoInformada() const { return corrupcaoJaInformada; }
    void marcarCorrupcaoInformada() { corrupcaoJaInformada = true; }

private:
    struct Entrada {
        std::string chave;
        std::string valor;
    };
    struct Secao {
        std::string nome;
        std::vector<Entrada> entradas;
    };

    std::vector<Secao> secoes;
    std::string caminhoPacote;
    bool corrupcaoJaInformada = false;
};

// Ordinary INI lookup (section and key without regard to letter case, blanks
// around them ignored), used to read a language file's header while searching.
std::string lerValorIni(std::string_view conteudo, std::string_view secao, std::string_view chave);
