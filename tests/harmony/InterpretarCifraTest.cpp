#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/base/Excecoes.h"
#include "harmony/InterpreteCifras.h"
#include "support/Codigos.h"
#include "support/IdiomaDeTeste.h"

namespace {

const Especialista& esp() { return *Especialista::getInstancia(); }

std::string nomeCanonico(const std::string& cifra) { return esp().getNomeAcorde(esp().interpretarCifra(cifra)); }

struct Exemplo {
    const char* cifra;
    const char* brasileira;
    const char* internacional;
};

const Exemplo kExemplos[] = {
    {"C", "C", "C"},
    {"Cm", "Cm", "Cm"},
    {"C7(9)", "C7(9)", "C7(9)"},
    {"C9", "C(9)", "C7(9)"},
    {"Cadd9", "C(9)", "Cadd9"},
    {"Csus2", "C(9)", "Csus2"},
    {"Csus4", "C4", "Csus4"},
    {"C4", "C4", "C4/7"},
    {"C7sus4", "C4/7", "C4/7"},
    {"C6", "C(6)", "C(13)"},
    {"C6(9)", "C(6/9)", "C7(9/13)"},
    {"Cmaj7", "C7M", "C7M"},
    {"Cadd9(7M)", "C7M(9)", "Cadd9/7M"},
    {"Cm7(b5)", "Cm7(b5)", "Cm7(b5)"},
    {"Chalf-dim", "Cm7(b5)", "Cm7(b5)"},
    {"C\xF8", "Cm7(b5)", "Cm7(b5)"},
    {"Cdim", "C\xBA(b5/6)", "C\xBA(b5/6)"},
    {"Cdim7", "C\xBA(b5/6)", "C\xBA(b5/6)"},
    {"C\xBA", "C\xBA(b5/6)", "C\xBA(b5/6)"},
    {"C\xB0", "C\xBA(b5/6)", "C\xBA(b5/6)"},
    {"Caug", "C(#5)", "C(#5)"},
    {"C7(b13)", "C7(b13)", "C7(b13)"},
    {"Gsus4/A", "G4/A", "Gsus4/A"},
    {"C7.E", "C7/E", "C7/E"},
    {"c#m7", "C#m7", "C#m7"},
    // Edge cases.
    {"CM7", "C7M", "C7M"},
    {"Cmin", "Cm", "Cm"},
    {"C/C", "C/C", "C/C"},
    {"C5", "C", "C"},
    {"C#5", "C#", "C#"},  // root C# without third, not C with an augmented fifth
    {"C5(9)", "C(9)", "Csus2/7(9)"},
    {"C7M(9)", "C7M(9)", "C7(9)"},  // "9" also adds the minor seventh internationally
    {"Cm7(9)", "Cm7(9)", "Cm7(9)"},  // a minor third is a third: no "sus2"
    {"Cm(add9)", "Cm(9)", "Cmadd9"},
    {"C7|E", "C7/E", "C7/E"},
    {"C7,E", "C7/E", "C7/E"},
    {"C7\\E", "C7/E", "C7/E"},
    {"C7(E", "C7/E", "C7/E"},
    {"C7/", "C7", "C7"},  // a separator with nothing after it is simply skipped
    {"Am/g", "Am/G", "Am/G"},
    {"Db7/Ab", "Db7/Ab", "Db7/Ab"},
    {"Cadd4", "C4", "Cadd4"},
    {"Cm6", "Cm(6)", "Cm(13)"},
    {"C7(#9)", "C7(#9)", "C7(#9)"},
    {"C7(b9/#11)", "C7(b9/#11)", "C7(b9/#11)"},
    {"C7(9/11/13)", "C7(9/11/13)", "C7(9/11/13)"},
    {"C7M(#5)", "C7M(#5)", "C7M(#5)"},
    {"C(b5)", "C(b5)", "C(b5)"},
    {"Comitt5", "C", "C"},
    {"C5-", "C(b5)", "C(b5)"},
    {"C11+", "C(#11)", "C(#11)"},
    {"C(b13)", "C(b13)", "C(b13)"},
    {"C13", "C(13)", "C(13)"},
    {"Caugb5", "C(b5)", "C(b5)"},  // holding both fifths shows only b5
};

TEST(InterpretarCifra, ExemplosNasDuasNotacoes) {
    {
        IdiomaDeTeste idioma(kPortugues);
        ASSERT_TRUE(idioma.carregado());
        for (const auto& e : kExemplos) EXPECT_EQ(nomeCanonico(e.cifra), e.brasileira) << e.cifra;
    }
    {
        IdiomaDeTeste idioma("English");
        ASSERT_TRUE(idioma.carregado());
        for (const auto& e : kExemplos) EXPECT_EQ(nomeCanonico(e.cifra), e.internacional) << e.cifra;
    }
}

// The codes themselves, where a name alone would hide a difference.
TEST(InterpretarCifra, Codigos) {
    struct Case {
        const char* cifra;
        CodigoAcorde brasileira;
        CodigoAcorde internacional;
    };
    const Case casos[] = {
        {"C", 0x00900000u, 0x00900000u},
        {"Am/G", codigoDe(13, {2, 6}, 10), codigoDe(13, {2, 6}, 10)},
        {"C4", codigoDe(0, {3, 4, 6}), codigoDe(0, {3, 4, 6, 9})},
        {"Csus4", codigoDe(0, {3, 4, 6}), codigoDe(0, {4, 6})},
        {"C6", codigoDe(0, {3, 6, 8}), codigoDe(0, {3, 6, 19})},
        {"C9", codigoDe(0, {3, 6, 12}), codigoDe(0, {3, 6, 9, 12})},
        {"C7(b13)", codigoDe(0, {3, 6, 9, 18}), codigoDe(0, {3, 9, 18})},
        {"Cdim", codigoDe(0, {2, 5, 8}), codigoDe(0, {2, 5, 8})},
        {"C7M7", codigoDe(0, {3, 6, 9, 10}), codigoDe(0, {3, 6, 9, 10})},  // both sevenths stay
        {"C/C", codigoDe(0, {3, 6}, 0), codigoDe(0, {3, 6}, 0)},
        {"B", codigoDe(16, {3, 6}), codigoDe(16, {3, 6})},
    };
    {
        IdiomaDeTeste idioma(kPortugues);
        for (const auto& c : casos) EXPECT_EQ(esp().interpretarCifra(c.cifra), c.brasileira) << c.cifra;
    }
    {
        IdiomaDeTeste idioma("English");
        for (const auto& c : casos) EXPECT_EQ(esp().interpretarCifra(c.cifra), c.internacional) << c.cifra;
        EXPECT_EQ(esp().getBaixo(esp().interpretarCifra("C/C")), 0);
    }
}

TEST(InterpretarCifra, SimboloIlegivelDaDataFormatComOSimboloInteiro) {
    IdiomaDeTeste idioma("English");
    for (const char* cifra : {"Cmaj", "Cmajor", "C+", "C7 ", "Cminor", "C(E)", "C/E7", "DB7", "Cx", "CM"}) {
        try {
            esp().interpretarCifra(cifra);
            ADD_FAILURE() << cifra << " was read";
        } catch (const DataFormatException& e) {
            EXPECT_EQ(e.getMessage(), cifra);
        }
    }
}

TEST(InterpretarCifra, RaizInvalidaDaRaizNaoEncontrada) {
    IdiomaDeTeste idioma("English");
    const std::string texto = idioma.idiomas().getTexto("exception", "raizAcorde");
    ASSERT_FALSE(texto.empty());
    struct Case {
        const char* cifra;
        const char* raiz;
    };
    const Case casos[] = {{"", ""}, {"H", "H"}, {"E#", "E#"}, {"Cb7", "Cb"}, {"Fb", "Fb"}, {"7", "7"}, {"#C", "#"}};
    for (const auto& c : casos) {
        try {
            esp().interpretarCifra(c.cifra);
            ADD_FAILURE() << c.cifra << " was read";
        } catch (const RaizNaoEncontradaException& e) {
            EXPECT_EQ(e.getMessage(), std::string("N\xE3o foi encontrada raiz para o acorde: ") + texto + c.raiz);
        }
    }
}

TEST(InterpretarCifra, NotacaoSegueOIdiomaACadaChamada) {
    IdiomaDeTeste ingles("English");
    const CodigoAcorde internacional = esp().interpretarCifra("C6");
    {
        IdiomaDeTeste portugues(kPortugues);
        EXPECT_NE(esp().interpretarCifra("C6"), internacional);
        EXPECT_EQ(esp().getNomeAcorde(internacional), "C(13)");
    }
}

TEST(LerNota, IgnoraMaiusculas) {
    IdiomaDeTeste idioma("English");
    struct Case {
        const char* texto;
        IndiceNota nota;
    };
    const Case casos[] = {{"c", 0}, {"C", 0}, {"bb", 15}, {"BB", 15}, {"db", 2}, {"C#", 1}, {"DB", 2}, {"g#", 11}};
    for (const auto& c : casos) EXPECT_EQ(esp().lerNota(c.texto), c.nota) << c.texto;
    for (const char* texto : {"H", "E#", "Cb", "Fb", "", "C#m", "C ", "#"}) {
        EXPECT_THROW(esp().lerNota(texto), RaizNaoEncontradaException) << texto;
    }
}

TEST(UsaBemol, SegundoCaractereB) {
    for (const char* nome : {"C", "B", "C#m", "", "CB", "Cm7b5"}) EXPECT_FALSE(esp().usaBemol(nome)) << nome;
    for (const char* nome : {"Bb", "Eb7", "Ab/C", "bb"}) EXPECT_TRUE(esp().usaBemol(nome)) << nome;
}

TEST(NomeAcorde, BrasileiraDiretamenteDoCodigo) {
    IdiomaDeTeste idioma(kPortugues);
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {3, 6, 18})), "C(b13)");
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {3, 4, 6, 12})), "C4(9)");
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {4, 6, 12})), "C4(9)");
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(13, {2, 4, 6, 9, 12, 15})), "Am4/7(9/11)");
}

TEST(NomeAcorde, DiretamenteDoCodigo) {
    IdiomaDeTeste idioma("English");
    EXPECT_EQ(esp().getNomeAcorde(0), "C");  // a bare root without third or fifth
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(16, {2, 6, 9}, 14)), "Bm7/A#");
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {2, 5})), "Cm(b5)");  // no sixth: not diminished
    // With the fifth kept, the international name leaves the b13 out.
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {3, 6, 18})), "C");
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {3, 18})), "C(b13)");
    // A fourth takes the place where "add9"/"sus2" would name the ninth, so the
    // ninth must then still be listed, or the name would lose it.
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {3, 4, 6, 12})), "Cadd4(add9)");
    EXPECT_EQ(esp().getNomeAcorde(codigoDe(0, {4, 6, 12})), "Csus4(add9)");
    // A code whose root or bass bits name no note is refused, not read past the table.
    EXPECT_THROW(esp().getNomeAcorde(0xFFFFFFFFu), OutOfBoundsException);
    EXPECT_THROW(esp().getNomeAcorde(0x0000001Fu), OutOfBoundsException);
}

}  // namespace
