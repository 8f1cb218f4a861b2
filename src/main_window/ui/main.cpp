// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop application.
#include <QStyleFactory>

#include <QtGlobal>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "Inicializacao.h"

int main(int argc, char** argv) {
    // Counting the MIDI ports must not launch an audio server as a side effect: that takes
    // seconds on a machine without one. A running server is still found.
    if (qEnvironmentVariableIsEmpty("JACK_NO_START_SERVER")) qputenv("JACK_NO_START_SERVER", "1");
    SilenciarBibliotecas();
    AplicacaoTastavo app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvela.Tastavo"));
    // One look on every desktop: the windows are designed pixel by pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return ExecutarAplicacao(app, {});
}
