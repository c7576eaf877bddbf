// A language file and its picture pack on any bytes: the input is split at
// its first zero byte into the language file and the pack; the language is
// searched for, loaded, and its texts and pictures looked up.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

#include "AmbienteFuzz.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"

namespace {

void gravar(const std::string& caminho, const char* dados, size_t tamanho) {
    std::ofstream saida(caminho, std::ios::binary | std::ios::trunc);
    saida.write(dados, static_cast<std::streamsize>(tamanho));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t tamanho) {
    const std::string pasta = AmbienteFuzz::get().pastaTemporaria() + "/";
    const char* dados = reinterpret_cast<const char*>(bytes);
    const void* zero = std::memchr(dados, 0, tamanho);
    const size_t corte = zero ? static_cast<size_t>(static_cast<const char*>(zero) - dados) : tamanho;
    gravar(pasta + "fuzz.idm", dados, corte);
    gravar(pasta + "fuzz.dat", dados + (corte < tamanho ? corte + 1 : corte), tamanho - (corte < tamanho ? corte + 1 : corte));

    PlataformaHeadless plataforma(pasta);
    plataforma.responderEscolha(0);
    try {
        GerenciadorIdiomas idiomas(plataforma);
        if (!idiomas.iniciar("English")) return 0;
        static const char* const kChaves[][2] = {
            {"EspecificacaoIdioma", "nomeIdioma"}, {"exception", "raizAcorde"}, {"fmPrincipal", "imgBarraSuperior"},
            {"fmEntrada", "imgEntrada"},           {"geral", "nomeAplicacao"},  {"fmPrincipal", "imgLinkVantor"},
        };
        for (const auto& chave : kChaves) {
            (void)idiomas.getTexto(chave[0], chave[1]);
            (void)idiomas.getImagem(chave[0], chave[1]);
        }
    } catch (const DException&) {
    }
    return 0;
}
