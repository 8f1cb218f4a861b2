// The desktop application.
#include <QFile>
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
    // `tastavo FILE`: the song opens in the chord chart window (the desktop may hand over
    // several files; the first is taken). Qt's own options are gone from the arguments here.
    AmbienteInicializacao ambiente;
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() > 1) ambiente.cancao = QFile::encodeName(argumentos.at(1)).toStdString();
    return ExecutarAplicacao(app, ambiente);
}
