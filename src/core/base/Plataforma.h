#pragma once
// What the core needs from the operating system and the desktop. The window
// program supplies a Qt implementation; tests and the command-line tool use
// PlataformaHeadless. All texts are Windows-1252 bytes; paths are plain bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class BotoesMensagem { Ok, SimNao, OkCancelar };
enum class RespostaMensagem { Ok, Sim, Nao, Cancelar };
// The user's folders for files the program writes, after the XDG base directories.
enum class PastaUsuario { Configuracao, Dados };

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // The program's directory, ending with '/', and the program file's name.
    virtual std::string diretorioPrograma() const = 0;
    virtual std::string nomeArquivoPrograma() const = 0;

    virtual bool existeArquivo(const std::string& caminho) const = 0;
    // The whole file; FileNotFoundException (the path as item) when it cannot be read.
    virtual std::string lerArquivo(const std::string& caminho) const = 0;
    // A byte range of a file; nothing when the file is missing or shorter than the range.
    virtual std::optional<std::string> lerTrecho(const std::string& caminho, uint64_t inicio,
                                                 uint64_t tamanho) const = 0;
    // Replaces the file atomically: the old content stays whole when writing fails,
    // and the failure is raised as a DException naming the path.
    virtual void escreverArquivo(const std::string& caminho, const std::string& conteudo) = 0;
    // Names (not paths) of the plain files of a directory that match a pattern
    // such as "*.idm", in the order the file system returns them.
    virtual std::vector<std::string> listarArquivos(const std::string& diretorio,
                                                    const std::string& padrao) const = 0;
    // Where the program reads and writes a file of its own (the configuration,
    // the instrument file): beside the program while the program's directory
    // is writable (the build tree, a portable copy). An installed program's
    // directory is not, so there the file lives in the user's folder
    // ($XDG_CONFIG_HOME or ~/.config, $XDG_DATA_HOME or ~/.local/share, then
    // "brelvio/"), first copied from the program's file of that name when the
    // program delivers one; a file the user already has is never replaced.
    // When the user's folder cannot be made or filled, the file beside the
    // program is answered, so it can at least be read.
    virtual std::string arquivoGravavel(const std::string& nome, PastaUsuario pasta) const = 0;

    // A plain message box without icon; an empty title leaves it untitled.
    virtual RespostaMensagem mostrarMensagem(const std::string& texto, const std::string& titulo,
                                             BotoesMensagem botoes) = 0;
    // The language chooser: the index chosen, or nothing on cancel or no selection.
    virtual std::optional<int> escolherIdioma(const std::vector<std::string>& nomes) = 0;

    // Asks the application to end once control returns to its event loop.
    virtual void pedirEncerramento() = 0;
    virtual bool encerramentoPedido() const = 0;

    // The shell's "open" action on a document or a web address.
    virtual bool abrirDocumento(const std::string& caminhoOuEndereco) = 0;

    virtual void esperar(int milissegundos) = 0;
    virtual int64_t agoraMilissegundos() const = 0;

    // The platform the core's single instances are wired to.
    static Plataforma& atual();
    static void definir(Plataforma* plataforma);
};

// File services over POSIX, shared by every implementation.
class PlataformaArquivos : public Plataforma {
public:
    bool existeArquivo(const std::string& caminho) const override;
    std::string lerArquivo(const std::string& caminho) const override;
    std::optional<std::string> lerTrecho(const std::string& caminho, uint64_t inicio,
                                         uint64_t tamanho) const override;
    void escreverArquivo(const std::string& caminho, const std::string& conteudo) override;
    std::vector<std::string> listarArquivos(const std::string& diretorio,
                                            const std::string& padrao) const override;
    std::string arquivoGravavel(const std::string& nome, PastaUsuario pasta) const override;
};
