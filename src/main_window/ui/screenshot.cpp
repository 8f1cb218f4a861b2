// Renders the main window as a player sees it after typing C7M(9)/E in note-name mode, and
// writes it to the PNG file named on the command line. Runs the real start-up offscreen, over
// the installation folder of the build, with a configuration file of its own.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <QtGlobal>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "CaixaMensagem.h"
#include "Inicializacao.h"
#include "TformPrincipal.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr, "usage: tastavo-screenshot <out.png> [language name] [chord] [view mode]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Counting the MIDI ports must not launch an audio server as a side effect: that takes
    // seconds on a machine without one. A running server is still found.
    if (qEnvironmentVariableIsEmpty("JACK_NO_START_SERVER")) qputenv("JACK_NO_START_SERVER", "1");
    SilenciarBibliotecas();
    AplicacaoTastavo app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString saida = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    const std::string idioma = argc >= 3 ? argv[2] : "Português";
    const QString cifra = QString::fromLocal8Bit(argc >= 4 ? argv[3] : "C7M(9)/E");
    const int modo = argc >= 5 ? std::atoi(argv[4]) : 1;

    QTemporaryDir pasta;
    AmbienteInicializacao ambiente;
    ambiente.configuracao = (pasta.path() + QStringLiteral("/tastavo.ini")).toStdString();
    std::ofstream(ambiente.configuracao) << "[geral]\nidioma=" << idioma
                                         << "\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao=1\nmouseTocarTeclas=0\n";
    // Nothing waits for a user: a message goes to standard error.
    struct CaixasNoTerminal : CaixasMensagem {
        void Informar(std::string_view texto, std::string_view, QWidget*) override {
            std::fprintf(stderr, "message: %.*s\n", static_cast<int>(texto.size()), texto.data());
        }
        bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai, std::string_view,
                       std::string_view) override {
            Informar(texto, titulo, pai);
            return false;
        }
    } caixas;
    ambiente.mensagens = &caixas;
    int status = 1;
    ambiente.esperaSplashMs = 0;
    ambiente.emVezDoLaco = [&](JanelasAplicacao& janelas) {
        TformPrincipal& janela = *janelas.principal;
        janela.show();
        // A print list in use, as after a few minutes at the keyboard.
        for (const char* c : {"Dm7(9)", "G7(13)"}) janela.AdicionarAcordeImpressao(c, true);
        janela.editNomeAcorde->setText(cifra);
        janela.editNomeAcordeEnter();
        janela.btnAdicionarClick();
        janela.comboModoVisualizacao->setCurrentIndex(modo);
        QApplication::processEvents();
        status = janela.grab().save(saida, "PNG") ? 0 : 1;
        if (status == 0) std::printf("wrote %s\n", qPrintable(saida));
    };
    ExecutarAplicacao(app, ambiente);
    return status;
}
