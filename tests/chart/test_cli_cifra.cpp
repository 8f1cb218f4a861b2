// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli transpose and collect, run as a user runs them, on real files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "../cli/ExecutarCli.h"
#include "CaminhosTeste.h"
#include "Sanitizador.h"

namespace {

const std::string Dados = tastavo_teste::DadosTeste();

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
    // Old Mac line ends (CR alone) end lines too, and stay.
    EXPECT_EQ(Executar("transpose --up 1 " + Arquivo("cr.txt")).r.saida,
              "Tom: G#\rC# G# A#m F#\rHoje [A#m]eu vou\r");
    EXPECT_EQ(Executar("transpose --up 1 --spelling key - < " + Arquivo("cr.txt")).r.saida,
              "Tom: Ab\rDb Ab Bbm Gb\rHoje [Bbm]eu vou\r");
    EXPECT_EQ(Executar("collect " + Arquivo("cr.txt")).r.saida, "G\nC\nG\nAm\nF\nAm\n");
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

TEST(CliTranspose, ArquivoIlegivelNomeiaOArquivoEOMotivo) {
    for (const std::string comando : {"transpose --up 1", "collect", "collect --unique"}) {
        const auto e = Executar(comando + " /nao/existe/musica.txt");
        EXPECT_EQ(e.r.status, 2) << comando;
        EXPECT_EQ(e.erros, "tastavo-cli: " + comando.substr(0, comando.find(' ')) +
                               ": cannot read /nao/existe/musica.txt: No such file or directory\n");
    }
    // A folder opens but cannot be read.
    const auto pasta = Executar("collect '" + Dados + "'");
    EXPECT_EQ(pasta.r.status, 2);
    EXPECT_EQ(pasta.erros, "tastavo-cli: collect: cannot read " + Dados + ": Is a directory\n");
}

TEST(CliTranspose, UmByteForaDoUtf8NaoEstragaAsOutrasLetras) {
    const std::filesystem::path cifra = std::filesystem::path(testing::TempDir()) /
                                        ("tastavo_misto_" + std::to_string(getpid()) + ".txt");
    std::ofstream(cifra, std::ios::binary) << "Canção [Am]coração\nC\xBA G\n";
    const std::string arquivo = "'" + cifra.string() + "'";
    EXPECT_EQ(Executar("transpose --up 1 " + arquivo).r.saida, "Canção [A#m]coração\nC#º G#\n");
    EXPECT_EQ(Executar("collect " + arquivo).r.saida, "Am\nCº\nG\n");
    std::filesystem::remove(cifra);
}

// The largest resident size, in kilobytes, of tastavo-cli run with `argumentos` while
// `escrever` feeds its standard input; its output is thrown away.
long MemoriaMaxima(const std::vector<std::string>& argumentos,
                   const std::function<void(int fd)>& escrever) {
    int tubo[2];
    if (pipe(tubo) != 0) return -1;
    const pid_t filho = fork();
    if (filho == 0) {
        dup2(tubo[0], 0);
        close(tubo[0]);
        close(tubo[1]);
        const int nulo = open("/dev/null", O_WRONLY);
        dup2(nulo, 1);
        const std::string binario = std::string(tastavo_teste::PastaBinarios()) + "/tastavo-cli";
        std::vector<char*> argv{const_cast<char*>(binario.c_str())};
        for (const auto& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(tubo[0]);
    escrever(tubo[1]);
    close(tubo[1]);
    int estado = 0;
    struct rusage uso {};
    if (wait4(filho, &estado, 0, &uso) != filho || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        return -1;
    return uso.ru_maxrss;
}

void EscreverRepetido(int fd, std::string_view trecho, std::size_t bytes) {
    for (std::size_t escritos = 0; escritos < bytes;) {
        const ssize_t n = write(fd, trecho.data(), trecho.size());
        if (n <= 0) return;
        escritos += static_cast<std::size_t>(n);
    }
}

constexpr bool kComAddressSanitizer = tastavo_teste::ComAddressSanitizer;

TEST(CliTranspose, AMemoriaNaoCresceComOTamanhoDaCifra) {
    // The sanitizer keeps freed memory aside to catch its later use, so the size measured
    // there grows with the work done, not with what is held.
    if (kComAddressSanitizer) GTEST_SKIP() << "memory is measured without AddressSanitizer";
    // 48 MB of chart, and a line as long with no end, against a chart of one line: the memory
    // used stays within a few megabytes of it.
    const std::string estrofe =
        "Intro: C  G/B  Am7\nHoje [Am]eu vou [F7M]cantar a canção\n" + std::string(100, ' ') + "\n";
    const std::string semFim(1 << 16, 'x');
    for (const std::vector<std::string>& comando : std::vector<std::vector<std::string>>{
             {"transpose", "--up", "1"}, {"collect"}, {"collect", "--unique"}}) {
        const long pouco =
            MemoriaMaxima(comando, [&](int fd) { EscreverRepetido(fd, estrofe, 1); });
        const long cifra =
            MemoriaMaxima(comando, [&](int fd) { EscreverRepetido(fd, estrofe, 48 << 20); });
        const long linha =
            MemoriaMaxima(comando, [&](int fd) { EscreverRepetido(fd, semFim, 48 << 20); });
        ASSERT_GT(pouco, 0) << comando[0];
        ASSERT_GT(cifra, 0) << comando[0];
        ASSERT_GT(linha, 0) << comando[0];
        EXPECT_LT(cifra - pouco, 8 * 1024) << comando[0] << ": " << pouco << " KB, then " << cifra;
        EXPECT_LT(linha - pouco, 8 * 1024) << comando[0] << ": " << pouco << " KB, then " << linha;
    }
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

namespace {

// A chart as musicians write it: every chord moves, lyrics stay, and a line that looks like a
// chord line but holds a word that is no chord is told on stderr, with exit status 0.
TEST(CliCifrasReais, TodoAcordeMudaEOQueFicaEhAvisado) {
    const std::string aviso = "tastavo-cli: line 12: kept as lyrics: \"blah\" is no chord\n";
    const auto e = Executar("transpose --up 1 " + Arquivo("cifra_real.txt"));
    EXPECT_EQ(e.r.status, 0);
    EXPECT_EQ(e.r.saida,
              "Chorus: G# C# D#\nN.C. D# A# (x2)\nA#m7 D7/9+ C#7/4 C#7\n"
              "A#7/4 A#7 (D#6 D#6/A#) Fm7/9\nInter: D# A# Cm\nKey: G#\nC#maj7 A#-7 D#-7 G#7\n"
              "A day in the life\nE a Ana foi ao mar\nAm I blue\nDo mi sol\nC  G  Am blah\n");
    EXPECT_EQ(e.erros, aviso);
    // The key spelling and kept columns read the chart whole, and warn the same.
    const auto k =
        Executar("transpose --down 1 --spelling key --keep-columns " + Arquivo("cifra_real.txt"));
    EXPECT_EQ(k.r.status, 0);
    EXPECT_NE(k.r.saida.find("Key: F#\n"), std::string::npos) << k.r.saida;
    EXPECT_NE(k.r.saida.find("N.C. C# G# (x2)\n"), std::string::npos) << k.r.saida;
    EXPECT_EQ(k.erros, aviso);
    const auto c = Executar("collect --unique " + Arquivo("cifra_real.txt"));
    EXPECT_EQ(c.r.status, 0);
    EXPECT_EQ(c.r.saida,
              "G\nC\nD\nA\nAm7\nDb7/9+\nC7/4\nC7\nA7/4\nA7\nD6\nD6/A\nEm7/9\nBm\nCmaj7\nA-7\n"
              "D-7\nG7\n");
    EXPECT_EQ(c.erros, aviso);
}

TEST(CliCifrasReais, ManterColunas) {
    const auto e = Executar("transpose --up 1 --keep-columns - < " + Arquivo("cifra_real.txt"));
    EXPECT_EQ(e.r.status, 0);
    EXPECT_NE(e.r.saida.find("\nC  G  Am blah\n"), std::string::npos) << "lyrics stay";
    EXPECT_EQ(Executar("transpose --up 1 --keep-columns " + Arquivo("em_fa.txt")).r.saida,
              "Tom: F#\nF# B   C#\nHoje [D#m]eu vou [B7M]cantar\n");
}

// The new spellings name the chords of the usual ones, for `parse` and `chord` alike.
TEST(CliCifrasReais, GrafiasNovasNaAnaliseENoAcorde) {
    const auto codigo = [](const std::string& saida) { return saida.substr(saida.find('\t')); };
    for (const auto& [escrita, usual] :
         {std::pair{"E7#9", "'E7(#9)'"}, std::pair{"A-7", "Am7"}, std::pair{"Cmaj9", "'C7M(9)'"},
          std::pair{"C+/E", "'C(#5)/E'"}, std::pair{"C\u0394", "C7M"}}) {
        EXPECT_EQ(codigo(Executar(std::string("parse ") + escrita).r.saida),
                  codigo(Executar(std::string("parse ") + usual).r.saida))
            << escrita;
        // The positions, without the symbol as written.
        const auto posicoes = [](const std::string& json) {
            const std::size_t inicio = json.find("\"positions\"");
            return json.substr(inicio, json.rfind("\"symbol\"") - inicio);
        };
        EXPECT_EQ(posicoes(Executar(std::string("chord --json ") + escrita).r.saida),
                  posicoes(Executar(std::string("chord --json ") + usual).r.saida))
            << escrita;
    }
}

}  // namespace
