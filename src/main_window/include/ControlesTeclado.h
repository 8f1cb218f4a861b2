// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window as the keyboard display drives them. The window implements
// them over its widgets; the display only swaps pictures, moves, shows and hides.

#include <string_view>

// A picture control: a key image or one of the hidden picture templates.
class ControleImagem {
  public:
    virtual ~ControleImagem() = default;
    // Takes a copy of the picture that `modelo` holds.
    virtual void CopiarFiguraDe(const ControleImagem& modelo) = 0;
    // Shows no picture, so whatever lies below shows through.
    virtual void LimparFigura() = 0;
};

// A mark or a label that the display places on a key.
class ControleMovel {
  public:
    virtual ~ControleMovel() = default;
    virtual void Mover(int x, int y) = 0;
    virtual void Mostrar() = 0;
    virtual void Ocultar() = 0;
};

class ControleRotulo : public ControleMovel {
  public:
    virtual void DefinirTexto(std::string_view texto) = 0;
};
