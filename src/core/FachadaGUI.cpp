#include "core/FachadaGUI.h"

FachadaGUI* FachadaGUI::getInstancia() {
    static FachadaGUI unica;
    return &unica;
}

RespostaMensagem FachadaGUI::confirmar(const std::string& mensagem, const std::string& titulo) {
    return Plataforma::atual().mostrarMensagem(mensagem, titulo, BotoesMensagem::OkCancelar);
}

bool FachadaGUI::perguntar(const std::string& mensagem, const std::string& titulo) {
    return Plataforma::atual().mostrarMensagem(mensagem, titulo, BotoesMensagem::SimNao) == RespostaMensagem::Sim;
}

std::unique_ptr<ListaImpressao> FachadaGUI::getCopiaListaImpressao() const {
    if (janelaPrincipal == nullptr) return std::make_unique<ListaImpressao>();
    return std::make_unique<ListaImpressao>(janelaPrincipal->getListaImpressao());
}

std::string FachadaGUI::getTomSelecionado() const {
    return janelaPrincipal == nullptr ? std::string() : janelaPrincipal->getTomSelecionado();
}

bool FachadaGUI::configuracoesAbertasPeloInstrumento() const {
    return janelaPrincipal != nullptr && janelaPrincipal->configuracoesAbertasPeloInstrumento();
}

std::optional<TamanhoPagina> FachadaGUI::tamanhoPaginaImpressora() const {
    if (visualizacao == nullptr) return std::nullopt;
    return visualizacao->tamanhoPaginaImpressora();
}

std::unique_ptr<SuperficieDesenho> FachadaGUI::novaPaginaVisualizacao(int largura, int altura) {
    return visualizacao == nullptr ? nullptr : visualizacao->novaPagina(largura, altura);
}

void FachadaGUI::mostrarPaginaVisualizacao(const SuperficieDesenho& pagina, int paginas, int largura, int altura) {
    if (visualizacao != nullptr) visualizacao->mostrarPagina(pagina, paginas, largura, altura);
}

void FachadaGUI::exibirVisualizacao() {
    if (visualizacao != nullptr) visualizacao->exibir();
}
