// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Notas.h"

namespace {

std::string_view Nome(NomeNota n) { return NomesNotas[static_cast<std::size_t>(n)]; }

TEST(Notas, SemitonsSeguemATabela) {
    struct Caso {
        std::string_view nome, acima, abaixo;
    };
    const Caso casos[] = {{"C", "C#", "B"}, {"C#", "D", "C"}, {"Db", "D", "C"},  {"D", "D#", "Db"},
                          {"E", "F", "D#"}, {"F", "F#", "E"}, {"G", "G#", "Gb"}, {"A", "A#", "Ab"},
                          {"A#", "B", "A"}, {"Bb", "B", "A"}, {"B", "C", "Bb"},  {"Eb", "E", "D"}};
    for (const auto& c : casos) {
        const NomeNota n = NomeNotaDoTexto(c.nome);
        ASSERT_GE(n, 0) << c.nome;
        EXPECT_EQ(Nome(SemitomAcima(n)), c.acima) << c.nome;
        EXPECT_EQ(Nome(SemitomAbaixo(n)), c.abaixo) << c.nome;
        EXPECT_EQ(ClasseDoNome(SemitomAcima(n)), (ClasseDoNome(n) + 1) % 12) << c.nome;
    }
}

TEST(Notas, DozeSemitonsVoltamAMesmaClasseMasNemSempreAoMesmoNome) {
    for (NomeNota n = 0; n < QuantidadeNomesNotas; ++n) {
        NomeNota acima = n, abaixo = n;
        for (int i = 0; i < 12; ++i) {
            acima = SemitomAcima(acima);
            abaixo = SemitomAbaixo(abaixo);
        }
        EXPECT_EQ(ClasseDoNome(acima), ClasseDoNome(n));
        EXPECT_EQ(ClasseDoNome(abaixo), ClasseDoNome(n));
    }
    NomeNota eb = NomeNotaDoTexto("Eb");
    for (int i = 0; i < 12; ++i) eb = SemitomAcima(eb);
    EXPECT_EQ(Nome(eb), "D#");
}

TEST(Notas, NomePelaClasseUsaSustenidosEReduzModulo12) {
    const std::string_view esperado[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                         "F#", "G",  "G#", "A",  "A#", "B"};
    for (int c = 0; c < 24; ++c) EXPECT_EQ(Nome(NomePelaClasse(c)), esperado[c % 12]);
}

TEST(Notas, IndiceNotaEscolheSustenidosSalvoParaRaizesBemol) {
    struct Caso {
        std::string_view texto;
        ClasseAltura classe;
        bool sustenido;
    };
    const Caso casos[] = {{"C", 0, true},   {"D", 2, true},    {"B", 11, true},  {"C#", 1, true},
                          {"A#", 10, true}, {"Db", 1, false},  {"Eb", 3, false}, {"Gb", 6, false},
                          {"Ab", 8, false}, {"Bb", 10, false}, {"Cb", 0, false}, {"", 0, false}};
    for (const auto& c : casos) {
        bool sustenido = false;
        EXPECT_EQ(IndiceNota(c.texto, sustenido), c.classe) << c.texto;
        EXPECT_EQ(sustenido, c.sustenido) << c.texto;
    }
    bool intacto = true;
    IndiceNota("H", intacto);
    EXPECT_TRUE(intacto) << "an unknown name leaves the flag as it was";
}

TEST(Notas, RotulosDasTeclas) {
    // A chord on Bb labels black keys with flats, the same chord on A# with sharps.
    const int pretas[] = {1, 3, 6, 8, 10};
    const std::string_view bemois[] = {"Db", "Eb", "Gb", "Ab", "Bb"};
    const std::string_view sustenidos[] = {"C#", "D#", "F#", "G#", "A#"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(RotuloNota("Bb", pretas[i] + 12), bemois[i]);
        EXPECT_EQ(RotuloNota("A#", pretas[i]), sustenidos[i]);
        EXPECT_EQ(RotuloNota("G", pretas[i]), sustenidos[i]);
        EXPECT_TRUE(TeclaPreta(pretas[i] + 12));
    }
    EXPECT_FALSE(TeclaPreta(12));
    EXPECT_FALSE(TeclaPreta(4));
    // Interval labels depend only on the distance above the root.
    EXPECT_EQ(RotuloIntervalo("C", 8), "b13");
    EXPECT_EQ(RotuloIntervalo("C", 21), "13");
    EXPECT_EQ(RotuloIntervalo("C", 18), "b5");
    EXPECT_EQ(RotuloIntervalo("C", 3), "3m");
    EXPECT_EQ(RotuloIntervalo("Eb", 3), "T");
    EXPECT_EQ(RotuloIntervalo("Eb", 2), "7M");
    EXPECT_EQ(RotuloIntervalo("A", 2), "4");
    EXPECT_EQ(RotuloIntervalo("A", 4), "5");
}

}  // namespace
