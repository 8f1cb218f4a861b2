// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's picture, mark and label widgets, as the keyboard display drives them.

#include <QLabel>
#include <functional>

#include "ControlesTeclado.h"

class QPixmap;

// A picture control; `tag` is its key number (or its picture store entry for a button).
class ImagemQt : public QLabel, public ControleImagem {
  public:
    ImagemQt(QWidget* pai, const QRect& lugar, int tag = -1);
    void CopiarFiguraDe(const ControleImagem& modelo) override;
    void LimparFigura() override;
    // The picture shown, or a null pixmap.
    QPixmap Figura() const;
    void DefinirFigura(const QPixmap& figura);
    int Tag() const { return tag_; }
    // Called with the tag whenever the pointer moves over the control.
    std::function<void(int)> aoMoverMouse;
    // Called on a left press (after any window move the press starts).
    std::function<void(QMouseEvent*)> aoPressionar;

  protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

  private:
    int tag_;
};

class MarcaQt : public QLabel, public ControleMovel {
  public:
    MarcaQt(QWidget* pai, const QSize& tamanho);
    void Mover(int x, int y) override { move(x, y); }
    void Mostrar() override { show(); }
    void Ocultar() override { hide(); }
};

class RotuloQt : public QLabel, public ControleRotulo {
  public:
    RotuloQt(QWidget* pai, const QSize& tamanho);
    void Mover(int x, int y) override { move(x, y); }
    void Mostrar() override { show(); }
    void Ocultar() override { hide(); }
    void DefinirTexto(std::string_view texto) override;
};
