#include "harmony/BaseAcordesViolao.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "core/base/Excecoes.h"
#include "core/base/Texto1252.h"
#include "core/base/GerenciadorIdiomas.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

constexpr int kCabecalho = 3;  // record number and name length
constexpr int kCauda = 7;      // mask, frets, fingers

std::string texto(const std::string& secao, const std::string& chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

[[noreturn]] void rejeitar(const std::string& caminho, int registro, size_t posicao, const std::string& motivo) {
    // The file ships with the program: a damaged one is not the user's doing,
    // so the message is the program's own rather than a language text.
    throw DataFormatException("Base de acordes corrompida '" + caminho + "': registro " + std::to_string(registro) +
                              " (byte " + std::to_string(posicao) + "): " + motivo);
}

}  // namespace

BaseAcordesViolao::BaseAcordesViolao() = default;

BaseAcordesViolao::BaseAcordesViolao(Plataforma& plataforma) : plataformaDada(&plataforma) {}

Plataforma& BaseAcordesViolao::plataforma() const {
    return plataformaDada != nullptr ? *plataformaDada : Plataforma::atual();
}

void BaseAcordesViolao::carregarBase(const std::string& caminho) {
    limpar();
    Plataforma& p = plataforma();
    if (!p.existeArquivo(caminho)) {
        throw FileNotFoundException(texto("exception", "baseAcordesNaoEncontrada") + " '" + caminho + "'", caminho,
                                    "BaseAcordes", "carregarBase(string)");
    }
    std::string conteudo;
    try {
        conteudo = p.lerArquivo(caminho);
    } catch (const DException&) {
        p.mostrarMensagem(texto("baseAcordes", "erroAbrirBaseAcordes"), texto("geral", "nomeAplicacao"),
                          BotoesMensagem::Ok);
        p.pedirEncerramento();
        return;
    }
    try {
        lerRegistros(conteudo, caminho);
    } catch (...) {
        // Half a database would pass for a whole one.
        limpar();
        throw;
    }
    ordenar();
}

void BaseAcordesViolao::lerRegistros(const std::string& conteudo, const std::string& caminho) {
    const auto byte = [&conteudo](size_t i) { return static_cast<unsigned char>(conteudo[i]); };
    // Names folded as the name list compares them, to find a chord's position fast.
    std::unordered_map<std::string, int> posicaoDoNome;
    size_t inicio = 0;
    for (int registro = 1; inicio < conteudo.size(); ++registro) {
        const size_t resta = conteudo.size() - inicio;
        if (resta < static_cast<size_t>(kCabecalho)) {
            rejeitar(caminho, registro, inicio, "cortado pelo fim do arquivo");
        }
        const int n = byte(inicio + 2);
        if (n == 0) rejeitar(caminho, registro, inicio, "nome vazio");
        if (n > kTamanhoMaximoNome) {
            rejeitar(caminho, registro, inicio,
                     "nome com " + std::to_string(n) + " caracteres (o m\xE1ximo \xE9 " +
                         std::to_string(kTamanhoMaximoNome) + ")");
        }
        if (resta < static_cast<size_t>(kCabecalho + n + kCauda)) {
            rejeitar(caminho, registro, inicio, "cortado pelo fim do arquivo");
        }
        const std::string nome = conteudo.substr(inicio + kCabecalho, n);
        for (char c : nome) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x20 || b == 0x7F) rejeitar(caminho, registro, inicio, "caractere de controle no nome");
        }
        const size_t casasEm = inicio + kCabecalho + n + 1;
        const size_t dedosEm = casasEm + 3;
        std::vector<int32_t> casas(kCordas), dedos(kCordas);
        for (int s = 0; s < kCordas; ++s) {
            const unsigned c = byte(casasEm + s / 2);
            const unsigned d = byte(dedosEm + s / 2);
            casas[s] = static_cast<int32_t>(s % 2 == 0 ? (c & 0x0F) : (c >> 4));
            dedos[s] = static_cast<int32_t>(s % 2 == 0 ? (d & 0x07) : ((d >> 3) & 0x07));
        }
        for (int s = 0; s < kCordas; ++s) {
            const std::string corda = "corda " + std::to_string(s) + ": ";
            const int32_t d = dedos[s];
            if (d == PosicaoHarmonicaInstrumentoCordas::kDedoAbafada) continue;  // its fret field means nothing
            if (d == 5 || d == 7) rejeitar(caminho, registro, inicio, corda + "dedo " + std::to_string(d) + " inexistente");
            if (d == 0 && casas[s] != 0) {
                rejeitar(caminho, registro, inicio, corda + "casa " + std::to_string(casas[s]) + " presa sem dedo");
            }
            if (d != 0 && casas[s] == 0) rejeitar(caminho, registro, inicio, corda + "dedo em corda solta");
            if (casas[s] > kMaiorCasa) {
                rejeitar(caminho, registro, inicio, corda + "casa " + std::to_string(casas[s]) + " fora do bra\xE7o");
            }
        }
        auto posicao = std::make_unique<PosicaoHarmonicaInstrumentoCordas>(nome, casas, dedos);

        const std::string chave = texto1252::minusculas(nome);
        auto achado = posicaoDoNome.find(chave);
        if (achado == posicaoDoNome.end()) {
            auto acorde = std::make_unique<AcordeComposto>();
            acorde->setNome(nome);
            acorde->getPosicoes().addElement(std::unique_ptr<PosicaoHarmonica>(posicao.release()));
            posicaoDoNome.emplace(chave, acordes.size());
            acordes.addElement(std::unique_ptr<Acorde>(acorde.release()));
            nomes.adicionar(nome);
        } else {
            getAcordeComposto(achado->second)->getPosicoes().addElement(std::unique_ptr<PosicaoHarmonica>(posicao.release()));
        }
        inicio += kCabecalho + n + kCauda;
    }
}
