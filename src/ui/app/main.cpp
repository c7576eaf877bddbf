// The window program. Without arguments it starts the dictionary: splash,
// main window and the dialogs, under the top-level error handler.
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "ui/AplicacaoBrelvio.h"
#include "ui/Inicializacao.h"
#include "ui/PlataformaQt.h"
#include "ui/TformAviso.h"
#include "ui/TformPrincipal.h"

namespace {

const char* const kAjuda =
    "Usage: brelvio [--help] [--version]\n"
    "\n"
    "Starts Brelvio, the chord and scale dictionary for fretted string instruments.\n"
    "The program reads its language files, chord database, instruments and scales\n"
    "from the folder it lives in.\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kAjuda, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            const auto versao = Inicializacao::versaoDoPrograma();
            std::printf("brelvio %s\n", versao ? versao->c_str() : "");
            return 0;
        }
    }

    AplicacaoBrelvio aplicacao(argc, argv);
    PlataformaQt plataforma;
    std::vector<Inicializacao::FabricaJanela> janelas = {
        [] { return std::make_unique<TformPrincipal>(); },
        [] { return std::make_unique<TformAviso>(TformPrincipal::atual()); },
    };
    Inicializacao inicio(plataforma, std::move(janelas));
    return inicio.executar();
}
