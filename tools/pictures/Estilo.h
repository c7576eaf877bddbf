#pragma once
// The look shared by every picture: colours, the backgrounds the pictures
// continue into one another, the emblem, and where the main window's small
// pictures sit on its title bar (their backgrounds are drawn to match there).
#include <string>
#include <string_view>

#include "Letras.h"
#include "Tela.h"

namespace estilo {

inline const Cor kBranco = corHex(0xffffff);
inline const Cor kPreto = corHex(0x000000);
inline const Cor kTexto = corHex(0xeef0f3);
inline const Cor kTextoApagado = corHex(0x8f98a4);
inline const Cor kAmbar = corHex(0xf4a62a);
inline const Cor kAmbarClaro = corHex(0xffd27f);
inline const Cor kAmbarEscuro = corHex(0xc9780f);
inline const Cor kPainel = corHex(0x131519);        // inside the control bar's panels
inline const Cor kBordaPainel = corHex(0x353b45);
inline const Cor kGrafite = corHex(0x1d2026);

// Main window sizes and places.
inline constexpr int kLarguraJanela = 795;
inline constexpr int kAlturaTitulo = 82;
inline constexpr int kAlturaBarra = 115;
inline constexpr int kLarguraOpcoes = 170;
inline constexpr int kLarguraAcordes = 330;
inline constexpr int kLarguraLista = kLarguraJanela - kLarguraOpcoes - kLarguraAcordes;
inline constexpr int kLadoBotaoIcone = 24;
inline constexpr int kTopoBotoesIcone = 8;  // help, minimise and close stand 8 pixels below a title's top
inline constexpr int kLarguraLink = 130;
inline constexpr int kAlturaLink = 16;
inline constexpr int kXLink = 657;
inline constexpr int kYLink = 44;

// The title gradient depends on y only, so a picture laid on a title at the
// same height continues it without a seam.
Cor fundoTitulo(float y);
// The control bar behind its panels.
Cor fundoBarra(float y);
// Outside the neck and body on the neck pictures.
Cor fundoBraco(float x, float y);

// The program's emblem, a chord box on an amber tile, lado pixels square.
void emblema(Tela& tela, float x, float y, float lado);

// Upper case of Windows-1252 text, accented letters included.
std::string maiusculas(std::string_view texto);

// Text laid on the picture with a soft shadow under it.
void escrever(Tela& tela, float x, float yBase, std::string_view texto, const letras::Estilo& e, const Tinta& tinta,
              float sombra = 0.55f);
void escreverCentrado(Tela& tela, float cx, float yBase, std::string_view texto, const letras::Estilo& e,
                      const Tinta& tinta, float larguraMaxima, float sombra = 0.55f);

}  // namespace estilo
