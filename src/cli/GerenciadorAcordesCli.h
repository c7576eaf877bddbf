#pragma once
#include <memory>

#include "cli/Cli.h"
#include "harmony/GerenciadorAcordes.h"

namespace cli {

// The chord manager over the language's database. A missing database is
// reported to the user by the manager itself (and ends the program); here it
// becomes an error of this run (FileNotFoundException).
std::unique_ptr<GerenciadorAcordes> abrirGerenciadorAcordes(Contexto& ctx);

}  // namespace cli
