#include "ui/TformInstrumento.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "core/Fachada.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Plataforma.h"
#include "harmony/Rotulos.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "ui/ConfiguracoesMantidas.h"
#include "ui/PainelAfinacao.h"
#include "ui/TVantorButton3D.h"
#include "ui/TextoQt.h"

namespace {

constexpr const char* kSecao = "fmCriarInstrumento";
constexpr int kPrimeiraOitava = 2;
constexpr int kUltimaOitava = 7;
constexpr int kNumeroCordasMinimo = 4;
constexpr int kNumeroCordasMaximo = 6;
constexpr int kAfinacaoPadrao[PainelAfinacao::kSlots] = {64, 59, 55, 50, 45, 40};

std::string texto(const char* secao, const char* chave) {
    return GerenciadorIdiomas::getInstancia()->getTexto(secao, chave);
}

int casasMaximo(int numeroCordas) { return numeroCordas == 4 ? 12 : 14; }

std::string aparado(const std::string& s) {
    const auto inicio = s.find_first_not_of(" \t\r\n");
    if (inicio == std::string::npos) return std::string();
    const auto fim = s.find_last_not_of(" \t\r\n");
    return s.substr(inicio, fim - inicio + 1);
}

// The final entries of the note menu: the A of every octave also tells its frequency.
QString legendaFinal(const std::string& legenda, int classe, int oitava) {
    std::string completa = legenda;
    if (classe == 9) {
        completa += " - " + std::to_string(static_cast<int>(std::trunc(13.75 * std::pow(2.0, oitava)))) + "Hz";
    }
    return textoQt(completa);
}

QLabel* rotuloCampo(QWidget* pai, const char* chave, int x, int y, int largura = 110) {
    auto* rotulo = new QLabel(textoQt(texto(kSecao, chave)), pai);
    rotulo->setObjectName(QString::fromLatin1(chave));
    rotulo->setGeometry(x, y, largura, 24);
    rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    return rotulo;
}

}  // namespace

TformInstrumento::TformInstrumento(QWidget* pai) : DialogoSemBorda(pai, kSecao, QSize(470, 480)) {
    setObjectName(QStringLiteral("formInstrumento"));
    QWidget* c = corpo();
    titulo = criarTitulo();
    criarBotaoFechar();

    const int xCampo = 130;
    const int larguraCampo = width() - xCampo - 16;
    rotuloCampo(c, "lblNome", 16, 54);
    nome = new QLineEdit(c);
    nome->setObjectName(QStringLiteral("editNome"));
    nome->setGeometry(xCampo, 54, larguraCampo, 26);

    rotuloCampo(c, "lblDescricao", 16, 88);
    descricao = new QLineEdit(c);
    descricao->setObjectName(QStringLiteral("editDescricao"));
    descricao->setGeometry(xCampo, 88, larguraCampo, 26);

    rotuloCampo(c, "lblCordas", 16, 122);
    cordas = new QComboBox(c);
    cordas->setObjectName(QStringLiteral("comboCordas"));
    cordas->setGeometry(xCampo, 122, 120, 26);
    const std::string palavra = texto(kSecao, "palavraCordas");
    for (int n = kNumeroCordasMinimo; n <= kNumeroCordasMaximo; ++n)
        cordas->addItem(textoQt(std::to_string(n) + " " + palavra));

    rotuloCampo(c, "lblCasas", 274, 122, 80);
    casas = new QSpinBox(c);
    casas->setObjectName(QStringLiteral("updownNumCasas"));
    casas->setGeometry(width() - 16 - 80, 122, 80, 26);
    casas->setRange(kCasasMinimo, casasMaximo(6));
    // Only the arrows change the count, as with a read-only field beside an up-down control.
    if (auto* campo = casas->findChild<QLineEdit*>()) campo->setReadOnly(true);

    rotuloCampo(c, "lblSomInstrumento", 16, 156);
    som = new QComboBox(c);
    som->setObjectName(QStringLiteral("comboInstrumentoMIDI"));
    som->setGeometry(xCampo, 156, larguraCampo, 26);
    som->setMaxVisibleItems(16);
    for (const char* n : nomesSonsMIDI()) som->addItem(QString::fromLatin1(n));

    rotuloCampo(c, "lblAfinacao", 16, 194, width() - 32);
    painel = new PainelAfinacao(c);
    painel->setObjectName(QStringLiteral("painelAfinacao"));
    painel->setGeometry(16, 222, width() - 32, 196);

    cancelamento = criarBotao(c, "btnCancelar", "imgBotao", textoQt(texto(kSecao, "btnCancelar")));
    cancelamento->move(width() - 16 - cancelamento->width(), height() - 16 - cancelamento->height());
    confirmacao = criarBotao(c, "btnConfirmar", "imgBotao");
    confirmacao->move(cancelamento->x() - 10 - confirmacao->width(), cancelamento->y());

    for (QWidget* controle : std::initializer_list<QWidget*>{cordas, casas, som}) pintarEscuro(controle);
    construirMenu();

    connect(cordas, &QComboBox::currentIndexChanged, this, [this](int indice) {
        const int n = indice + kNumeroCordasMinimo;
        casas->setMaximum(casasMaximo(n));
        casas->setValue(casasMaximo(n));
        painel->dispor(n, ConfiguracoesMantidas::getInstancia()->getOrientacao());
    });
    connect(painel, &PainelAfinacao::notaPedida, this, [this](int slot, QPoint onde) {
        slotEscolhendo = slot;
        menu->popup(onde);
    });
    connect(confirmacao, &TVantorButton3D::clicked, this, [this] { confirmar(); });
    connect(cancelamento, &TVantorButton3D::clicked, this, &QDialog::reject);
}

TformInstrumento::~TformInstrumento() = default;

const std::vector<const char*>& TformInstrumento::nomesSonsMIDI() {
    static const std::vector<const char*> nomesSons = {
        "Piano 1", "Piano 2", "Piano 3", "Honky-tonk", "E.Piano 1", "E.piano 2", "Harpsichord", "Clavinet",
        "Celesta", "Glockenspiel", "Music Box", "Vibraphone", "Marimba", "Xylophone", "Tubular bell", "Dulcimer",
        "Organ 1", "Organ 2", "Organ 3", "Church org. 1", "Reed Organ", "Accordion Fr", "Harmonica",
        "Tango Accordion", "Nylon-str Gt", "Steel-str Gt", "Jazz Gt", "Clean Gt", "Muted Gt", "Overdrive Gt",
        "Distortion Gt", "Gt. Harmonics", "Acoustic Bs.", "Fingered Bs.", "Picked Bs.", "Fretless Bs.",
        "Slap Bs. 1", "Slap Bs. 2", "Synth Bs. 1", "Synth Bs. 2", "Violin", "Viola", "Cello", "Contrabass",
        "Tremolo Str", "Pizzicato", "Harp", "Timpani", "Strings", "Slow Str.", "Syn Str. 1", "Syn Str. 2",
        "Choir Aahs", "Voice Oohs", "SynVox", "Orchestra Hit", "Trumpet", "Trombone", "Tuba", "Muted Tr.",
        "French Horn", "Brass 1", "Synth Br.1", "Synth Br.2", "Soprano Sax", "Alto Sax", "Tenor Sax",
        "Baritone Sax", "Oboe", "English Horn", "Basson", "Clarinet", "Piccolo", "Flute", "Recorder", "Pan Flute",
        "Bottle Blow", "Shakuhachi", "Whistle", "Ocarina", "Square Wave", "Saw Wave", "Syn. Calliope",
        "Chiffer Lead", "Charang", "Solo Vox", "5th Saw Wave", "Bass&Lead", "Fantasia", "Warm Pad", "PolySynth",
        "Space Voice", "Bowed Glass", "Metal Pad", "Halo Pad", "Sweep Pad", "Ice Rain", "Sound Track", "Crystal",
        "Atmosphere", "Brightness", "Goblin", "Echo Drops", "Star Theme", "Sitar", "Banjo", "Shamisen", "Koto",
        "Kalimba", "Bag Pipe", "Fiddle", "Shanai", "Tinkle Bell", "Agogo", "Steel Drums", "Woodblock", "Taiko",
        "Melo Tom 1", "Synth Drum", "Reverse Cym.", "Gt. FretNoise", "Breath Noise", "Seashore", "Bird",
        "Telephone 1", "Helicopter", "Applause", "Gun Shot ",
    };
    return nomesSons;
}

std::string TformInstrumento::legendaOitava(int oitava) {
    const char* chave = oitava <= 3 ? "textoOitavaGrave" : oitava == 4 ? "textoOitavaMedia" : "textoOitavaAguda";
    return texto(kSecao, chave) + " (" + std::to_string(oitava) + ")";
}

void TformInstrumento::construirMenu() {
    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menuNotas"));
    menu->setStyleSheet(estiloControles());
    auto entrada = [this](QMenu* sub, int classe, int oitava, const std::string& legenda) {
        const int nota = 12 * oitava + classe;
        QAction* acao = sub->addAction(legendaFinal(legenda, classe, oitava));
        acao->setData(nota);
        connect(acao, &QAction::triggered, this, [this, nota] { escolherNota(slotEscolhendo, nota); });
    };
    // By note, then by octave: the same notes reached from either side.
    for (int classe = 0; classe < 12; ++classe) {
        QMenu* sub = menu->addMenu(textoQt(nomeNotaSustenido(classe)));
        for (int oitava = kPrimeiraOitava; oitava <= kUltimaOitava; ++oitava)
            entrada(sub, classe, oitava, legendaOitava(oitava));
    }
    menu->addSeparator();
    for (int oitava = kPrimeiraOitava; oitava <= kUltimaOitava; ++oitava) {
        QMenu* sub = menu->addMenu(textoQt(legendaOitava(oitava)));
        for (int classe = 0; classe < 12; ++classe) entrada(sub, classe, oitava, nomeNotaSustenido(classe));
    }
}

void TformInstrumento::escolherNota(int slot, int nota) { painel->setNota(slot, nota); }

int TformInstrumento::getNota(int slot) const { return painel->getNota(slot); }

void TformInstrumento::setNumeroCordas(int numeroCordas) {
    cordas->setCurrentIndex(numeroCordas - kNumeroCordasMinimo);
}

bool TformInstrumento::abrirCriar(const std::vector<std::string>& nomesLista) {
    titulo->setText(textoQt(texto(kSecao, "tituloCriar")));
    confirmacao->SetText(textoQt(texto(kSecao, "btnCriar")));
    nome->clear();
    descricao->clear();
    som->setCurrentIndex(kSomPadrao);
    for (int slot = 1; slot <= PainelAfinacao::kSlots; ++slot) painel->setNota(slot, kAfinacaoPadrao[slot - 1]);
    // Through the index change, so the frets and the rows follow even when it stays at 6.
    cordas->setCurrentIndex(-1);
    setNumeroCordas(6);
    return abrir(nomesLista, -1);
}

bool TformInstrumento::abrirEditar(const std::vector<std::string>& nomesLista, int indice) {
    std::shared_ptr<InstrumentoCordas> instrumento = Fachada::getInstancia()->getInstrumento(indice);
    titulo->setText(textoQt(texto(kSecao, "tituloEditar")));
    confirmacao->SetText(textoQt(texto(kSecao, "btnSalvar")));
    nome->setText(textoQt(instrumento->getName()));
    descricao->setText(textoQt(instrumento->getDescricao()));
    const std::vector<int32_t> afinacao = instrumento->getAfinacao();
    const int n = std::clamp(static_cast<int>(afinacao.size()), kNumeroCordasMinimo, kNumeroCordasMaximo);
    cordas->setCurrentIndex(-1);
    setNumeroCordas(n);
    casas->setValue(instrumento->getNumeroCasas());
    som->setCurrentIndex(std::clamp(instrumento->getSom(), 0, 127));
    for (int slot = 1; slot <= PainelAfinacao::kSlots; ++slot) {
        const int corda = static_cast<int>(afinacao.size()) - slot;
        painel->setNota(slot, corda >= 0 ? afinacao[static_cast<size_t>(corda)] : kAfinacaoPadrao[slot - 1]);
    }
    return abrir(nomesLista, indice);
}

bool TformInstrumento::abrir(const std::vector<std::string>& nomesLista, int indice) {
    nomes = nomesLista;
    indiceEditado = indice;
    alterado = false;
    painel->dispor(cordas->currentIndex() + kNumeroCordasMinimo, ConfiguracoesMantidas::getInstancia()->getOrientacao());
    nome->setFocus();
    exec();
    return alterado;
}

void TformInstrumento::mensagem(const std::string& conteudo) {
    Plataforma::atual().mostrarMensagem(conteudo, texto("geral", "nomeAplicacao"), BotoesMensagem::Ok);
}

bool TformInstrumento::confirmar() {
    // Blanks around the name would make two names look alike in every list.
    const std::string nomeNovo = aparado(texto1252De(nome->text()));
    if (nomeNovo.empty()) {
        mensagem(texto(kSecao, "mensagemNome"));
        return false;
    }
    const int n = cordas->currentIndex() + kNumeroCordasMinimo;
    std::vector<int32_t> afinacao;
    for (int slot = n; slot >= 1; --slot) afinacao.push_back(painel->getNota(slot));
    auto instrumento = std::make_unique<InstrumentoCordas>(nomeNovo, texto1252De(descricao->text()), n,
                                                           casas->value(), kDistancia, som->currentIndex(),
                                                           std::move(afinacao), false);

    const int padrao = GerenciadorInstrumentos::kNumeroInstrumentosPadrao;
    for (int i = 0; i < static_cast<int>(nomes.size()); ++i) {
        if (nomes[static_cast<size_t>(i)] != nomeNovo) continue;
        if (i < padrao) {
            mensagem(texto(kSecao, "msgEdicaoInstrumentoPadrao"));
            return false;
        }
        if (i != indiceEditado) {
            mensagem(texto("exception", "instrumentoExistente"));
            return false;
        }
    }

    Fachada* fachada = Fachada::getInstancia();
    if (indiceEditado >= padrao) {
        fachada->editInstrumento(indiceEditado, instrumento.get());
    } else {
        try {
            fachada->addInstrumento(instrumento.get());
        } catch (const IllegalArgumentException&) {
            // The file holds the name although the list did not show it:
            // saying so beats closing as if the instrument had been kept.
            mensagem(texto("exception", "instrumentoExistente"));
            return false;
        }
    }
    alterado = true;
    resultado = std::move(instrumento);
    accept();
    return true;
}

void TformInstrumento::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        confirmar();
        return;
    }
    DialogoSemBorda::keyPressEvent(evento);
}
