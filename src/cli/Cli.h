#pragma once
// The command-line tool: global options, then one subcommand. Each subcommand
// is one small function over the core, listed in Subcomandos.cpp.
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/base/Excecoes.h"

class GerenciadorIdiomas;
class Plataforma;

namespace cli {

// A usage error: one line on stderr, exit status 2.
class ErroUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Contexto {
    bool json = false;
    Plataforma& plataforma;
    GerenciadorIdiomas& idiomas;
    std::ostream& saida;
    std::ostream& erros;
    // --midi-log: every MIDI message sent is written to erros with its time.
    bool midiLog = false;
    // Standard input, for the subcommands that read a text.
    std::istream* entrada = nullptr;
};

// The arguments after the subcommand's name. Only words that begin with "--"
// are options, so negative numbers are plain values.
class Argumentos {
public:
    // `chaves` are options that take no value (switches).
    Argumentos(const std::vector<std::string>& palavras, const std::set<std::string>& opcoesAceitas,
               const std::set<std::string>& chaves = {});

    size_t quantos() const { return posicionais.size(); }
    // Positional argument i, UTF-8 as typed, converted to Windows-1252.
    std::string texto(size_t i, const char* nome) const;
    long long inteiro(size_t i, const char* nome) const;
    void exigir(size_t quantidade) const;

    bool tem(const std::string& opcao) const { return opcoes.count(opcao) != 0; }
    std::optional<std::string> opcao(const std::string& nome) const;
    std::optional<long long> opcaoInteira(const std::string& nome) const;

private:
    std::vector<std::string> posicionais;
    std::map<std::string, std::string> opcoes;
};

using FuncaoSubcomando = int (*)(Contexto&, const std::vector<std::string>&);

struct Subcomando {
    const char* nome;
    const char* uso;        // arguments and options, after the name
    const char* descricao;  // one line for --help
    FuncaoSubcomando executar;
};

const std::vector<Subcomando>& subcomandos();

// Runs the tool on argv-like words (without the program name).
int executar(const std::vector<std::string>& palavras, std::ostream& saida, std::ostream& erros);
// The same, reading standard input from `entrada` (tests hand in a string stream).
int executar(const std::vector<std::string>& palavras, std::istream& entrada, std::ostream& saida,
             std::ostream& erros);

// Windows-1252 core text to UTF-8 for the terminal and JSON.
std::string utf8(const std::string& cp1252);
// UTF-8 from the terminal to Windows-1252; a character that Windows-1252 lacks is a usage error.
std::string cp1252(const std::string& utf8, const char* nome);
long long lerInteiro(const std::string& texto, const char* nome);
std::vector<int> lerListaInteiros(const std::string& texto, const char* nome);

// Prints a JSON object as one line, its keys in the order given.
void escreverJson(Contexto& ctx, const nlohmann::ordered_json& objeto);

// The class name of an error of the DException family, as the JSON output names it.
std::string nomeClasse(const DException& erro);
// Reports an error of the dictionary: {"error": class, "message": text} or a
// line of text; returns exit status 1.
int relatarErro(Contexto& ctx, const DException& erro);

// Runs a subcommand's body, reporting any error of the DException family.
template <typename Funcao>
int comErrosRelatados(Contexto& ctx, Funcao&& funcao) {
    try {
        return funcao();
    } catch (const DException& e) {
        return relatarErro(ctx, e);
    }
}

}  // namespace cli
