// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture buttons every window draws its buttons with.

#include <QLabel>
#include <QPixmap>
#include <functional>
#include <vector>

// A picture button: shows entry `tag` of its window's picture store, entry tag + 1 while a
// mouse button is held on it.
class BotaoFiguraQt : public QLabel {
  public:
    BotaoFiguraQt(QWidget* pai, const QRect& lugar, int tag, const std::vector<QPixmap>* figuras);
    int Tag() const { return tag_; }
    // Whether presses change the picture by themselves (the listen button decides for itself).
    void DefinirAutomatico(bool automatico) { automatico_ = automatico; }
    // Whether a double click counts as a second click (the arrows step twice); otherwise its
    // second press does nothing, so one double click adds or removes one line, not two.
    void DefinirCliqueDuplo(bool aceita) { cliqueDuplo_ = aceita; }
    void MostrarNormal();
    void MostrarPressionado();

    std::function<void()> aoClicar;
    std::function<void()> aoPressionar;
    std::function<void()> aoSoltar;

  protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

  private:
    int tag_;
    const std::vector<QPixmap>* figuras_;
    bool automatico_ = true;
    bool cliqueDuplo_ = false;
    bool pressionado_ = false;
};

// A plain button picture of `tamanho` with `legenda` centred on it, raised or sunk: what a
// picture button shows when its language has no picture for it, so the window stays usable.
QPixmap FiguraLegendada(const QSize& tamanho, const QString& legenda, bool pressionada);
