// The window program. Without arguments it starts the dictionary: splash,
// main window and the dialogs, under the top-level error handler.
#include <cstdio>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "ui/AplicacaoBrelvio.h"
#include "ui/AssistenteDriver.h"
#include "ui/ImpressaoPdf.h"
#include "ui/Inicializacao.h"
#include "ui/PlataformaQt.h"
#include "ui/TformAssistenteConfiguracaoDriver.h"
#include "ui/TformAviso.h"
#include "ui/TformConfiguracoes.h"
#include "ui/TformImportarCifra.h"
#include "ui/TformImpressao.h"
#include "ui/TformPrincipal.h"
#include "ui/TformVisualizarImpressao.h"

namespace {

const char* const kAjuda =
    "Usage: brelvio [--help] [--version]\n"
    "       brelvio --pdf FILE [options] SYMBOL...\n"
    "\n"
    "Without arguments, starts Brelvio, the chord and scale dictionary for fretted\n"
    "string instruments. The program reads its language files, chord database,\n"
    "instruments and scales from the folder it lives in.\n"
    "\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kAjuda, stdout);
            std::fputs(ajudaImpressaoPdf().c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            const auto versao = Inicializacao::versaoDoPrograma();
            std::printf("brelvio %s\n", versao ? versao->c_str() : "");
            return 0;
        }
    }

    // Pages of chord diagrams straight to a PDF file, without a window.
    if (pedeImpressaoPdf(argc, argv)) return executarImpressaoPdf(argc, argv);

    AplicacaoBrelvio aplicacao(argc, argv);
    PlataformaQt plataforma;

    // How the main window opens the dialogs created below.
    TformPrincipal::definirAberturaConfiguracoes([] {
        TformConfiguracoes* dialogo = TformConfiguracoes::atual();
        return dialogo != nullptr && dialogo->exec() == QDialog::Accepted;
    });
    TformPrincipal::definirAberturaImpressao([] {
        if (TformImpressao* dialogo = TformImpressao::atual()) dialogo->exec();
    });
    // Not modal: the chord-sheet window stays open beside the main window.
    TformPrincipal::definirAberturaImportacao([] {
        if (TformImportarCifra* cifra = TformImportarCifra::atual()) {
            cifra->show();
            cifra->raise();
            cifra->activateWindow();
        }
    });
    TformPrincipal::definirAssistenteDriver(executarAssistenteDriver);

    // The main window first; the dialogs stay hidden until used. The preview
    // exists from the start, since the print layout shows its pages there.
    const auto dialogo = [](auto tipo) -> Inicializacao::FabricaJanela {
        return [] { return std::make_unique<typename decltype(tipo)::type>(TformPrincipal::atual()); };
    };
    std::vector<Inicializacao::FabricaJanela> janelas = {
        [] { return std::make_unique<TformPrincipal>(); },
        dialogo(std::type_identity<TformAviso>()),
        dialogo(std::type_identity<TformConfiguracoes>()),
        dialogo(std::type_identity<TformImpressao>()),
        dialogo(std::type_identity<TformVisualizarImpressao>()),
        dialogo(std::type_identity<TformImportarCifra>()),
        dialogo(std::type_identity<TformAssistenteConfiguracaoDriver>()),
    };
    Inicializacao inicio(plataforma, std::move(janelas));
    return inicio.executar();
}
