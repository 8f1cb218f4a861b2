// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli transpose --spelling, run as a user runs it.
#include <gtest/gtest.h>

#include <string>

#include "../cli/ExecutarCli.h"
#include "CaminhosTeste.h"

namespace {

const std::string EmFa = "'" + std::string(tastavo_teste::DadosTeste()) + "/em_fa.txt'";

TEST(CliTransposeSpelling, CadaGrafia) {
    struct Caso {
        const char* opcoes;
        const char* esperado;
    };
    const Caso casos[] = {
        {"--up 1", "Tom: F#\nF#  B  C#\nHoje [D#m]eu vou [B7M]cantar\n"},
        {"--up 1 --spelling tables", "Tom: F#\nF#  B  C#\nHoje [D#m]eu vou [B7M]cantar\n"},
        {"--up 1 --spelling key", "Tom: Gb\nGb  B  Db\nHoje [Ebm]eu vou [B7M]cantar\n"},
        {"--up 1 --spelling flats", "Tom: Gb\nGb  B  Db\nHoje [Ebm]eu vou [B7M]cantar\n"},
        {"--down 1 --spelling sharps", "Tom: E\nE  A  B\nHoje [C#m]eu vou [A7M]cantar\n"},
        {"--up 2 --spelling key", "Tom: G\nG  C  D\nHoje [Em]eu vou [C7M]cantar\n"},
        {"--up 0 --spelling sharps", "Tom: F\nF  Bb  C\nHoje [Dm]eu vou [Bb7M]cantar\n"},
    };
    for (const Caso& c : casos) {
        const ResultadoCli r = ExecutarCli(std::string("transpose ") + c.opcoes + " " + EmFa);
        EXPECT_EQ(r.status, 0) << c.opcoes;
        EXPECT_EQ(r.saida, c.esperado) << c.opcoes;
    }
    // Standard input works the same.
    EXPECT_EQ(ExecutarCli("transpose --spelling key --up 1 < " + EmFa).saida,
              "Tom: Gb\nGb  B  Db\nHoje [Ebm]eu vou [B7M]cantar\n");
}

TEST(CliTransposeSpelling, GrafiaDesconhecidaEhErroDeUso) {
    for (const char* grafia : {"bogus", "", "Key", "sharp"}) {
        const ResultadoCli r =
            ExecutarCli(std::string("transpose --up 1 --spelling '") + grafia + "' " + EmFa);
        EXPECT_EQ(r.status, 2) << grafia;
        EXPECT_EQ(r.saida, "") << grafia;
    }
}

}  // namespace
