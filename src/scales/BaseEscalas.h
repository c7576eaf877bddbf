#pragma once
// The reader of the scale file of the loaded language (XML, root
// "colecaoEscala"). It only reads, and re-reads the whole file on every
// request: nothing is cached between calls.
//
// A scale's position is the number of complete "escala" elements before it;
// the name list is counted separately, which is why every "escala" must hold
// exactly one non-empty "nome".
#include <memory>
#include <string>
#include <vector>

#include "instruments/TXMLParser.h"
#include "scales/Escala.h"

class Plataforma;

class BaseEscalas {
public:
    // caminhoArquivo is the full path of the scale file.
    BaseEscalas(std::string caminhoArquivo, Plataforma& plataforma);

    // The single instance, over the language loaded when it is first used.
    static BaseEscalas* getInstancia();
    // A reader of the loaded language's scale file: the program's directory
    // followed by the file name of section "escalas", key "nome_arquivo".
    static std::unique_ptr<BaseEscalas> doIdiomaAtual(Plataforma& plataforma);
    // Tests install an instance of their own; nullptr drops it again.
    static void substituirInstancia(std::unique_ptr<BaseEscalas> nova);

    // FileNotFoundException ("baseEscalasNaoEncontrada") when there is no file.
    std::vector<std::string> getNomesEscalas();
    // A new scale owned by the caller; nothing for a position past the last
    // scale. FileNotFoundException as above; XMLParseException ("parseError")
    // when an offset of the file is not an integer.
    std::unique_ptr<Escala> getEscala(int posicao);
    int getNumeroEscalas();
    // The first name equal byte for byte; the number of names when none is.
    int getIndiceEscala(const std::string& nome);
    std::string getNomeArquivo() const { return caminho; }

private:
    void abrir(const char* metodo);

    std::string caminho;
    Plataforma& plataforma;
    TXMLParser scanner;
};
