// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop application's start as a user meets it: a fresh process runs the real start-up
// (Inicializar, no splash wait) up to the main window shown and painted, then quits. The time
// runs from the spawn to the window; the peak memory is the whole process's (its maximum
// resident set, as `/usr/bin/time -v` reports it).
//
// The same executable is both sides: run with `--janela <configuration file>` it is the
// application; otherwise it is the benchmark that spawns itself. To compare with another build,
// name that build's bench_inicio in TASTAVO_BENCH_INICIO_ANTERIOR: each iteration then runs
// both, one right after the other, and the counters give both medians.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "CaixaMensagem.h"
#include "CapturaTela.h"
#include "Inicializacao.h"
#include "TformPrincipal.h"

extern char** environ;

namespace {

std::int64_t AgoraNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The application side: what main() of the desktop application does, with the windows handed
// back at once instead of the event loop. Writes the moment the window was painted.
int Aplicacao(int argc, char** argv, const char* configuracao) {
    if (qEnvironmentVariableIsEmpty("JACK_NO_START_SERVER")) qputenv("JACK_NO_START_SERVER", "1");
    SilenciarBibliotecas();
    AplicacaoTastavo app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Nothing waits for a user: a message goes to standard error.
    CaixasNoTerminal caixas;
    AmbienteInicializacao ambiente;
    ambiente.configuracao = configuracao;
    ambiente.mensagens = &caixas;
    ambiente.esperaSplashMs = 0;
    std::int64_t mostrada = 0;
    ambiente.emVezDoLaco = [&](JanelasAplicacao& janelas) {
        janelas.principal->show();
        QApplication::processEvents();
        mostrada = AgoraNs();
    };
    Inicializar(app, ambiente);
    if (mostrada == 0) return 1;
    std::printf("%lld\n", static_cast<long long>(mostrada));
    return 0;
}

std::filesystem::path Configuracao() {
    static const std::filesystem::path arquivo = [] {
        const auto caminho = std::filesystem::temp_directory_path() /
                             ("tastavo_bench_inicio_" + std::to_string(::getpid()) + ".ini");
        // A returning user: language chosen, the built-in synthesizer, note names.
        std::ofstream(caminho) << "[geral]\nidioma=English\nplacaSom=0\ninstrumentoTeclado=0\n"
                                  "modoVisualizacao=1\nmouseTocarTeclas=0\n";
        return caminho;
    }();
    return arquivo;
}

struct Medida {
    double ms = -1;      // spawn to painted main window
    double picoMiB = 0;  // the process's maximum resident set
};

Medida Rodar(const std::string& programa) {
    const std::string config = Configuracao().string();
    std::vector<char*> argv{const_cast<char*>(programa.c_str()), const_cast<char*>("--janela"),
                            const_cast<char*>(config.c_str()), nullptr};
    int tubo[2];
    if (::pipe(tubo) != 0) return {};
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_adddup2(&acoes, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&acoes, tubo[0]);
    posix_spawn_file_actions_addopen(&acoes, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> variaveis;
    for (char** e = environ; *e; ++e) variaveis.emplace_back(*e);
    if (!std::getenv("QT_QPA_PLATFORM")) variaveis.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& v : variaveis) envp.push_back(v.data());
    envp.push_back(nullptr);
    const std::int64_t inicio = AgoraNs();
    pid_t pid = 0;
    const int erro = posix_spawn(&pid, programa.c_str(), &acoes, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&acoes);
    ::close(tubo[1]);
    std::string saida;
    char buffer[64];
    for (ssize_t n; erro == 0 && (n = ::read(tubo[0], buffer, sizeof buffer)) > 0;)
        saida.append(buffer, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    if (erro != 0) return {};
    int estado = 0;
    rusage uso{};
    if (::wait4(pid, &estado, 0, &uso) != pid || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        return {};
    Medida m;
    m.ms = static_cast<double>(std::atoll(saida.c_str()) - inicio) / 1e6;
    m.picoMiB = static_cast<double>(uso.ru_maxrss) / 1024.0;
    return m;
}

double Mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void BM_IniciarAteJanelaPrincipal(benchmark::State& state) {
    const std::string nova = std::filesystem::read_symlink("/proc/self/exe").string();
    const char* anterior = std::getenv("TASTAVO_BENCH_INICIO_ANTERIOR");
    std::vector<double> tempos, picos, temposAnterior, picosAnterior;
    for (auto _ : state) {
        const Medida m = Rodar(nova);
        if (m.ms < 0) {
            state.SkipWithError("start-up failed");
            break;
        }
        state.SetIterationTime(m.ms / 1000.0);
        tempos.push_back(m.ms);
        picos.push_back(m.picoMiB);
        if (anterior && *anterior) {
            const Medida a = Rodar(anterior);
            if (a.ms >= 0) {
                temposAnterior.push_back(a.ms);
                picosAnterior.push_back(a.picoMiB);
            }
        }
    }
    state.counters["median_ms"] = Mediana(tempos);
    state.counters["peak_MiB"] = Mediana(picos);
    if (!temposAnterior.empty()) {
        state.counters["before_median_ms"] = Mediana(temposAnterior);
        state.counters["before_peak_MiB"] = Mediana(picosAnterior);
    }
    std::filesystem::remove(Configuracao());
}
BENCHMARK(BM_IniciarAteJanelaPrincipal)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--janela") == 0) return Aplicacao(argc, argv, argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
