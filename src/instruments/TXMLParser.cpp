#include "instruments/TXMLParser.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "core/base/Texto1252.h"

namespace {

constexpr char kInrepresentavel = '\xBF';  // what a character Windows-1252 lacks becomes
// A reference longer than this is not one: the "&" is kept as text. The bound
// also keeps a document full of lone "&" linear to scan.
constexpr size_t kMaiorReferencia = 32;

bool branco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

char maiuscula(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Unicode code point -> Windows-1252 byte, built once from the one table the
// core keeps.
const std::unordered_map<uint32_t, char>& tabelaCp1252() {
    static const std::unordered_map<uint32_t, char> tabela = [] {
        std::unordered_map<uint32_t, char> t;
        for (int b = 0; b < 256; ++b) {
            const std::string u = texto1252::paraUtf8(std::string(1, static_cast<char>(b)));
            uint32_t cp = 0;
            const auto* s = reinterpret_cast<const unsigned char*>(u.data());
            if (u.size() == 1) cp = s[0];
            else if (u.size() == 2) cp = ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu);
            else if (u.size() == 3) cp = ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu);
            else continue;
            t.emplace(cp, static_cast<char>(b));
        }
        return t;
    }();
    return tabela;
}

char paraCp1252(uint32_t cp) {
    const auto& t = tabelaCp1252();
    const auto it = t.find(cp);
    return it == t.end() ? kInrepresentavel : it->second;
}

bool pontoValido(uint32_t cp) { return cp != 0 && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF); }

// The character a reference body (between "&" and ";") stands for, as a code
// point; 0 when it is not a reference this scanner knows.
uint32_t resolverReferencia(std::string_view nome) {
    if (nome == "amp") return '&';
    if (nome == "lt") return '<';
    if (nome == "gt") return '>';
    if (nome == "quot") return '"';
    if (nome == "apos") return '\'';
    if (nome.size() < 2 || nome[0] != '#') return 0;
    const bool hexa = nome[1] == 'x';
    const std::string_view digitos = nome.substr(hexa ? 2 : 1);
    if (digitos.empty()) return 0;
    uint32_t valor = 0;
    for (const char c : digitos) {
        uint32_t d = 0;
        if (c >= '0' && c <= '9') d = static_cast<uint32_t>(c - '0');
        else if (hexa && c >= 'a' && c <= 'f') d = static_cast<uint32_t>(c - 'a' + 10);
        else if (hexa && c >= 'A' && c <= 'F') d = static_cast<uint32_t>(c - 'A' + 10);
        else return 0;
        valor = valor * (hexa ? 16 : 10) + d;
        if (valor > 0x10FFFF) return 0;  // also keeps the arithmetic from overflowing
    }
    return pontoValido(valor) ? valor : 0;
}

std::string normalizar(const std::string& texto) {
    std::string saida;
    saida.reserve(texto.size());
    bool pendente = false;
    for (const char c : texto) {
        if (branco(c)) {
            pendente = !saida.empty();
            continue;
        }
        if (pendente) saida += ' ';
        pendente = false;
        saida += c;
    }
    return saida;
}

}  // namespace

TXMLParser::TXMLParser() = default;

bool TXMLParser::LoadFromFile(const std::string& nome, int /*modoCompartilhamento*/) {
    buffer.clear();
    StartScan();
    std::FILE* arquivo = std::fopen(nome.c_str(), "rb");
    if (arquivo == nullptr) return false;
    std::string conteudo;
    char bloco[65536];
    size_t lidos = 0;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0) conteudo.append(bloco, lidos);
    const bool falhou = std::ferror(arquivo) != 0;
    std::fclose(arquivo);
    if (falhou) return false;  // a directory, or a read error half-way
    LoadFromBuffer(conteudo);
    return true;
}

void TXMLParser::LoadFromBuffer(std::string_view documento) {
    const size_t zero = documento.find('\0');
    buffer.assign(documento.substr(0, zero));
    StartScan();
}

void TXMLParser::Clear() {
    buffer.clear();
    normalizeWhitespace = true;
    StartScan();
}

void TXMLParser::StartScan() {
    posicao = 0;
    partType = ptNone;
    partName.clear();
    partContent.clear();
    partAttributes.clear();
    encoding.clear();
}

bool TXMLParser::restaTexto(std::string_view prefixo) const {
    return buffer.size() - posicao >= prefixo.size() && buffer.compare(posicao, prefixo.size(), prefixo) == 0;
}

size_t TXMLParser::procurar(std::string_view marca, size_t desde) const {
    return desde >= buffer.size() ? std::string::npos : buffer.find(marca, desde);
}

bool TXMLParser::Scan() {
    while (posicao < buffer.size()) {
        if (buffer[posicao] != '<') {
            if (lerTexto()) return true;
            continue;  // whitespace only: on to the next part
        }
        partAttributes.clear();
        if (restaTexto("<?xml") && buffer.size() > posicao + 5 && branco(buffer[posicao + 5])) {
            lerDeclaracao();
        } else if (restaTexto("<?")) {
            lerInstrucao();
        } else if (restaTexto("<!--")) {
            lerComentario();
        } else if (restaTexto("<!DOCTYPE")) {
            lerDoctype();
        } else if (restaTexto("<![CDATA[")) {
            lerCData();
        } else {
            lerTag();
        }
        return true;
    }
    return false;
}

void TXMLParser::lerDeclaracao() {
    const size_t inicio = posicao + 5;
    const size_t fim = procurar("?>", inicio);
    const size_t limite = fim == std::string::npos ? buffer.size() : fim;
    size_t p = inicio;
    encoding.clear();  // attribute values are taken as they stand while reading the declaration
    lerAtributos(p, limite);
    std::string nomeado;
    for (const auto& [nome, valor] : partAttributes) {
        if (nome == "encoding") nomeado = valor;
    }
    encoding.clear();
    for (const char c : nomeado) encoding += maiuscula(c);
    if (encoding.empty()) encoding = "UTF-8";
    partType = ptXmlProlog;
    partName = "xml";
    partContent = buffer.substr(inicio, limite - inicio);
    posicao = fim == std::string::npos ? buffer.size() : fim + 2;
}

void TXMLParser::lerInstrucao() {
    const size_t inicio = posicao + 2;
    const size_t fim = procurar("?>", inicio);
    const size_t limite = fim == std::string::npos ? buffer.size() : fim;
    size_t p = inicio;
    while (p < limite && !branco(buffer[p])) ++p;
    partType = ptPI;
    partName = buffer.substr(inicio, p - inicio);
    while (p < limite && branco(buffer[p])) ++p;
    partContent = buffer.substr(p, limite - p);
    posicao = fim == std::string::npos ? buffer.size() : fim + 2;
}

void TXMLParser::lerComentario() {
    const size_t inicio = posicao + 4;
    const size_t fim = procurar("-->", inicio);
    const size_t limite = fim == std::string::npos ? buffer.size() : fim;
    partType = ptComment;
    partContent = buffer.substr(inicio, limite - inicio);
    posicao = fim == std::string::npos ? buffer.size() : fim + 3;
}

void TXMLParser::lerDoctype() {
    // Skipped as one part: the internal subset's brackets, quoted literals and
    // comments may all hold a ">" that does not end the declaration.
    const size_t inicio = posicao + 9;
    size_t p = inicio;
    while (p < buffer.size() && branco(buffer[p])) ++p;
    const size_t inicioNome = p;
    while (p < buffer.size() && !branco(buffer[p]) && buffer[p] != '[' && buffer[p] != '>') ++p;
    partName = buffer.substr(inicioNome, p - inicioNome);
    int profundidade = 0;
    while (p < buffer.size()) {
        const char c = buffer[p];
        if (c == '"' || c == '\'') {
            const size_t fecha = buffer.find(c, p + 1);
            p = fecha == std::string::npos ? buffer.size() : fecha + 1;
        } else if (c == '<' && buffer.compare(p, 4, "<!--") == 0) {
            const size_t fecha = procurar("-->", p + 4);
            p = fecha == std::string::npos ? buffer.size() : fecha + 3;
        } else if (c == '[') {
            ++profundidade;
            ++p;
        } else if (c == ']') {
            if (profundidade > 0) --profundidade;
            ++p;
        } else if (c == '>' && profundidade == 0) {
            break;
        } else {
            ++p;
        }
    }
    partType = ptDtdc;
    partContent = buffer.substr(inicio, std::min(p, buffer.size()) - inicio);
    posicao = p < buffer.size() ? p + 1 : buffer.size();
}

void TXMLParser::lerCData() {
    const size_t inicio = posicao + 9;
    const size_t fim = procurar("]]>", inicio);
    const size_t limite = fim == std::string::npos ? buffer.size() : fim;
    partType = ptCData;
    partContent = converter(std::string_view(buffer).substr(inicio, limite - inicio));
    posicao = fim == std::string::npos ? buffer.size() : fim + 3;
}

void TXMLParser::lerTag() {
    size_t p = posicao + 1;
    bool fechamento = false;
    if (p < buffer.size() && buffer[p] == '/') {
        fechamento = true;
        ++p;
    }
    const size_t inicioNome = p;
    while (p < buffer.size() && !branco(buffer[p]) && buffer[p] != '/' && buffer[p] != '>') ++p;
    partName = buffer.substr(inicioNome, p - inicioNome);
    partContent.clear();
    lerAtributos(p, buffer.size());
    bool vazia = false;
    if (p < buffer.size()) {  // at the closing ">"
        vazia = p > inicioNome && buffer[p - 1] == '/';
        posicao = p + 1;
    } else {
        posicao = buffer.size();
    }
    if (fechamento) {
        partType = ptEndTag;
    } else if (vazia) {
        partType = ptEmptyTag;
        // An unquoted last value runs up to the ">": the "/" is not part of it.
        if (!partAttributes.empty() && !partAttributes.back().second.empty() &&
            partAttributes.back().second.back() == '/') {
            partAttributes.back().second.pop_back();
        }
    } else {
        partType = ptStartTag;
    }
}

void TXMLParser::lerAtributos(size_t& p, size_t fim) {
    partAttributes.clear();
    while (p < fim) {
        const char c = buffer[p];
        if (c == '>') return;
        if (branco(c) || c == '/') {
            ++p;
            continue;
        }
        const size_t inicioNome = p;
        while (p < fim && !branco(buffer[p]) && buffer[p] != '=' && buffer[p] != '>' && buffer[p] != '/') ++p;
        if (p == inicioNome) {  // a stray "=" or the like: step over it
            ++p;
            continue;
        }
        std::string nome = buffer.substr(inicioNome, p - inicioNome);
        size_t q = p;
        while (q < fim && branco(buffer[q])) ++q;
        std::string valor;
        if (q < fim && buffer[q] == '=') {
            ++q;
            while (q < fim && branco(buffer[q])) ++q;
            if (q < fim && (buffer[q] == '"' || buffer[q] == '\'')) {
                const char aspas = buffer[q];
                size_t fecha = buffer.find(aspas, q + 1);
                if (fecha == std::string::npos || fecha >= fim) {
                    // Unterminated literal: let it end with the tag, not swallow the document.
                    fecha = buffer.find('>', q + 1);
                    if (fecha == std::string::npos || fecha > fim) fecha = fim;
                    valor = decodificar(std::string_view(buffer).substr(q + 1, fecha - q - 1));
                    q = fecha;
                } else {
                    valor = decodificar(std::string_view(buffer).substr(q + 1, fecha - q - 1));
                    q = fecha + 1;
                }
            } else {
                const size_t inicioValor = q;
                while (q < fim && !branco(buffer[q]) && buffer[q] != '>') ++q;
                valor = decodificar(std::string_view(buffer).substr(inicioValor, q - inicioValor));
            }
            p = q;
        }
        partAttributes.emplace_back(std::move(nome), std::move(valor));
    }
}

bool TXMLParser::lerTexto() {
    size_t fim = buffer.find('<', posicao);
    if (fim == std::string::npos) fim = buffer.size();
    std::string texto = decodificar(std::string_view(buffer).substr(posicao, fim - posicao));
    posicao = fim;
    if (normalizeWhitespace) texto = normalizar(texto);
    if (texto.empty()) return false;
    partType = ptContent;
    partContent = std::move(texto);
    return true;
}

std::string TXMLParser::decodificar(std::string_view bruto) const {
    std::string saida;
    saida.reserve(bruto.size());
    size_t trecho = 0;  // start of the plain run not yet copied
    size_t i = 0;
    while (i < bruto.size()) {
        if (bruto[i] != '&') {
            ++i;
            continue;
        }
        const size_t pontoVirgula = bruto.substr(i + 1, kMaiorReferencia).find(';');
        const uint32_t cp =
            pontoVirgula == std::string_view::npos ? 0 : resolverReferencia(bruto.substr(i + 1, pontoVirgula));
        if (cp == 0) {  // not a reference: the "&" stays as text
            ++i;
            continue;
        }
        saida += converter(bruto.substr(trecho, i - trecho));
        saida += paraCp1252(cp);
        i += pontoVirgula + 2;
        trecho = i;
    }
    saida += converter(bruto.substr(trecho));
    return saida;
}

std::string TXMLParser::converter(std::string_view bruto) const {
    if (encoding != "UTF-8") return std::string(bruto);
    std::string saida;
    saida.reserve(bruto.size());
    const auto* s = reinterpret_cast<const unsigned char*>(bruto.data());
    const size_t n = bruto.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            saida += static_cast<char>(c);
            ++i;
            continue;
        }
        size_t tamanho = 0;
        uint32_t cp = 0;
        uint32_t minimo = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            tamanho = 2;
            cp = c & 0x1Fu;
            minimo = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            tamanho = 3;
            cp = c & 0x0Fu;
            minimo = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            tamanho = 4;
            cp = c & 0x07u;
            minimo = 0x10000;
        }
        bool valido = tamanho != 0 && n - i >= tamanho;
        for (size_t k = 1; valido && k < tamanho; ++k) {
            if ((s[i + k] & 0xC0u) != 0x80u) valido = false;
            else cp = (cp << 6) | (s[i + k] & 0x3Fu);
        }
        if (valido && (cp < minimo || !pontoValido(cp))) valido = false;
        if (!valido) {  // a broken sequence: one unknown character per bad byte
            saida += kInrepresentavel;
            ++i;
            continue;
        }
        saida += paraCp1252(cp);
        i += tamanho;
    }
    return saida;
}
