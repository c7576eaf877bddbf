#pragma once
// The windows' side of the Windows-1252 text of the core: every caption,
// message and list item passes through here on its way to a widget.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <memory>
#include <string>

#include "core/base/Imagem.h"

// Core text for display. Line breaks of the language file (CR LF) become the
// single line feed that widgets expect.
QString textoQt(const std::string& cp1252);
// A widget's text for the core; characters Windows-1252 lacks become '?'.
std::string texto1252De(const QString& texto);

// A decoded picture as the windows draw it; a null image for nothing.
QImage imagemQt(const Imagem* imagem);
// A picture of the loaded language's pack; a null pixmap when there is none.
QPixmap pixmapIdioma(const std::string& secao, const std::string& chave);
