// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a chord asked on the on-screen keyboard (E G C marked with Ctrl+click, named C/E) and
// the sound settings' page with the MIDI input choice, into the folder named on the command
// line: ctrl-click.png and midi-input-settings.png. Runs the real start-up offscreen.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "CapturaTela.h"
#include "Inicializacao.h"
#include "TformPrincipal.h"
#include "TformSetup.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tastavo-screenshot-escuta <folder> [language name]\n");
        return 2;
    }
    CapturaTela captura(argc, argv);
    const QDir pasta(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    const std::string idioma = argc >= 3 ? argv[2] : "Português";
    return captura.Executar(
        "[geral]\nidioma=" + idioma +
            "\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao=1\nmouseTocarTeclas=0\n",
        QString(), [&](JanelasAplicacao& janelas) {
            TformPrincipal& janela = *janelas.principal;
            janela.show();
            for (int tecla : {4, 7, 12}) janela.TeclaPressionada(tecla, Qt::ControlModifier);
            QApplication::processEvents();
            const QString principal = pasta.absoluteFilePath(QStringLiteral("ctrl-click.png"));
            bool ok = janela.grab().save(principal, "PNG");

            TformSetup& setup = *janelas.setup;
            setup.show();
            if (auto* abas = setup.findChild<QTabWidget*>(QStringLiteral("Pasta")))
                abas->setCurrentIndex(TformSetup::PaginaDrivers);
            QApplication::processEvents();
            const QString configuracoes =
                pasta.absoluteFilePath(QStringLiteral("midi-input-settings.png"));
            ok = setup.grab().save(configuracoes, "PNG") && ok;
            setup.hide();
            std::printf("%s\n%s\n", qPrintable(principal), qPrintable(configuracoes));
            return ok;
        });
}
