// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop program's few command-line answers, given before any window exists.

#include <optional>
#include <ostream>

// Answers --help (-h) and --version on `saida` and gives the exit status; nullopt when the
// program is to start its windows (any other argument is left to start-up).
std::optional<int> ResponderLinhaComando(int argc, const char* const* argv, std::ostream& saida);
