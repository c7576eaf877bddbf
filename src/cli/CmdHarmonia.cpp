// Subcommands over the chord-symbol interpreter: interpret, name-code, transpose.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"
#include "harmony/NotasIntervalos.h"

namespace cli {

namespace {

const Especialista& especialista() { return *Especialista::getInstancia(); }

std::string nomeNotaOuNada(IndiceNota nota) { return nota == kSemNota ? "none" : especialista().getNomeNota(nota); }

}  // namespace

int cmdInterpret(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {});
    args.exigir(1);
    const std::string cifra = args.texto(0, "SYMBOL");
    return comErrosRelatados(ctx, [&] {
        const Especialista& esp = especialista();
        const CodigoAcorde codigo = esp.interpretarCifra(cifra);
        const std::string nome = esp.getNomeAcorde(codigo);
        std::vector<int> graus;
        for (IndiceGrau g : kGrausArmazenados) {
            if (esp.temGrau(codigo, g)) graus.push_back(g);
        }
        if (ctx.json) {
            escreverJson(ctx, {{"code", codigo},
                               {"name", utf8(nome)},
                               {"root", esp.getRaiz(codigo)},
                               {"bass", esp.getBaixo(codigo)},
                               {"degrees", graus}});
        } else {
            std::ostringstream lista;
            for (size_t i = 0; i < graus.size(); ++i) lista << (i ? " " : "") << graus[i];
            ctx.saida << utf8(nome) << '\n'
                      << "code:    " << codigo << '\n'
                      << "root:    " << esp.getNomeNota(esp.getRaiz(codigo)) << '\n'
                      << "bass:    " << nomeNotaOuNada(esp.getBaixo(codigo)) << '\n'
                      << "degrees: " << lista.str() << '\n';
        }
        return 0;
    });
}

int cmdNameCode(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {});
    args.exigir(1);
    const long long valor = args.inteiro(0, "CODE");
    if (valor < 0 || valor > static_cast<long long>(UINT32_MAX)) {
        throw ErroUso("CODE must be an unsigned 32-bit number");
    }
    return comErrosRelatados(ctx, [&] {
        const std::string nome = especialista().getNomeAcorde(static_cast<CodigoAcorde>(valor));
        if (ctx.json) {
            escreverJson(ctx, {{"name", utf8(nome)}});
        } else {
            ctx.saida << utf8(nome) << '\n';
        }
        return 0;
    });
}

int cmdTranspose(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {});
    args.exigir(3);
    const std::string cifra = args.texto(0, "SYMBOL");
    const long long semitons = args.inteiro(1, "SEMITONES");
    const long long direcao = args.inteiro(2, "DIRECTION");
    // Steps repeat with period 12 after the first, so any count fits in an int.
    const int passos = semitons <= 0 ? 0 : static_cast<int>(1 + (semitons - 1) % 12);
    const DirecaoTransposicao sentido =
        (direcao == kTransporAcima || direcao == kTransporAbaixo) ? static_cast<DirecaoTransposicao>(direcao) : -1;
    return comErrosRelatados(ctx, [&] {
        const std::string resultado = especialista().transporCifra(cifra, passos, sentido);
        if (ctx.json) {
            escreverJson(ctx, {{"result", utf8(resultado)}});
        } else {
            ctx.saida << utf8(resultado) << '\n';
        }
        return 0;
    });
}

}  // namespace cli
