#pragma once
// The windows' one door into the core. It keeps nothing: each operation
// fetches the single instance of the manager in charge and forwards its
// arguments and result unchanged; the managers' errors pass through. Objects
// handed out by pointer or reference are the managers' own.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "harmony/BaseAcordes.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"

class Acorde;
class DialogoImpressao;
class InstrumentoCordas;
class PosicaoHarmonica;

class Fachada {
public:
    static Fachada* getInstancia();

    // Language texts.
    std::string getTexto(const std::string& secao, const std::string& chave) const;

    // Configuration.
    std::string getIdioma() const;
    int8_t getPosicaoBraco() const;
    void setPosicaoBraco(int8_t posicao);
    int32_t getDriver() const;
    // Also moves the MIDI output to that device.
    void setDriver(int32_t indice);
    std::string getNomeInstrumento() const;
    void setNomeInstrumento(const std::string& nome);
    int32_t getExibicaoEscalas() const;
    void setExibicaoEscalas(int32_t valor);
    // On closing the main window: the current instrument's name and the
    // window's mode go into the configuration, which is then written. A write
    // that fails is not reported (false) and the old file stays.
    bool salvarConfiguracao(bool modoEscalas);

    // MIDI.
    void tocarNota(int canal, int velocidade, int nota);
    void pararNota(int canal, int nota);
    void silenciar();

    // Instruments.
    InstrumentoCordas* getInstrumentoAtual() const;
    InstrumentoCordas* getInstrumentoAnterior() const;
    void addInstrumento(const InstrumentoCordas* instrumento);
    void delInstrumento(int indice);
    // Replaces the instrument of a list index; built-ins are left alone.
    void editInstrumento(int indice, const InstrumentoCordas* instrumento);
    std::vector<std::string> getNomesInstrumentos();
    std::shared_ptr<InstrumentoCordas> getInstrumento(int indice);
    // Remembers the current instrument as the previous one, then changes it.
    void setInstrumento(int indice);
    std::string getNomeInstrumentoAtual() const;
    // Where the configured instrument stands in a list of instrument names
    // (getNomesInstrumentos): the first name equal to it byte for byte, else 0.
    int getIndiceInstrumentoConfigurado(const std::vector<std::string>& nomes) const;

    // Chords.
    const ListaNomes& getNomesAcordes() const;
    void setAcorde(int indice);
    bool setAcorde(const char* texto);
    PosicaoHarmonica* getPosicaoAcordeAtual();
    Acorde* getAcordeAtual();
    int getIndiceAcorde() const;
    void proximaPosicao();
    void posicaoAnterior();
    std::string getNomeAcordeAtual() const;
    int getClasseRaizAcordeAtual() const;
    bool usaBemolAcordeAtual() const;
    bool encontrarPosicao(PosicaoHarmonica* posicao);
    bool existePosicao(PosicaoHarmonica* posicao);
    void adicionarPosicao(PosicaoHarmonica* posicao);
    // The chord of sounding pitches (-1: string not played) with the chosen
    // root pitch (-1: none); empty when it has no name.
    std::string nomearAcorde(std::vector<int> notas, int raiz) const;

    // Scales.
    // A new list, in file order, owned by the caller.
    std::vector<std::string> getNomesEscalas();
    std::vector<std::string> getTons();
    void selecionarEscala(const std::string& nome);
    std::unique_ptr<Escala> getEscala();
    EscalaExibicao getEscalaExibicaoAtual();
    void desselecionarEscala();
    int32_t getPosicaoAtual();
    // With a scale selected, the positions are laid out first (in the key
    // selected now) so that the index is checked against them.
    void setPosicaoAtual(int32_t posicao);
    int32_t proximaPosicaoEscala();
    int32_t posicaoAnteriorEscala();
    void setTom(const std::string& tom);
    std::string getTom();

    // Printing.
    void setTextoImpressao(const std::string& texto);
    std::string getTextoImpressao() const;
    // Content: 0 text and diagrams, 1 diagrams only, 2 text only. Label: 0
    // fingers, 1 notes, 2 intervals. Prints the sheet text and a copy of the
    // print list on the current instrument; a cancelled dialog prints nothing.
    void imprimir(DialogoImpressao& dialogo, int conteudo, int rotulo);
    // Builds the preview pages, leaves them at 100 percent showing that page,
    // and shows the preview window modally.
    void visualizar(int conteudo, int rotulo, int pagina, int zoom);
    void mostrarPagina(int pagina, int zoom);

private:
    Fachada() = default;
};
