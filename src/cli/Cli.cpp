#include "cli/Cli.h"

#include <unistd.h>

#include <charconv>
#include <climits>
#include <iostream>
#include <sstream>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"
#include "core/base/Texto1252.h"

namespace cli {

namespace {

std::string diretorioDoExecutavel() {
    std::string caminho(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", caminho.data(), caminho.size() - 1);
    if (n <= 0) return "./";
    caminho.resize(static_cast<size_t>(n));
    const size_t barra = caminho.rfind('/');
    return barra == std::string::npos ? "./" : caminho.substr(0, barra + 1);
}

void escreverAjuda(std::ostream& saida) {
    saida << "brelvio-cli: the chord and scale dictionary on the command line\n\n"
             "Usage: brelvio-cli [global options] SUBCOMMAND [arguments]\n\n"
             "Global options (before the subcommand):\n"
             "  --json             print one JSON object instead of text\n"
             "  --language NAME    interface language by display name (default \"English\");\n"
             "                     it also chooses the chord notation\n"
             "  --data DIR         program directory holding the data files\n"
             "                     (default: the directory of this program)\n"
             "  --midi-log         write every MIDI message sent on stderr: its time in\n"
             "                     milliseconds and its bytes in hexadecimal\n"
             "  --help             this text\n\n"
             "Subcommands:\n";
    for (const auto& s : subcomandos()) {
        saida << "  " << s.nome << ' ' << s.uso << "\n      " << s.descricao << '\n';
    }
    saida << "\nNumbers may be negative (-2 is a value, not an option). Exit status: 0 success,\n"
             "1 an error of the dictionary (reported in the output), 2 a usage error.\n";
}

}  // namespace

Argumentos::Argumentos(const std::vector<std::string>& palavras, const std::set<std::string>& opcoesAceitas,
                       const std::set<std::string>& chaves) {
    for (size_t i = 0; i < palavras.size(); ++i) {
        const std::string& p = palavras[i];
        if (p.size() > 2 && p.compare(0, 2, "--") == 0) {
            const std::string nome = p.substr(2);
            if (chaves.count(nome) != 0) {
                opcoes[nome] = "";
                continue;
            }
            if (opcoesAceitas.count(nome) == 0) throw ErroUso("unknown option " + p);
            if (i + 1 >= palavras.size()) throw ErroUso("option " + p + " needs a value");
            opcoes[nome] = palavras[++i];
        } else {
            posicionais.push_back(p);
        }
    }
}

void Argumentos::exigir(size_t quantidade) const {
    if (posicionais.size() < quantidade) throw ErroUso("missing arguments");
    if (posicionais.size() > quantidade) throw ErroUso("too many arguments");
}

std::string Argumentos::texto(size_t i, const char* nome) const {
    if (i >= posicionais.size()) throw ErroUso(std::string("missing ") + nome);
    return cp1252(posicionais[i], nome);
}

long long Argumentos::inteiro(size_t i, const char* nome) const {
    if (i >= posicionais.size()) throw ErroUso(std::string("missing ") + nome);
    return lerInteiro(posicionais[i], nome);
}

std::optional<std::string> Argumentos::opcao(const std::string& nome) const {
    const auto it = opcoes.find(nome);
    if (it == opcoes.end()) return std::nullopt;
    return it->second;
}

std::optional<long long> Argumentos::opcaoInteira(const std::string& nome) const {
    const auto valor = opcao(nome);
    if (!valor) return std::nullopt;
    return lerInteiro(*valor, ("--" + nome).c_str());
}

std::string utf8(const std::string& texto) { return texto1252::paraUtf8(texto); }

std::string cp1252(const std::string& texto, const char* nome) {
    auto convertido = texto1252::deUtf8(texto);
    if (!convertido) throw ErroUso(std::string(nome) + " holds a character that Windows-1252 cannot write");
    return *convertido;
}

long long lerInteiro(const std::string& texto, const char* nome) {
    long long valor = 0;
    const char* inicio = texto.data();
    const char* fim = texto.data() + texto.size();
    if (inicio != fim && *inicio == '+') ++inicio;
    const auto [ptr, erro] = std::from_chars(inicio, fim, valor);
    if (texto.empty() || erro != std::errc() || ptr != fim) {
        throw ErroUso(std::string(nome) + " must be an integer, not \"" + texto + "\"");
    }
    return valor;
}

std::vector<int> lerListaInteiros(const std::string& texto, const char* nome) {
    std::vector<int> valores;
    std::istringstream palavras(texto);
    std::string palavra;
    while (palavras >> palavra) {
        const long long v = lerInteiro(palavra, nome);
        if (v < INT_MIN || v > INT_MAX) throw ErroUso(std::string(nome) + " holds a number out of range");
        valores.push_back(static_cast<int>(v));
    }
    return valores;
}

void escreverJson(Contexto& ctx, const nlohmann::ordered_json& objeto) { ctx.saida << objeto.dump() << '\n'; }

std::string nomeClasse(const DException& erro) {
    // Most specific first.
    if (dynamic_cast<const FileNotFoundException*>(&erro)) return "FileNotFoundException";
    if (dynamic_cast<const NotFoundException*>(&erro)) return "NotFoundException";
    if (dynamic_cast<const FatalException*>(&erro)) return "FatalException";
    if (dynamic_cast<const OutOfBoundsException*>(&erro)) return "OutOfBoundsException";
    if (dynamic_cast<const IllegalArgumentException*>(&erro)) return "IllegalArgumentException";
    if (dynamic_cast<const DataFormatException*>(&erro)) return "DataFormatException";
    if (dynamic_cast<const XMLParseException*>(&erro)) return "XMLParseException";
    if (dynamic_cast<const RaizNaoEncontradaException*>(&erro)) return "RaizNaoEncontradaException";
    return "DException";
}

int relatarErro(Contexto& ctx, const DException& erro) {
    const std::string classe = nomeClasse(erro);
    if (ctx.json) {
        escreverJson(ctx, {{"error", classe}, {"message", utf8(erro.getMessage())}});
    } else {
        ctx.saida << classe << ": " << utf8(erro.getMessage()) << '\n';
    }
    return 1;
}

int executar(const std::vector<std::string>& palavras, std::ostream& saida, std::ostream& erros) {
    return executar(palavras, std::cin, saida, erros);
}

int executar(const std::vector<std::string>& palavras, std::istream& entrada, std::ostream& saida,
             std::ostream& erros) {
    bool json = false;
    bool midiLog = false;
    std::string idioma = "English";
    std::string dados;
    size_t i = 0;
    try {
        for (; i < palavras.size(); ++i) {
            const std::string& p = palavras[i];
            if (p == "--help" || p == "-h") {
                escreverAjuda(saida);
                return 0;
            } else if (p == "--json") {
                json = true;
            } else if (p == "--midi-log") {
                midiLog = true;
            } else if (p == "--language" || p == "--data") {
                if (i + 1 >= palavras.size()) throw ErroUso("option " + p + " needs a value");
                (p == "--language" ? idioma : dados) = palavras[++i];
            } else if (p.compare(0, 2, "--") == 0) {
                throw ErroUso("unknown option " + p);
            } else {
                break;
            }
        }
        if (i >= palavras.size()) throw ErroUso("missing subcommand (see --help)");
        const std::string& nome = palavras[i];
        const Subcomando* escolhido = nullptr;
        for (const auto& s : subcomandos()) {
            if (nome == s.nome) escolhido = &s;
        }
        if (escolhido == nullptr) throw ErroUso("unknown subcommand \"" + nome + "\" (see --help)");

        const std::string idiomaCp = cp1252(idioma, "--language");
        PlataformaHeadless plataforma(dados.empty() ? diretorioDoExecutavel() : dados, "brelvio-cli");
        Plataforma::definir(&plataforma);
        struct Restaurar {
            ~Restaurar() {
                GerenciadorIdiomas::substituirInstancia(nullptr);
                Plataforma::definir(nullptr);
            }
        } restaurar;
        GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma));
        GerenciadorIdiomas& idiomas = *GerenciadorIdiomas::getInstancia();
        if (!idiomas.iniciar(idiomaCp)) {
            for (const auto& m : plataforma.mensagens()) erros << utf8(m.texto) << '\n';
            return 1;
        }
        Contexto ctx{json, plataforma, idiomas, saida, erros};
        ctx.midiLog = midiLog;
        ctx.entrada = &entrada;
        try {
            return escolhido->executar(ctx, std::vector<std::string>(palavras.begin() + i + 1, palavras.end()));
        } catch (const ErroUso& e) {
            erros << "usage: brelvio-cli " << escolhido->nome << ' ' << escolhido->uso << " (" << e.what() << ")\n";
            return 2;
        }
    } catch (const ErroUso& e) {
        erros << "usage: brelvio-cli [--json] [--language NAME] [--data DIR] [--midi-log] SUBCOMMAND ... (" << e.what() << ")\n";
        return 2;
    } catch (const DException& e) {
        erros << "error: " << utf8(e.toString()) << '\n';
        return 1;
    }
}

}  // namespace cli
