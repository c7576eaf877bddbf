#include "ui/TformAssistenteConfiguracaoDriver.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QStringList>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "sound/SaidaMIDI.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {

using Etapa = ModeloAssistenteDriver::Etapa;

constexpr const char* kSecao = "fmAssistenteConfiguracaoDriver";
constexpr int kLargura = 643;
constexpr int kAltura = 255;
// Two columns under the title band: what the wizard does on the left, the
// step on the right; the buttons stand at the step's foot.
constexpr int kMargem = 20;
constexpr int kTopo = 54;
constexpr int kColunaDireita = 340;
constexpr int kLarguraEsquerda = 290;
constexpr int kLarguraDireita = kLargura - kColunaDireita - kMargem;
constexpr int kYBotoes = kAltura - 27 - 16;
constexpr int kEspacoBotoes = 8;

const QColor kCorTexto(0xD5, 0xDA, 0xE1);
const QColor kCorTitulo(0xF2, 0xF4, 0xF7);
const QColor kCorAmbar(0xFF, 0xD2, 0x7F);
const QColor kCorDesabilitado(0x8F, 0x98, 0xA4);

TformAssistenteConfiguracaoDriver* assistenteAtual = nullptr;

std::string texto(const char* chave) { return GerenciadorIdiomas::getInstancia()->getTexto(kSecao, chave); }

QFont fonte(int pixels, bool negrito) {
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

QLabel* criarRotulo(QWidget* pai, const char* nome, const QRect& area, const QFont& letra, const QColor& cor) {
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setGeometry(area);
    rotulo->setFont(letra);
    rotulo->setWordWrap(true);
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Texts drag the window like its background.
    rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    rotulo->setStyleSheet(QStringLiteral("color: %1;").arg(cor.name()));
    return rotulo;
}

// Captioned with the key of the same name; each step shows its own.
TVantorButton3D* botaoDePasso(QWidget* pai, const char* nome, const char* imagem) {
    TVantorButton3D* botao = DialogoSemBorda::criarBotao(pai, nome, imagem, textoQt(texto(nome)));
    botao->hide();
    return botao;
}

bool iniciarProcesso(const std::string& programa, const std::vector<std::string>& argumentos) {
    QStringList lista;
    for (const auto& a : argumentos) lista << QString::fromStdString(a);
    return QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(programa)), lista);
}

}  // namespace

TformAssistenteConfiguracaoDriver::TformAssistenteConfiguracaoDriver(QWidget* pai)
    : DialogoSemBorda(pai, kSecao, QSize(kLargura, kAltura)),
      assistente(SaidaMIDI::getInstancia()->getDispositivos()),
      iniciador(iniciarProcesso) {
    setObjectName(QStringLiteral("formAssistenteConfiguracaoDriver"));
    setWindowTitle(textoQt(texto("titulo")));
    criarTitulo()->setText(windowTitle());
    criarBotaoFechar();
    QWidget* area = corpo();

    titulo1 = criarRotulo(area, "lblTitulo1", QRect(kMargem, kTopo, kLarguraEsquerda, 36), fonte(14, true), kCorAmbar);
    titulo1->setText(textoQt(texto("lblTitulo1-A")));
    explicacao1 = criarRotulo(area, "lblExplicacao1", QRect(kMargem, kTopo + 42, kLarguraEsquerda, 112), fonte(12, false),
                              kCorTexto);
    explicacao1->setText(textoQt(texto("lblExplicacao1-A")));

    linkVolume = new QLabel(area);
    linkVolume->setObjectName(QStringLiteral("lblLinkVolumeWindows"));
    linkVolume->setGeometry(kMargem, kYBotoes + 4, kLarguraEsquerda, 20);
    linkVolume->setFont(fonte(12, false));
    linkVolume->setTextFormat(Qt::RichText);
    linkVolume->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    linkVolume->setOpenExternalLinks(false);
    linkVolume->setText(QStringLiteral("<a href=\"volume\" style=\"color:%1\">%2</a>")
                            .arg(kCorAmbar.name(), textoQt(texto("lblLinkVolumeWindows")).toHtmlEscaped()));
    connect(linkVolume, &QLabel::linkActivated, this, [this] { abrirVolume(); });

    titulo2 = criarRotulo(area, "lblTitulo2", QRect(kColunaDireita, kTopo, kLarguraDireita, 36), fonte(14, true),
                          kCorTitulo);
    explicacao2 = criarRotulo(area, "lblExplicacao2", QRect(kColunaDireita, kTopo + 42, kLarguraDireita, 104),
                              fonte(12, false), kCorTexto);

    prosseguir = botaoDePasso(area, "btnProsseguir", "imgBotao");
    cancelar = botaoDePasso(area, "btnCancelar", "imgBotao");
    escutando = botaoDePasso(area, "btnEscutando", "imgBotaoLargo");
    naoEscutando = botaoDePasso(area, "btnNaoEscutando", "imgBotaoLargo");
    finalizar = botaoDePasso(area, "btnFinalizar", "imgBotao");
    // Right-aligned pairs: the step's forward button last.
    const int direita = kLargura - kMargem;
    prosseguir->move(direita - prosseguir->width(), kYBotoes);
    finalizar->move(direita - finalizar->width(), kYBotoes);
    cancelar->move(prosseguir->x() - kEspacoBotoes - cancelar->width(), kYBotoes);
    naoEscutando->move(direita - naoEscutando->width(), kYBotoes);
    escutando->move(naoEscutando->x() - kEspacoBotoes - escutando->width(), kYBotoes);

    connect(prosseguir, &TVantorButton3D::clicked, this, [this] { aoProsseguir(); });
    connect(cancelar, &TVantorButton3D::clicked, this, [this] { aoCancelar(); });
    connect(escutando, &TVantorButton3D::clicked, this, [this] { aoResponder(true); });
    connect(naoEscutando, &TVantorButton3D::clicked, this, [this] { aoResponder(false); });
    connect(finalizar, &TVantorButton3D::clicked, this, [this] { aoFinalizar(); });

    definirMisturador(acharMisturadorVolume(qgetenv("PATH").toStdString()));
    mostrarEtapa();
    assistenteAtual = this;
}

TformAssistenteConfiguracaoDriver::~TformAssistenteConfiguracaoDriver() {
    if (assistenteAtual == this) assistenteAtual = nullptr;
}

TformAssistenteConfiguracaoDriver* TformAssistenteConfiguracaoDriver::atual() { return assistenteAtual; }

void TformAssistenteConfiguracaoDriver::definirMisturador(std::optional<ComandoMisturador> comando) {
    misturador = std::move(comando);
    linkVolume->setVisible(misturador.has_value());
}

int TformAssistenteConfiguracaoDriver::executar() {
    assistente.iniciar(*SaidaMIDI::getInstancia());
    mostrarEtapa();
    exec();
    const int resultado = assistente.concluir();
    // Ready for the next run: Finish hidden, Cancel enabled.
    aplicarBotoes(ModeloAssistenteDriver::kBotoesIniciais);
    return resultado;
}

void TformAssistenteConfiguracaoDriver::mostrarEtapa() {
    titulo2->setText(textoQt(assistente.titulo()));
    explicacao2->setText(textoQt(assistente.explicacao()));
    aplicarBotoes(assistente.botoes());
}

void TformAssistenteConfiguracaoDriver::aplicarBotoes(const ModeloAssistenteDriver::Botoes& b) {
    prosseguir->setVisible(b.prosseguir);
    cancelar->setVisible(b.cancelar);
    cancelar->setEnabled(b.cancelarHabilitado);
    // The picture button has no disabled look of its own: a dimmed caption says it.
    cancelar->SetTextFontColor(b.cancelarHabilitado ? QColor(Qt::white) : kCorDesabilitado);
    escutando->setVisible(b.escutando);
    naoEscutando->setVisible(b.naoEscutando);
    finalizar->setVisible(b.finalizar);
    for (TVantorButton3D* botao : {prosseguir, escutando, naoEscutando, finalizar}) botao->setEnabled(true);
}

void TformAssistenteConfiguracaoDriver::aoProsseguir() {
    if (tocando || assistente.etapa() != Etapa::Apresentar) return;
    // The run blocks for two seconds; the buttons say so meanwhile.
    tocando = true;
    prosseguir->setEnabled(false);
    cancelar->setEnabled(false);
    repaint();
    assistente.prosseguir();
    tocando = false;
    mostrarEtapa();
}

void TformAssistenteConfiguracaoDriver::aoResponder(bool ouviu) {
    assistente.responder(ouviu);
    mostrarEtapa();
}

void TformAssistenteConfiguracaoDriver::aoCancelar() {
    if (tocando) return;
    assistente.cancelar();
    if (assistente.etapa() == Etapa::Cancelado) QDialog::reject();
}

void TformAssistenteConfiguracaoDriver::aoFinalizar() {
    if (assistente.terminada()) accept();
}

void TformAssistenteConfiguracaoDriver::abrirVolume() {
    if (!misturador) return;
    bool iniciado = false;
    try {
        iniciado = iniciador(misturador->programa, misturador->argumentos);
    } catch (const std::exception&) {
        iniciado = false;
    }
    if (!iniciado) {
        Plataforma::atual().mostrarMensagem(texto("erroAbrirVolumeWindows"), texto("titulo"), BotoesMensagem::Ok);
    }
}

void TformAssistenteConfiguracaoDriver::reject() {
    // Esc: the final steps end as Finish does, keeping a confirmed device;
    // before them it is Cancel.
    if (tocando) return;
    if (assistente.terminada()) {
        accept();
    } else {
        aoCancelar();
    }
}

void TformAssistenteConfiguracaoDriver::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        // Enter takes the step's default button; the question needs a real answer.
        if (assistente.etapa() == Etapa::Apresentar) aoProsseguir();
        else if (assistente.terminada()) aoFinalizar();
        return;
    }
    QDialog::keyPressEvent(evento);
}
