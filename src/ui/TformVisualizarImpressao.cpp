#include "ui/TformVisualizarImpressao.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>

#include "core/Fachada.h"
#include "ui/ImpressoraQt.h"
#include "ui/CursorOcupado.h"
#include "ui/SuperficieQt.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"
#include "ui/TformImpressao.h"

namespace {
TformVisualizarImpressao* visualizacaoAtual = nullptr;

constexpr int kAlturaBarra = 40;

QString texto(const char* secao, const char* chave) { return textoQt(Fachada::getInstancia()->getTexto(secao, chave)); }

// The bar's picture behind its controls; dragging it moves the window.
class BarraSuperior : public QWidget {
public:
    BarraSuperior(QWidget* pai, const QPixmap& figura) : QWidget(pai), figura(figura) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        if (figura.isNull()) {
            pintor.fillRect(rect(), QColor(0x26, 0x2a, 0x31));
        } else {
            pintor.drawPixmap(0, 0, figura);
        }
    }

private:
    const QPixmap& figura;
};

}  // namespace

TformVisualizarImpressao::TformVisualizarImpressao(QWidget* pai)
    : DialogoSemBorda(pai, "fmVisualizarImpressao", QSize(365, 509)) {
    setObjectName(QStringLiteral("formVisualizarImpressao"));
    barra = pixmapIdioma("fmVisualizarImpressao", "imgBarraSuperior");

    // Clicks on the bar fall through to the dialog, which drags the window.
    topo = new BarraSuperior(corpo(), barra);
    topo->setGeometry(0, 0, width(), kAlturaBarra);

    btnImprimirDoc = criarBotao(topo, "btnImprimir", "imgBotaoPequeno", texto("fmVisualizarImpressao", "btnImprimir"));
    btnImprimirDoc->move(8, (kAlturaBarra - btnImprimirDoc->height()) / 2);

    fechar = criarBotaoFechar();
    fechar->raise();

    const int yControle = (kAlturaBarra - 24) / 2;
    rotuloPagina = new QLabel(texto("fmVisualizarImpressao", "lblPagina"), topo);
    rotuloPagina->setObjectName(QStringLiteral("lblPagina"));
    rotuloPagina->setGeometry(92, yControle, 40, 24);
    rotuloPagina->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spin = new QSpinBox(topo);
    spin->setObjectName(QStringLiteral("spinPagina"));
    spin->setGeometry(136, yControle, 50, 24);
    spin->setMinimum(1);
    spin->setMaximum(1);
    spin->setEnabled(false);
    // Only the arrows turn the pages.
    if (auto* campo = spin->findChild<QLineEdit*>()) campo->setReadOnly(true);
    rotuloDe = new QLabel(topo);
    rotuloDe->setObjectName(QStringLiteral("lblDe"));
    rotuloDe->setGeometry(192, yControle, 50, 24);
    rotuloDe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    zoom = new QComboBox(topo);
    zoom->setObjectName(QStringLiteral("comboZoom"));
    zoom->addItems({QStringLiteral("100%"), QStringLiteral("200%"), QStringLiteral("300%")});
    zoom->setGeometry(fechar->x() - 78, yControle, 70, 24);

    for (QWidget* controle : std::initializer_list<QWidget*>{spin, zoom}) pintarEscuro(controle);

    area = new QScrollArea(corpo());
    area->setObjectName(QStringLiteral("areaPagina"));
    area->setGeometry(0, kAlturaBarra, width(), height() - kAlturaBarra);
    area->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    area->setFrameShape(QFrame::NoFrame);
    area->setBackgroundRole(QPalette::Dark);
    imagem = new QLabel;
    imagem->setObjectName(QStringLiteral("imageVisualizar"));
    area->setWidget(imagem);

    connect(spin, &QSpinBox::valueChanged, this, [this] { paginaOuZoomMudou(); });
    connect(zoom, &QComboBox::currentIndexChanged, this, [this] { paginaOuZoomMudou(); });
    connect(btnImprimirDoc, &TVantorButton3D::clicked, this, &TformVisualizarImpressao::imprimir);

    QPalette fundoPagina = area->palette();
    fundoPagina.setColor(QPalette::Dark, QColor(0x3A, 0x3F, 0x47));
    area->setPalette(fundoPagina);

    FachadaGUI::getInstancia()->registrarVisualizacao(this);
    visualizacaoAtual = this;
}

TformVisualizarImpressao::~TformVisualizarImpressao() {
    if (FachadaGUI::getInstancia()->getVisualizacao() == this) FachadaGUI::getInstancia()->registrarVisualizacao(nullptr);
    if (visualizacaoAtual == this) visualizacaoAtual = nullptr;
}

TformVisualizarImpressao* TformVisualizarImpressao::atual() { return visualizacaoAtual; }

int TformVisualizarImpressao::getZoom() const {
    QString entrada = zoom->currentText();
    entrada.chop(1);  // the percent sign
    return entrada.toInt();
}

void TformVisualizarImpressao::setZoom(int valor) {
    const QSignalBlocker bloqueio(zoom);
    zoom->setCurrentText(QString::number(valor) + QLatin1Char('%'));
}

std::optional<TamanhoPagina> TformVisualizarImpressao::tamanhoPaginaImpressora() const {
    return ImpressoraQt::paginaImpressoraPadrao();
}

std::unique_ptr<SuperficieDesenho> TformVisualizarImpressao::novaPagina(int largura, int altura) {
    return std::make_unique<PaginaImagemQt>(largura, altura);
}

void TformVisualizarImpressao::mostrarPagina(const SuperficieDesenho& pagina, int paginas, int largura, int altura) {
    {
        const QSignalBlocker bloqueio(spin);
        spin->setRange(1, std::max(1, paginas));
        spin->setEnabled(paginas > 1);
    }
    rotuloDe->setText(texto("fmVisualizarImpressao", "lblDe") + QLatin1Char(' ') + QString::number(paginas));
    imagem->setFixedSize(largura, altura);
    QPixmap figura(largura, altura);
    figura.fill(Qt::white);
    if (const auto* qt = dynamic_cast<const PaginaImagemQt*>(&pagina)) {
        QPainter pintor(&figura);
        pintor.drawImage(0, 0, qt->imagem());
    }
    imagem->setPixmap(figura);
}

void TformVisualizarImpressao::exibir() {
    // A busy cursor set while the pages were built does not stay over the preview.
    int cursores = 0;
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
        ++cursores;
    }
    exec();
    for (; cursores > 0; --cursores) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TformVisualizarImpressao::paginaOuZoomMudou() {
    const CursorOcupado ocupado;
    Fachada::getInstancia()->mostrarPagina(spin->value(), getZoom());
}

void TformVisualizarImpressao::imprimir() {
    TformImpressao* dialogo = TformImpressao::atual();
    if (dialogo == nullptr) return;
    Fachada::getInstancia()->imprimir(dialogo->getDialogoImpressao(), dialogo->getConteudo(), dialogo->getRotulo());
}

void TformVisualizarImpressao::done(int resultado) {
    QDialog::done(resultado);
    const QSignalBlocker bloqueio(spin);
    spin->setValue(1);
}

void TformVisualizarImpressao::showEvent(QShowEvent* evento) {
    DialogoSemBorda::showEvent(evento);
    // Centred on the screen, whatever opened it.
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        QRect area = geometry();
        area.moveCenter(tela->availableGeometry().center());
        move(area.topLeft());
    }
}
