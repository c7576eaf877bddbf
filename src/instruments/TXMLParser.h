#pragma once
// A pull scanner over a whole XML document held in memory. Each Scan() hands
// out the next part (tag, text, comment, ...) and the reader drives its own
// small state machine from PartType/PartName/PartContent.
//
// It never validates and never throws on malformed input: whatever bytes it is
// given, every Scan() either moves forward or reports the end, and nothing is
// read outside the buffer. An unterminated tag, comment or section simply ends
// at the end of the document.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum TPartType {
    ptNone,
    ptXmlProlog,
    ptComment,
    ptPI,
    ptDtdc,
    ptStartTag,
    ptEmptyTag,
    ptEndTag,
    ptContent,
    ptCData
};

class TXMLParser {
public:
    using Atributo = std::pair<std::string, std::string>;

    // Sharing mode the readers open their files with; files are only ever read.
    static constexpr int kCompartilhado = 64;

    TXMLParser();

    // Reads the whole file into the buffer; false when it cannot be read (the
    // buffer is then empty). The sharing mode is accepted for the readers'
    // sake: files are always opened for reading only.
    bool LoadFromFile(const std::string& nome, int modoCompartilhamento = kCompartilhado);
    // Takes a document already in memory. Like the zero-terminated buffer it
    // replaces, the document ends at its first zero byte.
    void LoadFromBuffer(std::string_view documento);
    // Empty buffer, no encoding, NormalizeWhitespace back to true.
    void Clear();

    void StartScan();
    // Delivers the next part; false at the end of the document.
    bool Scan();

    TPartType PartType() const { return partType; }
    // Element name of the last tag; text parts leave it as it was.
    const std::string& PartName() const { return partName; }
    const std::string& PartContent() const { return partContent; }
    const std::vector<Atributo>& PartAttributes() const { return partAttributes; }
    // The encoding the XML declaration names, upper case; "UTF-8" when it names
    // none; empty without a declaration (bytes are then taken as they are).
    const std::string& Encoding() const { return encoding; }
    bool NormalizeWhitespace() const { return normalizeWhitespace; }
    void setNormalizeWhitespace(bool normalizar) { normalizeWhitespace = normalizar; }

private:
    bool restaTexto(std::string_view prefixo) const;
    size_t procurar(std::string_view marca, size_t desde) const;

    void lerDeclaracao();
    void lerInstrucao();
    void lerComentario();
    void lerDoctype();
    void lerCData();
    void lerTag();
    void lerAtributos(size_t& p, size_t fim);
    // False when the text was only whitespace and nothing was delivered.
    bool lerTexto();

    // Replaces references and, for UTF-8 documents, converts to Windows-1252.
    std::string decodificar(std::string_view bruto) const;
    std::string converter(std::string_view bruto) const;

    std::string buffer;
    size_t posicao = 0;
    TPartType partType = ptNone;
    std::string partName;
    std::string partContent;
    std::vector<Atributo> partAttributes;
    std::string encoding;
    bool normalizeWhitespace = true;
};
