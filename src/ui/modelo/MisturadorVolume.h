#pragma once
// The desktop's volume mixer, for the wizard's link: the first of the mixers
// this program knows that is installed on the search path.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ComandoMisturador {
    std::string programa;  // full path of the executable
    std::vector<std::string> argumentos;
    bool operator==(const ComandoMisturador&) const = default;
};

// caminhoBusca: a PATH value, folders separated by ':'; an empty folder is
// skipped (it would mean the current folder, which is not where a desktop
// program is looked for).
std::optional<ComandoMisturador> acharMisturadorVolume(std::string_view caminhoBusca);
