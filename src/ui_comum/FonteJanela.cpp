// SPDX-License-Identifier: GPL-3.0-or-later
#include "FonteJanela.h"

#include <QWidget>

QFont FonteJanela() {
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(11);
    return fonte;
}

void AplicarFonteJanela(QWidget* janela) {
    const QFont fonte = FonteJanela();
    janela->setFont(fonte);
    for (QWidget* controle : janela->findChildren<QWidget*>()) {
        if (!controle->testAttribute(Qt::WA_SetFont)) controle->setFont(fonte);
    }
}
