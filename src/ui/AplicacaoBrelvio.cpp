#include "ui/AplicacaoBrelvio.h"

#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <exception>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "ui/Inicializacao.h"

AplicacaoBrelvio::AplicacaoBrelvio(int& argc, char** argv) : QApplication(argc, argv) {}

void AplicacaoBrelvio::definirRelator(Relator novo) { relator = std::move(novo); }

bool AplicacaoBrelvio::notify(QObject* destino, QEvent* evento) {
    const bool pintura = evento->type() == QEvent::Paint || evento->type() == QEvent::UpdateRequest;
    try {
        return QApplication::notify(destino, evento);
    } catch (const DException& erro) {
        relatar(Inicializacao::nomeClasse(erro), erro.getMessage(), pintura);
    } catch (const std::exception& erro) {
        relatar(Inicializacao::nomeClasse(erro), erro.what(), pintura);
    } catch (...) {
        relatar("unknown", "", pintura);
    }
    return false;
}

void AplicacaoBrelvio::relatar(const std::string& classe, const std::string& mensagem, bool pintura) {
    std::fprintf(stderr, "brelvio: %s (%s)\n", classe.c_str(), mensagem.c_str());
    if (relator) {
        relator(classe, mensagem);
        return;
    }
    // A box per failed paint would come back with every repaint; and one box
    // at a time is enough.
    if (pintura || relatando) return;
    relatando = true;
    try {
        const GerenciadorIdiomas* idiomas = GerenciadorIdiomas::getInstancia();
        if (idiomas->idiomaCarregado()) {
            Plataforma::atual().mostrarMensagem(
                idiomas->getTexto("geral", "erroGeral") + "\n\" " + classe + " (" + mensagem + ")\"",
                idiomas->getTexto("geral", "nomeAplicacao"), BotoesMensagem::Ok);
        }
    } catch (...) {
    }
    relatando = false;
}

void AplicacaoBrelvio::minimizarTudo() {
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (janela->isVisible()) janela->showMinimized();
    }
}
