#pragma once
// The MIDI driver wizard: finds an output device the user can hear by
// playing a short run of notes on each device in turn and asking. The steps
// and their texts are ModeloAssistenteDriver's; this window draws them on the
// language's background picture and forwards the clicks.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogoSemBorda.h"
#include "ui/modelo/ModeloAssistenteDriver.h"
#include "ui/modelo/MisturadorVolume.h"

class QLabel;
class TVantorButton3D;

class TformAssistenteConfiguracaoDriver : public DialogoSemBorda {
    Q_OBJECT
public:
    // Reads the device names of the MIDI output now, and looks for the
    // desktop's volume mixer on the PATH (the link is hidden without one).
    explicit TformAssistenteConfiguracaoDriver(QWidget* pai = nullptr);
    ~TformAssistenteConfiguracaoDriver() override;

    // The wizard created last and still alive, for the windows that run it.
    static TformAssistenteConfiguracaoDriver* atual();

    // Modal, centred. The index of the device the user heard,
    // -1 when cancelled, 0 when no device was heard.
    int executar();

    // Starts the volume mixer; QProcess by default (tests record instead).
    using Iniciador = std::function<bool(const std::string& programa, const std::vector<std::string>& argumentos)>;
    void definirIniciador(Iniciador novo) { iniciador = std::move(novo); }
    void definirMisturador(std::optional<ComandoMisturador> comando);
    // Opens the mixer; tells the user when it does not start.
    void abrirVolume();

    const ModeloAssistenteDriver& modelo() const { return assistente; }
    QLabel* lblTitulo1() const { return titulo1; }
    QLabel* lblExplicacao1() const { return explicacao1; }
    QLabel* lblLinkVolumeWindows() const { return linkVolume; }
    QLabel* lblTitulo2() const { return titulo2; }
    QLabel* lblExplicacao2() const { return explicacao2; }
    TVantorButton3D* btnProsseguir() const { return prosseguir; }
    TVantorButton3D* btnCancelar() const { return cancelar; }
    TVantorButton3D* btnEscutando() const { return escutando; }
    TVantorButton3D* btnNaoEscutando() const { return naoEscutando; }
    TVantorButton3D* btnFinalizar() const { return finalizar; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    // Esc and the close button: Cancel before the final steps, Finish in them.
    void reject() override;

private:
    void mostrarEtapa();
    void aplicarBotoes(const ModeloAssistenteDriver::Botoes& botoes);
    void aoProsseguir();
    void aoResponder(bool ouviu);
    void aoCancelar();
    void aoFinalizar();

    ModeloAssistenteDriver assistente;
    QLabel* titulo1;
    QLabel* explicacao1;
    QLabel* linkVolume;
    QLabel* titulo2;
    QLabel* explicacao2;
    TVantorButton3D* prosseguir;
    TVantorButton3D* cancelar;
    TVantorButton3D* escutando;
    TVantorButton3D* naoEscutando;
    TVantorButton3D* finalizar;
    std::optional<ComandoMisturador> misturador;
    Iniciador iniciador;
    bool tocando = false;
};
