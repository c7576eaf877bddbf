#pragma once
// The program's application object. An error that escapes an event handler
// ends that event only: it is reported and the program goes on.
#include <QApplication>
#include <functional>
#include <string>

class AplicacaoBrelvio : public QApplication {
    Q_OBJECT
public:
    AplicacaoBrelvio(int& argc, char** argv);

    bool notify(QObject* destino, QEvent* evento) override;

    // What the windows' minimise buttons do: every visible window of the
    // program goes down together.
    static void minimizarTudo();

    // The report of an escaped error: by default a line on the standard error
    // and, outside painting, the general error message box of the language.
    // Class name and message are Windows-1252 as the core's texts.
    using Relator = std::function<void(const std::string& classe, const std::string& mensagem)>;
    void definirRelator(Relator relator);

private:
    void relatar(const std::string& classe, const std::string& mensagem, bool pintura);

    Relator relator;
    bool relatando = false;
};
