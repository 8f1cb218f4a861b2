// tastavo-cli transpose and collect, run as a user runs them, on real files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../cli/ExecutarCli.h"

namespace {

const std::string Dados = TASTAVO_TEST_DATA;

std::string Ler(const std::filesystem::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string Arquivo(const std::string& nome) { return "'" + Dados + "/" + nome + "'"; }

// Runs the tool and keeps what it wrote to stderr too.
using Execucao = ExecucaoCli;

Execucao Executar(const std::string& argumentos) { return ExecutarCliComErros(argumentos); }

TEST(CliTranspose, ReproduzOsExemplosEMantemALetraByteAByte) {
    const auto e = Executar("transpose --up 1 " + Arquivo("exemplos.txt"));
    EXPECT_EQ(e.r.status, 0) << e.erros;
    EXPECT_EQ(e.r.saida, Ler(Dados + "/exemplos_acima1.txt"));
    EXPECT_EQ(e.erros, "");

    // Standard input, and back down again.
    const auto volta = Executar("transpose --down 1 < " + Arquivo("exemplos_acima1.txt"));
    EXPECT_EQ(volta.r.status, 0);
    EXPECT_EQ(Executar("transpose --up 1 - < /dev/null").r.saida, "");
    // Down from the sharps gives sharp names again, so only the lines without sharps return.
    EXPECT_NE(volta.r.saida.find("Hoje [Am]eu vou [F7M]cantar\n"), std::string::npos);
    EXPECT_NE(
        volta.r.saida.find("Canção do coração, ação\n¿Dónde [Em]estás? Я [Am]люблю, Σ' [F]αγαπώ\n"),
        std::string::npos);
}

TEST(CliTranspose, ZeroDeixaTudoIgual) {
    const auto e = Executar("transpose --up 0 " + Arquivo("exemplos.txt"));
    EXPECT_EQ(e.r.status, 0);
    EXPECT_EQ(e.r.saida, Ler(Dados + "/exemplos.txt"));
}

TEST(CliTranspose, FinaisDeLinhaCodificacaoEMarcaDeOrdem) {
    // CR LF line ends and no final line end, kept as they were.
    EXPECT_EQ(Executar("transpose --down 2 " + Arquivo("crlf.txt")).r.saida,
              "Tom: C\r\nC  G/B\r\nCanção [Am]coração [F]fim");
    // Bytes that are not UTF-8 are read as Windows-1252 and written as UTF-8.
    const auto w = Executar("transpose --down 2 " + Arquivo("cp1252.txt"));
    EXPECT_EQ(w.r.status, 0);
    EXPECT_EQ(w.r.saida, "Tom: C\r\nC  G/B  Eº\r\nCanção [Am]coraçãoº [F]fim");
    EXPECT_EQ(Executar("collect " + Arquivo("cp1252.txt")).r.saida, "D\nD\nA/C#\nF#º\nBm\nG\n");
    // A byte-order mark stays in front and does not hide the first chord.
    EXPECT_EQ(Executar("transpose --up 12 " + Arquivo("bom.txt")).r.saida,
              "\xEF\xBB\xBF"
              "C G\nHoje [Am]eu\n");
    EXPECT_EQ(Executar("transpose --up 13 " + Arquivo("bom.txt")).r.saida,
              "\xEF\xBB\xBF"
              "C# G#\nHoje [A#m]eu\n");
}

TEST(CliTranspose, ErrosDeUso) {
    const std::string arquivo = Arquivo("exemplos.txt");
    for (const std::string argumentos : {"", "--up", "--up -1", "--up 1.5", "--up x", "--up +2",
                                         "--down ''", "--up 1 --down 1", "--up 1 a b"}) {
        const auto e = Executar("transpose " + argumentos + " " + arquivo);
        EXPECT_EQ(e.r.status, 2) << argumentos;
        EXPECT_EQ(e.r.saida, "") << argumentos;
        EXPECT_NE(e.erros, "") << argumentos;
    }
}

TEST(CliTranspose, ArquivoIlegivelNomeiaOArquivo) {
    for (const std::string comando : {"transpose --up 1", "collect", "collect --unique"}) {
        const auto e = Executar(comando + " /nao/existe/musica.txt");
        EXPECT_EQ(e.r.status, 2) << comando;
        EXPECT_NE(e.erros.find("/nao/existe/musica.txt"), std::string::npos) << e.erros;
        EXPECT_EQ(std::count(e.erros.begin(), e.erros.end(), '\n'), 1) << e.erros;
    }
    // A folder opens but cannot be read.
    EXPECT_EQ(Executar("collect '" + Dados + "'").r.status, 2);
}

TEST(CliCollect, OsAcordesQueVaoParaAListaDeImpressao) {
    // Marker words, the 17-character bracket, the lines of lyrics without brackets and the
    // chord that needs six keys are left out.
    const auto e = Executar("collect " + Arquivo("exemplos.txt"));
    EXPECT_EQ(e.r.status, 0) << e.erros;
    EXPECT_EQ(e.r.saida,
              "G\nC\nG\nAm\nF\nAm\nF7M\nC\nA\nE\nC\nG\nBb\nF\nBb\nEb\nAm\nDm7/F\nEm\nAm\nF\nC\n"
              "G7/B\nAm\nAm\nDm\nC\n");
    const auto u = Executar("collect --unique " + Arquivo("exemplos.txt"));
    EXPECT_EQ(u.r.status, 0);
    EXPECT_EQ(u.r.saida, "G\nC\nAm\nF\nF7M\nA\nE\nBb\nEb\nDm7/F\nEm\nG7/B\nDm\n");
}

TEST(CliCollect, LetraDeCaixaEEntradaPadrao) {
    // Cm9 and CM9 are both chords; the print list takes the second as a repeat.
    const std::filesystem::path cifra = std::filesystem::path(testing::TempDir()) /
                                        ("tastavo_caixa_" + std::to_string(getpid()) + ".txt");
    std::ofstream(cifra, std::ios::binary)
        << "Cm9 CM9 | Cm9\nHoje [C7(9)(11)(13)/G#]eu [cm9] [Cm9]\n";
    const std::string arquivo = "'" + cifra.string() + "'";
    EXPECT_EQ(Executar("collect " + arquivo).r.saida, "Cm9\nCM9\nCm9\nCm9\n");
    EXPECT_EQ(Executar("collect --unique - < " + arquivo).r.saida, "Cm9\n");
    EXPECT_EQ(Executar("collect < /dev/null").r.saida, "");
    std::filesystem::remove(cifra);
}

}  // namespace
