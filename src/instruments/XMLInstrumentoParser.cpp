#include "instruments/XMLInstrumentoParser.h"

#include <charconv>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"

namespace {

constexpr const char* kClasse = "XMLInstrumentoParser";

std::string textoExcecao(const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto("exception", chave);
}

[[noreturn]] void indiceInvalido(int32_t indice, const char* metodo) {
    throw OutOfBoundsException(textoExcecao("indiceInvalido") + std::to_string(indice) + "'", indice, kClasse,
                               metodo);
}

int32_t lerInteiro(const std::string& texto, const std::string& elemento) {
    const char* inicio = texto.data();
    const char* fim = texto.data() + texto.size();
    if (inicio != fim && *inicio == '+' && fim - inicio > 1 && inicio[1] != '-') ++inicio;
    int32_t valor = 0;
    const auto [ptr, erro] = std::from_chars(inicio, fim, valor);
    if (erro != std::errc() || ptr != fim) {
        throw XMLParseException(textoExcecao("parseError") + elemento + ")", elemento, kClasse, "getInstrumento");
    }
    return valor;
}

std::string escapar(const std::string& texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (const char c : texto) {
        if (c == '&') saida += "&amp;";
        else if (c == '<') saida += "&lt;";
        else saida += c;
    }
    return saida;
}

void linha(std::string& doc, int nivel, const std::string& conteudo) {
    doc.append(static_cast<size_t>(nivel), '\t');
    doc += conteudo;
    doc += "\r\n";
}

void elemento(std::string& doc, int nivel, const char* nome, const std::string& valor) {
    linha(doc, nivel, std::string("<") + nome + ">" + valor + "</" + nome + ">");
}

}  // namespace

XMLInstrumentoParser::XMLInstrumentoParser(Plataforma* plataforma) : plataformaFixa(plataforma) {}

XMLInstrumentoParser* XMLInstrumentoParser::getInstancia() {
    static XMLInstrumentoParser instancia;
    return &instancia;
}

Plataforma& XMLInstrumentoParser::plataforma() const {
    return plataformaFixa != nullptr ? *plataformaFixa : Plataforma::atual();
}

void XMLInstrumentoParser::carregar(const std::string& caminho, const char* metodo) {
    auto naoEncontrado = [&] {
        return FileNotFoundException(textoExcecao("baseInstrumentosNaoEncontrada") + caminho + "'", caminho, kClasse,
                                     metodo);
    };
    if (!plataforma().existeArquivo(caminho)) throw naoEncontrado();
    std::string conteudo;
    try {
        conteudo = plataforma().lerArquivo(caminho);
    } catch (const DException&) {
        throw naoEncontrado();  // there, but unreadable: the same to the user
    }
    scanner.LoadFromBuffer(conteudo);
    scanner.StartScan();
}

std::vector<std::string> XMLInstrumentoParser::getNomesInstrumentos(const std::string& caminho) {
    carregar(caminho, "getNomesInstrumentos");
    std::vector<std::string> nomes;
    std::string estado;
    while (scanner.Scan()) {
        switch (scanner.PartType()) {
            case ptStartTag:
                if (scanner.PartName() == "instrumento" && estado.empty()) estado = "instrumento";
                else if (scanner.PartName() == "nome" && estado == "instrumento") estado = "nome";
                break;
            case ptEndTag:
                if (scanner.PartName() == "instrumento") estado.clear();
                else if (scanner.PartName() == "nome") estado = "instrumento";
                break;
            case ptContent:
                if (estado == "nome") nomes.push_back(scanner.PartContent());
                break;
            default:
                break;
        }
    }
    return nomes;
}

std::vector<std::unique_ptr<InstrumentoCordas>> XMLInstrumentoParser::lerInstrumentos(const std::string& caminho,
                                                                                     const char* metodo) {
    carregar(caminho, metodo);
    std::vector<std::unique_ptr<InstrumentoCordas>> lidos;
    std::string estado;
    // Fields carry over from one instrument to the next: one that lacks an
    // element takes the value read for the previous one. A description element
    // that is there but empty is how the writer keeps an empty description, so
    // opening it starts the description afresh.
    std::string nome;
    std::string descricao;
    int32_t numeroCordas = 0;
    int32_t numeroCasas = 0;
    int32_t distancia = 0;
    int32_t som = 0;
    std::vector<int32_t> afinacao;
    while (scanner.Scan()) {
        const std::string& parte = scanner.PartName();
        switch (scanner.PartType()) {
            case ptStartTag:
                if (parte == "instrumento" && estado.empty()) {
                    estado = parte;
                } else if (estado == "instrumento" &&
                           (parte == "nome" || parte == "descricao" || parte == "numeroCordas" ||
                            parte == "numeroCasas" || parte == "distancia" || parte == "som")) {
                    estado = parte;
                    if (parte == "descricao") descricao.clear();
                } else if (parte == "afinacao" && estado == "instrumento" && numeroCordas > 3) {
                    estado = parte;
                } else if (parte == "frequencia" && estado == "afinacao") {
                    estado = parte;
                }
                break;
            case ptContent: {
                const std::string& texto = scanner.PartContent();
                if (estado == "nome") nome = texto;
                else if (estado == "descricao") descricao = texto;
                else if (estado == "numeroCordas") numeroCordas = lerInteiro(texto, estado);
                else if (estado == "numeroCasas") numeroCasas = lerInteiro(texto, estado);
                else if (estado == "distancia") distancia = lerInteiro(texto, estado);
                else if (estado == "som") som = lerInteiro(texto, estado);
                else if (estado == "frequencia") afinacao.push_back(lerInteiro(texto, estado));
                break;
            }
            case ptEndTag:
                if (parte == "instrumento") {
                    estado.clear();
                    lidos.push_back(std::make_unique<InstrumentoCordas>(nome, descricao, numeroCordas, numeroCasas,
                                                                        distancia, som, afinacao, false));
                    afinacao.clear();
                } else if (parte == estado &&
                           (parte == "nome" || parte == "descricao" || parte == "numeroCordas" ||
                            parte == "numeroCasas" || parte == "distancia" || parte == "som" ||
                            parte == "afinacao")) {
                    estado = "instrumento";
                } else if (parte == "frequencia" && estado == "frequencia") {
                    estado = "afinacao";
                }
                break;
            default:
                break;
        }
    }
    return lidos;
}

std::unique_ptr<InstrumentoCordas> XMLInstrumentoParser::getInstrumento(const std::string& caminho, int32_t indice) {
    auto lidos = lerInstrumentos(caminho, "getInstrumento");
    if (indice < 0 || static_cast<size_t>(indice) >= lidos.size()) indiceInvalido(indice, "getInstrumento");
    return std::move(lidos[static_cast<size_t>(indice)]);
}

void XMLInstrumentoParser::addInstrumento(const std::string& caminho, const InstrumentoCordas* instrumento) {
    if (instrumento == nullptr) {
        throw IllegalArgumentException("Instrumento \xE9 NULL!", "NULL", kClasse, "addInstrumento");
    }
    auto lista = lerInstrumentos(caminho, "getNomesInstrumentos");
    lista.push_back(std::make_unique<InstrumentoCordas>(*instrumento));
    gravar(caminho, lista, "addInstrumento");
}

void XMLInstrumentoParser::delInstrumento(const std::string& caminho, int32_t indice) {
    auto lista = lerInstrumentos(caminho, "getNomesInstrumentos");
    if (indice < 0 || static_cast<size_t>(indice) >= lista.size()) indiceInvalido(indice, "delInstrumento");
    lista.erase(lista.begin() + indice);
    gravar(caminho, lista, "delInstrumento");
}

void XMLInstrumentoParser::editInstrumento(const std::string& caminho, int32_t indice,
                                           const InstrumentoCordas* instrumento) {
    auto lista = lerInstrumentos(caminho, "getNomesInstrumentos");
    if (indice < 0 || static_cast<size_t>(indice) >= lista.size()) indiceInvalido(indice, "editInstrumento");
    if (instrumento == nullptr) {
        throw IllegalArgumentException("Instrumento \xE9 NULL!", "NULL", kClasse, "editInstrumento");
    }
    lista[static_cast<size_t>(indice)] = std::make_unique<InstrumentoCordas>(*instrumento);
    gravar(caminho, lista, "editInstrumento");
}

void XMLInstrumentoParser::gravar(const std::string& caminho,
                                  const std::vector<std::unique_ptr<InstrumentoCordas>>& instrumentos,
                                  const char* metodo) {
    try {
        plataforma().escreverArquivo(caminho, gerarDocumento(instrumentos));
    } catch (DException& e) {
        e.addTrace(kClasse, metodo);
        throw;
    }
}

std::string XMLInstrumentoParser::gerarDocumento(const std::vector<std::unique_ptr<InstrumentoCordas>>& instrumentos) {
    std::string doc;
    linha(doc, 0, "<colecaoInstrumento>");
    for (const auto& i : instrumentos) {
        linha(doc, 1, "<instrumento>");
        elemento(doc, 2, "nome", escapar(i->getName()));
        elemento(doc, 2, "descricao", escapar(i->getDescricao()));
        elemento(doc, 2, "numeroCordas", std::to_string(i->getNumeroCordas()));
        elemento(doc, 2, "numeroCasas", std::to_string(i->getNumeroCasas()));
        elemento(doc, 2, "distancia", std::to_string(i->getDistancia()));
        elemento(doc, 2, "som", std::to_string(i->getSom()));
        linha(doc, 2, "<afinacao>");
        for (const int32_t f : i->getAfinacao()) elemento(doc, 3, "frequencia", std::to_string(f));
        linha(doc, 2, "</afinacao>");
        linha(doc, 1, "</instrumento>");
    }
    linha(doc, 0, "</colecaoInstrumento>");
    return doc;
}
