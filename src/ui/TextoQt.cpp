#include "ui/TextoQt.h"

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Texto1252.h"

QString textoQt(const std::string& cp1252) {
    QString texto = QString::fromUtf8(texto1252::paraUtf8(cp1252));
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texto;
}

std::string texto1252De(const QString& texto) {
    std::string resultado;
    for (const QChar c : texto) {
        // One character at a time, so that a single unmappable one does not
        // lose the whole text.
        const auto convertido = texto1252::deUtf8(QString(c).toStdString());
        resultado += convertido ? *convertido : std::string("?");
    }
    return resultado;
}

QImage imagemQt(const Imagem* imagem) {
    if (imagem == nullptr || imagem->largura <= 0 || imagem->altura <= 0) return QImage();
    // Copied, since the core's buffer does not outlive the call.
    return QImage(imagem->rgb.data(), imagem->largura, imagem->altura, imagem->largura * 3, QImage::Format_RGB888)
        .copy();
}

QPixmap pixmapIdioma(const std::string& secao, const std::string& chave) {
    const auto imagem = GerenciadorIdiomas::getInstancia()->getImagem(secao, chave);
    return QPixmap::fromImage(imagemQt(imagem.get()));
}
