#include "Inicializacao.h"

#include <QEventLoop>
#include <QScreen>
#include <QTimer>

#include "AbrirShell.h"
#include "AplicacaoTastavo.h"
#include "ArquivoConfiguracao.h"
#include "BaseNomesAcordes.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "ConfiguracaoSom.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorIdiomas.h"
#include "GerenciadorImpressao.h"
#include "ImpressoraDialogo.h"
#include "Instalacao.h"
#include "MidiOutput.h"
#include "PaginasQImage.h"
#include "RelatorioErro.h"
#include "SomSistema.h"
#include "TMidiOutput.h"
#include "TformAssistenteConfiguracaoDriver.h"
#include "TformAviso.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformListaIdiomas.h"
#include "TformPrincipal.h"
#include "TformSetup.h"
#include "TformSplash.h"
#include "TformVisualizarImpressao.h"

JanelasAplicacao::JanelasAplicacao() = default;

JanelasAplicacao::~JanelasAplicacao() {
    // Children of the main window go first, so it does not delete them a second time; the
    // print manager's page display (the preview) goes before the manager.
    visualizarImpressao.reset();
    opcoesImpressao.reset();
    assistente.reset();
    cifra.reset();
    aviso.reset();
    setup.reset();
    principal.reset();
}

namespace {

double PontosPorPolegadaDaTela() {
    QScreen* tela = QGuiApplication::primaryScreen();
    return tela ? tela->logicalDotsPerInch() : 96.0;
}

// Hands a borrowed interaction to the language manager, which owns what it is given.
class InteracaoEmprestada : public InteracaoIdiomas {
  public:
    explicit InteracaoEmprestada(InteracaoIdiomas& alvo) : alvo_(alvo) {}
    void MostrarMensagem(std::string_view texto, std::string_view titulo) override {
        alvo_.MostrarMensagem(texto, titulo);
    }
    int EscolherIndice(const std::vector<std::string>& nomes, int destacado) override {
        return alvo_.EscolherIndice(nomes, destacado);
    }
    void EncerrarAplicacao() override { alvo_.EncerrarAplicacao(); }

  private:
    InteracaoIdiomas& alvo_;
};

// The domain objects, created in the order the windows need them: the catalogue and the chord
// manager (whose catalogue file the language names), then the MIDI port and the chord player.
void CriarDominio(JanelasAplicacao& j, const AmbienteInicializacao& ambiente, const std::filesystem::path& pasta) {
    j.catalogo = std::make_unique<BaseNomesAcordes>(
        j.idiomas->CaminhoParametro(idm::parametros::caminhoArquivoBaseNomesAcordes));
    j.vinculoCatalogo.emplace(*j.catalogo);
    j.acordes = std::make_unique<GerenciadorAcordes>(*j.catalogo, GeradorAcordesTeclado::Instancia());
    j.vinculoAcordes.emplace(*j.acordes);
    j.porta = ambiente.porta;
    if (j.porta == nullptr) {
        try {
            j.portaPropria = std::make_unique<TMidiOutput>(CriarFonteDispositivosSistema(pasta));
            j.porta = j.portaPropria.get();
        } catch (const std::exception&) {
            // No port: the player stays unbound and reports that at the first note.
        }
    }
    j.player = std::make_unique<MidiOutput>(j.porta);
    j.vinculoPlayer.emplace(*j.player);
    j.som = std::make_unique<ConfiguracaoSom>(*j.player);
    j.vinculoSom.emplace(*j.som);
}

// The print options and preview windows over the print manager: every run takes a copy of
// the main window's print list and the chart window's text at the moment of the click.
void CriarJanelasImpressao(JanelasAplicacao& j, CaixasMensagem& mensagens) {
    GerenciadorIdiomas& idiomas = *j.idiomas;
    TformPrincipal* principal = j.principal.get();
    TformImportarCifra* cifra = j.cifra.get();
    FonteDocumento fonte{[principal] { return principal->CopiarListaImpressao(); },
                         [cifra] { return cifra->ObterTextoCifra(); }};
    j.paginasImpressao = std::make_unique<FabricaPaginasQImage>();
    j.impressao = std::make_unique<GerenciadorImpressao>(
        TextosCabecalho{idiomas.ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao),
                        idiomas.ObterTexto(idm::parametros::Secao, idm::parametros::urlCorvela)},
        j.paginasImpressao.get());
    j.vinculoImpressao.emplace(*j.impressao);
    j.impressao->DefinirTamanhoImpressora(TamanhoPaginaVisualizacaoPadrao);
    j.impressao->DefinirFonteDocumento(fonte.lista, fonte.textoCifra);

    j.opcoesImpressao = std::make_unique<TformImpressao>(idiomas, mensagens, *j.impressao, fonte, principal);
    j.visualizarImpressao =
        std::make_unique<TformVisualizarImpressao>(idiomas, mensagens, *j.impressao, *j.opcoesImpressao, principal);
    j.opcoesImpressao->DefinirVisualizacao(j.visualizarImpressao.get());
    j.impressao->DefinirExibicao(j.visualizarImpressao.get());

    principal->abrirImpressao = [opcoes = j.opcoesImpressao.get()] {
        opcoes->DefinirModo(1);
        opcoes->exec();
    };
    cifra->abrirImpressao = [opcoes = j.opcoesImpressao.get()] {
        opcoes->DefinirModo(0);
        opcoes->exec();
    };
}

// The steps; `idiomasProprios` receives the language manager start-up makes, so that the
// error report can still speak the language when a later step fails.
int Iniciar(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente,
            std::unique_ptr<GerenciadorIdiomas>& idiomasProprios) {
    const std::filesystem::path pasta = ambiente.pasta.empty() ? PastaInstalacao() : ambiente.pasta;
    const std::filesystem::path configuracao =
        ambiente.configuracao.empty() ? ArquivoConfiguracao::CaminhoPadrao() : ambiente.configuracao;
    CaixasMensagemQt caixasReais;
    CaixasMensagem& mensagens = ambiente.mensagens ? *ambiente.mensagens : caixasReais;
    AbridorDesktopSistema desktop;
    AbridorDesktop& abridor = ambiente.abridor ? *ambiente.abridor : desktop;

    // 1. The language.
    const std::string nomeIdioma = ArquivoConfiguracao::ObterIdioma(configuracao);
    if (ambiente.idiomas == nullptr) {
        std::unique_ptr<InteracaoIdiomas> interacao;
        if (ambiente.interacaoIdiomas) interacao = std::make_unique<InteracaoEmprestada>(*ambiente.interacaoIdiomas);
        else interacao = std::make_unique<TformListaIdiomas>(mensagens);
        idiomasProprios = std::make_unique<GerenciadorIdiomas>(pasta, std::move(interacao));
    }
    GerenciadorIdiomas& idiomas = ambiente.idiomas ? *ambiente.idiomas : *idiomasProprios;
    const Fachada<GerenciadorIdiomas>::Vinculo vinculoIdiomas(idiomas);
    if (idiomas.NomesIdiomas().empty()) return SaidaFalhaInicializacao;  // the manager told the user
    if (idiomas.SelecionarIdioma(nomeIdioma) == nullptr) return SaidaFalhaInicializacao;
    app.DefinirIdiomas(&idiomas, &mensagens);
    auto texto = [&](std::string_view secao, std::string_view chave) { return idiomas.ObterTexto(secao, chave); };

    // 2. Only at 96 pixels per inch do the fixed layouts fit.
    const double ppp = ambiente.pontosPorPolegada ? ambiente.pontosPorPolegada() : PontosPorPolegadaDaTela();
    if (ppp != 96.0) {
        mensagens.Informar(texto(idm::geral::Secao, idm::geral::erroPPP),
                           texto(idm::geral::Secao, idm::geral::nomeAplicacao));
        return SaidaFalhaInicializacao;
    }

    JanelasAplicacao janelas;
    janelas.idiomas = &idiomas;
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

        // 5. The windows, the main window first, over the domain objects they share.
        CriarDominio(janelas, ambiente, pasta);
        TformPrincipal::Dependencias dependencias{idiomas,   *janelas.acordes, *janelas.player, *janelas.som,
                                                  mensagens, abridor,          configuracao};
        janelas.principal = std::make_unique<TformPrincipal>(dependencias);
        janelas.setup = std::make_unique<TformSetup>(*janelas.som, idiomas, janelas.principal.get());
        janelas.aviso = std::make_unique<TformAviso>(idiomas, mensagens, abridor, janelas.principal.get());
        janelas.principal->DefinirAviso(janelas.aviso.get());
        TformPrincipal* principal = janelas.principal.get();
        AcoesListaImpressao listaImpressao{
            [principal](const std::string& cifra, bool repetir) { principal->AdicionarAcordeImpressao(cifra, repetir); },
            [principal] { principal->LimparListaImpressao(); }};
        janelas.cifra = std::make_unique<TformImportarCifra>(idiomas, mensagens, abridor, std::move(listaImpressao),
                                                             principal);
        principal->abrirImportarCifra = [cifra = janelas.cifra.get()] { cifra->Exibir(); };
        // The chart window's choices live in the configuration, written when the user leaves.
        if (ArquivoConfiguracao* arquivo = principal->Configuracao()) {
            const EscolhasCifra escolhas = arquivo->ObterEscolhasCifra();
            janelas.cifra->opcoesTransposicao = {static_cast<GrafiaTransposicao>(escolhas.grafia),
                                                 escolhas.manterColunas};
            janelas.cifra->aoMudarOpcoes = [arquivo](const OpcoesTransposicao& opcoes) {
                arquivo->DefinirEscolhasCifra({opcoes.manterColunas, static_cast<int>(opcoes.grafia)});
            };
        }
        janelas.assistente = std::make_unique<TformAssistenteConfiguracaoDriver>(
            *janelas.player, idiomas, mensagens,
            ambiente.duracaoNotaEscala.value_or(TformAssistenteConfiguracaoDriver::DuracaoNotaEscala),
            janelas.principal.get());
        janelas.principal->executarAssistente = [assistente = janelas.assistente.get()] {
            return assistente->Executar();
        };
        janelas.setup->executarAssistente = [assistente = janelas.assistente.get(), setup = janelas.setup.get()] {
            return assistente->Executar(setup);
        };
        janelas.principal->abrirConfiguracoes = [setup = janelas.setup.get()] { setup->exec(); };
        CriarJanelasImpressao(janelas, mensagens);
        // 6. The splash closes here.
    }

    // 7. The event loop ends when the main window has closed.
    if (ambiente.emVezDoLaco) {
        ambiente.emVezDoLaco(janelas);
    } else {
        janelas.principal->show();
        app.exec();
    }
    app.DefinirIdiomas(nullptr, nullptr);
    return 0;
}

}  // namespace

int Inicializar(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente) {
    std::unique_ptr<GerenciadorIdiomas> idiomasProprios;
    return Iniciar(app, ambiente, idiomasProprios);
}

int ExecutarAplicacao(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente) {
    std::unique_ptr<GerenciadorIdiomas> idiomasProprios;
    RelatorioErro relatorio;
    CaixasMensagemQt caixasReais;
    CaixasMensagem& mensagens = ambiente.mensagens ? *ambiente.mensagens : caixasReais;
    try {
        return Iniciar(app, ambiente, idiomasProprios);
    } catch (const std::exception& e) {
        const GerenciadorIdiomas* idiomas = app.Idiomas();
        const bool possui = idiomas && idiomas->PossuiIdioma();
        relatorio = RelatorioExcecao(possui, possui ? idiomas->ObterTexto(idm::geral::Secao, idm::geral::erroGeral) : "",
                                     possui ? idiomas->ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao) : "",
                                     NomeClasse(e), e.what(), VersaoArquivo());
    } catch (...) {
        relatorio = RelatorioFalhaDesconhecida(VersaoArquivo());
    }
    app.DefinirIdiomas(nullptr, nullptr);
    mensagens.Informar(relatorio.texto, relatorio.titulo);
    return SaidaFalhaInicializacao;
}
