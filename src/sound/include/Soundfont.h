// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the built-in synthesizer finds its General MIDI soundfont.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The places searched, in order: every .sf2 file in `pastaInstalacao`/soundfonts (by name),
// then Debian's default General MIDI soundfont and the GM soundfonts' own paths. Never throws.
std::vector<std::filesystem::path> CandidatosSoundfont(
    const std::filesystem::path& pastaInstalacao);

// What is wrong with `arquivo` as a soundfont ("damaged: cut short", "cannot be read: ..."), or
// empty when its RIFF structure is whole: the sfbk form with its INFO, sdta and pdta lists, no
// chunk reaching past the end of the file. Reads only the chunk headers. Never throws.
std::string DefeitoSoundfont(const std::filesystem::path& arquivo);

// The first candidate that is a readable regular file holding a whole soundfont, or none.
// Missing files are passed over silently; for each damaged one a message naming it is added
// to `avisos` (when given), as the synthesizer would otherwise fail later with no word on the
// file. Never throws.
std::optional<std::filesystem::path> LocalizarSoundfont(
    const std::vector<std::filesystem::path>& candidatos,
    std::vector<std::string>* avisos = nullptr);
