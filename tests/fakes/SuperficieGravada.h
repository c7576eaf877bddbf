#pragma once
// Drawing surfaces for tests: a page that records what is drawn on it, with
// plain text metrics (a character is half as wide as the font is high), a
// printer of such pages and a preview window registered for its lifetime.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/FachadaGUI.h"
#include "core/base/Excecoes.h"
#include "printing/Impressora.h"
#include "printing/SuperficieDesenho.h"

enum class TipoDesenho { Texto, Linha, Retangulo, Elipse };

struct Desenho {
    TipoDesenho tipo;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a text's top-left corner in x1, y1
    std::string texto;
    std::string fonte;
    int alturaFonte = 0;
    int caneta = 0;
};

class SuperficieGravada : public SuperficieDesenho {
public:
    void setFonte(const std::string& nome, int altura) override {
        fonte = nome;
        alturaFonte = altura;
    }
    void setLarguraCaneta(int largura) override { caneta = largura; }
    void escreverTexto(int x, int y, const std::string& texto) override {
        desenhos.push_back({TipoDesenho::Texto, x, y, x + larguraTexto(texto), y + alturaFonte, texto, fonte,
                            alturaFonte, caneta});
    }
    int larguraTexto(const std::string& texto) override { return static_cast<int>(texto.size()) * alturaFonte / 2; }
    int alturaTexto(const std::string&) override { return alturaFonte; }
    void linha(int x1, int y1, int x2, int y2) override { gravar(TipoDesenho::Linha, x1, y1, x2, y2); }
    void retangulo(int e, int t, int d, int b) override { gravar(TipoDesenho::Retangulo, e, t, d, b); }
    void elipse(int e, int t, int d, int b) override { gravar(TipoDesenho::Elipse, e, t, d, b); }

    std::vector<Desenho> deTipo(TipoDesenho tipo) const {
        std::vector<Desenho> achados;
        for (const auto& d : desenhos) {
            if (d.tipo == tipo) achados.push_back(d);
        }
        return achados;
    }
    const Desenho* texto(const std::string& conteudo) const {
        for (const auto& d : desenhos) {
            if (d.tipo == TipoDesenho::Texto && d.texto == conteudo) return &d;
        }
        return nullptr;
    }

    std::vector<Desenho> desenhos;
    std::string fonte;
    int alturaFonte = 12;
    int caneta = 1;

private:
    void gravar(TipoDesenho tipo, int x1, int y1, int x2, int y2) {
        desenhos.push_back({tipo, x1, y1, x2, y2, {}, fonte, alturaFonte, caneta});
    }
};

class ImpressoraGravada : public Impressora {
public:
    ImpressoraGravada(int largura = 2892, int altura = 3742) : largura(largura), altura(altura) {}

    int larguraPagina() const override { return largura; }
    int alturaPagina() const override { return altura; }
    void iniciarDocumento() override {
        if (falhaAoIniciar) throw DException("sem impressora");
        paginas.clear();
        paginas.push_back(std::make_unique<SuperficieGravada>());
        iniciado = true;
    }
    void novaPagina() override { paginas.push_back(std::make_unique<SuperficieGravada>()); }
    void terminarDocumento() override { terminado = true; }
    SuperficieDesenho& superficie() override { return *paginas.back(); }

    int largura;
    int altura;
    bool falhaAoIniciar = false;
    bool iniciado = false;
    bool terminado = false;
    std::vector<std::unique_ptr<SuperficieGravada>> paginas;
};

// The print dialog: confirmed on its printer, or cancelled.
class DialogoImpressaoFalso : public DialogoImpressao {
public:
    explicit DialogoImpressaoFalso(Impressora* impressora) : impressora(impressora) {}
    Impressora* executar() override {
        ++vezes;
        return impressora;
    }
    Impressora* impressora;
    int vezes = 0;
};

class VisualizacaoFalsa : public RespostasVisualizacao {
public:
    VisualizacaoFalsa() { FachadaGUI::getInstancia()->registrarVisualizacao(this); }
    ~VisualizacaoFalsa() override {
        if (FachadaGUI::getInstancia()->getVisualizacao() == this) FachadaGUI::getInstancia()->registrarVisualizacao(nullptr);
    }
    VisualizacaoFalsa(const VisualizacaoFalsa&) = delete;
    VisualizacaoFalsa& operator=(const VisualizacaoFalsa&) = delete;

    std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override { return impressora; }
    std::unique_ptr<SuperficieDesenho> novaPagina(int, int) override { return std::make_unique<SuperficieGravada>(); }
    void mostrarPagina(const SuperficieDesenho& pagina, int paginas, int largura, int altura) override {
        mostrada = &pagina;
        contagem = paginas;
        tamanho = {largura, altura};
        ++mostradas;
    }
    void exibir() override { ++exibicoes; }

    std::optional<TamanhoPagina> impressora;
    const SuperficieDesenho* mostrada = nullptr;
    int contagem = 0;
    TamanhoPagina tamanho;
    int mostradas = 0;
    int exibicoes = 0;
};
