// Subcommands over the chord database and the chord manager: chords, chord,
// recognize, name.
#include <memory>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/GerenciadorAcordesCli.h"
#include "cli/Diagrama.h"
#include "cli/OpcoesInstrumento.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "harmony/InterpreteCifras.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace cli {

namespace {

std::vector<int> lerNotas(const Argumentos& args) {
    const auto texto = args.opcao("pitches");
    if (!texto) throw ErroUso("--pitches is required");
    return lerListaInteiros(*texto, "--pitches");
}

int raizDada(const Argumentos& args) {
    const auto raiz = args.opcaoInteira("root");
    if (!raiz) return -1;
    if (*raiz < 0 || *raiz > 127) throw ErroUso("--root must be a MIDI note from 0 to 127");
    return static_cast<int>(*raiz);
}

}  // namespace

int cmdChords(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {});
    args.exigir(0);
    return comErrosRelatados(ctx, [&] {
        const auto gerenciador = abrirGerenciadorAcordes(ctx);
        const ListaNomes& nomes = gerenciador->getNomesAcordes();
        if (ctx.json) {
            nlohmann::ordered_json lista = nlohmann::ordered_json::array();
            for (const auto& nome : nomes) lista.push_back(utf8(nome));
            escreverJson(ctx, {{"chords", lista}});
        } else {
            for (const auto& nome : nomes) ctx.saida << utf8(nome) << '\n';
        }
        return 0;
    });
}

int cmdChord(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, comOpcoesInstrumento());
    args.exigir(1);
    const std::string cifra = args.texto(0, "SYMBOL");
    return comErrosRelatados(ctx, [&] {
        const InstrumentoEscolhido escolhido = escolherInstrumento(ctx, args);
        const auto gerenciador = abrirGerenciadorAcordes(ctx);
        gerenciador->usarInstrumento(*escolhido.instrumento);
        if (!gerenciador->setAcorde(cifra.c_str())) {
            if (ctx.json) {
                escreverJson(ctx, {{"error", "msgErroSintaxe"}});
            } else {
                ctx.saida << utf8(ctx.idiomas.getTexto("fmPrincipal", "msgErroSintaxe")) << '\n';
            }
            return 1;
        }
        // Every fingering that "next" steps through, from the first. Copies:
        // stepping may complete the chord's list and replace its elements.
        std::vector<PosicaoHarmonicaInstrumentoCordas> posicoes;
        for (;;) {
            const auto* p = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(gerenciador->getPosicaoAcordeAtual());
            if (p == nullptr) break;
            posicoes.push_back(*p);
            const int antes = gerenciador->getIndicePosicao();
            gerenciador->proximaPosicao();
            if (gerenciador->getIndicePosicao() == antes) break;
        }
        const std::string nome = gerenciador->getNomeAcordeAtual();
        if (ctx.json) {
            nlohmann::ordered_json lista = nlohmann::ordered_json::array();
            for (const auto& p : posicoes) {
                lista.push_back({{"frets", p.getCasas()}, {"fingers", p.getDedos()}, {"name", utf8(p.getNome())}});
            }
            escreverJson(ctx, {{"index", gerenciador->getIndiceAcorde()}, {"name", utf8(nome)}, {"fingerings", lista}});
            return 0;
        }
        ctx.saida << utf8(nome) << " on " << utf8(escolhido.instrumento->getName()) << " (list entry "
                  << gerenciador->getIndiceAcorde() << "): " << posicoes.size()
                  << (posicoes.size() == 1 ? " fingering" : " fingerings") << '\n';
        for (size_t i = 0; i < posicoes.size(); ++i) {
            const auto& p = posicoes[i];
            ctx.saida << '\n'
                      << i + 1 << ". " << utf8(p.getNome()) << "  frets " << listaNumeros(p.getCasas())
                      << "  fingers " << listaNumeros(p.getDedos()) << '\n';
            desenharDiagrama(ctx.saida, p.getCasas(), p.getDedos());
        }
        return 0;
    });
}

int cmdRecognize(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {"pitches", "root"});
    args.exigir(0);
    const std::vector<int> notas = lerNotas(args);
    const int raiz = raizDada(args);
    const Especialista& esp = *Especialista::getInstancia();
    try {
        const CodigoAcorde codigo = esp.reconhecerAcorde(notas, raiz);
        const std::string nome = esp.getNomeAcorde(codigo);
        if (ctx.json) {
            escreverJson(ctx, {{"code", codigo}, {"name", utf8(nome)}});
        } else {
            ctx.saida << utf8(nome) << " (code " << codigo << ")\n";
        }
        return 0;
    } catch (const RaizNaoEncontradaException& e) {
        if (ctx.json) {
            escreverJson(ctx, {{"error", "RaizNaoEncontradaException"}});
        } else {
            ctx.saida << "RaizNaoEncontradaException: " << utf8(e.getMessage()) << '\n';
        }
        return 1;
    }
}

int cmdName(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {"pitches", "root"});
    args.exigir(0);
    const std::vector<int> notas = lerNotas(args);
    const int raiz = raizDada(args);
    return comErrosRelatados(ctx, [&] {
        const auto gerenciador = abrirGerenciadorAcordes(ctx);
        const std::string nome = gerenciador->nomearAcorde(notas, raiz);
        if (ctx.json) {
            escreverJson(ctx, {{"name", utf8(nome)}});
        } else {
            ctx.saida << (nome.empty() ? "(no name: choose a root)" : utf8(nome)) << '\n';
        }
        return 0;
    });
}

}  // namespace cli
