// SPDX-License-Identifier: GPL-3.0-or-later
// Language files: parsing the shipped language, looking texts up, reading a picture.
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <fstream>

#include "ChavesIdioma.h"
#include "Idioma.h"
#include "Instalacao.h"

namespace {

void BM_LerIdioma(benchmark::State& state) {
    const auto pasta = PastaInstalacao();
    for (auto _ : state) {
        Idioma idioma(pasta, "portugues.idm", "portugues.dat");
        benchmark::DoNotOptimize(idioma.Entradas().size());
    }
}
BENCHMARK(BM_LerIdioma)->Unit(benchmark::kMicrosecond);

// A window's texts: the last section's keys are the slowest to reach with a linear scan.
void BM_ObterTexto(benchmark::State& state) {
    const Idioma idioma(PastaInstalacao(), "portugues.idm", "portugues.dat");
    for (auto _ : state) {
        benchmark::DoNotOptimize(idioma.ObterTexto(idm::fmVisualizarImpressao::Secao,
                                                   idm::fmVisualizarImpressao::btnImprimir));
        benchmark::DoNotOptimize(idioma.ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ObterTexto);

// The splash picture's size, 250 x 250, read and decoded from a picture file.
void BM_ObterImagem(benchmark::State& state) {
    const auto pasta = std::filesystem::temp_directory_path() / "tastavo-bench-imagem";
    std::filesystem::create_directories(pasta);
    std::vector<unsigned char> rgb(250 * 250 * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<unsigned char>(i * 7);
    tjhandle tj = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long tamanho = 0;
    tjCompress2(tj, rgb.data(), 250, 0, 250, TJPF_RGB, &jpeg, &tamanho, TJSAMP_420, 90, 0);
    std::ofstream(pasta / "b.dat", std::ios::binary)
        .write(reinterpret_cast<char*>(jpeg), static_cast<std::streamsize>(tamanho));
    std::ofstream(pasta / "b.idm") << "[fmEntrada]\nimgEntrada=0," << tamanho << "\n";
    tjFree(jpeg);
    tjDestroy(tj);

    Idioma idioma(pasta, "b.idm", "b.dat");
    for (auto _ : state) {
        auto imagem = idioma.ObterImagem(idm::fmEntrada::Secao, idm::fmEntrada::imgEntrada);
        if (!imagem) state.SkipWithError("picture not decoded");
        benchmark::DoNotOptimize(imagem);
    }
    std::filesystem::remove_all(pasta);
}
BENCHMARK(BM_ObterImagem)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
