// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder per test, removed afterwards, with helpers to write files into it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class PastaTemporaria {
  public:
    PastaTemporaria() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device aleatorio;
        caminho_ = std::filesystem::temp_directory_path() /
                   ("tastavo-" + std::string(info ? info->name() : "teste") + "-" +
                    std::to_string(aleatorio()));
        std::filesystem::create_directories(caminho_);
    }
    ~PastaTemporaria() {
        std::error_code erro;
        std::filesystem::remove_all(caminho_, erro);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& Caminho() const { return caminho_; }
    std::filesystem::path operator/(std::string_view nome) const { return caminho_ / nome; }

    std::filesystem::path Escrever(std::string_view nome, std::string_view bytes) const {
        const auto arquivo = caminho_ / nome;
        std::ofstream(arquivo, std::ios::binary) << bytes;
        return arquivo;
    }

    std::string Ler(std::string_view nome) const {
        std::ifstream entrada(caminho_ / nome, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(entrada),
                           std::istreambuf_iterator<char>());
    }

  private:
    std::filesystem::path caminho_;
};
