// Renders the main window in its typical states to PNG files, without a
// display: brelvio-vistas PROGRAM_DIR OUT_DIR LANGUAGE PREFIX. The program
// directory is only read; the configuration is never saved.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "core/Fachada.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Texto1252.h"
#include "ui/ConfiguracoesMantidas.h"
#include "ui/PlataformaQt.h"
#include "ui/TformPrincipal.h"
#include "ui/modelo/ModeloBraco.h"

namespace {

void salvar(QWidget& janela, const QString& pasta, const QString& nome) {
    QApplication::processEvents();
    const QString caminho = pasta + "/" + nome + ".png";
    if (!janela.grab().save(caminho)) std::fprintf(stderr, "could not write %s\n", qPrintable(caminho));
    std::printf("%s\n", qPrintable(caminho));
}

void escolher(TformPrincipal& janela, const char* nome, const QString& texto) {
    auto* lista = janela.findChild<QComboBox*>(QString::fromLatin1(nome));
    lista->setCurrentIndex(lista->findText(texto));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: brelvio-vistas PROGRAM_DIR OUT_DIR LANGUAGE PREFIX\n");
        return 2;
    }
    std::string diretorio = argv[1];
    if (diretorio.back() != '/') diretorio += '/';
    const QString pasta = QString::fromLocal8Bit(argv[2]);
    const QString prefixo = QString::fromLocal8Bit(argv[4]);
    QDir().mkpath(pasta);

    PlataformaQt plataforma(diretorio);
    Plataforma::definir(&plataforma);
    const auto idioma = texto1252::deUtf8(argv[3]);
    if (!idioma || !GerenciadorIdiomas::getInstancia()->iniciar(*idioma)) return 1;
    Fachada& fachada = *Fachada::getInstancia();
    fachada.setExibicaoEscalas(0);
    fachada.setPosicaoBraco(0);
    if (fachada.getDriver() == -1) fachada.setDriver(0);

    TformPrincipal janela;
    janela.show();
    auto* campo = janela.findChild<QLineEdit*>("editNomeAcorde");
    salvar(janela, pasta, prefixo + "-vazio");

    campo->setText("C");
    janela.confirmarNomeAcorde();
    const char* const modos[] = {"dedos", "notas", "intervalos"};
    auto* modosVista = janela.findChild<QComboBox*>("comboModoVisualizacao");
    for (int modo = 0; modo < 3; ++modo) {
        modosVista->setCurrentIndex(modo);
        janela.mudarModoVisualizacao(modo);
        salvar(janela, pasta, prefixo + "-C-" + modos[modo]);
    }
    modosVista->setCurrentIndex(0);
    janela.mudarModoVisualizacao(0);
    campo->setText("am7");
    janela.confirmarNomeAcorde();
    janela.adicionar();
    janela.proximo();
    janela.adicionar();
    for (int o = 0; o < 4; ++o) {
        ConfiguracoesMantidas::getInstancia()->setOrientacao(o);
        janela.aposConfiguracoes();
        salvar(janela, pasta, prefixo + "-Am7-orientacao" + QString::number(o));
    }
    ConfiguracoesMantidas::getInstancia()->setOrientacao(0);
    janela.aposConfiguracoes();

    janela.entrarModoEscalas();
    const auto escalas = fachada.getNomesEscalas();
    escolher(janela, "comboNomeEscalas", QString::fromUtf8(texto1252::paraUtf8(escalas.front())));
    escolher(janela, "comboTomEscalas", "C");
    janela.mudarEscalaOuTom();
    salvar(janela, pasta, prefixo + "-escala-dedos");
    modosVista->setCurrentIndex(1);
    janela.mudarModoVisualizacao(1);
    salvar(janela, pasta, prefixo + "-escala-notas");
    janela.entrarModoAcordes();
    salvar(janela, pasta, prefixo + "-volta-acordes");
    return 0;
}
