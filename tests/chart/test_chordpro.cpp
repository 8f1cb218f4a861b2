// SPDX-License-Identifier: GPL-3.0-or-later
// ChordPro in the chart engine: directive lines, comments and tab sections are left alone,
// "{key: X}" moves with the song, and conversion both ways keeps every chord over its syllable.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AnaliseCifra.h"
#include "CaminhosTeste.h"
#include "ChordPro.h"
#include "CifraEmPartes.h"
#include "TransposicaoCifra.h"

namespace {

std::string Ler(const std::filesystem::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

const std::string Cancao =
    "{title: Swing Low}\n"
    "{subtitle: Spiritual}\n"
    "{key: D}\n"
    "# sung slowly, C G Am\n"
    "{start_of_chorus}\n"
    "Swing [D]low, sweet [G]chari[D]ot\n"
    "{end_of_chorus}\n"
    "{comment: Em C}\n"
    "{start_of_tab}\n"
    "E|--C--G--|\n"
    "A E\n"
    "{end_of_tab}\n"
    "{sot}\n"
    "Am F\n"
    "{eot}\n"
    "A E\n";

TEST(ChordPro, DirectivesCommentsAndTabsAreLeftAloneButTheKeyMoves) {
    EXPECT_EQ(TransporTexto(Cancao, 2, SentidoTransposicao::Acima),
              "{title: Swing Low}\n"
              "{subtitle: Spiritual}\n"
              "{key: E}\n"
              "# sung slowly, C G Am\n"
              "{start_of_chorus}\n"
              "Swing [E]low, sweet [A]chari[E]ot\n"
              "{end_of_chorus}\n"
              "{comment: Em C}\n"
              "{start_of_tab}\n"
              "E|--C--G--|\n"
              "A E\n"
              "{end_of_tab}\n"
              "{sot}\n"
              "Am F\n"
              "{eot}\n"
              "B F#\n");
    // Collected: the key, the inline chords and the chord line after the tabs; nothing of
    // the title, the comments or the tab sections.
    EXPECT_EQ(ColetarAcordes(DividirLinhas(Cancao)),
              (std::vector<std::string>{"D", "D", "G", "D", "A", "E"}));

    // The stream, in pieces of every size, agrees with the whole text.
    for (std::size_t pedaco : {1u, 3u, 7u, 64u}) {
        TransposicaoContinua t(2, SentidoTransposicao::Acima);
        std::string saida;
        for (std::size_t i = 0; i < Cancao.size(); i += pedaco)
            t.Acrescentar(std::string_view(Cancao).substr(i, pedaco), saida);
        t.Terminar(saida);
        EXPECT_EQ(saida, TransporTexto(Cancao, 2, SentidoTransposicao::Acima)) << pedaco;
    }

    // The key gives the spelling: D down 1 is Db major, a flat key.
    EXPECT_EQ(TransporTexto("{k: D}\n[D]Swing [A]low\n", 1, SentidoTransposicao::Abaixo,
                            GrafiaTransposicao::Tom),
              "{k: Db}\n[Db]Swing [Ab]low\n");
}

TEST(ChordPro, WhatIsADirective) {
    struct Caso {
        const char* linha;
        bool diretiva;
        const char* nome;
        const char* valor;
    };
    const Caso casos[] = {
        {"{title: Swing Low}", true, "title", "Swing Low"},
        {"  {Start_Of_Chorus}  ", true, "start_of_chorus", ""},
        {"{c:Refrão}", true, "c", "Refrão"},
        {"{ key : Bb }", true, "key", "Bb"},
        {"{}", false, "", ""},
        {"{title: sem fim", false, "", ""},
        {"Swing [D]low", false, "", ""},
        {"[C] {x}", false, "", ""},
    };
    for (const Caso& c : casos) {
        const auto d = chordpro::LerDiretiva(c.linha);
        ASSERT_EQ(d.has_value(), c.diretiva) << c.linha;
        if (!d) continue;
        EXPECT_EQ(d->nome, c.nome);
        EXPECT_EQ(d->valor, c.valor);
    }
    EXPECT_TRUE(chordpro::TextoChordPro("C G\r\n{title: X}\r\n"));
    EXPECT_FALSE(chordpro::TextoChordPro("C G\nHoje [Am]eu vou\n"));
    for (const char* nome : {"a.cho", "B.CHOPRO", "c.chordpro", "d.crd", "e.pro"})
        EXPECT_TRUE(chordpro::ExtensaoChordPro(nome)) << nome;
    for (const char* nome : {"a.txt", "cho", "a.choo", "a.pro.txt"})
        EXPECT_FALSE(chordpro::ExtensaoChordPro(nome)) << nome;
}

TEST(ChordPro, ChordsOverLyricsBecomeInlineChordsAndBack) {
    const std::string texto =
        "Tom: G\n"
        "Refrão:\n"
        "C        Am\n"
        "Hoje eu vou\n"
        "Dm  G7            A\n"
        "Canção\n"
        "C  G\n"
        "\n"
        "Intro: C | G\n";
    const std::string cho = chordpro::ParaChordPro(texto);
    EXPECT_EQ(cho,
              "{key: G}\n"
              "{comment: Refrão}\n"
              "[C]Hoje eu v[Am]ou\n"
              "[Dm]Canç[G7]ão            [A]\n"
              "[C]   [G]\n"
              "\n"
              "Intro: [C] | [G]\n");
    EXPECT_EQ(chordpro::ParaTexto(cho),
              "Tom: G\n"
              "Refrão\n"
              "C        Am\n"
              "Hoje eu vou\n"
              "Dm  G7            A\n"
              "Canção\n"
              "C  G\n"
              "\n"
              "       C  G\n"
              "Intro:  |\n");
}

TEST(ChordPro, LiftedChordsStartOverTheirSyllablesAndTheHeaderComesFirst) {
    EXPECT_EQ(chordpro::ParaTexto(Cancao, "\r\n"),
              "Swing Low\r\n"
              "Spiritual\r\n"
              "Tom: D\r\n"
              "      D          G    D\r\n"
              "Swing low, sweet chariot\r\n"
              "Em C\r\n"
              "E|--C--G--|\r\n"
              "A E\r\n"
              "Am F\r\n"
              "A E\r\n");
    // Chords closer than their names are long push the lyric on rather than touch.
    EXPECT_EQ(chordpro::ParaTexto("[C7M(9)][G]Oi\n{artist: Alguém}\n"),
              "Alguém\nC7M(9) G\n       Oi\n");
}

// Every chord of a chart, in order: the words of chord lines and the contents of brackets
// that are chord symbols (of any length, as ChordPro writes them).
std::vector<std::string> Acordes(const std::string& texto) {
    std::vector<std::string> acordes;
    for (const std::string& linha : DividirLinhas(texto)) {
        if (chordpro::LerDiretiva(linha)) {
            std::size_t inicio = 0, tamanho = 0;
            if (chordpro::ChaveDoTom(linha, inicio, tamanho))
                acordes.push_back(linha.substr(inicio, tamanho));
            continue;
        }
        if (!LinhaContemTexto(linha)) {
            for (const Candidato& c : CandidatosDaLinha(linha)) {
                CifraCodificada cifra;
                if (TentarAnalisarCifra(c.texto, cifra)) acordes.emplace_back(c.texto);
            }
            continue;
        }
        for (std::size_t abre = linha.find('['); abre != std::string::npos;
             abre = linha.find('[', abre + 1)) {
            const std::size_t fecha = linha.find(']', abre);
            if (fecha == std::string::npos) break;
            const std::string conteudo = linha.substr(abre + 1, fecha - abre - 1);
            CifraCodificada cifra;
            if (conteudo.find('[') == std::string::npos && TentarAnalisarCifra(conteudo, cifra))
                acordes.push_back(conteudo);
        }
    }
    return acordes;
}

// The chord lines of a chart with the lyric line under them, as they stand on paper.
std::vector<std::string> ParesAcordesLetra(const std::string& texto) {
    const std::vector<std::string> linhas = DividirLinhas(texto);
    std::vector<std::string> pares;
    for (std::size_t i = 0; i + 1 < linhas.size(); ++i) {
        // Chord lines of chords alone (marks such as "(2x)" keep a line to itself).
        if (LinhaContemTexto(linhas[i]) || CandidatosDaLinha(linhas[i]).empty()) continue;
        bool soAcordes = true;
        for (const Candidato& c : CandidatosDaLinha(linhas[i])) {
            CifraCodificada cifra;
            soAcordes = soAcordes && TentarAnalisarCifra(c.texto, cifra);
        }
        if (!soAcordes) continue;
        if (!LinhaContemTexto(linhas[i + 1]) || linhas[i + 1].find('[') != std::string::npos)
            continue;
        auto aparar = [](std::string s) {
            while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
            return s;
        };
        pares.push_back(aparar(linhas[i]) + "\n" + aparar(linhas[i + 1]) + "\n");
    }
    return pares;
}

TEST(ChordPro, TextToChordProToTextKeepsEveryChordOverItsSyllableInEveryChart) {
    std::size_t arquivos = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(tastavo_teste::DadosTeste())) {
        SCOPED_TRACE(entrada.path().filename().string());
        // As the tool reads it: decoded, lines as written.
        const std::string original = Ler(entrada.path());
        std::string texto = original.starts_with("\xEF\xBB\xBF") ? original.substr(3) : original;
        const std::string cho = chordpro::ParaChordPro(texto);
        const std::string volta = chordpro::ParaTexto(cho);
        std::vector<std::string> antes = Acordes(texto);
        std::vector<std::string> depois = Acordes(volta);
        // The key line goes to the top: its chord leads, the others keep their order.
        if (volta.starts_with("Tom: ") && !depois.empty() && depois != antes) {
            for (auto chave = antes.begin(); chave != antes.end(); ++chave) {
                if (*chave != depois.front()) continue;
                std::vector<std::string> movida = antes;
                std::rotate(movida.begin(), movida.begin() + (chave - antes.begin()),
                            movida.begin() + (chave - antes.begin()) + 1);
                if (movida == depois) {
                    antes = movida;
                    break;
                }
            }
        }
        EXPECT_EQ(depois, antes);
        for (const std::string& par : ParesAcordesLetra(texto))
            EXPECT_NE(volta.find(par), std::string::npos) << par;
        // ChordPro once is ChordPro for good: converting again changes nothing.
        EXPECT_EQ(chordpro::ParaChordPro(cho), cho);
        ++arquivos;
    }
    EXPECT_GE(arquivos, 7u);
}

}  // namespace

namespace {

TEST(ChordPro, TheSongSheetHasTheHeaderTheLiftedChordsAndTheChorusMarked) {
    const chordpro::FolhaCancao folha = chordpro::FolhaDeCancao(Cancao);
    EXPECT_EQ(folha.titulo, "Swing Low");
    EXPECT_EQ(folha.subtitulo, "Spiritual");
    std::vector<std::pair<std::string, bool>> linhas;
    for (const auto& l : folha.linhas) linhas.emplace_back(l.texto, l.refrao);
    EXPECT_EQ(linhas, (std::vector<std::pair<std::string, bool>>{{"      D          G    D", true},
                                                                 {"Swing low, sweet chariot", true},
                                                                 {"Em C", false},
                                                                 {"E|--C--G--|", false},
                                                                 {"A E", false},
                                                                 {"Am F", false},
                                                                 {"A E", false}}));
    EXPECT_EQ(chordpro::FolhaDeCancao("{artist: Alguém}\nOi\n").subtitulo, "Alguém");
}

}  // namespace
