#include "instruments/TXMLParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

struct Parte {
    TPartType tipo;
    std::string nome;
    std::string conteudo;
    bool operator==(const Parte&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Parte& p) {
    return os << "{" << static_cast<int>(p.tipo) << ", \"" << p.nome << "\", \"" << p.conteudo << "\"}";
}

// Every part of a document; content only for the part types that carry text.
std::vector<Parte> partes(const std::string& documento, TXMLParser& scanner) {
    scanner.LoadFromBuffer(documento);
    std::vector<Parte> lidas;
    while (scanner.Scan()) {
        const bool comTexto = scanner.PartType() == ptContent || scanner.PartType() == ptCData ||
                              scanner.PartType() == ptComment;
        lidas.push_back({scanner.PartType(), scanner.PartName(), comTexto ? scanner.PartContent() : ""});
    }
    return lidas;
}

std::vector<Parte> partes(const std::string& documento) {
    TXMLParser scanner;
    return partes(documento, scanner);
}

TEST(TXMLParserTest, ValoresDosTiposDePartes) {
    EXPECT_EQ(ptNone, 0);
    EXPECT_EQ(ptXmlProlog, 1);
    EXPECT_EQ(ptComment, 2);
    EXPECT_EQ(ptPI, 3);
    EXPECT_EQ(ptDtdc, 4);
    EXPECT_EQ(ptStartTag, 5);
    EXPECT_EQ(ptEmptyTag, 6);
    EXPECT_EQ(ptEndTag, 7);
    EXPECT_EQ(ptContent, 8);
    EXPECT_EQ(ptCData, 9);
}

TEST(TXMLParserTest, TextoGuardaONomeDaTagAnterior) {
    TXMLParser s;
    s.LoadFromBuffer("<nome>Viola caipira</nome>");
    ASSERT_TRUE(s.Scan());
    EXPECT_EQ(s.PartType(), ptStartTag);
    EXPECT_EQ(s.PartName(), "nome");
    ASSERT_TRUE(s.Scan());
    EXPECT_EQ(s.PartType(), ptContent);
    EXPECT_EQ(s.PartContent(), "Viola caipira");
    EXPECT_EQ(s.PartName(), "nome");
    ASSERT_TRUE(s.Scan());
    EXPECT_EQ(s.PartType(), ptEndTag);
    EXPECT_EQ(s.PartName(), "nome");
    EXPECT_FALSE(s.Scan());
    EXPECT_FALSE(s.Scan());  // stays at the end
}

TEST(TXMLParserTest, DocumentosBemFormados) {
    struct Case {
        const char* documento;
        std::vector<Parte> esperado;
    };
    const Case casos[] = {
        {"<a>\r\n\t  <b>x</b>\n</a>",
         {{ptStartTag, "a", ""}, {ptStartTag, "b", ""}, {ptContent, "b", "x"}, {ptEndTag, "b", ""}, {ptEndTag, "a", ""}}},
        {"<som>\r\n   24 \r\n\t</som>", {{ptStartTag, "som", ""}, {ptContent, "som", "24"}, {ptEndTag, "som", ""}}},
        {"<d> um \t\r\n dois  tr\xEAs </d>",
         {{ptStartTag, "d", ""}, {ptContent, "d", "um dois tr\xEAs"}, {ptEndTag, "d", ""}}},
        {"<nome/>", {{ptEmptyTag, "nome", ""}}},
        {"<nome />", {{ptEmptyTag, "nome", ""}}},
        {"<nome a=\"1\"/><x>", {{ptEmptyTag, "nome", ""}, {ptStartTag, "x", ""}}},
        {"<n>A &amp; B &lt;C&gt; &quot;&apos;</n>",
         {{ptStartTag, "n", ""}, {ptContent, "n", "A & B <C> \"'"}, {ptEndTag, "n", ""}}},
        {"<n>&#65;&#x42;&#X43;</n>", {{ptStartTag, "n", ""}, {ptContent, "n", "AB&#X43;"}, {ptEndTag, "n", ""}}},
        {"<n>&#233;&#x20AC;&#x4E2D;</n>",
         {{ptStartTag, "n", ""}, {ptContent, "n", "\xE9\x80\xBF"}, {ptEndTag, "n", ""}}},
        {"<n>&amp &bogus; &#; &#x; &#0; &#xD800; &#99999999999;</n>",
         {{ptStartTag, "n", ""}, {ptContent, "n", "&amp &bogus; &#; &#x; &#0; &#xD800; &#99999999999;"}, {ptEndTag, "n", ""}}},
        {"<a><!-- c > d --><b/></a>",
         {{ptStartTag, "a", ""}, {ptComment, "a", " c > d "}, {ptEmptyTag, "b", ""}, {ptEndTag, "a", ""}}},
        {"<?php echo ?><a>", {{ptPI, "php", ""}, {ptStartTag, "a", ""}}},
        {"<?xml-stylesheet href='a'?><a>", {{ptPI, "xml-stylesheet", ""}, {ptStartTag, "a", ""}}},
        {"<!DOCTYPE a [ <!ENTITY e \"x>y\"> <!-- ] > --> ]><a>", {{ptDtdc, "a", ""}, {ptStartTag, "a", ""}}},
        {"<a><![CDATA[ <b>&amp; ]]></a>", {{ptStartTag, "a", ""}, {ptCData, "a", " <b>&amp; "}, {ptEndTag, "a", ""}}},
        {"<a x='>'>t</a>", {{ptStartTag, "a", ""}, {ptContent, "a", "t"}, {ptEndTag, "a", ""}}},
        {"</>", {{ptEndTag, "", ""}}},
        {"<>", {{ptStartTag, "", ""}}},
        {"solto", {{ptContent, "", "solto"}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.documento);
        EXPECT_EQ(partes(c.documento), c.esperado);
    }
}

TEST(TXMLParserTest, SemNormalizarEntregaEspacos) {
    TXMLParser s;
    s.setNormalizeWhitespace(false);
    EXPECT_EQ(partes("<a> x  y </a>\n", s),
              (std::vector<Parte>{{ptStartTag, "a", ""}, {ptContent, "a", " x  y "}, {ptEndTag, "a", ""}, {ptContent, "a", "\n"}}));
    s.Clear();
    EXPECT_TRUE(s.NormalizeWhitespace());
}

TEST(TXMLParserTest, AtributosDasTags) {
    TXMLParser s;
    s.LoadFromBuffer("<t a=\"1 &amp; 2\" b='x' c=sem d\n e = \"f\"/>");
    ASSERT_TRUE(s.Scan());
    EXPECT_EQ(s.PartType(), ptEmptyTag);
    const std::vector<TXMLParser::Atributo> esperado = {{"a", "1 & 2"}, {"b", "x"}, {"c", "sem"}, {"d", ""}, {"e", "f"}};
    EXPECT_EQ(s.PartAttributes(), esperado);
    ASSERT_TRUE(s.Scan() == false);

    s.LoadFromBuffer("<t v=abc/>");
    ASSERT_TRUE(s.Scan());
    EXPECT_EQ(s.PartType(), ptEmptyTag);
    EXPECT_EQ(s.PartAttributes(), (std::vector<TXMLParser::Atributo>{{"v", "abc"}}));
}

TEST(TXMLParserTest, CodificacaoDaDeclaracao) {
    struct Case {
        const char* documento;
        const char* encoding;
        const char* texto;
    };
    const Case casos[] = {
        {"<n>Ol\xC3\xA1</n>", "", "Ol\xC3\xA1"},                                      // no declaration: bytes as they are
        {"<?xml version=\"1.0\"?><n>Ol\xC3\xA1</n>", "UTF-8", "Ol\xE1"},               // none named: UTF-8
        {"<?xml version='1.0' encoding='utf-8'?><n>Ol\xC3\xA1 \xE2\x82\xAC</n>", "UTF-8", "Ol\xE1 \x80"},
        {"<?xml version='1.0' encoding='Utf-8'?><n>\xE4\xB8\xAD</n>", "UTF-8", "\xBF"},  // not in Windows-1252
        {"<?xml version='1.0' encoding='UTF-8'?><n>a\xC3z\xFF\xC0\x80</n>", "UTF-8", "a\xBFz\xBF\xBF\xBF"},
        {"<?xml version='1.0' encoding='windows-1252'?><n>Ol\xE1</n>", "WINDOWS-1252", "Ol\xE1"},
        {"<?xml\tencoding=\"iso-8859-1\"?><n>\xE1</n>", "ISO-8859-1", "\xE1"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.documento);
        TXMLParser s;
        s.LoadFromBuffer(c.documento);
        std::string texto;
        while (s.Scan()) {
            if (s.PartType() == ptContent) texto = s.PartContent();
        }
        EXPECT_EQ(s.Encoding(), c.encoding);
        EXPECT_EQ(texto, c.texto);
    }
}

TEST(TXMLParserTest, StartScanRecomecaDoInicio) {
    TXMLParser s;
    s.LoadFromBuffer("<?xml version='1.0'?><a>x</a>");
    while (s.Scan()) {
    }
    EXPECT_EQ(s.Encoding(), "UTF-8");
    s.StartScan();
    EXPECT_EQ(s.PartType(), ptNone);
    EXPECT_EQ(s.PartName(), "");
    EXPECT_EQ(s.PartContent(), "");
    EXPECT_EQ(s.Encoding(), "");
    ASSERT_TRUE(s.Scan());
    EXPECT_EQ(s.PartType(), ptXmlProlog);
}

TEST(TXMLParserTest, EntradaMalformadaTerminaNoFimDoBuffer) {
    struct Case {
        const char* documento;
        std::vector<Parte> esperado;
    };
    const Case casos[] = {
        {"", {}},
        {"  \r\n\t ", {}},
        {"<", {{ptStartTag, "", ""}}},
        {"</", {{ptEndTag, "", ""}}},
        {"<nome", {{ptStartTag, "nome", ""}}},
        {"<nome a=\"x", {{ptStartTag, "nome", ""}}},
        {"<nome a=\"x>texto</nome>", {{ptStartTag, "nome", ""}, {ptContent, "nome", "texto"}, {ptEndTag, "nome", ""}}},
        {"<a><!-- sem fim <b>x</b>", {{ptStartTag, "a", ""}, {ptComment, "a", " sem fim <b>x</b>"}}},
        {"<!--", {{ptComment, "", ""}}},
        {"<![CDATA[abc", {{ptCData, "", "abc"}}},
        {"<?xml ", {{ptXmlProlog, "xml", ""}}},
        {"<?xml", {{ptPI, "xml", ""}}},
        {"<?", {{ptPI, "", ""}}},
        {"<!DOCTYPE x [ <!ENTITY a \"", {{ptDtdc, "x", ""}}},
        {"<!DOCTYPE", {{ptDtdc, "", ""}}},
        {"<n>&", {{ptStartTag, "n", ""}, {ptContent, "n", "&"}}},
        {"<n>&#x10FFFF", {{ptStartTag, "n", ""}, {ptContent, "n", "&#x10FFFF"}}},
        {"a<b>c\0<d>", {{ptContent, "", "a"}, {ptStartTag, "b", ""}, {ptContent, "b", "c"}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.documento);
        EXPECT_EQ(partes(c.documento), c.esperado);
    }
    // An embedded zero ends the document, as in a zero-terminated buffer.
    EXPECT_EQ(partes(std::string("<a>x\0<b>", 8)),
              (std::vector<Parte>{{ptStartTag, "a", ""}, {ptContent, "a", "x"}}));
}

// Bytes the way a fuzzer would throw them: random, and random mixes of markup
// fragments. Under the sanitizers this also checks that nothing reads outside
// the buffer; here it checks that every scan ends and moves forward.
TEST(TXMLParserTest, BytesAleatoriosNuncaTravam) {
    const std::vector<std::string> pedacos = {"<", ">", "/", "</", "<?", "?>", "<?xml ", "<!--", "-->", "<!DOCTYPE",
                                              "[", "]", "<![CDATA[", "]]>", "&", ";", "&#", "&#x", "amp", "\"", "'",
                                              "=", " ", "\r\n", "nome", "\xC3", "\xA9", "\xF4\x8F", "encoding='utf-8'",
                                              std::string(1, '\0')};
    std::mt19937 gerador(12345);
    TXMLParser s;
    for (int rodada = 0; rodada < 3000; ++rodada) {
        std::string documento;
        const int tamanho = static_cast<int>(gerador() % 200);
        for (int i = 0; i < tamanho; ++i) {
            if (rodada % 2 == 0) documento += static_cast<char>(gerador() & 0xFF);
            else documento += pedacos[gerador() % pedacos.size()];
        }
        s.LoadFromBuffer(documento);
        size_t partesLidas = 0;
        while (s.Scan()) {
            ASSERT_LE(++partesLidas, documento.size()) << "no progress";
            ASSERT_EQ(s.PartContent().find('\0'), std::string::npos);
        }
    }
}

TEST(TXMLParserTest, LoadFromFile) {
    const std::string caminho = testing::TempDir() + "txmlparser_load.xml";
    {
        std::ofstream f(caminho, std::ios::binary);
        f << "<a>conte\xFA" "do</a>";
    }
    TXMLParser s;
    ASSERT_TRUE(s.LoadFromFile(caminho, TXMLParser::kCompartilhado));
    ASSERT_TRUE(s.Scan());
    ASSERT_TRUE(s.Scan());
    EXPECT_EQ(s.PartContent(), "conte\xFA" "do");
    std::remove(caminho.c_str());

    EXPECT_FALSE(s.LoadFromFile(caminho));
    EXPECT_FALSE(s.Scan());  // a failed load leaves nothing to scan
    EXPECT_FALSE(s.LoadFromFile(testing::TempDir()));
}

}  // namespace
