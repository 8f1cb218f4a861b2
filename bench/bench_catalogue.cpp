// SPDX-License-Identifier: GPL-3.0-or-later
// The chord names catalogue and the chord manager over the shipped catalogue and 100,000
// common symbols.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iostream>

#include "BaseNomesAcordes.h"
#include "EntradasBench.h"
#include "GerenciadorAcordes.h"
#include "Instalacao.h"
#include "LeituraArquivo.h"

namespace {

const std::filesystem::path& ArquivoCatalogo() {
    static const auto arquivo = PastaInstalacao() / "acordes.txt";
    return arquivo;
}

const std::vector<std::string>& Simbolos() {
    static const std::vector<std::string> simbolos = [] {
        auto v = LerLinhasArquivoTexto(tastavo_bench::Entrada("symbols_common_100k.txt"));
        if (v.empty())
            std::cerr << "cannot read " << tastavo_bench::Entrada("symbols_common_100k.txt")
                      << "\n";
        return v;
    }();
    return simbolos;
}

// Start-up cost: reading, parsing and sorting the shipped catalogue.
void BM_CarregarCatalogo(benchmark::State& state) {
    for (auto _ : state) {
        BaseNomesAcordes base(ArquivoCatalogo());
        benchmark::DoNotOptimize(base.Quantidade());
    }
}
BENCHMARK(BM_CarregarCatalogo)->Unit(benchmark::kMicrosecond);

// Looking every common symbol up by meaning in the shipped catalogue.
void BM_Procurar_100k(benchmark::State& state) {
    const BaseNomesAcordes base(ArquivoCatalogo());
    const auto& simbolos = Simbolos();
    for (auto _ : state) {
        int achados = 0;
        for (const auto& s : simbolos) achados += base.Procurar(s) >= 0;
        benchmark::DoNotOptimize(achados);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(simbolos.size()));
}
BENCHMARK(BM_Procurar_100k)->Unit(benchmark::kMillisecond);

// Sorting 100,000 names in catalogue order.
void BM_OrdenarNomes_100k(benchmark::State& state) {
    const auto& simbolos = Simbolos();
    for (auto _ : state) {
        auto nomes = simbolos;
        std::sort(nomes.begin(), nomes.end(), [](const std::string& a, const std::string& b) {
            return BaseNomesAcordes::CompararNomes(a, b) < 0;
        });
        benchmark::DoNotOptimize(nomes.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(simbolos.size()));
}
BENCHMARK(BM_OrdenarNomes_100k)->Unit(benchmark::kMillisecond);

// What the main window does on every chord entry: look up, generate, keep the catalogue in step.
void BM_ProcurarAcorde_100k(benchmark::State& state) {
    const auto& simbolos = Simbolos();
    for (auto _ : state) {
        state.PauseTiming();
        BaseNomesAcordes base(ArquivoCatalogo());
        GerenciadorAcordes gerenciador(base, GeradorAcordesTeclado::Instancia());
        state.ResumeTiming();
        for (const auto& s : simbolos) {
            try {
                benchmark::DoNotOptimize(&gerenciador.ProcurarAcorde(s));
            } catch (const std::exception&) {
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(simbolos.size()));
}
BENCHMARK(BM_ProcurarAcorde_100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
