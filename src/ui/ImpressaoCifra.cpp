#include "ui/ImpressaoCifra.h"

void abrirImpressaoCifra(const std::string& texto) {
    // The print manager (Fachada::setTextoImpressao) and the print dialog
    // (TformImpressao::atual()->prepararCifra(), then exec()) are not part of
    // the program yet: until they are, the sheet's chords reach the print
    // list and nothing else happens.
    (void)texto;
}
