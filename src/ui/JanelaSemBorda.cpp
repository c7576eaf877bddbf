#include "ui/JanelaSemBorda.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

TVantorButton3D* criarBotaoGeral(QWidget* pai, const char* nome, const std::string& chaveImagem) {
    auto* botao = new TVantorButton3D(pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->SetImagemPressionada(pixmapIdioma("geral", chaveImagem + "Pressionado"));
    botao->SetImagemSolta(pixmapIdioma("geral", chaveImagem + "Solto"));
    botao->SetPressed(false);
    return botao;
}

void legendarBotao(TVantorButton3D* botao, const QString& legenda) {
    QFont fonte;
    fonte.setPixelSize(12);
    fonte.setBold(true);
    botao->SetTextFont(fonte, Qt::white);
    botao->SetTextShadedFont(fonte, QColor(0x20, 0x20, 0x20));
    botao->SetTextShaded(true);
    botao->SetText(legenda);
}

void escurecerControles(QWidget* janela) {
    QPalette cores = janela->palette();
    const QColor texto(0xEE, 0xEE, 0xEE);
    const QColor apagado(0x6B, 0x72, 0x7D);
    cores.setColor(QPalette::WindowText, QColor(0xD6, 0xD9, 0xDE));
    cores.setColor(QPalette::Text, texto);
    cores.setColor(QPalette::ButtonText, texto);
    cores.setColor(QPalette::Base, QColor(0x2B, 0x30, 0x38));
    cores.setColor(QPalette::Button, QColor(0x2B, 0x30, 0x38));
    cores.setColor(QPalette::Window, QColor(0x1E, 0x21, 0x27));
    cores.setColor(QPalette::Highlight, QColor(0xD8, 0xA2, 0x4A));
    cores.setColor(QPalette::HighlightedText, QColor(0x15, 0x17, 0x1B));
    for (const auto papel : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        cores.setColor(QPalette::Disabled, papel, apagado);
    }
    cores.setColor(QPalette::Disabled, QPalette::Button, QColor(0x23, 0x27, 0x2E));
    cores.setColor(QPalette::Disabled, QPalette::Base, QColor(0x23, 0x27, 0x2E));
    // One drawing style for the lists and spinners whatever the desktop's,
    // so that they fit the pictures around them.
    static QStyle* const estilo = QStyleFactory::create(QStringLiteral("Fusion"));
    const auto controles = janela->findChildren<QWidget*>();
    for (QWidget* controle : controles) {
        if (estilo != nullptr && (qobject_cast<QComboBox*>(controle) || qobject_cast<QAbstractSpinBox*>(controle))) {
            controle->setStyle(estilo);
        }
    }
    janela->setPalette(cores);
}

void centrarJanela(QWidget* janela, bool naTela) {
    QRect area = janela->geometry();
    if (const QWidget* pai = janela->parentWidget(); !naTela && pai != nullptr && pai->isVisible()) {
        area.moveCenter(pai->geometry().center());
    } else if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        area.moveCenter(tela->availableGeometry().center());
    }
    janela->move(area.topLeft());
}

CursorOcupado::CursorOcupado() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
CursorOcupado::~CursorOcupado() { QGuiApplication::restoreOverrideCursor(); }

ArrastoJanela::ArrastoJanela(QWidget* alca) : QObject(alca), alca(alca) { alca->installEventFilter(this); }

bool ArrastoJanela::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != alca) return false;
    QWidget* janela = alca->window();
    if (evento->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        if (mouse->button() == Qt::LeftButton) inicio = mouse->globalPosition().toPoint() - janela->pos();
    } else if (evento->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        if (mouse->buttons() & Qt::LeftButton) janela->move(mouse->globalPosition().toPoint() - inicio);
    }
    return false;
}
