#include "ui/TformAviso.h"

#include <QKeyEvent>
#include <QLabel>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "ui/AbrirAjuda.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {
TformAviso* avisoAtual = nullptr;

std::string texto(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

}  // namespace

TformAviso::TformAviso(QWidget* pai) : DialogoSemBorda(pai, "fmAviso", QSize(402, 268)) {
    setObjectName(QStringLiteral("formAviso"));

    mensagem = new QLabel(this);
    mensagem->setObjectName(QStringLiteral("lblMensagem"));
    mensagem->setGeometry(28, 56, 346, 150);
    mensagem->setAlignment(Qt::AlignCenter);
    mensagem->setWordWrap(true);
    mensagem->setTextFormat(Qt::PlainText);
    // Clicks on the message drag the window like the background.
    mensagem->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Light lettering on the dark background picture.
    QPalette cores = mensagem->palette();
    cores.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    mensagem->setPalette(cores);
    QFont fonteMensagem = mensagem->font();
    fonteMensagem.setPixelSize(14);
    mensagem->setFont(fonteMensagem);

    prosseguir = criarBotao(this, "btnProsseguir", "imgBotao", textoQt(texto("fmAviso", "btnProsseguir")));
    prosseguir->move((width() - prosseguir->width()) / 2, height() - prosseguir->height() - 18);

    ajuda = criarBotao(this, "btnAjuda", "imgBtnAjuda");
    ajuda->setToolTip(textoQt(texto("geral", "hintBtnAjuda")));
    fechar = criarBotao(this, "btnFechar", "imgBtnFechar");
    fechar->setToolTip(textoQt(texto("geral", "hintBtnFechar")));
    fechar->move(width() - fechar->width() - 8, 8);
    ajuda->move(fechar->x() - ajuda->width() - 4, 8);

    connect(prosseguir, &TVantorButton3D::clicked, this, &QDialog::accept);
    connect(fechar, &TVantorButton3D::clicked, this, &QDialog::reject);
    connect(ajuda, &TVantorButton3D::clicked, this, &TformAviso::abrirAjuda);

    caminhoAjuda = caminhoAjudaGeral();
    avisoAtual = this;
}

TformAviso::~TformAviso() {
    if (avisoAtual == this) avisoAtual = nullptr;
}

TformAviso* TformAviso::atual() { return avisoAtual; }

std::string TformAviso::caminhoAjudaGeral() {
    return Plataforma::atual().diretorioPrograma() + texto("parametros", "caminhoAjuda");
}

void TformAviso::exibir(const std::string& conteudo) {
    mensagem->setText(textoQt(conteudo));
    exec();
}

void TformAviso::mostrar(const std::string& conteudo) { exibir(conteudo); }

void TformAviso::mostrar(const std::string& conteudo, const std::string& ajudaDocumento) {
    caminhoAjuda = ajudaDocumento;
    exibir(conteudo);
}

void TformAviso::abrirAjuda() { abrirDocumentoAjuda(caminhoAjuda); }

void TformAviso::done(int resultado) {
    // However the dialog closes, the next notice starts from the general help.
    caminhoAjuda = caminhoAjudaGeral();
    QDialog::done(resultado);
}

void TformAviso::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    DialogoSemBorda::keyPressEvent(evento);
}
