#include "core/base/Idioma.h"

#include <utility>

#include "core/base/Texto1252.h"

namespace {

bool ehBranco(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view aparar(std::string_view s) {
    while (!s.empty() && ehBranco(s.front())) s.remove_prefix(1);
    while (!s.empty() && ehBranco(s.back())) s.remove_suffix(1);
    return s;
}

// Calls f(line) for every line; "\r\n", "\n" and "\r" all end a line.
template <typename F>
void paraCadaLinha(std::string_view conteudo, F&& f) {
    size_t inicio = 0;
    while (inicio < conteudo.size()) {
        size_t fim = conteudo.find_first_of("\r\n", inicio);
        if (fim == std::string_view::npos) fim = conteudo.size();
        f(conteudo.substr(inicio, fim - inicio));
        if (fim < conteudo.size() && conteudo[fim] == '\r' && fim + 1 < conteudo.size() && conteudo[fim + 1] == '\n') {
            ++fim;
        }
        inicio = fim + 1;
    }
}

}  // namespace

Idioma::Idioma(std::string_view conteudo, std::string caminhoPacote) : caminhoPacote(std::move(caminhoPacote)) {
    bool dentroDeSecao = false;
    paraCadaLinha(conteudo, [&](std::string_view linha) {
        const std::string_view aparada = aparar(linha);
        if (aparada.empty()) return;
        if (aparada.front() == '[') {
            // The last character is dropped whatever it is: a missing "]" costs a letter.
            secoes.push_back({std::string(aparada.substr(1, aparada.size() >= 2 ? aparada.size() - 2 : 0)), {}});
            dentroDeSecao = true;
            return;
        }
        if (!dentroDeSecao) return;
        // The key is taken from the line as read: leading blanks belong to it.
        const size_t igual = linha.find('=');
        Entrada entrada;
        if (igual != std::string_view::npos) {
            entrada.chave = std::string(linha.substr(0, igual));
            // Blanks at the end stay: texts that a path, a name or a number
            // follows end with their separating blank.
            for (char c : linha.substr(igual + 1)) {
                if (c == '#') {
                    entrada.valor += "\r\n";
                } else {
                    entrada.valor += c;
                }
            }
        }
        secoes.back().entradas.push_back(std::move(entrada));
    });
}

std::string Idioma::getTexto(const std::string& secao, const std::string& chave) const {
    for (const auto& s : secoes) {
        if (s.nome != secao) continue;
        for (const auto& e : s.entradas) {
            if (!e.chave.empty() && e.chave == chave) return e.valor;
        }
        return {};
    }
    return {};
}

std::string lerValorIni(std::string_view conteudo, std::string_view secao, std::string_view chave) {
    bool naSecao = false;
    std::string resultado;
    bool achou = false;
    paraCadaLinha(conteudo, [&](std::string_view linha) {
        if (achou) return;
        const std::string_view aparada = aparar(linha);
        if (aparada.empty() || aparada.front() == ';') return;
        if (aparada.front() == '[') {
            const size_t fim = aparada.find(']');
            const std::string_view nome =
                aparar(aparada.substr(1, fim == std::string_view::npos ? std::string_view::npos : fim - 1));
            naSecao = texto1252::iguaisSemCaixa(nome, secao);
            return;
        }
        if (!naSecao) return;
        const size_t igual = aparada.find('=');
        if (igual == std::string_view::npos) return;
        if (texto1252::iguaisSemCaixa(aparar(aparada.substr(0, igual)), chave)) {
            resultado = std::string(aparar(aparada.substr(igual + 1)));
            achou = true;
        }
    });
    return resultado;
}
