// SPDX-License-Identifier: GPL-3.0-or-later
#include "Inicializacao.h"

#include <QEventLoop>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

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
#include "NomeadorAcordes.h"
#include "PaginasQImage.h"
#include "RelatorioErro.h"
#include "SomSistema.h"
#include "TMidiInput.h"
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

TformSetup& JanelasAplicacao::Setup() {
    if (!setup) {
        setup = std::make_unique<TformSetup>(*som, *idiomas, principal.get());
        setup->executarAssistente = [this] { return Assistente().Executar(setup.get()); };
    }
    return *setup;
}

TformAviso& JanelasAplicacao::Aviso() {
    if (!aviso)
        aviso = std::make_unique<TformAviso>(*idiomas, *mensagens, *abridor, principal.get());
    return *aviso;
}

TformImportarCifra& JanelasAplicacao::Cifra() {
    if (!cifra) {
        TformPrincipal* p = principal.get();
        AcoesListaImpressao listaImpressao{[p](const std::string& texto, bool repetir) {
                                               p->AdicionarAcordeImpressao(texto, repetir);
                                           },
                                           [p] { p->LimparListaImpressao(); }};
        cifra = std::make_unique<TformImportarCifra>(*idiomas, *mensagens, *abridor,
                                                     std::move(listaImpressao), p);
        cifra->DefinirConfiguracao(p->Configuracao());
        // The chart window's choices live in the configuration, written when the user leaves.
        if (ArquivoConfiguracao* arquivo = p->Configuracao()) {
            const EscolhasCifra escolhas = arquivo->ObterEscolhasCifra();
            cifra->opcoesTransposicao = {static_cast<GrafiaTransposicao>(escolhas.grafia),
                                         escolhas.manterColunas};
            cifra->aoMudarOpcoes = [arquivo](const OpcoesTransposicao& opcoes) {
                arquivo->DefinirEscolhasCifra(
                    {opcoes.manterColunas, static_cast<int>(opcoes.grafia)});
            };
        }
        cifra->abrirImpressao = [this] {
            TformImpressao& opcoes = OpcoesImpressao();
            opcoes.DefinirModo(0);
            opcoes.exec();
        };
    }
    return *cifra;
}

TformAssistenteConfiguracaoDriver& JanelasAplicacao::Assistente() {
    if (!assistente)
        assistente = std::make_unique<TformAssistenteConfiguracaoDriver>(
            *player, *idiomas, *mensagens, duracaoNotaEscala, principal.get());
    return *assistente;
}

// The print options and preview windows over the print manager, made together: every run
// takes a copy of the main window's print list and the chart window's text at the moment of
// the click (no chart window yet: no text).
TformImpressao& JanelasAplicacao::OpcoesImpressao() {
    if (opcoesImpressao) return *opcoesImpressao;
    TformPrincipal* p = principal.get();
    FonteDocumento fonte{[p] { return p->CopiarListaImpressao(); },
                         [this] {
                             return cifra ? MusicaDaCifra(cifra->ObterTextoCifra(),
                                                          cifra->ArquivoAtual().filename().string())
                                          : MusicaImpressao{};
                         }};
    paginasImpressao = std::make_unique<FabricaPaginasQImage>();
    impressao = std::make_unique<GerenciadorImpressao>(
        TextosCabecalho{idiomas->ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao),
                        idiomas->ObterTexto(idm::parametros::Secao, idm::parametros::urlCorvela)},
        paginasImpressao.get());
    vinculoImpressao.emplace(*impressao);
    impressao->DefinirTamanhoImpressora(TamanhoPaginaVisualizacaoPadrao);
    impressao->DefinirFonteDocumento(fonte.lista, fonte.cifra);
    opcoesImpressao = std::make_unique<TformImpressao>(*idiomas, *mensagens, *impressao, fonte, p);
    visualizarImpressao = std::make_unique<TformVisualizarImpressao>(
        *idiomas, *mensagens, *impressao, *opcoesImpressao, p);
    opcoesImpressao->DefinirVisualizacao(visualizarImpressao.get());
    impressao->DefinirExibicao(visualizarImpressao.get());
    return *opcoesImpressao;
}

TformVisualizarImpressao& JanelasAplicacao::VisualizarImpressao() {
    OpcoesImpressao();
    return *visualizarImpressao;
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

// Listening to a MIDI keyboard: the input port (nothing is opened until an input is chosen) and
// the naming of chords from their notes, ranked by the catalogue.
void CriarEscuta(JanelasAplicacao& j, const AmbienteInicializacao& ambiente) {
    j.entrada = ambiente.entrada;
    if (j.entrada == nullptr) {
        j.entradaPropria = std::make_unique<TMidiInput>(CriarFonteEntradasSistema());
        j.entrada = j.entradaPropria.get();
    }
    j.nomeador = std::make_unique<NomeadorAcordes>(j.catalogo->Nomes());
}

// The domain objects, created in the order the windows need them: the catalogue and the chord
// manager (whose catalogue file the language names), then the MIDI port and the chord player.
void CriarDominio(JanelasAplicacao& j, const AmbienteInicializacao& ambiente,
                  const std::filesystem::path& pasta) {
    j.catalogo = std::make_unique<BaseNomesAcordes>(
        j.idiomas->CaminhoParametro(idm::parametros::caminhoArquivoBaseNomesAcordes));
    j.vinculoCatalogo.emplace(*j.catalogo);
    j.acordes =
        std::make_unique<GerenciadorAcordes>(*j.catalogo, GeradorAcordesTeclado::Instancia());
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
    CriarEscuta(j, ambiente);
    j.som = std::make_unique<ConfiguracaoSom>(*j.player, j.entrada);
    j.vinculoSom.emplace(*j.som);
}

// The main window's ways to the other windows, each made when first asked for.
void LigarJanelaPrincipal(JanelasAplicacao& j) {
    TformPrincipal& principal = *j.principal;
    principal.obterAviso = [&j] { return &j.Aviso(); };
    principal.abrirImportarCifra = [&j] { j.Cifra().Exibir(); };
    // A chart window never opened has nothing unsaved.
    principal.confirmarAlteracoes = [&j]() -> std::optional<bool> {
        if (!j.cifra) return std::nullopt;
        return j.cifra->ConfirmarSaida();
    };
    principal.executarAssistente = [&j] { return j.Assistente().Executar(); };
    principal.abrirConfiguracoes = [&j] { j.Setup().exec(); };
    principal.abrirImpressao = [&j] {
        TformImpressao& opcoes = j.OpcoesImpressao();
        opcoes.DefinirModo(1);
        opcoes.exec();
    };
}

// The steps; `idiomasProprios` receives the language manager start-up makes, so that the
// error report can still speak the language when a later step fails.
int Iniciar(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente,
            std::unique_ptr<GerenciadorIdiomas>& idiomasProprios) {
    const std::filesystem::path pasta = ambiente.pasta.empty() ? PastaInstalacao() : ambiente.pasta;
    const std::filesystem::path configuracao = ambiente.configuracao.empty()
                                                   ? ArquivoConfiguracao::CaminhoPadrao()
                                                   : ambiente.configuracao;
    CaixasMensagemQt caixasReais;
    CaixasMensagem& mensagens = ambiente.mensagens ? *ambiente.mensagens : caixasReais;
    AbridorDesktopSistema desktop;
    AbridorDesktop& abridor = ambiente.abridor ? *ambiente.abridor : desktop;

    // 1. The language.
    const std::string nomeIdioma = ArquivoConfiguracao::ObterIdioma(configuracao);
    if (ambiente.idiomas == nullptr) {
        std::unique_ptr<InteracaoIdiomas> interacao;
        if (ambiente.interacaoIdiomas)
            interacao = std::make_unique<InteracaoEmprestada>(*ambiente.interacaoIdiomas);
        else
            interacao = std::make_unique<TformListaIdiomas>(mensagens);
        idiomasProprios = std::make_unique<GerenciadorIdiomas>(pasta, std::move(interacao));
    }
    GerenciadorIdiomas& idiomas = ambiente.idiomas ? *ambiente.idiomas : *idiomasProprios;
    const Fachada<GerenciadorIdiomas>::Vinculo vinculoIdiomas(idiomas);
    if (idiomas.NomesIdiomas().empty())
        return SaidaFalhaInicializacao;  // the manager told the user
    // A first start (no language stored) takes the system's language and asks nothing.
    if (idiomas.SelecionarIdiomaInicial(nomeIdioma, LocalidadeDoSistema()) == nullptr)
        return SaidaFalhaInicializacao;
    app.DefinirIdiomas(&idiomas, &mensagens);
    // Qt's own dialogs (printing, files) speak the chosen language too.
    const Idioma* escolhido = idiomas.IdiomaAtual();
    QTranslator traducaoQt;
    if (escolhido != nullptr && IdiomaPortugues(escolhido->ObterNome()) &&
        traducaoQt.load(QStringLiteral("qtbase_pt_BR"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traducaoQt);
    auto texto = [&](std::string_view secao, std::string_view chave) {
        return idiomas.ObterTexto(secao, chave);
    };

    // 2. Only at 96 pixels per inch do the fixed layouts fit.
    const double ppp =
        ambiente.pontosPorPolegada ? ambiente.pontosPorPolegada() : PontosPorPolegadaDaTela();
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
        app.setApplicationName(
            QString::fromStdString(texto(idm::geral::Secao, idm::geral::tituloAplicacao)));

        // 5. The windows, the main window first, over the domain objects they share.
        CriarDominio(janelas, ambiente, pasta);
        TformPrincipal::Dependencias dependencias{idiomas,      *janelas.acordes, *janelas.player,
                                                  *janelas.som, mensagens,        abridor,
                                                  configuracao};
        dependencias.entrada = janelas.entrada;
        dependencias.nomeador = janelas.nomeador.get();
        janelas.mensagens = &mensagens;
        janelas.abridor = &abridor;
        janelas.duracaoNotaEscala = ambiente.duracaoNotaEscala.value_or(
            TformAssistenteConfiguracaoDriver::DuracaoNotaEscala);
        janelas.principal = std::make_unique<TformPrincipal>(dependencias);
        LigarJanelaPrincipal(janelas);
        // 6. The splash closes here.
    }

    // 7. The event loop ends when the main window has closed. A song named on the command
    // line opens in the chart window over the main window.
    if (!ambiente.emVezDoLaco) janelas.principal->show();
    if (!ambiente.cancao.empty()) {
        janelas.Cifra().Exibir();
        janelas.Cifra().AbrirArquivo(ambiente.cancao);
    }
    if (ambiente.emVezDoLaco) {
        ambiente.emVezDoLaco(janelas);
    } else {
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
        relatorio = RelatorioExcecao(
            possui, possui ? idiomas->ObterTexto(idm::geral::Secao, idm::geral::erroGeral) : "",
            possui ? idiomas->ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao) : "",
            NomeClasse(e), e.what(), VersaoArquivo());
    } catch (...) {
        relatorio = RelatorioFalhaDesconhecida(VersaoArquivo());
    }
    app.DefinirIdiomas(nullptr, nullptr);
    mensagens.Informar(relatorio.texto, relatorio.titulo);
    return SaidaFalhaInicializacao;
}
