// SPDX-License-Identifier: GPL-3.0-or-later
// Naming chords from their notes with the shipped catalogue.
#include <benchmark/benchmark.h>

#include <bit>

#include "EntradasBench.h"
#include "LeituraArquivo.h"
#include "NomeadorAcordes.h"

namespace {

const std::vector<std::string>& Catalogo() {
    static const std::vector<std::string> nomes =
        LerLinhasArquivoTexto(tastavo_bench::PastaPrograma() + "/acordes.txt");
    return nomes;
}

// Goal: every set of two to five of the 12 pitch classes, over each of its notes (6,732
// questions), named in under a second in total.
void BM_NomearTodosOsConjuntos(benchmark::State& state) {
    const NomeadorAcordes nomeador(Catalogo());
    std::int64_t consultas = 0;
    for (auto _ : state) {
        for (unsigned classes = 1; classes < 4096; ++classes) {
            const int n = std::popcount(classes);
            if (n < 2 || n > 5) continue;
            for (ClasseAltura baixo = 0; baixo < 12; ++baixo) {
                if (((classes >> baixo) & 1u) == 0) continue;
                benchmark::DoNotOptimize(
                    nomeador.Nomear(static_cast<ConjuntoClasses>(classes), baixo));
                ++consultas;
            }
        }
    }
    state.SetItemsProcessed(consultas);
}
BENCHMARK(BM_NomearTodosOsConjuntos)->Unit(benchmark::kMillisecond);

// The live naming of a chord played on a MIDI keyboard: the best name alone, in place (no heap),
// over the same 6,732 questions.
void BM_MelhorNomeTodosOsConjuntos(benchmark::State& state) {
    const NomeadorAcordes nomeador(Catalogo());
    std::int64_t consultas = 0;
    NomeAcordeFixo nome;
    for (auto _ : state) {
        for (unsigned classes = 1; classes < 4096; ++classes) {
            const int n = std::popcount(classes);
            if (n < 2 || n > 5) continue;
            for (ClasseAltura baixo = 0; baixo < 12; ++baixo) {
                if (((classes >> baixo) & 1u) == 0) continue;
                benchmark::DoNotOptimize(
                    nomeador.MelhorNome(static_cast<ConjuntoClasses>(classes), baixo, nome));
                ++consultas;
            }
        }
    }
    state.SetItemsProcessed(consultas);
}
BENCHMARK(BM_MelhorNomeTodosOsConjuntos)->Unit(benchmark::kMillisecond);

// What `tastavo-cli name` pays before its first answer: the engine built from the catalogue.
void BM_CriarNomeador(benchmark::State& state) {
    for (auto _ : state) {
        NomeadorAcordes nomeador(Catalogo());
        benchmark::DoNotOptimize(&nomeador);
    }
}
BENCHMARK(BM_CriarNomeador)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
