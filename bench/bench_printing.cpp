// SPDX-License-Identifier: GPL-3.0-or-later
// The page layout: the preview's render at 300 % of a ten-page document, a page switch from
// the kept images, and the whole `tastavo-cli print` run of a long chart into a PDF.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "EntradasBench.h"
#include "AcordesParaImpressao.h"
#include "ColecaoAcordeImpressao.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorImpressao.h"
#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "TransposicaoCifra.h"
#include "PaginasQImage.h"
#include "TelaRegistro.h"

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
    for (const std::string& c : PrimeirasOcorrencias(AcordesParaImpressao(ColetarAcordes(linhas), construivel))) {
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

// The whole tool run, start-up included: tastavo-cli print -o song.pdf chart_20k.txt.
void BM_CliPrintPdf_20k(benchmark::State& state) {
    const std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() /
                                      ("tastavo_bench_" + std::to_string(getpid()) + ".pdf");
    const std::string comando = "'" + (bin / "tastavo-cli").string() + "' print -o '" +
                                pdf.string() + "' '" + CaminhoCifra + "'";
    for (auto _ : state) {
        if (std::system(comando.c_str()) != 0) {
            state.SkipWithError("tastavo-cli failed");
            break;
        }
    }
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_CliPrintPdf_20k)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
