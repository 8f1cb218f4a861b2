#pragma once
// Start-up: the language, the 96 pixels-per-inch rule, the splash, the windows in their
// order, the event loop; and the report of whatever escapes it.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class AplicacaoTastavo;
class GerenciadorAcordes;
class GerenciadorIdiomas;
class TMidiOutput;
class TformAssistenteConfiguracaoDriver;
class TformAviso;
class TformPrincipal;
class TformSetup;

// The application's windows, created once and destroyed together.
struct JanelasAplicacao {
    std::unique_ptr<TformPrincipal> principal;
    std::unique_ptr<TformSetup> setup;
    std::unique_ptr<TformAviso> aviso;
    std::unique_ptr<TformAssistenteConfiguracaoDriver> assistente;
    ~JanelasAplicacao();
};

struct AmbienteInicializacao {
    std::filesystem::path pasta;                    // installation folder (default: the executable's)
    std::filesystem::path configuracao;             // configuration file (default: the installation's)
    GerenciadorIdiomas* idiomas = nullptr;          // default: the process-wide manager
    GerenciadorAcordes* acordes = nullptr;          // default: the process-wide manager
    TMidiOutput* porta = nullptr;                   // default: the main window's own port
    std::function<double()> pontosPorPolegada;      // default: the primary screen's logical value
    int esperaSplashMs = 1000;
    std::optional<std::chrono::milliseconds> duracaoNotaEscala;  // default: the driver wizard's own
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
