#pragma once
// Stands in for the widget that paints the fretboard model: keeps the timer
// requests and the repaints, and lets a test look at the items at each repaint.
#include <functional>
#include <vector>

#include "ui/modelo/ModeloBraco.h"

class ObservadorBracoFalso : public ObservadorBraco {
public:
    void iniciarTemporizador(int milissegundos) override { temporizadores.push_back(milissegundos); }
    void repintar() override {
        ++repinturas;
        if (aoRepintar) aoRepintar();
    }

    std::vector<int> temporizadores;
    int repinturas = 0;
    std::function<void()> aoRepintar;
};
