#include "ui/modelo/ModeloBraco.h"

#include <algorithm>

#include "core/Fachada.h"
#include "core/FachadaGUI.h"
#include "core/base/Excecoes.h"
#include "core/base/Plataforma.h"
#include "harmony/Acorde.h"
#include "harmony/Rotulos.h"
#include "instruments/Fingering.h"
#include "instruments/InstrumentoCordas.h"
#include "sound/Reproducao.h"
#include "sound/SaidaMIDI.h"

namespace gb = geometriaBraco;
using Posicao = PosicaoHarmonicaInstrumentoCordas;

namespace {

constexpr TipoItemBraco kOrdem[] = {
    TipoItemBraco::Braco,         TipoItemBraco::Bolinha,          TipoItemBraco::RotuloDedo,
    TipoItemBraco::RotuloNota,    TipoItemBraco::RotuloIntervalo,  TipoItemBraco::BolinhaEscala,
    TipoItemBraco::RotuloDedoEscala, TipoItemBraco::RotuloNotaEscala, TipoItemBraco::MarcadorMaoDireita,
    TipoItemBraco::RotuloMaoDireita, TipoItemBraco::AvisoTonica,
};

constexpr int quantos(TipoItemBraco tipo) {
    switch (tipo) {
        case TipoItemBraco::Braco:
        case TipoItemBraco::AvisoTonica: return 1;
        case TipoItemBraco::BolinhaEscala:
        case TipoItemBraco::RotuloDedoEscala:
        case TipoItemBraco::RotuloNotaEscala: return ModeloBraco::kNotasEscala;
        default: return ModeloBraco::kItensPorCorda;
    }
}

constexpr int inicio(TipoItemBraco tipo) {
    int n = 0;
    for (const TipoItemBraco t : kOrdem) {
        if (t == tipo) return n;
        n += quantos(t);
    }
    return n;
}

// The neck with nothing on it: six strings, every one muted.
std::unique_ptr<Posicao> bracoVazio() {
    return std::make_unique<Posicao>(std::vector<int32_t>(ModeloBraco::kItensPorCorda, Posicao::kCordaAbafada),
                                     std::vector<int32_t>(ModeloBraco::kItensPorCorda, Posicao::kDedoAbafada));
}

}  // namespace

ModeloBraco::ModeloBraco(ObservadorBraco* observador, bool conjuntoBrasileiro, int orientacao)
    : observador(observador), conjuntoBrasileiro(conjuntoBrasileiro), orientacao(orientacao), posicao(bracoVazio()) {
    for (const TipoItemBraco tipo : kOrdem) {
        for (int i = 0; i < quantos(tipo); ++i) {
            ItemBraco novo;
            novo.tipo = tipo;
            novo.indice = i;
            novo.retangulo = centradoEm(0, 0, gb::kLarguraItem, gb::kAlturaItem);
            todos.push_back(novo);
        }
    }
    it(TipoItemBraco::Braco).retangulo = {0, 0, gb::kLargura, gb::kAltura};
    it(TipoItemBraco::Braco).visivel = true;
    for (int s = 0; s < kItensPorCorda; ++s) {
        it(TipoItemBraco::MarcadorMaoDireita, s).imagem = gb::kImagemBolinhaAzul;
        it(TipoItemBraco::Bolinha, s).imagem = gb::kImagemBolinhaAzul;
        it(TipoItemBraco::RotuloMaoDireita, s).texto = "1";
    }
    for (int i = 0; i < kNotasEscala; ++i) it(TipoItemBraco::BolinhaEscala, i).imagem = gb::kImagemBolinhaAzul;
    ItemBraco& aviso = it(TipoItemBraco::AvisoTonica);
    aviso.retangulo = {gb::kAvisoEsquerda, gb::kAvisoTopo, gb::kAvisoLargura, gb::kAvisoAltura};
    aviso.texto = Fachada::getInstancia()->getTexto("fmPrincipal", "lblNewTonicNotification");
    aviso.cor = CorTexto::Amarelo;
    aviso.tamanhoFonte = 11;
    aviso.negrito = false;
    setOrientacao(orientacao);
}

ModeloBraco::~ModeloBraco() = default;

ItemBraco& ModeloBraco::it(TipoItemBraco tipo, int indice) {
    if (indice < 0 || indice >= quantos(tipo)) {
        throw OutOfBoundsException("Indice inv\xE1lido", indice, "ModeloBraco", "item");
    }
    return todos[static_cast<size_t>(inicio(tipo) + indice)];
}

const ItemBraco& ModeloBraco::item(TipoItemBraco tipo, int indice) const {
    return const_cast<ModeloBraco*>(this)->it(tipo, indice);
}

// The instrument ------------------------------------------------------------

const InstrumentoCordas* ModeloBraco::instrumento() const { return Fachada::getInstancia()->getInstrumentoAtual(); }

int ModeloBraco::numeroCordas() const {
    const InstrumentoCordas* i = instrumento();
    return i != nullptr ? i->getNumeroCordas() : kItensPorCorda;
}

int ModeloBraco::numeroCasas() const {
    const InstrumentoCordas* i = instrumento();
    return i != nullptr ? i->getNumeroCasas() : gb::kMaxCasas - 1;
}

std::vector<int32_t> ModeloBraco::afinacao() const {
    const InstrumentoCordas* i = instrumento();
    return i != nullptr ? i->getAfinacao() : std::vector<int32_t>();
}

const gb::TabelaBraco* ModeloBraco::tabelaAtual() const { return gb::tabelaPara(numeroCordas(), conjuntoBrasileiro); }

bool ModeloBraco::soa(const Posicao& p, int corda) const {
    const auto casas = p.getCasas();
    const auto dedos = p.getDedos();
    if (corda < 0 || corda >= static_cast<int>(casas.size()) || corda >= static_cast<int>(dedos.size())) return false;
    const int casa = casas[static_cast<size_t>(corda)];
    return dedos[static_cast<size_t>(corda)] != Posicao::kDedoAbafada && casa != Posicao::kCordaAbafada &&
           casa != numeroCasas() + 1;
}

bool ModeloBraco::desenhavel(const EscalaExibicao& e, int nota) const {
    const int casa = e.getCasas()[static_cast<size_t>(nota)];
    const int corda = e.getCordas()[static_cast<size_t>(nota)];
    const int dedo = e.getDedos()[static_cast<size_t>(nota)];
    // A note beyond the frets the neck picture shows has no place to stand.
    return dedo != Posicao::kDedoAbafada && casa != numeroCasas() + 1 && casa >= 0 &&
           casa < static_cast<int>(xCasas.size()) && corda >= 0 && corda < numeroCordas() &&
           corda < static_cast<int>(yCordas.size());
}

// Placing ---------------------------------------------------------------------

void ModeloBraco::mostrar(TipoItemBraco tipo, int indice, int x, int y) {
    ItemBraco& i = it(tipo, indice);
    i.retangulo = centradoEm(x, y, gb::kLarguraItem, gb::kAlturaItem);
    i.visivel = true;
}

void ModeloBraco::repintar() {
    if (observador != nullptr) observador->repintar();
}

void ModeloBraco::setOrientacao(int nova) {
    const gb::TabelaBraco* tabela = tabelaAtual();
    // An instrument the neck pictures do not cover keeps the six-string places.
    const gb::TabelaBraco& t = tabela != nullptr ? *tabela : gb::tabela(gb::Modelo::Cordas6);

    xCasas.clear();
    for (int f = 0; f <= t.ultimaCasa; ++f) xCasas.push_back(gb::xCasa(t, nova, f));
    const int xMao = gb::xMaoDireita(nova);
    for (int s = 0; s < kItensPorCorda; ++s) {
        for (const TipoItemBraco tipo : {TipoItemBraco::MarcadorMaoDireita, TipoItemBraco::RotuloMaoDireita}) {
            ItemBraco& i = it(tipo, s);
            i.retangulo = centradoEm(xMao, i.retangulo.topo + gb::kAlturaItem / 2, gb::kLarguraItem, gb::kAlturaItem);
        }
    }

    yCordas.clear();
    for (int s = 0; s < t.cordas; ++s) yCordas.push_back(gb::yCorda(t, nova, s));
    for (int s = 0; s < kItensPorCorda && s < static_cast<int>(yCordas.size()); ++s) {
        for (const TipoItemBraco tipo :
             {TipoItemBraco::Bolinha, TipoItemBraco::RotuloDedo, TipoItemBraco::RotuloNota,
              TipoItemBraco::RotuloIntervalo, TipoItemBraco::MarcadorMaoDireita, TipoItemBraco::RotuloMaoDireita}) {
            ItemBraco& i = it(tipo, s);
            const int x = i.retangulo.esquerda + gb::kLarguraItem / 2;
            i.retangulo = centradoEm(x, yCordas[static_cast<size_t>(s)], gb::kLarguraItem, gb::kAlturaItem);
        }
    }
    if (escala) posicionarEscala();

    orientacao = nova;
    if (tabela != nullptr && nova >= 0 && nova < 4) it(TipoItemBraco::Braco).imagem = tabela->imagens[nova];

    Fachada& fachada = *Fachada::getInstancia();
    // The chord on the neck is found again on the (possibly new) instrument.
    if (posicao && !posicao->getNome().empty() && fachada.setAcorde(posicao->getNome().c_str())) {
        if (const auto* atual = dynamic_cast<const Posicao*>(fachada.getPosicaoAcordeAtual())) {
            posicao = std::make_unique<Posicao>(*atual);
        }
    }
    desenharPosicao();
}

// Moves the shown scale's dots and labels to their frets and strings, keeping
// what is shown and what is hidden.
void ModeloBraco::posicionarEscala() {
    const EscalaExibicao& e = *escala;
    for (int i = 0; i < e.numeroNotas() && i < kNotasEscala; ++i) {
        if (!desenhavel(e, i)) continue;
        const int x = xCasas[static_cast<size_t>(e.getCasas()[static_cast<size_t>(i)])];
        const int y = yCordas[static_cast<size_t>(e.getCordas()[static_cast<size_t>(i)])];
        for (const TipoItemBraco tipo :
             {TipoItemBraco::BolinhaEscala, TipoItemBraco::RotuloDedoEscala, TipoItemBraco::RotuloNotaEscala}) {
            it(tipo, i).retangulo = centradoEm(x, y, gb::kLarguraItem, gb::kAlturaItem);
        }
    }
}

// Chord mode ----------------------------------------------------------------

void ModeloBraco::mostrarPosicao(const PosicaoHarmonica* dada, int raiz, bool bemol) {
    const auto* p = dynamic_cast<const Posicao*>(dada);
    if (p == nullptr) {
        Plataforma::atual().mostrarMensagem(kMensagemSemPosicao, kTituloSemPosicao, BotoesMensagem::Ok);
        return;
    }
    const std::vector<int32_t> tom = afinacao();
    const int casasInstrumento = numeroCasas();
    if (p != posicao.get()) {
        posicao = std::make_unique<Posicao>(*p);
        const auto casas = posicao->getCasas();
        const auto dedos = posicao->getDedos();
        // A negative root is no root at all (not the class of B).
        const int classe = raiz < 0 ? -1 : raiz % 12;
        for (size_t s = 0; classe >= 0 && s < casas.size() && s < dedos.size() && s < tom.size(); ++s) {
            if (dedos[s] < 0 || dedos[s] > 4 || casas[s] < 0 || casas[s] > casasInstrumento) continue;
            if ((tom[s] + casas[s]) % 12 == classe) {
                posicao->setNotaMarcada(static_cast<int32_t>(s), casas[s]);
                break;
            }
        }
    }
    limpar();

    const auto casas = posicao->getCasas();
    const auto dedos = posicao->getDedos();
    bool faltaDedo = false;
    for (size_t s = 0; s < casas.size(); ++s) {
        if (casas[s] >= 1 && casas[s] <= casasInstrumento && (dedos[s] < 1 || dedos[s] > 4)) faltaDedo = true;
    }
    if (faltaDedo) {
        const Fingering dedilhado(casas, casasInstrumento);
        const auto& atribuicoes = dedilhado.getAtribuicoes();
        posicao->setDedos(atribuicoes.empty() ? std::vector<int32_t>(casas.size(), -1) : atribuicoes.front());
    }

    const auto novosDedos = posicao->getDedos();
    for (size_t s = 0; s < casas.size() && s < static_cast<size_t>(kItensPorCorda) && s < tom.size(); ++s) {
        const int altura = tom[s] + casas[s];
        const int dedo = novosDedos[s];
        it(TipoItemBraco::RotuloDedo, static_cast<int>(s)).texto = dedo >= 0 && dedo <= 4 ? std::to_string(dedo) : "";
        it(TipoItemBraco::RotuloNota, static_cast<int>(s)).texto = bemol ? nomeNotaBemol(altura) : nomeNotaSustenido(altura);
        int r = raiz;
        while (r > altura) r -= 12;
        it(TipoItemBraco::RotuloIntervalo, static_cast<int>(s)).texto = nomeIntervalo(altura - r);
    }
    desenharPosicao();
}

void ModeloBraco::mostrarPosicaoAtual() {
    Fachada& fachada = *Fachada::getInstancia();
    mostrarPosicao(fachada.getPosicaoAcordeAtual(), fachada.getClasseRaizAcordeAtual(), fachada.usaBemolAcordeAtual());
    tonicaEscolhida = false;
}

void ModeloBraco::limpar() {
    for (ItemBraco& i : todos) {
        switch (i.tipo) {
            case TipoItemBraco::Braco:
            case TipoItemBraco::AvisoTonica:
            case TipoItemBraco::MarcadorMaoDireita: break;
            default: i.visivel = false;
        }
    }
    tonicaEscolhida = false;
}

void ModeloBraco::desenharPosicao() {
    if (!posicao) return;
    const auto casas = posicao->getCasas();
    const TipoItemBraco rotulos[] = {TipoItemBraco::RotuloDedo, TipoItemBraco::RotuloNota,
                                     TipoItemBraco::RotuloIntervalo};
    for (int s = 0; s < kItensPorCorda && s < static_cast<int>(casas.size()); ++s) {
        const int casa = casas[static_cast<size_t>(s)];
        if (!soa(*posicao, s) || s >= static_cast<int>(yCordas.size()) || s >= numeroCordas() || casa < 0 ||
            casa >= static_cast<int>(xCasas.size())) {
            continue;
        }
        const int x = xCasas[static_cast<size_t>(casa)];
        const int y = yCordas[static_cast<size_t>(s)];
        const bool marcada = posicao->getCordaMarcada() == s && posicao->getCasaMarcada() == casa;
        it(TipoItemBraco::Bolinha, s).imagem = marcada ? gb::kImagemBolinhaVermelha : gb::kImagemBolinhaAzul;
        mostrar(TipoItemBraco::Bolinha, s, x, y);
        for (int m = 0; m < 3; ++m) {
            if (m == modoVisualizacao) {
                mostrar(rotulos[m], s, x, y);
            } else {
                it(rotulos[m], s).visivel = false;
            }
        }
    }
}

void ModeloBraco::limparBraco() { posicao = bracoVazio(); }

bool ModeloBraco::temNotaSoando() const {
    if (!posicao) return false;
    const auto casas = posicao->getCasas();
    const auto dedos = posicao->getDedos();
    for (size_t s = 0; s < casas.size() && s < dedos.size(); ++s) {
        if (casas[s] != Posicao::kCordaAbafada && dedos[s] != Posicao::kDedoAbafada) return true;
    }
    return false;
}

bool ModeloBraco::temDedos() const {
    if (!posicao) return false;
    for (const int32_t dedo : posicao->getDedos()) {
        if (dedo >= 0 && dedo <= 4) return true;
    }
    return false;
}

// Hits and editing ----------------------------------------------------------

int ModeloBraco::cordaEm(int y) const {
    for (size_t s = 0; s < yCordas.size(); ++s) {
        if (yCordas[s] - kDistanciaCorda < y && y < yCordas[s] + kDistanciaCorda) return static_cast<int>(s);
    }
    return -1;
}

int ModeloBraco::casaEm(int x) const {
    const int ultima = std::min(numeroCasas(), static_cast<int>(xCasas.size()) - 1);
    for (int f = 0; f <= ultima; ++f) {
        const int centro = xCasas[static_cast<size_t>(f)];
        if (centro - kDistanciaCasa < x && x < centro + kDistanciaCasa) return f;
    }
    return -1;
}

bool ModeloBraco::temBolinha(int x, int y) const {
    const int s = cordaEm(y);
    const int f = casaEm(x);
    return posicao && s >= 0 && f >= 0 && s < posicao->getNumeroCordas() && posicao->temNota(f, s);
}

void ModeloBraco::iniciarVigia() {
    vigiando = true;
    cordaVigiada = posicao->getCordaMarcada();
    casaVigiada = posicao->getCasaMarcada();
}

void ModeloBraco::verificarVigia() {
    if (!vigiando || !posicao) return;
    int soando = 0;
    for (int s = 0; s < posicao->getNumeroCordas(); ++s) soando += soa(*posicao, s) ? 1 : 0;
    if (soando == 1) return;
    vigiando = false;
    // Deleting the last dot leaves no root at all: nothing new to announce.
    const bool haTonica = posicao->getCordaMarcada() >= 0;
    if (haTonica && (posicao->getCordaMarcada() != cordaVigiada || posicao->getCasaMarcada() != casaVigiada)) {
        ItemBraco& aviso = it(TipoItemBraco::AvisoTonica);
        aviso.texto = Fachada::getInstancia()->getTexto("fmPrincipal", "lblNewTonicNotification");
        aviso.visivel = true;
        if (observador != nullptr) observador->iniciarTemporizador(kTempoAviso);
    }
}

void ModeloBraco::temporizadorDisparou() { it(TipoItemBraco::AvisoTonica).visivel = false; }

bool ModeloBraco::avisoVisivel() const { return item(TipoItemBraco::AvisoTonica).visivel; }

void ModeloBraco::nomearEDesenhar() {
    const std::vector<int32_t> tom = afinacao();
    const std::vector<int32_t> notas = posicao->getNotas(tom);
    const int corda = posicao->getCordaMarcada();
    const int raiz =
        corda >= 0 && corda < static_cast<int>(tom.size()) ? tom[static_cast<size_t>(corda)] + posicao->getCasaMarcada() : -1;
    const std::string nome = Fachada::getInstancia()->nomearAcorde(std::vector<int>(notas.begin(), notas.end()), raiz);
    *posicao = Acorde(nome);
    mostrarPosicao(posicao.get(), raiz, false);
}

bool ModeloBraco::clicar(int x, int y) {
    const int s = cordaEm(y);
    const int f = casaEm(x);
    const bool acertou = s >= 0 && f >= 0;
    // A fingering made for fewer strings than the neck has cannot take the note.
    if (acertou && posicao && s < posicao->getNumeroCordas() && !posicao->temNota(f, s)) {
        posicao->setNota(f, s);
        if (!tonicaEscolhida) {
            iniciarVigia();
            const auto casas = posicao->getCasas();
            const auto dedos = posicao->getDedos();
            for (size_t c = 0; c < casas.size(); ++c) {
                if (dedos[c] != Posicao::kDedoAbafada && casas[c] >= 0 && casas[c] <= numeroCasas()) {
                    posicao->setNotaMarcada(static_cast<int32_t>(c), casas[c]);
                    break;
                }
            }
        } else if (s == posicao->getCordaMarcada()) {
            iniciarVigia();
            posicao->setNotaMarcada(s, f);
        }
        nomearEDesenhar();
    }
    verificarVigia();
    return acertou;
}

bool ModeloBraco::escolherTonica(int x, int y) {
    bool mudou = false;
    if (temBolinha(x, y)) {
        iniciarVigia();
        posicao->setNotaMarcada(cordaEm(y), casaEm(x));
        nomearEDesenhar();
        tonicaEscolhida = true;
        mudou = true;
    }
    verificarVigia();
    return mudou;
}

bool ModeloBraco::deletarBolinha(int x, int y) {
    bool mudou = false;
    if (temBolinha(x, y)) {
        const int s = cordaEm(y);
        posicao->abafarCorda(s);
        if (s == posicao->getCordaMarcada()) {
            iniciarVigia();
            posicao->setNotaMarcada(-1, -1);
            const auto casas = posicao->getCasas();
            for (size_t c = 0; c < casas.size(); ++c) {
                if (casas[c] >= 0 && casas[c] <= numeroCasas()) {
                    posicao->setNotaMarcada(static_cast<int32_t>(c), casas[c]);
                    break;
                }
            }
        }
        nomearEDesenhar();
        mudou = true;
    }
    verificarVigia();
    return mudou;
}

// Scale mode ----------------------------------------------------------------

void ModeloBraco::mostrarEscala() {
    Fachada& fachada = *Fachada::getInstancia();
    if (!fachada.getEscala()) return;
    escala = fachada.getEscalaExibicaoAtual();
    limpar();
    prepararTroca();

    const std::vector<int32_t> tom = afinacao();
    const EscalaExibicao& e = *escala;
    for (int i = 0; i < e.numeroNotas() && i < kNotasEscala; ++i) {
        const int casa = e.getCasas()[static_cast<size_t>(i)];
        const int corda = e.getCordas()[static_cast<size_t>(i)];
        const int dedo = e.getDedos()[static_cast<size_t>(i)];
        ItemBraco& rotuloDedo = it(TipoItemBraco::RotuloDedoEscala, i);
        ItemBraco& rotuloNota = it(TipoItemBraco::RotuloNotaEscala, i);
        rotuloDedo.texto = std::to_string(dedo);
        rotuloNota.texto = corda >= 0 && corda < static_cast<int>(tom.size())
                               ? nomeNotaSustenido(tom[static_cast<size_t>(corda)] + casa)
                               : "";
        rotuloDedo.cor = rotuloNota.cor = CorTexto::Preto;
    }
    posicionarEscala();
    for (int i = 0; i < e.numeroNotas() && i < kNotasEscala; ++i) {
        if (desenhavel(e, i)) it(TipoItemBraco::BolinhaEscala, i).visivel = true;
    }
    escala = fachada.getEscalaExibicaoAtual();
    desenharRotulosEscala();
}

void ModeloBraco::desenharRotulosEscala() {
    limpar();
    if (!escala) return;
    const EscalaExibicao& e = *escala;
    for (int i = 0; i < e.numeroNotas() && i < kNotasEscala; ++i) {
        if (!desenhavel(e, i)) continue;
        it(TipoItemBraco::BolinhaEscala, i).visivel = true;
        if (modoVisualizacao == 0) it(TipoItemBraco::RotuloDedoEscala, i).visivel = true;
        if (modoVisualizacao == 1) it(TipoItemBraco::RotuloNotaEscala, i).visivel = true;
    }
}

// Changing modes ------------------------------------------------------------

void ModeloBraco::prepararTroca() {
    if (posicao) {
        for (int s = 0; s < posicao->getNumeroCordas(); ++s) posicao->abafarCorda(s);
    }
    for (ItemBraco& i : todos) {
        if (i.tipo == TipoItemBraco::MarcadorMaoDireita) i.visivel = false;
        if (i.tipo == TipoItemBraco::RotuloDedo || i.tipo == TipoItemBraco::RotuloNota ||
            i.tipo == TipoItemBraco::RotuloIntervalo || i.tipo == TipoItemBraco::RotuloMaoDireita) {
            i.cor = CorTexto::Preto;
        }
    }
    if (posicao && !posicao->getNome().empty()) posicaoGuardada = std::make_unique<Posicao>(*posicao);
    if (escala && !FachadaGUI::getInstancia()->getTomSelecionado().empty()) {
        try {
            if (const auto atual = Fachada::getInstancia()->getEscala()) nomeEscalaGuardada = atual->getNome();
        } catch (const DException&) {
            // The name stays as last saved; the position is kept all the same.
        }
        escalaGuardada = escala;
    }
}

void ModeloBraco::restaurarPosicao() {
    if (!posicaoGuardada) return;
    const Posicao copia(*posicaoGuardada);
    const int corda = copia.getCordaMarcada();
    const std::vector<int32_t> tom = afinacao();
    const int raiz = corda >= 0 && corda < static_cast<int>(tom.size()) ? tom[static_cast<size_t>(corda)] + copia.getCasaMarcada() : -1;
    mostrarPosicao(&copia, raiz, false);
}

void ModeloBraco::restaurarEscala() {
    if (!escalaGuardada) return;
    escala = escalaGuardada;
    if (!nomeEscalaGuardada.empty()) Fachada::getInstancia()->selecionarEscala(nomeEscalaGuardada);
}

// Playing -------------------------------------------------------------------

void ModeloBraco::tocarAcorde() {
    if (!posicao) return;
    const std::vector<int32_t> tom = afinacao();
    std::vector<int32_t> notas = posicao->getNotas(tom, numeroCasas());
    for (int s = 0; s < static_cast<int>(notas.size()); ++s) {
        if (!soa(*posicao, s)) notas[static_cast<size_t>(s)] = -1;
    }
    reproducao::tocarAcorde(*SaidaMIDI::getInstancia(), notas);
}

void ModeloBraco::tocarEscala() {
    Fachada& fachada = *Fachada::getInstancia();
    if (!fachada.getEscala()) return;
    const InstrumentoCordas* atual = instrumento();
    if (atual == nullptr) return;
    const EscalaExibicao tocada = fachada.getEscalaExibicaoAtual();
    const auto cordas = tocada.getCordas();
    const auto maoDireita = tocada.getDedosMaoDireita();
    const std::string letras = kMaoDireita;

    const auto marcar = [&](size_t i, bool marca) {
        const int corda = cordas[i];
        const CorTexto cor = marca ? CorTexto::Branco : CorTexto::Preto;
        if (corda >= 0 && corda < kItensPorCorda) {
            ItemBraco& rotulo = it(TipoItemBraco::RotuloMaoDireita, corda);
            const int dedo = i < maoDireita.size() ? maoDireita[i] : -1;
            rotulo.texto = !marca ? "1" : dedo >= 0 && dedo < static_cast<int>(letras.size()) ? letras.substr(dedo, 1) : "";
            rotulo.cor = cor;
            rotulo.visivel = marca;
            it(TipoItemBraco::MarcadorMaoDireita, corda).visivel = marca;
        }
        if (i < static_cast<size_t>(kNotasEscala)) {
            it(TipoItemBraco::RotuloDedoEscala, static_cast<int>(i)).cor = cor;
            it(TipoItemBraco::RotuloNotaEscala, static_cast<int>(i)).cor = cor;
        }
        repintar();
    };
    reproducao::tocarEscala(*SaidaMIDI::getInstancia(), reproducao::notasEscala(tocada, *atual),
                            reproducao::kEsperaNotaEscala, [&](size_t i) { marcar(i, true); },
                            [&](size_t i) { marcar(i, false); });
}
