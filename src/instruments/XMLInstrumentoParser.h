#pragma once
// Reads and writes the file of user-defined instruments (the two built-ins are
// never stored there). Every operation takes the file's path first; changes
// rewrite the whole file.
//
// Root "colecaoInstrumento", one "instrumento" per instrument holding "nome",
// "descricao", "numeroCordas", "numeroCasas", "distancia", "som" and
// "afinacao" with one "frequencia" per string, lowest first. Windows-1252
// bytes, no XML declaration, CR LF line ends, tab indentation.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "instruments/InstrumentoCordas.h"
#include "instruments/TXMLParser.h"

class Plataforma;

class XMLInstrumentoParser {
public:
    // Without a platform, the current one (Plataforma::atual()) is used at
    // each call.
    explicit XMLInstrumentoParser(Plataforma* plataforma = nullptr);

    static XMLInstrumentoParser* getInstancia();

    // Names in file order. FileNotFoundException when no file is at the path.
    std::vector<std::string> getNomesInstrumentos(const std::string& caminho);
    // A new instrument (usaBaseAcordes false) for the position in the file.
    // FileNotFoundException, XMLParseException for a number that is not one,
    // OutOfBoundsException when there is no instrument at that position.
    std::unique_ptr<InstrumentoCordas> getInstrumento(const std::string& caminho, int32_t indice);

    // Changes to the file. The new content replaces the old one atomically: if
    // writing fails, the DException of the write is passed on and the old file
    // is left whole. The file is never created from nothing: a missing file
    // raises FileNotFoundException.
    void addInstrumento(const std::string& caminho, const InstrumentoCordas* instrumento);
    void delInstrumento(const std::string& caminho, int32_t indice);
    void editInstrumento(const std::string& caminho, int32_t indice, const InstrumentoCordas* instrumento);

    // The whole file's text for a list of instruments.
    static std::string gerarDocumento(const std::vector<std::unique_ptr<InstrumentoCordas>>& instrumentos);

private:
    Plataforma& plataforma() const;
    void carregar(const std::string& caminho, const char* metodo);
    // Every complete "instrumento" element, in file order.
    std::vector<std::unique_ptr<InstrumentoCordas>> lerInstrumentos(const std::string& caminho, const char* metodo);
    void gravar(const std::string& caminho, const std::vector<std::unique_ptr<InstrumentoCordas>>& instrumentos,
                const char* metodo);

    Plataforma* plataformaFixa;
    TXMLParser scanner;
};
