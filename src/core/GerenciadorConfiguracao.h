#pragma once
// The user's lasting choices between runs, kept in a small INI file beside the
// program (in the user's configuration folder for an installed program):
// section "geral", ten keys.
//
// Reading never fails: whatever goes wrong (no file, an unreadable one, a
// number that is not one) leaves every value at its default. Writing replaces
// the file atomically, so an interrupted or failed save keeps the old file
// whole instead of leaving a truncated one behind.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class Plataforma;

// The values, with the defaults of a program that never read a file.
class Configuracao {
public:
    static constexpr const char* kIdiomaPadrao = "English";
    static constexpr const char* kInstrumentoPadrao = "Viol\xE3o Padr\xE3o";
    // The standard neck view; a file that exists but lacks the key gives 0.
    static constexpr int8_t kPosicaoBracoPadrao = 2;

    bool operator==(const Configuracao&) const = default;

    std::string idioma = kIdiomaPadrao;
    int32_t driver = 0;
    int8_t posicaoBraco = kPosicaoBracoPadrao;
    int8_t politicaNovoPadrao = 0;
    int8_t politicaNovoInstrumento = 0;
    int32_t volume = 50;
    std::string instrumento = kInstrumentoPadrao;
    int32_t visualExecucao = 0;
    int32_t visualAcordes = 0;
    int32_t exibicaoEscalas = 0;
};

class GerenciadorConfiguracao : protected Configuracao {
public:
    // Reads the file at caminhoArquivo through the platform at once.
    GerenciadorConfiguracao(std::string caminhoArquivo, Plataforma& plataforma);

    // The single instance over the current platform, reading the file beside
    // the program on first use.
    static GerenciadorConfiguracao* getInstancia();
    // Tests install a manager of their own; nullptr drops it again.
    static void substituirInstancia(std::unique_ptr<GerenciadorConfiguracao> novo);
    // The program's file name with the extension "ini" (replacing the
    // program's own extension, or added when it has none), beside the program
    // or in the user's configuration folder (Plataforma::arquivoGravavel).
    static std::string caminhoArquivo(const Plataforma& plataforma);

    // The values of a file's bytes, as if read from an existing file: any
    // bytes are accepted; a bad number gives all defaults.
    static Configuracao interpretar(std::string_view conteudo);
    // The eleven lines that salvar writes, each ended by CR LF.
    static std::string formatar(const Configuracao& valores);

    std::string getIdioma() const { return idioma; }

    int32_t getDriver() const { return driver; }
    // Moves the MIDI output to that device, then stores the index (also when
    // the device did not open). An error of the MIDI output stores nothing.
    void setDriver(int32_t indice);

    int8_t getPosicaoBraco() const { return posicaoBraco; }
    void setPosicaoBraco(int8_t valor) { posicaoBraco = valor; }

    std::string getNomeInstrumento() const { return instrumento; }
    void setNomeInstrumento(const std::string& nome) { instrumento = nome; }

    int32_t getExibicaoEscalas() const { return exibicaoEscalas; }
    void setExibicaoEscalas(int32_t valor) { exibicaoEscalas = valor; }

    // Writes the file. A failure is not reported to the user: it answers false
    // and the file keeps its old content.
    bool salvar();

    const Configuracao& getValores() const { return *this; }
    const std::string& getCaminhoArquivo() const { return caminho; }

private:
    void ler();

    std::string caminho;
    Plataforma& plataforma;
};
