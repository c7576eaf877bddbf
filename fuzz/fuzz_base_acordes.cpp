// The chord database reader on any file content.
#include <cstdint>
#include <string>

#include "AmbienteFuzz.h"
#include "core/base/Excecoes.h"
#include "harmony/BaseAcordesViolao.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    AmbienteFuzz& ambiente = AmbienteFuzz::get();
    const std::string& caminho = ambiente.arquivo(dados, tamanho, ".dat");
    BaseAcordesViolao base(ambiente.plataforma());
    try {
        base.carregarBase(caminho);
        for (int i = 0; i < base.tamanho(); ++i) (void)base.getAcordeComposto(i)->getPosicoes().size();
    } catch (const DException&) {
    }
    return 0;
}
