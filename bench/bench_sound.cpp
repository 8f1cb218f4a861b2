// The built-in synthesizer's reaction: samples from a note-on to the first audible sample
// (offline, so the count is the synthesizer's own, free of any audio device), the live output
// buffer, and the time to open the port (the soundfont load). Goals: first sample within 6 ms,
// buffer at most 12 ms, port open in under 300 ms.
#include <benchmark/benchmark.h>

#include <cmath>

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

BENCHMARK_MAIN();
