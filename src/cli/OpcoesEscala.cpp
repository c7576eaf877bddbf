#include "cli/OpcoesEscala.h"

#include <charconv>
#include <memory>
#include <vector>

#include "harmony/Rotulos.h"
#include "scales/BaseEscalas.h"

namespace cli {

int32_t lerTom(const std::string& texto) {
    int valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [ptr, erro] = std::from_chars(texto.data(), fim, valor);
    if (!texto.empty() && erro == std::errc() && ptr == fim) {
        if (valor < 0 || valor >= numeroTonalidades()) throw ErroUso("--key must be 0 to 11 or a key name");
        return valor;
    }
    const int indice = indiceTonalidade(cp1252(texto, "--key"));
    if (indice < 0) {
        std::string nomes;
        for (int i = 0; i < numeroTonalidades(); ++i) nomes += (i ? ", \"" : "\"") + utf8(nomeTonalidade(i)) + "\"";
        throw ErroUso("--key must be 0 to 11 or one of " + nomes);
    }
    return indice;
}

Escala escalaPedida(Contexto& ctx, const Argumentos& args) {
    if (args.tem("offsets")) {
        const std::vector<int> offsets = lerListaInteiros(*args.opcao("offsets"), "--offsets");
        if (offsets.empty()) throw ErroUso("--offsets needs at least one number");
        if (offsets.size() > kMaximoOffsets) {
            throw ErroUso("--offsets takes at most " + std::to_string(kMaximoOffsets) + " numbers");
        }
        return Escala("", std::vector<int32_t>(offsets.begin(), offsets.end()));
    }
    const std::string nome = cp1252(*args.opcao("name"), "--name");
    auto base = BaseEscalas::doIdiomaAtual(ctx.plataforma);
    const int indice = base->getIndiceEscala(nome);
    auto lida = indice < base->getNumeroEscalas() ? base->getEscala(indice) : nullptr;
    if (!lida) throw ErroUso("no scale is named \"" + utf8(nome) + "\" (see the scales subcommand)");
    return *lida;
}

}  // namespace cli
