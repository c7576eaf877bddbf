#pragma once
// A main window for tests: answers FachadaGUI from plain fields, registered
// for its own lifetime.
#include <string>

#include "core/FachadaGUI.h"

class JanelaPrincipalFalsa : public RespostasJanelaPrincipal {
public:
    JanelaPrincipalFalsa() { FachadaGUI::getInstancia()->registrarJanelaPrincipal(this); }
    ~JanelaPrincipalFalsa() override {
        if (FachadaGUI::getInstancia()->getJanelaPrincipal() == this) {
            FachadaGUI::getInstancia()->registrarJanelaPrincipal(nullptr);
        }
    }
    JanelaPrincipalFalsa(const JanelaPrincipalFalsa&) = delete;
    JanelaPrincipalFalsa& operator=(const JanelaPrincipalFalsa&) = delete;

    const ListaImpressao& getListaImpressao() const override { return listaImpressao; }
    std::string getTomSelecionado() const override { return tom; }
    bool configuracoesAbertasPeloInstrumento() const override { return pelaInstrumento; }

    ListaImpressao listaImpressao;
    std::string tom;
    bool pelaInstrumento = false;
};
