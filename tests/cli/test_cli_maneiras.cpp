// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's manners at a terminal: its version, the nearest name offered for a slip, errors
// under its name, help wrapped to the terminal with choices as they are typed.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "ExecutarCli.h"

namespace {

// The tool run with `ambiente` (env's arguments: VAR=value, -u VAR) and `argumentos`.
ResultadoCli ExecutarCom(const std::string& ambiente, const std::string& argumentos) {
    const std::string comando = "env " + ambiente + " " +
                                std::string(tastavo_teste::PastaBinarios()) + "/tastavo-cli " +
                                argumentos + " 2>/dev/null";
    ResultadoCli r;
    FILE* p = popen(comando.c_str(), "r");
    if (p == nullptr) return r;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), p)) > 0) r.saida.append(buffer.data(), n);
    const int estado = pclose(p);
    r.status = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return r;
}

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream in(texto);
    for (std::string linha; std::getline(in, linha);) linhas.push_back(linha);
    return linhas;
}

std::vector<std::string> Palavras(const std::string& texto) {
    std::vector<std::string> palavras;
    std::istringstream in(texto);
    for (std::string p; in >> p;) palavras.push_back(p);
    return palavras;
}

TEST(CliManeiras, VersionPrintsTheProjectsVersion) {
    for (const char* opcao : {"--version", "-V"}) {
        const auto e = ExecutarCliComErros(opcao);
        EXPECT_EQ(e.r.status, 0) << opcao;
        EXPECT_EQ(e.r.saida, std::string("tastavo ") + TASTAVO_VERSAO + "\n") << opcao;
        EXPECT_EQ(e.erros, "") << opcao;
    }
}

TEST(CliManeiras, ASlipIsAnsweredWithTheNearestName) {
    const struct {
        const char* argumentos;
        const char* erro;  // the first line of standard error
    } casos[] = {
        {"chrod C", "tastavo-cli: unknown command 'chrod'; did you mean 'chord'?"},
        {"trasnpose --up 1", "tastavo-cli: unknown command 'trasnpose'; did you mean 'transpose'?"},
        {"cat", "tastavo-cli: unknown command 'cat'; did you mean 'catalogue'?"},
        {"pase C", "tastavo-cli: unknown command 'pase'; did you mean 'parse'?"},
        {"xylophone", "tastavo-cli: unknown command 'xylophone'"},
        {"--verison", "tastavo-cli: unknown option '--verison'; did you mean '--version'?"},
        {"chord --lables notes C",
         "tastavo-cli: chord: unknown option '--lables'; did you mean '--labels'?"},
        {"chord --jsno=1 C", "tastavo-cli: chord: unknown option '--jsno'; did you mean '--json'?"},
        {"play --secnds 1 C",
         "tastavo-cli: play: unknown option '--secnds'; did you mean '--seconds'?"},
        {"play --zzz C", "tastavo-cli: play: unknown option '--zzz'"},
        // Options in a group (one of --up and --down), and a command that takes its words freely.
        {"transpose --upp 1",
         "tastavo-cli: transpose: unknown option '--upp'; did you mean '--up'?"},
        {"name --jsno C E G", "tastavo-cli: name: unknown option '--jsno'; did you mean '--json'?"},
    };
    for (const auto& caso : casos) {
        const auto e = ExecutarCliComErros(caso.argumentos);
        EXPECT_EQ(e.r.status, 2) << caso.argumentos;
        EXPECT_EQ(e.r.saida, "") << caso.argumentos;
        const auto linhas = Linhas(e.erros);
        ASSERT_FALSE(linhas.empty()) << caso.argumentos;
        EXPECT_EQ(linhas[0], caso.erro) << caso.argumentos;
    }
}

TEST(CliManeiras, EveryErrorLineStartsWithTheToolsName) {
    for (const std::string argumentos :
         {"", "nonsense", "parse", "parse H", "chord --labels colours C", "chord",
          "play --seconds nan C", "play --instrument 500 C",
          "transpose --up 1 /nonexistent/song.txt", "collect /nonexistent", "name", "name C H",
          "print --format tiff -o /nonexistent/x.pdf C", "catalogue /nonexistent/names.txt",
          "parse --C", "chord C --C"}) {
        const auto e = ExecutarCliComErros(argumentos);
        EXPECT_NE(e.r.status, 0) << argumentos;
        ASSERT_FALSE(e.erros.empty()) << argumentos;
        for (const auto& linha : Linhas(e.erros))
            EXPECT_EQ(linha.rfind("tastavo-cli: ", 0), 0u) << argumentos << ": " << linha;
    }
    const auto rotulos = ExecutarCliComErros("chord --labels colours C");
    EXPECT_EQ(
        Linhas(rotulos.erros)[0],
        "tastavo-cli: chord: --labels: must be one of fingers, notes, intervals, not \"colours\"");
}

// Help at a given width: every line fits unless one word alone is wider, and the words are
// those of the help unwrapped, in order.
TEST(CliManeiras, HelpIsWrappedToTheTerminalsWidth) {
    for (const std::string comando :
         {"--help", "chord --help", "play --help", "print --help", "transpose --help"}) {
        const auto inteira = ExecutarCom("COLUMNS=1000", comando);
        ASSERT_EQ(inteira.status, 0) << comando;
        for (int largura : {40, 60, 100}) {
            SCOPED_TRACE(comando + " at " + std::to_string(largura));
            const auto r = ExecutarCom("COLUMNS=" + std::to_string(largura), comando);
            EXPECT_EQ(r.status, 0);
            for (const auto& linha : Linhas(r.saida)) {
                if (Palavras(linha).size() > 1) {
                    EXPECT_LE(static_cast<int>(linha.size()), largura) << linha;
                }
            }
            EXPECT_EQ(Palavras(r.saida), Palavras(inteira.saida));
        }
        // Into a pipe, without COLUMNS: 80 columns.
        const auto tubo = ExecutarCom("-u COLUMNS", comando + " | cat");
        for (const auto& linha : Linhas(tubo.saida)) {
            if (Palavras(linha).size() > 1) {
                EXPECT_LE(linha.size(), 80u) << comando << ": " << linha;
            }
        }
    }
}

TEST(CliManeiras, ChoicesAreNamedAsTheyAreTyped) {
    const std::string ajuda = ExecutarCom("COLUMNS=200", "print --help").saida;
    EXPECT_EQ(ajuda.find("->"), std::string::npos) << ajuda;
    for (const char* escolhas : {"fingers, notes, intervals", "chart+chords, chords, chart",
                                 "pdf, png, json", "a4, letter"})
        EXPECT_NE(ajuda.find(escolhas), std::string::npos) << escolhas << " in\n" << ajuda;
    const std::string acorde = ExecutarCom("COLUMNS=200", "chord --help").saida;
    EXPECT_NE(acorde.find("--labels fingers, notes, intervals"), std::string::npos) << acorde;
    // Typed in any case, as before.
    EXPECT_EQ(ExecutarCli("chord --labels NOTES C").status, 0);
}

}  // namespace
