// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of this process for the files a target must read from disk, removed at exit.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace fuzz {

inline const std::filesystem::path& PastaDoProcesso() {
    static const std::filesystem::path pasta = [] {
        const auto p =
            std::filesystem::temp_directory_path() / ("tastavo-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        std::atexit([] {
            std::error_code erro;
            std::filesystem::remove_all(PastaDoProcesso(), erro);
        });
        return p;
    }();
    return pasta;
}

inline std::filesystem::path EscreverArquivo(std::string_view nome, std::string_view bytes) {
    const auto caminho = PastaDoProcesso() / nome;
    std::ofstream(caminho, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return caminho;
}

}  // namespace fuzz
