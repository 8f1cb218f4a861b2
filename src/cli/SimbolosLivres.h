// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chord symbols on the command line, each exactly as typed.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

// CLI11 reads an argument in square brackets as a list: "[C,G]" would become "C" and "G", and
// "[C]" plain "C". Symbols pasted from a chart often come in brackets, so the command takes
// them from the arguments that CLI11 leaves over instead. An argument that starts with "-" is
// an option, never a symbol.
class SimbolosLivres {
  public:
    // Lets `sub` keep the arguments it does not know and shows them as `nome` in its help.
    SimbolosLivres(CLI::App& sub, std::string nome, std::string descricao);

    // The symbols, once `sub` is parsed. None, after telling on stderr what is wrong, for an
    // unknown option or no symbol at all.
    std::optional<std::vector<std::string>> Ler() const;

  private:
    CLI::App& sub_;
    std::string nome_;
};
