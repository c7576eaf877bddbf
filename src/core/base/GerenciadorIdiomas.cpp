#include "core/base/GerenciadorIdiomas.h"

#include <charconv>

#include "core/base/Excecoes.h"
#include "core/base/Texto1252.h"

namespace {

std::unique_ptr<GerenciadorIdiomas>& instancia() {
    static std::unique_ptr<GerenciadorIdiomas> unica;
    return unica;
}

const char* const kTituloMensagens = "Internationalization";

bool lerDecimal(std::string_view texto, uint64_t& valor) {
    if (texto.empty()) return false;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return erro == std::errc() && fim == texto.data() + texto.size();
}

}  // namespace

GerenciadorIdiomas::GerenciadorIdiomas(Plataforma& plataforma) : plataforma(plataforma) {
    const std::string diretorio = plataforma.diretorioPrograma();
    for (const auto& arquivo : plataforma.listarArquivos(diretorio, "*.idm")) {
        std::string conteudo;
        try {
            conteudo = plataforma.lerArquivo(diretorio + arquivo);
        } catch (const DException&) {
            continue;
        }
        const std::string nome = lerValorIni(conteudo, "EspecificacaoIdioma", "nomeIdioma");
        const std::string codigo = lerValorIni(conteudo, "EspecificacaoIdioma", "codAplicacao");
        if (nome.empty() || codigo != kCodigoAplicacao) continue;
        nomes.push_back(nome);
        nomesBase.push_back(arquivo.substr(0, arquivo.size() - 4));
    }
    if (nomes.empty()) {
        semArquivos = true;
        plataforma.mostrarMensagem("No language files were found. Please, reinstall your software.", kTituloMensagens,
                                   BotoesMensagem::Ok);
        plataforma.pedirEncerramento();
    }
}

GerenciadorIdiomas* GerenciadorIdiomas::getInstancia() {
    auto& unica = instancia();
    if (!unica) unica = std::make_unique<GerenciadorIdiomas>(Plataforma::atual());
    return unica.get();
}

GerenciadorIdiomas* GerenciadorIdiomas::instanciaExistente() { return instancia().get(); }

std::unique_ptr<GerenciadorIdiomas> GerenciadorIdiomas::substituirInstancia(std::unique_ptr<GerenciadorIdiomas> novo) {
    std::swap(instancia(), novo);
    return novo;
}

bool GerenciadorIdiomas::iniciar(const std::string& nomeConfigurado) {
    for (size_t i = 0; i < nomes.size(); ++i) {
        if (texto1252::iguaisSemCaixa(nomes[i], nomeConfigurado)) {
            carregarIdioma(static_cast<int>(i));
            return idiomaCarregado();
        }
    }
    plataforma.mostrarMensagem("The language you have selected was not found. Please, select another one.",
                               kTituloMensagens, BotoesMensagem::Ok);
    const auto escolha = plataforma.escolherIdioma(nomes);
    if (escolha && *escolha >= 0 && *escolha < static_cast<int>(nomes.size())) {
        carregarIdioma(*escolha);
        if (idiomaCarregado()) return true;
    }
    if (!semArquivos && !plataforma.encerramentoPedido()) {
        plataforma.mostrarMensagem("The application could not be initialized because no language was selected.",
                                   kTituloMensagens, BotoesMensagem::Ok);
    }
    plataforma.pedirEncerramento();
    return false;
}

void GerenciadorIdiomas::carregarIdioma(int posicao) {
    if (posicao < 0 || posicao >= static_cast<int>(nomes.size())) return;
    if (posicao == indiceAtual && idioma) return;
    const std::string base = plataforma.diretorioPrograma() + nomesBase[posicao];
    const std::string conteudo = plataforma.lerArquivo(base + ".idm");
    idioma = std::make_unique<Idioma>(conteudo, base + ".dat");
    indiceAtual = posicao;
}

std::string GerenciadorIdiomas::getTexto(const std::string& secao, const std::string& chave) const {
    return idioma ? idioma->getTexto(secao, chave) : std::string();
}

std::string GerenciadorIdiomas::getNomeIdioma() const { return getTexto("EspecificacaoIdioma", "nomeIdioma"); }

std::unique_ptr<Imagem> GerenciadorIdiomas::getImagem(const std::string& secao, const std::string& chave) {
    const std::string valor = getTexto(secao, chave);
    if (valor.empty()) return nullptr;
    const size_t virgula = valor.find(',');
    uint64_t inicio = 0;
    uint64_t tamanho = 0;
    std::unique_ptr<Imagem> imagem;
    if (virgula != std::string::npos && lerDecimal(std::string_view(valor).substr(0, virgula), inicio) &&
        lerDecimal(std::string_view(valor).substr(virgula + 1), tamanho)) {
        if (const auto bytes = plataforma.lerTrecho(idioma->getCaminhoPacote(), inicio, tamanho)) {
            imagem = decodificarJpeg(*bytes);
        }
    }
    if (!imagem) informarCorrupcao();
    return imagem;
}

void GerenciadorIdiomas::informarCorrupcao() {
    if (!idioma || idioma->corrupcaoInformada()) return;
    idioma->marcarCorrupcaoInformada();
    plataforma.mostrarMensagem(std::string("The file of the language you have selected is corrupted. Try to reinstall "
                                           "your software.\nIf the problem persist, please contact us: ") +
                                   kEmailSuporte + ".",
                               kTituloMensagens, BotoesMensagem::Ok);
}
