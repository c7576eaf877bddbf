// Subcommands over the scales: scales (the names of the language's scale
// file) and scale (every position of a scale in a key on an instrument).
#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/OpcoesEscala.h"
#include "cli/OpcoesInstrumento.h"
#include "core/base/Excecoes.h"
#include "harmony/Rotulos.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"

namespace cli {

namespace {

const char* letraMaoDireita(int32_t dedo) {
    static const char* const kLetras[] = {"p", "i", "m", "a"};
    return dedo >= 0 && dedo < 4 ? kLetras[dedo] : "?";
}

// The position as a small fretboard, highest string on top as in tablature:
// each fretted note shows its left-hand finger, an open note an "o" before the
// nut; then the notes in playing order.
void desenhar(std::ostream& saida, const EscalaExibicao& e, const std::vector<int32_t>& afinacao) {
    const std::vector<int32_t> casas = e.getCasas();
    const std::vector<int32_t> cordas = e.getCordas();
    const std::vector<int32_t> dedos = e.getDedos();
    int32_t menor = 0;
    int32_t maior = 0;
    for (const int32_t c : casas) {
        if (c > 0 && (menor == 0 || c < menor)) menor = c;
        maior = std::max(maior, c);
    }
    // Near the nut the drawing starts at fret 1, so the nut shows.
    if (menor == 0 || menor <= 3) menor = 1;
    maior = std::max(maior, menor);

    std::string cabecalho = "       ";
    for (int32_t f = menor; f <= maior; ++f) {
        std::string numero = std::to_string(f);
        cabecalho += std::string(numero.size() > 1 ? 1 : 2, ' ') + numero + " ";
    }
    cabecalho.erase(cabecalho.find_last_not_of(' ') + 1);
    saida << cabecalho << '\n';
    for (auto s = static_cast<int32_t>(afinacao.size()) - 1; s >= 0; --s) {
        bool solta = false;
        std::string linha;
        for (int32_t f = menor; f <= maior; ++f) {
            char marca = '-';
            for (size_t n = 0; n < casas.size(); ++n) {
                if (cordas[n] == s && casas[n] == f) marca = static_cast<char>('0' + std::clamp(dedos[n], 0, 9));
            }
            linha += std::string("-") + marca + "-|";
        }
        for (size_t n = 0; n < casas.size(); ++n) solta |= cordas[n] == s && casas[n] == 0;
        std::string nome = nomeNotaSustenido(afinacao[static_cast<size_t>(s)]);
        nome.resize(3, ' ');
        saida << "  " << nome << (solta ? 'o' : ' ') << (menor == 1 ? "||" : " |") << linha << '\n';
    }
    std::ostringstream trastes, cordasTexto, esquerda, direita;
    for (size_t n = 0; n < casas.size(); ++n) {
        trastes << ' ' << casas[n];
        cordasTexto << ' ' << cordas[n];
        esquerda << ' ' << dedos[n];
        direita << ' ' << letraMaoDireita(e.getDedosMaoDireita()[n]);
    }
    saida << "  frets:  " << trastes.str() << "\n  strings:" << cordasTexto.str() << "\n  fingers:" << esquerda.str()
          << "\n  right:  " << direita.str() << '\n';
}

}  // namespace

int cmdScales(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {});
    args.exigir(0);
    return comErrosRelatados(ctx, [&] {
        const std::vector<std::string> nomes = BaseEscalas::doIdiomaAtual(ctx.plataforma)->getNomesEscalas();
        if (ctx.json) {
            nlohmann::ordered_json lista = nlohmann::ordered_json::array();
            for (const auto& n : nomes) lista.push_back(utf8(n));
            escreverJson(ctx, {{"scales", lista}});
            return 0;
        }
        for (size_t i = 0; i < nomes.size(); ++i) ctx.saida << i << ". " << utf8(nomes[i]) << '\n';
        return 0;
    });
}

int cmdScale(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, comOpcoesInstrumento({"name", "offsets", "key"}));
    args.exigir(0);
    if (args.tem("name") == args.tem("offsets")) throw ErroUso("give either --name or --offsets");
    if (!args.tem("key")) throw ErroUso("missing --key");
    const int32_t tom = lerTom(*args.opcao("key"));
    return comErrosRelatados(ctx, [&] {
        const Escala escala = escalaPedida(ctx, args);
        const InstrumentoEscolhido escolhido = escolherInstrumento(ctx, args);
        const InstrumentoCordas& instrumento = *escolhido.instrumento;
        const ColecaoPtr<EscalaExibicao> posicoes =
            GeradorEscalas().obterPosicoesEscala(escala, tom, instrumento);

        if (ctx.json) {
            nlohmann::ordered_json lista = nlohmann::ordered_json::array();
            for (int i = 0; i < posicoes.size(); ++i) {
                const EscalaExibicao& e = *posicoes.getElement(i);
                lista.push_back({{"frets", e.getCasas()},
                                 {"strings", e.getCordas()},
                                 {"fingers", e.getDedos()},
                                 {"right", e.getDedosMaoDireita()},
                                 {"difficulty", e.getDificuldade()}});
            }
            escreverJson(ctx, {{"positions", lista}});
            return 0;
        }
        const std::string titulo = escala.getNome().empty() ? std::string("Scale") : utf8(escala.getNome());
        ctx.saida << titulo << " in " << utf8(nomeTonalidade(tom)) << " on " << utf8(instrumento.getName()) << ": "
                  << posicoes.size() << (posicoes.size() == 1 ? " position" : " positions") << ", easiest first\n";
        const std::vector<int32_t> afinacao = instrumento.getAfinacao();
        for (int i = 0; i < posicoes.size(); ++i) {
            const EscalaExibicao& e = *posicoes.getElement(i);
            ctx.saida << "\n#" << (i + 1) << "  difficulty " << e.getDificuldade() << '\n';
            desenhar(ctx.saida, e, afinacao);
        }
        return 0;
    });
}

}  // namespace cli
