#include "ui/TVantorButton3D.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TVantorButton3D::TVantorButton3D(QWidget* pai) : QWidget(pai) {
    setFixedSize(100, 27);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
    imagem = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
}

void TVantorButton3D::SetImagemSolta(const QPixmap& figura) {
    _PictureUp = figura;
    if (!figura.isNull()) setFixedSize(figura.size());
    CentralizarCoordenadasTexto();
    SoltarBotao();
    _Pressed = false;
}

void TVantorButton3D::SetImagemPressionada(const QPixmap& figura) {
    _PictureDown = figura;
    PressionarBotao();
    _Pressed = true;
}

void TVantorButton3D::SetPressed(bool pressionado) {
    if (pressionado) {
        PressionarBotao();
    } else {
        SoltarBotao();
    }
    _Pressed = pressionado;
}

void TVantorButton3D::SetText(const QString& texto) {
    _Text = texto;
    if (_TextCenteredX || _TextCenteredY) CentralizarCoordenadasTexto();
    redesenhar();
}

void TVantorButton3D::SetTextX(int x) {
    _TextCenteredX = false;
    _TextCentered = false;
    _TextX = x;
    redesenhar();
}

void TVantorButton3D::SetTextY(int y) {
    _TextCenteredY = false;
    _TextCentered = false;
    _TextY = y;
    redesenhar();
}

void TVantorButton3D::SetTextDepth(int profundidade) {
    _TextPressedDepth = profundidade;
    redesenhar();
}

void TVantorButton3D::SetTextFont(const QFont& fonte, const QColor& cor) {
    _TextFont = fonte;
    _TextColor = cor;
    // A new font changes the caption's size, so a centred caption moves.
    CentralizarCoordenadasTexto();
    redesenhar();
}

void TVantorButton3D::SetTextFontColor(const QColor& cor) {
    _TextColor = cor;
    redesenhar();
}

void TVantorButton3D::SetTextCentered(bool centrado) {
    _TextCentered = _TextCenteredX = _TextCenteredY = centrado;
    CentralizarCoordenadasTexto();
    redesenhar();
}

void TVantorButton3D::SetTextCenteredX(bool centrado) {
    _TextCenteredX = centrado;
    _TextCentered = _TextCenteredX && _TextCenteredY;
    CentralizarCoordenadasTexto();
    redesenhar();
}

void TVantorButton3D::SetTextCenteredY(bool centrado) {
    _TextCenteredY = centrado;
    _TextCentered = _TextCenteredX && _TextCenteredY;
    CentralizarCoordenadasTexto();
    redesenhar();
}

void TVantorButton3D::SetTextShaded(bool sombreado) {
    _TextShaded = sombreado;
    redesenhar();
}

void TVantorButton3D::SetTextShadedFont(const QFont& fonte, const QColor& cor) {
    _TextShadedFont = fonte;
    _TextShadedColor = cor;
    redesenhar();
}

void TVantorButton3D::CentralizarCoordenadasTexto() {
    const QFontMetrics medidas(_TextFont);
    if (_TextCenteredX) _TextX = (width() - medidas.horizontalAdvance(_Text)) / 2;
    if (_TextCenteredY) _TextY = (height() - medidas.height()) / 2;
}

void TVantorButton3D::redesenhar() {
    if (_Pressed) {
        PressionarBotao();
    } else {
        SoltarBotao();
    }
}

void TVantorButton3D::SoltarBotao() {
    imagem = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    if (!_PictureUp.isNull()) {
        QPainter pintor(&imagem);
        pintor.drawPixmap(0, 0, _PictureUp);
        ImprimirTexto(pintor, _TextX, _TextY);
    }
    update();
}

void TVantorButton3D::PressionarBotao() {
    imagem = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    if (!_PictureDown.isNull()) {
        QPainter pintor(&imagem);
        pintor.drawPixmap(0, 0, _PictureDown);
        if (_TextStatic) {
            ImprimirTexto(pintor, _TextX, _TextY);
        } else {
            ImprimirTexto(pintor, _TextX + _TextPressedDepth, _TextY + _TextPressedDepth);
        }
    }
    update();
}

void TVantorButton3D::ImprimirTexto(QPainter& pintor, int x, int y) {
    if (_Text.isEmpty()) return;
    const int alinhamento = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const QRect area(x, y, QFontMetrics(_TextFont).horizontalAdvance(_Text) + 2, QFontMetrics(_TextFont).height());
    if (_TextShaded) {
        pintor.setFont(_TextShadedFont);
        pintor.setPen(_TextShadedColor);
        pintor.drawText(area.translated(1, 1), alinhamento, _Text);
    }
    pintor.setFont(_TextFont);
    pintor.setPen(_TextColor);
    pintor.drawText(area, alinhamento, _Text);
}

void TVantorButton3D::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.drawImage(0, 0, imagem);
}

void TVantorButton3D::MouseDown() {
    if (_ButtonStyle == bsDropWhenPressed) {
        SetPressed(true);
    } else if (_Pressed) {
        soltarNoProximoUp = true;
    } else {
        SetPressed(true);
    }
}

void TVantorButton3D::MouseUp() {
    if (_ButtonStyle == bsDropWhenPressed) {
        SetPressed(false);
    } else if (soltarNoProximoUp) {
        SetPressed(false);
        soltarNoProximoUp = false;
    }
}

void TVantorButton3D::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) {
        if (_AutoControlPressing) MouseDown();
        cliqueIniciado = true;
    }
    QWidget::mousePressEvent(evento);
}

void TVantorButton3D::mouseDoubleClickEvent(QMouseEvent* evento) {
    // The second press of a double click: pressed look, but one click only
    // is reported for the pair, followed by the double click.
    if (evento->button() == Qt::LeftButton) {
        if (_AutoControlPressing) MouseDown();
        cliqueIniciado = false;
        emit duploClique();
    }
    evento->accept();
}

void TVantorButton3D::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) {
        if (_AutoControlPressing) MouseUp();
        const bool clicou = cliqueIniciado && rect().contains(evento->position().toPoint());
        cliqueIniciado = false;
        if (clicou) emit clicked();
    }
    QWidget::mouseReleaseEvent(evento);
}
