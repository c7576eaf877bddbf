#pragma once
// Stands in for the main window's print list: registers itself while alive and
// records every call, in order, as "limpar" or "<chord>" with "!" for forced.
#include <string>
#include <vector>

#include "ui/OperacoesListaImpressao.h"

class ListaImpressaoFalsa : public OperacoesListaImpressao {
public:
    ListaImpressaoFalsa() { registrar(this); }
    ~ListaImpressaoFalsa() override {
        if (atual() == this) registrar(nullptr);
    }

    void adicionarCifraImpressao(const std::string& cifra, bool forcar) override {
        chamadas.push_back(cifra + (forcar ? "!" : ""));
    }
    void limparListaImpressao() override { chamadas.push_back("limpar"); }

    std::vector<std::string> chamadas;
};
