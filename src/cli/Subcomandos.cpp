#include "cli/Cli.h"

// Every subcommand, in the order --help lists them. Each lives in a file of its own.
namespace cli {

const std::vector<Subcomando>& subcomandos() {
    static const std::vector<Subcomando> lista = {
    };
    return lista;
}

}  // namespace cli
