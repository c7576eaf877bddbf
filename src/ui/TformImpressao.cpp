#include "ui/TformImpressao.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>

#include "core/Fachada.h"
#include "ui/JanelaSemBorda.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"
#include "ui/TformVisualizarImpressao.h"

namespace {
TformImpressao* impressaoAtual = nullptr;

QString texto(const char* secao, const char* chave) { return textoQt(Fachada::getInstancia()->getTexto(secao, chave)); }

QLabel* criarRotulo(QWidget* pai, const char* nome, const QString& legenda, int pixels, bool negrito) {
    auto* rotulo = new QLabel(legenda, pai);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setTextFormat(Qt::PlainText);
    // Clicks on a caption drag the window like the background.
    rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont fonte = rotulo->font();
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    rotulo->setFont(fonte);
    return rotulo;
}

}  // namespace

TformImpressao::TformImpressao(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint), dialogImpressao(this) {
    setObjectName(QStringLiteral("formImpressao"));
    setModal(true);
    setFixedSize(272, 256);
    fundo = pixmapIdioma("fmImpressao", "imgFundo");

    titulo = criarRotulo(this, "lblTitulo", texto("fmImpressao", "titulo"), 14, true);
    titulo->setGeometry(40, 10, 180, 22);
    QPalette branco = titulo->palette();
    branco.setColor(QPalette::WindowText, QColor(0xF4, 0xF4, 0xF4));

    explicacaoConteudo = criarRotulo(this, "lblExplicacaoConteudo", texto("fmImpressao", "lblExplicacaoConteudo"), 12, false);
    explicacaoConteudo->setGeometry(20, 56, 232, 18);
    opcoes = new QComboBox(this);
    opcoes->setObjectName(QStringLiteral("comboOpcoesImpressao"));
    opcoes->setGeometry(20, 76, 232, 28);
    for (const char* chave : {"comboOpcoesImpressaoItem1", "comboOpcoesImpressaoItem2", "comboOpcoesImpressaoItem3"}) {
        opcoes->addItem(texto("fmImpressao", chave));
    }

    explicacaoRotulo = criarRotulo(this, "lblExplicacaoRotulo", texto("fmImpressao", "lblExplicacaoRotulo"), 12, false);
    explicacaoRotulo->setGeometry(20, 122, 232, 18);
    rotulos = new QComboBox(this);
    rotulos->setObjectName(QStringLiteral("comboRotulo"));
    rotulos->setGeometry(20, 142, 232, 28);
    for (const char* chave : {"comboRotuloItem1", "comboRotuloItem2", "comboRotuloItem3"}) {
        rotulos->addItem(texto("fmImpressao", chave));
    }
    opcoes->setCurrentIndex(0);
    rotulos->setCurrentIndex(0);

    btnVisualizar = criarBotaoGeral(this, "btnVisualizarImpressao", "imgBotao");
    legendarBotao(btnVisualizar, texto("fmImpressao", "btnVisualizarImpressao"));
    btnImprimirDoc = criarBotaoGeral(this, "btnImprimir", "imgBotao");
    legendarBotao(btnImprimirDoc, texto("fmImpressao", "btnImprimir"));
    const int yBotoes = height() - btnImprimirDoc->height() - 24;
    btnVisualizar->move(width() / 2 - btnVisualizar->width() - 6, yBotoes);
    btnImprimirDoc->move(width() / 2 + 6, yBotoes);

    fechar = criarBotaoGeral(this, "btnFechar", "imgBtnFechar");
    fechar->setToolTip(texto("geral", "hintBtnFechar"));
    fechar->move(width() - fechar->width() - 8, 8);

    connect(btnImprimirDoc, &TVantorButton3D::clicked, this, &TformImpressao::imprimir);
    connect(btnVisualizar, &TVantorButton3D::clicked, this, &TformImpressao::visualizar);
    connect(fechar, &TVantorButton3D::clicked, this, [this] {
        if (TformVisualizarImpressao* previa = TformVisualizarImpressao::atual()) previa->repaint();
        reject();
    });

    new ArrastoJanela(this);
    escurecerControles(this);
    titulo->setPalette(branco);
    prepararImpressao(kModoListaImpressao);
    impressaoAtual = this;
}

TformImpressao::~TformImpressao() {
    if (impressaoAtual == this) impressaoAtual = nullptr;
}

TformImpressao* TformImpressao::atual() { return impressaoAtual; }

void TformImpressao::prepararImpressao(int modo) {
    const bool cifra = modo == kModoCifra;
    opcoes->setCurrentIndex(cifra ? 0 : 1);
    opcoes->setEnabled(cifra);
    explicacaoConteudo->setEnabled(cifra);
}

int TformImpressao::getConteudo() const { return opcoes->currentIndex(); }
int TformImpressao::getRotulo() const { return rotulos->currentIndex(); }

void TformImpressao::imprimir() { Fachada::getInstancia()->imprimir(dialogImpressao, getConteudo(), getRotulo()); }

void TformImpressao::visualizar() {
    const CursorOcupado ocupado;
    if (TformVisualizarImpressao* previa = TformVisualizarImpressao::atual()) previa->setZoom(100);
    Fachada::getInstancia()->visualizar(getConteudo(), getRotulo(), 1, 300);
}

void TformImpressao::done(int resultado) {
    QDialog::done(resultado);
    // The chord-sheet import prepares each showing of its own; otherwise the
    // dialog prints the main window's print list.
    prepararImpressao(kModoListaImpressao);
}

void TformImpressao::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    if (fundo.isNull()) {
        pintor.fillRect(rect(), QColor(0x1e, 0x21, 0x27));
    } else {
        pintor.drawPixmap(0, 0, fundo);
    }
}

void TformImpressao::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    centrarJanela(this);
}

