// The instrument file reader on any file content.
#include <cstdint>
#include <string>

#include "AmbienteFuzz.h"
#include "core/base/Excecoes.h"
#include "instruments/XMLInstrumentoParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    AmbienteFuzz& ambiente = AmbienteFuzz::get();
    const std::string& caminho = ambiente.arquivo(dados, tamanho, ".xml");
    XMLInstrumentoParser parser(&ambiente.plataforma());
    try {
        const auto nomes = parser.getNomesInstrumentos(caminho);
        for (size_t i = 0; i < nomes.size() && i < 64; ++i) {
            auto instrumento = parser.getInstrumento(caminho, static_cast<int32_t>(i));
            (void)instrumento;
        }
    } catch (const DException&) {
    }
    return 0;
}
