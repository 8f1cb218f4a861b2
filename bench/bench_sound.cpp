// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in synthesizer's reaction: samples from a note-on to the first audible sample
// (offline, so the count is the synthesizer's own, free of any audio device), the live output
// buffer, and the time to open the port (the soundfont load). Goals: first sample within 6 ms,
// buffer at most 12 ms, port open in under 300 ms. Then what the application's start costs in
// sound: opening the synthesizer again, listing the devices, and the port's whole start-up
// sequence in a fresh process.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "BackendGravador.h"
#include "Instalacao.h"
#include "MidiOutput.h"
#include "SomSistema.h"
#include "Soundfont.h"

namespace {

// -80 dB full scale: the softest level a listener hears over a quiet room.
constexpr float LimiarAudivel = 1e-4f;

ConfiguracaoSintetizador Offline() {
    ConfiguracaoSintetizador c;
    c.soundfont = LocalizarSoundfont(CandidatosSoundfont(PastaInstalacao())).value_or("");
    c.saida = ConfiguracaoSintetizador::Saida::Offline;
    return c;
}

void BM_PrimeiraAmostraAudivel(benchmark::State& state) {
    const std::shared_ptr<Sintetizador> synth = CriarSintetizador(Offline());
    TMidiOutput porta({synth});
    MidiOutput tocador(&porta);
    tocador.SelecionarDispositivo(0);
    if (porta.Estado() != midioutputState::mosOpen) {
        state.SkipWithError("the built-in synthesizer cannot open (no soundfont?)");
        return;
    }
    tocador.DefinirInstrumento(0);
    constexpr std::size_t Bloco = 16;
    std::size_t amostras = 0, pior = 0;
    std::int64_t notas = 0;
    for (auto _ : state) {
        tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100});
        std::size_t ate = 0;
        for (bool ouvido = false; !ouvido && ate < 48000; ate += Bloco) {
            const auto bloco = synth->Renderizar(Bloco);
            for (std::size_t i = 0; i < bloco.size() && !ouvido; ++i)
                if (std::abs(bloco[i]) >= LimiarAudivel) {
                    ouvido = true;
                    ate += i;
                }
        }
        ate -= Bloco;
        state.PauseTiming();
        tocador.DesligarNota(60);
        porta.PutShort(0xB0, 120, 0);  // all sound off: the next note starts from silence
        synth->Renderizar(64);
        state.ResumeTiming();
        amostras += ate;
        pior = std::max(pior, ate);
        ++notas;
    }
    const double taxa = synth->TaxaAmostragem();
    state.counters["first_sample_samples"] = double(amostras) / double(notas);
    state.counters["first_sample_ms"] = 1000.0 * double(amostras) / double(notas) / taxa;
    state.counters["first_sample_worst_ms"] = 1000.0 * double(pior) / taxa;
    state.counters["output_buffer_ms"] = ConfiguracaoSintetizador{}.DuracaoBufferMs();
}
BENCHMARK(BM_PrimeiraAmostraAudivel)->Unit(benchmark::kMicrosecond);

void BM_AbrirSintetizador(benchmark::State& state) {
    for (auto _ : state) {
        TMidiOutput porta({CriarSintetizador(Offline())});
        porta.SetDeviceID(0);
        if (!porta.Open()) {
            state.SkipWithError("the built-in synthesizer cannot open (no soundfont?)");
            return;
        }
        state.PauseTiming();
        porta.Close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AbrirSintetizador)->Unit(benchmark::kMillisecond);

// Closing and selecting the synthesizer again, as the settings window and the main window do
// at start: it stays set up, so this costs no soundfont load.
void BM_ReabrirSintetizador(benchmark::State& state) {
    TMidiOutput porta({CriarSintetizador(Offline())});
    MidiOutput tocador(&porta);
    tocador.SelecionarDispositivo(0);
    if (porta.Estado() != midioutputState::mosOpen) {
        state.SkipWithError("the built-in synthesizer cannot open (no soundfont?)");
        return;
    }
    for (auto _ : state) {
        tocador.SelecionarDispositivo(0);
        tocador.DefinirInstrumento(24);
    }
}
BENCHMARK(BM_ReabrirSintetizador)->Unit(benchmark::kMicrosecond);

// One listing of the system's devices (the synthesizer, the MIDI services' ports) through the
// player, on a port that has selected device 0: what the settings window and the wizard show.
void BM_ListarDispositivosSistema(benchmark::State& state) {
    TMidiOutput porta(CriarFonteDispositivosSistema(PastaInstalacao()));
    MidiOutput tocador(&porta);
    try {
        tocador.SelecionarDispositivo(0);
    } catch (const MidiDesabilitadoException&) {
    }
    for (auto _ : state) benchmark::DoNotOptimize(tocador.ListarDispositivos());
}
BENCHMARK(BM_ListarDispositivosSistema)->Unit(benchmark::kMicrosecond);

// The desktop application's sound at start, on the port over the system's devices: the main
// window selects the first device, the settings window applies the stored device and
// instrument, the wizard lists the devices, the main window's first showing applies the
// settings again.
void SomDoInicio() {
    TMidiOutput porta(CriarFonteDispositivosSistema(PastaInstalacao()));
    MidiOutput tocador(&porta);
    const auto aplicar = [&] {
        try {
            tocador.SelecionarDispositivo(0);
            tocador.DefinirInstrumento(24);
        } catch (const MidiDesabilitadoException&) {
        }
    };
    try {
        tocador.SelecionarPrimeiroDispositivo();
    } catch (const MidiDesabilitadoException&) {
    }
    aplicar();
    benchmark::DoNotOptimize(tocador.ListarDispositivos());
    aplicar();
}

// The argument that makes this program run SomDoInicio once, as a fresh process, and print its
// wall and CPU time in milliseconds.
constexpr const char* ArgumentoFilho = "--som-do-inicio";

int ExecutarFilho() {
    timespec cpu0{}, cpu1{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
    const auto inicio = std::chrono::steady_clock::now();
    SomDoInicio();
    const double parede =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio)
            .count();
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
    const double cpu =
        1e3 * double(cpu1.tv_sec - cpu0.tv_sec) + 1e-6 * double(cpu1.tv_nsec - cpu0.tv_nsec);
    std::printf("%f %f\n", parede, cpu);
    std::fflush(stdout);
    ::_exit(0);  // the start is measured, not the shutdown
}

// SomDoInicio in a new process each time (not a fork: FluidSynth loads soundfonts with OpenMP,
// whose threads do not survive a fork), so that every run starts as a new application does,
// with no synthesizer set up yet. The counters are the medians of the child's own timing, free
// of the process's start.
void BM_SomDoInicio(benchmark::State& state) {
    const std::string programa = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<double> paredes, cpus;
    for (auto _ : state) {
        FILE* filho = ::popen(("'" + programa + "' " + ArgumentoFilho).c_str(), "r");
        double parede = -1, cpu = -1;
        const bool lido = filho && std::fscanf(filho, "%lf %lf", &parede, &cpu) == 2;
        if (!filho || ::pclose(filho) != 0 || !lido) {
            state.SkipWithError("the child process failed");
            return;
        }
        paredes.push_back(parede);
        cpus.push_back(cpu);
    }
    const auto mediana = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    state.counters["work_median_ms"] = mediana(paredes);
    state.counters["work_cpu_median_ms"] = mediana(cpus);
}
BENCHMARK(BM_SomDoInicio)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MensagemCurta(benchmark::State& state) {
    auto gravador = std::make_shared<BackendGravador>();
    TMidiOutput porta({gravador});
    porta.SetDeviceID(0);
    porta.Open();
    MidiOutput tocador(&porta);
    for (auto _ : state) {
        tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100});
        if (gravador->Mensagens().size() > 4096) {
            state.PauseTiming();
            gravador->LimparMensagens();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MensagemCurta);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == ArgumentoFilho) return ExecutarFilho();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
