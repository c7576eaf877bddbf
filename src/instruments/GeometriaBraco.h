#pragma once
// Where things stand on the drawn neck of the main window: the places of the
// frets and strings on which the fretboard view centres its dots and labels,
// and the nut and fret wires of the neck pictures between those places. The
// picture generator draws the necks from these tables and the view places
// its items with them, so the two cannot drift apart.
//
// Coordinates are those of the neck area, (0, 0) at its top-left corner. An
// x value is a centre line in the sense of the view's items: an item of even
// width centred on x covers the columns x - w/2 .. x + w/2 - 1. A y value is a
// pixel row: an item of odd height centred on it has that row in its middle.
// Every table is written for the nut on the right (orientations 0 and 1);
// orientations 2 and 3 turn the neck round to x = kEspelho - value.
#include <array>

namespace geometriaBraco {

inline constexpr int kLargura = 797;
inline constexpr int kAltura = 325;
inline constexpr int kEspelho = 792;
inline constexpr int kDistanciaCordas = 24;

// Chord dots, scale dots, right-hand markers and every label on the neck.
inline constexpr int kLarguraItem = 24;
inline constexpr int kAlturaItem = 23;

// Right-hand markers stand at the far end of the strings from the nut.
inline constexpr int kXMaoDireitaNutDireita = 18;   // orientations 0 and 1
inline constexpr int kXMaoDireitaNutEsquerda = 774;  // orientations 2 and 3

// The new-root notice.
inline constexpr int kAvisoEsquerda = 329;
inline constexpr int kAvisoTopo = 308;
inline constexpr int kAvisoLargura = 269;
inline constexpr int kAvisoAltura = 13;

inline constexpr int kMaxCasas = 15;  // places 0 (the open string) to 14

// The neck pictures and the dot pictures are entries of this section of the
// language's picture pack.
inline constexpr const char* kSecaoImagens = "fmPrincipal";
inline constexpr const char* kImagemBolinhaVermelha = "imgBolinhaVermelha";  // the root
inline constexpr const char* kImagemBolinhaAzul = "imgBolinhaAzul";          // other notes, hand markers
// Grey coverage of the two dots (white: the dot, black: the neck shows
// through), for a view that wants their round edge over the wood.
inline constexpr const char* kImagemMascaraBolinha = "imgBolinhaMascara";

enum class Modelo { Cordas4, Cordas5, Cordas6, Cordas6Brasil };

struct TabelaBraco {
    Modelo modelo;
    int cordas;
    int ultimaCasa;       // places 0 .. ultimaCasa are drawn and can be hit
    int yPrimeiraCorda;   // the string nearest the top
    // Centre of the place where a finger stops fret f (f = 0: the open string).
    std::array<int, kMaxCasas> xCasa;
    // Centre line of the nut ([0]) and of fret wire k between places k and k + 1
    // ([k], the last one beyond the last place); entries past ultimaCasa are 0.
    std::array<int, kMaxCasas> xTraste;
    // The view's click area over the strings: top edge and height.
    int topoAreaClique;
    int alturaAreaClique;
    // Picture keys for orientations 0 to 3.
    std::array<const char*, 4> imagens;
};

inline constexpr std::array<TabelaBraco, 4> kBracos = {{
    {Modelo::Cordas4, 4, 12, 126,
     {786, 742, 688, 634, 584, 535, 488, 441, 396, 350, 308, 266, 223, 0, 0},
     {764, 715, 661, 609, 559, 511, 464, 418, 373, 329, 287, 244, 201, 0, 0},
     100, 125,
     {"imgBraco4CordasFrenteNormal", "imgBraco4CordasFrenteInvertido", "imgBraco4CordasTopoNormal",
      "imgBraco4CordasTopoInvertido"}},
    {Modelo::Cordas5, 5, 14, 113,
     {786, 742, 688, 634, 584, 535, 488, 441, 396, 350, 308, 266, 223, 180, 138},
     {764, 715, 661, 609, 559, 511, 464, 418, 373, 329, 287, 244, 201, 159, 117},
     90, 145,
     {"imgBraco5CordasFrenteNormal", "imgBraco5CordasFrenteInvertido", "imgBraco5CordasTopoNormal",
      "imgBraco5CordasTopoInvertido"}},
    {Modelo::Cordas6, 6, 14, 101,
     {787, 736, 679, 620, 568, 515, 468, 425, 380, 337, 296, 257, 219, 180, 143},
     {761, 707, 649, 594, 541, 491, 446, 402, 358, 316, 276, 238, 199, 161, 124},
     82, 160,
     {"imgBraco6CordasFrenteNormal", "imgBraco6CordasFrenteInvertido", "imgBraco6CordasTopoNormal",
      "imgBraco6CordasTopoInvertido"}},
    // The six-string neck shown under "Português (Brasil)".
    {Modelo::Cordas6Brasil, 6, 14, 101,
     {787, 742, 688, 631, 576, 520, 466, 418, 370, 330, 286, 248, 209, 169, 130},
     {764, 715, 659, 603, 548, 493, 442, 394, 350, 308, 267, 228, 189, 149, 110},
     82, 160,
     {"imgBraco6CordasBrasilFrenteNormal", "imgBraco6CordasBrasilFrenteInvertido",
      "imgBraco6CordasBrasilTopoNormal", "imgBraco6CordasBrasilTopoInvertido"}},
}};

constexpr const TabelaBraco& tabela(Modelo modelo) { return kBracos[static_cast<int>(modelo)]; }

// The neck for an instrument's number of strings under the loaded language;
// none for a count the neck pictures do not cover.
constexpr const TabelaBraco* tabelaPara(int cordas, bool portuguesBrasil) {
    switch (cordas) {
        case 4: return &tabela(Modelo::Cordas4);
        case 5: return &tabela(Modelo::Cordas5);
        case 6: return &tabela(portuguesBrasil ? Modelo::Cordas6Brasil : Modelo::Cordas6);
        default: return nullptr;
    }
}

constexpr bool nutADireita(int orientacao) { return orientacao == 0 || orientacao == 1; }
// String 0, the lowest-pitched, is at the top in orientations 0 and 3.
constexpr bool cordaZeroEmCima(int orientacao) { return orientacao == 0 || orientacao == 3; }

// A value of the x tables in the given orientation.
constexpr int xNaOrientacao(int valor, int orientacao) { return nutADireita(orientacao) ? valor : kEspelho - valor; }

constexpr int xCasa(const TabelaBraco& t, int orientacao, int casa) { return xNaOrientacao(t.xCasa[casa], orientacao); }

constexpr int xTraste(const TabelaBraco& t, int orientacao, int traste) {
    return xNaOrientacao(t.xTraste[traste], orientacao);
}

constexpr int yCorda(const TabelaBraco& t, int orientacao, int corda) {
    return t.yPrimeiraCorda + kDistanciaCordas * (cordaZeroEmCima(orientacao) ? corda : t.cordas - 1 - corda);
}

constexpr int xMaoDireita(int orientacao) {
    return nutADireita(orientacao) ? kXMaoDireitaNutDireita : kXMaoDireitaNutEsquerda;
}

}  // namespace geometriaBraco
