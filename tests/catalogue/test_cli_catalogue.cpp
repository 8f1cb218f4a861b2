// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "../cli/ExecutarCli.h"
#include "BaseNomesAcordes.h"
#include "CaminhosTeste.h"

namespace {

std::string Juntar(const std::vector<std::string>& linhas) {
    std::string texto;
    for (const auto& l : linhas) texto += l + "\n";
    return texto;
}

std::string LerTudo(const std::string& caminho) {
    std::ifstream f(caminho);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

TEST(CliCatalogue, SemArquivoListaOCatalogoInstalado) {
    const auto r = ExecutarCli("catalogue");
    EXPECT_EQ(r.status, 0);
    const BaseNomesAcordes instalado(std::filesystem::path(tastavo_teste::PastaBinarios()) /
                                     "acordes.txt");
    EXPECT_EQ(r.saida, Juntar(instalado.Nomes()));
    EXPECT_TRUE(r.saida.starts_with("A\nAº\nA(add9)\nA/C#\n"));
}

TEST(CliCatalogue, ArquivoDadoEmOrdemDeCatalogo) {
    const auto r = ExecutarCli(std::string("catalogue ") + tastavo_teste::DadosTeste() +
                               "/finais-de-linha.txt");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.saida, "C\nC7M\nCmaj7\nC#\nDb\n");
}

TEST(CliCatalogue, LinhasInvalidasSaoApontadasEAsOutrasListadas) {
    const std::string erros =
        ::testing::TempDir() + "catalogue-erros-" + std::to_string(getpid()) + ".txt";
    // Blank lines are no names and no errors.
    const auto vazia = ExecutarCli(
        std::string("catalogue ") + tastavo_teste::DadosTeste() + "/linha-vazia.txt", erros);
    EXPECT_EQ(vazia.status, 0);
    EXPECT_EQ(vazia.saida, "C\nD\n");
    EXPECT_EQ(LerTudo(erros), "");

    const std::string outro = std::string(tastavo_teste::DadosTeste()) + "/formato-invalido.txt";
    const auto r2 = ExecutarCli("catalogue " + outro, erros);
    EXPECT_EQ(r2.status, 1);
    EXPECT_EQ(r2.saida, "C\n");
    EXPECT_EQ(LerTudo(erros), "tastavo-cli: " + outro + ":2: not a chord symbol: \"C7 M\"\n");
}

TEST(CliCatalogue, ArquivoIlegivelEhSaida2ComNomeEMotivo) {
    const std::string erros =
        ::testing::TempDir() + "catalogue-ilegivel-" + std::to_string(getpid()) + ".txt";
    const struct {
        std::string arquivo;
        std::string motivo;
    } casos[] = {{"/nao/existe.txt", "No such file or directory"},
                 {tastavo_teste::DadosTeste(), "Is a directory"},
                 {"/dev/zero", "not a regular file"}};
    for (const auto& caso : casos) {
        const auto r = ExecutarCli("catalogue '" + caso.arquivo + "'", erros);
        EXPECT_EQ(r.status, 2) << caso.arquivo;
        EXPECT_EQ(r.saida, "");
        EXPECT_EQ(LerTudo(erros), "tastavo-cli: catalogue: cannot read " + caso.arquivo + ": " +
                                      caso.motivo + "\n");
    }
    EXPECT_EQ(ExecutarCli("catalogue a.txt b.txt").status, 2);
}
