// SPDX-License-Identifier: GPL-3.0-or-later
// Transposing a symbol keeps its chord: the result always parses to the original's pitch
// classes moved by the step, whatever root, suffix token, step and spelling.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "Cifra.h"

namespace {

using enum SentidoTransposicao;

// Every suffix token of the syntax, separators left out.
constexpr std::string_view kTokens[] = {
    "b9",   "9b",  "-9",   "9-",   "#9",  "9#", "M9", "9M",   "9",        "add9",   "2",  "sus9",
    "sus2", "11#", "#11",  "11+",  "+11", "4",  "11", "add4", "sus4",     "sus",    "+5", "5+",
    "5#",   "#5",  "aug5", "5aug", "aug", "b5", "5b", "-5",   "5-",       "omitt5", "5",  "13b",
    "b13",  "13-", "-13",  "13",   "6",   "7M", "M7", "7+",   "+7",       "7#",     "#7", "7maj",
    "maj7", "7",   "dom7", "dim7", "dim", "o",  "º",  "°",    "half-dim", "ø"};

int Mod12(int x) { return ((x % 12) + 12) % 12; }

// What a chord sounds like: root and bass as pitch classes, and its interval set.
struct Som {
    int raiz;
    int baixo;  // -1 without a bass
    CifraCodificada intervalos;
    bool operator==(const Som&) const = default;
};

Som SomDe(CifraCodificada c) {
    return {ClasseDoNome(RaizCifra(c)), TemBaixo(c) ? ClasseDoNome(BaixoCifra(c)) : -1,
            c & 0xFFE0u};
}

Som Mover(Som s, int passo) {
    s.raiz = Mod12(s.raiz + passo);
    if (s.baixo >= 0) s.baixo = Mod12(s.baixo + passo);
    return s;
}

// Symbols on every root with every token: alone, after the minor mark, before a seventh and
// with a bass; a token that is valid only in parentheses on a natural root is written so.
std::vector<std::string> Simbolos() {
    std::vector<std::string> simbolos;
    for (const std::string_view raiz : NomesNotas) {
        for (const std::string_view token : kTokens) {
            for (const std::string& forma :
                 {std::string(token), "m" + std::string(token), std::string(token) + "7",
                  std::string(token) + "(9)/E", std::string(token) + "/Bb",
                  "(" + std::string(token) + ")/C#"}) {
                const std::string cifra = std::string(raiz) + forma;
                CifraCodificada c;
                if (TentarAnalisarCifra(cifra, c)) simbolos.push_back(cifra);
            }
        }
    }
    return simbolos;
}

TEST(TransporCifraPropriedade, OTranspostoEhOAcordeMovidoPeloPasso) {
    const std::vector<std::string> simbolos = Simbolos();
    ASSERT_GT(simbolos.size(), 17u * std::size(kTokens) * 3);
    for (const std::string& cifra : simbolos) {
        const Som original = SomDe(AnalisarCifra(cifra));
        for (int passo = 0; passo <= 24; ++passo) {
            for (const auto sentido : {Acima, Abaixo}) {
                const Som esperado = Mover(original, sentido == Acima ? passo : -passo);
                for (const auto grafia :
                     {GrafiaNotas::Tabelas, GrafiaNotas::Sustenidos, GrafiaNotas::Bemois}) {
                    const std::string transposta = TransporCifra(cifra, passo, sentido, grafia);
                    CifraCodificada c;
                    ASSERT_TRUE(TentarAnalisarCifra(transposta, c))
                        << cifra << " by " << passo << " gave " << transposta;
                    ASSERT_EQ(SomDe(c), esperado)
                        << cifra << " by " << passo << " gave " << transposta;
                }
            }
        }
    }
}

TEST(TransporCifraPropriedade, SufixoComSustenidoOuBemolVaiEntreParentesesSoQuandoPreciso) {
    struct Caso {
        const char* cifra;
        int semitons;
        SentidoTransposicao sentido;
        const char* esperado;
    };
    const Caso casos[] = {
        // The reported examples: a power chord, other chords, no chord at all.
        {"C#b5", 1, Acima, "D(b5)"},
        {"Db#9", 1, Acima, "D(#9)"},
        {"F#b13", 1, Acima, "G(b13)"},
        {"Bb#11", 1, Acima, "B(#11)"},
        // Only the first token moves into parentheses; the rest and the bass stay.
        {"Dbb5/F", 1, Acima, "D(b5)/F#"},
        {"Db#97/Ab", 1, Acima, "D(#9)7/A"},
        {"Db#11(9)", 1, Abaixo, "C(#11)(9)"},
        // A root that keeps its accidental glues as before.
        {"C#b5", 2, Acima, "D#b5"},
        {"Dbb9", 1, Abaixo, "C(b9)"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TransporCifra(c.cifra, c.semitons, c.sentido), c.esperado) << c.cifra;
    }
    // A suffix that does not start with an accidental is never touched.
    EXPECT_EQ(TransporCifra("C#m7(b5)", 1, Acima), "Dm7(b5)");
    EXPECT_EQ(TransporCifra("Db7(#9)", 1, Acima), "D7(#9)");
}

TEST(TransporCifraGrafia, SustenidosEBemoisDasTabelas) {
    struct Caso {
        const char* cifra;
        int semitons;
        SentidoTransposicao sentido;
        GrafiaNotas grafia;
        const char* esperado;
    };
    using enum GrafiaNotas;
    const Caso casos[] = {
        {"Am", 1, Acima, Bemois, "Bbm"},           {"Am", 1, Acima, Sustenidos, "A#m"},
        {"Bb7/D", 1, Abaixo, Sustenidos, "A7/C#"}, {"Bb7/D", 1, Abaixo, Bemois, "A7/Db"},
        {"E7", 1, Abaixo, Bemois, "Eb7"},          {"B", 1, Acima, Bemois, "C"},
        {"Eb", 12, Acima, Bemois, "Eb"},           {"Eb", 12, Acima, Sustenidos, "D#"},
        {"Gb/Bb", 0, Acima, Sustenidos, "F#/A#"},  {"F#m", 13, Abaixo, Bemois, "Fm"},
        {"Db#9", 1, Acima, Bemois, "D(#9)"},       {"C#b5", 2, Acima, Bemois, "Ebb5"},
        {"Am7/G", 2, Abaixo, Tabelas, "Gm7/F"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TransporCifra(c.cifra, c.semitons, c.sentido, c.grafia), c.esperado) << c.cifra;
    }
    // Never Cb, Fb, E# or B#, whatever the root.
    for (const std::string_view raiz : NomesNotas) {
        for (int passo = 0; passo < 12; ++passo) {
            for (const auto grafia : {Sustenidos, Bemois}) {
                const std::string t = TransporCifra(std::string(raiz) + "7", passo, Acima, grafia);
                const std::string_view nome = NomeRaizCifra(t);
                EXPECT_EQ(nome.size() == 1 || nome[1] == (grafia == Sustenidos ? '#' : 'b'), true)
                    << t;
            }
        }
    }
    EXPECT_THROW(TransporCifra("H7", 1, Acima, Bemois), RaizNaoEncontradaException);
}

TEST(ContarTokensSufixo, ContaOsTokensSemSeparadoresNemBaixo) {
    const std::pair<const char*, int> casos[] = {
        {"C", 0},     {"C/E", 0},     {"Cm", 1},      {"Cmin", 1},      {"C7M", 1},
        {"Cmaj7", 1}, {"Cm7(b5)", 3}, {"C7(9)/E", 2}, {"C7/9/E", 2},    {"C(add9)", 1},
        {"Cdim7", 1}, {"Cº", 1},      {"C6(9)", 2},   {"C7(9)sus4", 3}, {"Cmaja", -1},
        {"H", -1},    {"C(E", 0},     {"Bb7/D", 1},   {"C5omitt5", 2},  {"Cm7M/Bb", 2}};
    for (const auto& [cifra, tokens] : casos) EXPECT_EQ(ContarTokensSufixo(cifra), tokens) << cifra;
}

}  // namespace
