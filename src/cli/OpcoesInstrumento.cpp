#include "cli/OpcoesInstrumento.h"

#include <string>
#include <vector>

namespace cli {

namespace {

// Limits of an instrument given on the spot: a fingering's key has room for
// six strings of up to 14 frets.
constexpr int kMaximoCordas = 6;
constexpr int kMaximoCasas = 14;
constexpr int kMaiorAltura = 127;
constexpr int kCasasPadrao = 12;
constexpr int kDistanciaPadrao = 3;
// General MIDI nylon-string guitar.
constexpr int kSomPadrao = 24;

long long entre(const Argumentos& args, const char* opcao, long long padrao, long long minimo, long long maximo) {
    const auto valor = args.opcaoInteira(opcao);
    if (!valor) return padrao;
    if (*valor < minimo || *valor > maximo) {
        throw ErroUso(std::string("--") + opcao + " must be " + std::to_string(minimo) + " to " +
                      std::to_string(maximo));
    }
    return *valor;
}

std::shared_ptr<InstrumentoCordas> instrumentoDaAfinacao(const Argumentos& args) {
    const std::vector<int> afinacao = lerListaInteiros(*args.opcao("tuning"), "--tuning");
    if (afinacao.empty() || afinacao.size() > static_cast<size_t>(kMaximoCordas)) {
        throw ErroUso("--tuning needs 1 to " + std::to_string(kMaximoCordas) + " open-string pitches");
    }
    for (const int altura : afinacao) {
        if (altura < 0 || altura > kMaiorAltura) throw ErroUso("--tuning pitches must be 0 to 127");
    }
    const auto casas = static_cast<int32_t>(entre(args, "frets", kCasasPadrao, 1, kMaximoCasas));
    const auto distancia = static_cast<int32_t>(entre(args, "span", kDistanciaPadrao, 0, casas));
    return std::make_shared<InstrumentoCordas>("custom", "", static_cast<int32_t>(afinacao.size()), casas, distancia,
                                               kSomPadrao, std::vector<int32_t>(afinacao.begin(), afinacao.end()),
                                               false);
}

}  // namespace

std::set<std::string> comOpcoesInstrumento(std::set<std::string> proprias) {
    proprias.insert({"instrument", "tuning", "frets", "span"});
    return proprias;
}

InstrumentoEscolhido escolherInstrumento(Contexto& ctx, const Argumentos& args) {
    InstrumentoEscolhido escolhido;
    escolhido.gerenciador = GerenciadorInstrumentos::criar(ctx.plataforma);
    if (args.tem("tuning")) {
        if (args.tem("instrument")) throw ErroUso("--instrument and --tuning exclude each other");
        escolhido.instrumento = instrumentoDaAfinacao(args);
        return escolhido;
    }
    if (args.tem("frets") || args.tem("span")) throw ErroUso("--frets and --span go with --tuning");

    const long long indice = args.opcaoInteira("instrument").value_or(0);
    if (indice < 0) throw ErroUso("--instrument must be a list index from 0");
    GerenciadorInstrumentos& g = *escolhido.gerenciador;
    // Past the built-ins the index is checked against the file's list.
    if (indice >= g.getNumeroInstrumentosPadrao()) {
        const size_t quantos = g.getNomesInstrumentos().size();
        if (static_cast<size_t>(indice) >= quantos) {
            throw ErroUso("--instrument must be 0 to " + std::to_string(quantos - 1));
        }
    }
    escolhido.indice = static_cast<int>(indice);
    g.setInstrumento(escolhido.indice);
    escolhido.instrumento = std::make_shared<InstrumentoCordas>(*g.getInstrumentoAtual());
    return escolhido;
}

}  // namespace cli
