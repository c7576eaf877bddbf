#include "core/Fachada.h"

#include <algorithm>
#include <utility>

#include "core/FachadaGUI.h"
#include "core/GerenciadorConfiguracao.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/PosicaoHarmonica.h"
#include "printing/GerenciadorImpressao.h"
#include "scales/GerenciadorEscalas.h"
#include "sound/SaidaMIDI.h"

namespace {

GerenciadorConfiguracao& configuracao() { return *GerenciadorConfiguracao::getInstancia(); }
GerenciadorInstrumentos& instrumentos() { return *GerenciadorInstrumentos::getInstancia(); }
GerenciadorAcordes& acordes() { return *GerenciadorAcordes::getInstancia(); }
GerenciadorEscalas& escalas() { return *GerenciadorEscalas::getInstancia(); }

}  // namespace

Fachada* Fachada::getInstancia() {
    static Fachada unica;
    return &unica;
}

std::string Fachada::getTexto(const std::string& secao, const std::string& chave) const {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

// Configuration.

std::string Fachada::getIdioma() const { return configuracao().getIdioma(); }
int8_t Fachada::getPosicaoBraco() const { return configuracao().getPosicaoBraco(); }
void Fachada::setPosicaoBraco(int8_t posicao) { configuracao().setPosicaoBraco(posicao); }
int32_t Fachada::getDriver() const { return configuracao().getDriver(); }
void Fachada::setDriver(int32_t indice) { configuracao().setDriver(indice); }
std::string Fachada::getNomeInstrumento() const { return configuracao().getNomeInstrumento(); }
void Fachada::setNomeInstrumento(const std::string& nome) { configuracao().setNomeInstrumento(nome); }
int32_t Fachada::getExibicaoEscalas() const { return configuracao().getExibicaoEscalas(); }
void Fachada::setExibicaoEscalas(int32_t valor) { configuracao().setExibicaoEscalas(valor); }

bool Fachada::salvarConfiguracao(bool modoEscalas) {
    GerenciadorConfiguracao& config = configuracao();
    config.setNomeInstrumento(instrumentos().getNomeInstrumentoAtual());
    config.setExibicaoEscalas(modoEscalas ? 1 : 0);
    config.setPosicaoBraco(config.getPosicaoBraco());
    return config.salvar();
}

// MIDI.

void Fachada::tocarNota(int canal, int velocidade, int nota) { SaidaMIDI::getInstancia()->tocarNota(canal, velocidade, nota); }
void Fachada::pararNota(int canal, int nota) { SaidaMIDI::getInstancia()->pararNota(canal, nota); }
void Fachada::silenciar() { SaidaMIDI::getInstancia()->silenciar(); }

// Instruments.

InstrumentoCordas* Fachada::getInstrumentoAtual() const { return instrumentos().getInstrumentoAtual(); }
InstrumentoCordas* Fachada::getInstrumentoAnterior() const { return instrumentos().getInstrumentoAnterior(); }
void Fachada::addInstrumento(const InstrumentoCordas* instrumento) { instrumentos().addInstrumento(instrumento); }
void Fachada::delInstrumento(int indice) { instrumentos().delInstrumento(indice); }
void Fachada::editInstrumento(int indice, const InstrumentoCordas* instrumento) {
    instrumentos().editInstrumento(indice, instrumento);
}
std::vector<std::string> Fachada::getNomesInstrumentos() { return instrumentos().getNomesInstrumentos(); }
std::shared_ptr<InstrumentoCordas> Fachada::getInstrumento(int indice) { return instrumentos().getInstrumento(indice); }

void Fachada::setInstrumento(int indice) {
    GerenciadorInstrumentos& gerenciador = instrumentos();
    // The print list compares the new instrument with this one.
    gerenciador.guardarInstrumentoAtual();
    gerenciador.setInstrumento(indice);
}

std::string Fachada::getNomeInstrumentoAtual() const { return instrumentos().getNomeInstrumentoAtual(); }

int Fachada::getIndiceInstrumentoConfigurado(const std::vector<std::string>& nomes) const {
    const auto achado = std::find(nomes.begin(), nomes.end(), getNomeInstrumento());
    return achado == nomes.end() ? 0 : static_cast<int>(achado - nomes.begin());
}

// Chords.

const ListaNomes& Fachada::getNomesAcordes() const { return acordes().getNomesAcordes(); }
void Fachada::setAcorde(int indice) { acordes().setAcorde(indice); }
bool Fachada::setAcorde(const char* texto) { return acordes().setAcorde(texto); }
PosicaoHarmonica* Fachada::getPosicaoAcordeAtual() { return acordes().getPosicaoAcordeAtual(); }
Acorde* Fachada::getAcordeAtual() { return acordes().getAcordeAtual(); }
int Fachada::getIndiceAcorde() const { return acordes().getIndiceAcorde(); }
void Fachada::proximaPosicao() { acordes().proximaPosicao(); }
void Fachada::posicaoAnterior() { acordes().posicaoAnterior(); }
std::string Fachada::getNomeAcordeAtual() const { return acordes().getNomeAcordeAtual(); }
int Fachada::getClasseRaizAcordeAtual() const { return acordes().getClasseRaizAcordeAtual(); }
bool Fachada::usaBemolAcordeAtual() const { return acordes().usaBemolAcordeAtual(); }
bool Fachada::encontrarPosicao(PosicaoHarmonica* posicao) { return acordes().encontrarPosicao(posicao); }
bool Fachada::existePosicao(PosicaoHarmonica* posicao) { return acordes().existePosicao(posicao); }
void Fachada::adicionarPosicao(PosicaoHarmonica* posicao) { acordes().adicionarPosicao(posicao); }

std::string Fachada::nomearAcorde(std::vector<int> notas, int raiz) const {
    // The caller's sequence is taken by value: the manager works on a copy.
    return acordes().nomearAcorde(notas, raiz);
}

// Scales.

std::vector<std::string> Fachada::getNomesEscalas() {
    std::vector<std::string> lista;
    for (auto& nome : escalas().getNomesEscalas()) lista.push_back(std::move(nome));
    return lista;
}

std::vector<std::string> Fachada::getTons() { return escalas().getTons(); }
void Fachada::selecionarEscala(const std::string& nome) { escalas().selecionarEscala(nome); }
std::unique_ptr<Escala> Fachada::getEscala() { return escalas().getEscala(); }
EscalaExibicao Fachada::getEscalaExibicaoAtual() { return escalas().getEscalaExibicaoAtual(); }
void Fachada::desselecionarEscala() { escalas().desselecionarEscala(); }
int32_t Fachada::getPosicaoAtual() { return escalas().getPosicaoAtual(); }

void Fachada::setPosicaoAtual(int32_t posicao) {
    GerenciadorEscalas& gerenciador = escalas();
    // Without positions the index would be refused; asking for the shown
    // position generates them for the key selected now.
    if (gerenciador.getEscala()) (void)gerenciador.getEscalaExibicaoAtual();
    gerenciador.setPosicaoAtual(posicao);
}

int32_t Fachada::proximaPosicaoEscala() { return escalas().proximaPosicao(); }
int32_t Fachada::posicaoAnteriorEscala() { return escalas().posicaoAnterior(); }
void Fachada::setTom(const std::string& tom) { escalas().setTom(tom); }
std::string Fachada::getTom() { return escalas().getTom(); }

// Printing.

void Fachada::setTextoImpressao(const std::string& texto) { GerenciadorImpressao::getInstancia()->setTextoImpressao(texto); }
std::string Fachada::getTextoImpressao() const { return GerenciadorImpressao::getInstancia()->getTextoImpressao(); }

void Fachada::imprimir(DialogoImpressao& dialogo, int conteudo, int rotulo) {
    const auto lista = FachadaGUI::getInstancia()->getCopiaListaImpressao();
    InstrumentoCordas* instrumento = getInstrumentoAtual();
    if (instrumento == nullptr) throw IllegalArgumentException("instrumento \xE9 NULL", "NULL", "Fachada", "imprimir");
    GerenciadorImpressao::getInstancia()->imprimir(dialogo, conteudo, rotulo, getTextoImpressao(), *instrumento, *lista);
}

void Fachada::visualizar(int conteudo, int rotulo, int pagina, int zoom) {
    const auto lista = FachadaGUI::getInstancia()->getCopiaListaImpressao();
    InstrumentoCordas* instrumento = getInstrumentoAtual();
    if (instrumento == nullptr) throw IllegalArgumentException("instrumento \xE9 NULL", "NULL", "Fachada", "visualizar");
    GerenciadorImpressao& impressao = *GerenciadorImpressao::getInstancia();
    const std::string texto = getTextoImpressao();
    impressao.visualizar(conteudo, rotulo, pagina, zoom, texto, *instrumento, *lista);
    impressao.visualizar(conteudo, rotulo, pagina, 100, texto, *instrumento, *lista);
    FachadaGUI::getInstancia()->exibirVisualizacao();
}

void Fachada::mostrarPagina(int pagina, int zoom) { GerenciadorImpressao::getInstancia()->mostrarPagina(pagina, zoom); }
