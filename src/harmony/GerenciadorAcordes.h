#pragma once
// The single owner of the chord the user is looking at: which chord of the
// ready-made list is selected, which of its fingerings is shown, and where the
// fingerings come from.
//
// Two regimes, chosen afresh on every operation by the current instrument:
// an instrument configured like the standard guitar shows the database's own
// fingerings, completed once with generated ones (database regime); any other
// instrument shows generated fingerings held in acordeAtual, sorted by the sum
// of their frets (instrument regime).
#include <memory>
#include <string>
#include <vector>

#include "harmony/AcordeComposto.h"
#include "harmony/BaseAcordesViolao.h"
#include "harmony/NotasIntervalos.h"

class GeradorInstrumentoCordas;
class InstrumentoCordas;
class PosicaoHarmonica;

class GerenciadorAcordes {
public:
    // Loads the chord database at caminhoBase and parses every name in the
    // notation of the language loaded now. A missing file is reported to the
    // user and ends the application (the manager is then left empty).
    explicit GerenciadorAcordes(const std::string& caminhoBase);
    ~GerenciadorAcordes();
    GerenciadorAcordes(const GerenciadorAcordes&) = delete;
    GerenciadorAcordes& operator=(const GerenciadorAcordes&) = delete;

    // The single instance over the file named by "nomeArquivoBaseAcordes".
    static GerenciadorAcordes* getInstancia();
    // Tests and the command-line tool install a manager of their own.
    static void substituirInstancia(std::unique_ptr<GerenciadorAcordes> novo);
    static std::string caminhoDaBase();

    // Works on this instrument from now on instead of the instrument manager's
    // current one (the command-line tool names its instrument per run).
    void usarInstrumento(const InstrumentoCordas& instrumento);

    const ListaNomes& getNomesAcordes() const { return base.getNomes(); }

    void setAcorde(int indice);
    void setAcorde(int indice, int posicao);
    // A database name or a chord symbol; false when it cannot be read or no
    // fingering can be made for it.
    bool setAcorde(const char* texto);

    // The shown fingering (owned by its chord), or none in the instrument regime.
    PosicaoHarmonica* getPosicaoAcordeAtual();
    Acorde* getAcordeAtual();
    void proximaPosicao();
    void posicaoAnterior();

    int getIndiceAcorde() const { return indiceAcorde; }
    int getIndicePosicao() const { return indicePosicao; }
    void limparSelecao();
    std::string getNomeAcordeAtual() const;
    int getClasseRaizAcordeAtual() const;
    bool usaBemolAcordeAtual() const;
    // The code parsed for database chord i.
    CodigoAcorde getCodigo(int indice) const { return codigos.at(static_cast<size_t>(indice)); }

    bool encontrarPosicao(PosicaoHarmonica* p);
    bool existePosicao(PosicaoHarmonica* p);
    void adicionarPosicao(PosicaoHarmonica* p);

    // The chord that sounding pitches make with the chosen root, in the
    // database's own wording when the chord is listed; empty when unnamed.
    std::string nomearAcorde(const std::vector<int>& notas, int raiz) const;

    // Completes the selected chord's fingerings with generated ones.
    bool gerarPosicoes();

private:
    bool regimeBase() const;
    const InstrumentoCordas* instrumentoAtual() const;
    GeradorInstrumentoCordas& gerador() const;
    AcordeComposto* acordeBase(int indice) const;
    // The list next and previous step through.
    ColecaoPtr<PosicaoHarmonica>& posicoesSelecionadas();
    void atualizarAcordeAtual();
    // Runs gerarPosicoes for a fresh acordeAtual; puts the old one back on failure.
    bool reconstruirAcordeAtual(const std::string& nome);
    bool procurarPosicao(PosicaoHarmonica* p, const char* metodo, bool mostrar);

    BaseAcordesViolao base;
    int indiceAcorde = -1;
    int indicePosicao = -1;
    std::vector<CodigoAcorde> codigos;
    std::vector<bool> completo;
    std::unique_ptr<AcordeComposto> acordeAtual;
    std::string instrumentoAcordeAtual;
    std::unique_ptr<InstrumentoCordas> instrumentoFixo;
    std::unique_ptr<GeradorInstrumentoCordas> geradorFixo;
};
