#include "Quadros.h"

#include "Desenhos.h"
#include "Estilo.h"

using namespace desenhos;
using namespace estilo;
namespace gb = geometriaBraco;

namespace {

void botoes(std::vector<Quadro>& q, const std::string& secao, const std::string& nome, int largura, int altura) {
    q.push_back({secao, nome + "Solto", [=](const TextosImagens&) { return botao(largura, altura, false); }});
    q.push_back({secao, nome + "Pressionado", [=](const TextosImagens&) { return botao(largura, altura, true); }});
}

void botoesIcone(std::vector<Quadro>& q, const std::string& secao, const std::string& nome, Icone icone, int largura,
                 int altura, bool sobreTitulo) {
    const float y0 = kTopoBotoesIcone;
    q.push_back({secao, nome + "Solto",
                 [=](const TextosImagens&) { return botaoIcone(icone, largura, altura, false, y0, sobreTitulo); }});
    q.push_back({secao, nome + "Pressionado",
                 [=](const TextosImagens&) { return botaoIcone(icone, largura, altura, true, y0, sobreTitulo); }});
}

std::vector<Quadro> montar() {
    std::vector<Quadro> q = {
        {"fmEntrada", "imgEntrada", entrada},
        {"fmPrincipal", "imgBarraSuperior", barraSuperior},
        {"fmPrincipal", "imgBarraInferior", barraInferior},
        {"fmPrincipal", "imgBarraInferiorOpcoes",
         [](const TextosImagens& t) { return areaBarra(kLarguraOpcoes, t.areaOpcoes); }},
        {"fmPrincipal", "imgBarraInferiorAcordes",
         [](const TextosImagens& t) { return areaBarra(kLarguraAcordes, t.areaAcordes); }},
        {"fmPrincipal", "imgBarraInferiorEscalas",
         [](const TextosImagens& t) { return areaBarra(kLarguraAcordes, t.areaEscalas); }},
        {"fmPrincipal", "imgBarraInferiorListaImpressao",
         [](const TextosImagens& t) {
             return areaBarra(kLarguraLista, t.areaListaImpressao);
         }},
        {"fmPrincipal", "imgLinkVantor", linkEndereco},
    };
    for (const auto& tabela : gb::kBracos) {
        for (int orientacao = 0; orientacao < 4; ++orientacao) {
            q.push_back({gb::kSecaoImagens, tabela.imagens[orientacao],
                         [&tabela, orientacao](const TextosImagens&) { return braco(tabela, orientacao); }, 90});
        }
    }
    q.push_back({gb::kSecaoImagens, gb::kImagemBolinhaVermelha,
                 [](const TextosImagens&) { return bolinha(CorBolinha::Vermelha); }, 95});
    q.push_back({gb::kSecaoImagens, gb::kImagemBolinhaAzul,
                 [](const TextosImagens&) { return bolinha(CorBolinha::Azul); }, 95});
    q.push_back({gb::kSecaoImagens, gb::kImagemMascaraBolinha, [](const TextosImagens&) { return mascaraBolinha(); },
                 95});
    botoesIcone(q, "fmPrincipal", "imgBtnAnterior", Icone::Anterior, 34, 27, false);
    botoesIcone(q, "fmPrincipal", "imgBtnProximo", Icone::Proximo, 34, 27, false);

    // Shared by every window.
    botoes(q, "geral", "imgBotao", 100, 27);
    botoes(q, "geral", "imgBotaoPequeno", 76, 24);
    botoes(q, "geral", "imgBotaoLargo", 140, 27);
    botoesIcone(q, "geral", "imgBtnAjuda", Icone::Ajuda, kLadoBotaoIcone, kLadoBotaoIcone, true);
    botoesIcone(q, "geral", "imgBtnMinimizar", Icone::Minimizar, kLadoBotaoIcone, kLadoBotaoIcone, true);
    botoesIcone(q, "geral", "imgBtnFechar", Icone::Fechar, kLadoBotaoIcone, kLadoBotaoIcone, true);

    q.push_back({"fmAviso", "imgFundo", [](const TextosImagens& t) { return fundoDialogo(402, 268, t, true); }});
    q.push_back({"fmImpressao", "imgFundo", [](const TextosImagens& t) { return fundoDialogo(272, 256, t, false); }});
    q.push_back({"fmImportarCifra", "imgFundo", [](const TextosImagens& t) { return fundoDialogo(473, 456, t, false); }});
    botoesIcone(q, "geral", "imgBtnTransporAcima", Icone::Acima, 28, 24, false);
    botoesIcone(q, "geral", "imgBtnTransporAbaixo", Icone::Abaixo, 28, 24, false);
    q.push_back({"fmAssistenteConfiguracaoDriver", "imgFundo",
                 [](const TextosImagens& t) { return fundoAssistente(643, 255, 320, t); }});
    q.push_back(
        {"fmConfiguracoes", "imgFundo", [](const TextosImagens& t) { return fundoDialogo(440, 384, t, false); }});
    q.push_back(
        {"fmCriarInstrumento", "imgFundo", [](const TextosImagens& t) { return fundoDialogo(470, 480, t, false); }});
    q.push_back({"fmVisualizarImpressao", "imgBarraSuperior",
                 [](const TextosImagens&) { return barraVisualizacao(365, 40); }});
    const char* const kVistas[4] = {"imgBracoFrente", "imgBracoFrenteI", "imgBracoNormal", "imgBracoNormalI"};
    for (int orientacao = 0; orientacao < 4; ++orientacao) {
        q.push_back({"fmConfiguracoes", kVistas[orientacao],
                     [orientacao](const TextosImagens&) { return miniaturaBraco(orientacao); }});
    }
    return q;
}

}  // namespace

const std::vector<Quadro>& quadrosDoPacote() {
    static const std::vector<Quadro> quadros = montar();
    return quadros;
}
