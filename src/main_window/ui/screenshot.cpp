// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window as a player sees it after typing C7M(9)/E in note-name mode, and
// writes it to the PNG file named on the command line. Runs the real start-up offscreen, over
// the installation folder of the build, with a configuration file of its own.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "CapturaTela.h"
#include "Inicializacao.h"
#include "TformPrincipal.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr,
                     "usage: tastavo-screenshot <out.png> [language name] [chord] [view mode]\n");
        return 2;
    }
    CapturaTela captura(argc, argv);
    const QString saida = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    const std::string idioma = argc >= 3 ? argv[2] : "Português";
    const QString cifra = QString::fromLocal8Bit(argc >= 4 ? argv[3] : "C7M(9)/E");
    const int modo = argc >= 5 ? std::atoi(argv[4]) : 1;
    return captura.Executar(
        "[geral]\nidioma=" + idioma +
            "\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao=1\nmouseTocarTeclas=0\n",
        saida, [&](JanelasAplicacao& janelas) {
            TformPrincipal& janela = *janelas.principal;
            janela.show();
            // A print list in use, as after a few minutes at the keyboard.
            for (const char* c : {"Dm7(9)", "G7(13)"}) janela.AdicionarAcordeImpressao(c, true);
            janela.editNomeAcorde->setText(cifra);
            janela.editNomeAcordeEnter();
            janela.btnAdicionarClick();
            janela.comboModoVisualizacao->setCurrentIndex(modo);
            QApplication::processEvents();
            return janela.grab().save(saida, "PNG");
        });
}
