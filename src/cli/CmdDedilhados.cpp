// Subcommands over the fingering generator and the finger assignment:
// generate, fingers.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Diagrama.h"
#include "cli/OpcoesInstrumento.h"
#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"
#include "instruments/Fingering.h"
#include "instruments/GeradorInstrumentoCordas.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace cli {

namespace {

constexpr int kCasasPadrao = 12;
constexpr int kMaximoCordasDedos = 12;

}  // namespace

int cmdGenerate(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, comOpcoesInstrumento());
    args.exigir(1);
    const std::string cifra = args.texto(0, "SYMBOL");
    return comErrosRelatados(ctx, [&] {
        const InstrumentoEscolhido escolhido = escolherInstrumento(ctx, args);
        const Especialista& esp = *Especialista::getInstancia();
        const CodigoAcorde codigo = esp.interpretarCifra(cifra);
        GeradorInstrumentoCordas gerador(*escolhido.instrumento);
        const ColecaoPtr<PosicaoHarmonica> posicoes = gerador.gerar(codigo);
        // The name the generator gives every position.
        const std::string nome = esp.getNomeAcorde(codigo);

        std::vector<const PosicaoHarmonicaInstrumentoCordas*> lidas;
        for (int i = 0; i < posicoes.size(); ++i) {
            lidas.push_back(dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(posicoes.getElement(i)));
        }
        if (ctx.json) {
            nlohmann::ordered_json itens = nlohmann::ordered_json::array();
            for (const auto* p : lidas) itens.push_back({{"frets", p->getCasas()}, {"fingers", p->getDedos()}});
            escreverJson(ctx, {{"name", utf8(nome)}, {"fingerings", itens}});
            return 0;
        }
        ctx.saida << utf8(nome) << " on " << utf8(escolhido.instrumento->getName()) << ": " << lidas.size()
                  << (lidas.size() == 1 ? " fingering" : " fingerings") << '\n';
        for (size_t i = 0; i < lidas.size(); ++i) {
            const auto* p = lidas[i];
            ctx.saida << '\n'
                      << i + 1 << ". frets " << listaNumeros(p->getCasas()) << "  fingers " << listaNumeros(p->getDedos()) << '\n';
            desenharDiagrama(ctx.saida, p->getCasas(), p->getDedos());
        }
        return 0;
    });
}

int cmdFingers(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {"frets", "fret-count"});
    args.exigir(0);
    const auto texto = args.opcao("frets");
    if (!texto) throw ErroUso("--frets is required");
    const std::vector<int> casas = lerListaInteiros(*texto, "--frets");
    if (casas.empty() || casas.size() > static_cast<size_t>(kMaximoCordasDedos)) {
        throw ErroUso("--frets needs 1 to " + std::to_string(kMaximoCordasDedos) + " frets");
    }
    for (const int c : casas) {
        if (c < -1 || c > 99) throw ErroUso("--frets values must be -1 (muted) to 99");
    }
    const long long numeroCasas = args.opcaoInteira("fret-count").value_or(kCasasPadrao);
    if (numeroCasas < 0 || numeroCasas > 99) throw ErroUso("--fret-count must be 0 to 99");

    const Fingering dedilhado(std::vector<int32_t>(casas.begin(), casas.end()), static_cast<int32_t>(numeroCasas));
    const auto& atribuicoes = dedilhado.getAtribuicoes();
    if (ctx.json) {
        escreverJson(ctx, {{"assignments", atribuicoes}});
        return 0;
    }
    const std::vector<int32_t> asCasas(casas.begin(), casas.end());
    ctx.saida << "frets " << listaNumeros(asCasas) << ": " << atribuicoes.size()
              << (atribuicoes.size() == 1 ? " assignment" : " assignments")
              << (dedilhado.temPestana() ? " (a barre is possible)" : "") << '\n';
    for (size_t i = 0; i < atribuicoes.size(); ++i) {
        ctx.saida << '\n' << i + 1 << ". fingers " << listaNumeros(atribuicoes[i]) << '\n';
        desenharDiagrama(ctx.saida, asCasas, atribuicoes[i]);
    }
    return 0;
}

}  // namespace cli
