#pragma once
// A program directory of its own for tests that change the instrument file:
// the language files and chord databases copied from the build, an instrument
// file with two user instruments, a configuration file, a recording MIDI
// output and fresh managers over all of it. Nothing is written into the
// build's program directory. reiniciar() builds fresh managers over the same
// files, as a new run of the program would.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "core/Fachada.h"
#include "core/GerenciadorConfiguracao.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "sound/GravadorMIDI.h"
#include "sound/SaidaMIDI.h"
#include "support/IdiomaDeTeste.h"
#include "ui/ConfiguracoesMantidas.h"

// Two user instruments; the first name holds "-", which the list lines also use.
inline const char* const kArquivoDoisInstrumentos =
    "<colecaoInstrumento>\r\n"
    "\t<instrumento>\r\n\t\t<nome>Tenor-4</nome>\r\n\t\t<descricao>tenor guitar</descricao>\r\n"
    "\t\t<numeroCordas>4</numeroCordas>\r\n\t\t<numeroCasas>12</numeroCasas>\r\n\t\t<distancia>4</distancia>\r\n"
    "\t\t<som>25</som>\r\n\t\t<afinacao>\r\n\t\t\t<frequencia>48</frequencia>\r\n\t\t\t<frequencia>55</frequencia>\r\n"
    "\t\t\t<frequencia>62</frequencia>\r\n\t\t\t<frequencia>69</frequencia>\r\n\t\t</afinacao>\r\n\t</instrumento>\r\n"
    "\t<instrumento>\r\n\t\t<nome>Banjo</nome>\r\n\t\t<descricao>five strings</descricao>\r\n"
    "\t\t<numeroCordas>5</numeroCordas>\r\n\t\t<numeroCasas>14</numeroCasas>\r\n\t\t<distancia>4</distancia>\r\n"
    "\t\t<som>105</som>\r\n\t\t<afinacao>\r\n\t\t\t<frequencia>67</frequencia>\r\n\t\t\t<frequencia>50</frequencia>\r\n"
    "\t\t\t<frequencia>55</frequencia>\r\n\t\t\t<frequencia>59</frequencia>\r\n\t\t\t<frequencia>62</frequencia>\r\n"
    "\t\t</afinacao>\r\n\t</instrumento>\r\n"
    "</colecaoInstrumento>\r\n";

class AmbienteInstrumentos {
public:
    explicit AmbienteInstrumentos(const std::string& nomeIdioma = "English")
        : pasta_(criarPasta()), idioma_(std::make_unique<IdiomaDeTeste>(nomeIdioma, pasta_.string() + "/")) {
        reiniciar();
    }
    ~AmbienteInstrumentos() {
        derrubar();
        idioma_.reset();
        std::filesystem::remove_all(pasta_);
    }
    AmbienteInstrumentos(const AmbienteInstrumentos&) = delete;
    AmbienteInstrumentos& operator=(const AmbienteInstrumentos&) = delete;

    // Fresh managers over the files as they are now; the first instrument current.
    void reiniciar() {
        derrubar();
        PlataformaHeadless& p = idioma_->plataforma();
        GerenciadorConfiguracao::substituirInstancia(
            std::make_unique<GerenciadorConfiguracao>((pasta_ / "brelvio.ini").string(), p));
        GerenciadorInstrumentos::substituirInstancia(GerenciadorInstrumentos::criar(p));
        GerenciadorAcordes::substituirInstancia(
            std::make_unique<GerenciadorAcordes>(GerenciadorAcordes::caminhoDaBase()));
        auto dispositivos = std::make_unique<GravadorMIDI>(3);
        gravador_ = dispositivos.get();
        SaidaMIDI::substituirInstancia(std::make_unique<SaidaMIDI>(std::move(dispositivos)));
        ConfiguracoesMantidas::substituirInstancia(nullptr);
        Fachada::getInstancia()->setInstrumento(0);
        gravador_->limpar();
    }

    bool carregado() const { return idioma_->carregado(); }
    PlataformaHeadless& plataforma() { return idioma_->plataforma(); }
    GerenciadorIdiomas& idiomas() { return idioma_->idiomas(); }
    GravadorMIDI& gravador() { return *gravador_; }
    std::string arquivoInstrumentos() const {
        return GerenciadorInstrumentos::getInstancia()->getCaminhoBase();
    }
    std::string texto(const char* secao, const char* chave) { return idiomas().getTexto(secao, chave); }

private:
    static std::filesystem::path criarPasta() {
        namespace fs = std::filesystem;
        const fs::path pasta = fs::path(::testing::TempDir()) /
                               ("programa_" + std::to_string(::getpid()) + "_" +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pasta);
        fs::create_directories(pasta);
        const fs::path app(BRELVIO_APP_DIR);
        for (const char* nome : {"english.idm", "english.dat", "portugues.idm", "portugues.dat", "chords.dat",
                                 "acordes.dat"}) {
            fs::copy_file(app / nome, pasta / nome);
        }
        for (const char* nome : {"instruments.xml", "instrumentos.xml"})
            std::ofstream(pasta / nome, std::ios::binary) << kArquivoDoisInstrumentos;
        return pasta;
    }
    void derrubar() {
        ConfiguracoesMantidas::substituirInstancia(nullptr);
        SaidaMIDI::substituirInstancia(nullptr);
        GerenciadorAcordes::substituirInstancia(nullptr);
        GerenciadorInstrumentos::substituirInstancia(nullptr);
        GerenciadorConfiguracao::substituirInstancia(nullptr);
    }

    std::filesystem::path pasta_;
    std::unique_ptr<IdiomaDeTeste> idioma_;
    GravadorMIDI* gravador_ = nullptr;
};
