// Subcommands over chord sheets read on standard input: sheet-chords and
// sheet-transpose. The sheet is Windows-1252, or UTF-8 with --utf8; its line
// endings are kept. A character that Windows-1252 lacks is examined as "?"
// (never part of a chord) but written back as it came, so no lyric is lost.
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/base/Texto1252.h"
#include "import/FolhaCifra.h"
#include "import/LinhaCifra.h"

namespace cli {

namespace {

// Presses of the transposition button one run may repeat.
constexpr long long kMaxPassos = 1000;

// A line as its characters were read, with the Windows-1252 text the core examines:
// one byte for each character, so positions agree.
struct LinhaLida {
    std::vector<std::string> caracteres;
    std::string examinada;
    std::string fim;
};

size_t tamanhoSequenciaUtf8(const std::string& texto, size_t i) {
    const auto byte = static_cast<unsigned char>(texto[i]);
    const size_t n = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > texto.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(texto[i + k]) & 0xC0) != 0x80) return 0;
    }
    return n;
}

void acrescentar(LinhaLida& linha, std::string caractere, bool utf8) {
    if (!utf8) {
        linha.examinada += caractere;
    } else {
        const auto convertido = texto1252::deUtf8(caractere);
        linha.examinada += (convertido && convertido->size() == 1) ? *convertido : std::string("?");
    }
    linha.caracteres.push_back(std::move(caractere));
}

std::vector<LinhaLida> lerFolha(Contexto& ctx, bool utf8) {
    std::istream& entrada = ctx.entrada != nullptr ? *ctx.entrada : std::cin;
    const std::string folha{std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
    std::vector<LinhaLida> linhas;
    for (const auto& linha : folhaCifra::dividir(folha)) {
        LinhaLida lida;
        lida.fim = linha.fim;
        for (size_t i = 0; i < linha.texto.size();) {
            const size_t n = utf8 ? tamanhoSequenciaUtf8(linha.texto, i) : 1;
            if (n == 0) throw ErroUso("standard input is not UTF-8 text");
            acrescentar(lida, linha.texto.substr(i, n), utf8);
            i += n;
        }
        linhas.push_back(std::move(lida));
    }
    return linhas;
}

std::string comoLido(const LinhaLida& linha, size_t inicio, size_t tamanho) {
    std::string texto;
    for (size_t i = inicio; i < inicio + tamanho; ++i) texto += linha.caracteres[i];
    return texto;
}

// One press of a transposition button on one line.
void transpor(LinhaLida& linha, DirecaoTransposicao direcao, bool utf8) {
    const auto substituicoes = linhaCifra::substituicoesTransposicao(linha.examinada, 1, direcao);
    if (substituicoes.empty()) return;
    LinhaLida nova;
    nova.fim = linha.fim;
    size_t copiado = 0;
    for (const auto& s : substituicoes) {
        for (size_t i = copiado; i < s.inicio; ++i) acrescentar(nova, linha.caracteres[i], utf8);
        for (const char c : s.texto) acrescentar(nova, utf8 ? cli::utf8(std::string(1, c)) : std::string(1, c), utf8);
        copiado = s.inicio + s.tamanho;
    }
    for (size_t i = copiado; i < linha.caracteres.size(); ++i) acrescentar(nova, linha.caracteres[i], utf8);
    linha = std::move(nova);
}

}  // namespace

int cmdSheetChords(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {}, {"utf8"});
    args.exigir(0);
    const bool utf8 = args.tem("utf8");
    const std::vector<LinhaLida> linhas = lerFolha(ctx, utf8);
    return comErrosRelatados(ctx, [&] {
        nlohmann::ordered_json lista = nlohmann::ordered_json::array();
        for (const auto& linha : linhas) {
            const bool acordes = linhaCifra::classificar(linha.examinada) == TipoLinha::Acordes;
            std::vector<std::string> textos;
            for (const auto& t : linhaCifra::trechosAcordes(linha.examinada)) {
                textos.push_back(comoLido(linha, t.inicio, t.tamanho));
            }
            if (ctx.json) {
                // JSON text is always UTF-8.
                nlohmann::ordered_json acordesJson = nlohmann::ordered_json::array();
                for (const auto& t : textos) acordesJson.push_back(utf8 ? t : cli::utf8(t));
                lista.push_back({{"kind", acordes ? "chord" : "lyric"}, {"chords", acordesJson}});
            } else {
                ctx.saida << (acordes ? "chord:" : "lyric:");
                for (const auto& t : textos) ctx.saida << ' ' << t;
                ctx.saida << '\n';
            }
        }
        if (ctx.json) escreverJson(ctx, {{"lines", lista}});
        return 0;
    });
}

int cmdSheetTranspose(Contexto& ctx, const std::vector<std::string>& palavras) {
    const Argumentos args(palavras, {"steps"}, {"utf8"});
    args.exigir(1);
    const long long direcao = args.inteiro(0, "DIRECTION");
    if (direcao != kTransporAcima && direcao != kTransporAbaixo) throw ErroUso("DIRECTION must be 0 (up) or 1 (down)");
    const long long passos = args.opcaoInteira("steps").value_or(1);
    if (passos < 0 || passos > kMaxPassos) throw ErroUso("--steps must be between 0 and 1000");
    const bool utf8 = args.tem("utf8");
    std::vector<LinhaLida> linhas = lerFolha(ctx, utf8);
    return comErrosRelatados(ctx, [&] {
        for (long long passo = 0; passo < passos; ++passo) {
            for (auto& linha : linhas) transpor(linha, static_cast<DirecaoTransposicao>(direcao), utf8);
        }
        for (const auto& linha : linhas) ctx.saida << comoLido(linha, 0, linha.caracteres.size()) << linha.fim;
        return 0;
    });
}

}  // namespace cli
