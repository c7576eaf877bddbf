#include "cli/Diagrama.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace cli {

namespace {
// Frets a diagram shows at least.
constexpr int32_t kLinhasDiagrama = 4;
}  // namespace

std::string listaNumeros(const std::vector<int32_t>& valores) {
    std::ostringstream s;
    for (size_t i = 0; i < valores.size(); ++i) s << (i ? " " : "") << valores[i];
    return s.str();
}

void desenharDiagrama(std::ostream& saida, const std::vector<int32_t>& casas, const std::vector<int32_t>& dedos) {
    int32_t menor = 0, maior = 0;
    for (const int32_t c : casas) {
        if (c <= 0) continue;
        menor = menor == 0 ? c : std::min(menor, c);
        maior = std::max(maior, c);
    }
    const int32_t primeira = maior <= kLinhasDiagrama ? 1 : menor;
    const int32_t ultima = std::max(primeira + kLinhasDiagrama - 1, maior);
    const size_t cordas = casas.size();
    const std::string margem = "   ";

    std::string topo;
    for (size_t s = 0; s < cordas; ++s) {
        topo += casas[s] < 0 ? 'x' : casas[s] == 0 ? 'o' : ' ';
        if (s + 1 < cordas) topo += ' ';
    }
    topo = margem + topo;
    topo.erase(topo.find_last_not_of(' ') + 1);
    saida << topo << '\n';
    const std::string traco(cordas == 0 ? 0 : 2 * cordas - 1, primeira == 1 ? '=' : '-');
    saida << margem << traco << '\n';
    for (int32_t f = primeira; f <= ultima; ++f) {
        std::string linha;
        for (size_t s = 0; s < cordas; ++s) {
            char celula = '|';
            if (casas[s] == f) {
                const int32_t d = s < dedos.size() ? dedos[s] : 0;
                celula = d >= 1 && d <= 4 ? static_cast<char>('0' + d) : '*';
            }
            linha += celula;
            if (s + 1 < cordas) linha += ' ';
        }
        saida << margem << linha << "  " << f << '\n';
    }
}

}  // namespace cli
