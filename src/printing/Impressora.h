#pragma once
// A printer as the page layout uses it: the page size and the document's
// course. Each operation raises a DException when the printer fails.
class SuperficieDesenho;

class Impressora {
public:
    virtual ~Impressora() = default;

    // The printable page in device units.
    virtual int larguraPagina() const = 0;
    virtual int alturaPagina() const = 0;

    virtual void iniciarDocumento() = 0;
    virtual void novaPagina() = 0;
    virtual void terminarDocumento() = 0;
    // What the current page is drawn on; valid between start and end.
    virtual SuperficieDesenho& superficie() = 0;
};

// The system print dialog: the printer the user chose, or nothing when the
// dialog was cancelled. The printer stays the dialog's.
class DialogoImpressao {
public:
    virtual ~DialogoImpressao() = default;
    virtual Impressora* executar() = 0;
};
