#pragma once
// The drawing of each picture of the pack.
#include <string>

#include "Quadros.h"
#include "Tela.h"
#include "instruments/GeometriaBraco.h"

namespace desenhos {

// Windows and bars.
Tela entrada(const TextosImagens& t);
Tela barraSuperior(const TextosImagens& t);
Tela linkEndereco(const TextosImagens& t);
Tela barraInferior(const TextosImagens& t);
// One area of the control bar: an inset panel with its name on the edge.
Tela areaBarra(int largura, const std::string& titulo);
// A borderless dialog: a title band on top of a dark body. Without the
// name, the band leaves room right of the emblem for the dialog's own title.
Tela fundoDialogo(int largura, int altura, const TextosImagens& t, bool comNome);
// The MIDI driver wizard: a dialog background split in two columns at xDivisa.
Tela fundoAssistente(int largura, int altura, int xDivisa, const TextosImagens& t);
Tela barraVisualizacao(int largura, int altura);

// Buttons. Every button is drawn released and pressed.
enum class Icone { Ajuda, Minimizar, Fechar, Anterior, Proximo, Acima, Abaixo };
Tela botao(int largura, int altura, bool pressionado);
// An icon button; on a title it continues the title's gradient from y0 down.
Tela botaoIcone(Icone icone, int largura, int altura, bool pressionado, float y0, bool sobreTitulo);

// The neck and its dots.
enum class Cordas { Aco, Nylon };
Tela braco(const geometriaBraco::TabelaBraco& tabela, int orientacao);
enum class CorBolinha { Vermelha, Azul };
Tela bolinha(CorBolinha cor);
Tela mascaraBolinha();
// The six-string neck of an orientation, reduced for the settings dialog.
Tela miniaturaBraco(int orientacao);

}  // namespace desenhos
