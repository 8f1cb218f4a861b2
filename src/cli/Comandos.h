// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each sub-command of tastavo-cli lives in its own cmd_*.cpp file and registers itself here,
// so adding a command never touches the others.

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

// Exit statuses shared by every command.
inline constexpr int SaidaOk = 0;
inline constexpr int SaidaEntradaInvalida = 1;
inline constexpr int SaidaUso = 2;
// A file that cannot be read (as against a readable one with bad contents: 1).
inline constexpr int SaidaArquivoIlegivel = 2;

struct Comando {
    std::string nome;
    std::string descricao;
    // Adds the command's options to `sub` and returns the action that runs it; the action
    // returns the exit status.
    std::function<std::function<int()>(CLI::App& sub)> configurar;
};

std::vector<Comando>& RegistroComandos();

struct RegistrarComando {
    explicit RegistrarComando(Comando c) { RegistroComandos().push_back(std::move(c)); }
};
