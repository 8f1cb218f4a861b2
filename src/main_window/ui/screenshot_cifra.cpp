// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the chord chart window as a player sees it after pasting a song and raising it two
// semitones with a double click, and writes it to the PNG file named on the command line. Runs
// the real start-up offscreen, over the installation folder of the build, and opens the window
// with the main window's chart button.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "CapturaTela.h"
#include "Inicializacao.h"
#include "TformImportarCifra.h"
#include "TformPrincipal.h"

namespace {

// Chords over their syllables, chords in brackets, and lyrics in other scripts.
const char* const Cancao =
    "Tom: G\n"
    "Intro: G  D/F#  Em  C  (2x)\n"
    "\n"
    "G              D/F#       Em\n"
    "  Hoje eu vou cantar pro mar\n"
    "C              Am7        D7(9)\n"
    "  uma canção de amor e de luz\n"
    "\n"
    "Em         Bm        C       G\n"
    "Расцветали яблони и груши\n"
    "Am7        D4  D\n"
    "夜空ノムコウ\n"
    "\n"
    "Refrão:\n"
    "[G]Canta, [C]canta, [D]meu co[G]ração\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tastavo-screenshot-cifra <out.png> [language name]\n");
        return 2;
    }
    CapturaTela captura(argc, argv);
    const QString saida = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    const std::string idioma = argc >= 3 ? argv[2] : "Português";
    return captura.Executar(
        "[geral]\nidioma=" + idioma +
            "\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao=0\nmouseTocarTeclas=0\n",
        saida, [&](JanelasAplicacao& janelas) {
            janelas.principal->show();
            QTest::mouseClick(janelas.principal->btnImportarCifra, Qt::LeftButton, {},
                              QPoint(5, 5));
            TformImportarCifra& cifra = janelas.Cifra();
            QApplication::clipboard()->setText(QString::fromUtf8(Cancao));
            QTest::mouseClick(cifra.btnColar, Qt::LeftButton, {}, QPoint(5, 5));
            // A double click: the toolkit delivers press, release, double click, release.
            QTest::mousePress(cifra.btnTransporAcima, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(cifra.btnTransporAcima, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseDClick(cifra.btnTransporAcima, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(cifra.btnTransporAcima, Qt::LeftButton, {}, QPoint(5, 5));
            cifra.memoTextoCifra->moveCursor(QTextCursor::Start);
            QApplication::processEvents();
            return cifra.grab().save(saida, "PNG");
        });
}
