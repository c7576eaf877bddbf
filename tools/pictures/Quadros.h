#pragma once
// The pictures of a language's picture pack: which section and key each one
// answers to, and how it is drawn from the words of that language.
#include <functional>
#include <string>
#include <vector>

#include "Tela.h"

// Words drawn into the pictures, Windows-1252.
struct TextosImagens {
    std::string nomeAplicacao;   // "geral" / "nomeAplicacao"
    std::string endereco;        // "parametros" / "urlVantor", without its scheme
    std::string subtitulo;
    std::string versao;
    std::string areaOpcoes;
    std::string areaAcordes;
    std::string areaEscalas;
    std::string areaListaImpressao;
};

struct Quadro {
    std::string secao;
    std::string chave;
    std::function<Tela(const TextosImagens&)> desenhar;
    int qualidade = 92;  // JPEG quality
};

// Every picture the program looks up, in no particular order.
const std::vector<Quadro>& quadrosDoPacote();
