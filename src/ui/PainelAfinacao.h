#pragma once
// The string rows of the instrument editor, drawn as a small neck so that
// they match the neck the main window draws: the same string order and the
// nut on the same side for the chosen orientation. Each row shows its
// open-string note and has a picker; holding the mouse on a string plays it.
#include <QWidget>
#include <array>

class QLabel;
class QToolButton;

class PainelAfinacao : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlots = 6;

    explicit PainelAfinacao(QWidget* pai = nullptr);

    // Slot 1 is the highest-pitched string, slot numeroCordas the lowest.
    void dispor(int numeroCordas, int orientacao);
    int getNumeroCordas() const { return cordas; }
    void setNota(int slot, int nota);
    int getNota(int slot) const;

    // The row band of a slot that answers the mouse, in panel coordinates.
    QRect areaCorda(int slot) const;
    int yCorda(int slot) const;
    QLabel* rotulo(int slot) const;
    QToolButton* seletor(int slot) const;
    QColor corCorda(int slot) const;

signals:
    // The picker of a slot was pressed; global: where its menu belongs.
    void notaPedida(int slot, QPoint global);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    enum class Estado { Normal, Realce, Tocando };
    int slotEm(QPoint ponto) const;
    int linha(int slot) const;  // 0 = top row
    void marcar(int slot, Estado estado);
    void pararTocando();
    void atualizarRotulo(int slot);
    int xInicioCordas() const;
    int xFimCordas() const;

    int cordas = 6;
    int orientacao = 2;
    std::array<int, kSlots> notas{64, 59, 55, 50, 45, 40};
    std::array<Estado, kSlots> estados{};
    std::array<QLabel*, kSlots> rotulos{};
    std::array<QToolButton*, kSlots> seletores{};
    int slotTocando = 0;
    int notaTocando = -1;
};
