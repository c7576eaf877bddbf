#pragma once
// Several MIDI facilities seen as one, their devices numbered one after the
// other in the order given; device -1 is the first facility's default.
#include <memory>
#include <vector>

#include "sound/DispositivoMIDI.h"

class ListaDispositivosMIDI : public DispositivoMIDI {
public:
    explicit ListaDispositivosMIDI(std::vector<std::unique_ptr<DispositivoMIDI>> membros);

    int numeroDispositivos() override;
    std::optional<std::string> nomeDispositivo(int id) override;
    bool abrir(int id) override;
    void enviar(const MensagemMIDI& mensagem) override;
    void reiniciar() override;
    void fechar() override;

private:
    // The facility holding device id and the id within it; null when no member has it.
    DispositivoMIDI* localizar(int id, int& idLocal);

    std::vector<std::unique_ptr<DispositivoMIDI>> membros;
    DispositivoMIDI* aberto = nullptr;
};
