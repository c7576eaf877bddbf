#include "ui/TformImpressao.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include "core/Fachada.h"
#include "ui/CursorOcupado.h"
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

TformImpressao::TformImpressao(QWidget* pai)
    : DialogoSemBorda(pai, "fmImpressao", QSize(272, 256)), dialogImpressao(this) {
    setObjectName(QStringLiteral("formImpressao"));
    QWidget* base = corpo();
    titulo = criarTitulo();
    titulo->setText(texto("fmImpressao", "titulo"));

    explicacaoConteudo = criarRotulo(base, "lblExplicacaoConteudo", texto("fmImpressao", "lblExplicacaoConteudo"), 12, false);
    explicacaoConteudo->setGeometry(20, 56, 232, 18);
    opcoes = new QComboBox(base);
    opcoes->setObjectName(QStringLiteral("comboOpcoesImpressao"));
    opcoes->setGeometry(20, 76, 232, 28);
    for (const char* chave : {"comboOpcoesImpressaoItem1", "comboOpcoesImpressaoItem2", "comboOpcoesImpressaoItem3"}) {
        opcoes->addItem(texto("fmImpressao", chave));
    }

    explicacaoRotulo = criarRotulo(base, "lblExplicacaoRotulo", texto("fmImpressao", "lblExplicacaoRotulo"), 12, false);
    explicacaoRotulo->setGeometry(20, 122, 232, 18);
    rotulos = new QComboBox(base);
    rotulos->setObjectName(QStringLiteral("comboRotulo"));
    rotulos->setGeometry(20, 142, 232, 28);
    for (const char* chave : {"comboRotuloItem1", "comboRotuloItem2", "comboRotuloItem3"}) {
        rotulos->addItem(texto("fmImpressao", chave));
    }
    opcoes->setCurrentIndex(0);
    rotulos->setCurrentIndex(0);

    for (QComboBox* lista : {opcoes, rotulos}) pintarEscuro(lista);
    btnVisualizar = criarBotao(base, "btnVisualizarImpressao", "imgBotao", texto("fmImpressao", "btnVisualizarImpressao"));
    btnImprimirDoc = criarBotao(base, "btnImprimir", "imgBotao", texto("fmImpressao", "btnImprimir"));
    const int yBotoes = height() - btnImprimirDoc->height() - 24;
    btnVisualizar->move(width() / 2 - btnVisualizar->width() - 6, yBotoes);
    btnImprimirDoc->move(width() / 2 + 6, yBotoes);

    fechar = criarBotaoFechar();
    // Closing also brings the preview's picture up to date.
    disconnect(fechar, &TVantorButton3D::clicked, this, &QDialog::reject);

    connect(btnImprimirDoc, &TVantorButton3D::clicked, this, &TformImpressao::imprimir);
    connect(btnVisualizar, &TVantorButton3D::clicked, this, &TformImpressao::visualizar);
    connect(fechar, &TVantorButton3D::clicked, this, [this] {
        if (TformVisualizarImpressao* previa = TformVisualizarImpressao::atual()) previa->repaint();
        reject();
    });

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
