#pragma once
// Everything the fretboard model reaches through the facade, fresh and
// headless: a language, the instrument list of the program directory, the
// real chord database, a three-scale file (one that cannot be laid out), a recording MIDI output and a main
// window that answers the selected key.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/Fachada.h"
#include "fakes/JanelaPrincipalFalsa.h"
#include "fakes/ObservadorBracoFalso.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "scales/BaseEscalas.h"
#include "scales/GerenciadorEscalas.h"
#include "sound/GravadorMIDI.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"
#include "ui/modelo/ModeloBraco.h"

class AmbienteBraco {
public:
    explicit AmbienteBraco(const std::string& nomeIdioma = "English") : idioma(nomeIdioma) {
        namespace fs = std::filesystem;
        Plataforma& plataforma = idioma.plataforma();
        GerenciadorInstrumentos::substituirInstancia(GerenciadorInstrumentos::criar(plataforma));
        fachada.setInstrumento(0);
        GerenciadorAcordes::substituirInstancia(std::make_unique<GerenciadorAcordes>(GerenciadorAcordes::caminhoDaBase()));

        caminhoEscalas = (fs::temp_directory_path() / ("brelvio-braco-" + std::to_string(::getpid()) + ".xml")).string();
        std::ofstream(caminhoEscalas) << "<colecaoEscala>"
                                         "<escala><nome>Minor pentatonic</nome><frequencia>0</frequencia>"
                                         "<frequencia>3</frequencia><frequencia>5</frequencia>"
                                         "<frequencia>7</frequencia><frequencia>10</frequencia></escala>"
                                         "<escala><nome>Major</nome><frequencia>0</frequencia>"
                                         "<frequencia>2</frequencia><frequencia>4</frequencia><frequencia>5</frequencia>"
                                         "<frequencia>7</frequencia><frequencia>9</frequencia>"
                                         "<frequencia>11</frequencia></escala>"
                                         "<escala><nome>Too wide</nome><frequencia>0</frequencia>"
                                         "<frequencia>40</frequencia></escala>"
                                         "</colecaoEscala>";
        BaseEscalas::substituirInstancia(std::make_unique<BaseEscalas>(caminhoEscalas, plataforma));
        GerenciadorEscalas::substituirInstancia(std::make_unique<GerenciadorEscalas>());

        auto dispositivos = std::make_unique<GravadorMIDI>(1);
        gravador = dispositivos.get();
        SaidaMIDI::substituirInstancia(std::make_unique<SaidaMIDI>(std::move(dispositivos)));
        gravador->limpar();
        janela.tom = "A";
    }
    ~AmbienteBraco() {
        SaidaMIDI::substituirInstancia(nullptr);
        GerenciadorEscalas::substituirInstancia(nullptr);
        BaseEscalas::substituirInstancia(nullptr);
        GerenciadorAcordes::substituirInstancia(nullptr);
        GerenciadorInstrumentos::substituirInstancia(nullptr);
        std::filesystem::remove(caminhoEscalas);
    }
    AmbienteBraco(const AmbienteBraco&) = delete;
    AmbienteBraco& operator=(const AmbienteBraco&) = delete;

    // The first instrument of the list with that many strings; -1 when none.
    int instrumentoComCordas(int cordas) {
        const auto nomes = fachada.getNomesInstrumentos();
        for (int i = 0; i < static_cast<int>(nomes.size()); ++i) {
            if (fachada.getInstrumento(i)->getNumeroCordas() == cordas) return i;
        }
        return -1;
    }

    IdiomaDeTeste idioma;
    Fachada& fachada = *Fachada::getInstancia();
    JanelaPrincipalFalsa janela;
    GravadorMIDI* gravador = nullptr;
    std::string caminhoEscalas;
};
