// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the print options window and the print preview as a player sees them after pasting
// a song into the chord chart window and pressing its print button, and writes them as
// print-options.png and print-preview.png into the folder named on the command line. Runs the
// real start-up offscreen, over the installation folder of the build.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "CaixaMensagem.h"
#include "CapturaTela.h"
#include "Inicializacao.h"
#include "TCorvelaButton3D.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformPrincipal.h"
#include "TformVisualizarImpressao.h"

namespace {

const char* const Cancao =
    "Tom: G\n"
    "\n"
    "G              D/F#       Em\n"
    "  Hoje eu vou cantar pro mar\n"
    "C              Am7        D7(9)\n"
    "  uma canção de amor e de luz\n"
    "\n"
    "Refrão:\n"
    "[G]Canta, [C]canta, [Bb7]meu co[G]ração\n";

// Runs `acao` once the next modal window is up.
void QuandoModal(std::function<void()> acao) { QTimer::singleShot(0, std::move(acao)); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tastavo-screenshot-impressao <folder> [language name]\n");
        return 2;
    }
    CapturaTela captura(argc, argv);
    const QDir pastaSaida(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    const std::string idioma = argc >= 3 ? argv[2] : "Português";
    int falhas = 0;
    auto gravar = [&](QWidget* janela, const char* nome) {
        QApplication::processEvents();
        const QString arquivo = pastaSaida.absoluteFilePath(QString::fromLatin1(nome));
        if (janela->grab().save(arquivo, "PNG"))
            std::printf("wrote %s\n", qPrintable(arquivo));
        else
            ++falhas;
    };
    const auto capturar = [&](JanelasAplicacao& janelas) {
        janelas.principal->show();
        janelas.Cifra().Exibir();
        janelas.Cifra().memoTextoCifra->setPlainText(QString::fromUtf8(Cancao));
        TformImpressao& opcoes = janelas.OpcoesImpressao();
        TformVisualizarImpressao& previa = janelas.VisualizarImpressao();
        QuandoModal([&] {
            opcoes.comboRotulo->setCurrentIndex(1);
            gravar(&opcoes, "print-options.png");
            QuandoModal([&] {
                gravar(&previa, "print-preview.png");
                previa.close();
            });
            QTest::mouseClick(opcoes.btnVisualizarImpressao, Qt::LeftButton, {}, QPoint(5, 5));
            opcoes.close();
        });
        QTest::mouseClick(janelas.Cifra().btnImprimir, Qt::LeftButton, {}, QPoint(5, 5));
        return falhas == 0;
    };
    return captura.Executar(
        "[geral]\nidioma=" + idioma +
            "\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao=0\nmouseTocarTeclas=0\n",
        {}, capturar);
}
