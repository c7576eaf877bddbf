#include "ui/AssistenteDriver.h"

#include "ui/TformAssistenteConfiguracaoDriver.h"

int executarAssistenteDriver() {
    if (TformAssistenteConfiguracaoDriver* assistente = TformAssistenteConfiguracaoDriver::atual()) {
        return assistente->executar();
    }
    // A program that did not create the wizard at start-up still gets one.
    TformAssistenteConfiguracaoDriver assistente;
    return assistente.executar();
}
