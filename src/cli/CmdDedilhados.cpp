// Subcommands over the fingering generator and the finger assignment:
// generate, fingers.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/OpcoesInstrumento.h"
#include "core/base/Excecoes.h"
#include "harmony/Especialista.h"
#include "instruments/Fingering.h"
#include "instruments/GeradorInstrumentoCordas.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace cli {

namespace {

constexpr int kCasasPadrao = 12;
constexpr int kMaximoCordasDedos = 12;
// Frets a diagram shows at least.
constexpr int32_t kLinhasDiagrama = 4;

int relatarErro(Contexto& ctx, const char* classe, const DException& e) {
    if (ctx.json) {
        escreverJson(ctx, {{"error", classe}, {"message", utf8(e.getMessage())}});
    } else {
        ctx.saida << classe << ": " << utf8(e.getMessage()) << '\n';
    }
    return 1;
}

template <typename Funcao>
int comErros(Contexto& ctx, Funcao funcao) {
    try {
        return funcao();
    } catch (const DataFormatException& e) {
        return relatarErro(ctx, "DataFormatException", e);
    } catch (const RaizNaoEncontradaException& e) {
        return relatarErro(ctx, "RaizNaoEncontradaException", e);
    } catch (const FileNotFoundException& e) {
        return relatarErro(ctx, "FileNotFoundException", e);
    } catch (const XMLParseException& e) {
        return relatarErro(ctx, "XMLParseException", e);
    } catch (const OutOfBoundsException& e) {
        return relatarErro(ctx, "OutOfBoundsException", e);
    }
}

// Keys in the order the output documents them.
void escreverJsonOrdenado(Contexto& ctx, const nlohmann::ordered_json& objeto) {
    ctx.saida << objeto.dump() << '\n';
}

std::string lista(const std::vector<int32_t>& valores) {
    std::ostringstream s;
    for (size_t i = 0; i < valores.size(); ++i) s << (i ? " " : "") << valores[i];
    return s.str();
}

// A chord box, lowest string on the left: "x" muted, "o" open above the nut,
// then one row per fret with the finger on the string that is stopped there.
// Low fingerings hang from the nut; higher ones start at their lowest fret.
void desenharDiagrama(std::ostream& saida, const std::vector<int32_t>& casas, const std::vector<int32_t>& dedos) {
    int32_t menor = 0, maior = 0;
    for (const int32_t c : casas) {
        if (c <= 0) continue;
        menor = menor == 0 ? c : std::min(menor, c);
        maior = std::max(maior, c);
    }
    const int32_t primeira = maior <= kLinhasDiagrama ? 1 : menor;
    const int32_t ultima = std::max(primeira + kLinhasDiagrama - 1, maior);
    const size_t cordas = casas.size();
    const std::string margem = "   ";

    std::string topo;
    for (size_t s = 0; s < cordas; ++s) {
        topo += casas[s] < 0 ? 'x' : casas[s] == 0 ? 'o' : ' ';
        if (s + 1 < cordas) topo += ' ';
    }
    topo = margem + topo;
    topo.erase(topo.find_last_not_of(' ') + 1);
    saida << topo << '\n';
    const std::string traco(cordas == 0 ? 0 : 2 * cordas - 1, primeira == 1 ? '=' : '-');
    saida << margem << traco << '\n';
    for (int32_t f = primeira; f <= ultima; ++f) {
        std::string linha;
        for (size_t s = 0; s < cordas; ++s) {
            char celula = '|';
            if (casas[s] == f) {
                const int32_t d = s < dedos.size() ? dedos[s] : 0;
                celula = d >= 1 && d <= 4 ? static_cast<char>('0' + d) : '*';
            }
            linha += celula;
            if (s + 1 < cordas) linha += ' ';
        }
        saida << margem << linha << "  " << f << '\n';
    }
}

}  // namespace

int cmdGenerate(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, comOpcoesInstrumento());
    args.exigir(1);
    const std::string cifra = args.texto(0, "SYMBOL");
    return comErros(ctx, [&] {
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
            escreverJsonOrdenado(ctx, {{"name", utf8(nome)}, {"fingerings", itens}});
            return 0;
        }
        ctx.saida << utf8(nome) << " on " << utf8(escolhido.instrumento->getName()) << ": " << lidas.size()
                  << (lidas.size() == 1 ? " fingering" : " fingerings") << '\n';
        for (size_t i = 0; i < lidas.size(); ++i) {
            const auto* p = lidas[i];
            ctx.saida << '\n'
                      << i + 1 << ". frets " << lista(p->getCasas()) << "  fingers " << lista(p->getDedos()) << '\n';
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
    ctx.saida << "frets " << lista(asCasas) << ": " << atribuicoes.size()
              << (atribuicoes.size() == 1 ? " assignment" : " assignments")
              << (dedilhado.temPestana() ? " (a barre is possible)" : "") << '\n';
    for (size_t i = 0; i < atribuicoes.size(); ++i) {
        ctx.saida << '\n' << i + 1 << ". fingers " << lista(atribuicoes[i]) << '\n';
        desenharDiagrama(ctx.saida, asCasas, atribuicoes[i]);
    }
    return 0;
}

}  // namespace cli
