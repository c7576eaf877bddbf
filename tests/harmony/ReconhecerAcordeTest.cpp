#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"
#include "support/Codigos.h"
#include "support/IdiomaDeTeste.h"

namespace {

const Especialista& esp() { return *Especialista::getInstancia(); }

class ReconhecerAcorde : public ::testing::Test {
protected:
    IdiomaDeTeste idioma{"English"};
};

struct Case {
    std::vector<int> notas;
    int raiz;
    CodigoAcorde codigo;
    const char* nome;
};

// Dots on the standard guitar (open strings 40 45 50 55 59 64).
TEST_F(ReconhecerAcorde, ExemplosNoViolao) {
    const Case casos[] = {
        {{-1, 48, 52, 55, 60, 64}, 48, codigoDe(0, {3, 6}), "C"},
        {{40, 48, 52, 55, 60, 64}, 48, codigoDe(0, {3, 6}, 6), "C/E"},
        {{-1, 45, 52, 57, 60, 64}, 45, codigoDe(13, {2, 6}), "Am"},
        {{-1, 45, 52, 57, 60, 64}, 60, codigoDe(0, {3, 8, 19}, 13), "C(6/13)/A"},
        {{-1, 48, 52, 58, 60, 64}, 48, codigoDe(0, {3, 9}), "C7"},
        {{40, 52, 56, 62, 67, -1}, 52, codigoDe(6, {3, 9, 13}), "E7(#9)"},
    };
    for (const auto& c : casos) {
        const CodigoAcorde codigo = esp().reconhecerAcorde(c.notas, c.raiz);
        EXPECT_EQ(codigo, c.codigo) << c.nome;
        EXPECT_EQ(esp().getNomeAcorde(codigo), c.nome);
    }
}

TEST_F(ReconhecerAcorde, CasosDeBorda) {
    const Case casos[] = {
        // No string played: the root alone, no bass.
        {{-1, -1, -1, -1, -1, -1}, 50, codigoDe(3, {}), "D"},
        {{}, 48, codigoDe(0, {}), "C"},
        // The root and its octaves add nothing.
        {{36, 48, 60, 72, 84}, 60, codigoDe(0, {}), "C"},
        {{48, 96}, 48, codigoDe(0, {}), "C"},
        // 31 semitones fold into the second octave: 19, the fifth.
        {{36, 67}, 36, codigoDe(0, {6}), "C"},
        // 18 semitones: #11 after a fifth on a lower string, b5 before it.
        {{36, 43, 54}, 36, codigoDe(0, {6, 16}), "C(#11)"},
        {{36, 54, 67}, 36, codigoDe(0, {5, 6}), "C(b5)"},
        // 15 semitones: minor third before the major third, #9 after it.
        {{36, 51, 52}, 36, codigoDe(0, {2, 3}), "Cm"},
        {{36, 40, 51}, 36, codigoDe(0, {3, 13}), "C(#9)"},
        // Names use sharps only.
        {{46, 50, 53}, 46, codigoDe(14, {3, 6}), "A#"},
        // A root far above the bass is brought down to the bass's octave.
        {{40, 55}, 84, codigoDe(0, {3, 6}, 6), "C/E"},
    };
    for (const auto& c : casos) {
        const CodigoAcorde codigo = esp().reconhecerAcorde(c.notas, c.raiz);
        EXPECT_EQ(codigo, c.codigo) << c.nome;
        EXPECT_EQ(esp().getNomeAcorde(codigo), c.nome);
    }
}

TEST_F(ReconhecerAcorde, SemRaizDaRaizNaoEncontrada) {
    try {
        esp().reconhecerAcorde({40, 45, 50}, -1);
        ADD_FAILURE() << "recognised without a root";
    } catch (const RaizNaoEncontradaException& e) {
        EXPECT_EQ(e.getMessage(), std::string("N\xE3o foi encontrada raiz para o acorde: ") +
                                      idioma.idiomas().getTexto("exception", "raizAcorde"));
    }
    EXPECT_THROW(esp().reconhecerAcorde({}, -1), RaizNaoEncontradaException);
}

}  // namespace
