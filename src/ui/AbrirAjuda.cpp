#include "ui/AbrirAjuda.h"

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"

void abrirDocumentoAjuda(const std::string& caminho, const std::string& ancora) {
    Plataforma& plataforma = Plataforma::atual();
    const GerenciadorIdiomas& idiomas = *GerenciadorIdiomas::getInstancia();
    const std::string titulo = idiomas.getTexto("geral", "nomeAplicacao");
    if (!plataforma.existeArquivo(caminho)) {
        plataforma.mostrarMensagem(idiomas.getTexto("geral", "erroEncontrarAjuda"), titulo, BotoesMensagem::Ok);
        return;
    }
    bool aberto = false;
    try {
        aberto = plataforma.abrirDocumento(caminho + ancora);
    } catch (const DException&) {
        aberto = false;
    }
    // The desktop's refusal is a failure too, not a silent success.
    if (!aberto)
        plataforma.mostrarMensagem(idiomas.getTexto("geral", "erroAbrirNavegador"), titulo, BotoesMensagem::Ok);
}
