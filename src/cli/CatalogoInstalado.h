// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chord names catalogue of the installation, for the commands that name chords.

#include <string>
#include <string_view>
#include <vector>

// The names of the installed chord names file, in the file's order; none (after saying so on
// stderr, as "tastavo-cli <comando>: ...") when there is none, since naming works without it,
// only ranked less well.
std::vector<std::string> CatalogoInstalado(std::string_view comando);
