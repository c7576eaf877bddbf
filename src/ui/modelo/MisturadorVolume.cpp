#include "ui/modelo/MisturadorVolume.h"

#include <sys/stat.h>
#include <unistd.h>

#include <initializer_list>

namespace {

struct Misturador {
    const char* nome;
    std::initializer_list<const char*> argumentos;
};

// In order of preference: the stand-alone mixers first, then the sound page
// of a desktop's settings.
const Misturador kMisturadores[] = {
    {"pavucontrol", {}},
    {"pavucontrol-qt", {}},
    {"pwvucontrol", {}},
    {"mate-volume-control", {}},
    {"gnome-control-center", {"sound"}},
    {"systemsettings", {"kcm_pulseaudio"}},
};

bool executavel(const std::string& caminho) {
    struct stat st {};
    return ::stat(caminho.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(caminho.c_str(), X_OK) == 0;
}

std::vector<std::string> pastas(std::string_view caminhoBusca) {
    std::vector<std::string> lista;
    size_t inicio = 0;
    while (inicio <= caminhoBusca.size()) {
        size_t fim = caminhoBusca.find(':', inicio);
        if (fim == std::string_view::npos) fim = caminhoBusca.size();
        if (fim > inicio) lista.emplace_back(caminhoBusca.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
    return lista;
}

}  // namespace

std::optional<ComandoMisturador> acharMisturadorVolume(std::string_view caminhoBusca) {
    const std::vector<std::string> lista = pastas(caminhoBusca);
    for (const auto& misturador : kMisturadores) {
        for (std::string pasta : lista) {
            if (pasta.back() != '/') pasta += '/';
            const std::string programa = pasta + misturador.nome;
            if (!executavel(programa)) continue;
            ComandoMisturador comando{programa, {}};
            for (const char* argumento : misturador.argumentos) comando.argumentos.emplace_back(argumento);
            return comando;
        }
    }
    return std::nullopt;
}
