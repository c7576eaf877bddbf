#pragma once
// The notice dialog: a message with a proceed button and a help button that
// opens a help document, the general one unless the caller names another.
#include <string>

#include "ui/DialogoSemBorda.h"

class QLabel;
class TVantorButton3D;

class TformAviso : public DialogoSemBorda {
    Q_OBJECT
public:
    // Centred on its parent (the main window) when shown.
    explicit TformAviso(QWidget* pai = nullptr);
    ~TformAviso() override;

    // The dialog created last and still alive, for the windows that show notices.
    static TformAviso* atual();

    // Both modal. The second also replaces the kept help document for this showing.
    void mostrar(const std::string& mensagem);
    void mostrar(const std::string& mensagem, const std::string& caminhoAjuda);

    // Opens the kept help document with the desktop's default program.
    void abrirAjuda();

    const std::string& getCaminhoAjuda() const { return caminhoAjuda; }
    static std::string caminhoAjudaGeral();

    QLabel* lblMensagem() const { return mensagem; }
    TVantorButton3D* btnProsseguir() const { return prosseguir; }
    TVantorButton3D* btnAjuda() const { return ajuda; }
    TVantorButton3D* btnFechar() const { return fechar; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void done(int resultado) override;

private:
    void exibir(const std::string& texto);

    QLabel* mensagem;
    TVantorButton3D* prosseguir;
    TVantorButton3D* ajuda;
    TVantorButton3D* fechar;
    std::string caminhoAjuda;
};
