#pragma once
// The core's one way back into the windows. Core code asks this object; the
// window that holds the answer registers itself here when it is created and
// withdraws when it is destroyed. Until a window registers, the questions get
// the answers of a window with nothing selected.
#include <memory>
#include <optional>
#include <string>

#include "core/base/ColecaoPtr.h"
#include "core/base/Plataforma.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/SuperficieDesenho.h"

using ListaImpressao = ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>;

// What the main window answers.
class RespostasJanelaPrincipal {
public:
    virtual ~RespostasJanelaPrincipal() = default;
    // The window's own print list; callers receive copies of it.
    virtual const ListaImpressao& getListaImpressao() const = 0;
    // The key name selected in the key list; empty when none is.
    virtual std::string getTomSelecionado() const = 0;
    // True when the instrument button (not the settings button) last opened
    // the settings dialog.
    virtual bool configuracoesAbertasPeloInstrumento() const = 0;
};

// A printer page in device units.
struct TamanhoPagina {
    int largura = 0;
    int altura = 0;
    bool operator==(const TamanhoPagina&) const = default;
};

// What the print preview window answers: the pictures the preview pages are
// drawn on, the default printer's page that they copy, and showing them.
class RespostasVisualizacao {
public:
    virtual ~RespostasVisualizacao() = default;
    // Nothing when no printer is installed or its page cannot be read.
    virtual std::optional<TamanhoPagina> tamanhoPaginaImpressora() const = 0;
    // A blank page picture of that many pixels.
    virtual std::unique_ptr<SuperficieDesenho> novaPagina(int largura, int altura) = 0;
    // One of the pictures novaPagina made, the page count and the page size.
    virtual void mostrarPagina(const SuperficieDesenho& pagina, int paginas, int largura, int altura) = 0;
    // Shows the preview window modally.
    virtual void exibir() = 0;
};

class FachadaGUI {
public:
    static FachadaGUI* getInstancia();

    // The window that answers from now on; nullptr withdraws it. The window
    // stays owned by its creator.
    void registrarJanelaPrincipal(RespostasJanelaPrincipal* janela) { janelaPrincipal = janela; }
    RespostasJanelaPrincipal* getJanelaPrincipal() const { return janelaPrincipal; }

    // The print preview that answers from now on; nullptr withdraws it.
    void registrarVisualizacao(RespostasVisualizacao* janela) { visualizacao = janela; }
    RespostasVisualizacao* getVisualizacao() const { return visualizacao; }

    // Plain message boxes of the current platform, no icon; an empty title
    // leaves them untitled. Ok or Cancelar, whichever was pressed.
    RespostaMensagem confirmar(const std::string& mensagem, const std::string& titulo = std::string());
    // True for Yes.
    bool perguntar(const std::string& mensagem, const std::string& titulo = std::string());

    // A new list owned by the caller, holding copies of the print list's
    // fingerings in list order; empty without a main window.
    std::unique_ptr<ListaImpressao> getCopiaListaImpressao() const;
    // Empty without a main window, which no key name equals.
    std::string getTomSelecionado() const;
    bool configuracoesAbertasPeloInstrumento() const;

    // Without a preview window there is no printer page to copy, no picture
    // to draw on (nullptr) and nothing to show.
    std::optional<TamanhoPagina> tamanhoPaginaImpressora() const;
    std::unique_ptr<SuperficieDesenho> novaPaginaVisualizacao(int largura, int altura);
    void mostrarPaginaVisualizacao(const SuperficieDesenho& pagina, int paginas, int largura, int altura);
    void exibirVisualizacao();

private:
    RespostasJanelaPrincipal* janelaPrincipal = nullptr;
    RespostasVisualizacao* visualizacao = nullptr;
};
