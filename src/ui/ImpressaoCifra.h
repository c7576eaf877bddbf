#pragma once
// The last step of printing a chord sheet: hand the song's text to the print
// manager, prepare the print dialog for a sheet and show it, modal.
#include <string>

void abrirImpressaoCifra(const std::string& texto);
