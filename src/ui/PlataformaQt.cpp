#include "ui/PlataformaQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <chrono>

#include "core/base/GerenciadorIdiomas.h"
#include "ui/TextoQt.h"
#include "ui/TformListaIdiomas.h"

PlataformaQt::PlataformaQt(std::optional<std::string> diretorio)
    : diretorio(std::move(diretorio)), abridor([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    if (this->diretorio && !this->diretorio->empty() && this->diretorio->back() != '/') *this->diretorio += '/';
}

std::string PlataformaQt::diretorioPrograma() const {
    if (diretorio) return *diretorio;
    std::string d = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    if (d.empty() || d.back() != '/') d += '/';
    return d;
}

std::string PlataformaQt::nomeArquivoPrograma() const {
    return QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()).toStdString();
}

RespostaMensagem PlataformaQt::mostrarMensagem(const std::string& texto, const std::string& titulo,
                                               BotoesMensagem botoes) {
    QMessageBox caixa(QApplication::activeWindow());
    caixa.setIcon(QMessageBox::NoIcon);
    caixa.setTextFormat(Qt::PlainText);
    caixa.setWindowTitle(textoQt(titulo));
    caixa.setText(textoQt(texto));
    switch (botoes) {
        case BotoesMensagem::Ok:
            caixa.setStandardButtons(QMessageBox::Ok);
            caixa.setDefaultButton(QMessageBox::Ok);
            break;
        case BotoesMensagem::SimNao:
            caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            caixa.setDefaultButton(QMessageBox::Yes);
            break;
        case BotoesMensagem::OkCancelar:
            caixa.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            caixa.setDefaultButton(QMessageBox::Ok);
            break;
    }
    // The toolkit's own captions are English; the language file has the
    // user's. Messages shown before a language is loaded keep the toolkit's.
    if (const GerenciadorIdiomas* idiomas = GerenciadorIdiomas::instanciaExistente()) {
        const std::pair<QMessageBox::StandardButton, const char*> legendas[] = {
            {QMessageBox::Ok, "rotuloBtnOk"},
            {QMessageBox::Cancel, "rotuloBtnCancelar"},
            {QMessageBox::Yes, "rotuloBtnSim"},
            {QMessageBox::No, "rotuloBtnNao"},
        };
        for (const auto& [padrao, chave] : legendas) {
            const std::string legenda = idiomas->getTexto("geral", chave);
            if (QAbstractButton* botao = caixa.button(padrao); botao != nullptr && !legenda.empty())
                botao->setText(textoQt(legenda));
        }
    }
    caixa.exec();
    // Closing the box by its frame or Esc counts as its negative answer.
    switch (caixa.standardButton(caixa.clickedButton())) {
        case QMessageBox::Yes: return RespostaMensagem::Sim;
        case QMessageBox::No: return RespostaMensagem::Nao;
        case QMessageBox::Cancel: return RespostaMensagem::Cancelar;
        case QMessageBox::Ok: return RespostaMensagem::Ok;
        default: break;
    }
    switch (botoes) {
        case BotoesMensagem::Ok: return RespostaMensagem::Ok;
        case BotoesMensagem::SimNao: return RespostaMensagem::Nao;
        case BotoesMensagem::OkCancelar: return RespostaMensagem::Cancelar;
    }
    return RespostaMensagem::Ok;
}

std::optional<int> PlataformaQt::escolherIdioma(const std::vector<std::string>& nomes) {
    TformListaIdiomas lista(nomes);
    return lista.escolher();
}

void PlataformaQt::pedirEncerramento() {
    encerrar = true;
    if (QCoreApplication::instance() != nullptr) QCoreApplication::exit(0);
}

QUrl PlataformaQt::urlDocumento(const std::string& caminhoOuEndereco) {
    QString texto = QFile::decodeName(QByteArray::fromStdString(caminhoOuEndereco)).trimmed();
    if (texto.size() >= 2 && texto.startsWith(u'"') && texto.endsWith(u'"')) texto = texto.mid(1, texto.size() - 2).trimmed();
    // "C:" alone would be a drive, not a scheme, hence two letters at least.
    static const QRegularExpression esquema(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (esquema.match(texto).hasMatch()) return QUrl(texto);
    return QUrl::fromLocalFile(texto);
}

bool PlataformaQt::abrirDocumento(const std::string& caminhoOuEndereco) {
    return abridor(urlDocumento(caminhoOuEndereco));
}

void PlataformaQt::definirAbridor(std::function<bool(const QUrl&)> novo) { abridor = std::move(novo); }

void PlataformaQt::esperar(int milissegundos) {
    if (milissegundos <= 0) return;
    if (QCoreApplication::instance() == nullptr) {
        QThread::msleep(static_cast<unsigned long>(milissegundos));
        return;
    }
    QEventLoop laco;
    QTimer::singleShot(std::chrono::milliseconds(milissegundos), Qt::PreciseTimer, &laco, &QEventLoop::quit);
    laco.exec(QEventLoop::ExcludeUserInputEvents);
}

int64_t PlataformaQt::agoraMilissegundos() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
