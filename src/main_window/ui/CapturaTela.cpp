// SPDX-License-Identifier: GPL-3.0-or-later
#include "CapturaTela.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "AplicacaoTastavo.h"
#include "ArquivoConfiguracao.h"
#include "BibliotecasSilenciosas.h"
#include "CaixaMensagem.h"
#include "Inicializacao.h"
#include "InteracaoIdiomas.h"

void CaixasNoTerminal::Informar(std::string_view texto, std::string_view, QWidget*) {
    std::fprintf(stderr, "message: %.*s\n", static_cast<int>(texto.size()), texto.data());
}

bool CaixasNoTerminal::Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai,
                                 std::string_view, std::string_view) {
    Informar(texto, titulo, pai);
    return false;
}

namespace {

// The language list for a run nobody watches: a configured language that is not installed
// ends the run with a message naming it, instead of a list waiting for a choice.
class IdiomasNoTerminal : public InteracaoIdiomas {
  public:
    explicit IdiomasNoTerminal(std::string pedido) : pedido_(std::move(pedido)) {}

    void MostrarMensagem(std::string_view texto, std::string_view) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(texto.size()), texto.data());
    }
    int EscolherIndice(const std::vector<std::string>& nomes, int) override {
        std::string instalados;
        for (const auto& nome : nomes) instalados += (instalados.empty() ? "" : ", ") + nome;
        const QString programa = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        std::fprintf(stderr, "%s: the language \"%s\" is not installed (installed: %s)\n",
                     qPrintable(programa), pedido_.c_str(), instalados.c_str());
        return -1;
    }
    void EncerrarAplicacao() override {}

  private:
    std::string pedido_;
};

}  // namespace

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
    IdiomasNoTerminal idiomas(ArquivoConfiguracao::ObterIdioma(ambiente.configuracao));
    ambiente.interacaoIdiomas = &idiomas;
    ambiente.esperaSplashMs = 0;
    int status = 1;
    ambiente.emVezDoLaco = [&](JanelasAplicacao& janelas) {
        status = capturar(janelas) ? 0 : 1;
        if (status == 0 && !saida.isEmpty()) std::printf("wrote %s\n", qPrintable(saida));
    };
    ExecutarAplicacao(*app_, ambiente);
    return status;
}
