// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// INI text read with the usual profile rules: section and key names compared without regard to
// (ASCII) case, values trimmed of surrounding blanks, the first occurrence of a section or key
// wins, lines starting with ";" are comments. Used for the configuration file and for the
// identification of language files.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LeitorIni {
  public:
    // Parses `texto` (UTF-8).
    explicit LeitorIni(std::string_view texto);
    // Reads the file (UTF-8, or Windows-1252 when not valid UTF-8). Throws
    // std::filesystem::filesystem_error when it cannot be read.
    static LeitorIni DeArquivo(const std::filesystem::path& caminho);

    // The trimmed value of `chave` in `secao`, or none when either is missing.
    std::optional<std::string> Ler(std::string_view secao, std::string_view chave) const;

  private:
    struct Entrada {
        std::string secao;
        std::string chave;
        std::string valor;
    };
    std::vector<Entrada> entradas_;
};
