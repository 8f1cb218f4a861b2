// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up, the one composition root: it owns the language manager, the catalogue, the chord
// manager, the MIDI port and player, the sound settings and the print manager, hands each window
// what it uses through its constructor, and binds the class-level Instancia façades while they
// live. Then the 96 pixels-per-inch rule, the splash, the windows in their order, the event loop;
// and the report of whatever escapes.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "Fachada.h"

class AbridorDesktop;
class AplicacaoTastavo;
class BaseNomesAcordes;
class CaixasMensagem;
class FabricaPaginasQImage;
class ConfiguracaoSom;
class GerenciadorAcordes;
class GerenciadorImpressao;
class GerenciadorIdiomas;
class InteracaoIdiomas;
class MidiOutput;
class NomeadorAcordes;
class TMidiInput;
class TMidiOutput;
class TformAssistenteConfiguracaoDriver;
class TformAviso;
class TformImportarCifra;
class TformImpressao;
class TformPrincipal;
class TformSetup;
class TformVisualizarImpressao;

// What start-up built, created once and destroyed together, windows first. Only the main
// window exists from the start; every other window is made the first time it is used,
// through its accessor, and then lives until the end.
struct JanelasAplicacao {
    GerenciadorIdiomas* idiomas = nullptr;
    std::unique_ptr<BaseNomesAcordes> catalogo;
    std::unique_ptr<GerenciadorAcordes> acordes;
    std::unique_ptr<TMidiOutput> portaPropria;
    TMidiOutput* porta = nullptr;
    std::unique_ptr<MidiOutput> player;
    std::unique_ptr<TMidiInput> entradaPropria;
    TMidiInput* entrada = nullptr;
    std::unique_ptr<NomeadorAcordes> nomeador;
    std::unique_ptr<ConfiguracaoSom> som;
    std::unique_ptr<FabricaPaginasQImage> paginasImpressao;
    std::unique_ptr<GerenciadorImpressao> impressao;

    std::optional<Fachada<BaseNomesAcordes>::Vinculo> vinculoCatalogo;
    std::optional<Fachada<GerenciadorAcordes>::Vinculo> vinculoAcordes;
    std::optional<Fachada<MidiOutput>::Vinculo> vinculoPlayer;
    std::optional<Fachada<ConfiguracaoSom>::Vinculo> vinculoSom;
    std::optional<Fachada<GerenciadorImpressao>::Vinculo> vinculoImpressao;

    std::unique_ptr<TformPrincipal> principal;
    std::unique_ptr<TformSetup> setup;
    std::unique_ptr<TformAviso> aviso;
    std::unique_ptr<TformImportarCifra> cifra;
    std::unique_ptr<TformAssistenteConfiguracaoDriver> assistente;
    std::unique_ptr<TformImpressao> opcoesImpressao;
    std::unique_ptr<TformVisualizarImpressao> visualizarImpressao;

    // What the later windows are made with (set by start-up; not owned).
    CaixasMensagem* mensagens = nullptr;
    AbridorDesktop* abridor = nullptr;
    std::chrono::milliseconds duracaoNotaEscala{0};

    // Each window, made on first use.
    TformSetup& Setup();
    TformAviso& Aviso();
    TformImportarCifra& Cifra();
    TformAssistenteConfiguracaoDriver& Assistente();
    TformImpressao& OpcoesImpressao();
    TformVisualizarImpressao& VisualizarImpressao();

    JanelasAplicacao();
    ~JanelasAplicacao();
};

// The boundary of the application: where it is installed and what it talks to. Every pointer
// is optional (not owned); a test puts its doubles here.
struct AmbienteInicializacao {
    std::filesystem::path pasta;            // installation folder (default: the executable's)
    std::filesystem::path configuracao;     // configuration file (default: the installation's)
    GerenciadorIdiomas* idiomas = nullptr;  // default: a manager over the installation folder
    InteracaoIdiomas* interacaoIdiomas = nullptr;  // default: the language list window
    CaixasMensagem* mensagens = nullptr;           // default: the real message boxes
    AbridorDesktop* abridor = nullptr;             // default: the desktop's handlers
    TMidiOutput* porta = nullptr;                  // default: a port over the system's devices
    TMidiInput* entrada = nullptr;              // default: an input port over the system's inputs
    std::function<double()> pontosPorPolegada;  // default: the primary screen's logical value
    int esperaSplashMs = 1000;
    std::optional<std::chrono::milliseconds> duracaoNotaEscala;  // default: the driver wizard's own
    // A song to open in the chord chart window at start-up (`tastavo FILE`); empty for none.
    std::filesystem::path cancao;
    // Called with the windows once created, in place of running the event loop (tests).
    std::function<void(JanelasAplicacao&)> emVezDoLaco;
};

// The process's exit status when the application could not start (no language, a screen it
// cannot use, a failure reported at start-up), so that whatever launched it can tell.
inline constexpr int SaidaFalhaInicializacao = 1;

// Steps 1 to 8; returns the entry point's result: 0 after a normal end, else
// SaidaFalhaInicializacao. Failures escape to the caller.
int Inicializar(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente);

// The whole entry point: Inicializar with the start-up error report around it; returns its
// result, or SaidaFalhaInicializacao after the report.
int ExecutarAplicacao(AplicacaoTastavo& app, const AmbienteInicializacao& ambiente);
