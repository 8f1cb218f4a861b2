#include "ArteEmbutida.h"

#include <QtCore/qglobal.h>

void CarregarArteEmbutida() {
    static const bool carregada = [] {
        Q_INIT_RESOURCE(arte);
        return true;
    }();
    (void)carregada;
}
