// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimizarAplicacao.h"

#include <QApplication>
#include <QWidget>

void MinimizarAplicacao() {
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        // Tool tips and pop-up lists are top-level too; only real windows go to the task bar.
        const Qt::WindowType tipo = janela->windowType();
        if (janela->isVisible() && (tipo == Qt::Window || tipo == Qt::Dialog))
            janela->showMinimized();
    }
}
