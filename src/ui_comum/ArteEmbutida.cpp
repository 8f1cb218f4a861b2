// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArteEmbutida.h"

#include <QtCore/qglobal.h>

void CarregarArteEmbutida() {
    static const bool carregada = [] {
        Q_INIT_RESOURCE(arte);
        return true;
    }();
    (void)carregada;
}
