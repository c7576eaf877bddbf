#include "ui/Braco.h"

#include <QBitmap>
#include <QPainter>

#include "instruments/GeometriaBraco.h"
#include "ui/TextoQt.h"

namespace gb = geometriaBraco;

namespace {

QColor corQt(CorTexto cor) {
    switch (cor) {
        case CorTexto::Branco: return Qt::white;
        case CorTexto::Amarelo: return QColor(0xFF, 0xD2, 0x3C);
        case CorTexto::Preto: break;
    }
    return Qt::black;
}

}  // namespace

Braco::Braco(QWidget* pai, bool conjuntoBrasileiro, int orientacao) : QWidget(pai) {
    setObjectName(QStringLiteral("Braco"));
    setFixedSize(gb::kLargura, gb::kAltura);
    // The neck picture covers the whole area: nothing behind it to paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    aviso.setSingleShot(true);
    connect(&aviso, &QTimer::timeout, this, [this] {
        braco->temporizadorDisparou();
        update();
    });
    braco = std::make_unique<ModeloBraco>(this, conjuntoBrasileiro, orientacao);
}

Braco::~Braco() = default;

void Braco::iniciarTemporizador(int milissegundos) {
    aviso.start(milissegundos);
    update();
}

void Braco::repintar() { repaint(); }

// Pictures of the pack, decoded once. The dots are JPEG squares: the pack's
// dot mask cuts them round.
const QPixmap& Braco::imagem(const std::string& chave) {
    auto achada = imagens.find(chave);
    if (achada != imagens.end()) return achada->second;
    QPixmap pixmap = pixmapIdioma(gb::kSecaoImagens, chave);
    if (!pixmap.isNull() && (chave == gb::kImagemBolinhaAzul || chave == gb::kImagemBolinhaVermelha)) {
        const QPixmap mascara = pixmapIdioma(gb::kSecaoImagens, gb::kImagemMascaraBolinha);
        if (!mascara.isNull() && mascara.size() == pixmap.size()) {
            QImage comAlfa = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage alfa = mascara.toImage().convertToFormat(QImage::Format_Grayscale8);
            for (int y = 0; y < comAlfa.height(); ++y) {
                auto* linha = reinterpret_cast<QRgb*>(comAlfa.scanLine(y));
                const uchar* a = alfa.constScanLine(y);
                for (int x = 0; x < comAlfa.width(); ++x)
                    linha[x] = qRgba(qRed(linha[x]), qGreen(linha[x]), qBlue(linha[x]), a[x]);
            }
            pixmap = QPixmap::fromImage(comAlfa);
        }
    }
    return imagens.emplace(chave, pixmap).first->second;
}

void Braco::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    // The open strings' places lie at the very ends of the neck, where a dot
    // would be cut in half by the edge of the window; drawn just inside, it
    // still stands beyond the nut. Clicks keep to the neck's own places.
    QRect visivel = rect();
    if (parentWidget() != nullptr) visivel &= parentWidget()->rect().translated(-pos());
    for (const ItemBraco& item : braco->itens()) {
        if (!item.visivel) continue;
        const Retangulo& r = item.retangulo;
        QRect area(r.esquerda, r.topo, r.largura, r.altura);
        if (item.tipo != TipoItemBraco::Braco && area.width() <= visivel.width()) {
            if (area.left() < visivel.left()) area.moveLeft(visivel.left());
            if (area.right() > visivel.right()) area.moveRight(visivel.right());
        }
        if (item.ehImagem()) {
            const QPixmap& figura = imagem(item.imagem);
            if (figura.isNull()) {
                if (item.tipo == TipoItemBraco::Braco) pintor.fillRect(area, QColor(0x2A, 0x1C, 0x12));
                continue;
            }
            pintor.drawPixmap(area.topLeft(), figura);
            continue;
        }
        if (item.texto.empty()) continue;
        QFont fonte(QStringLiteral("Sans Serif"));
        fonte.setStyleHint(QFont::SansSerif);
        fonte.setPixelSize(item.tamanhoFonte);
        fonte.setBold(item.negrito);
        pintor.setFont(fonte);
        pintor.setPen(corQt(item.cor));
        pintor.drawText(area, Qt::AlignCenter, textoQt(item.texto));
    }
}
