#pragma once
// Chord codes built degree by degree, for tests that state a code's content.
#include <initializer_list>

#include "harmony/InterpreteCifras.h"
#include "harmony/NotasIntervalos.h"

inline CodigoAcorde codigoDe(IndiceNota raiz, std::initializer_list<IndiceGrau> graus, IndiceNota baixo = kSemNota) {
    const Especialista& esp = *Especialista::getInstancia();
    CodigoAcorde codigo = 0;
    esp.setRaiz(codigo, raiz);
    for (IndiceGrau g : graus) esp.setGrau(codigo, g, true);
    if (baixo != kSemNota) esp.setBaixo(codigo, baixo);
    return codigo;
}
