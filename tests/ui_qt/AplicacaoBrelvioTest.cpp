// An error that escapes an event handler ends that event only: the user is
// told once with the general error text, and a failing paint tells no one.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "support/IdiomaDeTeste.h"
#include "ui/AplicacaoBrelvio.h"

namespace {

class PinturaQueFalha : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { throw std::runtime_error("tinta"); }
};

TEST(AplicacaoBrelvio, ErroDeEventoViraAMensagemGeralEOProgramaSegue) {
    IdiomaDeTeste idioma;
    QTimer::singleShot(0, [] { throw std::logic_error("sem acorde"); });
    bool depois = false;
    QTimer::singleShot(2, [&] {
        depois = true;
        QCoreApplication::exit(0);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(depois);
    ASSERT_EQ(idioma.plataforma().mensagens().size(), 1u);
    EXPECT_EQ(idioma.plataforma().mensagens()[0].texto,
              idioma.idiomas().getTexto("geral", "erroGeral") + "\n\" std::logic_error (sem acorde)\"");
    EXPECT_EQ(idioma.plataforma().mensagens()[0].titulo, "Brelvio");
}

TEST(AplicacaoBrelvio, PinturaQueFalhaNaoAbreCaixa) {
    IdiomaDeTeste idioma;
    PinturaQueFalha janela;
    janela.resize(20, 20);
    janela.show();
    janela.repaint();
    EXPECT_TRUE(idioma.plataforma().mensagens().empty());
    janela.hide();
}

}  // namespace
