#include "ui/DialogoSemBorda.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "core/base/GerenciadorIdiomas.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {

constexpr int kAlturaFaixa = 40;

// Colours of the picture pack's dialog body, so the controls sit on it as if drawn with it.
const char* const kEstiloControles = R"(
QLabel, QRadioButton, QCheckBox { color: #eef0f3; }
QLineEdit, QListWidget {
    background: #111317; color: #eef0f3; border: 1px solid #3a404b; border-radius: 4px;
    padding: 2px 6px; selection-background-color: #f4a62a; selection-color: #15171b;
}
QLineEdit:focus, QListWidget:focus { border-color: #f4a62a; }
QRadioButton::indicator { width: 12px; height: 12px; border-radius: 7px; border: 2px solid #8f98a4;
    background: #111317; }
QRadioButton::indicator:hover { border-color: #eef0f3; }
QRadioButton::indicator:checked { border-color: #f4a62a; background: qradialgradient(cx: 0.5, cy: 0.5,
    radius: 0.5, fx: 0.5, fy: 0.5, stop: 0 #f4a62a, stop: 0.5 #f4a62a, stop: 0.62 #111317, stop: 1 #111317); }
QMenu { background: #1b1d22; color: #eef0f3; border: 1px solid #3a404b; padding: 4px 0; }
QMenu::item { padding: 4px 22px 4px 16px; }
QMenu::item:selected { background: #f4a62a; color: #15171b; }
QMenu::separator { height: 1px; background: #3a404b; margin: 4px 8px; }
QListWidget { padding: 2px; outline: none; }
QListWidget::item { padding: 4px 6px; border-radius: 3px; }
QListWidget::item:hover { background: #23262d; }
QListWidget::item:selected { background: #f4a62a; color: #15171b; }
QTabWidget::pane { border: 1px solid #353b45; border-radius: 6px; background: #181a1f; top: -1px; }
QTabBar::tab { background: #20232a; color: #8f98a4; padding: 6px 16px; border: 1px solid #353b45;
    border-bottom: none; border-top-left-radius: 6px; border-top-right-radius: 6px; margin-right: 3px; }
QTabBar::tab:selected { background: #181a1f; color: #ffd27f; }
QTabBar::tab:hover:!selected { color: #eef0f3; }
QToolButton { background: #23262d; color: #f4a62a; border: 1px solid #3a404b; border-radius: 4px; }
QToolButton:hover { border-color: #f4a62a; }
QToolButton::menu-indicator { image: none; }
)";

QFont fonteBotao() {
    QFont fonte;
    fonte.setPixelSize(12);
    fonte.setBold(true);
    return fonte;
}

}  // namespace

QString DialogoSemBorda::estiloControles() { return QString::fromLatin1(kEstiloControles); }

void DialogoSemBorda::pintarEscuro(QWidget* controle) {
    QPalette cores = controle->palette();
    cores.setColor(QPalette::Base, QColor(0x11, 0x13, 0x17));
    cores.setColor(QPalette::Window, QColor(0x1b, 0x1d, 0x22));
    cores.setColor(QPalette::Button, QColor(0x26, 0x29, 0x30));
    for (QPalette::ColorRole papel : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        cores.setColor(papel, QColor(0xee, 0xf0, 0xf3));
    cores.setColor(QPalette::Highlight, QColor(0xf4, 0xa6, 0x2a));
    cores.setColor(QPalette::HighlightedText, QColor(0x15, 0x17, 0x1b));
    controle->setPalette(cores);
}

DialogoSemBorda::DialogoSemBorda(QWidget* pai, const std::string& secaoFundo, QSize tamanho)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    fundo = pixmapIdioma(secaoFundo, "imgFundo");
    setFixedSize(fundo.isNull() ? tamanho : fundo.size());
    corpoDialogo = new QWidget(this);
    corpoDialogo->setObjectName(QStringLiteral("corpo"));
    corpoDialogo->setGeometry(rect());
    corpoDialogo->setStyleSheet(estiloControles());
}

TVantorButton3D* DialogoSemBorda::criarBotao(QWidget* pai, const char* nome, const std::string& chaveImagem,
                                             const QString& legenda) {
    auto* botao = new TVantorButton3D(pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->SetImagemPressionada(pixmapIdioma("geral", chaveImagem + "Pressionado"));
    botao->SetImagemSolta(pixmapIdioma("geral", chaveImagem + "Solto"));
    botao->SetPressed(false);
    // Captions given later (a confirm button named by the dialog's mode) get the same look.
    botao->SetTextFont(fonteBotao(), Qt::white);
    botao->SetTextShadedFont(fonteBotao(), QColor(0x20, 0x20, 0x20));
    botao->SetTextShaded(true);
    if (!legenda.isEmpty()) botao->SetText(legenda);
    return botao;
}

QLabel* DialogoSemBorda::criarTitulo() {
    auto* titulo = new QLabel(corpoDialogo);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    titulo->setGeometry(40, 8, width() - 80, 24);
    titulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont fonte = titulo->font();
    fonte.setPixelSize(15);
    fonte.setBold(true);
    titulo->setFont(fonte);
    titulo->setStyleSheet(QStringLiteral("color: #ffffff;"));
    return titulo;
}

TVantorButton3D* DialogoSemBorda::criarBotaoFechar() {
    TVantorButton3D* fechar = criarBotao(corpoDialogo, "btnFechar", "imgBtnFechar");
    fechar->setToolTip(textoQt(GerenciadorIdiomas::getInstancia()->getTexto("geral", "hintBtnFechar")));
    fechar->move(width() - fechar->width() - 8, (kAlturaFaixa - fechar->height()) / 2);
    connect(fechar, &TVantorButton3D::clicked, this, &QDialog::reject);
    return fechar;
}

void DialogoSemBorda::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    if (fundo.isNull()) {
        pintor.fillRect(rect(), QColor(0x1a, 0x1c, 0x21));
    } else {
        pintor.drawPixmap(0, 0, fundo);
    }
}

void DialogoSemBorda::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    QRect area = geometry();
    if (const QWidget* pai = parentWidget(); pai != nullptr && pai->isVisible()) {
        area.moveCenter(pai->geometry().center());
    } else if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        area.moveCenter(tela->availableGeometry().center());
    }
    move(area.topLeft());
}

void DialogoSemBorda::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) inicioArrasto = evento->globalPosition().toPoint() - pos();
    QDialog::mousePressEvent(evento);
}

void DialogoSemBorda::mouseMoveEvent(QMouseEvent* evento) {
    if (evento->buttons() & Qt::LeftButton) move(evento->globalPosition().toPoint() - inicioArrasto);
    QDialog::mouseMoveEvent(evento);
}
