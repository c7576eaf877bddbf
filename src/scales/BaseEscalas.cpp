#include "scales/BaseEscalas.h"

#include <charconv>
#include <utility>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"

namespace {

constexpr const char* kClasse = "BaseEscalas";
constexpr const char* kEscala = "escala";
constexpr const char* kNome = "nome";
constexpr const char* kFrequencia = "frequencia";

std::unique_ptr<BaseEscalas>& instancia() {
    static std::unique_ptr<BaseEscalas> unica;
    return unica;
}

// Decimal, optionally signed, and within 32 bits.
bool lerOffset(const std::string& texto, int32_t& valor) {
    const char* inicio = texto.data();
    const char* fim = inicio + texto.size();
    if (inicio != fim && *inicio == '+') {
        ++inicio;
        if (inicio != fim && *inicio == '-') return false;
    }
    if (inicio == fim) return false;
    const auto [ptr, erro] = std::from_chars(inicio, fim, valor);
    return erro == std::errc() && ptr == fim;
}

}  // namespace

BaseEscalas::BaseEscalas(std::string caminhoArquivo, Plataforma& plataforma)
    : caminho(std::move(caminhoArquivo)), plataforma(plataforma) {}

BaseEscalas* BaseEscalas::getInstancia() {
    auto& unica = instancia();
    if (!unica) unica = doIdiomaAtual(Plataforma::atual());
    return unica.get();
}

std::unique_ptr<BaseEscalas> BaseEscalas::doIdiomaAtual(Plataforma& plataforma) {
    return std::make_unique<BaseEscalas>(
        plataforma.diretorioPrograma() + GerenciadorIdiomas::getInstancia()->getTexto("escalas", "nome_arquivo"),
        plataforma);
}

void BaseEscalas::substituirInstancia(std::unique_ptr<BaseEscalas> nova) { instancia() = std::move(nova); }

void BaseEscalas::abrir(const char* metodo) {
    if (!plataforma.existeArquivo(caminho)) {
        throw FileNotFoundException(
            GerenciadorIdiomas::getInstancia()->getTexto("exception", "baseEscalasNaoEncontrada") + caminho + "'",
            caminho, kClasse, metodo);
    }
    // A file that cannot be read leaves the scanner empty: no scales, no error.
    scanner.LoadFromFile(caminho, TXMLParser::kCompartilhado);
    scanner.StartScan();
}

std::vector<std::string> BaseEscalas::getNomesEscalas() {
    abrir("getNomesEscalas");
    std::vector<std::string> nomes;
    std::string estado;
    while (scanner.Scan()) {
        const std::string& parte = scanner.PartName();
        switch (scanner.PartType()) {
            case ptStartTag:
                if (parte == kEscala && estado.empty()) estado = kEscala;
                else if (parte == kNome && estado == kEscala) estado = kNome;
                break;
            case ptContent:
                if (estado == kNome) nomes.push_back(scanner.PartContent());
                break;
            case ptEndTag:
                if (parte == kEscala) estado.clear();
                else if (parte == kNome) estado = kEscala;
                break;
            default:
                break;
        }
    }
    return nomes;
}

std::unique_ptr<Escala> BaseEscalas::getEscala(int posicao) {
    abrir("getEscala");
    std::unique_ptr<Escala> resultado;
    std::string estado;
    std::string nome;
    std::vector<int32_t> frequencia;
    int completas = 0;
    // Read to the end even after the scale was found, so a broken offset
    // anywhere in the file is reported the same whichever scale is asked for.
    while (scanner.Scan()) {
        const std::string& parte = scanner.PartName();
        switch (scanner.PartType()) {
            case ptStartTag:
                if (estado.empty() && parte == kEscala) estado = kEscala;
                else if (estado == kEscala && parte == kNome) estado = kNome;
                else if (estado == kEscala && parte == kFrequencia) estado = kFrequencia;
                break;
            case ptContent:
                if (estado == kNome) {
                    nome = scanner.PartContent();
                } else if (estado == kFrequencia) {
                    int32_t valor = 0;
                    if (!lerOffset(scanner.PartContent(), valor)) {
                        throw XMLParseException(
                            GerenciadorIdiomas::getInstancia()->getTexto("exception", "parseError") + kFrequencia + ")",
                            kFrequencia, kClasse, "getEscala");
                    }
                    frequencia.push_back(valor);
                }
                break;
            case ptEndTag:
                if (parte == kNome && estado == kNome) {
                    estado = kEscala;
                } else if (parte == kFrequencia && estado == kFrequencia) {
                    estado = kEscala;
                } else if (parte == kEscala) {
                    estado.clear();
                    if (completas == posicao) resultado = std::make_unique<Escala>(nome, frequencia);
                    frequencia.clear();
                    ++completas;
                }
                break;
            default:
                break;
        }
    }
    return resultado;
}

int BaseEscalas::getNumeroEscalas() { return static_cast<int>(getNomesEscalas().size()); }

int BaseEscalas::getIndiceEscala(const std::string& nome) {
    const std::vector<std::string> nomes = getNomesEscalas();
    for (size_t i = 0; i < nomes.size(); ++i) {
        if (nomes[i] == nome) return static_cast<int>(i);
    }
    return static_cast<int>(nomes.size());
}
