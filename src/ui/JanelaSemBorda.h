#pragma once
// What the borderless dialogs share: picture buttons of the language's pack
// with the common caption look, dragging the window by its background, and
// centring it on its parent or the screen.
#include <QObject>
#include <QPoint>
#include <QString>
#include <string>

class QWidget;
class TVantorButton3D;

// A button drawn with the pictures chaveImagem + "Solto" / "Pressionado" of
// section "geral", shown released.
TVantorButton3D* criarBotaoGeral(QWidget* pai, const char* nome, const std::string& chaveImagem);
// White bold caption with a dark shadow, as on every dialog button.
void legendarBotao(TVantorButton3D* botao, const QString& legenda);
// Lists, spin boxes and captions of the window in the colours of the dark
// dialog pictures; call it once its controls exist.
void escurecerControles(QWidget* janela);
// Centred on the parent when it is on screen, else (or naTela) on the screen.
void centrarJanela(QWidget* janela, bool naTela = false);

// The busy cursor for its lifetime.
struct CursorOcupado {
    CursorOcupado();
    ~CursorOcupado();
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

// Moves the window of the watched widget while the left button drags on it.
class ArrastoJanela : public QObject {
public:
    explicit ArrastoJanela(QWidget* alca);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* alca;
    QPoint inicio;
};
