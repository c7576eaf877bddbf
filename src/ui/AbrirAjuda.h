#pragma once
// Opens a help document with the desktop's default program, telling the user
// when the file is missing or the desktop refuses it (message boxes titled
// with the application's name).
#include <string>

// ancora: a place inside the document ("#telaCifras"), appended to the path.
void abrirDocumentoAjuda(const std::string& caminho, const std::string& ancora = std::string());
