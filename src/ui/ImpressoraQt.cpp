#include "ui/ImpressoraQt.h"

#include <QPrintDialog>
#include <QPrinterInfo>

#include "core/base/Excecoes.h"

ImpressoraQt::ImpressoraQt(QPrinter& impressora) : impressora(impressora) {}

ImpressoraQt::~ImpressoraQt() {
    // A document left open by an error is dropped, not half printed.
    if (pintor.isActive()) {
        impressora.abort();
        pintor.end();
    }
}

int ImpressoraQt::larguraPagina() const {
    impressora.setResolution(kResolucao);
    return impressora.width();
}

int ImpressoraQt::alturaPagina() const {
    impressora.setResolution(kResolucao);
    return impressora.height();
}

void ImpressoraQt::iniciarDocumento() {
    impressora.setResolution(kResolucao);
    if (!pintor.begin(&impressora)) throw DException("A impressora n\xE3o iniciou o documento");
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    desenho.usarPintor(&pintor);
}

void ImpressoraQt::novaPagina() {
    if (!impressora.newPage()) throw DException("A impressora n\xE3o iniciou uma nova p\xE1gina");
}

void ImpressoraQt::terminarDocumento() {
    if (!pintor.end() || impressora.printerState() == QPrinter::Error) {
        throw DException("A impressora n\xE3o terminou o documento");
    }
}

std::optional<TamanhoPagina> ImpressoraQt::paginaImpressoraPadrao() {
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull()) return std::nullopt;
    QPrinter impressora(padrao, QPrinter::HighResolution);
    impressora.setResolution(kResolucao);
    if (impressora.width() <= 0 || impressora.height() <= 0) return std::nullopt;
    return TamanhoPagina{impressora.width(), impressora.height()};
}

DialogoImpressaoQt::DialogoImpressaoQt(QWidget* pai) : pai(pai) {}

Impressora* DialogoImpressaoQt::executar() {
    QPrintDialog dialogo(&impressora, pai);
    dialogo.setObjectName(QStringLiteral("dialogImpressao"));
    if (dialogo.exec() != QDialog::Accepted) return nullptr;
    return &saida;
}
