// SPDX-License-Identifier: GPL-3.0-or-later
// Charts as musicians write them: marker words of every language, chords in groups, the extra
// chord spellings, the lines left as lyrics, and chords kept in their columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcordesParaImpressao.h"
#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "ColecaoAcordeImpressao.h"
#include "GeradorAcordesTeclado.h"
#include "TransposicaoCifra.h"

namespace {

using Linhas = std::vector<std::string>;
using enum SentidoTransposicao;

TEST(PalavraNeutra, MarcadoresDeCadaIdioma) {
    const std::pair<const char*, bool> casos[] = {
        // Sections, with the brackets, colons, dots and numbers around them dropped.
        {"Chorus:", true},
        {"[Chorus]", true},
        {"(Solo)", true},
        {"Verse", true},
        {"Verse2:", true},
        {"Refrão:", true},
        {"REFRÃO", true},
        {"Introdução", true},
        {"INTRODUCCIÓN:", true},
        {"Pré-refrão", true},
        {"Pre-Chorus", true},
        {"Estribillo", true},
        {"Ponte", true},
        {"Bridge:", true},
        {"Puente", true},
        {"Inter:", true},
        {"Interlúdio", true},
        {"Instrumental", true},
        {"Final", true},
        {"Outro", true},
        {"Coda", true},
        {"Fim", true},
        {"Fin.", true},
        {"Ending", true},
        {"Riff", true},
        {"Vamp", true},
        {"Estrofe", true},
        {"Estrofa", true},
        {"Coro", true},
        {"Interlude", true},
        {"Interludio", true},
        {"Verso", true},
        // Key words, repeat and rest marks.
        {"Key:", true},
        {"Tonalidade:", true},
        {"Tonalidad", true},
        {"Tono:", true},
        {"x2", true},
        {"(X3)", true},
        {"x9", true},
        {"Bis", true},
        {"N.C.", true},
        {"N.C", true},
        {"NC", true},
        {"n.c.", true},
        // Equal, not merely containing: lyrics stay lyrics.
        {"Solos", false},
        {"Keys", false},
        {"x10", false},
        {"bisavó", false},
        {"Chorusline", false},
        {"Fins", false},
        {"Ana", false},
        {"Am", false},
    };
    for (const auto& [palavra, neutra] : casos)
        EXPECT_EQ(PalavraNeutra(palavra), neutra) << palavra;
}

TEST(LinhaContemTexto, LinhasDeCifraDeVerdade) {
    const std::pair<const char*, bool> casos[] = {
        {"Chorus: G C D", false},
        {"N.C. D A (x2)", false},
        {"Am7 Db7/9+ C7/4 C7", false},
        {"A7/4 A7 (D6 D6/A) Em7/9", false},
        {"Inter: D A Bm", false},
        {"Key: G", false},
        {"Cmaj7 A-7 D-7 G7", false},
        {"[Verse 2] E7#9 F#m7#5", false},
        {"Estribillo: Dmi7 G7 CM", false},
        {"Tono: Bm+", false},
        // Lyrics stay lyrics.
        {"A day in the life", true},
        {"E a Ana foi ao mar", true},
        {"Am I blue", true},
        {"Do mi sol", true},
        {"Solo tu (y yo)", true},
    };
    for (const auto& [linha, texto] : casos) EXPECT_EQ(LinhaContemTexto(linha), texto) << linha;
}

TEST(CandidatosDaLinha, GrupoDeAcordesSemOParentese) {
    const std::string linha = "A7/4 A7 (D6 D6/A) Em7/9 C7(9) (Gm7) C7(9))";
    std::vector<std::pair<std::string, std::size_t>> obtidos;
    for (const Candidato& c : CandidatosDaLinha(linha)) obtidos.emplace_back(c.texto, c.posicao);
    EXPECT_EQ(obtidos, (std::vector<std::pair<std::string, std::size_t>>{{"A7/4", 0},
                                                                         {"A7", 5},
                                                                         {"D6", 9},
                                                                         {"D6/A", 12},
                                                                         {"Em7/9", 18},
                                                                         {"C7(9)", 24},
                                                                         {"Gm7", 31},
                                                                         {"C7(9)", 36}}));
    EXPECT_EQ(TransporLinhas(Linhas{linha}, "1", Acima)[0],
              "A#7/4 A#7 (D#6 D#6/A#) Fm7/9 C#7(9) (G#m7) C#7(9))");
    // A candidate that still ends in a parenthesis is rewritten whole: no byte of the line
    // is lost, whether it stands in a group or in a bracket.
    EXPECT_EQ(TransporLinhas(Linhas{"(D6 G))", "[G)]la [(D6]la"}, "7", Abaixo),
              (Linhas{"(G6 C))", "[C)]la [(D6]la"}));
    // A word that is no chord in parentheses keeps the line among the lyrics.
    EXPECT_TRUE(LinhaContemTexto("C G (oh yeah)"));
}

TEST(TransporLinhas, OExemploDasCifrasReais) {
    const Linhas cifra = {"Chorus: G C D",           "N.C. D A (x2)", "Am7 Db7/9+ C7/4 C7",
                          "A7/4 A7 (D6 D6/A) Em7/9", "Inter: D A Bm", "Key: G",
                          "Cmaj7 A-7 D-7 G7"};
    EXPECT_EQ(TransporLinhas(cifra, "1", Acima),
              (Linhas{"Chorus: G# C# D#", "N.C. D# A# (x2)", "A#m7 D7/9+ C#7/4 C#7",
                      "A#7/4 A#7 (D#6 D#6/A#) Fm7/9", "Inter: D# A# Cm", "Key: G#",
                      "C#maj7 A#-7 D#-7 G#7"}));
    for (const std::string& linha : cifra) EXPECT_FALSE(PalavraQueRetemALinha(linha)) << linha;
    // With the key spelling, "Key: G" names the key: G up one is Ab, a flat key.
    EXPECT_EQ(
        TransporLinhas(Linhas{"Tonalidade: G", "G Em C D"}, "1", Acima, GrafiaTransposicao::Tom),
        (Linhas{"Tonalidade: Ab", "Ab Fm Db Eb"}));
}

TEST(PalavraQueRetemALinha, SoLinhasQueParecemDeAcordes) {
    struct Caso {
        const char* linha;
        const char* palavra;  // nullptr: no warning
    };
    const Caso casos[] = {
        {"C G Am blah", "blah"},                // three chords of four words
        {"C G foo bar", "foo"},                 // half are chords
        {"C foo bar baz", nullptr},             // one chord is no chord line
        {"C G foo bar baz", nullptr},           // fewer than half
        {"Intro: C G zz |", "zz"},              // neutral words do not count
        {"C G [x]", "x"},                       // the word may stand in brackets
        {"Hoje [Am]eu [C]vou [G]lá", nullptr},  // bracket chords do not count
        {"C G Am F", nullptr},                  // a chord line
        {"A day in the life", nullptr},
        {"Am I blue", nullptr},
        {"", nullptr},
    };
    for (const Caso& c : casos) {
        const auto palavra = PalavraQueRetemALinha(c.linha);
        ASSERT_EQ(palavra.has_value(), c.palavra != nullptr) << c.linha;
        if (palavra) {
            EXPECT_EQ(*palavra, c.palavra) << c.linha;
        }
    }
    EXPECT_EQ(AvisoLinhaRetida(12, "blah"), "line 12: kept as lyrics: \"blah\" is no chord");
}

TEST(ColetaContinua, AvisaAsLinhasRetidasComSeuNumero) {
    const std::string texto =
        "C G Am blah\r\nHoje [Am]eu\rC G\nG D foo\n" + std::string(600, 'x') + " C G\nF C bar";
    for (const std::size_t tamanho : {1u, 5u, 1u << 16}) {
        ColetaContinua coleta;
        std::vector<std::pair<std::size_t, std::string>> avisos;
        coleta.AoReterLinha([&](std::size_t n, std::string_view p) { avisos.emplace_back(n, p); });
        for (std::size_t i = 0; i < texto.size(); i += tamanho)
            coleta.Acrescentar(std::string_view(texto).substr(i, tamanho), [](std::string_view) {});
        coleta.Terminar([](std::string_view) {});
        EXPECT_EQ(avisos, (std::vector<std::pair<std::size_t, std::string>>{
                              {1, "blah"}, {4, "foo"}, {6, "bar"}}))
            << "pieces of " << tamanho;
    }
}

TEST(TransporLinhas, ManterColunas) {
    struct Caso {
        const char* linha;
        const char* semitons;
        SentidoTransposicao sentido;
        const char* esperado;
    };
    const Caso casos[] = {
        {"C   G   Am", "1", Acima, "C#  G#  A#m"},  // grown: takes a space, leaves the rest
        {"C G  Am", "1", Acima, "C# G# A#m"},       // one space always stays
        {"Bb  F", "1", Acima, "B   F#"},            // shrunk: gets its space back
        {"Bb F", "1", Acima, "B  F#"},
        {"C#m7  F#", "1", Abaixo, "Cm7   F"},
        {"Bb", "1", Acima, "B"},  // nothing follows: nothing added
        {"Bb   ", "1", Acima, "B   "},
        {"C    ", "1", Acima, "C#   "},  // trailing spaces may all be taken
        {"C\tG", "1", Acima, "C#\tG#"},  // only spaces move
        {"Intro: C  G (x2)", "1", Acima, "Intro: C# G# (x2)"},
        {"(C  G)  F", "1", Acima, "(C# G#)  F#"},                  // no space right after "G"
        {"[Bb]letra  [F]mais", "1", Acima, "[B]letra  [F#]mais"},  // text lines as ever
        {"Hoje C   G", "1", Acima, "Hoje C   G"},
    };
    const OpcoesTransposicao colunas{GrafiaTransposicao::Tabelas, true};
    for (const Caso& c : casos) {
        EXPECT_EQ(TransporLinhas(Linhas{c.linha}, c.semitons, c.sentido, colunas)[0], c.esperado)
            << c.linha;
        const int passo = std::stoi(c.semitons);
        EXPECT_EQ(TransporTexto(std::string(c.linha) + "\r", passo, c.sentido, colunas),
                  std::string(c.esperado) + "\r");
        TransposicaoContinua continua(passo, c.sentido, true);
        std::string saida;
        continua.Acrescentar(c.linha, saida);
        continua.Terminar(saida);
        EXPECT_EQ(saida, c.esperado) << c.linha;
    }
    // Without the choice, the plain shifting; with flats and columns together, both.
    EXPECT_EQ(TransporLinhas(Linhas{"C   G"}, "1", Acima)[0], "C#   G#");
    EXPECT_EQ(TransporLinhas(Linhas{"C   G   D"}, "1", Acima,
                             OpcoesTransposicao{GrafiaTransposicao::Bemois, true})[0],
              "Db  Ab  Eb");
}

// The new spellings read as the chords they name: the same value as the usual spelling, the same
// keyboard positions, and a print list line that keeps the symbol as written.
TEST(GrafiasDeMusicos, IdaEVoltaPelaAnaliseOAcordeEALista) {
    const std::pair<const char*, const char*> pares[] = {
        {"Db7/9+", "Db7(#9)"}, {"B7(+9)", "B7(#9)"},   {"A-7", "Am7"},       {"E-7b5", "Em7(b5)"},
        {"Dmi7", "Dm7"},       {"Gmaj", "G"},          {"CM", "C"},          {"Cmaj/E", "C/E"},
        {"CMaj7", "C7M"},      {"Cma7", "C7M"},        {"C\u0394", "C7M"},   {"C\u25B37", "C7M"},
        {"Fmaj9", "F7M(9)"},   {"C+", "C(#5)"},        {"Bm+", "Bm(#5)"},    {"C+/E", "C(#5)/E"},
        {"E7#9", "E7(#9)"},    {"F#m7#5", "F#m7(#5)"}, {"G7#11", "G7(#11)"},
    };
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    Linhas escritas;
    for (const auto& [escrita, usual] : pares) {
        EXPECT_EQ(AnalisarCifra(escrita), AnalisarCifra(usual)) << escrita;
        const auto a = gerador.GerarAcorde(escrita);
        const auto b = gerador.GerarAcorde(usual);
        ASSERT_EQ(a->QuantidadePosicoes(), b->QuantidadePosicoes()) << escrita;
        for (int i = 0; i < a->QuantidadePosicoes(); ++i)
            EXPECT_TRUE(a->Posicao(i) == b->Posicao(i)) << escrita << " position " << i;
        EXPECT_EQ(a->Nome(), escrita);
        escritas.emplace_back(escrita);
    }
    const auto construivel = [&gerador](std::string_view c) { return gerador.PodeGerar(c); };
    EXPECT_EQ(AcordesParaImpressao(ColetarAcordes(escritas), construivel), escritas);
}

}  // namespace
