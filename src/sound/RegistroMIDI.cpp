#include "sound/RegistroMIDI.h"

#include <cstdio>
#include <ostream>
#include <utility>

#include "core/base/Plataforma.h"

RegistroMIDI::RegistroMIDI(std::unique_ptr<DispositivoMIDI> real, std::ostream& destino)
    : real(std::move(real)), destino(destino) {}

std::ostream& RegistroMIDI::linha() { return destino << Plataforma::atual().agoraMilissegundos() << " ms: "; }

bool RegistroMIDI::abrir(int id) {
    const bool aberto = real->abrir(id);
    linha() << "open " << id << (aberto ? "" : " failed") << '\n';
    return aberto;
}

void RegistroMIDI::enviar(const MensagemMIDI& m) {
    char bytes[16];
    std::snprintf(bytes, sizeof bytes, "%02X %02X %02X", m.status, m.dado1, m.dado2);
    linha() << bytes << '\n';
    real->enviar(m);
}

void RegistroMIDI::reiniciar() {
    linha() << "reset\n";
    real->reiniciar();
}

void RegistroMIDI::fechar() {
    real->fechar();
    linha() << "close\n";
}
