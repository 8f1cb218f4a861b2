// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built tastavo-cli with a shell command line and captures what it prints.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CaminhosTeste.h"

struct ResultadoCli {
    int status = -1;
    std::string saida;  // standard output
};

// Runs the shell command line `comando` and captures its standard output.
inline ResultadoCli ExecutarShell(const std::string& comando) {
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

// `argumentos` is appended to the binary's path as shell text; stderr goes to `erros` if given.
inline ResultadoCli ExecutarCli(const std::string& argumentos,
                                const std::string& erros = "/dev/null") {
    return ExecutarShell(std::string(tastavo_teste::PastaBinarios()) + "/tastavo-cli " +
                         argumentos + " 2>" + erros);
}

// A run with what the tool wrote to standard error too.
struct ExecucaoCli {
    ResultadoCli r;
    std::string erros;
};

// Runs the tool with its standard error kept in a file of this process's own (ctest runs tests
// side by side), read back and removed.
inline ExecucaoCli ExecutarCliComErros(const std::string& argumentos) {
    const std::filesystem::path arquivo =
        std::filesystem::temp_directory_path() /
        ("tastavo_cli_erros_" + std::to_string(getpid()) + ".txt");
    ExecucaoCli e{ExecutarCli(argumentos, arquivo.string()), {}};
    std::ifstream f(arquivo, std::ios::binary);
    e.erros.assign(std::istreambuf_iterator<char>(f), {});
    f.close();
    std::filesystem::remove(arquivo);
    return e;
}
