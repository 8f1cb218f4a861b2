// SPDX-License-Identifier: GPL-3.0-or-later
#include "CapturaTela.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "CaixaMensagem.h"
#include "Inicializacao.h"

void CaixasNoTerminal::Informar(std::string_view texto, std::string_view, QWidget*) {
    std::fprintf(stderr, "message: %.*s\n", static_cast<int>(texto.size()), texto.data());
}

bool CaixasNoTerminal::Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai, std::string_view,
                                 std::string_view) {
    Informar(texto, titulo, pai);
    return false;
}

CapturaTela::CapturaTela(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Counting the MIDI ports must not launch an audio server as a side effect.
    if (qEnvironmentVariableIsEmpty("JACK_NO_START_SERVER")) qputenv("JACK_NO_START_SERVER", "1");
    SilenciarBibliotecas();
    app_ = std::make_unique<AplicacaoTastavo>(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

CapturaTela::~CapturaTela() = default;

int CapturaTela::Executar(const std::string& configuracao, const QString& saida,
                          const std::function<bool(JanelasAplicacao&)>& capturar) {
    QTemporaryDir pasta;
    AmbienteInicializacao ambiente;
    ambiente.configuracao = (pasta.path() + QStringLiteral("/tastavo.ini")).toStdString();
    std::ofstream(ambiente.configuracao) << configuracao;
    CaixasNoTerminal caixas;
    ambiente.mensagens = &caixas;
    ambiente.esperaSplashMs = 0;
    int status = 1;
    ambiente.emVezDoLaco = [&](JanelasAplicacao& janelas) {
        status = capturar(janelas) ? 0 : 1;
        if (status == 0 && !saida.isEmpty()) std::printf("wrote %s\n", qPrintable(saida));
    };
    ExecutarAplicacao(*app_, ambiente);
    return status;
}
