// Subcommand over the instrument list: instruments.
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/base/Excecoes.h"
#include "instruments/GerenciadorInstrumentos.h"

namespace cli {

namespace {

int relatarErro(Contexto& ctx, const char* classe, const DException& e) {
    if (ctx.json) {
        escreverJson(ctx, {{"error", classe}, {"message", utf8(e.getMessage())}});
    } else {
        ctx.saida << classe << ": " << utf8(e.getMessage()) << '\n';
    }
    return 1;
}

// Scientific pitch name of a MIDI note (60 = C4), to make tunings readable.
std::string nomeAltura(int32_t nota) {
    static const char* const kNomes[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    const int32_t classe = ((nota % 12) + 12) % 12;
    const int32_t oitava = (nota - classe) / 12 - 1;
    return std::string(kNomes[classe]) + std::to_string(oitava);
}

}  // namespace

int cmdInstruments(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {});
    args.exigir(0);
    try {
        // A manager of this run's own: the tool's platform lives only as long as the run.
        auto gerenciador = GerenciadorInstrumentos::criar(ctx.plataforma);
        const std::vector<std::string> nomes = gerenciador->getNomesInstrumentos();
        std::vector<std::shared_ptr<InstrumentoCordas>> lista;
        for (size_t i = 0; i < nomes.size(); ++i) lista.push_back(gerenciador->getInstrumento(static_cast<int>(i)));

        if (ctx.json) {
            nlohmann::json itens = nlohmann::json::array();
            for (const auto& inst : lista) {
                itens.push_back({{"name", utf8(inst->getName())},
                                 {"description", utf8(inst->getDescricao())},
                                 {"strings", inst->getNumeroCordas()},
                                 {"frets", inst->getNumeroCasas()},
                                 {"span", inst->getDistancia()},
                                 {"sound", inst->getSom()},
                                 {"tuning", inst->getAfinacao()}});
            }
            escreverJson(ctx, {{"instruments", itens}});
            return 0;
        }
        for (size_t i = 0; i < lista.size(); ++i) {
            const auto& inst = *lista[i];
            std::ostringstream afinacao;
            for (const int32_t nota : inst.getAfinacao()) afinacao << ' ' << nomeAltura(nota) << '(' << nota << ')';
            ctx.saida << i << ". " << utf8(inst.getName())
                      << (i < static_cast<size_t>(gerenciador->getNumeroInstrumentosPadrao()) ? " [built-in]" : "")
                      << '\n'
                      << "   " << utf8(inst.getDescricao()) << '\n'
                      << "   " << inst.getNumeroCordas() << " strings, " << inst.getNumeroCasas() << " frets, span "
                      << inst.getDistancia() << ", sound " << inst.getSom() << '\n'
                      << "   tuning:" << afinacao.str() << '\n';
        }
        return 0;
    } catch (const FileNotFoundException& e) {
        return relatarErro(ctx, "FileNotFoundException", e);
    } catch (const XMLParseException& e) {
        return relatarErro(ctx, "XMLParseException", e);
    } catch (const OutOfBoundsException& e) {
        return relatarErro(ctx, "OutOfBoundsException", e);
    }
}

}  // namespace cli
