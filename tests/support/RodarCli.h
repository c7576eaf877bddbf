#pragma once
// Runs brelvio-cli in-process over the real program directory.
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/Cli.h"

struct SaidaCli {
    int status;
    std::string saida;
    std::string erros;

    nlohmann::json json() const { return nlohmann::json::parse(saida); }
};

// Over another program directory.
inline SaidaCli rodarCliEm(const std::string& dados, std::vector<std::string> palavras) {
    palavras.insert(palavras.begin(), {"--data", dados});
    std::ostringstream saida;
    std::ostringstream erros;
    const int status = cli::executar(palavras, saida, erros);
    return {status, saida.str(), erros.str()};
}

// Over the real program directory, with this text as standard input.
inline SaidaCli rodarCliComEntrada(const std::string& entrada, std::vector<std::string> palavras) {
    palavras.insert(palavras.begin(), {"--data", BRELVIO_APP_DIR});
    std::istringstream leitura(entrada);
    std::ostringstream saida;
    std::ostringstream erros;
    const int status = cli::executar(palavras, leitura, saida, erros);
    return {status, saida.str(), erros.str()};
}

inline SaidaCli rodarCli(std::vector<std::string> palavras) { return rodarCliEm(BRELVIO_APP_DIR, std::move(palavras)); }

inline SaidaCli rodarCliJson(std::vector<std::string> palavras) {
    palavras.insert(palavras.begin(), "--json");
    return rodarCli(std::move(palavras));
}
