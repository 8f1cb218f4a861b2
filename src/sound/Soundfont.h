// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the built-in synthesizer finds its General MIDI soundfont.

#include <filesystem>
#include <optional>
#include <vector>

// The places searched, in order: every .sf2 file in `pastaInstalacao`/soundfonts (by name),
// then Debian's default General MIDI soundfont and the GM soundfonts' own paths. Never throws.
std::vector<std::filesystem::path> CandidatosSoundfont(
    const std::filesystem::path& pastaInstalacao);

// The first candidate that is a readable regular file, or none. Never throws.
std::optional<std::filesystem::path> LocalizarSoundfont(
    const std::vector<std::filesystem::path>& candidatos);
