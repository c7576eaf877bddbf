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
QLineEdit, QComboBox, QSpinBox, QListWidget {
    background: #111317; color: #eef0f3; border: 1px solid #3a404b; border-radius: 4px;
    padding: 2px 6px; selection-background-color: #f4a62a; selection-color: #15171b;
}
QLineEdit:focus, QComboBox:focus, QSpinBox:focus, QListWidget:focus { border-color: #f4a62a; }
QLineEdit:read-only { color: #eef0f3; }
QComboBox::drop-down { border: none; width: 18px; }
QComboBox::down-arrow { image: none; width: 0; height: 0; border-left: 4px solid transparent;
    border-right: 4px solid transparent; border-top: 5px solid #f4a62a; margin-right: 6px; }
QComboBox QAbstractItemView { background: #111317; color: #eef0f3; border: 1px solid #3a404b;
    selection-background-color: #f4a62a; selection-color: #15171b; }
QSpinBox { padding-right: 18px; }
QSpinBox::up-button, QSpinBox::down-button { width: 16px; border: none; background: #23262d; }
QSpinBox::up-button { subcontrol-position: top right; border-top-right-radius: 4px; }
QSpinBox::down-button { subcontrol-position: bottom right; border-bottom-right-radius: 4px; }
QSpinBox::up-button:hover, QSpinBox::down-button:hover { background: #353b45; }
QSpinBox::up-arrow { image: none; width: 0; height: 0; border-left: 4px solid transparent;
    border-right: 4px solid transparent; border-bottom: 5px solid #f4a62a; }
QSpinBox::down-arrow { image: none; width: 0; height: 0; border-left: 4px solid transparent;
    border-right: 4px solid transparent; border-top: 5px solid #f4a62a; }
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

DialogoSemBorda::DialogoSemBorda(QWidget* pai, const std::string& secaoFundo, QSize tamanho)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    fundo = pixmapIdioma(secaoFundo, "imgFundo");
    setFixedSize(fundo.isNull() ? tamanho : fundo.size());
    corpoDialogo = new QWidget(this);
    corpoDialogo->setObjectName(QStringLiteral("corpo"));
    corpoDialogo->setGeometry(rect());
    corpoDialogo->setStyleSheet(QString::fromLatin1(kEstiloControles));
}

TVantorButton3D* DialogoSemBorda::criarBotao(QWidget* pai, const char* nome, const std::string& chaveImagem,
                                             const QString& legenda) {
    auto* botao = new TVantorButton3D(pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->SetImagemPressionada(pixmapIdioma("geral", chaveImagem + "Pressionado"));
    botao->SetImagemSolta(pixmapIdioma("geral", chaveImagem + "Solto"));
    botao->SetPressed(false);
    if (!legenda.isEmpty()) {
        botao->SetTextFont(fonteBotao(), Qt::white);
        botao->SetTextShadedFont(fonteBotao(), QColor(0x20, 0x20, 0x20));
        botao->SetTextShaded(true);
        botao->SetText(legenda);
    }
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
