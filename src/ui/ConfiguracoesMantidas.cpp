#include "ui/ConfiguracoesMantidas.h"

#include "core/Fachada.h"
#include "core/base/Excecoes.h"
#include "instruments/InstrumentoCordas.h"
#include "sound/SaidaMIDI.h"

namespace {
std::unique_ptr<ConfiguracoesMantidas>& instancia() {
    static std::unique_ptr<ConfiguracoesMantidas> unica;
    return unica;
}
}  // namespace

ConfiguracoesMantidas* ConfiguracoesMantidas::getInstancia() {
    auto& unica = instancia();
    if (!unica) unica = std::make_unique<ConfiguracoesMantidas>();
    return unica.get();
}

void ConfiguracoesMantidas::substituirInstancia(std::unique_ptr<ConfiguracoesMantidas> nova) {
    instancia() = std::move(nova);
}

void ConfiguracoesMantidas::aplicar() {
    try {
        SaidaMIDI* saida = SaidaMIDI::getInstancia();
        saida->setDispositivo(dispositivo);
        if (const InstrumentoCordas* instrumento = Fachada::getInstancia()->getInstrumentoAtual()) {
            saida->setInstrumento(1, instrumento->getSom());
        }
        if (seletor != nullptr) {
            seletor->selecionarOrientacao(orientacao);
            Fachada::getInstancia()->setPosicaoBraco(static_cast<int8_t>(orientacao));
        }
    } catch (const FatalException&) {
        throw;
    } catch (const DException&) {
        // No device, an invalid program: the values stay as stored.
    }
}

void ConfiguracoesMantidas::definirValores(int novoDispositivo, int novaLinha, int novaOrientacao) {
    dispositivo = novoDispositivo;
    linhaInstrumento = novaLinha;
    orientacao = novaOrientacao;
    aplicar();
}
