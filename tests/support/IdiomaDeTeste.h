#pragma once
// Installs a headless platform and a language manager loaded with one language
// for the lifetime of a test, and removes both afterwards.
#include <memory>
#include <string>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"

class IdiomaDeTeste {
public:
    // By default the real language files of the program directory.
    explicit IdiomaDeTeste(const std::string& nomeIdioma = "English",
                           const std::string& diretorio = BRELVIO_APP_DIR)
        : plataforma_(diretorio) {
        Plataforma::definir(&plataforma_);
        GerenciadorIdiomas::substituirInstancia(std::make_unique<GerenciadorIdiomas>(plataforma_));
        idiomas_ = GerenciadorIdiomas::getInstancia();
        carregado_ = idiomas_->iniciar(nomeIdioma);
    }
    ~IdiomaDeTeste() {
        GerenciadorIdiomas::substituirInstancia(nullptr);
        Plataforma::definir(nullptr);
    }
    IdiomaDeTeste(const IdiomaDeTeste&) = delete;
    IdiomaDeTeste& operator=(const IdiomaDeTeste&) = delete;

    bool carregado() const { return carregado_; }
    PlataformaHeadless& plataforma() { return plataforma_; }
    GerenciadorIdiomas& idiomas() { return *idiomas_; }

private:
    PlataformaHeadless plataforma_;
    GerenciadorIdiomas* idiomas_ = nullptr;
    bool carregado_ = false;
};

inline const char* const kPortugues = "Portugu\xEAs (Brasil)";
