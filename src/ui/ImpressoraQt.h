#pragma once
// The printer of the page layout over a QPrinter (a system printer or a PDF
// file), and the system print dialog that chooses it.
#include <QPainter>
#include <QPrinter>
#include <optional>

#include "core/FachadaGUI.h"
#include "printing/Impressora.h"
#include "ui/SuperficieQt.h"

class QWidget;

class ImpressoraQt : public Impressora {
public:
    // Device units of the layout: a page some 2500 units wide, the size its
    // pen widths were chosen for.
    static constexpr int kResolucao = 300;

    // The printer stays the caller's; its resolution becomes kResolucao.
    explicit ImpressoraQt(QPrinter& impressora);
    ~ImpressoraQt() override;

    int larguraPagina() const override;
    int alturaPagina() const override;
    void iniciarDocumento() override;
    void novaPagina() override;
    void terminarDocumento() override;
    SuperficieDesenho& superficie() override { return desenho; }

    // The default printer's page; nothing without an installed printer.
    static std::optional<TamanhoPagina> paginaImpressoraPadrao();

private:
    QPrinter& impressora;
    QPainter pintor;
    SuperficieQt desenho;
};

// The system print dialog over one printer, kept across showings so that the
// user's choices stay.
class DialogoImpressaoQt : public DialogoImpressao {
public:
    explicit DialogoImpressaoQt(QWidget* pai = nullptr);
    Impressora* executar() override;
    QPrinter& getImpressora() { return impressora; }

private:
    QWidget* pai;
    QPrinter impressora{QPrinter::HighResolution};
    ImpressoraQt saida{impressora};
};
