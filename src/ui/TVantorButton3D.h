#pragma once
// The picture push button of every window: one picture released, another
// pressed, the caption drawn over it (optionally with a one-pixel shadow) and
// moved down and right while pressed for the 3-D "push" look.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

enum TVantorButton3DStyle {
    bsDropWhenPressed,  // pressed only while the mouse button is held
    bsHoldWhenPressed,  // a click latches the button pressed, the next one releases it
};

class TVantorButton3D : public QWidget {
    Q_OBJECT
public:
    explicit TVantorButton3D(QWidget* pai = nullptr);

    // Also sizes the button to the picture and shows it released.
    void SetImagemSolta(const QPixmap& imagem);
    // Shows the button pressed: set it before the released picture.
    void SetImagemPressionada(const QPixmap& imagem);
    void SetPressed(bool pressionado);
    void SetButtonStyle(TVantorButton3DStyle estilo) { _ButtonStyle = estilo; }
    void SetAutoControlPressing(bool automatico) { _AutoControlPressing = automatico; }
    void SetText(const QString& texto);
    // Fixing a coordinate ends the centring on that axis.
    void SetTextX(int x);
    void SetTextY(int y);
    void SetTextDepth(int profundidade);
    void SetTextFont(const QFont& fonte, const QColor& cor = QColor(Qt::black));
    // The caption's colour alone (the main window marks its active mode so).
    void SetTextFontColor(const QColor& cor);
    void SetTextCentered(bool centrado);
    void SetTextCenteredX(bool centrado);
    void SetTextCenteredY(bool centrado);
    void SetTextStatic(bool estatico) { _TextStatic = estatico; }
    void SetTextShaded(bool sombreado);
    void SetTextShadedFont(const QFont& fonte, const QColor& cor = QColor(Qt::white));

    const QPixmap& PictureUp() const { return _PictureUp; }
    const QPixmap& PictureDown() const { return _PictureDown; }
    TVantorButton3DStyle ButtonStyle() const { return _ButtonStyle; }
    bool Pressed() const { return _Pressed; }
    bool AutoControlPressing() const { return _AutoControlPressing; }
    const QString& Text() const { return _Text; }
    int TextX() const { return _TextX; }
    int TextY() const { return _TextY; }
    int TextPressedDepth() const { return _TextPressedDepth; }
    const QFont& TextFont() const { return _TextFont; }
    const QColor& TextFontColor() const { return _TextColor; }
    bool TextCentered() const { return _TextCentered; }
    bool TextCenteredX() const { return _TextCenteredX; }
    bool TextCenteredY() const { return _TextCenteredY; }
    bool TextStatic() const { return _TextStatic; }
    bool TextShaded() const { return _TextShaded; }

    // What the button shows now (transparent where nothing is drawn).
    const QImage& imagemAtual() const { return imagem; }

signals:
    void clicked();
    void duploClique();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    void CentralizarCoordenadasTexto();
    void SoltarBotao();
    void PressionarBotao();
    void ImprimirTexto(QPainter& pintor, int x, int y);
    void redesenhar();
    void MouseDown();
    void MouseUp();

    QPixmap _PictureDown;
    QPixmap _PictureUp;
    TVantorButton3DStyle _ButtonStyle = bsDropWhenPressed;
    bool _Pressed = false;
    bool _AutoControlPressing = true;
    QString _Text;
    int _TextX = 0;
    int _TextY = 0;
    int _TextPressedDepth = 1;
    QFont _TextFont;
    QColor _TextColor = Qt::black;
    bool _TextCentered = true;
    bool _TextCenteredX = true;
    bool _TextCenteredY = true;
    bool _TextStatic = false;
    QFont _TextShadedFont;
    QColor _TextShadedColor = Qt::white;
    bool _TextShaded = false;

    QImage imagem;
    bool soltarNoProximoUp = false;
    bool cliqueIniciado = false;
};
