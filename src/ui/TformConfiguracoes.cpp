#include "ui/TformConfiguracoes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>

#include "core/Fachada.h"
#include "core/FachadaGUI.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "harmony/Rotulos.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "sound/SaidaMIDI.h"
#include "ui/AssistenteDriver.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"
#include "ui/TformInstrumento.h"

namespace {

constexpr const char* kSecao = "fmConfiguracoes";
TformConfiguracoes* configuracoesAtual = nullptr;

std::string texto(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

QString legenda(const char* chave) { return textoQt(texto(kSecao, chave)); }

// Orientation order: radio buttons, their captions and their pictures.
constexpr const char* kRadios[4] = {"radioBracoFrente", "radioBracoFrenteI", "radioBracoNormal", "radioBracoNormalI"};
constexpr const char* kImagens[4] = {"imgBracoFrente", "imgBracoFrenteI", "imgBracoNormal", "imgBracoNormalI"};

}  // namespace

TformConfiguracoes::TformConfiguracoes(QWidget* pai) : DialogoSemBorda(pai, kSecao, QSize(440, 384)) {
    setObjectName(QStringLiteral("formConfiguracoes"));
    setWindowTitle(legenda("titulo"));
    QWidget* c = corpo();
    criarTitulo()->setText(legenda("titulo"));
    criarBotaoFechar();

    abas = new QTabWidget(c);
    abas->setObjectName(QStringLiteral("paginas"));
    abas->setGeometry(12, 52, width() - 24, 272);
    abas->addTab(criarPaginaBraco(), legenda("tituloPaginaBraco"));
    abas->addTab(criarPaginaInstrumentos(), legenda("tituloPaginaIntrumentos"));
    abas->addTab(criarPaginaDrivers(), legenda("tituloPaginaDrivers"));
    connect(abas, &QTabWidget::currentChanged, this, &TformConfiguracoes::paginaTrocada);

    cancelar = criarBotao(c, "btnCancelar", "imgBotao", textoQt(texto("geral", "rotuloBtnCancelar")));
    cancelar->move(width() - 12 - cancelar->width(), height() - 16 - cancelar->height());
    ok = criarBotao(c, "btnOk", "imgBotao", textoQt(texto("geral", "rotuloBtnOk")));
    ok->move(cancelar->x() - 10 - ok->width(), cancelar->y());
    connect(ok, &TVantorButton3D::clicked, this, &TformConfiguracoes::confirmar);
    connect(cancelar, &TVantorButton3D::clicked, this, &TformConfiguracoes::reject);

    editor = new TformInstrumento(this);

    preencherInstrumentos();
    // The stored device (by now the configured one) and the current
    // instrument's sound; the orientation is not written until the user confirms.
    ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    mantidas->aplicar();
    mantidas->registrarSeletor(this);
    configuracoesAtual = this;
}

TformConfiguracoes::~TformConfiguracoes() {
    if (configuracoesAtual == this) {
        configuracoesAtual = nullptr;
        ConfiguracoesMantidas::getInstancia()->registrarSeletor(nullptr);
    }
}

TformConfiguracoes* TformConfiguracoes::atual() { return configuracoesAtual; }

std::string TformConfiguracoes::linhaInstrumento(const InstrumentoCordas& instrumento) {
    std::string linha = instrumento.getName() + " -";
    for (const int32_t nota : instrumento.getAfinacao()) linha += " " + nomeNotaSustenido(nota);
    return linha;
}

QWidget* TformConfiguracoes::criarPaginaBraco() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("paginaBraco"));
    // The player's views first: the usual choice.
    const int ordem[4] = {2, 3, 0, 1};
    for (int i = 0; i < 4; ++i) {
        const int orientacao = ordem[i];
        const int x = 22 + (i % 2) * 196;
        const int y = 18 + (i / 2) * 112;
        QRadioButton* radio = new QRadioButton(legenda(kRadios[orientacao]), pagina);
        radio->setObjectName(QString::fromLatin1(kRadios[orientacao]));
        radio->setGeometry(x, y, 186, 24);
        radios[orientacao] = radio;
        auto* imagem = new QLabel(pagina);
        imagem->setObjectName(QString::fromLatin1(kImagens[orientacao]));
        imagem->setPixmap(pixmapIdioma(kSecao, kImagens[orientacao]));
        imagem->setGeometry(x, y + 30, 164, 40);
        imagem->setAlignment(Qt::AlignCenter);
        imagem->setCursor(Qt::PointingHandCursor);
        imagem->setStyleSheet(QStringLiteral("border: 1px solid #3a404b; border-radius: 3px;"));
        imagem->installEventFilter(this);
        imagens[orientacao] = imagem;
        connect(radio, &QRadioButton::toggled, imagem, [imagem](bool marcado) {
            imagem->setStyleSheet(marcado ? QStringLiteral("border: 2px solid #f4a62a; border-radius: 3px;")
                                          : QStringLiteral("border: 1px solid #3a404b; border-radius: 3px;"));
        });
    }
    return pagina;
}

QWidget* TformConfiguracoes::criarPaginaInstrumentos() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("paginaInstrumentos"));
    instrumentos = new QListWidget(pagina);
    instrumentos->setObjectName(QStringLiteral("listaInstrumentos"));
    instrumentos->setGeometry(12, 14, 284, 212);
    connect(instrumentos, &QListWidget::itemDoubleClicked, this, [this] { editarInstrumento(); });
    novo = criarBotao(pagina, "btnNovoInst", "imgBotao", legenda("btnNovoInst"));
    editar = criarBotao(pagina, "btnEditarInst", "imgBotao", legenda("btnEditarInst"));
    remover = criarBotao(pagina, "btnRemoverInst", "imgBotao", legenda("btnRemoverInst"));
    novo->move(306, 14);
    editar->move(306, 14 + 36);
    remover->move(306, 14 + 72);
    connect(novo, &TVantorButton3D::clicked, this, &TformConfiguracoes::novoInstrumento);
    connect(editar, &TVantorButton3D::clicked, this, &TformConfiguracoes::editarInstrumento);
    connect(remover, &TVantorButton3D::clicked, this, &TformConfiguracoes::removerInstrumento);
    return pagina;
}

QWidget* TformConfiguracoes::criarPaginaDrivers() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("paginaDrivers"));
    drivers = new QListWidget(pagina);
    drivers->setObjectName(QStringLiteral("listaDrivers"));
    drivers->setGeometry(12, 14, 390, 170);
    assistente = criarBotao(pagina, "btnAssistenteDriver", "imgBotaoLargo", legenda("btnAssistenteDriver"));
    assistente->move(12, 196);
    connect(assistente, &TVantorButton3D::clicked, this, &TformConfiguracoes::executarAssistente);
    return pagina;
}

void TformConfiguracoes::preencherInstrumentos() {
    Fachada* fachada = Fachada::getInstancia();
    nomes = fachada->getNomesInstrumentos();
    instrumentos->clear();
    for (int i = 0; i < static_cast<int>(nomes.size()); ++i) {
        instrumentos->addItem(textoQt(linhaInstrumento(*fachada->getInstrumento(i))));
    }
}

void TformConfiguracoes::showEvent(QShowEvent* evento) {
    if (!evento->spontaneous()) prepararExibicao();
    DialogoSemBorda::showEvent(evento);
}

void TformConfiguracoes::prepararExibicao() {
    ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    atualRemovido = false;
    atualEditado = false;

    abas->setCurrentIndex(FachadaGUI::getInstancia()->configuracoesAbertasPeloInstrumento() ? kPaginaInstrumentos
                                                                                            : kPaginaBraco);
    paginaAnterior = abas->currentIndex();

    drivers->clear();
    for (const std::string& nome : SaidaMIDI::getInstancia()->getDispositivos()) drivers->addItem(textoQt(nome));
    if (mantidas->getDispositivo() < 0 || mantidas->getDispositivo() >= drivers->count()) mantidas->setDispositivo(-1);
    drivers->setCurrentRow(mantidas->getDispositivo());

    const std::string atualNome = Fachada::getInstancia()->getNomeInstrumentoAtual();
    linhaAtual = -1;
    for (int i = 0; i < static_cast<int>(nomes.size()); ++i) {
        if (nomes[static_cast<size_t>(i)] == atualNome) {
            linhaAtual = i;
            break;
        }
    }
    instrumentos->setCurrentRow(linhaAtual);
    mantidas->setLinhaInstrumento(linhaAtual);

    selecionarOrientacao(Fachada::getInstancia()->getPosicaoBraco());
}

void TformConfiguracoes::selecionarOrientacao(int orientacao) {
    if (orientacao >= 0 && orientacao < 4) radios[orientacao]->setChecked(true);
}

int TformConfiguracoes::orientacaoSelecionada() const {
    for (int i = 0; i < 4; ++i)
        if (radios[i]->isChecked()) return i;
    return ConfiguracoesMantidas::getInstancia()->getOrientacao();
}

void TformConfiguracoes::paginaTrocada(int pagina) {
    // The instrument editor lays its string rows out for the chosen view.
    if (paginaAnterior == kPaginaBraco) ConfiguracoesMantidas::getInstancia()->setOrientacao(orientacaoSelecionada());
    paginaAnterior = pagina;
}

bool TformConfiguracoes::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 4; ++i) {
            if (objeto == imagens[i]) {
                radios[i]->setChecked(true);
                return true;
            }
        }
    }
    return DialogoSemBorda::eventFilter(objeto, evento);
}

void TformConfiguracoes::novoInstrumento() {
    if (!editor->abrirCriar(nomes)) return;
    preencherInstrumentos();
    instrumentos->setCurrentRow(instrumentos->count() - 1);
}

void TformConfiguracoes::editarInstrumento() {
    const int linha = instrumentos->currentRow();
    if (linha < 0) return;
    if (!editor->abrirEditar(nomes, linha)) return;
    const int antes = static_cast<int>(nomes.size());
    preencherInstrumentos();
    // A built-in saved under a new name was added as a new last line.
    const bool acrescentado = static_cast<int>(nomes.size()) > antes;
    instrumentos->setCurrentRow(acrescentado ? instrumentos->count() - 1 : linha);
    if (!acrescentado && linha == linhaAtual) atualEditado = true;
}

void TformConfiguracoes::removerInstrumento() {
    const int linha = instrumentos->currentRow();
    if (linha < GerenciadorInstrumentos::kNumeroInstrumentosPadrao) {
        if (linha >= 0) {
            Plataforma::atual().mostrarMensagem(texto(kSecao, "msgRemoverInstrumentoPadrao"),
                                                texto("geral", "nomeAplicacao"), BotoesMensagem::Ok);
        }
        return;
    }
    Fachada* fachada = Fachada::getInstancia();
    fachada->delInstrumento(linha);
    nomes.erase(nomes.begin() + linha);
    delete instrumentos->takeItem(linha);
    const int acima = linha - 1;
    instrumentos->setCurrentRow(acima);

    ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    if (linha == linhaAtual) {
        fachada->setInstrumento(acima);
        linhaAtual = acima;
        atualRemovido = true;
        atualEditado = false;
        // Already current: confirming it needs no question.
        mantidas->setLinhaInstrumento(acima);
    } else {
        if (linha < linhaAtual) --linhaAtual;
        if (linha < mantidas->getLinhaInstrumento()) mantidas->setLinhaInstrumento(mantidas->getLinhaInstrumento() - 1);
    }
}

void TformConfiguracoes::executarAssistente() {
    const int dispositivo = executarAssistenteDriver();
    if (dispositivo != -1) drivers->setCurrentRow(dispositivo);
}

void TformConfiguracoes::confirmar() {
    ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    const int linha = instrumentos->currentRow();
    if (linha != mantidas->getLinhaInstrumento() &&
        !FachadaGUI::getInstancia()->perguntar(texto("abaIstrumento", "msgModificacao"),
                                               texto("abaIstrumento", "tituloMsg"))) {
        return;
    }
    mantidas->setDispositivo(drivers->currentRow());
    mantidas->setLinhaInstrumento(linha);
    // After a removal the instrument is current already, and the previous
    // one must stay the removed one, for which the main window's list was made.
    if (!(atualRemovido && linha == linhaAtual)) Fachada::getInstancia()->setInstrumento(linha);
    mantidas->setOrientacao(orientacaoSelecionada());
    mantidas->aplicar();
    accept();
}

void TformConfiguracoes::aplicarInstrumentoSemMudarOResto() {
    ConfiguracoesMantidas* mantidas = ConfiguracoesMantidas::getInstancia();
    if (atualEditado) Fachada::getInstancia()->setInstrumento(linhaAtual);
    mantidas->setLinhaInstrumento(linhaAtual);
    mantidas->setOrientacao(Fachada::getInstancia()->getPosicaoBraco());
    mantidas->aplicar();
}

void TformConfiguracoes::reject() {
    if (atualRemovido || atualEditado) {
        aplicarInstrumentoSemMudarOResto();
        done(Accepted);
        return;
    }
    DialogoSemBorda::reject();
}

void TformConfiguracoes::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        confirmar();
        return;
    }
    DialogoSemBorda::keyPressEvent(evento);
}
