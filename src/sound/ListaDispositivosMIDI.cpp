#include "sound/ListaDispositivosMIDI.h"

#include <utility>

ListaDispositivosMIDI::ListaDispositivosMIDI(std::vector<std::unique_ptr<DispositivoMIDI>> membros)
    : membros(std::move(membros)) {}

int ListaDispositivosMIDI::numeroDispositivos() {
    int total = 0;
    for (const auto& m : membros) total += m->numeroDispositivos();
    return total;
}

DispositivoMIDI* ListaDispositivosMIDI::localizar(int id, int& idLocal) {
    if (id == -1) {
        idLocal = -1;
        return membros.empty() ? nullptr : membros.front().get();
    }
    if (id < 0) return nullptr;
    // Counts are asked afresh: system ports come and go while the program runs.
    for (const auto& m : membros) {
        const int n = m->numeroDispositivos();
        if (id < n) {
            idLocal = id;
            return m.get();
        }
        id -= n;
    }
    return nullptr;
}

std::optional<std::string> ListaDispositivosMIDI::nomeDispositivo(int id) {
    int local = 0;
    DispositivoMIDI* m = localizar(id, local);
    return m ? m->nomeDispositivo(local) : std::nullopt;
}

bool ListaDispositivosMIDI::abrir(int id) {
    int local = 0;
    DispositivoMIDI* m = localizar(id, local);
    if (m == nullptr || !m->abrir(local)) return false;
    aberto = m;
    return true;
}

void ListaDispositivosMIDI::enviar(const MensagemMIDI& mensagem) {
    if (aberto) aberto->enviar(mensagem);
}

void ListaDispositivosMIDI::reiniciar() {
    if (aberto) aberto->reiniciar();
}

void ListaDispositivosMIDI::fechar() {
    if (aberto) aberto->fechar();
    aberto = nullptr;
}
