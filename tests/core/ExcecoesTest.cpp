#include <gtest/gtest.h>

#include "core/base/Excecoes.h"

namespace {

TEST(Excecoes, ToStringJuntaMensagemETrechosComLfCr) {
    DException e("falhou", "Classe", "metodo(int)");
    e.addTrace("Chamador", "chamar()");
    EXPECT_EQ(e.toString(), "falhou\n\rClasse::metodo(int)\n\rChamador::chamar()");
    EXPECT_STREQ(e.what(), "falhou");
    ASSERT_EQ(e.getTrace().size(), 2u);
}

TEST(Excecoes, SemArgumentosTudoVazio) {
    const DException e;
    EXPECT_STREQ(e.what(), "");
    EXPECT_EQ(e.toString(), "");
    EXPECT_TRUE(e.getTrace().empty());
    const NotFoundException n;
    EXPECT_EQ(n.toString(), "");
    EXPECT_EQ(n.item, "");
}

TEST(Excecoes, SoMensagemNaoTemTrecho) {
    EXPECT_EQ(DException("x").toString(), "x");
    EXPECT_EQ(DataFormatException("C7(9").toString(), "C7(9");
}

TEST(Excecoes, XmlParseMostraSoAMensagem) {
    XMLParseException e("Erro (casas)", "casas", "XMLInstrumentoParser", "getInstrumento");
    e.addTrace("Outra", "outro()");
    EXPECT_EQ(e.toString(), "Erro (casas)");
    EXPECT_EQ(e.detail, "casas");
    // Through the base the override still drops the trace.
    const DException& base = e;
    EXPECT_EQ(base.toString(), "Erro (casas)");
    EXPECT_EQ(base.getTrace().size(), 2u);
}

TEST(Excecoes, RaizNaoEncontradaPoeOPrefixoFixo) {
    const RaizNaoEncontradaException e("H7");
    EXPECT_EQ(e.getMessage(), "N\xE3o foi encontrada raiz para o acorde: H7");
    EXPECT_TRUE(e.getTrace().empty());
    EXPECT_EQ(e.toString(), e.getMessage());
}

TEST(Excecoes, CamposProprios) {
    const OutOfBoundsException fora("Indice", -3, "C", "m()");
    EXPECT_EQ(fora.index, -3);
    EXPECT_EQ(fora.toString(), "Indice\n\rC::m()");
    const IllegalArgumentException arg("nulo", "NULL", "C", "m()");
    EXPECT_EQ(arg.argument, "NULL");
    const FileNotFoundException arquivo("sem arquivo '/x'", "/x", "C", "m()");
    EXPECT_EQ(arquivo.item, "/x");
    const FatalException fatal("fim", "SaidaMIDI", "SaidaMIDI()");
    EXPECT_EQ(fatal.toString(), "fim\n\rSaidaMIDI::SaidaMIDI()");
}

TEST(Excecoes, CapturadasPelaClasseMaisEspecifica) {
    try {
        throw FileNotFoundException("m", "/p", "C", "m()");
    } catch (const NotFoundException& e) {
        EXPECT_EQ(e.item, "/p");
    } catch (...) {
        ADD_FAILURE() << "not caught as NotFoundException";
    }
    try {
        throw XMLParseException("m", "d", "C", "m()");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "m");
    }
}

}  // namespace
