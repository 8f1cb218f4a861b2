// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli's start as a whole process: the commands that make no sound start without the
// audio and MIDI libraries; `devices` loads them from the sound plugin. Each run is spawned
// directly (no shell) with its output thrown away.
//
// To compare with another build, name its tastavo-cli in TASTAVO_BENCH_CLI_ANTERIOR: each
// iteration then runs both, one right after the other, and the counters give both medians.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string CliDestaCompilacao() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "tastavo-cli").string();
}

// Runs `programa` with `argumentos` to its end; its wall time in milliseconds, or -1 when it
// failed.
double Rodar(const std::string& programa, const std::vector<std::string>& argumentos) {
    std::vector<char*> argv{const_cast<char*>(programa.c_str())};
    for (const auto& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acoes, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int erro = posix_spawn(&pid, programa.c_str(), &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    if (erro != 0) return -1;
    int estado = 0;
    if (::waitpid(pid, &estado, 0) != pid || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio)
        .count();
}

double Mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void MedirCli(benchmark::State& state, const std::vector<std::string>& argumentos) {
    const std::string nova = CliDestaCompilacao();
    const char* anterior = std::getenv("TASTAVO_BENCH_CLI_ANTERIOR");
    std::vector<double> tempos, temposAnterior;
    for (auto _ : state) {
        const double t = Rodar(nova, argumentos);
        if (t < 0) {
            state.SkipWithError("tastavo-cli failed");
            return;
        }
        tempos.push_back(t);
        if (anterior && *anterior) {
            state.PauseTiming();
            const double ta = Rodar(anterior, argumentos);
            if (ta >= 0) temposAnterior.push_back(ta);
            state.ResumeTiming();
        }
    }
    state.counters["median_ms"] = Mediana(tempos);
    if (!temposAnterior.empty()) state.counters["before_median_ms"] = Mediana(temposAnterior);
}

void BM_CliParse(benchmark::State& state) { MedirCli(state, {"parse", "C"}); }
BENCHMARK(BM_CliParse)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliDevices(benchmark::State& state) { MedirCli(state, {"devices"}); }
BENCHMARK(BM_CliDevices)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
