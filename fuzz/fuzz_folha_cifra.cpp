// Chord sheets in both notations: classification, the chords an import
// takes, and transposition. Beyond not crashing: transposing keeps every line
// and its ending; a line that stays within the searched part keeps its kind;
// and on a chord line every chord symbol, taken up one semitone and down
// again, sounds the same notes as before.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "AmbienteFuzz.h"
#include "harmony/InterpreteCifras.h"
#include "import/FolhaCifra.h"
#include "import/LinhaCifra.h"

namespace {

// Root, degrees and bass as pitch classes: what a respelling must keep.
std::vector<int> alturas(const std::string& cifra) {
    const Especialista& e = *Especialista::getInstancia();
    const CodigoAcorde codigo = e.interpretarCifra(cifra);
    std::vector<int> r = {e.getClasseRaiz(codigo)};
    for (IndiceGrau g : kGrausArmazenados) r.push_back(e.temGrau(codigo, g) ? 1 : 0);
    r.push_back(e.getBaixo(codigo) >= 0 ? e.getClasseNota(e.getBaixo(codigo)) : -1);
    return r;
}

[[noreturn]] void falhar(const char* oque, const std::string& linha) {
    std::fprintf(stderr, "%s: \"%s\"\n", oque, linha.c_str());
    std::abort();
}

void conferirLinha(const std::string& linha, const std::string& acima, const std::string& devolta) {
    using tokensCifra::kMaxCaracteresLinha;
    if (linha.size() > kMaxCaracteresLinha || acima.size() > kMaxCaracteresLinha) return;
    const TipoLinha tipo = linhaCifra::classificar(linha);
    if (linhaCifra::classificar(acima) != tipo) falhar("transposition changed the kind of line", linha);
    if (tipo != TipoLinha::Acordes) return;
    const auto antes = linhaCifra::acordes(linha);
    const auto depois = linhaCifra::acordes(devolta);
    if (antes.size() != depois.size()) falhar("transposition changed the number of chords", linha);
    for (size_t i = 0; i < antes.size(); ++i) {
        if (!linhaCifra::ehCifra(antes[i])) {
            if (antes[i] != depois[i]) falhar("a text that is no chord was rewritten", linha);
            continue;
        }
        if (alturas(antes[i]) != alturas(depois[i])) falhar("up and down again changed a chord", linha);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    if (tamanho < 1) return 0;
    // The first byte chooses the notation.
    AmbienteFuzz::get().usarPortugues(dados[0] & 1);
    const std::string folha(reinterpret_cast<const char*>(dados + 1), tamanho - 1);

    folhaCifra::acordes(folha);
    const std::string acima = folhaCifra::transpor(folha, 1, kTransporAcima);
    const std::string devolta = folhaCifra::transpor(acima, 1, kTransporAbaixo);

    const auto linhas = folhaCifra::dividir(folha);
    const auto linhasAcima = folhaCifra::dividir(acima);
    const auto linhasDevolta = folhaCifra::dividir(devolta);
    if (linhasAcima.size() != linhas.size() || linhasDevolta.size() != linhas.size()) {
        falhar("transposition changed the number of lines", folha);
    }
    for (size_t i = 0; i < linhas.size(); ++i) {
        if (linhasAcima[i].fim != linhas[i].fim || linhasDevolta[i].fim != linhas[i].fim) {
            falhar("transposition changed a line ending", linhas[i].texto);
        }
        conferirLinha(linhas[i].texto, linhasAcima[i].texto, linhasDevolta[i].texto);
    }
    return 0;
}
