#include "ui/TformListaIdiomas.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/TextoQt.h"

TformListaIdiomas::TformListaIdiomas(const std::vector<std::string>& nomes, QWidget* pai)
    : QDialog(pai, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("formListaIdiomas"));
    setWindowTitle(QStringLiteral("Internationalization"));
    setModal(true);

    lista = new QListWidget(this);
    lista->setObjectName(QStringLiteral("listaIdiomas"));
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto& nome : nomes) lista->addItem(textoQt(nome));
    // No current item either, so that the list's focus does not mark a language.
    lista->setCurrentIndex(QModelIndex());
    lista->clearSelection();

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancelar = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar->setAutoDefault(false);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(lista);
    coluna->addLayout(botoes);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(lista, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        lista->setCurrentItem(item);
        item->setSelected(true);
        accept();
    });

    resize(260, 200);
    lista->setFocus();
}

void TformListaIdiomas::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        QRect area = frameGeometry();
        area.moveCenter(tela->availableGeometry().center());
        move(area.topLeft());
    }
    lista->setFocus();
}

std::optional<int> TformListaIdiomas::indiceSelecionado() const {
    const auto selecionados = lista->selectedItems();
    if (selecionados.isEmpty()) return std::nullopt;
    return lista->row(selecionados.front());
}

std::optional<int> TformListaIdiomas::escolher() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return indiceSelecionado();
}
