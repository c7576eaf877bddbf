#include "ui/JanelaSemBorda.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
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

QString estiloControlesEscuros() {
    return QStringLiteral(
        "QComboBox, QSpinBox { background: #2b3038; color: #eeeeee; border: 1px solid #4a525e;"
        " border-radius: 4px; padding: 2px 6px; font-size: 12px; }"
        "QComboBox:disabled, QSpinBox:disabled { color: #7d8591; background: #23272e; border-color: #363c45; }"
        "QComboBox:hover, QSpinBox:hover { border-color: #d8a24a; }"
        "QComboBox::drop-down { border: none; width: 20px; }"
        "QComboBox QAbstractItemView { background: #2b3038; color: #eeeeee; border: 1px solid #4a525e;"
        " selection-background-color: #d8a24a; selection-color: #15171b; }"
        "QLabel { color: #d6d9de; } QLabel:disabled { color: #6b727d; }");
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
