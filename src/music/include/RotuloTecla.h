// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one rule that labels a pressed key, shared by the on-screen keyboard, the printed
// diagrams and the command-line tool.

#include <string_view>

// The label kind of the keyboard and of the printed diagrams.
enum class ModoVisualizacao : int { Dedos = 0, Notas = 1, Intervalos = 2 };

// The label of key `tecla` (0..24), pressed by finger slot `slot` (0..4), in the chord whose
// symbol is `cifra`: the finger number, the note name (sharps or flats as the chord's root is
// written) or the interval above the root. Never throws; the view is of static text.
std::string_view RotuloTecla(std::string_view cifra, int tecla, int slot, ModoVisualizacao modo);
