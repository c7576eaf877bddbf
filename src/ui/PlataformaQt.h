#pragma once
// The platform of the window program: real files (PlataformaArquivos), Qt
// message boxes and language chooser, the desktop's "open" action, waits that
// keep the windows painted.
#include <QUrl>
#include <functional>
#include <optional>
#include <string>

#include "core/base/Plataforma.h"

class QWidget;

class PlataformaQt : public PlataformaArquivos {
public:
    // The program's directory is the executable's unless one is given.
    explicit PlataformaQt(std::optional<std::string> diretorio = std::nullopt);

    std::string diretorioPrograma() const override;
    std::string nomeArquivoPrograma() const override;

    // Plain: no icon, the given buttons, the title (or none), the text as plain text.
    RespostaMensagem mostrarMensagem(const std::string& texto, const std::string& titulo,
                                     BotoesMensagem botoes) override;
    std::optional<int> escolherIdioma(const std::vector<std::string>& nomes) override;

    // Leaves the event loop if it runs; the start-up checks the request before entering it.
    void pedirEncerramento() override;
    bool encerramentoPedido() const override { return encerrar; }

    // Blanks and one pair of enclosing double quotes are dropped; a text with
    // a scheme ("https://", "mailto:") is an address, anything else a local path.
    bool abrirDocumento(const std::string& caminhoOuEndereco) override;
    // What opens the URL, QDesktopServices by default (tests record instead).
    void definirAbridor(std::function<bool(const QUrl&)> abridor);
    static QUrl urlDocumento(const std::string& caminhoOuEndereco);

    // Keeps painting and timers going meanwhile, but takes no user input.
    void esperar(int milissegundos) override;
    int64_t agoraMilissegundos() const override;

private:
    std::optional<std::string> diretorio;
    bool encerrar = false;
    std::function<bool(const QUrl&)> abridor;
};
