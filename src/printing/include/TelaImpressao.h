// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface the page layout works on: a printer page, a preview page image or a
// recording. Coordinates and font heights are integers in the surface's own units. The pen
// is a thin black line and text is black on a transparent background; only the brush varies.

#include <string_view>

// Fill of the outlined rectangles, the filled rectangles and the ellipses.
enum class Pincel { Branco, Preto };

class TelaImpressao {
  public:
    virtual ~TelaImpressao() = default;

    // Selects the font `face` (empty: the surface's default face) whose line height, its cell
    // height, is `altura` units.
    virtual void DefinirFonte(std::string_view face, int altura) = 0;
    // Width and line height of UTF-8 `texto` in the current font.
    virtual int LarguraTexto(std::string_view texto) = 0;
    virtual int AlturaTexto(std::string_view texto) = 0;
    // Writes `texto` with its cell's top left corner at (x, y).
    virtual void EscreverTexto(int x, int y, std::string_view texto) = 0;

    virtual void DefinirPincel(Pincel pincel) = 0;
    // Rectangles and ellipses cover x1..x2-1 and y1..y2-1. An outlined rectangle and an
    // ellipse are filled with the brush; a filled rectangle has no outline.
    virtual void Retangulo(int x1, int y1, int x2, int y2) = 0;
    virtual void RetanguloPreenchido(int x1, int y1, int x2, int y2) = 0;
    virtual void Elipse(int x1, int y1, int x2, int y2) = 0;
};
