#pragma once
// The state of scale mode while the program runs: the selected scale of the
// scale file, its positions on the neck in the key selected in the main
// window, which of them is shown, and the key name the main window wants back
// when it returns to scale mode.
//
// Nothing of the scale file is kept: every selection reads the file again.
// The positions are kept until the next selection.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/base/ColecaoPtr.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"

class BaseEscalas;
class GeradorEscalas;

class GerenciadorEscalas {
public:
    // Without a scale file reader or generator, the single instances are used
    // at each call (so a reader a test installs is seen at once).
    explicit GerenciadorEscalas(BaseEscalas* base = nullptr, GeradorEscalas* gerador = nullptr);

    static GerenciadorEscalas* getInstancia();
    // Tests install a manager of their own; nullptr drops it again.
    static void substituirInstancia(std::unique_ptr<GerenciadorEscalas> novo);

    // The scale names in file order. Without a scale file the user is told
    // ("baseEscalasNaoEncontrada"), the application is asked to end and the
    // list is empty.
    std::vector<std::string> getNomesEscalas();
    // The twelve key names of the current language, C first.
    std::vector<std::string> getTons();

    // Selects by position in the scale file (-1: none) and drops the
    // positions; a different scale also shows position 0 again.
    // OutOfBoundsException ("indiceInvalido") for any other index outside the file.
    void setEscalas(int32_t indice);
    // By name, exactly as written in the file; a name not in it is out of range.
    void selecionarEscala(const std::string& nome);
    // Keeps the positions, so the last shown one can still be asked for.
    void desselecionarEscala() { indiceEscala = -1; }
    int32_t getIndiceEscala() const { return indiceEscala; }
    // A newly read scale owned by the caller; nothing when none is selected.
    std::unique_ptr<Escala> getEscala();

    std::string getTom() const { return tom; }
    void setTom(const std::string& novo) { tom = novo; }

    int32_t getPosicaoAtual() const { return posicaoAtual; }
    // An index outside the positions changes nothing.
    void setPosicaoAtual(int32_t valor);
    // The new index, or -1 at the end (no wrap) or without positions.
    int32_t proximaPosicao();
    int32_t posicaoAnterior();

    // A copy of a position. Without positions they are generated first and
    // position 0 is shown instead. An index outside the positions raises the
    // collection's OutOfBoundsException and changes nothing.
    EscalaExibicao getEscalaExibicao(int32_t valor);
    EscalaExibicao getEscalaExibicaoAtual() { return getEscalaExibicao(posicaoAtual); }
    // Lays the selected scale out in the key selected in the main window.
    // The generator's NotFoundException passes on, leaving no positions.
    bool gerarPosicoes();
    int32_t getNumeroPosicoes() const { return posicoes.size(); }

private:
    BaseEscalas& base() const;
    GeradorEscalas& gerador() const;

    BaseEscalas* baseFixa;
    GeradorEscalas* geradorFixo;
    ColecaoPtr<EscalaExibicao> posicoes;
    int32_t indiceEscala = -1;
    int32_t posicaoAtual = 0;
    std::string tom;
    std::vector<std::string> tons;
};
