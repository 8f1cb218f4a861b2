#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../cli/ExecutarCli.h"
#include "BaseNomesAcordes.h"

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
    const BaseNomesAcordes instalado(std::filesystem::path(TASTAVO_BIN_DIR) / "acordes.txt");
    EXPECT_EQ(r.saida, Juntar(instalado.Nomes()));
    EXPECT_TRUE(r.saida.starts_with("A\nAº\nA(add9)\nA/C#\n"));
}

TEST(CliCatalogue, ArquivoDadoEmOrdemDeCatalogo) {
    const auto r =
        ExecutarCli(std::string("catalogue ") + TASTAVO_TEST_DATA + "/finais-de-linha.txt");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.saida, "C\nC7M\nCmaj7\nC#\nDb\n");
}

TEST(CliCatalogue, LinhasInvalidasSaoApontadasEAsOutrasListadas) {
    const std::string erros = ::testing::TempDir() + "catalogue-erros.txt";
    const std::string arquivo = std::string(TASTAVO_TEST_DATA) + "/linha-vazia.txt";
    const auto r = ExecutarCli("catalogue " + arquivo, erros);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida, "C\nD\n");
    EXPECT_EQ(LerTudo(erros), "tastavo-cli: " + arquivo + ":2: not a chord symbol: \"\"\n");

    const std::string outro = std::string(TASTAVO_TEST_DATA) + "/formato-invalido.txt";
    const auto r2 = ExecutarCli("catalogue " + outro, erros);
    EXPECT_EQ(r2.status, 1);
    EXPECT_EQ(LerTudo(erros), "tastavo-cli: " + outro + ":2: not a chord symbol: \"C7 M\"\n");
}

TEST(CliCatalogue, ArquivoAusenteEUsoErrado) {
    EXPECT_EQ(ExecutarCli("catalogue /nao/existe.txt").status, 1);
    // A folder is reported like any unreadable file, not a crash.
    const std::string erros = ::testing::TempDir() + "catalogue-pasta.txt";
    EXPECT_EQ(ExecutarCli(std::string("catalogue ") + TASTAVO_TEST_DATA, erros).status, 1);
    EXPECT_EQ(LerTudo(erros), std::string("tastavo-cli: cannot read ") + TASTAVO_TEST_DATA + "\n");
    EXPECT_EQ(ExecutarCli("catalogue a.txt b.txt").status, 2);
}
