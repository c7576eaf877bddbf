#pragma once
// Every section and key the program looks up in a language file.
#include <vector>

struct ChaveIdioma {
    const char* secao;
    const char* chave;
};

inline const std::vector<ChaveIdioma>& chavesDeTexto() {
    static const std::vector<ChaveIdioma> chaves = {
        {"EspecificacaoIdioma", "nomeIdioma"}, {"EspecificacaoIdioma", "codAplicacao"},
        {"parametros", "urlVantor"}, {"parametros", "caminhoAjuda"}, {"parametros", "nomeArquivoBaseAcordes"},
        {"parametros", "baseInstrumentos"}, {"parametros", "caminhoAjudaAcordes"},
        {"escalas", "nome_arquivo"},
        {"geral", "nomeAplicacao"}, {"geral", "tituloAplicacao"}, {"geral", "erroGeral"},
        {"geral", "tituloAtencao"}, {"geral", "rotuloBtnOk"}, {"geral", "rotuloBtnCancelar"},
        {"geral", "hintBtnAjuda"}, {"geral", "hintBtnFechar"}, {"geral", "hintBtnMinimizar"},
        {"geral", "btnImprimir"}, {"geral", "erroEncontrarAjuda"}, {"geral", "erroAbrirNavegador"},
        {"geral", "violaoPadrao"}, {"geral", "descricaoViolaoPadrao"}, {"geral", "cavaquinhoPadrao"},
        {"geral", "descricaoCavaquinhoPadrao"},
        {"exception", "componentesMIDI"}, {"exception", "baseAcordesNaoEncontrada"}, {"exception", "raizAcorde"},
        {"exception", "indiceInvalido"}, {"exception", "instrumentoExistente"},
        {"exception", "baseInstrumentosNaoEncontrada"}, {"exception", "parseError"},
        {"exception", "escalaImpossivel"}, {"exception", "canalInvalido"},
        {"exception", "baseEscalasNaoEncontrada"},
        {"baseAcordes", "erroAbrirBaseAcordes"},
        {"fmPrincipal", "hintBtnSair"}, {"fmPrincipal", "hintLinkVantor"}, {"fmPrincipal", "hintEditNomeAcorde1"},
        {"fmPrincipal", "hintBtnOuvirAcorde"}, {"fmPrincipal", "hintBtnSetas"}, {"fmPrincipal", "hintBraco"},
        {"fmPrincipal", "hintBtnAdicionar"}, {"fmPrincipal", "hintBtnRemover"},
        {"fmPrincipal", "hintBtnSubstituir"}, {"fmPrincipal", "hintBtnImprimir"},
        {"fmPrincipal", "hintComboBaseAcordes"}, {"fmPrincipal", "hintComboModoVisualizacao"},
        {"fmPrincipal", "hintBtnConfiguracoes"}, {"fmPrincipal", "hintBtnImportarCifra"},
        {"fmPrincipal", "editNomeAcorde"}, {"fmPrincipal", "mnuBolinhaTonica"},
        {"fmPrincipal", "mnuBolinhaDeletar"}, {"fmPrincipal", "comboVisualizacaoItem1"},
        {"fmPrincipal", "comboVisualizacaoItem2"}, {"fmPrincipal", "comboVisualizacaoItem3"},
        {"fmPrincipal", "btnOuvir"}, {"fmPrincipal", "btnConfiguracoes"}, {"fmPrincipal", "btnImportarCifra"},
        {"fmPrincipal", "btnSubstituir"}, {"fmPrincipal", "btnAdicionar"}, {"fmPrincipal", "btnRemover"},
        {"fmPrincipal", "btnImprimir"}, {"fmPrincipal", "btnLimparBraco"}, {"fmPrincipal", "btnBaseAcordes"},
        {"fmPrincipal", "btnExibicaoEscalas"}, {"fmPrincipal", "btnInstrumento"},
        {"fmPrincipal", "lblModoVisualizacao"}, {"fmPrincipal", "lblTextoEscalas"},
        {"fmPrincipal", "lblNewTonicNotification"}, {"fmPrincipal", "comboNomeEscalas"},
        {"fmPrincipal", "hintComboNomeEscalas"}, {"fmPrincipal", "comboTomEscalas"},
        {"fmPrincipal", "hintComboTomEscalas"}, {"fmPrincipal", "hintBtnOuvirEscala"},
        {"fmPrincipal", "hintBtnSetasEscalas"}, {"fmPrincipal", "msgPlacaDesconfigurada"},
        {"fmPrincipal", "msgAcordeNaoSelecionado"}, {"fmPrincipal", "msgErroSintaxe"},
        {"fmPrincipal", "msgConfirmacaoSaida"}, {"fmPrincipal", "erroGeracao"},
        {"fmPrincipalAbaAcordes", "msgAcordeInexequivel"},
        {"fmAviso", "btnProsseguir"},
        {"fmConfiguracoes", "titulo"}, {"fmConfiguracoes", "btnAssistenteDriver"},
        {"fmConfiguracoes", "tituloPaginaBraco"}, {"fmConfiguracoes", "tituloPaginaIntrumentos"},
        {"fmConfiguracoes", "tituloPaginaDrivers"}, {"fmConfiguracoes", "radioBracoNormal"},
        {"fmConfiguracoes", "radioBracoNormalI"}, {"fmConfiguracoes", "radioBracoFrente"},
        {"fmConfiguracoes", "radioBracoFrenteI"}, {"fmConfiguracoes", "btnNovoInst"},
        {"fmConfiguracoes", "btnEditarInst"}, {"fmConfiguracoes", "btnRemoverInst"},
        {"fmConfiguracoes", "msgRemoverInstrumentoPadrao"},
        {"abaIstrumento", "msgModificacao"}, {"abaIstrumento", "tituloMsg"},
        {"fmCriarInstrumento", "lblNome"}, {"fmCriarInstrumento", "lblDescricao"},
        {"fmCriarInstrumento", "lblCordas"}, {"fmCriarInstrumento", "lblCasas"},
        {"fmCriarInstrumento", "lblSomInstrumento"}, {"fmCriarInstrumento", "lblAfinacao"},
        {"fmCriarInstrumento", "btnSalvar"}, {"fmCriarInstrumento", "btnCancelar"},
        {"fmCriarInstrumento", "palavraCordas"}, {"fmCriarInstrumento", "tituloCriar"},
        {"fmCriarInstrumento", "btnCriar"}, {"fmCriarInstrumento", "tituloEditar"},
        {"fmCriarInstrumento", "textoOitavaGrave"}, {"fmCriarInstrumento", "textoOitavaMedia"},
        {"fmCriarInstrumento", "textoOitavaAguda"}, {"fmCriarInstrumento", "mensagemNome"},
        {"fmCriarInstrumento", "msgEdicaoInstrumentoPadrao"},
        {"fmAssistenteConfiguracaoDriver", "titulo"}, {"fmAssistenteConfiguracaoDriver", "lblTitulo1-A"},
        {"fmAssistenteConfiguracaoDriver", "lblExplicacao1-A"}, {"fmAssistenteConfiguracaoDriver", "btnEscutando"},
        {"fmAssistenteConfiguracaoDriver", "btnNaoEscutando"}, {"fmAssistenteConfiguracaoDriver", "btnProsseguir"},
        {"fmAssistenteConfiguracaoDriver", "btnCancelar"}, {"fmAssistenteConfiguracaoDriver", "btnFinalizar"},
        {"fmAssistenteConfiguracaoDriver", "lblLinkVolumeWindows"},
        {"fmAssistenteConfiguracaoDriver", "lblTitulo2-A"}, {"fmAssistenteConfiguracaoDriver", "lblExplicacao2-A1"},
        {"fmAssistenteConfiguracaoDriver", "lblExplicacao2-A2"}, {"fmAssistenteConfiguracaoDriver", "lblTitulo2-B"},
        {"fmAssistenteConfiguracaoDriver", "lblExplicacao2-B"}, {"fmAssistenteConfiguracaoDriver", "lblTitulo2-C"},
        {"fmAssistenteConfiguracaoDriver", "lblExplicacao2-C"}, {"fmAssistenteConfiguracaoDriver", "lblTitulo2-D"},
        {"fmAssistenteConfiguracaoDriver", "lblExplicacao2-D"},
        {"fmAssistenteConfiguracaoDriver", "erroAbrirVolumeWindows"},
        {"fmImportarCifra", "titulo"}, {"fmImportarCifra", "nomeSemitom"}, {"fmImportarCifra", "hintBtnColar"},
        {"fmImportarCifra", "hintBtnImportarCifra"}, {"fmImportarCifra", "hintBtnImprimir"},
        {"fmImportarCifra", "textoMemoCifra"}, {"fmImportarCifra", "hintMemoCifra"},
        {"fmImportarCifra", "hintBtnTransporAcima"}, {"fmImportarCifra", "hintBtnTransporAbaixo"},
        {"fmImportarCifra", "lblMudarTom"}, {"fmImportarCifra", "btnImportarCifra"},
        {"fmImportarCifra", "btnColar"},
        {"fmImpressao", "titulo"}, {"fmImpressao", "lblExplicacaoConteudo"}, {"fmImpressao", "lblExplicacaoRotulo"},
        {"fmImpressao", "btnImprimir"}, {"fmImpressao", "btnVisualizarImpressao"},
        {"fmImpressao", "comboRotuloItem1"}, {"fmImpressao", "comboRotuloItem2"},
        {"fmImpressao", "comboRotuloItem3"}, {"fmImpressao", "comboOpcoesImpressaoItem1"},
        {"fmImpressao", "comboOpcoesImpressaoItem2"}, {"fmImpressao", "comboOpcoesImpressaoItem3"},
        {"fmImpressao", "erroImpressora"},
        {"fmVisualizarImpressao", "lblPagina"}, {"fmVisualizarImpressao", "lblDe"},
        {"fmVisualizarImpressao", "btnImprimir"},
    };
    return chaves;
}

// The pictures, found in the picture pack through "offset,length" entries.
inline const std::vector<ChaveIdioma>& chavesDeImagem() {
    static const std::vector<ChaveIdioma> chaves = {
        {"fmEntrada", "imgEntrada"},
        {"fmPrincipal", "imgBarraSuperior"},
        {"fmPrincipal", "imgBarraInferior"},
        {"fmPrincipal", "imgBarraInferiorOpcoes"},
        {"fmPrincipal", "imgBarraInferiorAcordes"},
        {"fmPrincipal", "imgBarraInferiorEscalas"},
        {"fmPrincipal", "imgBarraInferiorListaImpressao"},
        {"fmPrincipal", "imgLinkVantor"},
    };
    return chaves;
}
