// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What makes the tool pleasant at a terminal, kept apart from the commands: help wrapped to the
// terminal, choices listed as they are typed, and the nearest name offered for a typing slip.

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>
#include <vector>

// The terminal's width in columns: $COLUMNS when it is a number, else what the terminal on
// standard output says, else 80 (output to a file or a pipe).
int LarguraTerminal();

// `texto` with every line longer than `largura` broken at spaces; a continuation lines up under
// the description column of an option or command line ("  --x TEXT    words ..."), else under
// the line's own indentation. Words longer than a line are left whole.
std::string Envolver(std::string_view texto, int largura);

// The names of `nomes` nearest to `digitado`, the likely slip: those it begins (when it is at
// least two letters long), else those fewest letter edits away (a swap of two neighbours
// counting one) if that is close enough for a slip. Empty when none is.
std::vector<std::string> MaisProximos(std::string_view digitado,
                                      const std::vector<std::string>& nomes);

// "'a'", "'a' or 'b'", "'a', 'b' or 'c'".
std::string ListarComOu(const std::vector<std::string>& nomes);

// Every option of `app` and of its commands whose validator describes a fixed set of words
// (CLI11 shows "{fingers->0,notes->1,...}") names the words as users type them instead
// ("fingers, notes, intervals", in the order of their values), and a word outside the set is
// refused in the same terms.
void NomearEscolhas(CLI::App& app);

// Tells a mistake on the command line on standard error, under the tool's name and the
// command's (when `comando` is given), with where the help is; returns the exit status 2.
int ErroDeUso(const CLI::App* comando, const std::string& mensagem);

// Whether a left-over argument is an option ("-x", "--xyz", "--xyz=1"), not "-" or "--".
bool PareceOpcao(const std::string& argumento);

// The unknown option `argumento` of `comando` (the tool itself when null) told with the options
// it most likely meant; the exit status 2.
int OpcaoDesconhecida(const CLI::App& comando, const std::string& argumento, bool ehSubcomando);
