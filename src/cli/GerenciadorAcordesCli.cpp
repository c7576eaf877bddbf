#include "cli/GerenciadorAcordesCli.h"

#include <string>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"

namespace cli {

std::unique_ptr<GerenciadorAcordes> abrirGerenciadorAcordes(Contexto& ctx) {
    const std::string caminho = GerenciadorAcordes::caminhoDaBase();
    auto gerenciador = std::make_unique<GerenciadorAcordes>(caminho);
    if (ctx.plataforma.encerramentoPedido()) {
        throw FileNotFoundException(ctx.idiomas.getTexto("exception", "baseAcordesNaoEncontrada") + " '" + caminho + "'",
                                    caminho, "GerenciadorAcordes", "GerenciadorAcordes(string)");
    }
    return gerenciador;
}

}  // namespace cli
