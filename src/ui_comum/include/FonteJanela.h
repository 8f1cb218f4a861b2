// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The face the sound windows' fixed layouts are measured for.

#include <QFont>

class QWidget;

// The design's 8-point face at 96 dots per inch, in pixels so that the layout holds whatever
// resolution the display reports.
QFont FonteJanela();

// Gives `janela` and every control in it that has no face of its own FonteJanela. Set on each
// control: under an owner with a style sheet, controls do not take their window's face.
void AplicarFonteJanela(QWidget* janela);
