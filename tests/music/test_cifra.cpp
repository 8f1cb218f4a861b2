// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Cifra.h"

namespace {

TEST(AnalisarCifra, ValoresConhecidos) {
    struct Caso {
        const char* cifra;
        CifraCodificada valor;
    };
    const Caso casos[] = {
        {"C", 4608},       {"Cm", 8704},  {"C7", 4672},  {"C7M", 4640},   {"Cmaj7", 4640},
        {"C5", 512},       {"C/E", 4615}, {"C#", 70144}, {"Db", 135680},  {"Cdim7", 9344},
        {"Bb7/D", 987716}, {"C6", 4736},  {"C13", 4736}, {"Cmin7", 8768}, {"C(E", 4615},
        {"C|E", 4615},     {"C.E", 4615}, {"C,E", 4615}, {"C)E", 4615},
    };
    for (const auto& c : casos) EXPECT_EQ(AnalisarCifra(c.cifra), c.valor) << c.cifra;
}

// Symbols that must mean the same chord, and pairs that must not.
TEST(AnalisarCifra, EquivalenciasDeSufixos) {
    const std::pair<const char*, const char*> iguais[] = {
        {"Cmin7", "Cm7"},
        {"C7(#9)", "C7(9#)"},
        {"C7(#9)", "C7(M9)"},
        {"C7(#9)", "C7(9M)"},
        {"C7(#11)", "C7(11#)"},
        {"C7(#11)", "C7(11+)"},
        {"C7(b13)", "C7(#5)"},
        {"C7/9", "C79"},
        {"Cº", "Cdim"},
        {"C°", "Co"},
        {"Cø", "Chalf-dim"},
        {"Cø", "Cm7(b5)"},
        {"C7M", "C7+"},
        {"Caug", "C+5"},
        {"Csus", "Csus4"},
        {"C(add9)", "C9"},
        {"C2", "C9"},
        {"Cdom7", "C7"},
        {"C7M7M", "C7M"},
        // A longer token wins over the shorter one it begins with.
        {"C9b", "C(b9)"},
        {"C9-", "C(b9)"},
        {"C5+", "C(#5)"},
        {"C5aug", "Caug"},
        {"C5-", "C(b5)"},
        {"C13b", "C(b13)"},
        {"C13-", "C(b13)"},
        {"C7maj", "C7M"},
        {"Csus9", "Csus2"},
        {"Cadd4", "C4"},
        {"C+11", "C(#11)"},
        {"C11+", "C(#11)"},
    };
    for (const auto& [a, b] : iguais)
        EXPECT_EQ(AnalisarCifra(a), AnalisarCifra(b)) << a << " " << b;
    EXPECT_NE(AnalisarCifra("C#"), AnalisarCifra("Db"));
    EXPECT_NE(AnalisarCifra("C/E"), AnalisarCifra("C"));
}

TEST(AnalisarCifra, CamposDoValor) {
    const CifraCodificada c = AnalisarCifra("C7/9/E");
    EXPECT_EQ(RaizCifra(c), 0);
    ASSERT_TRUE(TemBaixo(c));
    EXPECT_EQ(BaixoCifra(c), 6);
    for (int s : {2, 4, 7, 10}) EXPECT_TRUE(TemIntervalo(c, s)) << s;
    for (int s : {1, 3, 5, 6, 8, 9, 11}) EXPECT_FALSE(TemIntervalo(c, s)) << s;

    const CifraCodificada m7M = AnalisarCifra("Cm7M");
    EXPECT_TRUE(TemIntervalo(m7M, 3));
    EXPECT_FALSE(TemIntervalo(m7M, 4));
    EXPECT_TRUE(TemIntervalo(m7M, 11));

    const CifraCodificada msus4 = AnalisarCifra("Cmsus4");
    EXPECT_TRUE(TemIntervalo(msus4, 3));
    EXPECT_TRUE(TemIntervalo(msus4, 5));

    for (const char* nome : {"C", "C#", "Db", "B", "Bb"}) {
        const CifraCodificada t = AnalisarCifra(nome);
        EXPECT_EQ(t & 0xFFE0u & ~(0x1Fu << 16), (1u << 12) | (1u << 9))
            << nome << " is a major triad";
        EXPECT_FALSE(TemBaixo(t));
    }
    EXPECT_EQ(RaizCifra(AnalisarCifra("Bb5")), 15) << "Bb with the power-chord suffix";
}

TEST(AnalisarCifra, RaizInvalida) {
    struct Caso {
        std::string cifra, raiz;
    };
    const Caso casos[] = {{"", ""},    {"c", "c"},  {"H7", "H"},  {"Cb5", "Cb"}, {"E#", "E#"},
                          {" C", " "}, {"ºC", "º"}, {"Fb", "Fb"}, {"B#m", "B#"}, {"\xC3\xA9", "é"}};
    for (const auto& c : casos) {
        try {
            AnalisarCifra(c.cifra);
            ADD_FAILURE() << c.cifra << " parsed";
        } catch (const RaizNaoEncontradaException& e) {
            EXPECT_EQ(e.Texto(), c.raiz) << c.cifra;
        }
        CifraCodificada v = 0;
        EXPECT_FALSE(TentarAnalisarCifra(c.cifra, v));
    }
}

TEST(AnalisarCifra, FormatoInvalido) {
    // "C/E7": the rest after the slash is no note name, and E matches no token.
    for (const std::string cifra : {"C 7", "C/E7", "Cx", "Cmm", "Csus7x", "C\xBA", "C7 ", "C-x",
                                    "CMx", "C+x", "Cmaja", "Cmaj7x", "CM/E7", "C\u25B3x", "Cmi-"}) {
        try {
            AnalisarCifra(cifra);
            ADD_FAILURE() << cifra << " parsed";
        } catch (const FormatoInvalidoException& e) {
            EXPECT_EQ(e.Texto(), cifra);
        }
    }
}

// Spellings read besides the token table, and what the table reads keeps its meaning.
TEST(AnalisarCifra, GrafiasDeMusicos) {
    const std::pair<const char*, const char*> iguais[] = {
        // Augmented ninth.
        {"Db7/9+", "Db7(#9)"},
        {"B7(+9)", "B7(#9)"},
        {"E7(9+)", "E7(#9)"},
        {"C9+", "C(#9)"},
        // Minor: "-" and "mi" right after the root.
        {"C-", "Cm"},
        {"A-7", "Am7"},
        {"E-7b5", "Em7(b5)"},
        {"Dmi7", "Dm7"},
        {"Cmi", "Cm"},
        {"F#-7/E", "F#m7/E"},
        // Major triad: maj, Maj, MAJ, major, M at the end or before a separator.
        {"Gmaj", "G"},
        {"CM", "C"},
        {"Cmaj/E", "C/E"},
        {"Cmajor", "C"},
        {"CMaj", "C"},
        {"CMAJ", "C"},
        {"CM(9)", "C(9)"},
        // Major seventh.
        {"CMaj7", "C7M"},
        {"CMAJ7", "C7M"},
        {"Cma7", "C7M"},
        {"C\u0394", "C7M"},
        {"C\u03947", "C7M"},
        {"C\u25B3", "C7M"},
        {"C\u25B37", "C7M"},
        {"Cmaj9", "C7M(9)"},
        {"Fmaj9/A", "F7M(9)/A"},
        {"Am\u0394", "Am7M"},
        // Augmented fifth: "+" at the end or before a separator; "+7" stays the major seventh.
        {"C+", "C(#5)"},
        {"E+", "E(#5)"},
        {"Bm+", "Bm(#5)"},
        {"C+/E", "C(#5)/E"},
        {"C+7", "C7M"},
        // The "7#" mend: before 5, 9 or 11, the seventh and then the raised note.
        {"E7#9", "E7(#9)"},
        {"F#m7#5", "F#m7(#5)"},
        {"G7#11", "G7(#11)"},
        {"C7#", "C7M"},
        {"C7#13", "C7M(13)"},
        {"Bb7#9/D", "Bb7(#9)/D"},
        // The table's own readings are kept.
        {"C-9", "C(b9)"},
        {"C-5", "C(b5)"},
        {"C-13", "C(b13)"},
        {"C9+5", "C9(#5)"},
        {"CM9", "C(#9)"},
        {"CM7", "C7M"},
        {"Cm7M", "Cm(7M)"},
    };
    for (const auto& [a, b] : iguais)
        EXPECT_EQ(AnalisarCifra(a), AnalisarCifra(b)) << a << " " << b;
    // A long symbol goes the table's other road; the extra spellings hold there too.
    EXPECT_EQ(AnalisarCifra("C-7(9)(11)(13)/G"), AnalisarCifra("Cm7(9)(11)(13)/G"));
    EXPECT_EQ(AnalisarCifra("C7#9(b13)(11)/Bb"), AnalisarCifra("C7(#9)(b13)(11)/Bb"));
    EXPECT_NE(AnalisarCifra("E7#9"), AnalisarCifra("E7M(9)")) << "the old reading is gone";
}

TEST(TransporCifra, GrafiaEscritaEhMantida) {
    using enum SentidoTransposicao;
    EXPECT_EQ(TransporCifra("Cmaj7", 1, Acima), "C#maj7");
    EXPECT_EQ(TransporCifra("A-7", 1, Acima), "A#-7");
    EXPECT_EQ(TransporCifra("Db7/9+", 2, Abaixo), "B7/9+");
    EXPECT_EQ(TransporCifra("C+/E", 1, Acima), "C#+/F");
    EXPECT_EQ(TransporCifra("Gmaj/B", 1, Abaixo, GrafiaNotas::Bemois), "Gbmaj/Bb");
    EXPECT_EQ(TransporCifra("B\u0394", 1, Acima), "C\u0394");
}

TEST(ContarTokensSufixo, GrafiasDeMusicos) {
    EXPECT_EQ(ContarTokensSufixo("A-7"), 2);
    EXPECT_EQ(ContarTokensSufixo("Cmaj9/E"), 1);
    EXPECT_EQ(ContarTokensSufixo("E7#9"), 2);
    EXPECT_EQ(ContarTokensSufixo("B7(+9)"), 2);
    EXPECT_EQ(ContarTokensSufixo("Cx"), -1);
}

TEST(AnalisarCifra, SeparadorSemBaixoEhApenasPulado) {
    EXPECT_EQ(AnalisarCifra("C7(9"), AnalisarCifra("C79"));
    EXPECT_EQ(AnalisarCifra("C7/"), AnalisarCifra("C7"));
    EXPECT_EQ(AnalisarCifra("C7/9/E"), AnalisarCifra("C79/E"));
    EXPECT_FALSE(TemBaixo(AnalisarCifra("C/9")));
    EXPECT_THROW(AnalisarCifra("Am7/Cb"), FormatoInvalidoException) << "Cb is no note name";
}

TEST(NomeRaizCifra, CortaARaiz) {
    const std::pair<const char*, const char*> casos[] = {
        {"Bb7/D", "Bb"}, {"C#m", "C#"}, {"Cm", "C"},  {"Cb5", "Cb"}, {"", ""},
        {"C", "C"},      {"Hb", "Hb"},  {"ºb", "ºb"}, {"é7", "é"}};
    for (const auto& [cifra, raiz] : casos) EXPECT_EQ(NomeRaizCifra(cifra), raiz) << cifra;
}

TEST(TransporCifra, SobeEDesceRaizEBaixo) {
    struct Caso {
        const char* cifra;
        int semitons;
        SentidoTransposicao sentido;
        const char* esperado;
    };
    using enum SentidoTransposicao;
    const Caso casos[] = {
        {"Bb7/D", 1, Acima, "B7/D#"},
        {"Bb7/D", 1, Abaixo, "A7/Db"},
        {"Eb", 12, Acima, "D#"},
        {"E7", 1, Abaixo, "D#7"},
        {"C7/9/E", 2, Acima, "D7/9/F#"},
        {"C|E", 2, Acima, "D|F#"},
        {"F#m7(b5)", 0, Acima, "F#m7(b5)"},
        {"Dbm7", -3, Acima, "Dbm7"},
        {"B", 1, Acima, "C"},
        {"C#/G#", 1, Abaixo, "C/G"},
        {"Cº", 3, Acima, "D#º"},
        {"Am7/G", 2, Abaixo, "Gm7/F"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TransporCifra(c.cifra, c.semitons, c.sentido), c.esperado) << c.cifra;
    EXPECT_THROW(TransporCifra("Cmaja", 1, Acima), FormatoInvalidoException);
    EXPECT_THROW(TransporCifra("H7", 1, Acima), RaizNaoEncontradaException);
}

}  // namespace
