#pragma once
// What the borderless dialogs share: the background picture of their
// language section, a title on its band, a close button, dragging by the
// background, centring when shown, and dark controls that match the picture.
#include <QDialog>
#include <QPixmap>
#include <string>

class QLabel;
class TVantorButton3D;

class DialogoSemBorda : public QDialog {
    Q_OBJECT
public:
    // The background is picture "imgFundo" of the section; the dialog takes
    // its size (or the given one, when the pack has no such picture).
    DialogoSemBorda(QWidget* pai, const std::string& secaoFundo, QSize tamanho);

    // A button drawn with the released and pressed pictures "<chave>Solto" and
    // "<chave>Pressionado" of section "geral", with a caption when given.
    static TVantorButton3D* criarBotao(QWidget* pai, const char* nome, const std::string& chaveImagem,
                                       const QString& legenda = QString());

    // The dark look of the controls, for pop-ups that live outside corpo().
    static QString estiloControles();
    // Drop-down lists and spin boxes keep the style's own arrows, in the dark colours.
    static void pintarEscuro(QWidget* controle);

protected:
    // The dialog's own title on the band right of the emblem.
    QLabel* criarTitulo();
    // The close button at the band's right end; it rejects the dialog.
    TVantorButton3D* criarBotaoFechar();
    // Where the controls go: the dark look applies to it and its children
    // only, so message boxes opened over the dialog keep the desktop's look.
    QWidget* corpo() const { return corpoDialogo; }

    void paintEvent(QPaintEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    QPixmap fundo;
    QWidget* corpoDialogo;
    QPoint inicioArrasto;
};
