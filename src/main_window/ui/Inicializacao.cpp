#include "Inicializacao.h"

#include <QEventLoop>
#include <QScreen>
#include <QTimer>

#include "AplicacaoTastavo.h"
#include "ArquivoConfiguracao.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "GerenciadorIdiomas.h"
#include "Instalacao.h"
#include "MidiOutput.h"
#include "RelatorioErro.h"
#include "TformAssistenteConfiguracaoDriver.h"
#include "TformAviso.h"
#include "TformListaIdiomas.h"
#include "TformPrincipal.h"
#include "TformSetup.h"
#include "TformSplash.h"

JanelasAplicacao::~JanelasAplicacao() {
    // Children of the main window go first, so it does not delete them a second time.
    assistente.reset();
    aviso.reset();
    setup.reset();
    principal.reset();
}

namespace {

double PontosPorPolegadaDaTela() {
    QScreen* tela = QGuiApplication::primaryScreen();
    return tela ? tela->logicalDotsPerInch() : 96.0;
}

GerenciadorIdiomas& ManagerDoAmbiente(const AmbienteInicializacao& ambiente) {
    if (ambiente.idiomas) return *ambiente.idiomas;
    GerenciadorIdiomas::DefinirInteracaoInstancia(std::make_unique<TformListaIdiomas>());
    return GerenciadorIdiomas::Instancia();
}

}  // namespace

int Inicializar(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente) {
    const std::filesystem::path configuracao =
        ambiente.configuracao.empty() ? ArquivoConfiguracao::CaminhoPadrao() : ambiente.configuracao;

    // 1. The language.
    const std::string nomeIdioma = ArquivoConfiguracao::ObterIdioma(configuracao);
    GerenciadorIdiomas& idiomas = ManagerDoAmbiente(ambiente);
    // The manager has told the user why.
    if (idiomas.NomesIdiomas().empty()) return SaidaFalhaInicializacao;
    if (idiomas.SelecionarIdioma(nomeIdioma) == nullptr) return SaidaFalhaInicializacao;
    app.DefinirIdiomas(&idiomas);
    auto texto = [&](std::string_view secao, std::string_view chave) { return idiomas.ObterTexto(secao, chave); };

    // 2. Only at 96 pixels per inch do the fixed layouts fit.
    const double ppp = ambiente.pontosPorPolegada ? ambiente.pontosPorPolegada() : PontosPorPolegadaDaTela();
    if (ppp != 96.0) {
        caixaMensagem::Informar(texto(idm::geral::Secao, idm::geral::erroPPP),
                                texto(idm::geral::Secao, idm::geral::nomeAplicacao));
        return SaidaFalhaInicializacao;
    }

    JanelasAplicacao janelas;
    {
        // 3. The splash, painted at once, for at least the wait.
        TformSplash splash(idiomas);
        splash.show();
        splash.repaint();
        QEventLoop espera;
        QTimer::singleShot(ambiente.esperaSplashMs, &espera, &QEventLoop::quit);
        espera.exec(QEventLoop::ExcludeUserInputEvents);

        // 4. The application's title. Not the display name: Qt would append that to the
        // caption of every secondary window ("... — Tastavo").
        app.setApplicationName(QString::fromStdString(texto(idm::geral::Secao, idm::geral::tituloAplicacao)));

        // 5. The windows, the main window first.
        LigarCatalogoAoIdioma(idiomas);
        TformPrincipal::Dependencias dependencias;
        dependencias.idiomas = &idiomas;
        dependencias.acordes = ambiente.acordes;
        dependencias.porta = ambiente.porta;
        dependencias.configuracao = configuracao;
        janelas.principal = std::make_unique<TformPrincipal>(dependencias);
        janelas.setup = std::make_unique<TformSetup>(janelas.principal.get());
        janelas.aviso = std::make_unique<TformAviso>(idiomas, janelas.principal.get());
        janelas.principal->DefinirAviso(janelas.aviso.get());
        janelas.assistente = std::make_unique<TformAssistenteConfiguracaoDriver>(
            MidiOutput::Instancia(),
            ambiente.duracaoNotaEscala.value_or(TformAssistenteConfiguracaoDriver::DuracaoNotaEscala),
            janelas.principal.get());
        janelas.principal->executarAssistente = [assistente = janelas.assistente.get()] {
            return assistente->Executar();
        };
        janelas.setup->executarAssistente = [assistente = janelas.assistente.get(), setup = janelas.setup.get()] {
            return assistente->Executar(setup);
        };
        janelas.principal->abrirConfiguracoes = [setup = janelas.setup.get()] { setup->exec(); };
        // 6. The splash closes here.
    }

    // 7. The event loop ends when the main window has closed.
    if (ambiente.emVezDoLaco) {
        ambiente.emVezDoLaco(janelas);
        return 0;
    }
    janelas.principal->show();
    app.exec();
    return 0;
}

int ExecutarAplicacao(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente) {
    RelatorioErro relatorio;
    try {
        return Inicializar(app, ambiente);
    } catch (const std::exception& e) {
        const GerenciadorIdiomas* idiomas = app.Idiomas();
        const bool possui = idiomas && idiomas->PossuiIdioma();
        relatorio = RelatorioExcecao(possui, possui ? idiomas->ObterTexto(idm::geral::Secao, idm::geral::erroGeral) : "",
                                     possui ? idiomas->ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao) : "",
                                     NomeClasse(e), e.what(), VersaoArquivo());
    } catch (...) {
        relatorio = RelatorioFalhaDesconhecida(VersaoArquivo());
    }
    caixaMensagem::Informar(relatorio.texto, relatorio.titulo);
    return SaidaFalhaInicializacao;
}
