#include "ui/TformImportarCifra.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/Fachada.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "import/FolhaCifra.h"
#include "import/LinhaCifra.h"
#include "ui/AbrirAjuda.h"
#include "ui/AplicacaoBrelvio.h"
#include "ui/CursorOcupado.h"
#include "ui/TformImpressao.h"
#include "ui/OperacoesListaImpressao.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {

constexpr int kLargura = 473;
constexpr int kAltura = 456;
constexpr int kMargem = 12;
constexpr int kTopoMemo = 50;
constexpr int kAlturaMemo = 302;

TformImportarCifra* cifraAtual = nullptr;

std::string texto(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

// "Courier New" where the system has it, otherwise the system's fixed-pitch
// font: chord lines only line up over the lyrics in a monospace font.
QFont fonteCifra() {
    const QString courier = QStringLiteral("Courier New");
    QFont fonte(courier);
    if (QFontInfo(fonte).family() != courier) fonte = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fonte.setStyleHint(QFont::TypeWriter);
    fonte.setFixedPitch(true);
    fonte.setPixelSize(13);
    return fonte;
}

// The song stays dark on light, like the printed page it becomes.
const char* const kEstiloMemo =
    "QPlainTextEdit { background: #f7f7f4; color: #17191d; border: 1px solid #0b0c0e; border-radius: 4px;"
    " selection-background-color: #f4a62a; selection-color: #15171b; }";

}  // namespace

TformImportarCifra::TformImportarCifra(QWidget* pai)
    : DialogoSemBorda(pai, "fmImportarCifra", QSize(kLargura, kAltura)) {
    setObjectName(QStringLiteral("formImportarCifra"));
    // It stays open beside the main window, which goes on working.
    setModal(false);
    criarControles();
    aplicarTextos();
    cifraAtual = this;
}

TformImportarCifra::~TformImportarCifra() {
    if (cifraAtual == this) cifraAtual = nullptr;
}

TformImportarCifra* TformImportarCifra::atual() { return cifraAtual; }

void TformImportarCifra::criarControles() {
    QWidget* c = corpo();
    titulo = criarTitulo();
    fecharBotao = criarBotaoFechar();
    minimizarBotao = criarBotao(c, "btnMinimizar", "imgBtnMinimizar");
    minimizarBotao->move(fecharBotao->x() - 28, fecharBotao->y());
    ajudaBotao = criarBotao(c, "btnAjuda", "imgBtnAjuda");
    ajudaBotao->move(minimizarBotao->x() - 28, fecharBotao->y());

    memo = new QPlainTextEdit(c);
    memo->setObjectName(QStringLiteral("memoTextoCifra"));
    memo->setGeometry(kMargem, kTopoMemo, kLargura - 2 * kMargem, kAlturaMemo);
    memo->setStyleSheet(QString::fromLatin1(kEstiloMemo));
    memo->setFont(fonteCifra());
    // A long line wraps on screen only; it stays one line of the sheet.
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The key change on one row: label, then each arrow with its own label.
    const int yTom = kTopoMemo + kAlturaMemo + 12;
    mudarTom = new QLabel(c);
    mudarTom->setObjectName(QStringLiteral("lblMudarTom"));
    QFont negrito = mudarTom->font();
    negrito.setPixelSize(12);
    negrito.setBold(true);
    mudarTom->setFont(negrito);
    mudarTom->setGeometry(kMargem + 2, yTom, 104, 24);
    acimaBotao = criarBotao(c, "btnTransporAcima", "imgBtnTransporAcima");
    acimaBotao->move(kMargem + 110, yTom);
    acimaRotulo = new QLabel(c);
    acimaRotulo->setObjectName(QStringLiteral("lblTransporAcima"));
    acimaRotulo->setGeometry(acimaBotao->x() + acimaBotao->width() + 6, yTom, 96, 24);
    abaixoBotao = criarBotao(c, "btnTransporAbaixo", "imgBtnTransporAbaixo");
    abaixoBotao->move(acimaRotulo->x() + acimaRotulo->width() + 8, yTom);
    abaixoRotulo = new QLabel(c);
    abaixoRotulo->setObjectName(QStringLiteral("lblTransporAbaixo"));
    abaixoRotulo->setGeometry(abaixoBotao->x() + abaixoBotao->width() + 6, yTom, 96, 24);
    for (QLabel* rotulo : {acimaRotulo, abaixoRotulo}) {
        QFont fonte = rotulo->font();
        fonte.setPixelSize(12);
        rotulo->setFont(fonte);
        rotulo->setCursor(Qt::PointingHandCursor);
        rotulo->installEventFilter(this);
    }

    // Paste on the left; what the song is for, import and print, on the right.
    const int yBotoes = kAltura - 16 - 27;
    colarBotao = criarBotao(c, "btnColar", "imgBotao");
    colarBotao->move(kMargem, yBotoes);
    imprimirBotao = criarBotao(c, "btnImprimir", "imgBotao");
    imprimirBotao->move(kLargura - kMargem - imprimirBotao->width(), yBotoes);
    importarBotao = criarBotao(c, "btnImportarCifra", "imgBotaoLargo");
    importarBotao->move(imprimirBotao->x() - 8 - importarBotao->width(), yBotoes);

    connect(minimizarBotao, &TVantorButton3D::clicked, this, &AplicacaoBrelvio::minimizarTudo);
    connect(ajudaBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::abrirAjuda);
    connect(colarBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::colar);
    connect(importarBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::importar);
    connect(imprimirBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::imprimir);
    connect(acimaBotao, &TVantorButton3D::clicked, this, [this] { transpor(kTransporAcima); });
    connect(abaixoBotao, &TVantorButton3D::clicked, this, [this] { transpor(kTransporAbaixo); });
}

void TformImportarCifra::aplicarTextos() {
    const auto t = [](const char* chave) { return textoQt(texto("fmImportarCifra", chave)); };
    const auto g = [](const char* chave) { return textoQt(texto("geral", chave)); };
    setWindowTitle(t("titulo"));
    titulo->setText(t("titulo"));
    const QString semitom = t("nomeSemitom");
    acimaRotulo->setText(QStringLiteral("+1 ") + semitom);
    abaixoRotulo->setText(QStringLiteral("-1 ") + semitom);
    mudarTom->setText(t("lblMudarTom"));
    memo->setPlainText(t("textoMemoCifra"));
    memo->setToolTip(t("hintMemoCifra"));
    colarBotao->SetText(t("btnColar"));
    colarBotao->setToolTip(t("hintBtnColar"));
    importarBotao->SetText(t("btnImportarCifra"));
    importarBotao->setToolTip(t("hintBtnImportarCifra"));
    imprimirBotao->SetText(g("btnImprimir"));
    imprimirBotao->setToolTip(t("hintBtnImprimir"));
    acimaBotao->setToolTip(t("hintBtnTransporAcima"));
    acimaRotulo->setToolTip(acimaBotao->toolTip());
    abaixoBotao->setToolTip(t("hintBtnTransporAbaixo"));
    abaixoRotulo->setToolTip(abaixoBotao->toolTip());
    ajudaBotao->setToolTip(g("hintBtnAjuda"));
    minimizarBotao->setToolTip(g("hintBtnMinimizar"));
}

std::vector<std::string> TformImportarCifra::linhas1252() const {
    std::vector<std::string> linhas;
    for (QTextBlock bloco = memo->document()->begin(); bloco.isValid(); bloco = bloco.next()) {
        linhas.push_back(texto1252De(bloco.text()));
    }
    return linhas;
}

void TformImportarCifra::colar() {
    QString colado = QGuiApplication::clipboard()->text();
    colado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    colado.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    colado.replace(QLatin1Char('\t'), QString(folhaCifra::kBrancosPorTabulacao, QLatin1Char(' ')));
    // Through a cursor, so that one undo brings the previous sheet back.
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(colado);
    memo->setTextCursor(cursor);
}

void TformImportarCifra::transpor(DirecaoTransposicao sentido) {
    semitons = 1;
    direcao = sentido;
    // Each line is examined as the core sees it, one Windows-1252 byte per
    // character, and only the chords are rewritten in the widget's own text:
    // characters Windows-1252 lacks stay as they are. Replacing from the right
    // keeps the places of the chords still to come.
    QTextCursor cursor(memo->document());
    cursor.beginEditBlock();
    for (QTextBlock bloco = memo->document()->begin(); bloco.isValid(); bloco = bloco.next()) {
        const auto substituicoes = linhaCifra::substituicoesTransposicao(texto1252De(bloco.text()), semitons, direcao);
        for (auto s = substituicoes.rbegin(); s != substituicoes.rend(); ++s) {
            cursor.setPosition(bloco.position() + static_cast<int>(s->inicio));
            cursor.setPosition(bloco.position() + static_cast<int>(s->inicio + s->tamanho), QTextCursor::KeepAnchor);
            cursor.insertText(textoQt(s->texto));
        }
    }
    cursor.endEditBlock();
}

void TformImportarCifra::importar() {
    if (OperacoesListaImpressao* lista = OperacoesListaImpressao::atual()) {
        for (const std::string& linha : linhas1252()) {
            for (const std::string& acorde : linhaCifra::acordes(linha)) lista->adicionarCifraImpressao(acorde, true);
        }
    }
    close();
}

void TformImportarCifra::imprimir() {
    TformImpressao* dialogo = TformImpressao::atual();
    {
        const CursorOcupado ocupado(Qt::BusyCursor);
        if (dialogo != nullptr) dialogo->prepararCifra();
        const std::vector<std::string> linhas = linhas1252();
        std::string folha;
        for (const std::string& linha : linhas) folha += linha + '\n';
        if (OperacoesListaImpressao* lista = OperacoesListaImpressao::atual()) {
            lista->limparListaImpressao();
            // Not forced: a chord already in the list gets one diagram, however often the song plays it.
            for (const std::string& linha : linhas) {
                for (const std::string& acorde : linhaCifra::acordes(linha)) {
                    lista->adicionarCifraImpressao(acorde, false);
                }
            }
        }
        Fachada::getInstancia()->setTextoImpressao(folha);
    }
    if (dialogo != nullptr) dialogo->exec();
}

void TformImportarCifra::abrirAjuda() {
    abrirDocumentoAjuda(Plataforma::atual().diretorioPrograma() + texto("parametros", "caminhoAjuda"),
                        "#telaCifras");
}

bool TformImportarCifra::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (objeto == acimaRotulo) {
            transpor(kTransporAcima);
            return true;
        }
        if (objeto == abaixoRotulo) {
            transpor(kTransporAbaixo);
            return true;
        }
    }
    return DialogoSemBorda::eventFilter(objeto, evento);
}
