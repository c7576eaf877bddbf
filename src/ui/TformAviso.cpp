#include "ui/TformAviso.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "ui/AbrirAjuda.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {
TformAviso* avisoAtual = nullptr;

std::string texto(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

}  // namespace

TformAviso::TformAviso(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("formAviso"));
    setModal(true);
    setFixedSize(402, 268);
    fundo = pixmapIdioma("fmAviso", "imgFundo");

    mensagem = new QLabel(this);
    mensagem->setObjectName(QStringLiteral("lblMensagem"));
    mensagem->setGeometry(28, 56, 346, 150);
    mensagem->setAlignment(Qt::AlignCenter);
    mensagem->setWordWrap(true);
    mensagem->setTextFormat(Qt::PlainText);
    // Clicks on the message drag the window like the background.
    mensagem->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Light lettering on the dark background picture.
    QPalette cores = mensagem->palette();
    cores.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    mensagem->setPalette(cores);
    QFont fonteMensagem = mensagem->font();
    fonteMensagem.setPixelSize(14);
    mensagem->setFont(fonteMensagem);

    prosseguir = criarBotaoIdioma(this, "btnProsseguir", "geral", "imgBotao");
    QFont fonteBotao;
    fonteBotao.setPixelSize(12);
    fonteBotao.setBold(true);
    prosseguir->SetTextFont(fonteBotao, Qt::white);
    prosseguir->SetTextShadedFont(fonteBotao, QColor(0x20, 0x20, 0x20));
    prosseguir->SetTextShaded(true);
    prosseguir->SetText(textoQt(texto("fmAviso", "btnProsseguir")));
    prosseguir->move((width() - prosseguir->width()) / 2, height() - prosseguir->height() - 18);

    ajuda = criarBotaoIdioma(this, "btnAjuda", "geral", "imgBtnAjuda");
    ajuda->setToolTip(textoQt(texto("geral", "hintBtnAjuda")));
    fechar = criarBotaoIdioma(this, "btnFechar", "geral", "imgBtnFechar");
    fechar->setToolTip(textoQt(texto("geral", "hintBtnFechar")));
    fechar->move(width() - fechar->width() - 8, 8);
    ajuda->move(fechar->x() - ajuda->width() - 4, 8);

    connect(prosseguir, &TVantorButton3D::clicked, this, &QDialog::accept);
    connect(fechar, &TVantorButton3D::clicked, this, &QDialog::reject);
    connect(ajuda, &TVantorButton3D::clicked, this, &TformAviso::abrirAjuda);

    caminhoAjuda = caminhoAjudaGeral();
    avisoAtual = this;
}

TformAviso::~TformAviso() {
    if (avisoAtual == this) avisoAtual = nullptr;
}

TformAviso* TformAviso::atual() { return avisoAtual; }

std::string TformAviso::caminhoAjudaGeral() {
    return Plataforma::atual().diretorioPrograma() + texto("parametros", "caminhoAjuda");
}

void TformAviso::exibir(const std::string& conteudo) {
    mensagem->setText(textoQt(conteudo));
    exec();
}

void TformAviso::mostrar(const std::string& conteudo) { exibir(conteudo); }

void TformAviso::mostrar(const std::string& conteudo, const std::string& ajudaDocumento) {
    caminhoAjuda = ajudaDocumento;
    exibir(conteudo);
}

void TformAviso::abrirAjuda() { abrirDocumentoAjuda(caminhoAjuda); }

void TformAviso::done(int resultado) {
    // However the dialog closes, the next notice starts from the general help.
    caminhoAjuda = caminhoAjudaGeral();
    QDialog::done(resultado);
}

void TformAviso::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    if (fundo.isNull()) {
        pintor.fillRect(rect(), palette().window());
    } else {
        pintor.drawPixmap(0, 0, fundo);
    }
}

void TformAviso::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    QRect area = geometry();
    if (const QWidget* pai = parentWidget(); pai != nullptr && pai->isVisible()) {
        area.moveCenter(pai->geometry().center());
    } else if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        area.moveCenter(tela->availableGeometry().center());
    }
    move(area.topLeft());
}

void TformAviso::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TformAviso::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) inicioArrasto = evento->globalPosition().toPoint() - pos();
    QDialog::mousePressEvent(evento);
}

void TformAviso::mouseMoveEvent(QMouseEvent* evento) {
    if (evento->buttons() & Qt::LeftButton) move(evento->globalPosition().toPoint() - inicioArrasto);
    QDialog::mouseMoveEvent(evento);
}
