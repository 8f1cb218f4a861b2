// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture controls that act as buttons for the keyboard and for screen readers: they take
// focus on Tab, show a focus ring, and Space or Enter press and release them exactly as the
// left mouse button does, so the control's own mouse code is the only path to its action.

#include <QString>

class QWidget;

// Makes `controle` a keyboard button: focus on Tab and click, a focus ring while it has the
// focus, Space/Enter as the left mouse button (held Space holds the button down), and the
// button role with a press action for assistive technology. Call once per control.
void TornarBotaoTeclado(QWidget* controle);

// The accessible name and description of `controle` (empty texts are left alone), so every
// window names its controls the same way from its language texts.
void NomearAcessivel(QWidget* controle, const QString& nome, const QString& descricao = {});
