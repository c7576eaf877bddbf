// The instrument editor: string count and fret limits, the note menu, playing
// a string while the mouse holds it, the checks of confirming, and one run
// from a new instrument in the settings dialog to its chords after a restart.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "AmbienteInstrumentos.h"
#include "Modal.h"
#include "Vistas.h"
#include "fakes/JanelaPrincipalFalsa.h"
#include "instruments/InstrumentoCordas.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "support/Arquivos.h"
#include "ui/PainelAfinacao.h"
#include "ui/TVantorButton3D.h"
#include "ui/TformConfiguracoes.h"
#include "ui/TformInstrumento.h"

namespace {

class TformInstrumentoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ambiente.carregado()); }
    std::vector<std::string> nomes() { return Fachada::getInstancia()->getNomesInstrumentos(); }
    // Opens the editor, lets acao work on it, then cancels it if it is still open.
    bool comEditor(TformInstrumento& editor, int indice, std::function<void(TformInstrumento&)> acao) {
        quandoModalAbrir([&editor, acao](QWidget*) {
            acao(editor);
            if (editor.isVisible()) editor.reject();
        });
        return indice < 0 ? editor.abrirCriar(nomes()) : editor.abrirEditar(nomes(), indice);
    }
    std::vector<std::string> mensagens() {
        std::vector<std::string> textos;
        for (const auto& m : ambiente.plataforma().mensagens()) textos.push_back(m.texto);
        return textos;
    }

    AmbienteInstrumentos ambiente;
};

TEST_F(TformInstrumentoTest, CriarComecaNoViolaoEContaDeCordasFixaOLimiteDeCasas) {
    TformInstrumento editor;
    comEditor(editor, -1, [](TformInstrumento& e) {
        EXPECT_EQ(e.comboCordas()->currentText(), QStringLiteral("6 strings"));
        EXPECT_EQ(e.updownNumCasas()->value(), 14);
        EXPECT_EQ(e.comboInstrumentoMIDI()->currentText(), QStringLiteral("Nylon-str Gt"));
        EXPECT_EQ(e.lblTitulo()->text(), QStringLiteral("New instrument"));
        EXPECT_EQ(e.btnConfirmar()->Text(), QStringLiteral("Create"));
        EXPECT_EQ(e.painelAfinacao()->rotulo(1)->text(), QStringLiteral("E 5"));
        EXPECT_EQ(e.painelAfinacao()->rotulo(6)->text(), QStringLiteral("E 3"));
        struct Caso {
            int cordas, maximo;
        };
        for (const Caso caso : {Caso{4, 12}, Caso{5, 14}, Caso{6, 14}, Caso{4, 12}}) {
            e.setNumeroCordas(caso.cordas);
            EXPECT_EQ(e.updownNumCasas()->value(), caso.maximo) << caso.cordas;
            EXPECT_EQ(e.updownNumCasas()->maximum(), caso.maximo);
            EXPECT_EQ(e.updownNumCasas()->minimum(), 6);
            EXPECT_EQ(e.painelAfinacao()->rotulo(5)->isVisibleTo(&e), caso.cordas >= 5);
        }
        EXPECT_EQ(e.comboInstrumentoMIDI()->count(), 128);
        EXPECT_EQ(e.comboInstrumentoMIDI()->itemText(127), QStringLiteral("Gun Shot "));
    });
}

TEST_F(TformInstrumentoTest, MenuDeNotasPorNotaEPorOitava) {
    TformInstrumento editor;
    QMenu* menu = editor.menuNotas();
    const QList<QAction*> entradas = menu->actions();
    ASSERT_EQ(entradas.size(), 12 + 1 + 6);
    // By note: A (index 9), octave 5 is its fourth entry.
    QMenu* la = entradas[9]->menu();
    ASSERT_NE(la, nullptr);
    EXPECT_EQ(entradas[9]->text(), QStringLiteral("A"));
    const QList<QAction*> oitavasLa = la->actions();
    ASSERT_EQ(oitavasLa.size(), 6);
    EXPECT_EQ(oitavasLa[0]->text(), QStringLiteral("Low (2) - 55Hz"));
    EXPECT_EQ(oitavasLa[2]->text(), QStringLiteral("Middle (4) - 220Hz"));
    EXPECT_EQ(oitavasLa[3]->text(), QStringLiteral("High (5) - 440Hz"));
    EXPECT_EQ(oitavasLa[3]->data().toInt(), 69);
    EXPECT_EQ(oitavasLa[5]->text(), QStringLiteral("High (7) - 1760Hz"));
    EXPECT_EQ(entradas[0]->menu()->actions()[0]->data().toInt(), 24);
    EXPECT_EQ(entradas[0]->menu()->actions()[0]->text(), QStringLiteral("Low (2)"));
    EXPECT_TRUE(entradas[12]->isSeparator());
    // By octave: octave 4, then its twelve notes.
    QMenu* media = entradas[15]->menu();
    EXPECT_EQ(entradas[15]->text(), QStringLiteral("Middle (4)"));
    ASSERT_EQ(media->actions().size(), 12);
    EXPECT_EQ(media->actions()[1]->text(), QStringLiteral("C#"));
    EXPECT_EQ(media->actions()[9]->text(), QStringLiteral("A - 220Hz"));
    EXPECT_EQ(media->actions()[9]->data().toInt(), 57);

    // The picker of a row, then an entry: the note goes into that row.
    comEditor(editor, -1, [&](TformInstrumento& e) {
        e.painelAfinacao()->seletor(3)->click();
        oitavasLa[3]->trigger();
        menu->hide();
        EXPECT_EQ(e.getNota(3), 69);
        EXPECT_EQ(e.painelAfinacao()->rotulo(3)->text(), QStringLiteral("A 5"));
    });
}

TEST_F(TformInstrumentoTest, SegurarUmaCordaTocaASuaNota) {
    TformInstrumento editor;
    comEditor(editor, -1, [&](TformInstrumento& e) {
        PainelAfinacao* painel = e.painelAfinacao();
        ambiente.gravador().limpar();
        const QPoint corda = painel->areaCorda(2).center();
        QTest::mousePress(painel, Qt::LeftButton, Qt::NoModifier, corda);
        EXPECT_EQ(painel->corCorda(2), QColor(0xff, 0xd4, 0x00));
        e.grab().save(pastaVistas() + QStringLiteral("/instrumento-tocando.png"));
        QTest::mouseRelease(painel, Qt::LeftButton, Qt::NoModifier, corda);
        const auto m = ambiente.gravador().mensagens();
        ASSERT_EQ(m.size(), 2u);
        EXPECT_EQ(m[0].status, 0x91);
        EXPECT_EQ(m[0].dado1, 59);
        EXPECT_EQ(m[0].dado2, 127);
        EXPECT_EQ(m[1].status, 0x91);
        EXPECT_EQ(m[1].dado1, 59);
        EXPECT_EQ(m[1].dado2, 0);
        EXPECT_NE(painel->corCorda(2), QColor(0xff, 0xd4, 0x00));
    });
}

TEST_F(TformInstrumentoTest, ConfirmarRecusaNomesInvalidosEFicaComOsCampos) {
    struct Caso {
        int indice;  // -1: create
        QString nome;
        std::string mensagem;  // empty: accepted
    };
    const std::string semNome = ambiente.texto("fmCriarInstrumento", "mensagemNome");
    const std::string padrao = ambiente.texto("fmCriarInstrumento", "msgEdicaoInstrumentoPadrao");
    const std::string existente = ambiente.texto("exception", "instrumentoExistente");
    const Caso casos[] = {
        {-1, QStringLiteral("   "), semNome},     {-1, QStringLiteral("Guitar"), padrao},
        {-1, QStringLiteral("Banjo"), existente}, {3, QStringLiteral("Tenor-4"), existente},
        {3, QStringLiteral("Cavaquinho"), padrao}, {3, QStringLiteral("Banjo"), ""},
        {2, QStringLiteral("Tenor-4"), ""},
    };
    for (const Caso& caso : casos) {
        ambiente.plataforma().limparRegistro();
        const std::string antes = lerArquivo(ambiente.arquivoInstrumentos());
        TformInstrumento editor;
        bool confirmado = false;
        const bool mudou = comEditor(editor, caso.indice, [&](TformInstrumento& e) {
            e.editNome()->setText(caso.nome);
            e.editDescricao()->setText(QStringLiteral("kept"));
            confirmado = e.confirmar();
            if (!confirmado) {
                EXPECT_TRUE(e.isVisible());
                EXPECT_EQ(e.editNome()->text(), caso.nome);
                EXPECT_EQ(e.editDescricao()->text(), QStringLiteral("kept"));
            }
        });
        const std::string rotulo = caso.nome.toStdString() + " at " + std::to_string(caso.indice);
        if (caso.mensagem.empty()) {
            EXPECT_TRUE(confirmado) << rotulo;
            EXPECT_TRUE(mudou) << rotulo;
            EXPECT_TRUE(mensagens().empty()) << rotulo;
            // Saved under its own name, in its own place, with span 3 whatever it was.
            const auto salvo = Fachada::getInstancia()->getInstrumento(caso.indice);
            EXPECT_EQ(salvo->getName(), caso.nome.toStdString());
            EXPECT_EQ(salvo->getDistancia(), 3);
            EXPECT_EQ(salvo->getDescricao(), "kept");
            EXPECT_EQ(nomes().size(), 4u);
        } else {
            EXPECT_FALSE(confirmado) << rotulo;
            EXPECT_FALSE(mudou) << rotulo;
            EXPECT_EQ(mensagens(), (std::vector<std::string>{caso.mensagem})) << rotulo;
            EXPECT_EQ(lerArquivo(ambiente.arquivoInstrumentos()), antes) << rotulo;
        }
    }
}

TEST_F(TformInstrumentoTest, EditarUmPadraoComOutroNomeAcrescentaUmInstrumento) {
    TformInstrumento editor;
    const bool mudou = comEditor(editor, 1, [](TformInstrumento& e) {
        EXPECT_EQ(e.lblTitulo()->text(), QStringLiteral("Edit instrument"));
        EXPECT_EQ(e.btnConfirmar()->Text(), QStringLiteral("Save"));
        EXPECT_EQ(e.comboCordas()->currentIndex(), 0);
        EXPECT_EQ(e.getNota(1), 64);
        EXPECT_EQ(e.getNota(4), 50);
        e.editNome()->setText(QStringLiteral("Cavaquinho low"));
        e.confirmar();
    });
    EXPECT_TRUE(mudou);
    EXPECT_EQ(nomes().back(), "Cavaquinho low");
    EXPECT_EQ(Fachada::getInstancia()->getInstrumento(4)->getAfinacao(), (std::vector<int32_t>{50, 55, 59, 64}));
}

// A user's whole way: create Ukulele G C E A in the settings dialog, make it
// current, get its chords; after a restart it is still there, then edited and
// removed without losing the other instruments of the file.
TEST_F(TformInstrumentoTest, UkuleleDoComecoAoFimAtravesDeUmReinicio) {
    JanelaPrincipalFalsa janela;
    janela.pelaInstrumento = true;
    {
        TformConfiguracoes dialogo;
        quandoModalAbrir([&](QWidget*) {
            EXPECT_EQ(dialogo.paginas()->currentIndex(), TformConfiguracoes::kPaginaInstrumentos);
            quandoModalAbrir([&](QWidget* janelaEditor) {
                auto& e = *static_cast<TformInstrumento*>(janelaEditor);
                e.editNome()->setText(QStringLiteral("Ukulele"));
                e.setNumeroCordas(4);
                const int sol = 12 * 5 + 7, do_ = 12 * 5, mi = 12 * 5 + 4, la = 12 * 5 + 9;
                e.escolherNota(4, sol);
                e.escolherNota(3, do_);
                e.escolherNota(2, mi);
                e.escolherNota(1, la);
                e.comboInstrumentoMIDI()->setCurrentIndex(24);
                QTest::keyClick(&e, Qt::Key_Return);
            });
            QTest::mouseClick(dialogo.btnNovoInst(), Qt::LeftButton);
            EXPECT_EQ(dialogo.listaInstrumentos()->currentRow(), 4);
            EXPECT_EQ(dialogo.listaInstrumentos()->currentItem()->text(), QStringLiteral("Ukulele - G C E A"));
            ambiente.plataforma().responderMensagem(RespostaMensagem::Sim);
            QTest::mouseClick(dialogo.btnOk(), Qt::LeftButton);
        });
        EXPECT_EQ(dialogo.exec(), QDialog::Accepted);
    }
    const std::string arquivo = lerArquivo(ambiente.arquivoInstrumentos());
    EXPECT_NE(arquivo.find("\t\t<nome>Ukulele</nome>\r\n"), std::string::npos);
    EXPECT_NE(arquivo.find("<nome>Tenor-4</nome>"), std::string::npos);
    EXPECT_NE(arquivo.find("<nome>Banjo</nome>"), std::string::npos);

    Fachada* fachada = Fachada::getInstancia();
    EXPECT_EQ(fachada->getNomeInstrumentoAtual(), "Ukulele");
    auto acordes = [fachada] {
        EXPECT_TRUE(fachada->setAcorde("C"));
        auto* posicao = dynamic_cast<PosicaoHarmonicaInstrumentoCordas*>(fachada->getPosicaoAcordeAtual());
        EXPECT_NE(posicao, nullptr);
        return posicao;
    };
    // C on the ukulele: open G C E, third fret on the A string.
    PosicaoHarmonicaInstrumentoCordas* c = acordes();
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->getNumeroCordas(), 4);
    EXPECT_EQ(c->getCasas()[3], 3);

    ambiente.reiniciar();
    const auto nomes = fachada->getNomesInstrumentos();
    ASSERT_EQ(nomes.size(), 5u);
    EXPECT_EQ(nomes[4], "Ukulele");
    fachada->setInstrumento(4);
    EXPECT_EQ(fachada->getInstrumentoAtual()->getAfinacao(), (std::vector<int32_t>{67, 60, 64, 69}));
    EXPECT_EQ(fachada->getInstrumentoAtual()->getDistancia(), 3);
    ASSERT_NE(acordes(), nullptr);

    TformConfiguracoes dialogo;
    dialogo.show();
    EXPECT_EQ(dialogo.listaInstrumentos()->currentRow(), 4);
    quandoModalAbrir([](QWidget* janelaEditor) {
        auto& e = *static_cast<TformInstrumento*>(janelaEditor);
        EXPECT_EQ(e.editNome()->text(), QStringLiteral("Ukulele"));
        e.editDescricao()->setText(QStringLiteral("soprano"));
        e.updownNumCasas()->setValue(10);
        e.confirmar();
    });
    dialogo.editarInstrumento();
    EXPECT_EQ(fachada->getInstrumento(4)->getDescricao(), "soprano");
    EXPECT_EQ(fachada->getInstrumento(4)->getNumeroCasas(), 10);
    dialogo.removerInstrumento();
    EXPECT_EQ(fachada->getNomesInstrumentos(), (std::vector<std::string>{"Guitar", "Cavaquinho", "Tenor-4", "Banjo"}));
    EXPECT_EQ(lerArquivo(ambiente.arquivoInstrumentos()), kArquivoDoisInstrumentos);
}

}  // namespace
