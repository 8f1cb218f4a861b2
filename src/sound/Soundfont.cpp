// SPDX-License-Identifier: GPL-3.0-or-later
#include "Soundfont.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

std::vector<fs::path> CandidatosSoundfont(const fs::path& pastaInstalacao) {
    std::vector<fs::path> candidatos;
    std::error_code erro;
    const fs::path propria = pastaInstalacao / "soundfonts";
    if (fs::is_directory(propria, erro)) {
        for (fs::directory_iterator it(propria, erro), fim; !erro && it != fim;
             it.increment(erro)) {
            const fs::path& p = it->path();
            std::string extensao = p.extension().string();
            std::transform(extensao.begin(), extensao.end(), extensao.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (extensao == ".sf2") candidatos.push_back(p);
        }
        std::sort(candidatos.begin(), candidatos.end());
    }
    for (const char* caminho : {
             "/usr/share/sounds/sf2/default-GM.sf2",
             "/usr/share/sounds/sf2/TimGM6mb.sf2",
             "/usr/share/sounds/sf2/FluidR3_GM.sf2",
             "/usr/share/sounds/sf2/MuseScore_General.sf2",
             "/usr/share/soundfonts/default.sf2",
             "/usr/share/soundfonts/FluidR3_GM.sf2",
         })
        candidatos.emplace_back(caminho);
    return candidatos;
}

std::optional<fs::path> LocalizarSoundfont(const std::vector<fs::path>& candidatos) {
    for (const auto& c : candidatos) {
        std::error_code erro;
        if (!fs::is_regular_file(c, erro)) continue;
        if (std::ifstream(c, std::ios::binary).good()) return c;
    }
    return std::nullopt;
}
