#include "ui/ImpressaoPdf.h"

#include <QApplication>
#include <QPrinter>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "core/Fachada.h"
#include "core/GerenciadorConfiguracao.h"
#include "core/base/Excecoes.h"
#include "core/base/GerenciadorIdiomas.h"
#include "core/base/Texto1252.h"
#include "harmony/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/GerenciadorImpressao.h"
#include "ui/ImpressoraQt.h"
#include "ui/PlataformaQt.h"

namespace {

class ErroUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Pedido {
    std::string arquivo;
    int rotulo = GerenciadorImpressao::kDedos;
    std::optional<int> conteudo;
    std::optional<std::string> folha;
    std::optional<std::string> idioma;
    std::optional<std::string> dados;
    int instrumento = -1;
    std::vector<std::string> cifras;
};

int escolha(const std::string& valor, const char* opcao, std::initializer_list<const char*> nomes) {
    int i = 0;
    for (const char* nome : nomes) {
        if (valor == nome) return i;
        ++i;
    }
    throw ErroUso(std::string(opcao) + " takes one of its listed words, not \"" + valor + "\"");
}

std::string cp1252(const std::string& utf8, const char* nome) {
    auto convertido = texto1252::deUtf8(utf8);
    if (!convertido) throw ErroUso(std::string(nome) + " holds a character that Windows-1252 cannot write");
    return *convertido;
}

Pedido lerPedido(int argc, char** argv) {
    Pedido p;
    for (int i = 1; i < argc; ++i) {
        const std::string palavra = argv[i];
        if (palavra.rfind("--", 0) != 0) {
            p.cifras.push_back(cp1252(palavra, "SYMBOL"));
            continue;
        }
        if (i + 1 >= argc) throw ErroUso("option " + palavra + " needs a value");
        const std::string valor = argv[++i];
        if (palavra == "--pdf") {
            p.arquivo = valor;
        } else if (palavra == "--labels") {
            p.rotulo = escolha(valor, "--labels", {"fingers", "notes", "intervals"});
        } else if (palavra == "--content") {
            p.conteudo = escolha(valor, "--content", {"both", "diagrams", "text"});
        } else if (palavra == "--sheet") {
            p.folha = valor;
        } else if (palavra == "--language") {
            p.idioma = cp1252(valor, "--language");
        } else if (palavra == "--data") {
            p.dados = valor;
        } else if (palavra == "--instrument") {
            try {
                size_t fim = 0;
                p.instrumento = std::stoi(valor, &fim);
                if (fim != valor.size() || p.instrumento < 0) throw std::invalid_argument(valor);
            } catch (const std::logic_error&) {
                throw ErroUso("--instrument must be a list index, not \"" + valor + "\"");
            }
        } else {
            throw ErroUso("unknown option " + palavra);
        }
    }
    if (p.arquivo.empty()) throw ErroUso("--pdf needs a file name");
    return p;
}

// The desktop platform without its message boxes: this mode opens no window,
// so what the core would tell the user goes to the standard error.
class PlataformaPdf : public PlataformaQt {
public:
    using PlataformaQt::PlataformaQt;
    RespostaMensagem mostrarMensagem(const std::string& texto, const std::string&, BotoesMensagem) override {
        std::cerr << texto1252::paraUtf8(texto) << '\n';
        return RespostaMensagem::Ok;
    }
};

// The single instances this run made over its platform go with it.
struct Desfazer {
    ~Desfazer() {
        GerenciadorAcordes::substituirInstancia(nullptr);
        GerenciadorInstrumentos::substituirInstancia(nullptr);
        GerenciadorIdiomas::substituirInstancia(nullptr);
        GerenciadorConfiguracao::substituirInstancia(nullptr);
        Plataforma::definir(nullptr);
    }
};

int imprimirPdf(const Pedido& pedido) {
    PlataformaPdf plataforma(pedido.dados);
    Plataforma::definir(&plataforma);
    Desfazer desfazer;

    const std::string idioma = pedido.idioma.value_or(GerenciadorConfiguracao::getInstancia()->getIdioma());
    if (!GerenciadorIdiomas::getInstancia()->iniciar(idioma)) {
        std::cerr << "brelvio: language \"" << texto1252::paraUtf8(idioma) << "\" could not be loaded\n";
        return 1;
    }
    Fachada& fachada = *Fachada::getInstancia();
    const std::vector<std::string> nomes = fachada.getNomesInstrumentos();
    // The configured instrument unless one is asked for, as at start-up.
    const int instrumento = pedido.instrumento >= 0 ? pedido.instrumento : fachada.getIndiceInstrumentoConfigurado(nomes);
    if (instrumento >= static_cast<int>(nomes.size())) throw ErroUso("--instrument: no instrument " + std::to_string(instrumento));
    fachada.setInstrumento(instrumento);
    GerenciadorAcordes::getInstancia();
    if (plataforma.encerramentoPedido()) return 1;

    ListaImpressao lista;
    for (const std::string& cifra : pedido.cifras) {
        const auto* posicao = fachada.setAcorde(cifra.c_str())
                                  ? dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(fachada.getPosicaoAcordeAtual())
                                  : nullptr;
        if (posicao == nullptr) {
            std::cerr << "brelvio: no fingering for \"" << texto1252::paraUtf8(cifra) << "\"\n";
            return 1;
        }
        lista.addElement(posicao);
    }
    std::string folha;
    if (pedido.folha) {
        std::ifstream arquivo(*pedido.folha, std::ios::binary);
        if (!arquivo) {
            std::cerr << "brelvio: the sheet \"" << *pedido.folha << "\" could not be read\n";
            return 1;
        }
        std::ostringstream conteudo;
        conteudo << arquivo.rdbuf();
        folha = conteudo.str();
    }
    // A sheet prints with its chords, as from the sheet import; chords alone
    // as from the main window's print list.
    const int conteudo = pedido.conteudo.value_or(pedido.folha ? GerenciadorImpressao::kTextoEDiagramas
                                                              : GerenciadorImpressao::kDiagramas);

    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(QString::fromLocal8Bit(pedido.arquivo.c_str()));
    impressora.setDocName(QStringLiteral("Brelvio"));
    ImpressoraQt saida(impressora);
    GerenciadorImpressao impressao;
    impressao.imprimirEm(saida, conteudo, pedido.rotulo, folha, *fachada.getInstrumentoAtual(), lista);
    return 0;
}

}  // namespace

bool pedeImpressaoPdf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0) return true;
    }
    return false;
}

int executarImpressaoPdf(int argc, char** argv) {
    Pedido pedido;
    try {
        pedido = lerPedido(argc, argv);
    } catch (const ErroUso& erro) {
        std::cerr << "brelvio: " << erro.what() << '\n';
        return 2;
    }
    // Fonts and the PDF writer need an application object; no window opens.
    std::unique_ptr<QApplication> aplicacao;
    if (QCoreApplication::instance() == nullptr) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        aplicacao = std::make_unique<QApplication>(argc, argv);
    }
    try {
        return imprimirPdf(pedido);
    } catch (const ErroUso& erro) {
        std::cerr << "brelvio: " << erro.what() << '\n';
        return 2;
    } catch (const DException& erro) {
        std::cerr << "brelvio: " << texto1252::paraUtf8(erro.getMessage()) << '\n';
        return 1;
    }
}

std::string ajudaImpressaoPdf() {
    return "  --pdf FILE [options] SYMBOL...\n"
           "      Print the first fingering of each chord to a PDF file, as the print\n"
           "      dialog would, and exit without opening a window. Options:\n"
           "        --labels fingers|notes|intervals   inside the dots (default fingers)\n"
           "        --content both|diagrams|text       what to print (default: both with\n"
           "                                           --sheet, else diagrams)\n"
           "        --sheet FILE       a chord sheet's text (Windows-1252) to print\n"
           "        --language NAME    interface language (default: the configured one)\n"
           "        --instrument INDEX an entry of the instrument list (default: the\n"
           "                           configured instrument)\n"
           "        --data DIR         the program directory holding the data files\n";
}
