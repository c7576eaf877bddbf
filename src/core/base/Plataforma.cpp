#include "core/base/Plataforma.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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
    // Write beside the target, flush to disk, then rename over it: a crash or a
    // full disk leaves either the old file or the new one, never half of one.
    std::string temporario = caminho + ".tmpXXXXXX";
    const int fd = ::mkstemp(temporario.data());
    if (fd < 0) {
        throw DException("N\xE3o foi poss\xEDvel gravar o arquivo '" + caminho + "': " + std::strerror(errno),
                         "Plataforma", "escreverArquivo(string, string)");
    }
    bool ok = escreverTudo(fd, conteudo) && ::fsync(fd) == 0;
    const int erro = errno;
    ok = (::close(fd) == 0) && ok;
    struct stat st {};
    if (ok && ::stat(caminho.c_str(), &st) == 0) ::chmod(temporario.c_str(), st.st_mode & 07777);
    else if (ok) ::chmod(temporario.c_str(), 0644);
    if (!ok || ::rename(temporario.c_str(), caminho.c_str()) != 0) {
        const int erroFinal = ok ? errno : erro;
        ::unlink(temporario.c_str());
        throw DException("N\xE3o foi poss\xEDvel gravar o arquivo '" + caminho + "': " + std::strerror(erroFinal),
                         "Plataforma", "escreverArquivo(string, string)");
    }
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
