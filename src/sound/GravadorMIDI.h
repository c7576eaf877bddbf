#pragma once
// A MIDI facility that sounds nothing and keeps everything done to it, each
// event with the platform clock's time: what tests inspect instead of a
// synthesizer.
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sound/DispositivoMIDI.h"

class GravadorMIDI : public DispositivoMIDI {
public:
    struct Evento {
        enum class Tipo { Abertura, Mensagem, Reinicio, Fechamento };
        Tipo tipo;
        int64_t tempo;         // Plataforma::atual().agoraMilissegundos()
        int dispositivo;       // the device open (or being opened)
        MensagemMIDI mensagem; // Mensagem only
    };

    // numero devices named "Recorder 0", "Recorder 1", ...; device -1 is device 0.
    explicit GravadorMIDI(int numero = 1);

    // Devices that refuse to open (-1 included) and devices whose name cannot be read.
    void recusarAbertura(int id) { recusados.insert(id); }
    void ocultarNome(int id) { semNome.insert(id); }

    int numeroDispositivos() override { return numero; }
    std::optional<std::string> nomeDispositivo(int id) override;
    bool abrir(int id) override;
    void enviar(const MensagemMIDI& mensagem) override;
    void reiniciar() override;
    void fechar() override;

    const std::vector<Evento>& eventos() const { return registro; }
    // The messages alone, in the order sent.
    std::vector<MensagemMIDI> mensagens() const;
    // Every open attempt, the refused ones too, in order.
    const std::vector<int>& tentativasAbertura() const { return tentativas; }
    bool estaAberto() const { return aberto.has_value(); }
    std::optional<int> dispositivoAberto() const { return aberto; }
    void limpar();

private:
    void anotar(Evento::Tipo tipo, const MensagemMIDI& mensagem = {});

    int numero;
    std::set<int> recusados;
    std::set<int> semNome;
    std::optional<int> aberto;
    std::vector<Evento> registro;
    std::vector<int> tentativas;
};
