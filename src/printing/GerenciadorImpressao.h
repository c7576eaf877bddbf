#pragma once
// Lays out and draws printed pages: a header, the chord sheet's text in a
// frame, and rows of chord diagrams, one per fingering of the print list.
// The same drawing serves the printer and the preview pictures; every size is
// a fraction of the page width, so a page looks the same on any printer and
// at any zoom.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/FachadaGUI.h"

class DialogoImpressao;
class Impressora;
class InstrumentoCordas;
class SuperficieDesenho;

class GerenciadorImpressao {
public:
    enum Conteudo { kTextoEDiagramas = 0, kDiagramas = 1, kTexto = 2 };
    enum Rotulo { kDedos = 0, kNotas = 1, kIntervalos = 2 };

    // Every size follows from the page width; this width is the page the
    // proportions were drawn for.
    static constexpr int kLarguraReferencia = 2892;
    // The preview page without a readable printer page.
    static constexpr TamanhoPagina kPaginaSemImpressora{2400, 3141};

    struct Metricas {
        int largura = 0;  // W
        int altura = 0;   // H
        int margem = 0;
        int alturaCelula = 0;   // h
        int larguraCelula = 0;  // w
        int alturaLinhaTexto = 0;
        int fonteTitulo = 0;
        int fonteEndereco = 0;
        double fonteRotulo = 0;  // f
        int caneta = 0;          // p
        int folga = 0;           // g
        int espacoLinha = 0;     // between lines of text
        int espacoConteudo = 0;  // G, around the content blocks
    };

    static GerenciadorImpressao* getInstancia();
    static void substituirInstancia(std::unique_ptr<GerenciadorImpressao> novo);

    // Title and address from the loaded language ("nomeAplicacao", "urlVantor").
    GerenciadorImpressao();
    GerenciadorImpressao(std::string titulo, std::string endereco);

    void setTextoImpressao(const std::string& texto) { textoImpressao = texto; }
    const std::string& getTextoImpressao() const { return textoImpressao; }

    // Shows the print dialog and prints on the printer chosen there; a
    // cancelled dialog prints nothing. A failing printer is reported to the
    // user ("erroImpressora"), never raised.
    void imprimir(DialogoImpressao& dialogo, int conteudo, int rotulo, const std::string& texto,
                  const InstrumentoCordas& instrumento, const ListaImpressao& lista);
    // The document on that printer, without a dialog; the printer's errors
    // pass through.
    void imprimirEm(Impressora& impressora, int conteudo, int rotulo, const std::string& texto,
                    const InstrumentoCordas& instrumento, const ListaImpressao& lista);

    // Builds every preview page at that zoom (percent) and shows the page
    // (from 1) through the preview window registered in FachadaGUI.
    void visualizar(int conteudo, int rotulo, int pagina, int zoom, const std::string& texto,
                    const InstrumentoCordas& instrumento, const ListaImpressao& lista);
    // The page of the pictures built; at another zoom the preview is built
    // again first, with the last options, the kept text, the current
    // instrument and a fresh copy of the print list. A page number outside
    // the document shows the nearest page.
    void mostrarPagina(int pagina, int zoom);

    // The preview pages of the last preview, in order.
    const std::vector<std::unique_ptr<SuperficieDesenho>>& getPaginas() const { return paginas; }
    int getNumeroPaginas() const { return numeroPaginas; }
    int getZoom() const { return zoom; }
    const Metricas& getMetricas() const { return metricas; }

    // The page size of the preview at that zoom, copied from the printer's
    // page (or the page without a printer).
    static TamanhoPagina tamanhoVisualizacao(std::optional<TamanhoPagina> impressora, int zoom);
    static Metricas calcularMetricas(int largura, int altura, bool naImpressora, int zoom);
    // Rows of diagrams for that many fingerings, n to a row at most.
    static std::vector<int> dividirLinhas(int diagramas, int porLinha);
    // "" for 0, then "I", "II", ...
    static std::string numeroRomano(int numero);
    // The chord sheet as its lines are printed: blank lines between line
    // feeds kept, tabs as two blanks, empty lines dropped.
    static std::vector<std::string> linhasTexto(const std::string& texto);

private:
    class Documento;

    std::string titulo;
    std::string endereco;
    std::string textoImpressao;
    bool naImpressora = false;
    int zoom = 100;
    int conteudo = kDiagramas;
    int rotulo = kDedos;
    Metricas metricas;
    int numeroPaginas = 0;
    std::vector<std::unique_ptr<SuperficieDesenho>> paginas;
};
