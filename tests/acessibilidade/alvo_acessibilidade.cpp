// SPDX-License-Identifier: GPL-3.0-or-later
// The application as the screen-reader test meets it: the real start-up and event loop on the
// display it is given, over the build's installation folder, with a configuration file of its
// own (English, a device chosen), a recording MIDI device instead of the machine's sound, and
// message boxes written to standard error. It runs until it is ended.
#include <QApplication>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "AplicacaoTastavo.h"
#include "BackendGravador.h"
#include "CaminhosTeste.h"
#include "CapturaTela.h"
#include "Inicializacao.h"
#include "TMidiOutput.h"

int main(int argc, char** argv) {
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    AplicacaoTastavo app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTemporaryDir pasta;
    const std::string configuracao = (pasta.path() + QStringLiteral("/tastavo.ini")).toStdString();
    std::ofstream(configuracao) << "[geral]\nidioma=English\nplacaSom=0\ninstrumentoTeclado=0\n"
                                   "modoVisualizacao=0\nmouseTocarTeclas=0\n";
    TMidiOutput porta(
        std::vector<std::shared_ptr<BackendMidi>>{std::make_shared<BackendGravador>()});
    CaixasNoTerminal caixas;
    AmbienteInicializacao ambiente;
    ambiente.pasta = tastavo_teste::PastaBinarios();
    ambiente.configuracao = configuracao;
    ambiente.mensagens = &caixas;
    ambiente.porta = &porta;
    ambiente.esperaSplashMs = 0;
    return ExecutarAplicacao(app, ambiente);
}
