#include "ui/TformPrincipal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "core/Fachada.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "core/base/Texto1252.h"
#include "harmony/Acorde.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/InstrumentoCordas.h"
#include "ui/AbrirAjuda.h"
#include "ui/AplicacaoBrelvio.h"
#include "ui/Braco.h"
#include "ui/ConfiguracoesMantidas.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"
#include "ui/TformAviso.h"

using Posicao = PosicaoHarmonicaInstrumentoCordas;

namespace {

constexpr int kLargura = 795;
constexpr int kAltura = 519;
constexpr int kAlturaTitulo = 82;
constexpr int kAlturaBarra = 115;
constexpr int kTopoBarra = kAltura - kAlturaBarra;
// The control bar's three panels, as the bar pictures draw them.
constexpr int kXAcordes = 170;
constexpr int kXLista = 500;
constexpr const char* kPortuguesBrasil = "Portugu\xEAs (Brasil)";

TformPrincipal* principalAtual = nullptr;
std::function<bool()> aberturaConfiguracoes;
std::function<void()> aberturaImpressao;
std::function<void()> aberturaImportacao;
std::function<int()> assistenteDriver;

Fachada& fachada() { return *Fachada::getInstancia(); }

QFont fonteBotao(int pixels = 12) {
    QFont fonte;
    fonte.setPixelSize(pixels);
    fonte.setBold(true);
    return fonte;
}

TVantorButton3D* botao(QWidget* pai, const char* nome, const char* secao, const std::string& imagem, int x, int y,
                       QSize tamanho = QSize()) {
    auto* b = new TVantorButton3D(pai);
    b->setObjectName(QString::fromLatin1(nome));
    QPixmap pressionado = pixmapIdioma(secao, imagem + "Pressionado");
    QPixmap solto = pixmapIdioma(secao, imagem + "Solto");
    if (tamanho.isValid()) {
        pressionado = pressionado.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        solto = solto.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    b->SetImagemPressionada(pressionado);
    b->SetImagemSolta(solto);
    b->SetPressed(false);
    b->SetTextFont(fonteBotao(), Qt::white);
    b->SetTextShadedFont(fonteBotao(), QColor(0x10, 0x10, 0x10));
    b->SetTextShaded(true);
    b->move(x, y);
    return b;
}

// Lists and fields of the dark control bar. Only the window's own controls:
// the dialogs it parents (the system's print dialog among them) keep their look.
const char* const kEstiloControles =
    "#formPrincipal > QComboBox, #formPrincipal > QLineEdit, #formPrincipal > QListWidget {"
    " background: #f4f5f7; color: #15171b; border: 1px solid #0b0c0e; border-radius: 3px; padding: 1px 4px;"
    " selection-background-color: #f4a62a; selection-color: #15171b; }"
    "#formPrincipal > QListWidget { padding: 0px; }"
    "#formPrincipal > QLabel { color: #eef0f3; }";

bool todasCordasSemNota(const PosicaoHarmonica* posicao) {
    const auto* p = dynamic_cast<const Posicao*>(posicao);
    if (p == nullptr) return false;
    for (const int32_t casa : p->getCasas())
        if (casa != Posicao::kCordaAbafada) return false;
    return true;
}

QString aparado(const QString& texto) { return texto.trimmed(); }

}  // namespace

TformPrincipal::TformPrincipal(QWidget* pai) : QWidget(pai, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("formPrincipal"));
    setFixedSize(kLargura, kAltura);
    principalAtual = this;

    // Step 2: a configuration that names no MIDI device asks for the wizard
    // once the window is up; the built-in synthesizer serves until then.
    if (fachada().getDriver() == -1) {
        primeiroUso = true;
        fachada().setDriver(0);
    }

    Plataforma& plataforma = Plataforma::atual();
    std::vector<std::string> instrumentos;
    try {
        instrumentos = fachada().getNomesInstrumentos();
    } catch (const FileNotFoundException&) {
        plataforma.mostrarMensagem(texto("exception", "baseInstrumentosNaoEncontrada"), std::string(),
                                   BotoesMensagem::Ok);
        plataforma.pedirEncerramento();
        vista = nullptr;
        return;
    }
    if (!instrumentos.empty()) fachada().setInstrumento(fachada().getIndiceInstrumentoConfigurado(instrumentos));

    conjuntoBrasileiro = GerenciadorIdiomas::getInstancia()->getNomeIdioma() == kPortuguesBrasil;
    criarControles();
    aplicarTextos();
    preencherListas();

    vista = new Braco(this, conjuntoBrasileiro, fachada().getPosicaoBraco());
    vista->move(0, kAlturaTitulo);
    vista->lower();
    vista->installEventFilter(this);
    vista->setToolTip(textoQt(texto("fmPrincipal", "hintBraco")));
    areaDisparo = new QWidget(vista);
    areaDisparo->setObjectName(QStringLiteral("areaDisparo"));
    areaDisparo->setToolTip(vista->toolTip());
    areaDisparo->installEventFilter(this);
    vista->modelo().setOrientacao(fachada().getPosicaoBraco());

    comboModoVisualizacao->setCurrentIndex(0);
    exibicaoEscalas = true;
    aplicarModoConfigurado();
    aplicarConfiguracoesMantidas();
    tamanharAreaDisparo();

    FachadaGUI::getInstancia()->registrarJanelaPrincipal(this);
    OperacoesListaImpressao::registrar(this);
}

TformPrincipal::~TformPrincipal() {
    if (FachadaGUI::getInstancia()->getJanelaPrincipal() == this)
        FachadaGUI::getInstancia()->registrarJanelaPrincipal(nullptr);
    if (OperacoesListaImpressao::atual() == this) OperacoesListaImpressao::registrar(nullptr);
    if (principalAtual == this) principalAtual = nullptr;
}

TformPrincipal* TformPrincipal::atual() { return principalAtual; }

void TformPrincipal::definirAberturaConfiguracoes(std::function<bool()> abrir) {
    aberturaConfiguracoes = std::move(abrir);
}
void TformPrincipal::definirAberturaImpressao(std::function<void()> abrir) { aberturaImpressao = std::move(abrir); }
void TformPrincipal::definirAberturaImportacao(std::function<void()> abrir) { aberturaImportacao = std::move(abrir); }
void TformPrincipal::definirAssistenteDriver(std::function<int()> executar) { assistenteDriver = std::move(executar); }

ModeloBraco& TformPrincipal::braco() { return vista->modelo(); }

std::string TformPrincipal::texto(const char* secao, const char* chave) const {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

// Building the window ----------------------------------------------------------

void TformPrincipal::criarControles() {
    setStyleSheet(QString::fromLatin1(kEstiloControles));
    // The bar pictures, decoded once: the language does not change while the window lives.
    figuras = {pixmapIdioma("fmPrincipal", "imgBarraSuperior"),
               pixmapIdioma("fmPrincipal", "imgBarraInferior"),
               pixmapIdioma("fmPrincipal", "imgBarraInferiorOpcoes"),
               pixmapIdioma("fmPrincipal", "imgBarraInferiorAcordes"),
               pixmapIdioma("fmPrincipal", "imgBarraInferiorEscalas"),
               pixmapIdioma("fmPrincipal", "imgBarraInferiorListaImpressao")};

    btnConfiguracoes = botao(this, "btnConfiguracoes", "geral", "imgBotao", 14, 46);
    btnImportarCifra = botao(this, "btnImportarCifra", "geral", "imgBotao", 120, 46);
    btnSair = botao(this, "btnSair", "geral", "imgBtnFechar", kLargura - 8 - 24, 8);
    btnMinimizar = botao(this, "btnMinimizar", "geral", "imgBtnMinimizar", btnSair->x() - 28, 8);
    btnAjuda = botao(this, "btnAjuda", "geral", "imgBtnAjuda", btnMinimizar->x() - 28, 8);
    linkVantor = new QLabel(this);
    linkVantor->setObjectName(QStringLiteral("linkVantor"));
    linkVantor->setPixmap(pixmapIdioma("fmPrincipal", "imgLinkVantor"));
    linkVantor->setGeometry(657, 44, 130, 16);
    linkVantor->setCursor(Qt::PointingHandCursor);
    linkVantor->installEventFilter(this);

    const int y = kTopoBarra;
    btnBaseAcordes = botao(this, "btnBaseAcordes", "geral", "imgBotaoPequeno", 10, y + 22);
    btnExibicaoEscalas = botao(this, "btnExibicaoEscalas", "geral", "imgBotaoPequeno", 88, y + 22);
    lblModoVisualizacao = new QLabel(this);
    lblModoVisualizacao->setObjectName(QStringLiteral("lblModoVisualizacao"));
    lblModoVisualizacao->setGeometry(14, y + 54, 52, 22);
    comboModoVisualizacao = new QComboBox(this);
    comboModoVisualizacao->setObjectName(QStringLiteral("comboModoVisualizacao"));
    comboModoVisualizacao->setGeometry(66, y + 54, 96, 22);
    btnInstrumento = botao(this, "btnInstrumento", "geral", "imgBotaoLargo", 15, y + 80, QSize(140, 25));

    const int xa = kXAcordes + 14;
    editNomeAcorde = new QLineEdit(this);
    editNomeAcorde->setObjectName(QStringLiteral("editNomeAcorde"));
    editNomeAcorde->setGeometry(xa, y + 28, 148, 26);
    editNomeAcorde->installEventFilter(this);
    comboBaseAcordes = new QComboBox(this);
    comboBaseAcordes->setObjectName(QStringLiteral("comboBaseAcordes"));
    comboBaseAcordes->setGeometry(xa + 156, y + 28, 146, 26);
    comboBaseAcordes->setMaxVisibleItems(20);
    lblTextoEscalas = new QLabel(this);
    lblTextoEscalas->setObjectName(QStringLiteral("lblTextoEscalas"));
    lblTextoEscalas->setGeometry(xa, y + 22, 200, 16);
    comboNomeEscalas = new QComboBox(this);
    comboNomeEscalas->setObjectName(QStringLiteral("comboNomeEscalas"));
    comboNomeEscalas->setGeometry(xa, y + 40, 200, 26);
    comboNomeEscalas->setMaxVisibleItems(20);
    comboTomEscalas = new QComboBox(this);
    comboTomEscalas->setObjectName(QStringLiteral("comboTomEscalas"));
    comboTomEscalas->setGeometry(xa + 208, y + 40, 94, 26);
    comboTomEscalas->setMaxVisibleItems(12);
    btnAnterior = botao(this, "btnAnterior", "fmPrincipal", "imgBtnAnterior", xa, y + 72);
    btnProximo = botao(this, "btnProximo", "fmPrincipal", "imgBtnProximo", xa + 38, y + 72);
    btnOuvir = botao(this, "btnOuvir", "geral", "imgBotao", xa + 80, y + 72, QSize(100, 27));
    btnLimparBraco = botao(this, "btnLimparBraco", "geral", "imgBotao", xa + 186, y + 72, QSize(116, 27));

    listaImpressaoBox = new QListWidget(this);
    listaImpressaoBox->setObjectName(QStringLiteral("listaImpressao"));
    listaImpressaoBox->setGeometry(kXLista + 12, y + 20, 188, 86);
    listaImpressaoBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listaImpressaoBox->setTextElideMode(Qt::ElideRight);
    listaImpressaoBox->installEventFilter(this);
    const int xb = kXLista + 206;
    const QSize pequeno(78, 21);
    btnAdicionar = botao(this, "btnAdicionar", "geral", "imgBotaoPequeno", xb, y + 19, pequeno);
    btnSubstituir = botao(this, "btnSubstituir", "geral", "imgBotaoPequeno", xb, y + 41, pequeno);
    btnRemover = botao(this, "btnRemover", "geral", "imgBotaoPequeno", xb, y + 63, pequeno);
    btnImprimir = botao(this, "btnImprimir", "geral", "imgBotaoPequeno", xb, y + 85, pequeno);
    for (TVantorButton3D* b : {btnAdicionar, btnSubstituir, btnRemover, btnImprimir}) {
        b->SetTextFont(fonteBotao(11), Qt::white);
        b->SetTextShadedFont(fonteBotao(11), QColor(0x10, 0x10, 0x10));
    }

    mnuBolinha = new QMenu(this);
    mnuBolinha->setObjectName(QStringLiteral("mnuBolinha"));
    QAction* tonica = mnuBolinha->addAction(QString());
    tonica->setObjectName(QStringLiteral("mnuBolinhaTonica"));
    QAction* deletar = mnuBolinha->addAction(QString());
    deletar->setObjectName(QStringLiteral("mnuBolinhaDeletar"));
    connect(tonica, &QAction::triggered, this, &TformPrincipal::escolherTonica);
    connect(deletar, &QAction::triggered, this, &TformPrincipal::deletarBolinha);

    connect(btnSair, &TVantorButton3D::clicked, this, &QWidget::close);
    connect(btnMinimizar, &TVantorButton3D::clicked, this, &AplicacaoBrelvio::minimizarTudo);
    connect(btnAjuda, &TVantorButton3D::clicked, this, &TformPrincipal::abrirAjuda);
    connect(btnConfiguracoes, &TVantorButton3D::clicked, this, [this] { abrirConfiguracoes(false); });
    connect(btnInstrumento, &TVantorButton3D::clicked, this, [this] { abrirConfiguracoes(true); });
    connect(btnImportarCifra, &TVantorButton3D::clicked, this, [] {
        if (aberturaImportacao) aberturaImportacao();
    });
    connect(btnBaseAcordes, &TVantorButton3D::clicked, this, &TformPrincipal::entrarModoAcordes);
    connect(btnExibicaoEscalas, &TVantorButton3D::clicked, this, &TformPrincipal::entrarModoEscalas);
    connect(editNomeAcorde, &QLineEdit::returnPressed, this, &TformPrincipal::confirmarNomeAcorde);
    connect(comboBaseAcordes, &QComboBox::activated, this, &TformPrincipal::selecionarAcordeLista);
    connect(comboModoVisualizacao, &QComboBox::activated, this, &TformPrincipal::mudarModoVisualizacao);
    connect(comboNomeEscalas, &QComboBox::activated, this, &TformPrincipal::mudarEscalaOuTom);
    connect(comboTomEscalas, &QComboBox::activated, this, &TformPrincipal::mudarEscalaOuTom);
    // A double click steps again, as a second click would.
    for (auto* seta : {btnProximo, btnAnterior, btnLimparBraco}) {
        auto acao = seta == btnProximo    ? &TformPrincipal::proximo
                    : seta == btnAnterior ? &TformPrincipal::anterior
                                          : &TformPrincipal::limparBraco;
        connect(seta, &TVantorButton3D::clicked, this, acao);
        connect(seta, &TVantorButton3D::duploClique, this, acao);
    }
    connect(btnOuvir, &TVantorButton3D::clicked, this, &TformPrincipal::ouvir);
    connect(btnAdicionar, &TVantorButton3D::clicked, this, &TformPrincipal::adicionar);
    connect(btnRemover, &TVantorButton3D::clicked, this, &TformPrincipal::remover);
    connect(btnSubstituir, &TVantorButton3D::clicked, this, &TformPrincipal::substituir);
    connect(btnImprimir, &TVantorButton3D::clicked, this, [] {
        if (aberturaImpressao) aberturaImpressao();
    });
    connect(listaImpressaoBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { clicarLinhaImpressao(listaImpressaoBox->row(item)); });
}

void TformPrincipal::aplicarTextos() {
    const auto t = [this](const char* chave) { return textoQt(texto("fmPrincipal", chave)); };
    const auto g = [this](const char* chave) { return textoQt(texto("geral", chave)); };
    setWindowTitle(g("nomeAplicacao"));
    btnMinimizar->setToolTip(g("hintBtnMinimizar"));
    btnAjuda->setToolTip(g("hintBtnAjuda"));
    btnSair->setToolTip(t("hintBtnSair"));
    linkVantor->setToolTip(t("hintLinkVantor"));
    editNomeAcorde->setToolTip(t("hintEditNomeAcorde1"));
    btnOuvir->setToolTip(t("hintBtnOuvirAcorde"));
    btnAnterior->setToolTip(t("hintBtnSetas"));
    btnProximo->setToolTip(t("hintBtnSetas"));
    btnAdicionar->setToolTip(t("hintBtnAdicionar"));
    btnRemover->setToolTip(t("hintBtnRemover"));
    btnSubstituir->setToolTip(t("hintBtnSubstituir"));
    btnImprimir->setToolTip(t("hintBtnImprimir"));
    comboBaseAcordes->setToolTip(t("hintComboBaseAcordes"));
    comboModoVisualizacao->setToolTip(t("hintComboModoVisualizacao"));
    btnConfiguracoes->setToolTip(t("hintBtnConfiguracoes"));
    btnImportarCifra->setToolTip(t("hintBtnImportarCifra"));
    editNomeAcorde->setText(t("editNomeAcorde"));
    mnuBolinha->actions()[0]->setText(t("mnuBolinhaTonica"));
    mnuBolinha->actions()[1]->setText(t("mnuBolinhaDeletar"));
    comboModoVisualizacao->clear();
    comboModoVisualizacao->addItems(
        {t("comboVisualizacaoItem1"), t("comboVisualizacaoItem2"), t("comboVisualizacaoItem3")});
    const std::pair<TVantorButton3D*, const char*> legendas[] = {
        {btnOuvir, "btnOuvir"},         {btnConfiguracoes, "btnConfiguracoes"},
        {btnImportarCifra, "btnImportarCifra"}, {btnSubstituir, "btnSubstituir"},
        {btnAdicionar, "btnAdicionar"}, {btnRemover, "btnRemover"},
        {btnImprimir, "btnImprimir"},   {btnLimparBraco, "btnLimparBraco"},
        {btnBaseAcordes, "btnBaseAcordes"}, {btnExibicaoEscalas, "btnExibicaoEscalas"},
        {btnInstrumento, "btnInstrumento"},
    };
    for (const auto& [b, chave] : legendas) b->SetText(t(chave));
    lblModoVisualizacao->setText(t("lblModoVisualizacao"));
    lblTextoEscalas->setText(t("lblTextoEscalas"));
    comboNomeEscalas->setPlaceholderText(t("comboNomeEscalas"));
    comboTomEscalas->setPlaceholderText(t("comboTomEscalas"));
}

// The chord list as the chord manager has it now (typed chords join it).
void TformPrincipal::preencherListaAcordes() {
    comboBaseAcordes->clear();
    for (const std::string& nome : fachada().getNomesAcordes()) comboBaseAcordes->addItem(textoQt(nome));
}

void TformPrincipal::preencherListas() {
    preencherListaAcordes();
    comboNomeEscalas->clear();
    for (const std::string& nome : fachada().getNomesEscalas()) comboNomeEscalas->addItem(textoQt(nome));
    comboTomEscalas->clear();
    for (const std::string& nome : fachada().getTons()) comboTomEscalas->addItem(textoQt(nome));
    comboBaseAcordes->setCurrentIndex(-1);
    comboNomeEscalas->setCurrentIndex(-1);
    comboTomEscalas->setCurrentIndex(-1);
}

void TformPrincipal::aplicarModoConfigurado() {
    if (fachada().getExibicaoEscalas() != 0) {
        exibicaoEscalas = false;
        entrarModoEscalas();
    } else {
        entrarModoAcordes();
    }
    mudarModoVisualizacao(comboModoVisualizacao->currentIndex());
}

void TformPrincipal::aplicarConfiguracoesMantidas() {
    try {
        ConfiguracoesMantidas::getInstancia()->definirValores(fachada().getDriver(), 0, fachada().getPosicaoBraco());
    } catch (const DException&) {
        // The program runs without sound rather than not at all.
    }
}

void TformPrincipal::tamanharAreaDisparo() {
    const InstrumentoCordas* instrumento = fachada().getInstrumentoAtual();
    if (instrumento == nullptr) return;
    switch (instrumento->getNumeroCordas()) {
        case 6: areaDisparo->setGeometry(0, 82, vista->width(), 160); break;
        case 5: areaDisparo->setGeometry(0, 90, vista->width(), 145); break;
        case 4: areaDisparo->setGeometry(0, 100, vista->width(), 125); break;
        default: break;
    }
}

void TformPrincipal::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (const QScreen* tela = QGuiApplication::primaryScreen(); tela != nullptr && !evento->spontaneous()) {
        QRect area = frameGeometry();
        area.moveCenter(tela->availableGeometry().center());
        move(area.topLeft());
    }
    if (primeiroUso) QTimer::singleShot(0, this, &TformPrincipal::primeiroUsoAoMostrar);
}

void TformPrincipal::primeiroUsoAoMostrar() {
    if (!primeiroUso) return;
    primeiroUso = false;
    const int dispositivo = assistenteDriver ? assistenteDriver() : -1;
    fachada().setDriver(dispositivo == -1 ? 0 : dispositivo);
    // Entering the configured mode again needs the other mode first.
    exibicaoEscalas = fachada().getExibicaoEscalas() == 0;
    aplicarModoConfigurado();
    aplicarConfiguracoesMantidas();
}

// Painting and moving ------------------------------------------------------------

void TformPrincipal::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), QColor(0x1D, 0x20, 0x26));
    pintor.drawPixmap(0, 0, figuras.barraSuperior);
    pintor.drawPixmap(0, kTopoBarra, figuras.barraInferior);
    pintor.drawPixmap(0, kTopoBarra, figuras.opcoes);
    if (exibicaoEscalas) {
        pintor.drawPixmap(kXAcordes, kTopoBarra, figuras.escalas);
    } else {
        pintor.drawPixmap(kXAcordes, kTopoBarra, figuras.acordes);
        pintor.drawPixmap(kXLista, kTopoBarra, figuras.listaImpressao);
    }
}

void TformPrincipal::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) inicioArrasto = evento->globalPosition().toPoint() - pos();
    QWidget::mousePressEvent(evento);
}

void TformPrincipal::mouseMoveEvent(QMouseEvent* evento) {
    if (evento->buttons() & Qt::LeftButton) move(evento->globalPosition().toPoint() - inicioArrasto);
    QWidget::mouseMoveEvent(evento);
}

bool TformPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(evento);
        const QPoint global = mouse->globalPosition().toPoint();
        if (objeto == areaDisparo) {
            cliqueAreaDisparo(mouse->position().toPoint() + areaDisparo->pos(), mouse->button(), global);
            return true;
        }
        if (objeto == vista) {
            cliqueBraco(mouse->position().toPoint(), mouse->button(), global);
            return true;
        }
        if (objeto == linkVantor && mouse->button() == Qt::LeftButton) {
            abrirLink();
            return true;
        }
        if (objeto == editNomeAcorde) {
            // After the field has placed its cursor, so that the selection stays.
            QTimer::singleShot(0, editNomeAcorde, &QLineEdit::selectAll);
        }
    }
    if (evento->type() == QEvent::KeyPress && objeto == listaImpressaoBox) {
        if (static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete) {
            remover();
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

// The chord on the neck -------------------------------------------------------------

void TformPrincipal::nomearAcordeBraco() {
    const Posicao* posicao = braco().getPosicao();
    if (posicao == nullptr) return;
    const std::string nome = posicao->getNome();
    if (!fachada().setAcorde(nome.c_str())) return;
    preencherListaAcordes();
    comboBaseAcordes->setCurrentIndex(fachada().getIndiceAcorde());
    editNomeAcorde->setText(textoQt(fachada().getNomeAcordeAtual()));
}

void TformPrincipal::selecionarAcordeBraco() {
    editNomeAcorde->setText(aparado(editNomeAcorde->text()));
    const Posicao* posicao = braco().getPosicao();
    if (posicao == nullptr) return;
    const std::string nome = posicao->getNome();
    if (!fachada().setAcorde(nome.c_str())) return;
    const auto& nomes = fachada().getNomesAcordes();
    for (int i = 0; i < nomes.tamanho(); ++i) {
        if (nomes.get(i) == nome) {
            comboBaseAcordes->setCurrentIndex(i);
            break;
        }
    }
    editNomeAcorde->setText(textoQt(nome));
}

void TformPrincipal::mostrarPosicaoAtual() {
    if (todasCordasSemNota(fachada().getPosicaoAcordeAtual())) {
        FachadaGUI::getInstancia()->confirmar(texto("fmPrincipal", "erroGeracao"));
        return;
    }
    braco().mostrarPosicaoAtual();
    vista->update();
}

void TformPrincipal::garantirPosicaoConhecida() {
    Posicao* posicao = braco().getPosicao();
    if (!fachada().existePosicao(posicao)) fachada().adicionarPosicao(posicao);
    fachada().encontrarPosicao(posicao);
}

void TformPrincipal::mostrarAviso(const std::string& chave) {
    if (TformAviso* aviso = TformAviso::atual()) aviso->mostrar(texto("fmPrincipal", chave.c_str()));
}

// Chord mode ----------------------------------------------------------------------

void TformPrincipal::confirmarNomeAcorde() {
    QString digitado = aparado(editNomeAcorde->text());
    if (digitado.isEmpty()) return;
    digitado[0] = digitado[0].toUpper();
    editNomeAcorde->setText(digitado);
    if (!fachada().setAcorde(texto1252De(digitado).c_str())) {
        if (TformAviso* aviso = TformAviso::atual()) {
            aviso->mostrar(texto("fmPrincipal", "msgErroSintaxe"),
                           Plataforma::atual().diretorioPrograma() + texto("parametros", "caminhoAjudaAcordes"));
        }
        return;
    }
    mostrarPosicaoAtual();
    // The typed chord may be new to the list: it joins it for this run.
    preencherListaAcordes();
    comboBaseAcordes->setCurrentIndex(fachada().getIndiceAcorde());
    nomearAcordeBraco();
}

void TformPrincipal::selecionarAcordeLista(int indice) {
    if (indice < 0) return;
    fachada().setAcorde(indice);
    const Acorde* acorde = fachada().getAcordeAtual();
    if (acorde == nullptr || !fachada().setAcorde(acorde->getNome().c_str())) return;
    mostrarPosicaoAtual();
    nomearAcordeBraco();
}

void TformPrincipal::proximo() { passo(true); }

void TformPrincipal::anterior() { passo(false); }

void TformPrincipal::passo(bool adiante) {
    if (exibicaoEscalas) {
        const int32_t posicao = adiante ? fachada().proximaPosicaoEscala() : fachada().posicaoAnteriorEscala();
        if (posicao != -1) braco().mostrarEscala();
    } else if (fachada().getIndiceAcorde() != -1) {
        if (adiante) {
            fachada().proximaPosicao();
        } else {
            fachada().posicaoAnterior();
        }
        mostrarPosicaoAtual();
    }
    vista->update();
}

void TformPrincipal::ouvir() {
    if (!exibicaoEscalas) {
        try {
            braco().tocarAcorde();
        } catch (const MidiDesabilitadoException&) {
            Plataforma::atual().mostrarMensagem(texto("fmPrincipal", "msgPlacaDesconfigurada"),
                                                texto("geral", "nomeAplicacao"), BotoesMensagem::Ok);
        }
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        braco().tocarEscala();
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}

void TformPrincipal::mudarModoVisualizacao(int indice) {
    if (indice < 0) return;
    braco().setModoVisualizacao(indice);
    if (exibicaoEscalas) {
        braco().desenharRotulosEscala();
    } else {
        braco().desenharPosicao();
    }
    vista->update();
}

void TformPrincipal::cliqueAreaDisparo(QPoint ponto, Qt::MouseButton botao, QPoint global) {
    if (exibicaoEscalas) return;
    if (botao == Qt::RightButton) {
        if (braco().temBolinha(ponto.x(), ponto.y())) {
            cliqueBolinha = ponto;
            mnuBolinha->popup(global);
        }
        return;
    }
    if (braco().clicar(ponto.x(), ponto.y())) {
        braco().limpar();
        braco().desenharPosicao();
    }
    nomearAcordeBraco();
    vista->update();
}

void TformPrincipal::cliqueBraco(QPoint, Qt::MouseButton botao, QPoint global) {
    if (exibicaoEscalas) return;
    if (botao == Qt::RightButton) {
        mnuBolinha->popup(global);
        return;
    }
    nomearAcordeBraco();
}

void TformPrincipal::escolherTonica() {
    if (braco().escolherTonica(cliqueBolinha.x(), cliqueBolinha.y())) nomearAcordeBraco();
    vista->update();
}

void TformPrincipal::deletarBolinha() {
    if (braco().deletarBolinha(cliqueBolinha.x(), cliqueBolinha.y())) nomearAcordeBraco();
    vista->update();
}

void TformPrincipal::limparBraco() {
    if (exibicaoEscalas) {
        braco().limpar();
        braco().prepararTroca();
    } else {
        braco().prepararTroca();
        braco().limpar();
    }
    vista->update();
}

// The print list ------------------------------------------------------------------

std::string TformPrincipal::nomeLinhaNova() const {
    const Posicao* posicao = vista->modelo().getPosicao();
    if (posicao->getCordaMarcada() < 0) return posicao->getNome();
    return fachada().getNomeAcordeAtual();
}

void TformPrincipal::adicionar() {
    ModeloBraco& b = braco();
    if (!b.temNotaSoando() || !b.temDedos()) return;
    try {
        const std::string linha = nomeLinhaNova();
        listaImpressao.addElement(b.getPosicao());
        listaImpressaoBox->addItem(textoQt(linha));
        garantirPosicaoConhecida();
    } catch (const AcordeNaoSelecionadoException&) {
        mostrarAviso("msgAcordeNaoSelecionado");
    }
}

void TformPrincipal::remover() {
    // From the last selected line up, so that the rows still to go keep their places.
    std::vector<int> linhas;
    for (const QListWidgetItem* item : listaImpressaoBox->selectedItems()) linhas.push_back(listaImpressaoBox->row(item));
    std::sort(linhas.begin(), linhas.end(), std::greater<int>());
    for (const int linha : linhas) {
        delete listaImpressaoBox->takeItem(linha);
        listaImpressao.removeElement(linha);
    }
}

void TformPrincipal::substituir() {
    ModeloBraco& b = braco();
    const int linha = listaImpressaoBox->currentRow();
    if (listaImpressao.size() == 0 || !b.temNotaSoando() || linha < 0 ||
        listaImpressaoBox->selectedItems().isEmpty())
        return;
    if (!b.temDedos()) {
        Plataforma::atual().mostrarMensagem(texto("fmPrincipalAbaAcordes", "msgAcordeInexequivel"),
                                            texto("geral", "tituloAtencao"), BotoesMensagem::Ok);
        selecionarAcordeBraco();
        return;
    }
    try {
        if (fachada().getIndiceAcorde() == -1) return;
        garantirPosicaoConhecida();
        listaImpressao.setElement(linha, b.getPosicao());
        listaImpressaoBox->item(linha)->setText(comboBaseAcordes->currentText());
    } catch (const AcordeNaoSelecionadoException&) {
        mostrarAviso("msgAcordeNaoSelecionado");
    }
}

void TformPrincipal::clicarLinhaImpressao(int linha) {
    if (linha < 0 || linha >= listaImpressao.size()) return;
    // The entry is shown as the chord manager knows it, so work on a copy.
    const Posicao entrada(*listaImpressao.getElement(linha));
    if (!fachada().setAcorde(entrada.getNome().c_str())) return;
    Posicao copia(entrada);
    if (!fachada().existePosicao(&copia)) fachada().adicionarPosicao(&copia);
    fachada().encontrarPosicao(&copia);
    braco().mostrarPosicao(&copia, fachada().getClasseRaizAcordeAtual(), false);
    nomearAcordeBraco();
    vista->update();
}

void TformPrincipal::adicionarCifraImpressao(const std::string& cifra, bool forcar) {
    if (!fachada().setAcorde(cifra.c_str())) return;
    preencherListaAcordes();
    try {
        bool adicionar = true;
        if (!forcar) {
            const std::string nome = fachada().getNomeAcordeAtual();
            if (fachada().getIndiceAcorde() == -1) throw AcordeNaoSelecionadoException();
            for (int i = 0; i < listaImpressaoBox->count() && adicionar; ++i)
                adicionar = texto1252De(listaImpressaoBox->item(i)->text()) != nome;
        }
        if (adicionar) {
            const auto* posicao = dynamic_cast<const Posicao*>(fachada().getPosicaoAcordeAtual());
            if (posicao != nullptr) {
                listaImpressao.addElement(posicao);
                listaImpressaoBox->addItem(textoQt(fachada().getNomeAcordeAtual()));
            }
        }
    } catch (const AcordeNaoSelecionadoException&) {
        // Nothing selected: nothing to add.
    }
    GerenciadorAcordes::getInstancia()->limparSelecao();
    editNomeAcorde->clear();
    comboBaseAcordes->setCurrentIndex(-1);
}

void TformPrincipal::limparListaImpressao() {
    listaImpressaoBox->clear();
    listaImpressao.clear();
}

// Modes -------------------------------------------------------------------------

void TformPrincipal::ajustarBotoesModo() {
    const QColor ativo(0xFF, 0xD2, 0x3C);
    const QColor normal = palette().color(QPalette::Window).lightness() > 128 ? palette().color(QPalette::Window)
                                                                               : QColor(Qt::white);
    btnExibicaoEscalas->SetTextFontColor(exibicaoEscalas ? ativo : normal);
    btnBaseAcordes->SetTextFontColor(exibicaoEscalas ? normal : ativo);
}

void TformPrincipal::entrarModoEscalas() {
    if (exibicaoEscalas) return;
    exibicaoEscalas = true;
    ajustarBotoesModo();
    lblTextoEscalas->show();
    comboNomeEscalas->setCurrentIndex(-1);
    comboTomEscalas->setCurrentIndex(-1);
    comboNomeEscalas->setToolTip(textoQt(texto("fmPrincipal", "hintComboNomeEscalas")));
    comboTomEscalas->setToolTip(textoQt(texto("fmPrincipal", "hintComboTomEscalas")));
    comboNomeEscalas->show();
    comboTomEscalas->show();
    editNomeAcorde->hide();
    btnOuvir->setToolTip(textoQt(texto("fmPrincipal", "hintBtnOuvirEscala")));
    btnAnterior->setToolTip(textoQt(texto("fmPrincipal", "hintBtnSetasEscalas")));
    btnProximo->setToolTip(btnAnterior->toolTip());
    if (comboModoVisualizacao->currentIndex() == 2) {
        comboModoVisualizacao->setCurrentIndex(0);
        braco().setModoVisualizacao(0);
    }
    if (comboModoVisualizacao->count() == 3) comboModoVisualizacao->removeItem(2);
    for (QWidget* w : std::initializer_list<QWidget*>{comboBaseAcordes, listaImpressaoBox, btnAdicionar, btnRemover,
                                                      btnImprimir, btnSubstituir})
        w->hide();

    ModeloBraco& b = braco();
    b.limpar();
    b.limparBraco();
    const int32_t posicao = fachada().getPosicaoAtual();
    areaDisparo->setCursor(Qt::ArrowCursor);
    b.restaurarEscala();
    try {
        if (const auto escala = fachada().getEscala()) {
            comboNomeEscalas->setCurrentIndex(comboNomeEscalas->findText(textoQt(escala->getNome())));
            comboTomEscalas->setCurrentIndex(comboTomEscalas->findText(textoQt(fachada().getTom())));
        }
    } catch (const DException&) {
        // Nothing to select: the lists stay empty.
    }
    try {
        fachada().setPosicaoAtual(posicao);
    } catch (const DException&) {
    }
    b.mostrarEscala();
    b.desenharRotulosEscala();
    update();
    vista->update();
}

void TformPrincipal::entrarModoAcordes() {
    if (!exibicaoEscalas) return;
    exibicaoEscalas = false;
    ajustarBotoesModo();
    lblTextoEscalas->hide();
    comboNomeEscalas->hide();
    comboTomEscalas->hide();
    btnOuvir->setToolTip(textoQt(texto("fmPrincipal", "hintBtnOuvirAcorde")));
    btnAnterior->setToolTip(textoQt(texto("fmPrincipal", "hintBtnSetas")));
    btnProximo->setToolTip(btnAnterior->toolTip());

    if (comboTomEscalas->currentIndex() >= 0) {
        fachada().setTom(texto1252De(comboTomEscalas->currentText()));
        try {
            fachada().setPosicaoAtual(fachada().getPosicaoAtual());
        } catch (const DException&) {
        }
    }
    ModeloBraco& b = braco();
    b.limpar();
    b.prepararTroca();
    fachada().desselecionarEscala();
    b.restaurarPosicao();
    b.desenharPosicao();

    editNomeAcorde->setReadOnly(false);
    editNomeAcorde->setText(textoQt(texto("fmPrincipal", "editNomeAcorde")));
    editNomeAcorde->setToolTip(textoQt(texto("fmPrincipal", "hintEditNomeAcorde1")));
    editNomeAcorde->show();
    comboBaseAcordes->setCurrentIndex(-1);
    comboBaseAcordes->setToolTip(textoQt(texto("fmPrincipal", "hintComboBaseAcordes")));
    for (QWidget* w : std::initializer_list<QWidget*>{comboBaseAcordes, btnAnterior, btnProximo, btnAdicionar,
                                                      btnRemover, btnSubstituir, btnImprimir, btnLimparBraco,
                                                      listaImpressaoBox})
        w->show();
    areaDisparo->setCursor(Qt::PointingHandCursor);
    if (comboModoVisualizacao->count() == 2)
        comboModoVisualizacao->addItem(textoQt(texto("fmPrincipal", "comboVisualizacaoItem3")));

    nomearAcordeBraco();
    selecionarAcordeBraco();
    // With no selection this clears the chord manager's too: the arrows must not
    // step through a chord that the field and the list no longer show.
    fachada().setAcorde(comboBaseAcordes->currentIndex());
    update();
    vista->update();
}

// Scale mode ----------------------------------------------------------------------

std::string TformPrincipal::getTomSelecionado() const {
    if (comboTomEscalas == nullptr || comboTomEscalas->currentIndex() < 0) return std::string();
    return texto1252De(comboTomEscalas->currentText());
}

void TformPrincipal::mudarEscalaOuTom() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (comboNomeEscalas->currentIndex() >= 0 && comboTomEscalas->currentIndex() >= 0) {
        try {
            fachada().selecionarEscala(texto1252De(comboNomeEscalas->currentText()));
            fachada().setPosicaoAtual(fachada().getPosicaoAtual());
            braco().mostrarEscala();
        } catch (const NotFoundException&) {
            braco().limpar();
            Plataforma::atual().mostrarMensagem(texto("exception", "escalaImpossivel"), std::string(),
                                                BotoesMensagem::Ok);
        }
    }
    QApplication::restoreOverrideCursor();
    vista->update();
}

// Other windows -------------------------------------------------------------------

void TformPrincipal::abrirConfiguracoes(bool peloInstrumento) {
    abertoPeloInstrumento = peloInstrumento;
    if (!aberturaConfiguracoes) return;
    if (aberturaConfiguracoes()) aposConfiguracoes();
}

void TformPrincipal::aposConfiguracoes() {
    braco().setOrientacao(ConfiguracoesMantidas::getInstancia()->getOrientacao());
    const InstrumentoCordas* atual = fachada().getInstrumentoAtual();
    const InstrumentoCordas* anterior = fachada().getInstrumentoAnterior();
    const bool mesmaAfinacao = atual != nullptr && anterior != nullptr &&
                               atual->getAfinacao() == anterior->getAfinacao() &&
                               atual->getNumeroCordas() >= anterior->getNumeroCordas() &&
                               atual->getNumeroCasas() >= anterior->getNumeroCasas();
    // The print list is remade by tuning, not by instrument name: an edited
    // instrument keeps its name under a new tuning, and an instrument may come
    // back after the list was made on another.
    if (atual != nullptr && !mesmaAfinacao) {
        for (int i = 0; i < listaImpressao.size(); ++i) {
            const std::string nome = listaImpressao.getElement(i)->getNome();
            if (!fachada().setAcorde(nome.c_str())) continue;
            if (const auto* nova = dynamic_cast<const Posicao*>(fachada().getPosicaoAcordeAtual()))
                listaImpressao.setElement(i, nova);
        }
    }
    if (exibicaoEscalas) {
        if (braco().exibindoEscala()) {
            fachada().desselecionarEscala();
            mudarEscalaOuTom();
        }
    } else if (braco().temNotaSoando()) {
        selecionarAcordeLista(comboBaseAcordes->currentIndex());
        mostrarPosicaoAtual();
    }
    tamanharAreaDisparo();
    vista->update();
}

void TformPrincipal::abrirAjuda() {
    abrirDocumentoAjuda(Plataforma::atual().diretorioPrograma() + texto("parametros", "caminhoAjuda"));
}

void TformPrincipal::abrirLink() {
    Plataforma& plataforma = Plataforma::atual();
    bool aberto = false;
    try {
        aberto = plataforma.abrirDocumento(texto("parametros", "urlVantor"));
    } catch (const DException&) {
        aberto = false;
    }
    if (!aberto)
        plataforma.mostrarMensagem(texto("geral", "erroAbrirNavegador"), texto("geral", "nomeAplicacao"),
                                   BotoesMensagem::Ok);
}

// Closing -------------------------------------------------------------------------

void TformPrincipal::closeEvent(QCloseEvent* evento) {
    const RespostaMensagem resposta = Plataforma::atual().mostrarMensagem(
        texto("fmPrincipal", "msgConfirmacaoSaida"), std::string(), BotoesMensagem::SimNao);
    if (resposta != RespostaMensagem::Sim) {
        evento->ignore();
        return;
    }
    fachada().salvarConfiguracao(exibicaoEscalas);
    evento->accept();
}
