// SPDX-License-Identifier: GPL-3.0-or-later
// Spelling of transposed charts: sharps, flats, or as the transposed key is written. Only the
// names change: every chord keeps the pitch classes that the semitone tables give, and every
// other byte stays as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "TransposicaoCifra.h"

namespace {

using Linhas = std::vector<std::string>;
using enum SentidoTransposicao;
using enum GrafiaTransposicao;

// The pieces of a line: separator runs and words, alternating, as the chart analysis cuts them.
std::vector<std::string> Pedacos(std::string_view linha) {
    const auto separador = [](char c) {
        return std::string_view(" []\n\r\t").find(c) != std::string_view::npos;
    };
    std::vector<std::string> pedacos;
    std::size_t i = 0;
    while (i < linha.size()) {
        const bool sep = separador(linha[i]);
        const std::size_t inicio = i;
        while (i < linha.size() && separador(linha[i]) == sep) ++i;
        pedacos.emplace_back(linha.substr(inicio, i - inicio));
    }
    return pedacos;
}

// Root and bass as pitch classes, with the intervals: what a chord sounds like.
struct Som {
    int raiz, baixo;
    CifraCodificada intervalos;
    bool operator==(const Som&) const = default;
};

std::optional<Som> SomDe(std::string_view cifra) {
    CifraCodificada c;
    if (!TentarAnalisarCifra(cifra, c)) return std::nullopt;
    return Som{ClasseDoNome(RaizCifra(c)), TemBaixo(c) ? ClasseDoNome(BaixoCifra(c)) : -1,
               c & 0xFFE0u};
}

// A song in a key, its chords named from one table: diatonic chords, a secondary dominant, a
// borrowed chord, slash basses, chords on their own lines and in brackets, a key line.
Linhas Musica(int tonica, bool menor, const std::array<std::string_view, 12>& nomes) {
    const auto n = [&](int graus) {
        return std::string(nomes[static_cast<std::size_t>((tonica + graus) % 12)]);
    };
    const std::string t = n(0) + (menor ? "m" : "");
    if (menor) {
        return {"Tom: " + t, "Intro: " + t + "  " + n(5) + "m7  " + n(7) + "7(b9)  (2x)",
                "Hoje [" + n(8) + "7M]eu vou [" + n(3) + "/" + n(7) + "]cantar, ação",
                n(10) + "      " + n(2) + "m7(b5)   " + n(7) + "7/" + n(11),
                "Canção [" + t + "]do [" + n(1) + "]coração"};
    }
    return {"Tom: " + t, "Intro: " + t + "  " + n(9) + "m7  " + n(2) + "m7  " + n(7) + "7(9)  (2x)",
            "Hoje [" + n(9) + "m]eu vou [" + n(5) + "7M]cantar [" + n(0) + "/" + n(4) + "]",
            n(4) + "7/" + n(8) + "      " + n(10) + "   " + n(7) + "sus4",
            "Canção [" + n(3) + "º]do [" + n(6) + "m7(b5)]coração"};
}

TEST(GrafiaTransposicao, SoOsNomesMudamEmTodosOsTonsEPassos) {
    for (int tonica = 0; tonica < 12; ++tonica) {
        for (const bool menor : {false, true}) {
            for (const auto* nomes : {&NomesNotasSustenido, &NomesNotasBemol}) {
                const Linhas musica = Musica(tonica, menor, *nomes);
                for (int passo = 1; passo <= 11; ++passo) {
                    for (const auto sentido : {Acima, Abaixo}) {
                        const std::string s = std::to_string(passo);
                        const Linhas tabelas = TransporLinhas(musica, s, sentido);
                        ASSERT_EQ(TransporLinhas(musica, s, sentido, Tabelas), tabelas);
                        for (const auto grafia : {Sustenidos, Bemois, Tom}) {
                            const Linhas escrita = TransporLinhas(musica, s, sentido, grafia);
                            ASSERT_EQ(escrita.size(), tabelas.size());
                            for (std::size_t i = 0; i < escrita.size(); ++i) {
                                const auto a = Pedacos(escrita[i]);
                                const auto b = Pedacos(tabelas[i]);
                                ASSERT_EQ(a.size(), b.size()) << escrita[i] << " / " << tabelas[i];
                                for (std::size_t k = 0; k < a.size(); ++k) {
                                    const auto somA = SomDe(a[k]);
                                    if (somA) {
                                        EXPECT_EQ(somA, SomDe(b[k]))
                                            << escrita[i] << " / " << tabelas[i];
                                    } else {
                                        EXPECT_EQ(a[k], b[k]) << escrita[i] << " / " << tabelas[i];
                                    }
                                }
                            }
                            // Both text paths agree.
                            std::string texto, esperado;
                            for (std::size_t i = 0; i < musica.size(); ++i) {
                                texto += musica[i] + "\r\n";
                                esperado += escrita[i] + "\r\n";
                            }
                            EXPECT_EQ(TransporTexto(texto, passo, sentido, grafia), esperado);
                        }
                    }
                }
            }
        }
    }
}

TEST(GrafiaTransposicao, ExemplosDoTom) {
    struct Caso {
        std::string cifra;
        std::string semitons;
        SentidoTransposicao sentido;
        GrafiaTransposicao grafia;
        std::string esperado;
    };
    const Caso casos[] = {
        // A song in F raised a semitone: Gb is a flat key, so B is spelled from the flat table.
        {"F Bb C", "1", Acima, Tabelas, "F# B C#"},
        {"F Bb C", "1", Acima, Tom, "Gb B Db"},
        {"F Bb C", "1", Acima, Sustenidos, "F# B C#"},
        {"A D E", "1", Abaixo, Tom, "Ab Db Eb"},
        {"A D E", "1", Abaixo, Tabelas, "Ab Db D#"},
        {"Am", "1", Acima, Tom, "Bbm"},
        {"Am", "1", Acima, Bemois, "Bbm"},
        {"Am", "1", Acima, Tabelas, "A#m"},
        // To G, a sharp key, from flats; to C from a chart written with flats keeps them.
        {"Bb Eb/G F7", "3", Abaixo, Tom, "G C/E D7"},
        {"Eb Gb Bb", "3", Abaixo, Tom, "C Eb G"},
        {"E G# B", "4", Abaixo, Tom, "C E G"},
        {"A C#m G", "3", Acima, Tom, "C Em A#"},
        // Six accidentals: the side of the source key; from C the way of the step.
        {"Db Gb Ab", "5", Acima, Tom, "Gb B Db"},
        {"C F G", "6", Acima, Tom, "F# B C#"},
        {"C F G", "6", Abaixo, Tom, "Gb B Db"},
        {"Em Am B7", "1", Abaixo, Tom, "D#m G#m A#7"},
        {"Bm Em F#7", "4", Acima, Tom, "D#m G#m A#7"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TransporLinhas(Linhas{c.cifra}, c.semitons, c.sentido, c.grafia)[0], c.esperado)
            << c.cifra << " " << c.semitons;
    }
}

TEST(GrafiaTransposicao, LinhaDeTomDecideETambemEhTransposta) {
    // The key line decides over the first chord (F would make it F major, and Gb), and is
    // transposed even among words. D#m/Ebm goes to the side of the source key, Dm: flats.
    const Linhas musica = {"F  C  Dm  Bb", "Key: Dm (capo 2)", "Hoje [Gm]eu"};
    EXPECT_EQ(TransporLinhas(musica, "1", Acima, Tom),
              (Linhas{"Gb  Db  Ebm  B", "Key: Ebm (capo 2)", "Hoje [Abm]eu"}));
    EXPECT_EQ(TransporLinhas(Linhas{"E  B  C#m  A", "Tom: C#m"}, "2", Acima, Tom),
              (Linhas{"F#  C#  D#m  B", "Tom: D#m"}));
    EXPECT_EQ(TransporLinhas(musica, "1", Acima, Tabelas)[1], "Key: Dm (capo 2)")
        << "the tables keep the chart analysis as it was: \"Key:\" is a word of lyrics there";
    // Without a key line, the first chord: Em up 6 is Bbm, a flat key.
    EXPECT_EQ(TransporTexto("Intro\nEm C G D\n", 6, Acima, Tom), "Intro\nBbm Gb Db Ab\n");
    EXPECT_EQ(TransporTexto("Tone: Em\nEm C G D", 6, Acima, Tom), "Tone: Bbm\nBbm Gb Db Ab");
    // Nothing to go by: sharps up, flats down.
    EXPECT_EQ(TransporTexto("Só letra [x]", 1, Acima, Tom), "Só letra [x]");
}

TEST(GrafiaTransposicao, LinhaDeTomReconhecida) {
    // The key line's key moves with the song and decides the spelling: major or minor matters
    // (F#m up 2 is G#m, a sharp key, where F# major would go to Ab), as does the line's form.
    struct Caso {
        std::string linha;
        std::string semitons;
        std::string esperado;
    };
    const Caso casos[] = {
        {"Tom: G", "1", "Tom: Ab"},
        {"tom:  Em7", "4", "tom:  G#m7"},
        {"KEY : Bb", "1", "KEY : B"},
        {"Tone: F#m", "2", "Tone: G#m"},
        {"  Tom G", "1", "  Tom Ab"},
        {"Tom: capo", "1", "Tom: capo"},
        {"Key: Dm (capo 2)", "1", "Key: Ebm (capo 2)"},
        {"Tomorrow G never", "1", "Tomorrow G never"},
        {"", "1", ""},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TransporLinhas(Linhas{c.linha}, c.semitons, Acima, Tom)[0], c.esperado)
            << c.linha;
    }
}

TEST(GrafiaTransposicao, SufixoComAcidenteNaoColaNaNovaRaiz) {
    // The fast path writes the same as the symbol transposition.
    EXPECT_EQ(TransporLinhas(Linhas{"C#b5  Db#9  F#b13  Bb#11", "eu [Db#9]vou"}, "1", Acima),
              (Linhas{"D(b5)  D(#9)  G(b13)  B(#11)", "eu [D(#9)]vou"}));
    EXPECT_EQ(TransporTexto("C#b5  Db#9\n", 1, Acima), "D(b5)  D(#9)\n");
}

}  // namespace
