// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving a frameless window by pressing on its surface and dragging, as a title bar would.

#include <QObject>
#include <QPoint>
#include <functional>

class QMouseEvent;
class QWidget;

class ArrasteJanela : public QObject {
  public:
    // Watches `janela` (which owns this object): a left press on the window itself, or passed
    // on to it by a child for which `arrastaPor` answers true (every child when it is empty),
    // starts a move.
    explicit ArrasteJanela(QWidget* janela, std::function<bool(QWidget* alvo)> arrastaPor = {});

    // Starts a move from `evento`, a press on any control of the window (a top bar's picture).
    void Iniciar(QMouseEvent* evento);

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    QWidget* janela_;
    std::function<bool(QWidget*)> arrastaPor_;
    bool manual_ = false;
    QPoint inicio_;
};
