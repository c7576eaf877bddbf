#include "ui/TformImportarCifra.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "import/FolhaCifra.h"
#include "import/LinhaCifra.h"
#include "ui/AbrirAjuda.h"
#include "ui/ImpressaoCifra.h"
#include "ui/OperacoesListaImpressao.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {

constexpr int kLargura = 473;
constexpr int kAltura = 456;
constexpr int kMargem = 12;
constexpr int kTopoMemo = 50;
constexpr int kAlturaMemo = 308;
constexpr int kTopoBarra = kTopoMemo + kAlturaMemo;

TformImportarCifra* cifraAtual = nullptr;

std::string texto(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

QFont fonteNegrito(int pixels) {
    QFont fonte;
    fonte.setPixelSize(pixels);
    fonte.setBold(true);
    return fonte;
}

// A picture button of the pack; a caption button is drawn at the given size.
TVantorButton3D* botaoPacote(QWidget* pai, const char* nome, const char* secao, const std::string& imagem,
                             QPoint lugar, QSize tamanho = QSize()) {
    auto* botao = new TVantorButton3D(pai);
    botao->setObjectName(QString::fromLatin1(nome));
    QPixmap solto = pixmapIdioma(secao, imagem + "Solto");
    QPixmap pressionado = pixmapIdioma(secao, imagem + "Pressionado");
    if (tamanho.isValid() && !solto.isNull()) {
        solto = solto.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pressionado = pressionado.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    botao->SetImagemPressionada(pressionado);
    botao->SetImagemSolta(solto);
    botao->SetPressed(false);
    botao->SetTextFont(fonteNegrito(12), Qt::white);
    botao->SetTextShadedFont(fonteNegrito(12), QColor(0x10, 0x10, 0x10));
    botao->SetTextShaded(true);
    botao->move(lugar);
    return botao;
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

const char* const kEstiloMemo =
    "QPlainTextEdit { background: #f7f7f4; color: #17191d; border: 1px solid #0b0c0e; border-radius: 3px;"
    " selection-background-color: #f4a62a; selection-color: #15171b; }";

// The cursor shows the program busy until the scope ends, however it ends.
struct CursorOcupado {
    CursorOcupado() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TformImportarCifra::TformImportarCifra(QWidget* pai) : QWidget(pai, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("formImportarCifra"));
    setFixedSize(kLargura, kAltura);
    fundo = pixmapIdioma("fmImportarCifra", "imgFundo");
    criarControles();
    aplicarTextos();
    cifraAtual = this;
}

TformImportarCifra::~TformImportarCifra() {
    if (cifraAtual == this) cifraAtual = nullptr;
}

TformImportarCifra* TformImportarCifra::atual() { return cifraAtual; }

void TformImportarCifra::criarControles() {
    titulo = new QLabel(this);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    titulo->setGeometry(40, 9, 260, 24);
    titulo->setFont(fonteNegrito(14));
    titulo->setAttribute(Qt::WA_TransparentForMouseEvents);

    fecharBotao = botaoPacote(this, "btnFechar", "geral", "imgBtnFechar", QPoint(kLargura - 8 - 24, 8));
    minimizarBotao = botaoPacote(this, "btnMinimizar", "geral", "imgBtnMinimizar", QPoint(fecharBotao->x() - 28, 8));
    ajudaBotao = botaoPacote(this, "btnAjuda", "geral", "imgBtnAjuda", QPoint(minimizarBotao->x() - 28, 8));

    memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("memoTextoCifra"));
    memo->setGeometry(kMargem, kTopoMemo, kLargura - 2 * kMargem, kAlturaMemo);
    memo->setStyleSheet(QString::fromLatin1(kEstiloMemo));
    memo->setFont(fonteCifra());
    // A long line wraps on screen only; it stays one line of the sheet.
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    mudarTom = new QLabel(this);
    mudarTom->setObjectName(QStringLiteral("lblMudarTom"));
    mudarTom->setGeometry(kMargem + 2, kTopoBarra + 12, 150, 18);
    const int xSeta = kMargem + 2;
    acimaBotao = botaoPacote(this, "btnTransporAcima", "fmImportarCifra", "imgBtnTransporAcima",
                             QPoint(xSeta, kTopoBarra + 34));
    abaixoBotao = botaoPacote(this, "btnTransporAbaixo", "fmImportarCifra", "imgBtnTransporAbaixo",
                              QPoint(xSeta, kTopoBarra + 64));
    acimaRotulo = new QLabel(this);
    acimaRotulo->setObjectName(QStringLiteral("lblTransporAcima"));
    acimaRotulo->setGeometry(xSeta + 34, acimaBotao->y(), 100, 24);
    abaixoRotulo = new QLabel(this);
    abaixoRotulo->setObjectName(QStringLiteral("lblTransporAbaixo"));
    abaixoRotulo->setGeometry(xSeta + 34, abaixoBotao->y(), 100, 24);
    for (QLabel* rotulo : {mudarTom, acimaRotulo, abaixoRotulo, titulo}) {
        QPalette cores = rotulo->palette();
        cores.setColor(QPalette::WindowText, QColor(0xEE, 0xF0, 0xF3));
        rotulo->setPalette(cores);
    }
    QFont fonteRotulo;
    fonteRotulo.setPixelSize(12);
    mudarTom->setFont(fonteNegrito(12));
    for (QLabel* rotulo : {acimaRotulo, abaixoRotulo}) {
        rotulo->setFont(fonteRotulo);
        rotulo->setCursor(Qt::PointingHandCursor);
        rotulo->installEventFilter(this);
    }

    // Paste, import and print, right-aligned on the row between the two arrows.
    const int yBotoes = kTopoBarra + 49;
    imprimirBotao = botaoPacote(this, "btnImprimir", "geral", "imgBotao", QPoint(kLargura - kMargem - 92, yBotoes),
                                QSize(92, 27));
    importarBotao = botaoPacote(this, "btnImportarCifra", "geral", "imgBotaoLargo",
                                QPoint(imprimirBotao->x() - 8 - 132, yBotoes), QSize(132, 27));
    colarBotao = botaoPacote(this, "btnColar", "geral", "imgBotao", QPoint(importarBotao->x() - 8 - 92, yBotoes),
                             QSize(92, 27));

    connect(fecharBotao, &TVantorButton3D::clicked, this, &QWidget::close);
    connect(minimizarBotao, &TVantorButton3D::clicked, this, [] {
        for (QWidget* janela : QApplication::topLevelWidgets()) {
            if (janela->isVisible()) janela->showMinimized();
        }
    });
    connect(ajudaBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::abrirAjuda);
    connect(colarBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::colar);
    connect(importarBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::importar);
    connect(imprimirBotao, &TVantorButton3D::clicked, this, &TformImportarCifra::imprimir);
    connect(acimaBotao, &TVantorButton3D::clicked, this, [this] { transpor(kTransporAcima); });
    connect(abaixoBotao, &TVantorButton3D::clicked, this, [this] { transpor(kTransporAbaixo); });
    // Esc closes the window even while the sheet text has the focus.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);
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
    fecharBotao->setToolTip(g("hintBtnFechar"));
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
    std::string folha;
    {
        CursorOcupado ocupado;
        const std::vector<std::string> linhas = linhas1252();
        for (const std::string& linha : linhas) folha += linha + '\n';
        if (OperacoesListaImpressao* lista = OperacoesListaImpressao::atual()) {
            lista->limparListaImpressao();
            for (const std::string& linha : linhas) {
                for (const std::string& acorde : linhaCifra::acordes(linha)) {
                    lista->adicionarCifraImpressao(acorde, false);
                }
            }
        }
    }
    abrirImpressaoCifra(folha);
}

void TformImportarCifra::abrirAjuda() {
    abrirDocumentoAjuda(Plataforma::atual().diretorioPrograma() + texto("parametros", "caminhoAjuda"),
                        "#telaCifras");
}

void TformImportarCifra::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    if (fundo.isNull()) {
        pintor.fillRect(rect(), QColor(0x1e, 0x21, 0x27));
    } else {
        pintor.drawPixmap(0, 0, fundo);
    }
}

void TformImportarCifra::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    QRect area = geometry();
    const QWidget* referencia = parentWidget() != nullptr ? parentWidget() : QApplication::activeWindow();
    if (referencia != nullptr && referencia != this && referencia->isVisible()) {
        area.moveCenter(referencia->geometry().center());
    } else if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        area.moveCenter(tela->availableGeometry().center());
    }
    move(area.topLeft());
}

void TformImportarCifra::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) inicioArrasto = evento->globalPosition().toPoint() - pos();
    QWidget::mousePressEvent(evento);
}

void TformImportarCifra::mouseMoveEvent(QMouseEvent* evento) {
    if (evento->buttons() & Qt::LeftButton) move(evento->globalPosition().toPoint() - inicioArrasto);
    QWidget::mouseMoveEvent(evento);
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
    return QWidget::eventFilter(objeto, evento);
}
