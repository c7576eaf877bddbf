#pragma once
// Finds the language files beside the program, loads the chosen one and answers
// every text and picture lookup by section and key for the rest of the run.
#include <memory>
#include <string>
#include <vector>

#include "core/base/Idioma.h"
#include "core/base/Imagem.h"
#include "core/base/Plataforma.h"

class GerenciadorIdiomas {
public:
    static constexpr const char* kCodigoAplicacao = "Brelvio3.0";
    static constexpr const char* kEmailSuporte = "support@brelvio.com";

    // Lists the usable language files of the program's directory at once.
    explicit GerenciadorIdiomas(Plataforma& plataforma);

    // The single instance, created over the current platform on first use.
    static GerenciadorIdiomas* getInstancia();
    // The instance if there is one, without creating it: for code that may run
    // while the manager is still being made (its own messages).
    static GerenciadorIdiomas* instanciaExistente();
    // Tests install a fresh manager of their own; nullptr drops it again.
    // The manager it replaces is handed back, so two can take turns.
    static std::unique_ptr<GerenciadorIdiomas> substituirInstancia(std::unique_ptr<GerenciadorIdiomas> novo);

    // Loads the configured language, or lets the user choose one. False when no
    // language was loaded: the program must then end.
    bool iniciar(const std::string& nomeConfigurado);

    std::string getTexto(const std::string& secao, const std::string& chave) const;
    // A new picture, or nothing. A broken entry is reported once per language.
    std::unique_ptr<Imagem> getImagem(const std::string& secao, const std::string& chave);
    std::string getNomeIdioma() const;
    bool idiomaCarregado() const { return idioma != nullptr; }

    const std::vector<std::string>& getNomes() const { return nomes; }
    int getIndiceAtual() const { return indiceAtual; }
    // Loads the language at a position of the names list (past the end: nothing).
    void carregarIdioma(int posicao);

    Plataforma& getPlataforma() const { return plataforma; }

private:
    void informarCorrupcao();

    Plataforma& plataforma;
    std::unique_ptr<Idioma> idioma;
    std::vector<std::string> nomes;
    std::vector<std::string> nomesBase;
    int indiceAtual = -1;
    bool semArquivos = false;
};
