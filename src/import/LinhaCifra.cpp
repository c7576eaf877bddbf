#include "import/LinhaCifra.h"

#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"

namespace linhaCifra {

bool ehCifra(const std::string& texto) {
    try {
        Especialista::getInstancia()->interpretarCifra(texto);
        return true;
    } catch (const DException&) {
        return false;
    }
}

TipoLinha classificar(std::string_view linha) {
    for (const auto& trecho : tokensCifra::tokens(linha)) {
        const std::string_view token = tokensCifra::texto(linha, trecho);
        if (tokensCifra::ehCandidato(token) && !ehCifra(std::string(token))) return TipoLinha::Letra;
    }
    return TipoLinha::Acordes;
}

std::vector<tokensCifra::Trecho> trechosAcordes(std::string_view linha) {
    return classificar(linha) == TipoLinha::Acordes ? tokensCifra::tokens(linha)
                                                      : tokensCifra::textosEntreColchetes(linha);
}

std::vector<std::string> acordes(std::string_view linha) {
    std::vector<std::string> resultado;
    for (const auto& trecho : trechosAcordes(linha)) resultado.emplace_back(tokensCifra::texto(linha, trecho));
    return resultado;
}

std::vector<Substituicao> substituicoesTransposicao(std::string_view linha, int semitons,
                                                    DirecaoTransposicao direcao) {
    const Especialista& especialista = *Especialista::getInstancia();
    std::vector<Substituicao> resultado;
    for (const auto& trecho : trechosAcordes(linha)) {
        const std::string original(tokensCifra::texto(linha, trecho));
        try {
            std::string transposta = especialista.transporCifra(original, semitons, direcao);
            if (transposta != original) resultado.push_back({trecho.inicio, trecho.tamanho, std::move(transposta)});
        } catch (const DException&) {
            // Not a chord symbol (a song part, a bar line, a word): it stays as written.
        }
    }
    return resultado;
}

std::string aplicar(std::string_view linha, const std::vector<Substituicao>& substituicoes) {
    std::string resultado;
    resultado.reserve(linha.size() + 4 * substituicoes.size());
    size_t copiado = 0;
    for (const auto& s : substituicoes) {
        if (s.inicio < copiado || s.inicio + s.tamanho > linha.size()) continue;  // overlapping or outside
        resultado.append(linha.substr(copiado, s.inicio - copiado));
        resultado.append(s.texto);
        copiado = s.inicio + s.tamanho;
    }
    resultado.append(linha.substr(copiado));
    return resultado;
}

std::string transpor(std::string_view linha, int semitons, DirecaoTransposicao direcao) {
    return aplicar(linha, substituicoesTransposicao(linha, semitons, direcao));
}

}  // namespace linhaCifra
