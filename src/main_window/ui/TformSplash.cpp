// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "ChavesIdioma.h"
#include "FigurasIdioma.h"
#include "GerenciadorIdiomas.h"

TformSplash::TformSplash(GerenciadorIdiomas& idiomas)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TformSplash"));
    setFixedSize(250, 250);
    setAutoFillBackground(true);
    QPalette cores = palette();
    cores.setColor(QPalette::Window, QColor(33, 100, 173));
    setPalette(cores);
    imgEntrada = new QLabel(this);
    imgEntrada->setObjectName(QStringLiteral("imgEntrada"));
    imgEntrada->setGeometry(0, 0, 250, 250);
    imgEntrada->setPixmap(FiguraIdioma(idiomas, idm::fmEntrada::Secao, idm::fmEntrada::imgEntrada));
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->geometry().center() - rect().center());
}
