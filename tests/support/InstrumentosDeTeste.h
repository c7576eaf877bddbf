#pragma once
// Installs an instrument manager with only the two built-ins (no instrument
// file) and no current instrument, for a test's lifetime.
#include <memory>

#include "core/base/Plataforma.h"
#include "instruments/GerenciadorInstrumentos.h"

class InstrumentosDeTeste {
public:
    explicit InstrumentosDeTeste(Plataforma& plataforma) {
        GerenciadorInstrumentos::substituirInstancia(
            std::make_unique<GerenciadorInstrumentos>(BRELVIO_APP_DIR "/nao-existe.xml", &plataforma));
    }
    ~InstrumentosDeTeste() { GerenciadorInstrumentos::substituirInstancia(nullptr); }
    InstrumentosDeTeste(const InstrumentosDeTeste&) = delete;
    InstrumentosDeTeste& operator=(const InstrumentosDeTeste&) = delete;

    GerenciadorInstrumentos& gerenciador() { return *GerenciadorInstrumentos::getInstancia(); }
};
