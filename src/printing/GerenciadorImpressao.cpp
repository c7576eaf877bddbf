#include "printing/GerenciadorImpressao.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "harmony/InterpreteCifras.h"
#include "harmony/Rotulos.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "printing/Impressora.h"
#include "printing/SuperficieDesenho.h"

namespace {

std::unique_ptr<GerenciadorImpressao>& instancia() {
    static std::unique_ptr<GerenciadorImpressao> unica;
    return unica;
}

int fracao(int largura, int partes) { return largura * partes / GerenciadorImpressao::kLarguraReferencia; }
int truncar(double valor) { return static_cast<int>(valor); }

using Posicao = PosicaoHarmonicaInstrumentoCordas;

// The pitch that interval labels count from: the marked root, read the way
// the fretboard marks it (its string index counts from the lowest-pitched
// string, as the frets do); else the chord's root on the highest string that
// plays it. Nothing when neither is found.
std::optional<int> alturaRaiz(const Posicao& posicao, const InstrumentoCordas& instrumento) {
    const auto afinacao = instrumento.getAfinacao();
    const auto casas = posicao.getCasas();
    const auto dedos = posicao.getDedos();
    const int marcada = posicao.getCordaMarcada();
    if (marcada >= 0) {
        if (marcada < static_cast<int>(afinacao.size())) return afinacao[static_cast<size_t>(marcada)] + posicao.getCasaMarcada();
        return std::nullopt;
    }
    int classe = -1;
    try {
        const Especialista& especialista = *Especialista::getInstancia();
        classe = especialista.getClasseRaiz(especialista.interpretarCifra(posicao.getNome()));
    } catch (const DException&) {
        return std::nullopt;
    }
    const size_t cordas = std::min({afinacao.size(), casas.size(), dedos.size()});
    for (size_t s = cordas; s-- > 0;) {
        if (dedos[s] < 0 || dedos[s] > 4 || casas[s] < 0 || casas[s] > instrumento.getNumeroCasas()) continue;
        const int altura = afinacao[s] + casas[s];
        if (((altura % 12) + 12) % 12 == ((classe % 12) + 12) % 12) return altura;
    }
    return std::nullopt;
}

}  // namespace

// One document being drawn: the current height, the page count and the way
// to the next page, which differ between the printer and the preview.
class GerenciadorImpressao::Documento {
public:
    Documento(const Metricas& m, const InstrumentoCordas& instrumento, int rotulo,
              std::function<SuperficieDesenho&()> novaPagina, SuperficieDesenho& primeira)
        : m(m), instrumento(instrumento), rotulo(rotulo), proxima(std::move(novaPagina)), s(&primeira),
          y(m.margem) {}

    int paginas() const { return contagem; }

    void cabecalho(const std::string& titulo, const std::string& endereco) {
        linhaCentrada(titulo, m.fonteTitulo);
        linhaCentrada(endereco, m.fonteEndereco);
    }

    void espaco() { y += m.espacoConteudo; }

    void texto(const std::vector<std::string>& linhas) {
        double topo = y;
        for (const std::string& linha : linhas) {
            s->setFonte("Courier New", m.alturaLinhaTexto);
            const int alturaA = s->alturaTexto("A");
            if (m.altura - m.margem - alturaA < y) {
                // Each page frames its own part of the block.
                moldura(topo);
                novaPagina();
                s->setFonte("Courier New", m.alturaLinhaTexto);
                topo = y;
            }
            s->escreverTexto(m.margem, truncar(y), linha);
            y += alturaA + m.espacoLinha;
        }
        moldura(topo);
    }

    void diagramas(const ListaImpressao& lista) {
        const int utilizavel = m.largura - 2 * m.margem;
        const int porLinha = std::max(1, truncar(utilizavel / (1.8 * m.larguraCelula)));
        size_t proximo = 0;
        for (const int k : dividirLinhas(lista.size(), porLinha)) {
            if (m.altura - m.margem - 1.8 * m.alturaCelula < y) novaPagina();
            double inicio = m.largura / 2 - k * 0.9 * m.larguraCelula;
            for (int i = 0; i < k; ++i, ++proximo) {
                const int x = truncar(inicio + 0.3 * m.larguraCelula);
                diagrama(*lista.getElement(static_cast<int>(proximo)), x, y);
                inicio = truncar(x + 1.6 * m.larguraCelula);
            }
            y += 1.8 * m.alturaCelula;
        }
    }

private:
    void novaPagina() {
        s = &proxima();
        ++contagem;
        y = m.margem;
    }

    void linhaCentrada(const std::string& linha, int altura) {
        s->setFonte("Arial", altura);
        s->escreverTexto((m.largura - s->larguraTexto(linha)) / 2, truncar(y), linha);
        y += s->alturaTexto("A") + m.espacoLinha;
    }

    void moldura(double topo) { s->retangulo(m.margem, truncar(topo), m.largura - m.margem, truncar(y)); }

    void diagrama(const Posicao& posicao, int x, double topo) {
        const double w = m.larguraCelula;
        const double h = m.alturaCelula;
        const double sw = 0.2 * w;
        const double fh = 0.2 * h;
        const double f = m.fonteRotulo;
        const int cordas = instrumento.getNumeroCordas();
        const auto casas = posicao.getCasas();
        const auto dedos = posicao.getDedos();
        const auto afinacao = instrumento.getAfinacao();

        s->setFonte("Times New Roman", truncar(1.5 * f));
        const std::string nome = posicao.getNome();
        s->escreverTexto(truncar(x + 0.5 * w - s->larguraTexto(nome) / 2.0), truncar(topo + fh / 3), nome);

        const int primeira = primeiraCasa(casas);
        const int gy = truncar(s->alturaTexto("A") + topo + fh + m.folga);
        const std::string romano = numeroRomano(primeira);
        if (!romano.empty()) {
            s->escreverTexto(truncar(x - sw / 2 - m.folga - s->larguraTexto(romano)),
                             truncar(gy + fh / 2 - s->alturaTexto(romano) / 2.0), romano);
        }

        s->setFonte("Arial", truncar(f));
        s->setLarguraCaneta(m.caneta);
        const int direita = truncar(x + (cordas - 1) * sw);
        for (int i = 0; i <= 5; ++i) s->linha(x, truncar(gy + i * fh), direita, truncar(gy + i * fh));
        // The lowest string is the thickest, as on the instrument. On a small
        // preview page those widths would fill the gaps between the strings,
        // so none is wider than a quarter of the spacing there.
        const int maisLarga = std::max(1, truncar(sw / 4));
        s->setLarguraCaneta(std::min(m.caneta + 5, maisLarga));
        for (int i = 0; i < cordas; ++i) {
            s->linha(truncar(x + i * sw), gy, truncar(x + i * sw), truncar(gy + h));
            s->setLarguraCaneta(std::min(truncar(5 - 0.6 * i), maisLarga));
        }

        const int base = primeira > 0 ? primeira - 1 : 0;
        const std::optional<int> raiz = rotulo == kIntervalos ? alturaRaiz(posicao, instrumento) : std::nullopt;
        s->setLarguraCaneta(m.caneta);
        const int ate = std::min({cordas, static_cast<int>(casas.size()), static_cast<int>(dedos.size())});
        for (int c = ate - 1; c >= 0; --c) {
            const int casa = casas[static_cast<size_t>(c)];
            const int dedo = dedos[static_cast<size_t>(c)];
            if (casa < 0 || dedo == Posicao::kDedoAbafada) continue;
            // The fret decides the place: a stopped note without a finger
            // yet is still a dot on its fret, not an open string.
            const double esquerda = x + c * sw - sw / 2;
            const double alto = casa == 0 ? gy - sw : gy + fh * (casa - base) - fh / 2 - sw / 2;
            s->elipse(truncar(esquerda), truncar(alto), truncar(esquerda + sw), truncar(alto + sw));
            const int altura = c < static_cast<int>(afinacao.size()) ? afinacao[static_cast<size_t>(c)] + casa : casa;
            std::string texto;
            double fonte = f;
            switch (rotulo) {
                case kNotas:
                    texto = nomeNotaSustenido(altura);
                    fonte = 0.8 * f;
                    break;
                case kIntervalos:
                    if (raiz) {
                        int r = *raiz;
                        while (r > altura) r -= 12;
                        texto = nomeIntervalo((altura - r) % 24);
                    }
                    fonte = 0.7 * f;
                    break;
                default:
                    if (dedo >= 1 && dedo <= 4) texto = std::to_string(dedo);
                    break;
            }
            if (texto.empty()) continue;
            s->setFonte("Arial", truncar(fonte));
            const double cx = esquerda + sw / 2;
            const double cy = alto + sw / 2;
            s->escreverTexto(truncar(cx - s->larguraTexto(texto) / 2.0), truncar(cy - s->alturaTexto("0") / 2.0), texto);
        }
    }

    int primeiraCasa(const std::vector<int32_t>& casas) const {
        const int maior = casas.empty() ? -1 : *std::max_element(casas.begin(), casas.end());
        if (maior < 5) return 0;
        int menor = maior;
        for (const int c : casas) {
            if (c > 0) menor = std::min(menor, c);
        }
        return std::min(menor, instrumento.getNumeroCasas());
    }

    const Metricas& m;
    const InstrumentoCordas& instrumento;
    int rotulo;
    std::function<SuperficieDesenho&()> proxima;
    SuperficieDesenho* s;
    double y;
    int contagem = 1;
};

GerenciadorImpressao* GerenciadorImpressao::getInstancia() {
    if (!instancia()) instancia() = std::make_unique<GerenciadorImpressao>();
    return instancia().get();
}

void GerenciadorImpressao::substituirInstancia(std::unique_ptr<GerenciadorImpressao> novo) {
    instancia() = std::move(novo);
}

GerenciadorImpressao::GerenciadorImpressao()
    : GerenciadorImpressao(GerenciadorIdiomas::getInstancia()->getTexto("geral", "nomeAplicacao"),
                           GerenciadorIdiomas::getInstancia()->getTexto("parametros", "urlVantor")) {}

GerenciadorImpressao::GerenciadorImpressao(std::string titulo, std::string endereco)
    : titulo(std::move(titulo)), endereco(std::move(endereco)) {}

GerenciadorImpressao::Metricas GerenciadorImpressao::calcularMetricas(int largura, int altura, bool naImpressora,
                                                                     int zoom) {
    Metricas m;
    m.largura = largura;
    m.altura = altura;
    m.margem = fracao(largura, 200);
    m.alturaCelula = fracao(largura, 420);
    m.larguraCelula = fracao(largura, 330);
    m.alturaLinhaTexto = fracao(largura, 65);
    m.fonteTitulo = fracao(largura, 150);
    m.fonteEndereco = fracao(largura, 100);
    m.fonteRotulo = m.alturaCelula * 0.125;
    m.caneta = naImpressora ? 2 : truncar(zoom * 2 * 0.01 + 0.5);
    m.folga = naImpressora ? 10 : truncar(zoom * 0.01 * 10 + 0.5);
    m.espacoLinha = fracao(largura, 20);
    m.espacoConteudo = fracao(largura, 120);
    return m;
}

TamanhoPagina GerenciadorImpressao::tamanhoVisualizacao(std::optional<TamanhoPagina> impressora, int zoom) {
    double escala = 0;
    TamanhoPagina pagina = kPaginaSemImpressora;
    if (impressora && impressora->largura > 0 && impressora->altura > 0) {
        pagina = *impressora;
        // A page 360 pixels wide at 100 percent, whatever the printer.
        escala = (zoom * 0.01) * static_cast<float>(35999.9921875 / pagina.largura) * 0.01;
    } else {
        escala = 14.999997 * 0.01 * zoom * 0.01;
    }
    return {truncar(pagina.largura * escala + 0.5), truncar(pagina.altura * escala + 0.5)};
}

std::vector<int> GerenciadorImpressao::dividirLinhas(int diagramas, int porLinha) {
    if (diagramas <= 0) return {};
    porLinha = std::max(1, porLinha);
    const int linhas = (diagramas + porLinha - 1) / porLinha;
    if (linhas == 1) return {diagramas};
    // Rows differ by one diagram at most, the longer ones first.
    const int cada = diagramas / linhas;
    const int maiores = diagramas - linhas * cada;
    std::vector<int> tamanhos(static_cast<size_t>(linhas), cada);
    for (int i = 0; i < maiores; ++i) ++tamanhos[static_cast<size_t>(i)];
    return tamanhos;
}

std::string GerenciadorImpressao::numeroRomano(int numero) {
    static constexpr struct {
        int valor;
        const char* letras;
    } kTabela[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
                   {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string romano;
    for (const auto& [valor, letras] : kTabela) {
        for (; numero >= valor; numero -= valor) romano += letras;
    }
    return romano;
}

std::vector<std::string> GerenciadorImpressao::linhasTexto(const std::string& texto) {
    std::string preparado;
    preparado.reserve(texto.size());
    for (const char c : texto) {
        // A blank between two line feeds keeps the empty line they enclose.
        if (c == '\n' && !preparado.empty() && preparado.back() == '\n') preparado += ' ';
        if (c == '\t') {
            preparado += "  ";
        } else {
            preparado += c;
        }
    }
    std::vector<std::string> linhas;
    std::string linha;
    for (const char c : preparado) {
        if (c == '\r' || c == '\n') {
            if (!linha.empty()) linhas.push_back(std::move(linha));
            linha.clear();
        } else {
            linha += c;
        }
    }
    if (!linha.empty()) linhas.push_back(std::move(linha));
    return linhas;
}

namespace {

// The document's parts by the content option; 3 is text only as well.
template <typename Doc>
void desenharConteudo(Doc& doc, int conteudo, const std::string& texto, const ListaImpressao& lista) {
    switch (conteudo) {
        case GerenciadorImpressao::kTextoEDiagramas:
            doc.espaco();
            doc.texto(GerenciadorImpressao::linhasTexto(texto));
            doc.espaco();
            doc.diagramas(lista);
            doc.espaco();
            break;
        case GerenciadorImpressao::kDiagramas:
            doc.espaco();
            doc.diagramas(lista);
            doc.espaco();
            break;
        default:
            doc.espaco();
            doc.texto(GerenciadorImpressao::linhasTexto(texto));
            break;
    }
}

}  // namespace

void GerenciadorImpressao::imprimirEm(Impressora& impressora, int conteudoEscolhido, int rotuloEscolhido,
                                      const std::string& texto, const InstrumentoCordas& instrumento,
                                      const ListaImpressao& lista) {
    naImpressora = true;
    struct Voltar {
        bool& flag;
        ~Voltar() { flag = false; }
    } voltar{naImpressora};
    metricas = calcularMetricas(impressora.larguraPagina(), impressora.alturaPagina(), true, zoom);
    impressora.iniciarDocumento();
    Documento doc(metricas, instrumento, rotuloEscolhido,
                  [&impressora]() -> SuperficieDesenho& {
                      impressora.novaPagina();
                      return impressora.superficie();
                  },
                  impressora.superficie());
    doc.cabecalho(titulo, endereco);
    desenharConteudo(doc, conteudoEscolhido, texto, lista);
    impressora.terminarDocumento();
    numeroPaginas = doc.paginas();
}

void GerenciadorImpressao::imprimir(DialogoImpressao& dialogo, int conteudoEscolhido, int rotuloEscolhido,
                                    const std::string& texto, const InstrumentoCordas& instrumento,
                                    const ListaImpressao& lista) {
    Impressora* impressora = dialogo.executar();
    if (impressora == nullptr) return;
    try {
        imprimirEm(*impressora, conteudoEscolhido, rotuloEscolhido, texto, instrumento, lista);
    } catch (const std::exception&) {
        Plataforma::atual().mostrarMensagem(GerenciadorIdiomas::getInstancia()->getTexto("fmImpressao", "erroImpressora"),
                                            std::string(), BotoesMensagem::Ok);
    }
}

void GerenciadorImpressao::visualizar(int conteudoEscolhido, int rotuloEscolhido, int pagina, int zoomEscolhido,
                                      const std::string& texto, const InstrumentoCordas& instrumento,
                                      const ListaImpressao& lista) {
    FachadaGUI& janelas = *FachadaGUI::getInstancia();
    naImpressora = false;
    conteudo = conteudoEscolhido;
    rotulo = rotuloEscolhido;
    zoom = zoomEscolhido;
    paginas.clear();
    numeroPaginas = 0;
    const TamanhoPagina tamanho = tamanhoVisualizacao(janelas.tamanhoPaginaImpressora(), zoom);
    metricas = calcularMetricas(tamanho.largura, tamanho.altura, false, zoom);
    std::unique_ptr<SuperficieDesenho> atual = janelas.novaPaginaVisualizacao(tamanho.largura, tamanho.altura);
    // No preview window to draw for.
    if (!atual) return;
    Documento doc(metricas, instrumento, rotulo,
                  [&]() -> SuperficieDesenho& {
                      paginas.push_back(std::move(atual));
                      atual = janelas.novaPaginaVisualizacao(tamanho.largura, tamanho.altura);
                      if (!atual) throw DException("Elemento \xE9 NULL");
                      return *atual;
                  },
                  *atual);
    doc.cabecalho(titulo, endereco);
    desenharConteudo(doc, conteudo, texto, lista);
    paginas.push_back(std::move(atual));
    numeroPaginas = doc.paginas();
    mostrarPagina(pagina, zoom);
}

void GerenciadorImpressao::mostrarPagina(int pagina, int zoomEscolhido) {
    if (zoomEscolhido != zoom || paginas.empty()) {
        InstrumentoCordas* instrumento = GerenciadorInstrumentos::getInstancia()->getInstrumentoAtual();
        if (instrumento == nullptr) return;
        const auto lista = FachadaGUI::getInstancia()->getCopiaListaImpressao();
        visualizar(conteudo, rotulo, pagina, zoomEscolhido, textoImpressao, *instrumento, *lista);
        return;
    }
    const int indice = std::clamp(pagina, 1, static_cast<int>(paginas.size())) - 1;
    FachadaGUI::getInstancia()->mostrarPaginaVisualizacao(*paginas[static_cast<size_t>(indice)],
                                                         static_cast<int>(paginas.size()), metricas.largura,
                                                         metricas.altura);
}
