#include "import/TokensCifra.h"

#include <algorithm>

#include "core/base/Texto1252.h"

namespace tokensCifra {

std::string_view parteExaminada(std::string_view linha) { return linha.substr(0, kMaxCaracteresLinha); }

std::vector<Trecho> tokens(std::string_view linha) {
    std::vector<Trecho> resultado;
    size_t i = 0;
    while (i < linha.size()) {
        i = linha.find_first_not_of(kSeparadores, i);
        if (i == std::string_view::npos) break;
        size_t fim = linha.find_first_of(kSeparadores, i);
        if (fim == std::string_view::npos) fim = linha.size();
        if (fim > kMaxCaracteresLinha) break;
        resultado.push_back({i, fim - i});
        i = fim;
    }
    return resultado;
}

bool temPalavraIgnorada(std::string_view token) {
    const std::string inicio = texto1252::minusculas(token.substr(0, kCaracteresPalavraIgnorada));
    return std::any_of(kPalavrasIgnoradas.begin(), kPalavrasIgnoradas.end(),
                       [&](std::string_view palavra) { return inicio.find(palavra) != std::string::npos; });
}

bool ehCandidato(std::string_view token) {
    if (temPalavraIgnorada(token)) return false;
    return std::any_of(token.begin(), token.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

std::vector<Trecho> textosEntreColchetes(std::string_view linha) {
    const std::string_view parte = parteExaminada(linha);
    std::vector<Trecho> resultado;
    size_t abertura = std::string_view::npos;
    for (size_t i = 0; i < parte.size(); ++i) {
        if (parte[i] == '[') {
            abertura = i;
        } else if (parte[i] == ']' && abertura != std::string_view::npos) {
            const size_t tamanho = i - abertura - 1;
            if (tamanho <= kMaxCaracteresColchete) resultado.push_back({abertura + 1, tamanho});
        }
    }
    return resultado;
}

}  // namespace tokensCifra
