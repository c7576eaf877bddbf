#include "cli/Cli.h"

// Every subcommand, in the order --help lists them. Each lives in a file of its own.
namespace cli {

int cmdInterpret(Contexto&, const std::vector<std::string>&);
int cmdNameCode(Contexto&, const std::vector<std::string>&);
int cmdTranspose(Contexto&, const std::vector<std::string>&);

const std::vector<Subcomando>& subcomandos() {
    static const std::vector<Subcomando> lista = {
        {"interpret", "SYMBOL", "read a chord symbol: its code, canonical name, root, bass and degrees", cmdInterpret},
        {"name-code", "CODE", "the canonical name of a chord code", cmdNameCode},
        {"transpose", "SYMBOL SEMITONES DIRECTION", "transpose a chord symbol (DIRECTION 0 up, 1 down)", cmdTranspose},
    };
    return lista;
}

}  // namespace cli
