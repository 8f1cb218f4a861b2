// SPDX-License-Identifier: GPL-3.0-or-later
// The page layout drawn on the recording canvas: measures, header, chart text, the grid of
// diagrams with their marks and labels, page breaks, the print run and the preview's pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "GeradorAcordesTeclado.h"
#include "GerenciadorImpressao.h"
#include "MedidasPagina.h"
#include "TelaRegistro.h"

namespace {

using Tipo = OperacaoDesenho::Tipo;

const TextosCabecalho Textos{"Corvela Tastavo", "https://www.corvela.example/"};

AcordeImpressao Item(const std::string& cifra) {
    return AcordeImpressao(cifra,
                           GeradorAcordesTeclado::Instancia().GerarAcorde(cifra)->Posicao(0));
}

ColecaoAcordeImpressao Lista(const std::vector<std::string>& cifras) {
    ColecaoAcordeImpressao lista;
    for (const auto& c : cifras) lista.Adicionar(Item(c));
    return lista;
}

MusicaImpressao Musica(std::string texto, ColecaoAcordeImpressao lista) {
    MusicaImpressao musica;
    musica.textoCifra = std::move(texto);
    musica.acordes = std::move(lista);
    return musica;
}

std::vector<OperacaoDesenho> DoTipo(const PaginaRegistrada& pagina, Tipo tipo) {
    std::vector<OperacaoDesenho> ops;
    std::copy_if(pagina.begin(), pagina.end(), std::back_inserter(ops),
                 [tipo](const OperacaoDesenho& op) { return op.tipo == tipo; });
    return ops;
}

// The texts written with `face`, in order.
std::vector<OperacaoDesenho> Textos_(const PaginaRegistrada& pagina, std::string_view face) {
    std::vector<OperacaoDesenho> ops;
    for (const auto& op : DoTipo(pagina, Tipo::Texto))
        if (op.face == face) ops.push_back(op);
    return ops;
}

// A print run on the recording printer with the canvas's fixed text measures (a character is
// half the font height wide, a text one font height high).
std::vector<PaginaRegistrada> Imprimir(TamanhoPagina pagina, ConteudoImpressao conteudo,
                                       ModoVisualizacao modo, const ColecaoAcordeImpressao& lista,
                                       std::string_view texto = "") {
    ImpressoraRegistro impressora(pagina);
    GerenciadorImpressao gerenciador(Textos);
    EXPECT_EQ(gerenciador.Imprimir(impressora, conteudo, modo, lista, texto),
              ResultadoImpressao::Impresso);
    EXPECT_TRUE(impressora.Encerrado());
    return impressora.Paginas();
}

TEST(MedidasPagina, SeguemALarguraDaPaginaNaImpressaoENaVisualizacao) {
    struct Caso {
        int w;
        MedidasPagina esperado;
    };
    // W, H, margins l r t b, header 1 and 2, chart, line space, block space, K, kw, black
    // key height, m, d, D, u, row height.
    const std::vector<Caso> casos = {
        {2892,
         {2892, 4000, 150, 150, 200, 200, 150, 100, 65, 20, 120, 300, 66, 195, 46, 53, 990, 37.5,
          540}},
        {360, {360, 4000, 18, 18, 24, 24, 18, 12, 8, 2, 14, 37, 8, 24, 6, 7, 123, 4.625, 66.6}},
        {720, {720, 4000, 37, 37, 49, 49, 37, 24, 16, 4, 29, 74, 16, 49, 12, 13, 246, 9.25, 133.2}},
        {1080,
         {1080, 4000, 56, 56, 74, 74, 56, 37, 24, 7, 44, 112, 25, 73, 17, 20, 370, 14, 201.6}},
    };
    for (const auto& c : casos) {
        MedidasPagina m = CalcularMedidas(c.w, 4000);
        EXPECT_NEAR(m.alturaFileira, c.esperado.alturaFileira, 1e-9) << c.w;
        m.alturaFileira = c.esperado.alturaFileira;
        EXPECT_EQ(m, c.esperado) << "W = " << c.w;
    }
}

TEST(MedidasPagina, AVisualizacaoTem360PixelsPorCemPorCentoDeQualquerPagina) {
    for (int largura : {2892, 2479, 2550, 4961, 997, 360}) {
        for (int zoom : {100, 200, 300}) {
            const TamanhoPagina t = TamanhoPaginaVisualizacao(TamanhoPagina{largura, 4000}, zoom);
            EXPECT_EQ(t.largura, 360 * zoom / 100) << largura << " at " << zoom;
            EXPECT_NEAR(t.altura, 4000.0 * 360 * zoom / 100 / largura, 0.5 + 1e-6);
        }
    }
    // Half up: 4000 × 360 / 2892 = 497.9.
    EXPECT_EQ(TamanhoPaginaVisualizacao(TamanhoPagina{2892, 4000}, 100), (TamanhoPagina{360, 498}));
    // Without a printer: 2400 × 3141 at 0.15 per 100 %.
    EXPECT_EQ(TamanhoPaginaVisualizacao(std::nullopt, 100), (TamanhoPagina{360, 471}));
    EXPECT_EQ(TamanhoPaginaVisualizacao(std::nullopt, 200), (TamanhoPagina{720, 942}));
    EXPECT_EQ(TamanhoPaginaVisualizacao(std::nullopt, 300), (TamanhoPagina{1080, 1413}));
}

TEST(LinhasTextoCifra, LinhasVaziasTabulacoesEQuebras) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> casos = {
        {"", {}},
        {"C G\nHoje eu vou\n", {"C G", "Hoje eu vou"}},
        // An empty first line is dropped; every later one prints blank, as does a line of
        // spaces.
        {"\nA\n\nB\n", {"A", " ", "B"}},
        {"\n\nA\n", {" ", "A"}},
        {"A\n\n\nB\n", {"A", " ", " ", "B"}},
        {"A\n   \nB\n", {"A", "   ", "B"}},
        {"\tC\tG\n", {"  C  G"}},
        // Carriage returns end lines too; a run of line ends is one break.
        {"A\rB\r\nC\n", {"A", "B", "C"}},
        {"A\r\n\r\nB", {"A", "B"}},
        {"sem fim", {"sem fim"}},
    };
    for (const auto& [texto, linhas] : casos) EXPECT_EQ(LinhasTextoCifra(texto), linhas) << texto;
    // Each printed line knows the text line it came from, blank ones too.
    std::vector<std::size_t> origem;
    EXPECT_EQ(LinhasTextoCifra("\nA\n\n\nB\r\nC\n", &origem),
              (std::vector<std::string>{"A", " ", " ", "B", "C"}));
    EXPECT_EQ(origem, (std::vector<std::size_t>{1, 2, 3, 4, 5}));
}

TEST(GerenciadorImpressao, CabecalhoCentralizadoECifraEmFonteFixa) {
    const auto paginas =
        Imprimir({2892, 4000}, ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Dedos,
                 ColecaoAcordeImpressao(), "\nTom: G\n\n\tAm\n" + std::string(79, 'x') + "\nfim\n");
    ASSERT_EQ(paginas.size(), 1u);
    const auto cabecalho = Textos_(paginas[0], "");
    ASSERT_EQ(cabecalho.size(), 2u);
    // 15 characters at height 150 are 1125 wide: 1446 - 562.
    EXPECT_EQ(cabecalho[0].texto, "Corvela Tastavo");
    EXPECT_EQ(cabecalho[0].alturaFonte, 150);
    EXPECT_EQ(cabecalho[0].x1, 884);
    EXPECT_EQ(cabecalho[0].y1, 200);
    // 28 characters at height 100 are 1400 wide; the line starts below the first one's "A".
    EXPECT_EQ(cabecalho[1].alturaFonte, 100);
    EXPECT_EQ(cabecalho[1].x1, 1446 - 700);
    EXPECT_EQ(cabecalho[1].y1, 200 + 150 + 20);

    // The chart starts a block below, one line every 65 + 20, at the left margin; a line that
    // just fits between the margins (79 × 32 of 2592) keeps the full height.
    const auto cifra = Textos_(paginas[0], "Courier New");
    std::vector<std::string> linhas;
    for (const auto& op : cifra) {
        EXPECT_EQ(op.x1, 150);
        EXPECT_EQ(op.alturaFonte, 65);
        EXPECT_EQ(op.y1, 370 + 100 + 20 + 120 + 85 * static_cast<int>(linhas.size()));
        linhas.push_back(op.texto);
    }
    EXPECT_EQ(linhas,
              (std::vector<std::string>{"Tom: G", " ", "  Am", std::string(79, 'x'), "fim"}));
    // No diagram for an empty list.
    EXPECT_TRUE(DoTipo(paginas[0], Tipo::Retangulo).empty());
}

// A chord line over a lyric line, `palavras` words "pNNN" long, with a chord over every third
// word: what each chord stands over is known by the word under it.
struct ParLongo {
    std::string acordes;
    std::string letra;
    std::vector<std::pair<std::string, std::string>> acordeSobre;  // chord, the word under it
};

ParLongo Par(int palavras) {
    const std::vector<std::string> nomes = {"C", "G7", "Am", "F#m7(b5)", "Bb", "E"};
    ParLongo par;
    for (int i = 0; i < palavras; ++i) {
        const std::string palavra =
            "p" + std::string(3 - std::to_string(i).size(), '0') + std::to_string(i);
        if (i % 3 == 0) {
            const std::string& acorde = nomes[static_cast<std::size_t>(i / 3) % nomes.size()];
            par.acordes.resize(par.letra.size(), ' ');
            par.acordes += acorde;
            par.acordeSobre.emplace_back(acorde, palavra);
        }
        par.letra += palavra + " ";
    }
    return par;
}

TEST(GerenciadorImpressao, LinhaLongaEncolheAFonteAte60PorCentoEContinuaRecuada) {
    struct Caso {
        int colunas;      // of the lyric line
        int alturaFonte;  // the chart font used
        bool quebra;
    };
    // 2592 units between the margins; n characters at height h are n × h / 2 wide.
    const std::vector<Caso> casos = {
        {75, 65, false},   // 2437 fits
        {100, 51, false},  // shrinks: 100 × 51 / 2 = 2550
        {130, 39, false},  // 2535, at the 60 % floor
        {200, 39, true},   // still too long at 39: broken
    };
    for (const Caso& c : casos) {
        const ParLongo par = Par(c.colunas / 5);
        const std::string texto = "Intro\n" + par.acordes + "\n" + par.letra + "\nfim\n";
        const auto paginas = Imprimir({2892, 4000}, ConteudoImpressao::SomenteCifra,
                                      ModoVisualizacao::Dedos, ColecaoAcordeImpressao(), texto);
        std::vector<OperacaoDesenho> linhas;
        for (const auto& pagina : paginas) {
            for (const auto& op : Textos_(pagina, "Courier New")) linhas.push_back(op);
        }
        SCOPED_TRACE(c.colunas);
        for (const auto& op : linhas) {
            EXPECT_EQ(op.alturaFonte, c.alturaFonte);
            EXPECT_LE(op.x1 + op.largura, 2892 - 150) << op.texto;
        }
        ASSERT_GE(linhas.size(), 4u);
        EXPECT_EQ(linhas.front().texto, "Intro");
        EXPECT_EQ(linhas.back().texto, "fim");
        EXPECT_EQ(linhas.size() > 4, c.quebra);
        // Chord pieces and lyric pieces alternate; every chord stands whole over its word,
        // and the continuations are indented by two characters.
        std::vector<std::pair<std::string, std::string>> achados;
        for (std::size_t i = 1; i + 2 < linhas.size(); i += 2) {
            const std::string& a = linhas[i].texto;
            const std::string& l = linhas[i + 1].texto;
            if (i > 1) {
                EXPECT_EQ(a.substr(0, 2), "  ");
                EXPECT_EQ(l.substr(0, 2), "  ");
                EXPECT_NE(l[2], ' ') << "the continuation starts at its first character";
            }
            for (std::size_t j = a.find_first_not_of(' '); j != std::string::npos;
                 j = a.find_first_not_of(' ', a.find(' ', j))) {
                const std::string acorde = a.substr(j, a.find(' ', j) - j);
                achados.emplace_back(acorde, l.substr(j, 4));
                if (a.find(' ', j) == std::string::npos) break;
            }
        }
        EXPECT_EQ(achados, par.acordeSobre);
    }
}

TEST(GerenciadorImpressao, LinhaSemPalavrasQuebraNaColunaQueCabe) {
    // One 300-character word, no chord line: hard breaks, each continuation indented.
    const auto paginas =
        Imprimir({2892, 4000}, ConteudoImpressao::SomenteCifra, ModoVisualizacao::Dedos,
                 ColecaoAcordeImpressao(), std::string(300, 'x') + "\n");
    const auto linhas = Textos_(paginas.at(0), "Courier New");
    std::string junto;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        EXPECT_LE(linhas[i].x1 + linhas[i].largura, 2892 - 150);
        junto += i == 0 ? linhas[i].texto : linhas[i].texto.substr(2);
    }
    EXPECT_EQ(junto, std::string(300, 'x'));
    // At the 39-unit floor 132 characters fit 2592 (132 × 39 / 2 = 2574), then 130 after the
    // indent, then the rest.
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0].texto.size(), 132u);
}

TEST(GerenciadorImpressao, FileirasCentralizadasDeDoisEDeUm) {
    struct Caso {
        int itens;
        std::vector<std::vector<int>> fileiras;  // left edges of the diagrams, row by row
    };
    // g = 123; a slot is 2g + D = 1236 wide: two slots start at 1446 - 1236, one at 1446 - 618.
    const std::vector<Caso> casos = {
        {1, {{951}}},
        {3, {{333, 1569}, {951}}},
        {4, {{333, 1569}, {333, 1569}}},
        {5, {{333, 1569}, {333, 1569}, {951}}},
    };
    const std::vector<std::string> cifras = {"C", "Dm", "Em", "F", "G"};
    for (const auto& c : casos) {
        const auto paginas =
            Imprimir({2892, 4000}, ConteudoImpressao::SomenteAcordes, ModoVisualizacao::Dedos,
                     Lista({cifras.begin(), cifras.begin() + c.itens}));
        ASSERT_EQ(paginas.size(), 1u);
        const auto teclas = DoTipo(paginas[0], Tipo::Retangulo);
        const auto titulos = Textos_(paginas[0], "Times New Roman");
        ASSERT_EQ(teclas.size(), 15u * c.itens);
        ASSERT_EQ(titulos.size(), static_cast<std::size_t>(c.itens));
        int item = 0;
        for (std::size_t f = 0; f < c.fileiras.size(); ++f) {
            // Rows follow the header and a block's space, one row height apart.
            const int y = 490 + 120 + 540 * static_cast<int>(f);
            for (int x : c.fileiras[f]) {
                const auto& primeira = teclas[static_cast<std::size_t>(item) * 15];
                EXPECT_EQ(primeira.x1, x) << c.itens << " items, item " << item;
                EXPECT_EQ(titulos[static_cast<std::size_t>(item)].y1, y);
                // Title font 37.5 × 2.3; the keyboard starts 1.5 of its "A" below.
                EXPECT_EQ(titulos[static_cast<std::size_t>(item)].alturaFonte, 86);
                EXPECT_EQ(primeira.y1, y + 129);
                ++item;
            }
        }
    }
}

TEST(GerenciadorImpressao, UmTecladoDeDuasOitavasComAsMarcasNoLugar) {
    ColecaoAcordeImpressao lista;
    lista.Adicionar(AcordeImpressao("C", PosicaoHarmonicaTeclado({0, 1, 24, -1, -1})));
    const auto paginas =
        Imprimir({2892, 4000}, ConteudoImpressao::SomenteAcordes, ModoVisualizacao::Dedos, lista);
    const PaginaRegistrada& p = paginas.at(0);
    const int x = 951;
    const int y1 = 610 + 129;

    const auto brancas = DoTipo(p, Tipo::Retangulo);
    ASSERT_EQ(brancas.size(), 15u);
    for (int i = 0; i < 15; ++i) {
        const auto& t = brancas[static_cast<std::size_t>(i)];
        EXPECT_EQ(t.x1, x + 66 * i);
        EXPECT_EQ(t.x2, x + 66 * (i + 1) + 1);  // neighbours share their outline
        EXPECT_EQ(t.y2 - t.y1, 300);
        EXPECT_EQ(t.pincel, Pincel::Branco);
    }
    // Ten black keys: none after E and after B; offset 66 - 23 + 1.
    const auto pretas = DoTipo(p, Tipo::RetanguloPreenchido);
    std::vector<int> lugares;
    for (const auto& t : pretas) {
        EXPECT_EQ(t.x2 - t.x1, 46);
        EXPECT_EQ(t.y2 - t.y1, 195);
        EXPECT_EQ(t.pincel, Pincel::Preto);
        lugares.push_back((t.x1 - x - 44) / 66);
    }
    EXPECT_EQ(lugares, (std::vector<int>{0, 1, 3, 4, 5, 7, 8, 10, 11, 12}));

    // Keys 0 and 24 on the first and the fifteenth white key, low; key 1 on the line between
    // the first two white keys, higher up.
    const auto marcas = DoTipo(p, Tipo::Elipse);
    ASSERT_EQ(marcas.size(), 3u);
    const std::vector<std::pair<int, int>> cantos = {
        {x + 7, y1 + 225}, {x + 7 + 33, y1 + 120}, {x + 7 + 14 * 66, y1 + 225}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(marcas[i].x1, cantos[i].first) << i;
        EXPECT_EQ(marcas[i].y1, cantos[i].second) << i;
        EXPECT_EQ(marcas[i].x2 - marcas[i].x1, 53);
        EXPECT_EQ(marcas[i].y2 - marcas[i].y1, 53);
        EXPECT_EQ(marcas[i].pincel, Pincel::Branco);
    }
    EXPECT_EQ((marcas[1].x1 + marcas[1].x2) / 2, x + 66);

    // Finger labels centred in their marks: "2" at height 37 is 18 wide.
    const auto rotulos = Textos_(p, "Arial");
    ASSERT_EQ(rotulos.size(), 3u);
    EXPECT_EQ(rotulos[1].texto, "2");
    EXPECT_EQ(rotulos[1].x1, marcas[1].x1 + (53 - 18) / 2);
    EXPECT_EQ(rotulos[1].y1, marcas[1].y1 + (53 - 37) / 2);
}

TEST(GerenciadorImpressao, RotulosDeCadaTipoComSuasAlturas) {
    struct Caso {
        std::string cifra;
        ModoVisualizacao modo;
        std::map<std::string, int> alturas;  // label -> font height
    };
    // u = 37.5: fingers 37; notes 30 for one character and 28 for two; intervals 26, and 22
    // for "b13".
    const std::vector<Caso> casos = {
        {"C", ModoVisualizacao::Dedos, {{"1", 37}, {"2", 37}, {"5", 37}}},
        {"Bb7", ModoVisualizacao::Notas, {{"Bb", 28}, {"D", 30}, {"F", 30}, {"Ab", 28}}},
        {"A#7", ModoVisualizacao::Notas, {{"A#", 28}, {"D", 30}, {"F", 30}, {"G#", 28}}},
        {"C7", ModoVisualizacao::Notas, {{"C", 30}, {"E", 30}, {"G", 30}, {"A#", 28}}},
        {"Caug", ModoVisualizacao::Intervalos, {{"T", 26}, {"3M", 26}, {"b13", 22}}},
    };
    for (const auto& c : casos) {
        const auto paginas =
            Imprimir({2892, 4000}, ConteudoImpressao::SomenteAcordes, c.modo, Lista({c.cifra}));
        std::map<std::string, int> alturas;
        for (const auto& op : Textos_(paginas.at(0), "Arial")) alturas[op.texto] = op.alturaFonte;
        EXPECT_EQ(alturas, c.alturas) << c.cifra;
    }
}

TEST(GerenciadorImpressao, ConteudoEscolhido) {
    const auto lista = Lista({"C", "G"});
    const std::string texto = "C G\nHoje eu vou\n";
    struct Caso {
        ConteudoImpressao conteudo;
        std::size_t linhas;
        std::size_t diagramas;
    };
    for (const auto& c : {Caso{ConteudoImpressao::CifraEAcordes, 2, 2},
                          Caso{ConteudoImpressao::SomenteAcordes, 0, 2},
                          Caso{ConteudoImpressao::SomenteCifra, 2, 0}}) {
        const auto p =
            Imprimir({2892, 4000}, c.conteudo, ModoVisualizacao::Dedos, lista, texto).at(0);
        EXPECT_EQ(Textos_(p, "Courier New").size(), c.linhas);
        EXPECT_EQ(Textos_(p, "Times New Roman").size(), c.diagramas);
        EXPECT_EQ(DoTipo(p, Tipo::Retangulo).size(), 15 * c.diagramas);
        EXPECT_EQ(Textos_(p, "").size(), 2u);
    }
    // With both, the grid starts a block below the last chart line.
    const auto p = Imprimir({2892, 4000}, ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Dedos,
                            lista, texto)
                       .at(0);
    EXPECT_EQ(Textos_(p, "Times New Roman").at(0).y1, 610 + 2 * 85 + 120);
}

TEST(GerenciadorImpressao, QuebrasDePaginaNaCifraENaGrade) {
    // Lines: room down to 1000 - 200; the chart starts at 610, so two lines fit (610, 695)
    // and the third starts the next page at the top margin, with no header.
    std::string texto;
    for (int i = 0; i < 12; ++i) texto += "linha " + std::to_string(i) + "\n";
    const auto paginas = Imprimir({2892, 1000}, ConteudoImpressao::SomenteCifra,
                                  ModoVisualizacao::Dedos, ColecaoAcordeImpressao(), texto);
    ASSERT_EQ(paginas.size(), 3u);  // 2 + 7 + 3 lines
    EXPECT_EQ(Textos_(paginas[0], "Courier New").size(), 2u);
    const auto segunda = Textos_(paginas[1], "Courier New");
    ASSERT_EQ(segunda.size(), 7u);
    EXPECT_EQ(segunda[0].texto, "linha 2");
    EXPECT_EQ(segunda[0].y1, 200);
    EXPECT_TRUE(Textos_(paginas[1], "").empty());

    // Rows of 540: at 610 and 1150 they end by 1800; the third starts page two at 200.
    const auto grade = Imprimir({2892, 2000}, ConteudoImpressao::SomenteAcordes,
                                ModoVisualizacao::Dedos, Lista({"C", "D", "E", "F", "G", "A"}));
    ASSERT_EQ(grade.size(), 2u);
    EXPECT_EQ(Textos_(grade[0], "Times New Roman").size(), 4u);
    const auto titulos = Textos_(grade[1], "Times New Roman");
    ASSERT_EQ(titulos.size(), 2u);
    EXPECT_EQ(titulos[0].texto, "G");
    EXPECT_EQ(titulos[0].y1, 200);
}

TEST(GerenciadorImpressao, UmElementoMaiorQueAPaginaNaoDeixaPaginasEmBranco) {
    // A row of 540 never fits a page 700 high: the header keeps the first page and every row
    // gets a page of its own, with no blank page between them.
    const auto paginas = Imprimir({2892, 700}, ConteudoImpressao::SomenteAcordes,
                                  ModoVisualizacao::Dedos, Lista({"C", "D", "E", "F", "G"}));
    ASSERT_EQ(paginas.size(), 4u);
    EXPECT_EQ(Textos_(paginas[0], "").size(), 2u);
    EXPECT_TRUE(DoTipo(paginas[0], Tipo::Retangulo).empty());
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(DoTipo(paginas[i], Tipo::Retangulo).size(), i < 3 ? 30u : 15u) << i;
        EXPECT_EQ(Textos_(paginas[i], "Times New Roman").at(0).y1, 200);
    }
}

// A set list printed whole on an A4-like recording printer.
std::vector<PaginaRegistrada> ImprimirRepertorio(const std::vector<MusicaImpressao>& musicas) {
    ImpressoraRegistro impressora({2892, 4000});
    GerenciadorImpressao gerenciador(Textos);
    EXPECT_EQ(gerenciador.Imprimir(impressora, ConteudoImpressao::CifraEAcordes,
                                   ModoVisualizacao::Dedos, musicas),
              ResultadoImpressao::Impresso);
    return impressora.Paginas();
}

TEST(GerenciadorImpressao, RepertorioCadaMusicaEmPaginaPropriaComCabecalho) {
    const std::vector<MusicaImpressao> musicas = {Musica("Am\nprimeira\n", Lista({"Am"})),
                                                  Musica("G\nsegunda\n", Lista({"G", "D"}))};
    const std::vector<PaginaRegistrada> paginas = ImprimirRepertorio(musicas);
    ASSERT_EQ(paginas.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto cabecalho = Textos_(paginas[i], "");
        ASSERT_EQ(cabecalho.size(), 2u);
        EXPECT_EQ(cabecalho[0].y1, 200);
        EXPECT_EQ(Textos_(paginas[i], "Courier New").at(0).y1, 610);
        EXPECT_EQ(Textos_(paginas[i], "Times New Roman").size(), i + 1);
    }
    EXPECT_EQ(Textos_(paginas[1], "Courier New").at(1).texto, "segunda");
}

// A ChordPro song's title heads its page in place of the application's lines, its chart starts
// at the same height, and a bar in the left margin runs beside its chorus, blank line
// included; the next song of the set list, a plain chart, has the application's header.
TEST(GerenciadorImpressao, FolhaChordProComTituloEORefraoMarcado) {
    MusicaImpressao folha = MusicaDaCifra(
        "{title: Swing Low}\nIntro [G]\n{start_of_chorus}\nSwing [D]low\n\nsweet [G]chariot\n"
        "{end_of_chorus}\nComing for to carry me home\n");
    EXPECT_EQ(folha.titulo, "Swing Low");
    // Only a ChordPro song (by a directive line or its file's name) becomes its sheet.
    EXPECT_EQ(MusicaDaCifra("C  G\nOi [Am]lá\n").textoCifra, "C  G\nOi [Am]lá\n");
    EXPECT_EQ(MusicaDaCifra("Oi [Am]lá\n", "a.cho").textoCifra, "   Am\nOi lá\n");
    folha.acordes = Lista({"D"});
    const std::vector<MusicaImpressao> musicas = {folha, Musica("Am\nsegunda\n", Lista({"Am"}))};
    const std::vector<PaginaRegistrada> paginas = ImprimirRepertorio(musicas);
    ASSERT_EQ(paginas.size(), 2u);
    const auto cabecalho = Textos_(paginas[0], "");
    ASSERT_EQ(cabecalho.size(), 1u);
    EXPECT_EQ(cabecalho[0].texto, "Swing Low");
    EXPECT_EQ(cabecalho[0].y1, 200);
    const auto cifra = Textos_(paginas[0], "Courier New");
    EXPECT_EQ(cifra.at(0).y1, 610);
    const auto marcada = [](const PaginaRegistrada& pagina, const OperacaoDesenho& linha) {
        for (const auto& op : DoTipo(pagina, Tipo::RetanguloPreenchido))
            if (op.x2 <= linha.x1 && op.y1 <= linha.y1 && linha.y1 < op.y2) return true;
        return false;
    };
    std::vector<std::pair<std::string, bool>> linhas;
    for (const auto& linha : cifra) linhas.emplace_back(linha.texto, marcada(paginas[0], linha));
    EXPECT_EQ(linhas,
              (std::vector<std::pair<std::string, bool>>{{"      G", false},
                                                         {"Intro", false},
                                                         {"      D", true},
                                                         {"Swing low", true},
                                                         {" ", true},
                                                         {"      G", true},
                                                         {"sweet chariot", true},
                                                         {"Coming for to carry me home", false}}));
    EXPECT_EQ(Textos_(paginas[1], "").size(), 2u);
    for (const auto& linha : Textos_(paginas[1], "Courier New"))
        EXPECT_FALSE(marcada(paginas[1], linha)) << linha.texto;
}

// A printer that fails at a chosen step, or whose user cancels.
class ImpressoraComFalha : public ImpressoraRegistro {
  public:
    enum class Passo { Nenhum, Dialogo, Cancelar, Inicio, NovaPagina };
    explicit ImpressoraComFalha(Passo passo) : ImpressoraRegistro({2892, 1000}), passo_(passo) {}
    bool EscolherImpressora() override {
        if (passo_ == Passo::Dialogo) throw FalhaImpressoraException("no dialog");
        return passo_ != Passo::Cancelar;
    }
    TelaImpressao& IniciarDocumento(std::string_view titulo) override {
        iniciado_ = true;
        if (passo_ == Passo::Inicio) throw FalhaImpressoraException("no document");
        return ImpressoraRegistro::IniciarDocumento(titulo);
    }
    void NovaPagina() override {
        if (passo_ == Passo::NovaPagina) throw FalhaImpressoraException("out of paper");
        ImpressoraRegistro::NovaPagina();
    }
    bool iniciado_ = false;

  private:
    Passo passo_;
};

TEST(GerenciadorImpressao, ImpressaoCanceladaOuComFalha) {
    using Passo = ImpressoraComFalha::Passo;
    struct Caso {
        Passo passo;
        ResultadoImpressao resultado;
        bool iniciado;
        bool abortado;
    };
    const std::vector<Caso> casos = {
        {Passo::Nenhum, ResultadoImpressao::Impresso, true, false},
        {Passo::Cancelar, ResultadoImpressao::Cancelado, false, false},
        {Passo::Dialogo, ResultadoImpressao::ErroImpressora, false, false},
        {Passo::Inicio, ResultadoImpressao::ErroImpressora, true, true},
        {Passo::NovaPagina, ResultadoImpressao::Interrompido, true, true},
    };
    std::string texto;
    for (int i = 0; i < 20; ++i) texto += "linha\n";
    for (const auto& c : casos) {
        ImpressoraComFalha impressora(c.passo);
        GerenciadorImpressao gerenciador(Textos);
        EXPECT_EQ(gerenciador.Imprimir(impressora, ConteudoImpressao::SomenteCifra,
                                       ModoVisualizacao::Dedos, ColecaoAcordeImpressao(), texto),
                  c.resultado);
        EXPECT_EQ(impressora.iniciado_, c.iniciado);
        EXPECT_EQ(impressora.Abortado(), c.abortado);
        if (c.iniciado && !c.abortado) {
            EXPECT_EQ(impressora.Titulo(), "Corvela Tastavo");
        }
    }
}

// The preview window's side: what it was asked to show.
struct ExibicaoGravada : ExibicaoPagina {
    struct Chamada {
        const PaginaImagem* pagina;
        int largura, altura, quantidade;
    };
    void ExibirPagina(const PaginaImagem& pagina, int largura, int altura,
                      int quantidade) override {
        chamadas.push_back({&pagina, largura, altura, quantidade});
    }
    std::vector<Chamada> chamadas;
};

TEST(GerenciadorImpressao, VisualizacaoGuardaAsPaginasDoZoomEDesenhaDeNovoSoEmOutroZoom) {
    FabricaPaginasRegistro fabrica;
    ExibicaoGravada exibicao;
    GerenciadorImpressao gerenciador(Textos, &fabrica);
    gerenciador.DefinirExibicao(&exibicao);
    gerenciador.DefinirTamanhoImpressora([] { return TamanhoPagina{2892, 4000}; });
    // Sixteen diagrams: eight rows, six on the first page at 100 % and at 200 %.
    const auto lista = Lista(
        {"C", "D", "E", "F", "G", "A", "B", "Am", "Dm", "Em", "C7", "G7", "D7", "E7", "A7", "B7"});

    gerenciador.Visualizar(ConteudoImpressao::SomenteAcordes, ModoVisualizacao::Notas, 1, 100,
                           lista, "");
    const int paginas = gerenciador.QuantidadePaginas();
    ASSERT_EQ(paginas, 2);
    // Only the page shown is painted.
    EXPECT_EQ(fabrica.PaginasCriadas(), 1);
    ASSERT_EQ(exibicao.chamadas.size(), 1u);
    EXPECT_EQ(exibicao.chamadas[0].pagina, &gerenciador.Pagina(0));
    EXPECT_EQ(exibicao.chamadas[0].largura, 360);
    EXPECT_EQ(exibicao.chamadas[0].altura, 498);
    EXPECT_EQ(exibicao.chamadas[0].quantidade, 2);
    const auto& primeira = static_cast<const PaginaRegistro&>(gerenciador.Pagina(0));
    EXPECT_TRUE(primeira.Concluida());
    // The printer's layout scaled by 360 / 2892: a diagram's 1236-unit slot is 154 wide.
    const auto teclas = DoTipo(primeira.Operacoes(), Tipo::Retangulo);
    EXPECT_EQ(teclas.at(15).x1 - teclas.at(0).x1, 154);
    EXPECT_EQ(fabrica.PaginasCriadas(), 1);

    // Same zoom: no new layout; a page shown before is not painted again.
    gerenciador.MostrarPagina(2, 100);
    EXPECT_EQ(fabrica.PaginasCriadas(), 2);
    EXPECT_EQ(exibicao.chamadas.back().pagina, &gerenciador.Pagina(1));
    gerenciador.MostrarPagina(1, 100);
    gerenciador.MostrarPagina(2, 100);
    EXPECT_EQ(fabrica.PaginasCriadas(), 2);
    // A page past the end shows the last one.
    gerenciador.MostrarPagina(7, 100);
    EXPECT_EQ(exibicao.chamadas.back().pagina, &gerenciador.Pagina(1));
    EXPECT_EQ(fabrica.PaginasCriadas(), 2);

    // Another zoom lays the whole document out again, with the stored content and labels.
    gerenciador.MostrarPagina(2, 200);
    EXPECT_EQ(fabrica.PaginasCriadas(), 3);
    EXPECT_EQ(gerenciador.Zoom(), 200);
    EXPECT_EQ(gerenciador.QuantidadePaginas(), 2);
    EXPECT_EQ(exibicao.chamadas.back().largura, 720);
    EXPECT_EQ(exibicao.chamadas.back().pagina, &gerenciador.Pagina(1));
    const auto rotulos =
        Textos_(static_cast<const PaginaRegistro&>(gerenciador.Pagina(0)).Operacoes(), "Arial");
    // Note names, as stored: the first diagram is C.
    EXPECT_EQ(
        (std::set<std::string>{rotulos.at(0).texto, rotulos.at(1).texto, rotulos.at(2).texto}),
        (std::set<std::string>{"C", "E", "G"}));
    // Back to 100 % draws again.
    gerenciador.MostrarPagina(1, 100);
    EXPECT_EQ(fabrica.PaginasCriadas(), 5);
}

TEST(GerenciadorImpressao, VisualizacaoGuardaPoucasImagensEQuebraComoAImpressora) {
    FabricaPaginasRegistro fabrica;
    ExibicaoGravada exibicao;
    GerenciadorImpressao gerenciador(Textos, &fabrica);
    gerenciador.DefinirExibicao(&exibicao);
    const TamanhoPagina a4{2480, 3508};
    gerenciador.DefinirTamanhoImpressora([a4] { return a4; });
    std::string texto;
    for (int i = 0; i < 400; ++i) texto += "linha " + std::to_string(i) + "\n";
    const std::vector<std::string> cifras = {"C",  "D",  "E",  "F",  "G",  "A",  "B",  "Am", "Dm",
                                             "Em", "C7", "G7", "D7", "E7", "A7", "B7", "Cm", "Fm",
                                             "Gm", "Bb", "Eb", "Ab", "Db", "F#", "Bm", "C#m"};
    for (const auto conteudo :
         {ConteudoImpressao::CifraEAcordes, ConteudoImpressao::SomenteAcordes}) {
        gerenciador.Visualizar(conteudo, ModoVisualizacao::Dedos, 1, 100, Lista(cifras), texto);
        ImpressoraRegistro impressora(a4);
        GerenciadorImpressao impressao(Textos);
        impressao.Imprimir(impressora, conteudo, ModoVisualizacao::Dedos, Lista(cifras), texto);
        // The same pages as the printout, every page breaking after the same operation.
        ASSERT_EQ(gerenciador.QuantidadePaginas(), static_cast<int>(impressora.Paginas().size()));
        for (int i = 0; i < gerenciador.QuantidadePaginas(); ++i) {
            EXPECT_EQ(gerenciador.DesenhoPagina(i),
                      impressora.Paginas()[static_cast<std::size_t>(i)]);
        }
    }
    // The 26-chord list alone takes three printed pages, so three preview pages.
    EXPECT_EQ(gerenciador.QuantidadePaginas(), 3);

    gerenciador.Visualizar(ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Dedos, 1, 100,
                           Lista(cifras), texto);
    const int n = gerenciador.QuantidadePaginas();
    ASSERT_GT(n, 6);
    const int antes = fabrica.PaginasCriadas();
    for (int i = 1; i <= n; ++i) gerenciador.MostrarPagina(i, 100);
    EXPECT_EQ(fabrica.PaginasCriadas() - antes, n - 1);
    // Going back over the last four shown paints nothing; the one before them is painted again.
    const int depois = fabrica.PaginasCriadas();
    for (int i = n; i > n - 4; --i) gerenciador.MostrarPagina(i, 100);
    EXPECT_EQ(fabrica.PaginasCriadas(), depois);
    gerenciador.MostrarPagina(n - 4, 100);
    EXPECT_EQ(fabrica.PaginasCriadas(), depois + 1);
    EXPECT_EQ(exibicao.chamadas.back().quantidade, n);
}

TEST(GerenciadorImpressao, NovoZoomTomaDadosFrescosSemImpressoraUsaAPaginaPadrao) {
    FabricaPaginasRegistro fabrica;
    ExibicaoGravada exibicao;
    GerenciadorImpressao gerenciador(Textos, &fabrica);
    gerenciador.DefinirExibicao(&exibicao);
    ColecaoAcordeImpressao listaAtual = Lista({"C"});
    gerenciador.DefinirFonteDocumento([&] { return listaAtual; },
                                      [] { return MusicaDaCifra("nova\n"); });

    gerenciador.Visualizar(ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Dedos, 1, 100,
                           Lista({"G"}), "velha\n");
    EXPECT_EQ(exibicao.chamadas.back().largura, 360);
    EXPECT_EQ(exibicao.chamadas.back().altura, 471);

    listaAtual = Lista({"D", "E"});
    gerenciador.MostrarPagina(1, 300);
    const auto& p = static_cast<const PaginaRegistro&>(gerenciador.Pagina(0)).Operacoes();
    EXPECT_EQ(Textos_(p, "Courier New").at(0).texto, "nova");
    EXPECT_EQ(Textos_(p, "Times New Roman").size(), 2u);
    EXPECT_EQ(exibicao.chamadas.back().largura, 1080);
    EXPECT_EQ(exibicao.chamadas.back().altura, 1413);
}

}  // namespace
