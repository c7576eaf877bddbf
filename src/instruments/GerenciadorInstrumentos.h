#pragma once
// The instrument list and the current instrument. The list is the two
// built-ins (guitar, cavaquinho) followed by the instruments of the instrument
// file: list index i >= 2 is file position i - 2.
#include <memory>
#include <string>
#include <vector>

#include "instruments/InstrumentoCordas.h"

class Plataforma;
class XMLInstrumentoParser;

class GerenciadorInstrumentos {
public:
    static constexpr int kNumeroInstrumentosPadrao = 2;

    // caminhoBase: full path of the instrument file. Without a platform the
    // current one is used at each call; without a parser the manager keeps one
    // of its own. The built-ins take their texts from the language loaded now.
    explicit GerenciadorInstrumentos(std::string caminhoBase, Plataforma* plataforma = nullptr,
                                     XMLInstrumentoParser* parser = nullptr);
    ~GerenciadorInstrumentos();
    GerenciadorInstrumentos(const GerenciadorInstrumentos&) = delete;
    GerenciadorInstrumentos& operator=(const GerenciadorInstrumentos&) = delete;

    // The single instance: the file named by "baseInstrumentos" (section
    // "parametros") in the program's directory, or the user's copy of it
    // (Plataforma::arquivoGravavel).
    static GerenciadorInstrumentos* getInstancia();
    // Tests install a fresh manager of their own; nullptr drops it again.
    static void substituirInstancia(std::unique_ptr<GerenciadorInstrumentos> novo);
    // A manager wired like the single instance, over the given platform and the
    // language loaded now (the command-line tool builds one per run).
    static std::unique_ptr<GerenciadorInstrumentos> criar(Plataforma& plataforma);

    // Null until the first setInstrumento. Stays valid until the next change
    // of instrument (the previous one until the one after).
    InstrumentoCordas* getInstrumentoAtual() const { return instrumentoAtual.get(); }
    InstrumentoCordas* getInstrumentoAnterior() const { return instrumentoAnterior.get(); }
    void guardarInstrumentoAtual() { instrumentoAnterior = instrumentoAtual; }

    // Negative: nothing changes. Errors of the file are passed on with the
    // current instrument unchanged.
    void setInstrumento(int indice);
    // A built-in: that very object; otherwise a newly read one.
    std::shared_ptr<InstrumentoCordas> getInstrumento(int indice);
    std::vector<std::string> getNomesInstrumentos();
    std::string getNomeInstrumentoAtual() const { return nomeInstrumentoAtual; }
    int getNumeroInstrumentosPadrao() const { return kNumeroInstrumentosPadrao; }

    // True when the name is already in the list (exact bytes, case-sensitive).
    bool existeInstrumento(const InstrumentoCordas* instrumento);
    // IllegalArgumentException for a name already in the list.
    void addInstrumento(const InstrumentoCordas* instrumento);
    // Built-ins and negative indices are silently left alone.
    void delInstrumento(int indice);
    void editInstrumento(int indice, const InstrumentoCordas* instrumento);

    const std::string& getCaminhoBase() const { return caminhoBase; }

private:
    Plataforma& plataforma() const;

    std::shared_ptr<InstrumentoCordas> instrumentoAtual;
    std::shared_ptr<InstrumentoCordas> instrumentoAnterior;
    std::string caminhoBase;
    std::string nomeInstrumentoAtual;
    std::vector<std::shared_ptr<InstrumentoCordas>> instrumentosPadrao;

    Plataforma* plataformaFixa;
    std::unique_ptr<XMLInstrumentoParser> parserProprio;
    XMLInstrumentoParser* parser;
};
