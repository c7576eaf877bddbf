#include "ui/TformEntrada.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/TextoQt.h"

TformEntrada::TformEntrada(QWidget* pai)
    : QWidget(pai, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("formEntrada"));
    setFixedSize(250, 250);
    imgEntrada = pixmapIdioma("fmEntrada", "imgEntrada");
}

void TformEntrada::mostrarAgora() {
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(0, 0), size());
        area.moveCenter(tela->geometry().center());
        move(area.topLeft());
    }
    show();
    raise();
    repaint();
    // Let the window system map and draw it before the wait starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TformEntrada::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    if (imgEntrada.isNull()) {
        pintor.fillRect(rect(), palette().window());
        return;
    }
    pintor.drawPixmap(rect(), imgEntrada);
}
