#include "sound/GravadorMIDI.h"

#include "core/base/Plataforma.h"

GravadorMIDI::GravadorMIDI(int numero) : numero(numero) {}

std::optional<std::string> GravadorMIDI::nomeDispositivo(int id) {
    if (id < 0 || id >= numero || semNome.count(id)) return std::nullopt;
    return "Recorder " + std::to_string(id);
}

bool GravadorMIDI::abrir(int id) {
    tentativas.push_back(id);
    if (recusados.count(id) || id < -1 || id >= numero || (id == -1 && numero == 0)) return false;
    aberto = id;
    anotar(Evento::Tipo::Abertura);
    return true;
}

void GravadorMIDI::enviar(const MensagemMIDI& mensagem) { anotar(Evento::Tipo::Mensagem, mensagem); }

void GravadorMIDI::reiniciar() { anotar(Evento::Tipo::Reinicio); }

void GravadorMIDI::fechar() {
    anotar(Evento::Tipo::Fechamento);
    aberto.reset();
}

void GravadorMIDI::anotar(Evento::Tipo tipo, const MensagemMIDI& mensagem) {
    registro.push_back({tipo, Plataforma::atual().agoraMilissegundos(), aberto.value_or(-2), mensagem});
}

std::vector<MensagemMIDI> GravadorMIDI::mensagens() const {
    std::vector<MensagemMIDI> so;
    for (const auto& e : registro) {
        if (e.tipo == Evento::Tipo::Mensagem) so.push_back(e.mensagem);
    }
    return so;
}

void GravadorMIDI::limpar() {
    registro.clear();
    tentativas.clear();
}
