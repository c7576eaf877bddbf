// The scale file reader on any file content.
#include <cstdint>
#include <string>

#include "AmbienteFuzz.h"
#include "core/base/Excecoes.h"
#include "scales/BaseEscalas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    AmbienteFuzz& ambiente = AmbienteFuzz::get();
    const std::string& caminho = ambiente.arquivo(dados, tamanho, ".xml");
    BaseEscalas base(caminho, ambiente.plataforma());
    try {
        const auto nomes = base.getNomesEscalas();
        for (size_t i = 0; i < nomes.size() && i < 64; ++i) {
            auto escala = base.getEscala(static_cast<int>(i));
            (void)escala;
        }
        (void)base.getNumeroEscalas();
    } catch (const DException&) {
    }
    return 0;
}
