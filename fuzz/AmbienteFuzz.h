#pragma once
// What every harness needs: a headless platform over the fuzz build's program
// directory, the two languages loaded once (so the chord notation can be
// switched cheaply), and a scratch file to hand bytes to readers that take paths.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/PlataformaHeadless.h"

class AmbienteFuzz {
public:
    static AmbienteFuzz& get() {
        static AmbienteFuzz a;
        return a;
    }

    PlataformaHeadless& plataforma() { return plataforma_; }

    // Makes the language current ("English" or Brazilian Portuguese).
    void usarPortugues(bool portugues) {
        if (portugues == emPortugues) return;
        outro = GerenciadorIdiomas::substituirInstancia(std::move(outro));
        emPortugues = portugues;
    }

    // A file holding exactly these bytes, under a name of this process.
    const std::string& arquivo(const uint8_t* dados, size_t tamanho, const char* extensao = ".bin") {
        caminho = pasta + "/entrada" + extensao;
        std::ofstream saida(caminho, std::ios::binary | std::ios::trunc);
        saida.write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
        return caminho;
    }

    const std::string& pastaTemporaria() const { return pasta; }

private:
    AmbienteFuzz() : plataforma_(std::string(BRELVIO_APP_DIR) + "/", "brelvio") {
        Plataforma::definir(&plataforma_);
        auto portugues = std::make_unique<GerenciadorIdiomas>(plataforma_);
        portugues->iniciar("Portugu\xEAs (Brasil)");
        auto ingles = std::make_unique<GerenciadorIdiomas>(plataforma_);
        ingles->iniciar("English");
        GerenciadorIdiomas::substituirInstancia(std::move(ingles));
        outro = std::move(portugues);
        char modelo[] = "/tmp/brelvio-fuzz-XXXXXX";
        const char* criada = ::mkdtemp(modelo);
        pasta = criada ? criada : "/tmp";
    }

    PlataformaHeadless plataforma_;
    std::unique_ptr<GerenciadorIdiomas> outro;
    bool emPortugues = false;
    std::string pasta;
    std::string caminho;
};
