#include <gtest/gtest.h>

#include <string>

#include "core/base/Idioma.h"

namespace {

struct Caso {
    const char* conteudo;
    const char* secao;
    const char* chave;
    const char* esperado;
};

// Each case is one small language file and one lookup in it.
const Caso kCasos[] = {
    {"[geral]\r\nnome=Brelvio\r\n", "geral", "nome", "Brelvio"},
    {"[geral]\nnome=Brelvio\n", "geral", "nome", "Brelvio"},
    {"[geral]\rnome=Brelvio\r", "geral", "nome", "Brelvio"},
    // Section and key match with letter case.
    {"[geral]\r\nnome=Brelvio\r\n", "Geral", "nome", ""},
    {"[geral]\r\nnome=Brelvio\r\n", "geral", "Nome", ""},
    // Leading blanks belong to the key: two blanks before it hide the entry.
    {"[geral]\r\n  nome=Brelvio\r\n", "geral", "nome", ""},
    {"[geral]\r\n  nome=Brelvio\r\n", "geral", "  nome", "Brelvio"},
    {"[geral]\r\nnome =Brelvio\r\n", "geral", "nome", ""},
    // Blanks around a section line do not matter; its last character is dropped
    // whatever it is, so a missing "]" costs the last letter.
    {"  [geral]  \r\nnome=Brelvio\r\n", "geral", "nome", "Brelvio"},
    {"[fmPrincipal\r\nbtnOuvir=Play\r\n", "fmPrincipal", "btnOuvir", ""},
    {"[fmPrincipal\r\nbtnOuvir=Play\r\n", "fmPrincipa", "btnOuvir", "Play"},
    // "#" becomes a line break; the rest of the line after the first "=" is the value.
    {"[m]\r\nmsg=Two#lines\r\n", "m", "msg", "Two\r\nlines"},
    {"[m]\r\nmsg=##\r\n", "m", "msg", "\r\n\r\n"},
    {"[m]\r\nmsg=a=b=c\r\n", "m", "msg", "a=b=c"},
    {"[m]\r\nmsg=\r\n", "m", "msg", ""},
    // Blanks at the end of a value stay: a path or a name follows such texts.
    {"[exception]\r\nraiz=No root: \r\n", "exception", "raiz", "No root: "},
    // The first entry of a key wins.
    {"[m]\r\nk=first\r\nk=second\r\n", "m", "k", "first"},
    // A section that occurs twice is its first occurrence only.
    {"[a]\r\nk=one\r\n[b]\r\nx=1\r\n[a]\r\nk=two\r\nz=3\r\n", "a", "k", "one"},
    {"[a]\r\nk=one\r\n[b]\r\nx=1\r\n[a]\r\nk=two\r\nz=3\r\n", "a", "z", ""},
    // Entries before the first section belong to none.
    {"k=loose\r\n[a]\r\nj=1\r\n", "a", "k", ""},
    {"k=loose\r\n[a]\r\nj=1\r\n", "", "k", ""},
    // A line without "=" has no key and is never found.
    {"[a]\r\njust words\r\n", "a", "just words", ""},
    {"[a]\r\njust words\r\n", "a", "", ""},
    // Windows-1252 bytes pass through unchanged.
    {"[geral]\r\nviolao=Viol\xE3o\r\n", "geral", "violao", "Viol\xE3o"},
    {"", "a", "k", ""},
};

TEST(Idioma, LeituraELookup) {
    for (const auto& c : kCasos) {
        const Idioma idioma(c.conteudo, "");
        EXPECT_EQ(idioma.getTexto(c.secao, c.chave), c.esperado)
            << "file \"" << c.conteudo << "\" [" << c.secao << "] " << c.chave;
    }
}

TEST(Idioma, CabecalhoLidoComoIniComum) {
    struct Cabecalho {
        const char* conteudo;
        const char* nome;
    };
    const Cabecalho casos[] = {
        {"[EspecificacaoIdioma]\r\nnomeIdioma=English\r\n", "English"},
        {"[especificacaoidioma]\r\n NOMEIDIOMA = English \r\n", "English"},
        {"[Outra]\r\nnomeIdioma=English\r\n", ""},
        {"nomeIdioma=English\r\n", ""},
        {"[EspecificacaoIdioma]\r\n; nomeIdioma=Comment\r\nnomeIdioma=English\r\n", "English"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(lerValorIni(c.conteudo, "EspecificacaoIdioma", "nomeIdioma"), c.nome) << c.conteudo;
    }
}

}  // namespace
