// The language files and picture packs that the build lays beside the program.
#include <gtest/gtest.h>

#include <string>

#include "ChavesIdioma.h"
#include "support/IdiomaDeTeste.h"

namespace {

class IdiomasDoPrograma : public ::testing::TestWithParam<std::string> {};

INSTANTIATE_TEST_SUITE_P(Idiomas, IdiomasDoPrograma, ::testing::Values(std::string("English"), std::string(kPortugues)),
                         [](const auto& info) { return info.index == 0 ? "English" : "Portugues"; });

TEST_P(IdiomasDoPrograma, AmbosOferecidosComOCodigoDoPrograma) {
    IdiomaDeTeste idioma(GetParam());
    ASSERT_TRUE(idioma.carregado());
    EXPECT_EQ(idioma.idiomas().getNomeIdioma(), GetParam());
    EXPECT_EQ(idioma.idiomas().getTexto("EspecificacaoIdioma", "codAplicacao"), "Brelvio3.0");
    EXPECT_TRUE(idioma.plataforma().mensagens().empty());
}

TEST_P(IdiomasDoPrograma, TodaChaveTemTexto) {
    IdiomaDeTeste idioma(GetParam());
    ASSERT_TRUE(idioma.carregado());
    for (const auto& c : chavesDeTexto()) {
        const std::string texto = idioma.idiomas().getTexto(c.secao, c.chave);
        EXPECT_FALSE(texto.empty()) << "[" << c.secao << "] " << c.chave;
        // "#" is a line break in the file; none may survive the reading.
        EXPECT_EQ(texto.find('#'), std::string::npos) << "[" << c.secao << "] " << c.chave;
    }
}

TEST_P(IdiomasDoPrograma, TextosSeguidosDeCaminhoOuNumeroTerminamComSeparador) {
    IdiomaDeTeste idioma(GetParam());
    // The raising code appends a path, a name, an index or a channel number.
    for (const char* chave : {"raizAcorde", "indiceInvalido", "baseInstrumentosNaoEncontrada", "parseError",
                              "canalInvalido", "baseEscalasNaoEncontrada"}) {
        const std::string texto = idioma.idiomas().getTexto("exception", chave);
        ASSERT_FALSE(texto.empty()) << chave;
        const char ultimo = texto.back();
        EXPECT_TRUE(ultimo == ' ' || ultimo == '\'') << chave << ": \"" << texto << "\"";
    }
    // This one gets " '" and the path appended.
    const std::string base = idioma.idiomas().getTexto("exception", "baseAcordesNaoEncontrada");
    EXPECT_NE(base.back(), ' ');
}

TEST_P(IdiomasDoPrograma, TodaImagemDecodifica) {
    IdiomaDeTeste idioma(GetParam());
    ASSERT_TRUE(idioma.carregado());
    for (const auto& c : chavesDeImagem()) {
        const auto imagem = idioma.idiomas().getImagem(c.secao, c.chave);
        ASSERT_NE(imagem, nullptr) << "[" << c.secao << "] " << c.chave;
        EXPECT_GT(imagem->largura, 0);
        EXPECT_EQ(imagem->rgb.size(), static_cast<size_t>(imagem->largura) * imagem->altura * 3);
    }
    EXPECT_TRUE(idioma.plataforma().mensagens().empty());
}

TEST_P(IdiomasDoPrograma, ImagensNoTamanhoDasJanelas) {
    IdiomaDeTeste idioma(GetParam());
    struct Tamanho {
        const char* secao;
        const char* chave;
        int largura, altura;
    };
    const Tamanho tamanhos[] = {
        {"fmEntrada", "imgEntrada", 250, 250},
        {"fmPrincipal", "imgBarraSuperior", 795, 82},
        {"fmPrincipal", "imgBarraInferior", 795, 115},
    };
    for (const auto& t : tamanhos) {
        const auto imagem = idioma.idiomas().getImagem(t.secao, t.chave);
        ASSERT_NE(imagem, nullptr) << t.chave;
        EXPECT_EQ(imagem->largura, t.largura) << t.chave;
        EXPECT_EQ(imagem->altura, t.altura) << t.chave;
    }
}

TEST(IdiomasDoPrograma, NomesDeArquivoDeCadaIdioma) {
    struct Caso {
        const char* idioma;
        const char* secao;
        const char* chave;
        const char* valor;
    };
    const Caso casos[] = {
        {"English", "parametros", "nomeArquivoBaseAcordes", "chords.dat"},
        {"English", "parametros", "baseInstrumentos", "instruments.xml"},
        {"English", "escalas", "nome_arquivo", "scales-en.xml"},
        {"English", "parametros", "caminhoAjuda", "help/en/index.html"},
        {"English", "parametros", "caminhoAjudaAcordes", "help/en/chord-symbols.html"},
        {"English", "geral", "violaoPadrao", "Guitar"},
        {kPortugues, "parametros", "nomeArquivoBaseAcordes", "acordes.dat"},
        {kPortugues, "parametros", "baseInstrumentos", "instrumentos.xml"},
        {kPortugues, "escalas", "nome_arquivo", "escalas-pt.xml"},
        {kPortugues, "parametros", "caminhoAjuda", "help/pt/index.html"},
        {kPortugues, "parametros", "caminhoAjudaAcordes", "help/pt/cifras.html"},
        {kPortugues, "geral", "violaoPadrao", "Viol\xE3o"},
    };
    for (const auto& c : casos) {
        IdiomaDeTeste idioma(c.idioma);
        EXPECT_EQ(idioma.idiomas().getTexto(c.secao, c.chave), c.valor) << c.idioma << " " << c.chave;
    }
}

TEST(IdiomasDoPrograma, QuebraDeLinhaViraCrLf) {
    IdiomaDeTeste idioma("English");
    const std::string texto = idioma.idiomas().getTexto("fmPrincipal", "msgErroSintaxe");
    EXPECT_NE(texto.find("typed.\r\nClick"), std::string::npos) << texto;
}

}  // namespace
