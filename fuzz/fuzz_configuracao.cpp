// The configuration reader on any bytes. Beyond not crashing: what the
// program would write for the values it read reads back to the same values.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/GerenciadorConfiguracao.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const Configuracao lidos =
        GerenciadorConfiguracao::interpretar(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
    const Configuracao relidos = GerenciadorConfiguracao::interpretar(GerenciadorConfiguracao::formatar(lidos));
    if (!(relidos == lidos)) {
        std::fprintf(stderr, "saved configuration reads back differently\n");
        std::abort();
    }
    return 0;
}
