// Renders the main window as a player sees it after typing C7M(9)/E in note-name mode, and
// writes it to the PNG file named on the command line. Runs the real start-up offscreen, over
// the installation folder of the build, with a configuration file of its own.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "CaixaMensagem.h"
#include "Inicializacao.h"
#include "TformPrincipal.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: tastavo-screenshot <out.png> [language name]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    SilenciarBibliotecas();
    AplicacaoTastavo app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString saida = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    const std::string idioma = argc == 3 ? argv[2] : "Português";

    QTemporaryDir pasta;
    AmbienteInicializacao ambiente;
    ambiente.configuracao = (pasta.path() + QStringLiteral("/tastavo.ini")).toStdString();
    std::ofstream(ambiente.configuracao) << "[geral]\nidioma=" << idioma
                                         << "\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao=1\nmouseTocarTeclas=0\n";
    caixaMensagem::DefinirRespondedor([](const caixaMensagem::Pedido& p) {
        std::fprintf(stderr, "message: %s\n", p.texto.c_str());
        return false;
    });
    int status = 1;
    ambiente.esperaSplashMs = 0;
    ambiente.emVezDoLaco = [&](JanelasAplicacao& janelas) {
        TformPrincipal& janela = *janelas.principal;
        janela.show();
        janela.editNomeAcorde->setText(QStringLiteral("C7M(9)/E"));
        janela.editNomeAcordeEnter();
        janela.comboModoVisualizacao->setCurrentIndex(1);
        QApplication::processEvents();
        status = janela.grab().save(saida, "PNG") ? 0 : 1;
        if (status == 0) std::printf("wrote %s\n", qPrintable(saida));
    };
    ExecutarAplicacao(app, ambiente);
    return status;
}
