// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-file reader of every data file: what it refuses, and why.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>

#include "LeituraArquivo.h"

namespace {

// A device that never ends.
#if defined(_WIN32)
const char* const Dispositivo = "NUL";
#else
const char* const Dispositivo = "/dev/zero";
#endif

class LeituraArquivo : public ::testing::Test {
  protected:
    LeituraArquivo()
        : pasta_(std::filesystem::path(::testing::TempDir()) /
                 ("tastavo-leitura-" + std::to_string(std::random_device{}()))) {
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
    EXPECT_EQ(Motivo(Dispositivo), ErroLeitura::NaoRegular);
#if !defined(_WIN32)
    const auto fifo = pasta_ / "fifo.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Motivo(fifo), ErroLeitura::NaoRegular);
#endif
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

    std::ofstream(pasta_ / "alvo.txt", std::ios::binary) << "C\r\nD";
    EXPECT_EQ(LerLinhasArquivoTexto(pasta_ / "alvo.txt"), (std::vector<std::string>{"C", "D"}));
#if !defined(_WIN32)
    // A symbolic link to a regular file is that file (Windows needs a privilege to make one).
    std::filesystem::create_symlink(pasta_ / "alvo.txt", pasta_ / "ligacao.txt");
    EXPECT_EQ(LerLinhasArquivoTexto(pasta_ / "ligacao.txt"), (std::vector<std::string>{"C", "D"}));
#endif
}

TEST_F(LeituraArquivo, NomesForaDoAscii) {
    // A song's file name in Portuguese reaches the system as the path it is (wide on Windows).
    const auto musica = pasta_ / std::filesystem::path(u8"Canção do Mar – 2º.txt");
    std::ofstream(musica, std::ios::binary) << "Am\nE7";
    EXPECT_EQ(LerLinhasArquivoTexto(musica), (std::vector<std::string>{"Am", "E7"}));
    EXPECT_EQ(Motivo(pasta_ / std::filesystem::path(u8"não-existe.txt")),
              std::errc::no_such_file_or_directory);
}

TEST_F(LeituraArquivo, OMotivoSeLeComoTexto) {
    try {
        LerBytesArquivo(Dispositivo);
        FAIL();
    } catch (const std::filesystem::filesystem_error& e) {
        EXPECT_EQ(e.code().message(), "not a regular file");
    }
    EXPECT_EQ(make_error_code(ErroLeitura::GrandeDemais).message(), "larger than 16 MiB");
}

TEST_F(LeituraArquivo, TextoDeUmaCancaoComSeuFimDeLinha) {
    struct Caso {
        std::string bytes, texto, fimLinha;
        bool marca;
    };
    const Caso casos[] = {
        {"C  G\nLetra\n", "C  G\nLetra\n", "\n", false},
        {"C  G\r\nLetra\r\n", "C  G\r\nLetra\r\n", "\r\n", false},
        {"C\rLetra", "C\rLetra", "\r", false},
        {"sem fim", "sem fim", "\n", false},
        // Windows-1252 bytes in a file without UTF-8 sequences read as that code page.
        {"Cora\xE7\xE3o\r\n", "Cora\xC3\xA7\xC3\xA3o\r\n", "\r\n", false},
        {"\xEF\xBB\xBF[G]Ol\xC3\xA1\n", "[G]Ol\xC3\xA1\n", "\n", true},
    };
    for (const Caso& caso : casos) {
        const auto arquivo = pasta_ / "cancao.txt";
        std::ofstream(arquivo, std::ios::binary | std::ios::trunc) << caso.bytes;
        const TextoArquivo lido = LerTextoArquivo(arquivo);
        EXPECT_EQ(lido.texto, caso.texto) << caso.bytes;
        EXPECT_EQ(lido.fimLinha, caso.fimLinha) << caso.bytes;
        EXPECT_EQ(lido.marcaOrdem, caso.marca) << caso.bytes;
    }

    // A NUL byte is no text a person typed: a picture, or UTF-16.
    const auto binario = pasta_ / "figura.png";
    std::ofstream(binario, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    try {
        LerTextoArquivo(binario);
        FAIL();
    } catch (const std::filesystem::filesystem_error& e) {
        EXPECT_EQ(e.code(), ErroLeitura::Binario);
        EXPECT_EQ(e.code().message(), "not a text file");
    }
}

}  // namespace
