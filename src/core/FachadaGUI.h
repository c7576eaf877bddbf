#pragma once
// The core's one way back into the windows. Core code asks this object; the
// window that holds the answer registers itself here when it is created and
// withdraws when it is destroyed. Until a window registers, the questions get
// the answers of a window with nothing selected.
#include <memory>
#include <string>

#include "core/base/ColecaoPtr.h"
#include "core/base/Plataforma.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"

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

class FachadaGUI {
public:
    static FachadaGUI* getInstancia();

    // The window that answers from now on; nullptr withdraws it. The window
    // stays owned by its creator.
    void registrarJanelaPrincipal(RespostasJanelaPrincipal* janela) { janelaPrincipal = janela; }
    RespostasJanelaPrincipal* getJanelaPrincipal() const { return janelaPrincipal; }

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

private:
    RespostasJanelaPrincipal* janelaPrincipal = nullptr;
};
