#include "ui/Inicializacao.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

#include "core/GerenciadorConfiguracao.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "ui/TformEntrada.h"

#ifndef BRELVIO_VERSAO
#define BRELVIO_VERSAO ""
#endif

namespace {

std::string textoFixoErro() {
    return std::string("An error has occurred in your application.\nIf the problem persist, please contact us: ") +
           GerenciadorIdiomas::kEmailSuporte + ".";
}

bool idiomaPronto() {
    try {
        return GerenciadorIdiomas::getInstancia()->idiomaCarregado();
    } catch (...) {
        return false;
    }
}

std::string textoIdioma(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

// The message of the first two kinds of error: looked up, or the fixed English
// one before a language is loaded; the version and the closing quote follow.
Inicializacao::Mensagem comVersao(std::string texto, std::string titulo, const std::optional<std::string>& versao) {
    if (versao) texto += ", v" + *versao;
    texto += " \"";
    return {std::move(texto), std::move(titulo)};
}

// Ends the event loop once the main window has really closed. Its close may
// first ask the user in a modal box, whose own loop runs the queued check
// while the window is still up: the hiding that follows a granted close is
// therefore watched too. A refused close leaves the window on screen.
class FimAoFechar : public QObject {
public:
    explicit FimAoFechar(QWidget* janela) : QObject(janela), janela(janela) { janela->installEventFilter(this); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto != janela) return false;
        switch (evento->type()) {
            case QEvent::Close:
                fechando = true;
                verificar();
                break;
            case QEvent::Hide:
                if (fechando && !evento->spontaneous()) verificar();
                break;
            case QEvent::Show: fechando = false; break;
            default: break;
        }
        return false;
    }

private:
    void verificar() {
        QTimer::singleShot(0, this, [this] {
            if (!janela->isVisible()) QCoreApplication::exit(0);
        });
    }

    QWidget* janela;
    bool fechando = false;
};

}  // namespace

Inicializacao::Inicializacao(Plataforma& plataforma, std::vector<FabricaJanela> fabricas)
    : plataforma(plataforma), fabricas(std::move(fabricas)), versao(versaoDoPrograma()) {}

Inicializacao::~Inicializacao() = default;

std::optional<std::string> Inicializacao::versaoDoPrograma() {
    const std::string v = BRELVIO_VERSAO;
    if (v.empty()) return std::nullopt;
    return v;
}

std::string Inicializacao::nomeClasse(const std::exception& erro) {
    const char* bruto = typeid(erro).name();
    int estado = 0;
    char* legivel = abi::__cxa_demangle(bruto, nullptr, nullptr, &estado);
    std::string nome = (estado == 0 && legivel != nullptr) ? legivel : bruto;
    std::free(legivel);
    return nome;
}

Inicializacao::Mensagem Inicializacao::mensagemFatal(const std::optional<std::string>& versao) {
    if (!idiomaPronto()) return comVersao(textoFixoErro() + "\n\nError information:", kTituloFixo, versao);
    return comVersao(textoIdioma("exception", "componentesMIDI"), textoIdioma("geral", "nomeAplicacao"), versao);
}

Inicializacao::Mensagem Inicializacao::mensagemErroExecucao(const std::string& classe, const std::string& mensagem,
                                                          const std::optional<std::string>& versao) {
    const std::string detalhe = "\n\" " + classe + " (" + mensagem + ")";
    if (!idiomaPronto()) return comVersao(textoFixoErro() + "\n\nError information:" + detalhe, kTituloFixo, versao);
    return comVersao(textoIdioma("geral", "erroGeral") + detalhe, textoIdioma("geral", "nomeAplicacao"), versao);
}

Inicializacao::Mensagem Inicializacao::mensagemErroDesconhecido(const std::optional<std::string>& versao) {
    std::string texto = textoFixoErro();
    if (versao) texto += "\n\nError information:\n\" v" + *versao + " \"";
    return {texto, kTituloFixo};
}

void Inicializacao::relatar(const Mensagem& mensagem) {
    try {
        plataforma.mostrarMensagem(mensagem.texto, mensagem.titulo, BotoesMensagem::Ok);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}

int Inicializacao::executar() {
    Mensagem mensagem;
    try {
        return sequencia();
    } catch (const FatalException&) {
        mensagem = mensagemFatal(versao);
    } catch (const DException&) {
        mensagem = mensagemErroDesconhecido(versao);
    } catch (const std::exception& erro) {
        mensagem = mensagemErroExecucao(nomeClasse(erro), erro.what(), versao);
    } catch (...) {
        mensagem = mensagemErroDesconhecido(versao);
    }
    // The splash stays on top: it goes first, or it would hide the message.
    splash.reset();
    relatar(mensagem);
    while (!criadas.empty()) criadas.pop_back();
    return 1;
}

int Inicializacao::sequencia() {
    Plataforma::definir(&plataforma);

    const std::string idioma = GerenciadorConfiguracao::getInstancia()->getIdioma();
    if (!GerenciadorIdiomas::getInstancia()->iniciar(idioma)) return 1;

    splash = std::make_unique<TformEntrada>();
    splash->mostrarAgora();
    plataforma.esperar(kTempoEntrada);

    // The taskbar shows the windows' own captions, not an application title.
    QGuiApplication::setApplicationDisplayName(QString());

    for (auto& fabrica : fabricas) {
        auto janela = fabrica();
        if (janela) criadas.push_back(std::move(janela));
        // A window that could not do without something (the instrument file)
        // has told the user and asked the program to end.
        if (plataforma.encerramentoPedido()) break;
    }

    splash->close();
    splash.reset();

    int status = 0;
    if (!plataforma.encerramentoPedido() && !criadas.empty()) {
        QWidget* principal = criadas.front().get();
        new FimAoFechar(principal);
        principal->show();
        status = QApplication::exec();
    }
    // Dialogs go before the main window, the reverse of their creation.
    while (!criadas.empty()) criadas.pop_back();
    return status;
}
