// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the chord symbol parser and the chord generator over 100,000 common symbols.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Cifra.h"
#include "EntradasBench.h"
#include "GeradorAcordesTeclado.h"

namespace {

const std::vector<std::string>& Simbolos() {
    static const std::vector<std::string> simbolos = [] {
        std::vector<std::string> v;
        std::ifstream f(tastavo_bench::Entrada("symbols_common_100k.txt"));
        for (std::string linha; std::getline(f, linha);) {
            if (!linha.empty() && linha.back() == '\r') linha.pop_back();
            if (!linha.empty()) v.push_back(linha);
        }
        if (v.empty())
            std::cerr << "cannot read " << tastavo_bench::Entrada("symbols_common_100k.txt")
                      << "\n";
        return v;
    }();
    return simbolos;
}

// Parsing the whole file once per iteration.
void BM_AnalisarCifra_100k(benchmark::State& state) {
    const auto& simbolos = Simbolos();
    for (auto _ : state) {
        CifraCodificada soma = 0;
        for (const auto& s : simbolos) soma += AnalisarCifra(s);
        benchmark::DoNotOptimize(soma);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(simbolos.size()));
}
BENCHMARK(BM_AnalisarCifra_100k)->Unit(benchmark::kMillisecond);

// One chord generated (parse, positions, fingering, keyboard form) per iteration.
void BM_GerarAcorde(benchmark::State& state) {
    const auto& simbolos = Simbolos();
    const auto& gerador = GeradorAcordesTeclado::Instancia();
    std::size_t i = 0;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(gerador.GerarAcorde(simbolos[i]));
        } catch (const FormatoInvalidoException&) {
        }
        if (++i == simbolos.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GerarAcorde)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
