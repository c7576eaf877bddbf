#include "ui/PainelAfinacao.h"

#include <QLabel>
#include <algorithm>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "core/Fachada.h"
#include "harmony/Rotulos.h"
#include "instruments/GeometriaBraco.h"
#include "ui/TextoQt.h"

namespace gb = geometriaBraco;

namespace {

constexpr int kMargemVertical = 22;
constexpr int kLarguraRotulo = 56;
constexpr int kLadoSeletor = 22;
constexpr int kFaixaToque = 9;  // half the height of a string's band for the mouse
constexpr int kCanal = 1;
constexpr int kVelocidade = 127;

const QColor kCorNormal(0xf2, 0xf2, 0xf2);
const QColor kCorRealce(0xff, 0xf4, 0xa8);
const QColor kCorTocando(0xff, 0xd4, 0x00);

}  // namespace

PainelAfinacao::PainelAfinacao(QWidget* pai) : QWidget(pai) {
    setMouseTracking(true);
    for (int i = 0; i < kSlots; ++i) {
        const int slot = i + 1;
        auto* rotulo = new QLabel(this);
        rotulo->setObjectName(QStringLiteral("lblCorda%1").arg(slot));
        rotulo->setAlignment(Qt::AlignCenter);
        rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont fonte = rotulo->font();
        fonte.setPixelSize(13);
        fonte.setBold(true);
        rotulo->setFont(fonte);
        rotulos[i] = rotulo;

        auto* seletor = new QToolButton(this);
        seletor->setObjectName(QStringLiteral("btnNotaCorda%1").arg(slot));
        seletor->setText(QStringLiteral("\u25BE"));
        seletor->setFixedSize(kLadoSeletor, kLadoSeletor);
        seletor->setCursor(Qt::PointingHandCursor);
        connect(seletor, &QToolButton::clicked, this,
                [this, slot, seletor] { emit notaPedida(slot, seletor->mapToGlobal(QPoint(0, seletor->height()))); });
        seletores[i] = seletor;
        atualizarRotulo(slot);
    }
    dispor(6, 2);
}

void PainelAfinacao::dispor(int numeroCordas, int novaOrientacao) {
    pararTocando();
    cordas = std::clamp(numeroCordas, 1, kSlots);
    orientacao = novaOrientacao;
    const bool nutDireita = gb::nutADireita(orientacao);
    for (int i = 0; i < kSlots; ++i) {
        const int slot = i + 1;
        estados[i] = Estado::Normal;
        const bool usado = slot <= cordas;
        rotulos[i]->setVisible(usado);
        seletores[i]->setVisible(usado);
        if (!usado) continue;
        const int y = yCorda(slot);
        if (nutDireita) {
            seletores[i]->move(width() - 8 - kLadoSeletor, y - kLadoSeletor / 2);
            rotulos[i]->setGeometry(seletores[i]->x() - 4 - kLarguraRotulo, y - 10, kLarguraRotulo, 20);
        } else {
            seletores[i]->move(8, y - kLadoSeletor / 2);
            rotulos[i]->setGeometry(8 + kLadoSeletor + 4, y - 10, kLarguraRotulo, 20);
        }
        atualizarRotulo(slot);
    }
    update();
}

void PainelAfinacao::setNota(int slot, int nota) {
    if (slot < 1 || slot > kSlots) return;
    notas[slot - 1] = nota;
    atualizarRotulo(slot);
}

int PainelAfinacao::getNota(int slot) const { return notas.at(static_cast<size_t>(slot - 1)); }

QLabel* PainelAfinacao::rotulo(int slot) const { return rotulos.at(static_cast<size_t>(slot - 1)); }
QToolButton* PainelAfinacao::seletor(int slot) const { return seletores.at(static_cast<size_t>(slot - 1)); }

QColor PainelAfinacao::corCorda(int slot) const {
    switch (estados.at(static_cast<size_t>(slot - 1))) {
        case Estado::Realce: return kCorRealce;
        case Estado::Tocando: return kCorTocando;
        case Estado::Normal: break;
    }
    return kCorNormal;
}

int PainelAfinacao::linha(int slot) const {
    // Slot 1 is string numeroCordas-1 of the neck (the highest); string 0 is
    // the lowest, on top in the orientations that draw it there.
    const int corda = cordas - slot;
    return gb::cordaZeroEmCima(orientacao) ? corda : cordas - 1 - corda;
}

int PainelAfinacao::yCorda(int slot) const {
    const int altura = height() - 2 * kMargemVertical;
    const int passo = cordas > 1 ? altura / (cordas - 1) : 0;
    const int sobra = altura - passo * (cordas - 1);
    return kMargemVertical + sobra / 2 + passo * linha(slot);
}

int PainelAfinacao::xInicioCordas() const {
    return gb::nutADireita(orientacao) ? 14 : 8 + kLadoSeletor + 4 + kLarguraRotulo + 10;
}

int PainelAfinacao::xFimCordas() const {
    return gb::nutADireita(orientacao) ? width() - 8 - kLadoSeletor - 4 - kLarguraRotulo - 10 : width() - 14;
}

QRect PainelAfinacao::areaCorda(int slot) const {
    return QRect(QPoint(xInicioCordas(), yCorda(slot) - kFaixaToque), QPoint(xFimCordas(), yCorda(slot) + kFaixaToque));
}

int PainelAfinacao::slotEm(QPoint ponto) const {
    for (int slot = 1; slot <= cordas; ++slot)
        if (areaCorda(slot).contains(ponto)) return slot;
    return 0;
}

void PainelAfinacao::atualizarRotulo(int slot) {
    QLabel* r = rotulos[static_cast<size_t>(slot - 1)];
    r->setText(textoQt(nomeNotaOitava(notas[static_cast<size_t>(slot - 1)])));
    r->setStyleSheet(QStringLiteral("color: %1;").arg(corCorda(slot).name()));
}

void PainelAfinacao::marcar(int slot, Estado estado) {
    for (int s = 1; s <= kSlots; ++s) {
        const Estado novo = s == slot ? estado : Estado::Normal;
        if (estados[static_cast<size_t>(s - 1)] == novo) continue;
        estados[static_cast<size_t>(s - 1)] = novo;
        atualizarRotulo(s);
    }
    update();
}

void PainelAfinacao::pararTocando() {
    if (slotTocando == 0) return;
    Fachada::getInstancia()->pararNota(kCanal, notaTocando);
    slotTocando = 0;
    notaTocando = -1;
}

void PainelAfinacao::mousePressEvent(QMouseEvent* evento) {
    const int slot = evento->button() == Qt::LeftButton ? slotEm(evento->position().toPoint()) : 0;
    if (slot == 0) {
        QWidget::mousePressEvent(evento);
        return;
    }
    pararTocando();
    slotTocando = slot;
    notaTocando = getNota(slot);
    marcar(slot, Estado::Tocando);
    Fachada::getInstancia()->tocarNota(kCanal, kVelocidade, notaTocando);
}

void PainelAfinacao::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton || slotTocando == 0) {
        QWidget::mouseReleaseEvent(evento);
        return;
    }
    pararTocando();
    const int sob = slotEm(evento->position().toPoint());
    marcar(sob, sob != 0 ? Estado::Realce : Estado::Normal);
}

void PainelAfinacao::mouseMoveEvent(QMouseEvent* evento) {
    // While a string sounds it stays marked; otherwise the one under the mouse lights up.
    if (slotTocando != 0) return;
    const int slot = slotEm(evento->position().toPoint());
    marcar(slot, slot != 0 ? Estado::Realce : Estado::Normal);
}

void PainelAfinacao::leaveEvent(QEvent* evento) {
    if (slotTocando == 0) marcar(0, Estado::Normal);
    QWidget::leaveEvent(evento);
}

void PainelAfinacao::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF fundo = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x3a, 0x40, 0x4b), 1));
    p.setBrush(QColor(0x11, 0x13, 0x17));
    p.drawRoundedRect(fundo, 6, 6);

    // The fingerboard under the strings, with its nut on the labels' side.
    const int x0 = xInicioCordas() - 6;
    const int x1 = xFimCordas() + 6;
    const QRectF madeira(x0, 8, x1 - x0, height() - 16);
    QLinearGradient veio(madeira.topLeft(), madeira.bottomLeft());
    veio.setColorAt(0, QColor(0x4a, 0x32, 0x22));
    veio.setColorAt(0.5, QColor(0x3a, 0x26, 0x19));
    veio.setColorAt(1, QColor(0x2c, 0x1c, 0x12));
    p.setPen(Qt::NoPen);
    p.setBrush(veio);
    p.drawRoundedRect(madeira, 4, 4);

    const bool nutDireita = gb::nutADireita(orientacao);
    const double larguraCasa = (x1 - x0 - 10) / 5.0;
    p.setPen(QPen(QColor(0xa8, 0xa8, 0xa8, 170), 2));
    for (int i = 1; i < 5; ++i) {
        const double x = nutDireita ? x1 - 6 - i * larguraCasa : x0 + 6 + i * larguraCasa;
        p.drawLine(QPointF(x, madeira.top() + 2), QPointF(x, madeira.bottom() - 2));
    }
    const double xNut = nutDireita ? x1 - 4 : x0 + 4;
    p.setPen(QPen(QColor(0xee, 0xe6, 0xd0), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(xNut, madeira.top()), QPointF(xNut, madeira.bottom()));

    for (int slot = 1; slot <= cordas; ++slot) {
        const int y = yCorda(slot);
        // Lower strings are drawn thicker, as on the real instrument.
        const double espessura = 1.0 + 0.45 * (slot - 1);
        p.setPen(QPen(QColor(0, 0, 0, 110), espessura));
        p.drawLine(QPointF(x0, y + 1.5), QPointF(x1, y + 1.5));
        p.setPen(QPen(corCorda(slot), espessura));
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
    }
}
