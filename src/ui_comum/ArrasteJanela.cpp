// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrasteJanela.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

ArrasteJanela::ArrasteJanela(QWidget* janela, std::function<bool(QWidget*)> arrastaPor)
    : QObject(janela), janela_(janela), arrastaPor_(std::move(arrastaPor)) {
    janela_->installEventFilter(this);
}

void ArrasteJanela::Iniciar(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    // Without a window manager the system move is refused: move by hand from the pointer.
    QWindow* janela = janela_->windowHandle();
    manual_ = janela == nullptr || !janela->startSystemMove();
    inicio_ = evento->globalPosition().toPoint() - janela_->frameGeometry().topLeft();
}

bool ArrasteJanela::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != janela_) return false;
    switch (evento->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(evento);
            QWidget* alvo = janela_->childAt(e->position().toPoint());
            if (alvo == nullptr || !arrastaPor_ || arrastaPor_(alvo)) Iniciar(e);
            break;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(evento);
            if (manual_ && (e->buttons() & Qt::LeftButton))
                janela_->move(e->globalPosition().toPoint() - inicio_);
            break;
        }
        case QEvent::MouseButtonRelease:
            manual_ = false;
            break;
        default:
            break;
    }
    return false;
}
