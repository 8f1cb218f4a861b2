// SPDX-License-Identifier: GPL-3.0-or-later
// The page layout: the preview's render at 300 % of a ten-page document, a page switch (the
// page painted from its drawing unless it is one of the few kept), the whole `tastavo-cli
// print` run of a long chart into a PDF and into PNG pages, and the peak memory of those runs
// and of previewing that chart.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "AcordesParaImpressao.h"
#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "ColecaoAcordeImpressao.h"
#include "EntradasBench.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorImpressao.h"
#include "PaginasQImage.h"
#include "TelaRegistro.h"
#include "TransposicaoCifra.h"

namespace {

const std::string CaminhoCifra = tastavo_bench::Entrada("chart_20k.txt");
const TextosCabecalho Textos{"Corvela Tastavo", "https://www.corvela.example/"};
// An A4 page at 300 dpi, as the command-line tool prints it.
constexpr TamanhoPagina PaginaA4{2479, 3508};

const std::vector<std::string>& LinhasCifra() {
    static const std::vector<std::string> linhas = [] {
        std::ifstream f(CaminhoCifra, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        if (s.str().empty()) std::cerr << "cannot read " << CaminhoCifra << "\n";
        return DividirLinhas(s.str());
    }();
    return linhas;
}

// The first `n` lines of the long chart with their chords, as the chart window prints them.
MusicaImpressao Musica(std::size_t n) {
    const std::vector<std::string> linhas(LinhasCifra().begin(),
                                          LinhasCifra().begin() + static_cast<long>(n));
    MusicaImpressao musica;
    for (const std::string& l : linhas) musica.textoCifra += l + "\n";
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    const auto construivel = [&gerador](std::string_view c) { return gerador.PodeGerar(c); };
    for (const std::string& c :
         PrimeirasOcorrencias(AcordesParaImpressao(ColetarAcordes(linhas), construivel))) {
        musica.acordes.Adicionar(
            AcordeImpressao(c, GeradorAcordesTeclado::Instancia().GerarAcorde(c)->Posicao(0)));
    }
    return musica;
}

// A document of exactly ten pages: the longest start of the chart that still fits them.
const MusicaImpressao& DezPaginas() {
    static const MusicaImpressao musica = [] {
        MedidorTextoQt medidor;
        auto paginas = [&medidor](std::size_t n) {
            FabricaPaginasRegistro fabrica(&medidor);
            GerenciadorImpressao g(Textos, &fabrica);
            g.DefinirTamanhoImpressora([] { return PaginaA4; });
            const MusicaImpressao m = Musica(n);
            g.Visualizar(ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Dedos, 1, 300,
                         {&m, 1});
            return g.QuantidadePaginas();
        };
        std::size_t baixo = 1, alto = 2000;
        while (baixo + 1 < alto) {
            const std::size_t meio = (baixo + alto) / 2;
            (paginas(meio) <= 10 ? baixo : alto) = meio;
        }
        return Musica(baixo);
    }();
    return musica;
}

// The preview window's side: draws the kept page into its own picture.
struct ExibicaoCopia : ExibicaoPagina {
    void ExibirPagina(const PaginaImagem& pagina, int largura, int altura, int) override {
        if (tela.width() != largura || tela.height() != altura) {
            tela = QImage(largura, altura, QImage::Format_RGB32);
        }
        QPainter pintor(&tela);
        pintor.drawImage(0, 0, *ImagemDaPagina(pagina));
    }
    QImage tela;
};

void BM_Visualizar300_10Paginas(benchmark::State& state) {
    const MusicaImpressao& musica = DezPaginas();
    FabricaPaginasQImage fabrica;
    ExibicaoCopia exibicao;
    GerenciadorImpressao g(Textos, &fabrica);
    g.DefinirExibicao(&exibicao);
    g.DefinirTamanhoImpressora([] { return PaginaA4; });
    for (auto _ : state) {
        g.Visualizar(ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Notas, 1, 300,
                     {&musica, 1});
    }
    if (g.QuantidadePaginas() != 10) state.SkipWithError("not ten pages");
    state.counters["pages"] = g.QuantidadePaginas();
}
BENCHMARK(BM_Visualizar300_10Paginas)->Unit(benchmark::kMillisecond);

void BM_TrocarPagina300(benchmark::State& state) {
    const MusicaImpressao& musica = DezPaginas();
    FabricaPaginasQImage fabrica;
    ExibicaoCopia exibicao;
    GerenciadorImpressao g(Textos, &fabrica);
    g.DefinirExibicao(&exibicao);
    g.DefinirTamanhoImpressora([] { return PaginaA4; });
    g.Visualizar(ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Notas, 1, 300, {&musica, 1});
    int pagina = 0;
    for (auto _ : state) {
        g.MostrarPagina(pagina % 10 + 1, 300);
        ++pagina;
    }
}
BENCHMARK(BM_TrocarPagina300)->Unit(benchmark::kMicrosecond);

// This process's resident memory in MiB.
double MemoriaResidente() {
    std::ifstream status("/proc/self/status");
    std::string linha;
    while (std::getline(status, linha)) {
        if (linha.rfind("VmRSS:", 0) == 0) return std::stod(linha.substr(6)) / 1024.0;
    }
    return 0;
}

// Runs `corpo` in a child process and returns the child's peak resident memory in MiB, or a
// negative value when it failed. The kernel counts the memory the child shared with this
// process at the fork (even across an exec): a peak below MemoriaResidente() here is hidden,
// so every benchmark also reports that figure (bench_MiB); `/usr/bin/time -f %M` gives a
// tool run's own peak.
double PicoMemoriaFilho(const std::function<int()>& corpo) {
    const pid_t filho = fork();
    if (filho < 0) return -1;
    if (filho == 0) _exit(corpo());
    int estado = 0;
    rusage uso{};
    if (wait4(filho, &estado, 0, &uso) != filho || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        return -1;
    return static_cast<double>(uso.ru_maxrss) / 1024.0;  // KiB on Linux
}

std::filesystem::path PastaBinarios() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// The whole tool run, start-up included: tastavo-cli print [--format FORMAT] -o OUT
// chart_20k.txt, with the peak memory of the last run.
void CliPrint20k(benchmark::State& state, const std::string& formato) {
    const std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("tastavo_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(pasta);
    const std::string tastavo = (PastaBinarios() / "tastavo-cli").string();
    const std::string saida = (pasta / ("song." + formato)).string();
    const auto executar = [&] {
        execl(tastavo.c_str(), tastavo.c_str(), "print", "--format", formato.c_str(), "-o",
              saida.c_str(), CaminhoCifra.c_str(), static_cast<char*>(nullptr));
        return 127;
    };
    double pico = 0;
    for (auto _ : state) {
        pico = PicoMemoriaFilho(executar);
        if (pico < 0) {
            state.SkipWithError("tastavo-cli failed");
            break;
        }
    }
    state.counters["peak_MiB"] = pico;
    state.counters["bench_MiB"] = MemoriaResidente();
    std::filesystem::remove_all(pasta);
}
void BM_CliPrintPdf_20k(benchmark::State& state) { CliPrint20k(state, "pdf"); }
BENCHMARK(BM_CliPrintPdf_20k)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
void BM_CliPrintPng_20k(benchmark::State& state) { CliPrint20k(state, "png"); }
BENCHMARK(BM_CliPrintPng_20k)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The preview of the whole long chart at 100 %, every page shown once, in a child process:
// its peak memory, which follows the drawing, not the pages' pixels.
void BM_Visualizar100_20k_Pico(benchmark::State& state) {
    double pico = 0;
    for (auto _ : state) {
        pico = PicoMemoriaFilho([&] {
            const MusicaImpressao musica = Musica(LinhasCifra().size());
            FabricaPaginasQImage fabrica;
            ExibicaoCopia exibicao;
            GerenciadorImpressao g(Textos, &fabrica);
            g.DefinirExibicao(&exibicao);
            g.DefinirTamanhoImpressora([] { return PaginaA4; });
            g.Visualizar(ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Dedos, 1, 100,
                         std::span<const MusicaImpressao>(&musica, 1));
            for (int p = 2; p <= g.QuantidadePaginas(); ++p) g.MostrarPagina(p, 100);
            return g.QuantidadePaginas() > 100 ? 0 : 1;
        });
        if (pico < 0) {
            state.SkipWithError("the preview failed");
            break;
        }
    }
    state.counters["peak_MiB"] = pico;
    state.counters["bench_MiB"] = MemoriaResidente();
}
BENCHMARK(BM_Visualizar100_20k_Pico)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
