#include "ui/SuperficieQt.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>

#include "ui/TextoQt.h"

namespace {

// The layout names the faces of the system it was drawn on; where they are
// missing the same kind of face stands in.
QFont::StyleHint estiloDe(const QString& nome) {
    if (nome.contains(QStringLiteral("Courier"), Qt::CaseInsensitive)) return QFont::Monospace;
    if (nome.contains(QStringLiteral("Times"), Qt::CaseInsensitive)) return QFont::Serif;
    return QFont::SansSerif;
}

}  // namespace

void SuperficieQt::usarPintor(QPainter* novo) { pintor = novo; }

void SuperficieQt::setFonte(const std::string& nome, int altura) {
    const QString face = QString::fromLatin1(nome.c_str());
    QFont fonte(face);
    fonte.setStyleHint(estiloDe(face));
    fonte.setPixelSize(std::max(1, altura));
    pintor->setFont(fonte);
}

void SuperficieQt::setLarguraCaneta(int largura) {
    pintor->setPen(QPen(Qt::black, std::max(1, largura), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

void SuperficieQt::escreverTexto(int x, int y, const std::string& texto) {
    const QFontMetrics medidas(pintor->font(), pintor->device());
    pintor->drawText(QPoint(x, y + medidas.ascent()), textoQt(texto));
}

int SuperficieQt::larguraTexto(const std::string& texto) {
    return QFontMetrics(pintor->font(), pintor->device()).horizontalAdvance(textoQt(texto));
}

int SuperficieQt::alturaTexto(const std::string&) { return QFontMetrics(pintor->font(), pintor->device()).height(); }

void SuperficieQt::linha(int x1, int y1, int x2, int y2) { pintor->drawLine(x1, y1, x2, y2); }

void SuperficieQt::retangulo(int esquerda, int topo, int direita, int base) {
    pintor->setBrush(Qt::NoBrush);
    pintor->drawRect(esquerda, topo, direita - esquerda, base - topo);
}

void SuperficieQt::elipse(int esquerda, int topo, int direita, int base) {
    pintor->setBrush(Qt::white);
    pintor->drawEllipse(esquerda, topo, direita - esquerda, base - topo);
    pintor->setBrush(Qt::NoBrush);
}

PaginaImagemQt::PaginaImagemQt(int largura, int altura)
    : figura(std::max(1, largura), std::max(1, altura), QImage::Format_RGB32) {
    figura.fill(Qt::white);
    pintorProprio.begin(&figura);
    pintorProprio.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    usarPintor(&pintorProprio);
}

PaginaImagemQt::~PaginaImagemQt() {
    if (pintorProprio.isActive()) pintorProprio.end();
}

const QImage& PaginaImagemQt::imagem() const {
    if (pintorProprio.isActive()) pintorProprio.end();
    return figura;
}
