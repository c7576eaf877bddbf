#pragma once
// Answers the modal dialog that the code under test is about to open: the
// action runs inside the dialog's own event loop, once it is on screen.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

inline void quandoModalAbrir(std::function<void(QWidget*)> acao, int tentativas = 200) {
    auto restante = std::make_shared<int>(tentativas);
    auto passo = std::make_shared<std::function<void()>>();
    *passo = [acao, restante, passo] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            acao(modal);
            *passo = nullptr;  // ends the self-reference
            return;
        }
        if (--*restante > 0) QTimer::singleShot(1, *passo);
    };
    QTimer::singleShot(0, *passo);
}
