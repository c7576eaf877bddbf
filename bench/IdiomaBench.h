#pragma once
// A headless platform over the program directory with one language loaded,
// installed for a benchmark program's lifetime.
#include <memory>
#include <string>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"

struct IdiomaBench {
    explicit IdiomaBench(const std::string& idioma = "English", const std::string& programa = "bench")
        : plataforma(std::string(BRELVIO_APP_DIR) + "/", programa) {
        Plataforma::definir(&plataforma);
        GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma));
        GerenciadorIdiomas::getInstancia()->iniciar(idioma);
    }

    PlataformaHeadless plataforma;
};
