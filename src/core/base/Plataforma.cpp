#include "core/base/Plataforma.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/base/Excecoes.h"

namespace {
Plataforma* plataformaAtual = nullptr;

bool escreverTudo(int fd, const std::string& conteudo) {
    const char* p = conteudo.data();
    size_t resta = conteudo.size();
    while (resta > 0) {
        const ssize_t n = ::write(fd, p, resta);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        resta -= static_cast<size_t>(n);
    }
    return true;
}

// Write beside the target, flush to disk, then put it in place: a crash or a
// full disk leaves either the old file or the new one, never half of one.
// Without substituir the file is put in place only where none is (link fails
// on an existing name), so a file that appeared meanwhile is kept.
void gravarAtomico(const std::string& caminho, const std::string& conteudo, bool substituir) {
    auto falha = [&](int erro) {
        return DException("N\xE3o foi poss\xEDvel gravar o arquivo '" + caminho + "': " + std::strerror(erro),
                          "Plataforma", "escreverArquivo(string, string)");
    };
    std::string temporario = caminho + ".tmpXXXXXX";
    const int fd = ::mkstemp(temporario.data());
    if (fd < 0) throw falha(errno);
    bool ok = escreverTudo(fd, conteudo) && ::fsync(fd) == 0;
    const int erro = errno;
    ok = (::close(fd) == 0) && ok;
    struct stat st {};
    if (ok && ::stat(caminho.c_str(), &st) == 0) ::chmod(temporario.c_str(), st.st_mode & 07777);
    else if (ok) ::chmod(temporario.c_str(), 0644);
    if (!ok) {
        ::unlink(temporario.c_str());
        throw falha(erro);
    }
    const bool posto = substituir ? ::rename(temporario.c_str(), caminho.c_str()) == 0
                                  : ::link(temporario.c_str(), caminho.c_str()) == 0;
    const int erroFinal = errno;
    if (!posto || !substituir) ::unlink(temporario.c_str());
    if (!posto) throw falha(erroFinal);
}

// A directory the program cannot write to. Root may write anywhere, so a
// directory without any write bit counts as read-only too: that is how an
// installed copy is laid out, whoever runs it.
bool somenteLeitura(const std::string& diretorio) {
    struct stat st {};
    if (::stat(diretorio.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return ::access(diretorio.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0;
}

// The user's base folder of that kind, with "brelvio/" added. A relative
// XDG value is ignored, as the base-directory rules ask.
std::optional<std::string> pastaDoUsuario(PastaUsuario pasta) {
    const bool configuracao = pasta == PastaUsuario::Configuracao;
    const char* xdg = std::getenv(configuracao ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    std::string base;
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* casa = std::getenv("HOME");
        if (casa == nullptr || casa[0] != '/') {
            const passwd* usuario = ::getpwuid(::getuid());
            if (usuario == nullptr || usuario->pw_dir == nullptr || usuario->pw_dir[0] != '/') return std::nullopt;
            casa = usuario->pw_dir;
        }
        base = std::string(casa) + (configuracao ? "/.config" : "/.local/share");
    }
    if (base.back() != '/') base += '/';
    return base + "brelvio/";
}

// mkdir -p, new folders private to the user.
bool criarPastas(const std::string& caminho) {
    for (size_t barra = caminho.find('/', 1); barra != std::string::npos; barra = caminho.find('/', barra + 1)) {
        const std::string parte = caminho.substr(0, barra);
        if (::mkdir(parte.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return ::stat(caminho.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

Plataforma& Plataforma::atual() {
    if (plataformaAtual == nullptr) {
        throw FatalException("Plataforma n\xE3o definida", "Plataforma", "atual()");
    }
    return *plataformaAtual;
}

void Plataforma::definir(Plataforma* plataforma) { plataformaAtual = plataforma; }

bool PlataformaArquivos::existeArquivo(const std::string& caminho) const {
    struct stat st {};
    return ::stat(caminho.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string PlataformaArquivos::lerArquivo(const std::string& caminho) const {
    std::ifstream entrada(caminho, std::ios::binary);
    if (!entrada || !existeArquivo(caminho)) {
        throw FileNotFoundException("Arquivo n\xE3o encontrado: '" + caminho + "'", caminho, "Plataforma",
                                    "lerArquivo(string)");
    }
    std::ostringstream conteudo;
    conteudo << entrada.rdbuf();
    return conteudo.str();
}

std::optional<std::string> PlataformaArquivos::lerTrecho(const std::string& caminho, uint64_t inicio,
                                                         uint64_t tamanho) const {
    std::ifstream entrada(caminho, std::ios::binary | std::ios::ate);
    if (!entrada) return std::nullopt;
    const auto fim = static_cast<uint64_t>(entrada.tellg());
    if (inicio > fim || tamanho > fim - inicio) return std::nullopt;
    std::string bytes(tamanho, '\0');
    entrada.seekg(static_cast<std::streamoff>(inicio));
    if (!entrada.read(bytes.data(), static_cast<std::streamsize>(tamanho))) return std::nullopt;
    return bytes;
}

void PlataformaArquivos::escreverArquivo(const std::string& caminho, const std::string& conteudo) {
    gravarAtomico(caminho, conteudo, true);
}

std::vector<std::string> PlataformaArquivos::listarArquivos(const std::string& diretorio,
                                                            const std::string& padrao) const {
    std::vector<std::string> nomes;
    DIR* dir = ::opendir(diretorio.empty() ? "." : diretorio.c_str());
    if (dir == nullptr) return nomes;
    while (const dirent* e = ::readdir(dir)) {
        const std::string nome = e->d_name;
        if (::fnmatch(padrao.c_str(), nome.c_str(), 0) != 0) continue;
        if (existeArquivo(diretorio + (diretorio.empty() || diretorio.back() == '/' ? "" : "/") + nome)) {
            nomes.push_back(nome);
        }
    }
    ::closedir(dir);
    return nomes;
}

std::string PlataformaArquivos::arquivoGravavel(const std::string& nome, PastaUsuario pasta) const {
    const std::string aoLado = diretorioPrograma() + nome;
    if (!somenteLeitura(diretorioPrograma())) return aoLado;
    const std::optional<std::string> base = pastaDoUsuario(pasta);
    if (!base) return aoLado;
    const std::string doUsuario = *base + nome;
    if (!criarPastas(doUsuario.substr(0, doUsuario.rfind('/') + 1))) return aoLado;
    if (!existeArquivo(doUsuario) && existeArquivo(aoLado)) {
        try {
            gravarAtomico(doUsuario, lerArquivo(aoLado), false);
        } catch (const DException&) {
            // Someone else's copy that appeared meanwhile is as good as ours.
            if (!existeArquivo(doUsuario)) return aoLado;
        }
    }
    return doUsuario;
}
