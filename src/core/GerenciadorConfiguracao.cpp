#include "core/GerenciadorConfiguracao.h"

#include <charconv>
#include <exception>
#include <optional>
#include <utility>

#include "core/base/Plataforma.h"
#include "core/base/Texto1252.h"
#include "sound/SaidaMIDI.h"

namespace {

constexpr std::string_view kSecao = "geral";

std::unique_ptr<GerenciadorConfiguracao>& instanciaUnica() {
    static std::unique_ptr<GerenciadorConfiguracao> instancia;
    return instancia;
}

bool branco(char c) { return c == ' ' || c == '\t'; }

std::string_view aparar(std::string_view texto) {
    while (!texto.empty() && branco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && branco(texto.back())) texto.remove_suffix(1);
    return texto;
}

// The value of a key of section "geral": the first one given, as the file
// reads top to bottom; nothing when the section or the key is missing.
// Blanks around a key or a section name do not count; a value is every byte
// after the "=", so any text that salvar writes (without line breaks) reads
// back the same, blanks at its ends included.
std::optional<std::string> valorDaChave(std::string_view conteudo, std::string_view chave) {
    bool naSecao = false;
    size_t inicio = 0;
    while (inicio <= conteudo.size()) {
        size_t fim = conteudo.find_first_of("\r\n", inicio);
        if (fim == std::string_view::npos) fim = conteudo.size();
        const std::string_view linha = conteudo.substr(inicio, fim - inicio);
        inicio = fim + 1;

        const std::string_view aparada = aparar(linha);
        if (aparada.empty() || aparada.front() == ';') continue;
        if (aparada.front() == '[') {
            const size_t fecha = aparada.find(']');
            const std::string_view nome = aparada.substr(1, fecha == std::string_view::npos ? fecha : fecha - 1);
            naSecao = texto1252::iguaisSemCaixa(aparar(nome), kSecao);
            continue;
        }
        if (!naSecao) continue;
        const size_t igual = linha.find('=');
        if (igual == std::string_view::npos) continue;
        if (texto1252::iguaisSemCaixa(aparar(linha.substr(0, igual)), chave)) return std::string(linha.substr(igual + 1));
    }
    return std::nullopt;
}

// Signals a value that is not a decimal integer of 32 bits.
struct ValorInvalido {};

int32_t inteiro(std::string_view conteudo, std::string_view chave, std::string_view padrao) {
    const std::string texto = valorDaChave(conteudo, chave).value_or(std::string(padrao));
    // Numbers may stand between blanks, as a hand-edited file has them.
    std::string_view digitos = aparar(texto);
    if (!digitos.empty() && digitos.front() == '+') {
        digitos.remove_prefix(1);
        if (digitos.empty() || digitos.front() < '0' || digitos.front() > '9') throw ValorInvalido{};
    }
    int32_t valor = 0;
    const auto [fim, erro] = std::from_chars(digitos.data(), digitos.data() + digitos.size(), valor);
    if (erro != std::errc() || fim != digitos.data() + digitos.size()) throw ValorInvalido{};
    return valor;
}

// The 8-bit fields keep the low byte of what the file says: 258 reads as 2.
int8_t oitoBits(int32_t valor) {
    return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint32_t>(valor) & 0xFFu));
}

std::string texto(std::string_view conteudo, std::string_view chave, std::string_view padrao) {
    return valorDaChave(conteudo, chave).value_or(std::string(padrao));
}

}  // namespace

GerenciadorConfiguracao::GerenciadorConfiguracao(std::string caminhoArquivo, Plataforma& plataformaDada)
    : caminho(std::move(caminhoArquivo)), plataforma(plataformaDada) {
    ler();
}

GerenciadorConfiguracao* GerenciadorConfiguracao::getInstancia() {
    auto& instancia = instanciaUnica();
    if (!instancia) {
        Plataforma& plataforma = Plataforma::atual();
        instancia = std::make_unique<GerenciadorConfiguracao>(caminhoArquivo(plataforma), plataforma);
    }
    return instancia.get();
}

void GerenciadorConfiguracao::substituirInstancia(std::unique_ptr<GerenciadorConfiguracao> novo) {
    instanciaUnica() = std::move(novo);
}

std::string GerenciadorConfiguracao::caminhoArquivo(const Plataforma& plataforma) {
    std::string nome = plataforma.nomeArquivoPrograma();
    // A program file without an extension (as on Linux) gets one, rather than
    // losing the last letters of its name.
    const size_t ponto = nome.find_last_of('.');
    if (ponto == std::string::npos || ponto == 0) {
        nome += ".ini";
    } else {
        nome.replace(ponto + 1, std::string::npos, "ini");
    }
    return plataforma.arquivoGravavel(nome, PastaUsuario::Configuracao);
}

Configuracao GerenciadorConfiguracao::interpretar(std::string_view conteudo) {
    Configuracao valores;
    try {
        valores.driver = inteiro(conteudo, "driver", "0");
        valores.idioma = texto(conteudo, "idioma", Configuracao::kIdiomaPadrao);
        valores.posicaoBraco = oitoBits(inteiro(conteudo, "posicaoBraco", "0"));
        valores.politicaNovoInstrumento = oitoBits(inteiro(conteudo, "politicaNovoInstrumento", "0"));
        valores.politicaNovoPadrao = oitoBits(inteiro(conteudo, "politicaNovoPadrao", "0"));
        valores.volume = inteiro(conteudo, "volume", "50");
        valores.instrumento = texto(conteudo, "instrumento", Configuracao::kInstrumentoPadrao);
        valores.visualExecucao = inteiro(conteudo, "visualExecucao", "0");
        valores.visualAcordes = inteiro(conteudo, "visualAcordes", "0");
        valores.exibicaoEscalas = inteiro(conteudo, "exibicaoEscalas", "0");
    } catch (const ValorInvalido&) {
        // One bad value discards the whole file, the values read before it too.
        return Configuracao{};
    }
    return valores;
}

std::string GerenciadorConfiguracao::formatar(const Configuracao& v) {
    const auto linha = [](std::string_view chave, const std::string& valor) {
        return std::string(chave) + "=" + valor + "\r\n";
    };
    std::string saida = "[geral]\r\n";
    saida += linha("driver", std::to_string(v.driver));
    saida += linha("idioma", v.idioma);
    saida += linha("posicaoBraco", std::to_string(v.posicaoBraco));
    saida += linha("politicaNovoInstrumento", std::to_string(v.politicaNovoInstrumento));
    saida += linha("politicaNovoPadrao", std::to_string(v.politicaNovoPadrao));
    saida += linha("volume", std::to_string(v.volume));
    saida += linha("instrumento", v.instrumento);
    saida += linha("visualExecucao", std::to_string(v.visualExecucao));
    saida += linha("visualAcordes", std::to_string(v.visualAcordes));
    saida += linha("exibicaoEscalas", std::to_string(v.exibicaoEscalas));
    return saida;
}

void GerenciadorConfiguracao::ler() {
    Configuracao& valores = *this;
    valores = Configuracao{};
    try {
        if (!plataforma.existeArquivo(caminho)) return;
        valores = interpretar(plataforma.lerArquivo(caminho));
    } catch (const std::exception&) {
        // An unreadable file counts as no file: the program starts on defaults.
        valores = Configuracao{};
    }
}

void GerenciadorConfiguracao::setDriver(int32_t indice) {
    // A device that does not open is stored all the same; an error of the
    // output leaves the old index.
    SaidaMIDI::getInstancia()->setDispositivo(indice);
    driver = indice;
}

bool GerenciadorConfiguracao::salvar() {
    try {
        plataforma.escreverArquivo(caminho, formatar(*this));
        return true;
    } catch (const std::exception&) {
        // The program is closing; the old file stays as it was.
        return false;
    }
}
