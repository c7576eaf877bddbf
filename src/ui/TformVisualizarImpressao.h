#pragma once
// The print preview: one page at a time at 100, 200 or 300 percent, a page
// spinner, and printing from here. It is the preview window of FachadaGUI:
// the print layout draws on its pictures and shows them through it.
#include <QPixmap>

#include "core/FachadaGUI.h"
#include "ui/DialogoSemBorda.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class TVantorButton3D;

class TformVisualizarImpressao : public DialogoSemBorda, public RespostasVisualizacao {
    Q_OBJECT
public:
    explicit TformVisualizarImpressao(QWidget* pai = nullptr);
    ~TformVisualizarImpressao() override;

    // The window created last and still alive.
    static TformVisualizarImpressao* atual();

    // Percent, from the selected entry of the zoom list.
    int getZoom() const;
    // Selects the entry of that zoom without rebuilding the pages.
    void setZoom(int zoom);

    std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override;
    std::unique_ptr<SuperficieDesenho> novaPagina(int largura, int altura) override;
    void mostrarPagina(const SuperficieDesenho& pagina, int paginas, int largura, int altura) override;
    void exibir() override;

    void imprimir();

    TVantorButton3D* btnImprimir() const { return btnImprimirDoc; }
    TVantorButton3D* btnFechar() const { return fechar; }
    QLabel* lblPagina() const { return rotuloPagina; }
    QLabel* lblDe() const { return rotuloDe; }
    QSpinBox* spinPagina() const { return spin; }
    QComboBox* comboZoom() const { return zoom; }
    QLabel* imageVisualizar() const { return imagem; }
    QScrollArea* areaPagina() const { return area; }

protected:
    void showEvent(QShowEvent* evento) override;
    void done(int resultado) override;

private:
    void paginaOuZoomMudou();

    QPixmap barra;
    QWidget* topo;
    TVantorButton3D* btnImprimirDoc;
    QLabel* rotuloPagina;
    QSpinBox* spin;
    QLabel* rotuloDe;
    QComboBox* zoom;
    TVantorButton3D* fechar;
    QScrollArea* area;
    QLabel* imagem;
};
