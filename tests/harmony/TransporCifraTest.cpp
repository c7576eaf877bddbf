#include <gtest/gtest.h>

#include <string>

#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"
#include "support/IdiomaDeTeste.h"

namespace {

const Especialista& esp() { return *Especialista::getInstancia(); }

class TransporCifra : public ::testing::Test {
protected:
    IdiomaDeTeste idioma{"English"};
};

TEST_F(TransporCifra, Exemplos) {
    struct Case {
        const char* cifra;
        int semitons;
        DirecaoTransposicao direcao;
        const char* resultado;
    };
    const Case casos[] = {
        {"Am7(9)/G", 2, 0, "Bm7(9)/A"},
        {"Bb7", 1, 0, "B7"},
        {"E/G#", 1, 0, "F/A"},
        {"C#m", 1, 1, "Cm"},
        {"Db7(9)", 2, 1, "B7(9)"},
        {"F", 13, 0, "F#"},  // steps repeat, no reduction of the count
        {"C7/E", 1, 0, "C#7/F"},
        {"Bb", 0, 0, "Bb"},
        {"Db", 12, 0, "C#"},  // a whole octave still respells upwards
        {"C#", 12, 1, "Db"},
        {"Bb", 1, 1, "A"},
        {"c#m7", 1, 0, "Dm7"},  // the root is rewritten, the wording kept
        {"Cmaj7", 3, 0, "D#maj7"},
        {"Cmaj7", 3, 1, "Amaj7"},
        {"Am/g", 1, 0, "A#m/G#"},
        {"Gsus4/A", 5, 1, "Dsus4/E"},
        {"C/", 1, 0, "C#/"},  // no bass: the trailing separator stays as written
        // Non-stepping counts and directions leave the text as it was.
        {"Bbm7", -3, 0, "Bbm7"},
        {"Bbm7", 4, 2, "Bbm7"},
        {"Bbm7", 4, -1, "Bbm7"},
        {"Bbm7/Ab", 0, 1, "Bbm7/Ab"},
        // A "/" inside the extensions must not cut the symbol: only the bass is replaced.
        {"C7(9/11)/E", 1, 0, "C#7(9/11)/F"},
        {"C(6/13)/A", 2, 0, "D(6/13)/B"},
        {"C7/9/E", 1, 0, "C#7/9/F"},
        // A bass after the other separators keeps its separator.
        {"C7.E", 1, 0, "C#7.F"},
        {"C7|E", 1, 1, "B7|Eb"},
        {"C7,E", 2, 0, "D7,F#"},
        {"C7(E", 1, 0, "C#7(F"},
        {"C7\\E", 1, 0, "C#7\\F"},
        {"C7(9)\\E", 1, 0, "C#7(9)\\F"},
        // A natural root must not swallow a wording that starts with an accidental.
        {"Bbb9", 1, 0, "B.b9"},
        {"C#b5", 1, 1, "C.b5"},
        {"Db#5", 1, 1, "C.#5"},
        {"Dbb5", 1, 0, "D.b5"},
        {"Bbb9", 3, 0, "C#b9"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(esp().transporCifra(c.cifra, c.semitons, c.direcao), c.resultado)
            << c.cifra << " " << c.semitons << " " << c.direcao;
    }
}

// Many steps at once give what as many single steps give.
TEST_F(TransporCifra, PassosRepetidos) {
    for (DirecaoTransposicao direcao : {0, 1}) {
        for (const char* inicio : {"Db7/Gb", "E/G#", "Bb"}) {
            std::string passoAPasso = inicio;
            for (int n = 1; n <= 40; ++n) {
                passoAPasso = esp().transporCifra(passoAPasso, 1, direcao);
                EXPECT_EQ(esp().transporCifra(inicio, n, direcao), passoAPasso) << inicio << " " << n;
            }
        }
    }
    EXPECT_EQ(esp().transporCifra("Db7/Gb", 2147483647, 0), esp().transporCifra("Db7/Gb", 7, 0));
}

TEST_F(TransporCifra, ErrosDoInterpretadorPassamAdiante) {
    EXPECT_THROW(esp().transporCifra("Cmaj", 1, 0), DataFormatException);
    EXPECT_THROW(esp().transporCifra("H7", 1, 0), RaizNaoEncontradaException);
    EXPECT_THROW(esp().transporCifra("", 0, 0), RaizNaoEncontradaException);
}

}  // namespace
