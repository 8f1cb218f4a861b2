// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-file reader of every data file: what it refuses, and why.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "LeituraArquivo.h"

namespace {

class LeituraArquivo : public ::testing::Test {
  protected:
    LeituraArquivo()
        : pasta_(std::filesystem::path(::testing::TempDir()) /
                 ("tastavo-leitura-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(pasta_);
    }
    ~LeituraArquivo() override { std::filesystem::remove_all(pasta_); }

    // The reason LerBytesArquivo gives for refusing `caminho`, or "" when it reads it.
    static std::error_code Motivo(const std::filesystem::path& caminho) {
        try {
            LerBytesArquivo(caminho);
        } catch (const std::filesystem::filesystem_error& e) {
            EXPECT_EQ(e.path1(), caminho);
            return e.code();
        }
        return {};
    }

    std::filesystem::path pasta_;
};

TEST_F(LeituraArquivo, SoArquivosComunsDeTamanhoSensato) {
    // A device and a pipe never end (opening the pipe must not wait for a writer either).
    EXPECT_EQ(Motivo("/dev/zero"), ErroLeitura::NaoRegular);
    const auto fifo = pasta_ / "fifo.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Motivo(fifo), ErroLeitura::NaoRegular);
    EXPECT_EQ(Motivo(pasta_), std::errc::is_a_directory);
    EXPECT_EQ(Motivo(pasta_ / "nao-existe.txt"), std::errc::no_such_file_or_directory);

    // A file one byte beyond the limit (sparse: no disk is used) is refused; one at the limit
    // is read.
    const auto grande = pasta_ / "grande.txt";
    std::ofstream(grande).put('C');
    std::filesystem::resize_file(grande, LimiteBytesArquivo + 1);
    EXPECT_EQ(Motivo(grande), ErroLeitura::GrandeDemais);
    std::filesystem::resize_file(grande, LimiteBytesArquivo);
    EXPECT_EQ(LerBytesArquivo(grande).size(), LimiteBytesArquivo);

    // A symbolic link to a regular file is that file.
    std::ofstream(pasta_ / "alvo.txt", std::ios::binary) << "C\r\nD";
    std::filesystem::create_symlink(pasta_ / "alvo.txt", pasta_ / "ligacao.txt");
    EXPECT_EQ(LerLinhasArquivoTexto(pasta_ / "ligacao.txt"), (std::vector<std::string>{"C", "D"}));
}

TEST_F(LeituraArquivo, OMotivoSeLeComoTexto) {
    try {
        LerBytesArquivo("/dev/zero");
        FAIL();
    } catch (const std::filesystem::filesystem_error& e) {
        EXPECT_EQ(e.code().message(), "not a regular file");
    }
    EXPECT_EQ(make_error_code(ErroLeitura::GrandeDemais).message(), "larger than 16 MiB");
}

}  // namespace
