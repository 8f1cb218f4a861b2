// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the 25 on-screen keys, their marks and labels lie, in the keyboard panel's coordinates.
// Shared by the keyboard display, the main window and the artwork generator.

#include <array>

namespace geometria {

inline constexpr int TopoTecla = 74;
inline constexpr int LarguraBranca = 42;
inline constexpr int AlturaBranca = 243;
inline constexpr int LarguraPreta = 25;
inline constexpr int AlturaPreta = 159;

// Picture templates.
inline constexpr int LarguraBrancaPressionada = 42;
inline constexpr int AlturaBrancaPressionada = 235;
inline constexpr int LarguraPretaFigura = 25;
inline constexpr int AlturaPretaFigura = 148;

// The circular mark and the labels.
inline constexpr int TamanhoMarca = 24;
inline constexpr int TamanhoRotulo = 23;
inline constexpr int LarguraPrimeiroIntervalo = 25;

inline constexpr std::array<int, 25> EsquerdaTecla = {182, 210, 223, 251, 264, 305, 333, 346, 376,
                                                      387, 419, 428, 469, 497, 510, 538, 551, 592,
                                                      620, 633, 663, 674, 706, 715, 756};
inline constexpr std::array<int, 25> RotuloX = {190, 211, 231, 252, 272, 313, 334, 354, 377,
                                                395, 420, 436, 477, 498, 518, 539, 559, 600,
                                                621, 641, 664, 682, 707, 723, 764};
inline constexpr int RotuloYBranca = 268;
inline constexpr int RotuloYPreta = 183;

// The keyboard background and the lower bar inside the panel.
inline constexpr int LarguraFundoTeclado = 801;
inline constexpr int AlturaFundoTeclado = 328;
inline constexpr int TopoBarraInferior = 326;
inline constexpr int LarguraBarraInferior = 801;
inline constexpr int AlturaBarraInferior = 115;

// The top bar in window coordinates (it starts one pixel above the client area).
inline constexpr int TopoBarraSuperior = -1;
inline constexpr int LarguraBarraSuperior = 797;
inline constexpr int AlturaBarraSuperior = 81;
// The panel's top in window coordinates.
inline constexpr int TopoPainel = 80;

}  // namespace geometria
