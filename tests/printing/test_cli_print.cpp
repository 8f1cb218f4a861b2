// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli print, run as a user runs it: PDF, PNG pages and the JSON drawing of real
// chart files, set lists, the chords given on the command line and the ones that fail.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "../cli/ExecutarCli.h"
#include "CaminhosTeste.h"
#include "Sanitizador.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

const std::string Dados = tastavo_teste::DadosTeste();

std::string Comando(const std::string& comando) {
    std::string saida;
    FILE* p = popen(comando.c_str(), "r");
    if (p == nullptr) return saida;
    char b[4096];
    std::size_t n;
    while ((n = fread(b, 1, sizeof b, p)) > 0) saida.append(b, n);
    pclose(p);
    return saida;
}

std::string Ler(const fs::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

class CliPrint : public testing::Test {
  protected:
    void SetUp() override {
        pasta_ = fs::path(testing::TempDir()) / ("tastavo_cli_print_" + std::to_string(getpid()));
        fs::create_directories(pasta_);
    }
    void TearDown() override { fs::remove_all(pasta_); }

    struct Execucao {
        int status;
        std::string saida;
        std::string erros;
    };
    Execucao Executar(const std::string& argumentos) {
        const fs::path erros = pasta_ / "erros.txt";
        const ResultadoCli r = ExecutarCli("print " + argumentos, erros.string());
        return {r.status, r.saida, Ler(erros)};
    }
    std::string Saida(const std::string& nome) const {
        return "'" + (pasta_ / nome).string() + "'";
    }
    static std::string Musica(const std::string& nome) { return "'" + Dados + "/" + nome + "'"; }

    // The text operations of a page of a JSON drawing written with `face`.
    static std::vector<json> Textos(const json& pagina, const std::string& face) {
        std::vector<json> ops;
        for (const json& op : pagina)
            if (op["op"] == "text" && op["face"] == face) ops.push_back(op);
        return ops;
    }

    fs::path pasta_;
};

TEST_F(CliPrint, PdfDeUmaMusicaComCabecalhoCifraEDiagramas) {
    const auto e = Executar("-o " + Saida("musica.pdf") + " " + Musica("musica.txt"));
    ASSERT_EQ(e.status, 0) << e.erros;
    const std::string info = Comando("pdfinfo " + Saida("musica.pdf"));
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("A4"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Corvela Tastavo"), std::string::npos) << info;
}

TEST_F(CliPrint, JsonDaImpressaoEDaVisualizacao) {
    // A print run on the A4 page at 300 dpi: measures of a 2479-unit page.
    const auto e = Executar("--format json -o - " + Musica("musica.txt"));
    ASSERT_EQ(e.status, 0) << e.erros;
    const json d = json::parse(e.saida);
    EXPECT_EQ(d["width"], 2479);
    EXPECT_EQ(d["height"], 3508);
    ASSERT_EQ(d["pages"].size(), 1u);
    const json& pagina = d["pages"][0];
    const auto cabecalho = Textos(pagina, "");
    ASSERT_EQ(cabecalho.size(), 2u);
    EXPECT_EQ(cabecalho[0]["text"], "Corvela Tastavo");
    EXPECT_EQ(cabecalho[0]["size"], 128);
    EXPECT_EQ(cabecalho[0]["height"], 128);  // a font's height is its cell height
    EXPECT_EQ(cabecalho[0]["a_height"], 128);
    EXPECT_EQ(cabecalho[0]["x"], 2479 / 2 - cabecalho[0]["width"].get<int>() / 2);
    EXPECT_EQ(cabecalho[0]["y"], 171);
    EXPECT_EQ(cabecalho[1]["text"], "https://www.corvela.example/");
    EXPECT_EQ(cabecalho[1]["y"], 171 + 128 + 17);

    // The chart lines in the fixed-pitch face, the first non-empty line first.
    const auto linhas = Textos(pagina, "Courier New");
    ASSERT_GE(linhas.size(), 3u);
    EXPECT_EQ(linhas[0]["text"], "Tom: G");
    EXPECT_EQ(linhas[0]["x"], 128);
    EXPECT_EQ(linhas[0]["size"], 55);

    // Every chord once, at its first occurrence, as the chart window's print button does.
    std::vector<std::string> titulos;
    for (const json& op : Textos(pagina, "Times New Roman")) titulos.push_back(op["text"]);
    EXPECT_EQ(titulos, (std::vector<std::string>{"G", "C", "Am", "F", "F7M", "Bb7/D"}));
    int brancas = 0, pretas = 0, marcas = 0;
    for (const json& op : pagina) {
        brancas += op["op"] == "rect";
        pretas += op["op"] == "fill";
        marcas += op["op"] == "ellipse";
    }
    EXPECT_EQ(brancas, 6 * 15);
    EXPECT_EQ(pretas, 6 * 10);
    EXPECT_GE(marcas, 6 * 3);

    // The preview at 300 % of the same document.
    const auto v = Executar("--format json --zoom 300 -o - " + Musica("musica.txt"));
    ASSERT_EQ(v.status, 0) << v.erros;
    const json z = json::parse(v.saida);
    EXPECT_EQ(z["width"], 1080);
    EXPECT_EQ(z["height"], 1528);
    EXPECT_EQ(Textos(z["pages"][0], "")[0]["size"], 56);
}

TEST_F(CliPrint, PaginasPngDaVisualizacao) {
    std::string texto;
    for (int i = 0; i < 120; ++i) texto += "C  G  Am  F\nlinha " + std::to_string(i) + "\n";
    std::ofstream(pasta_ / "longa.txt") << texto;
    const auto e = Executar("--format png --content chart -o " + Saida("longa.png") + " " +
                            Saida("longa.txt"));
    ASSERT_EQ(e.status, 0) << e.erros;
    // 240 lines of 8 + 2 on a 509-unit page: several pages, 360 wide at the default 100 %.
    int paginas = 0;
    while (fs::exists(pasta_ / ("longa-" + std::to_string(paginas + 1) + ".png"))) ++paginas;
    EXPECT_GE(paginas, 5);
    const QImage primeira(QString::fromStdString((pasta_ / "longa-1.png").string()));
    EXPECT_EQ(primeira.size(), QSize(360, 509));

    const auto z = Executar("--format png --zoom 200 --chord C -o " + Saida("c"));
    ASSERT_EQ(z.status, 0) << z.erros;
    EXPECT_EQ(QImage(QString::fromStdString((pasta_ / "c-1.png").string())).width(), 720);
    EXPECT_FALSE(fs::exists(pasta_ / "c-2.png"));
}

TEST_F(CliPrint, RepertorioDeDuasMusicas) {
    std::ofstream(pasta_ / "segunda.txt") << "Tom: D\nD        A7\nOutra canção\n";
    const auto e =
        Executar("--format json -o - " + Musica("musica.txt") + " " + Saida("segunda.txt"));
    ASSERT_EQ(e.status, 0) << e.erros;
    const json d = json::parse(e.saida);
    ASSERT_EQ(d["pages"].size(), 2u);
    const json& segunda = d["pages"][1];
    EXPECT_EQ(Textos(segunda, "").size(), 2u);  // its own header
    EXPECT_EQ(Textos(segunda, "Courier New")[0]["text"], "Tom: D");
    std::vector<std::string> titulos;
    for (const json& op : Textos(segunda, "Times New Roman")) titulos.push_back(op["text"]);
    EXPECT_EQ(titulos, (std::vector<std::string>{"D", "A7"}));

    const auto pdf = Executar("-o " + Saida("repertorio.pdf") + " " + Musica("musica.txt") + " " +
                              Saida("segunda.txt"));
    ASSERT_EQ(pdf.status, 0) << pdf.erros;
    EXPECT_NE(Comando("pdfinfo " + Saida("repertorio.pdf")).find("Pages:           2"),
              std::string::npos);
}

TEST_F(CliPrint, AcordesDadosEmOrdemEOsQueNaoSePodemMontar) {
    const auto e = Executar(
        "--format json --labels notes --chord Bb7 --chord Xm7 --chord A#7 "
        "--chord 'C(b9)(#9)(11)(#11)(b13)' --chord C -o -");
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.erros.find("Xm7"), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("C(b9)(#9)(11)(#11)(b13)"), std::string::npos) << e.erros;
    const json d = json::parse(e.saida);
    const json& pagina = d["pages"][0];
    std::vector<std::string> titulos;
    for (const json& op : Textos(pagina, "Times New Roman")) titulos.push_back(op["text"]);
    EXPECT_EQ(titulos, (std::vector<std::string>{"Bb7", "A#7", "C"}));
    // Without a FILE only the chords: no chart text. Bb7 names its root Bb, A#7 A#.
    EXPECT_TRUE(Textos(pagina, "Courier New").empty());
    std::vector<std::string> rotulos;
    for (const json& op : Textos(pagina, "Arial")) rotulos.push_back(op["text"]);
    EXPECT_NE(std::find(rotulos.begin(), rotulos.begin() + 4, "Bb"), rotulos.begin() + 4);
    EXPECT_NE(std::find(rotulos.begin() + 4, rotulos.begin() + 8, "A#"), rotulos.begin() + 8);
}

TEST_F(CliPrint, ErrosDeUso) {
    for (const std::string& argumentos :
         {std::string("--chord C"),                                   // no -o
          "-o " + Saida("x.pdf"),                                     // nothing to print
          "--zoom 150 --chord C -o " + Saida("x"),                    // not a preview zoom
          "--zoom 200 --chord C -o " + Saida("x.pdf"),                // pdf has no zoom
          "--page-size 10x --chord C -o " + Saida("x.pdf"),           // not WxH
          "--language Klingon --chord C -o " + Saida("x.pdf"),        // not installed
          "-o " + Saida("x.pdf") + " " + Saida("nao-existe.txt")}) {  // unreadable chart
        const auto e = Executar(argumentos);
        EXPECT_EQ(e.status, 2) << argumentos << "\n" << e.erros;
        EXPECT_FALSE(e.erros.empty()) << argumentos;
    }
    EXPECT_FALSE(fs::exists(pasta_ / "x.pdf"));

    // A file that cannot be written is a failure of the run.
    const auto e = Executar("--chord C -o " + Saida("nao/existe.pdf"));
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.erros.find("cannot write"), std::string::npos) << e.erros;
}

TEST_F(CliPrint, TamanhoDePaginaEIdioma) {
    const auto e =
        Executar("--format json --page-size 2892x4000 --language PORTUGUês --chord C -o -");
    ASSERT_EQ(e.status, 0) << e.erros;
    const json d = json::parse(e.saida);
    EXPECT_EQ(d["width"], 2892);
    const json titulo = Textos(d["pages"][0], "Times New Roman").at(0);
    EXPECT_EQ(titulo["y"], 200 + 150 + 20 + 100 + 20 + 120);
    EXPECT_EQ(titulo["size"], 86);

    const auto pdf = Executar("--page-size 1001x1500 --chord C -o " + Saida("pequena.pdf"));
    ASSERT_EQ(pdf.status, 0) << pdf.erros;
}

// A run of the tool through the shell with `preparo` first (limits, ignored signals): the
// status is -1 when the tool was killed by a signal.
struct ExecucaoShell {
    int status;
    std::string saida;
    std::string erros;
};

ExecucaoShell ExecutarCom(const std::string& preparo, const std::string& argumentos,
                          const fs::path& erros) {
    const std::string comando = preparo + "; exec '" + tastavo_teste::PastaBinarios() +
                                "/tastavo-cli' " + argumentos + " 2>'" + erros.string() + "'";
    const ResultadoCli r = ExecutarShell(comando);
    return {r.status, r.saida, Ler(erros)};
}

// Memory and time go with the drawing: a 1 MB chart (about 1,200 pages) is written as PNG
// pages, one at a time, within 300 MB of address space.
TEST_F(CliPrint, PngDeUmaCifraDeUmMegaEmMemoriaLimitada) {
    if (tastavo_teste::ComAddressSanitizer)
        GTEST_SKIP() << "a memory limit cannot hold AddressSanitizer's shadow";
    std::string bloco;
    for (int i = 0; i < 40; ++i) {
        bloco += "Am7      D7(9)     G7M    C#m7(b5)\nUma linha de letra que se repete " +
                 std::to_string(i) + "\n";
    }
    {
        std::ofstream f(pasta_ / "grande.txt");
        for (std::size_t escritos = 0; escritos < (1u << 20); escritos += bloco.size()) f << bloco;
    }
    const auto e = ExecutarCom(
        "ulimit -v 307200",
        "print --format png --content chart -o " + Saida("g.png") + " " + Saida("grande.txt"),
        pasta_ / "erros.txt");
    ASSERT_EQ(e.status, 0) << e.erros;
    int paginas = 0;
    while (fs::exists(pasta_ / ("g-" + std::to_string(paginas + 1) + ".png"))) ++paginas;
    EXPECT_GT(paginas, 500);
    EXPECT_EQ(QImage(QString::fromStdString(
                         (pasta_ / ("g-" + std::to_string(paginas) + ".png")).string()))
                  .size(),
              QSize(360, 509));
}

TEST_F(CliPrint, FalhaDeEscritaSaiCom1ENaoDeixaArquivo) {
    // A device that is always full: written into (never replaced), and every write checked.
    for (const std::string formato : {"pdf", "json"}) {
        const auto e = Executar("--format " + formato + " --chord C -o /dev/full");
        EXPECT_EQ(e.status, 1) << formato;
        EXPECT_NE(e.erros.find("cannot write /dev/full: No space left on device"),
                  std::string::npos)
            << e.erros;
    }
    fs::remove(pasta_ / "erros.txt");
    // A file system that fills up after 8 KiB (the file size limit, its signal ignored as a
    // shell does): the PDF fails part way, and neither it nor its temporary is left.
    for (const std::string formato : {"pdf", "png", "json"}) {
        const auto e = ExecutarCom(
            "trap '' XFSZ; ulimit -f 16",
            "print --format " + formato + " -o " + Saida("cheio." + formato) + " '" + Dados +
                "/musica.txt' --chord C --chord D --chord E "
                "--chord F --chord G --chord A",
            fs::temp_directory_path() / ("erros_cheio_" + std::to_string(getpid())));
        fs::remove(fs::temp_directory_path() / ("erros_cheio_" + std::to_string(getpid())));
        EXPECT_EQ(e.status, 1) << formato << e.erros;
        EXPECT_NE(e.erros.find("File too large"), std::string::npos) << e.erros;
        std::vector<std::string> deixados;
        for (const auto& entrada : fs::directory_iterator(pasta_))
            deixados.push_back(entrada.path().filename().string());
        EXPECT_TRUE(deixados.empty()) << formato << ": " << deixados.front();
    }
    // A file that was there stays as it was when the new one cannot be written.
    std::ofstream(pasta_ / "antigo.pdf") << "antigo";
    const auto e =
        ExecutarCom("trap '' XFSZ; ulimit -f 16",
                    "print -o " + Saida("antigo.pdf") + " '" + Dados + "/musica.txt'",
                    fs::temp_directory_path() / ("erros_antigo_" + std::to_string(getpid())));
    fs::remove(fs::temp_directory_path() / ("erros_antigo_" + std::to_string(getpid())));
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(Ler(pasta_ / "antigo.pdf"), "antigo");
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 1);
}

TEST_F(CliPrint, EntradaSemFimOuGrandeDemaisSaiCom1SemAbortar) {
    // Under a memory limit the input runs out of memory before the cap; without one the
    // 256 MiB cap stops it. Either way: a message and status 1, no abort.
    if (!tastavo_teste::ComAddressSanitizer) {  // its shadow memory does not fit the limit
        const auto limitada = ExecutarCom(
            "ulimit -v 400000", "print -o " + Saida("z.pdf") + " /dev/zero", pasta_ / "erros.txt");
        EXPECT_EQ(limitada.status, 1) << limitada.erros;
        EXPECT_NE(limitada.erros.find("out of memory"), std::string::npos) << limitada.erros;
    }
    const auto inteira =
        ExecutarCom("true", "print -o " + Saida("z.pdf") + " /dev/zero", pasta_ / "erros.txt");
    EXPECT_EQ(inteira.status, 1);
    EXPECT_NE(inteira.erros.find("larger than 256 MiB"), std::string::npos) << inteira.erros;
    EXPECT_FALSE(fs::exists(pasta_ / "z.pdf"));
}

TEST_F(CliPrint, TamanhosDePaginaAceitosERecusados) {
    struct Caso {
        std::string tamanho;
        int status;
    };
    const std::vector<Caso> casos = {{"100x100", 0},       {"100x2000", 0}, {"2000x100", 0},
                                     {"100000x100000", 0}, {"99x200", 2},   {"200x99", 2},
                                     {"100001x100000", 2}, {"100x2001", 2}, {"100000x1", 2},
                                     {"1x100000", 2},      {"0x0", 2}};
    for (const Caso& c : casos) {
        const auto e =
            Executar("--format json --page-size " + c.tamanho + " --chord C -o /dev/null");
        EXPECT_EQ(e.status, c.status) << c.tamanho << e.erros;
        if (c.status != 0) {
            EXPECT_NE(e.erros.find("--page-size"), std::string::npos);
        }
    }
}

// A 200-column chart: the font shrinks to its floor and the rest goes on the next lines, so
// no text passes the right margin on paper, and the chords stay over their words.
TEST_F(CliPrint, CifraDe200ColunasNadaPassaDaMargem) {
    std::string acordes, letra;
    for (int i = 0; i < 40; ++i) {
        const std::string palavra = "w" + std::to_string(100 + i);
        if (i % 4 == 0) {
            acordes.resize(letra.size(), ' ');
            acordes += "C#m7(b5)";
        }
        letra += palavra + " ";
    }
    std::ofstream(pasta_ / "larga.txt") << "Tom: C\n" << acordes << "\n" << letra << "\n";
    for (const std::string zoom : {"", "--zoom 100 ", "--zoom 300 "}) {
        const auto e =
            Executar("--format json " + zoom + "--content chart -o - " + Saida("larga.txt"));
        ASSERT_EQ(e.status, 0) << e.erros;
        const json d = json::parse(e.saida);
        const int largura = d["width"];
        const int margem = largura * 150 / 2892;
        const auto linhas = Textos(d["pages"][0], "Courier New");
        ASSERT_GT(linhas.size(), 3u) << zoom;
        for (const json& op : linhas) {
            // The preview is the print scaled: a unit of rounding either way.
            EXPECT_LE(op["x"].get<int>() + op["width"].get<int>(),
                      largura - margem + (zoom.empty() ? 0 : 2))
                << zoom << op["text"];
        }
        EXPECT_EQ(linhas[1]["size"].get<int>(), linhas[0]["size"].get<int>());
    }
}

}  // namespace

namespace {

// A ChordPro song prints as its song sheet: no braces, no brackets, each chord on a line of
// its own over its syllable, the comment as its text.
TEST_F(CliPrint, UmaMusicaChordProSaiComoFolhaDeCancao) {
    {
        std::ofstream(pasta_ / "swing.cho", std::ios::binary)
            << "{title: Swing Low}\n{subtitle: Spiritual}\n{key: D}\n# slowly\n{start_of_chorus}\n"
               "Swing [D]low, sweet [G]chari[D]ot\n"
               "{end_of_chorus}\n{comment: Verse}\n[A7]Coming for to [D]carry me home\n";
    }
    const auto e = Executar("--format json -o - " + Saida("swing.cho"));
    ASSERT_EQ(e.status, 0) << e.erros;
    const json d = json::parse(e.saida);
    std::vector<std::string> linhas;
    for (const json& op : Textos(d["pages"][0], "Courier New")) linhas.push_back(op["text"]);
    EXPECT_EQ(linhas, (std::vector<std::string>{"      D          G    D",
                                                "Swing low, sweet chariot", "Verse",
                                                "A7            D", "Coming for to carry me home"}));
    std::vector<std::string> titulos;
    for (const json& op : Textos(d["pages"][0], "Times New Roman")) titulos.push_back(op["text"]);
    EXPECT_EQ(titulos, (std::vector<std::string>{"D", "G", "A7"}));
    // The song's own header, and a bar in the left margin beside the chorus alone.
    std::vector<std::string> cabecalho;
    for (const json& op : Textos(d["pages"][0], "")) cabecalho.push_back(op["text"]);
    EXPECT_EQ(cabecalho, (std::vector<std::string>{"Swing Low", "Spiritual"}));
    std::vector<bool> marcadas;
    for (const json& linha : Textos(d["pages"][0], "Courier New")) {
        bool marcada = false;
        for (const json& op : d["pages"][0])
            marcada = marcada || (op["op"] == "fill" && op["x2"] <= linha["x"] &&
                                  op["y1"] <= linha["y"] && linha["y"] < op["y2"]);
        marcadas.push_back(marcada);
    }
    EXPECT_EQ(marcadas, (std::vector<bool>{true, true, false, false, false}));
}

}  // namespace
