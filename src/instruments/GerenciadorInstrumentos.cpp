#include "instruments/GerenciadorInstrumentos.h"

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "instruments/XMLInstrumentoParser.h"

namespace {

constexpr const char* kClasse = "GerenciadorInstrumentos";
constexpr const char* kPortugues = "Portugu\xEAs (Brasil)";

std::unique_ptr<GerenciadorInstrumentos>& instanciaUnica() {
    static std::unique_ptr<GerenciadorInstrumentos> instancia;
    return instancia;
}

std::string caminhoDaBase(Plataforma& plataforma) {
    // The user's own instruments are written into it: an installed program
    // keeps it in the user's data folder, seeded from the delivered one.
    return plataforma.arquivoGravavel(GerenciadorIdiomas::getInstancia()->getTexto("parametros", "baseInstrumentos"),
                                      PastaUsuario::Dados);
}

}  // namespace

GerenciadorInstrumentos::GerenciadorInstrumentos(std::string caminho, Plataforma* plataforma,
                                                 XMLInstrumentoParser* parserDado)
    : caminhoBase(std::move(caminho)), plataformaFixa(plataforma), parser(parserDado) {
    if (parser == nullptr) {
        parserProprio = std::make_unique<XMLInstrumentoParser>(plataforma);
        parser = parserProprio.get();
    }
    const GerenciadorIdiomas* idiomas = GerenciadorIdiomas::getInstancia();
    // The Brazilian guitar sound is the nylon-string one; elsewhere steel strings.
    const int32_t somViolao = idiomas->getNomeIdioma() == kPortugues ? 24 : 25;
    instrumentosPadrao.push_back(std::make_shared<InstrumentoCordas>(
        idiomas->getTexto("geral", "violaoPadrao"), idiomas->getTexto("geral", "descricaoViolaoPadrao"), 6, 12, 3,
        somViolao, std::vector<int32_t>{40, 45, 50, 55, 59, 64}, true));
    instrumentosPadrao.push_back(std::make_shared<InstrumentoCordas>(
        idiomas->getTexto("geral", "cavaquinhoPadrao"), idiomas->getTexto("geral", "descricaoCavaquinhoPadrao"), 4,
        12, 4, 24, std::vector<int32_t>{50, 55, 59, 64}, false));
}

GerenciadorInstrumentos::~GerenciadorInstrumentos() = default;

GerenciadorInstrumentos* GerenciadorInstrumentos::getInstancia() {
    auto& instancia = instanciaUnica();
    if (!instancia) {
        instancia = std::make_unique<GerenciadorInstrumentos>(caminhoDaBase(Plataforma::atual()), nullptr,
                                                              XMLInstrumentoParser::getInstancia());
    }
    return instancia.get();
}

void GerenciadorInstrumentos::substituirInstancia(std::unique_ptr<GerenciadorInstrumentos> novo) {
    instanciaUnica() = std::move(novo);
}

std::unique_ptr<GerenciadorInstrumentos> GerenciadorInstrumentos::criar(Plataforma& plataforma) {
    return std::make_unique<GerenciadorInstrumentos>(caminhoDaBase(plataforma), &plataforma);
}

Plataforma& GerenciadorInstrumentos::plataforma() const {
    return plataformaFixa != nullptr ? *plataformaFixa : Plataforma::atual();
}

void GerenciadorInstrumentos::setInstrumento(int indice) {
    if (indice < 0) return;
    std::shared_ptr<InstrumentoCordas> novo;
    if (indice < kNumeroInstrumentosPadrao) {
        novo = instrumentosPadrao[static_cast<size_t>(indice)];
    } else {
        novo = parser->getInstrumento(caminhoBase, indice - kNumeroInstrumentosPadrao);
        // A user instrument tuned and sized like the standard guitar gets the
        // hand-made fingerings of the chord database, whatever its sound.
        if (novo->mesmaConfiguracao(*instrumentosPadrao[0], true)) novo->setUsaBaseAcordes();
    }
    instrumentoAtual = std::move(novo);
    nomeInstrumentoAtual = instrumentoAtual->getName();
}

std::shared_ptr<InstrumentoCordas> GerenciadorInstrumentos::getInstrumento(int indice) {
    if (indice >= 0 && indice < kNumeroInstrumentosPadrao) return instrumentosPadrao[static_cast<size_t>(indice)];
    return parser->getInstrumento(caminhoBase, indice - kNumeroInstrumentosPadrao);
}

std::vector<std::string> GerenciadorInstrumentos::getNomesInstrumentos() {
    if (!plataforma().existeArquivo(caminhoBase)) {
        throw FileNotFoundException(
            GerenciadorIdiomas::getInstancia()->getTexto("exception", "baseInstrumentosNaoEncontrada") +
                caminhoBase + "'",
            caminhoBase, kClasse, "getNomesInstrumentos");
    }
    std::vector<std::string> nomes;
    for (const auto& i : instrumentosPadrao) nomes.push_back(i->getName());
    for (auto& n : parser->getNomesInstrumentos(caminhoBase)) nomes.push_back(std::move(n));
    return nomes;
}

bool GerenciadorInstrumentos::existeInstrumento(const InstrumentoCordas* instrumento) {
    if (instrumento == nullptr) return false;
    const std::string nome = instrumento->getName();
    for (const auto& n : getNomesInstrumentos()) {
        if (n == nome) return true;
    }
    return false;
}

void GerenciadorInstrumentos::addInstrumento(const InstrumentoCordas* instrumento) {
    if (instrumento == nullptr) {
        throw IllegalArgumentException("Instrumento \xE9 NULL!", "NULL", kClasse,
                                       "addInstrumento(InstrumentoCordas*)");
    }
    if (existeInstrumento(instrumento)) {
        throw IllegalArgumentException(
            GerenciadorIdiomas::getInstancia()->getTexto("exception", "instrumentoExistente"),
            "instrumento->getName()", kClasse, "addInstrumento(InstrumentoCordas*)");
    }
    parser->addInstrumento(caminhoBase, instrumento);
}

void GerenciadorInstrumentos::delInstrumento(int indice) {
    if (indice < kNumeroInstrumentosPadrao) return;
    parser->delInstrumento(caminhoBase, indice - kNumeroInstrumentosPadrao);
}

void GerenciadorInstrumentos::editInstrumento(int indice, const InstrumentoCordas* instrumento) {
    if (indice < kNumeroInstrumentosPadrao) return;
    parser->editInstrumento(caminhoBase, indice - kNumeroInstrumentosPadrao, instrumento);
}
