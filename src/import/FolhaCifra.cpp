#include "import/FolhaCifra.h"

#include "import/LinhaCifra.h"

namespace folhaCifra {

std::vector<LinhaFolha> dividir(std::string_view folha) {
    std::vector<LinhaFolha> linhas;
    size_t inicio = 0;
    while (inicio < folha.size()) {
        const size_t quebra = folha.find('\n', inicio);
        if (quebra == std::string_view::npos) {
            linhas.push_back({std::string(folha.substr(inicio)), ""});
            break;
        }
        const bool comRetorno = quebra > inicio && folha[quebra - 1] == '\r';
        const size_t fimTexto = comRetorno ? quebra - 1 : quebra;
        linhas.push_back({std::string(folha.substr(inicio, fimTexto - inicio)), comRetorno ? "\r\n" : "\n"});
        inicio = quebra + 1;
    }
    return linhas;
}

std::string juntar(const std::vector<LinhaFolha>& linhas) {
    std::string folha;
    for (const auto& linha : linhas) folha += linha.texto + linha.fim;
    return folha;
}

std::vector<std::string> acordes(std::string_view folha) {
    std::vector<std::string> resultado;
    for (const auto& linha : dividir(folha)) {
        for (auto& acorde : linhaCifra::acordes(linha.texto)) resultado.push_back(std::move(acorde));
    }
    return resultado;
}

std::string transpor(std::string_view folha, int semitons, DirecaoTransposicao direcao) {
    std::vector<LinhaFolha> linhas = dividir(folha);
    for (auto& linha : linhas) linha.texto = linhaCifra::transpor(linha.texto, semitons, direcao);
    return juntar(linhas);
}

std::string tabulacoesComoBrancos(std::string_view texto) {
    std::string resultado;
    resultado.reserve(texto.size());
    for (const char c : texto) {
        if (c == '\t') {
            resultado.append(kBrancosPorTabulacao, ' ');
        } else {
            resultado += c;
        }
    }
    return resultado;
}

}  // namespace folhaCifra
