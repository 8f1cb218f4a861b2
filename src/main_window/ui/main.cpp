// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop application.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QStyleFactory>
#include <QtGlobal>
#include <iostream>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "Inicializacao.h"
#include "LinhaComando.h"

namespace {

// The icon set the package installs beside the program (PREFIX/bin and
// PREFIX/share/icons/hicolor), named as the desktop entry names it; the files are read only
// when a window first needs the icon. None installed (a build tree): the desktop's own theme.
QIcon IconeAplicativo() {
    const QString nome = QStringLiteral("example.corvela.Tastavo");
    const QDir icones(QCoreApplication::applicationDirPath() +
                      QStringLiteral("/../share/icons/hicolor"));
    QIcon icone;
    for (const int tamanho : {16, 24, 32, 48, 64, 128, 256}) {
        const QString arquivo =
            icones.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(tamanho).arg(nome));
        if (QFileInfo::exists(arquivo)) icone.addFile(arquivo, QSize(tamanho, tamanho));
    }
    const QString vetorial = icones.filePath(QStringLiteral("scalable/apps/%1.svg").arg(nome));
    if (QFileInfo::exists(vetorial)) icone.addFile(vetorial);
    return icone.isNull() ? QIcon::fromTheme(nome) : icone;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts: no display is needed to ask for the version.
    if (const auto status = ResponderLinhaComando(argc, argv, std::cout)) return *status;
    // Counting the MIDI ports must not launch an audio server as a side effect: that takes
    // seconds on a machine without one. A running server is still found.
    if (qEnvironmentVariableIsEmpty("JACK_NO_START_SERVER")) qputenv("JACK_NO_START_SERVER", "1");
    SilenciarBibliotecas();
    AplicacaoTastavo app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvela.Tastavo"));
    // One look on every desktop: the windows are designed pixel by pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(IconeAplicativo());
    // `tastavo FILE`: the song opens in the chord chart window (the desktop may hand over
    // several files; the first is taken). Qt's own options are gone from the arguments here.
    AmbienteInicializacao ambiente;
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() > 1) ambiente.cancao = QFile::encodeName(argumentos.at(1)).toStdString();
    return ExecutarAplicacao(app, ambiente);
}
