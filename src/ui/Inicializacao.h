#pragma once
// The program's start-up: configuration, language, splash, windows, event
// loop, all under the top-level error handler whose message ends the program.
#include <QWidget>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Plataforma;
class TformEntrada;

class Inicializacao {
public:
    // One factory per window, in creation order: the main window first (it
    // is shown and its closing ends the event loop), then the dialogs, which
    // stay hidden until used. Windows live until the program ends.
    using FabricaJanela = std::function<std::unique_ptr<QWidget>()>;

    static constexpr int kTempoEntrada = 1000;
    static constexpr const char* kTituloFixo = "Vantor Brelvio";

    Inicializacao(Plataforma& plataforma, std::vector<FabricaJanela> fabricas);
    ~Inicializacao();

    // The program file's version; the build's by default, nothing for none.
    void setVersao(std::optional<std::string> versao) { this->versao = std::move(versao); }
    static std::optional<std::string> versaoDoPrograma();

    // Runs the whole sequence and answers the program's exit status.
    int executar();

    // While the windows are created: the splash on screen.
    TformEntrada* entrada() const { return splash.get(); }
    const std::vector<std::unique_ptr<QWidget>>& janelas() const { return criadas; }

    // The top-level handler's texts (Windows-1252) for what it caught.
    struct Mensagem {
        std::string texto;
        std::string titulo;
    };
    static Mensagem mensagemFatal(const std::optional<std::string>& versao);
    static Mensagem mensagemErroExecucao(const std::string& classe, const std::string& mensagem,
                                         const std::optional<std::string>& versao);
    static Mensagem mensagemErroDesconhecido(const std::optional<std::string>& versao);

    // An error's class name as the handler shows it ("std::runtime_error").
    static std::string nomeClasse(const std::exception& erro);

private:
    int sequencia();
    void relatar(const Mensagem& mensagem);

    Plataforma& plataforma;
    std::vector<FabricaJanela> fabricas;
    std::optional<std::string> versao;
    std::unique_ptr<TformEntrada> splash;
    std::vector<std::unique_ptr<QWidget>> criadas;
};
