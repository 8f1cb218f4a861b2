// SPDX-License-Identifier: GPL-3.0-or-later
// Chord chart analysis and transposition over a chart of 21,253 lines with Portuguese lyrics.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "AcordesParaImpressao.h"
#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "ColecaoAcordeImpressao.h"
#include "EntradasBench.h"
#include "GeradorAcordesTeclado.h"
#include "TransposicaoCifra.h"

namespace {

const std::string CaminhoCifra = tastavo_bench::Entrada("chart_20k.txt");

const std::string& TextoCifra() {
    static const std::string texto = [] {
        std::ifstream f(CaminhoCifra, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        if (s.str().empty()) std::cerr << "cannot read " << CaminhoCifra << "\n";
        return s.str();
    }();
    return texto;
}

const std::vector<std::string>& LinhasCifra() {
    static const std::vector<std::string> linhas = DividirLinhas(TextoCifra());
    return linhas;
}

void Contar(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(LinhasCifra().size()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(TextoCifra().size()));
}

// As the chord chart window does it: its lines in, the new lines out.
void BM_TransporLinhas_20k(benchmark::State& state) {
    const auto& linhas = LinhasCifra();
    for (auto _ : state)
        benchmark::DoNotOptimize(TransporLinhas(linhas, "2", SentidoTransposicao::Acima));
    Contar(state);
}
BENCHMARK(BM_TransporLinhas_20k)->Unit(benchmark::kMillisecond);

// Text in, text out, line ends kept, as the command-line tool does it.
void BM_TransporTexto_20k(benchmark::State& state) {
    const auto& texto = TextoCifra();
    for (auto _ : state)
        benchmark::DoNotOptimize(TransporTexto(texto, 2, SentidoTransposicao::Acima));
    Contar(state);
}
BENCHMARK(BM_TransporTexto_20k)->Unit(benchmark::kMillisecond);

// The same with chords spelled as the transposed key is written: one more pass to find the key.
void BM_TransporTextoGrafiaTom_20k(benchmark::State& state) {
    const auto& texto = TextoCifra();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            TransporTexto(texto, 2, SentidoTransposicao::Acima, GrafiaTransposicao::Tom));
    }
    Contar(state);
}
BENCHMARK(BM_TransporTextoGrafiaTom_20k)->Unit(benchmark::kMillisecond);

void BM_ColetarAcordes_20k(benchmark::State& state) {
    const auto& linhas = LinhasCifra();
    for (auto _ : state) benchmark::DoNotOptimize(ColetarAcordes(linhas));
    Contar(state);
}
BENCHMARK(BM_ColetarAcordes_20k)->Unit(benchmark::kMillisecond);

// Collection with the chords built as the print list asks, every occurrence and first only.
void BM_AcordesParaImpressao_20k(benchmark::State& state) {
    const auto& linhas = LinhasCifra();
    const bool repeticao = state.range(0) != 0;
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    const auto construivel = [&gerador](std::string_view c) { return gerador.PodeGerar(c); };
    for (auto _ : state) {
        auto acordes = AcordesParaImpressao(ColetarAcordes(linhas), construivel);
        if (!repeticao) acordes = PrimeirasOcorrencias(acordes);
        benchmark::DoNotOptimize(acordes);
    }
    Contar(state);
}
BENCHMARK(BM_AcordesParaImpressao_20k)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The whole tool run, start-up included: tastavo-cli transpose --up 2 chart_20k.txt.
void BM_CliTranspose_20k(benchmark::State& state) {
    const std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string comando = "'" + (bin / "tastavo-cli").string() + "' transpose --up 2 '" +
                                CaminhoCifra + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(comando.c_str()) != 0) {
            state.SkipWithError("tastavo-cli failed");
            break;
        }
    }
    Contar(state);
}
BENCHMARK(BM_CliTranspose_20k)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
