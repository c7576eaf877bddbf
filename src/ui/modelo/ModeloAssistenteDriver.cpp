#include "ui/modelo/ModeloAssistenteDriver.h"

#include <exception>
#include <utility>

#include "core/base/GerenciadorIdiomas.h"
#include "sound/Reproducao.h"
#include "sound/SaidaMIDI.h"

namespace {

std::string texto(const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto("fmAssistenteConfiguracaoDriver", chave);
}

}  // namespace

ModeloAssistenteDriver::ModeloAssistenteDriver(std::vector<std::string> dispositivos) : nomes(std::move(dispositivos)) {
    apresentar();
}

void ModeloAssistenteDriver::iniciar(SaidaMIDI& saidaDada) {
    saida = &saidaDada;
    dispositivoAnterior = saida->getDispositivo();
    programaAnterior = saida->getPrograma(kCanal);
    testou = false;
    indiceAtual = 0;
    valorResultado = kResultadoNenhum;
    apresentar();
}

void ModeloAssistenteDriver::apresentar() {
    etapaAtual = indiceAtual < static_cast<int>(nomes.size()) ? Etapa::Apresentar : Etapa::NaoEncontrado;
}

void ModeloAssistenteDriver::prosseguir() {
    if (etapaAtual != Etapa::Apresentar || saida == nullptr) return;
    testou = true;
    try {
        saida->setDispositivo(indiceAtual);
        saida->setInstrumento(kCanal, kPrograma);
        reproducao::tocarTesteDispositivo(*saida);
    } catch (const std::exception&) {
        // The user is asked all the same: not hearing anything is the answer.
    }
    etapaAtual = Etapa::Perguntar;
}

void ModeloAssistenteDriver::responder(bool ouviu) {
    if (etapaAtual != Etapa::Perguntar) return;
    if (ouviu) {
        valorResultado = indiceAtual;
        etapaAtual = Etapa::Confirmado;
        return;
    }
    ++indiceAtual;
    apresentar();
}

void ModeloAssistenteDriver::cancelar() {
    if (etapaAtual != Etapa::Apresentar && etapaAtual != Etapa::Perguntar) return;
    valorResultado = kResultadoCancelado;
    etapaAtual = Etapa::Cancelado;
}

int ModeloAssistenteDriver::concluir() {
    if (etapaAtual == Etapa::Apresentar || etapaAtual == Etapa::Perguntar) cancelar();
    if (saida != nullptr && testou) {
        try {
            if (etapaAtual != Etapa::Confirmado) saida->setDispositivo(dispositivoAnterior);
            saida->setInstrumento(kCanal, programaAnterior);
        } catch (const std::exception&) {
            // The output stays where the test left it; nothing to tell the user.
        }
    }
    saida = nullptr;
    testou = false;
    return valorResultado;
}

std::string ModeloAssistenteDriver::titulo() const {
    switch (etapaAtual) {
        case Etapa::Apresentar: return texto("lblTitulo2-A") + " " + std::to_string(indiceAtual + 1) + ":";
        case Etapa::Perguntar: return texto("lblTitulo2-B");
        case Etapa::Confirmado: return texto("lblTitulo2-C");
        case Etapa::NaoEncontrado: return texto("lblTitulo2-D");
        case Etapa::Cancelado: break;
    }
    return {};
}

std::string ModeloAssistenteDriver::explicacao() const {
    switch (etapaAtual) {
        case Etapa::Apresentar:
            return texto("lblExplicacao2-A1") + " \"" + nomes[static_cast<size_t>(indiceAtual)] + "\". \n\n" +
                   texto("lblExplicacao2-A2");
        case Etapa::Perguntar: return texto("lblExplicacao2-B");
        case Etapa::Confirmado: return texto("lblExplicacao2-C");
        case Etapa::NaoEncontrado: return texto("lblExplicacao2-D");
        case Etapa::Cancelado: break;
    }
    return {};
}

ModeloAssistenteDriver::Botoes ModeloAssistenteDriver::botoes() const {
    switch (etapaAtual) {
        case Etapa::Apresentar: return kBotoesIniciais;
        case Etapa::Perguntar: return {false, false, true, true, true, false};
        case Etapa::Confirmado:
        case Etapa::NaoEncontrado: return {false, true, false, false, false, true};
        case Etapa::Cancelado: break;
    }
    return kBotoesIniciais;
}
