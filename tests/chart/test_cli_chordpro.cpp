// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli with ChordPro songs, run as a user runs it: transpose moves {key} with the song,
// convert goes both ways and keeps the song's line ends.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../cli/ExecutarCli.h"

namespace {

class CliChordPro : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta_ = std::filesystem::temp_directory_path() /
                 ("tastavo-chordpro-" + std::to_string(::getpid()));
        std::filesystem::create_directories(pasta_);
    }
    void TearDown() override { std::filesystem::remove_all(pasta_); }
    std::string Arquivo(const std::string& nome, const std::string& bytes) {
        std::ofstream(pasta_ / nome, std::ios::binary) << bytes;
        return "'" + (pasta_ / nome).string() + "'";
    }
    std::filesystem::path pasta_;
};

const std::string SwingLow =
    "{title: Swing Low}\n{key: D}\n{start_of_chorus}\nSwing [D]low, sweet "
    "[G]chari[D]ot\n{end_of_chorus}\n";

TEST_F(CliChordPro, TransposeMovesTheKeyAndLeavesTheDirectives) {
    const auto e = ExecutarCliComErros("transpose --up 2 " + Arquivo("song.cho", SwingLow));
    EXPECT_EQ(e.r.status, 0) << e.erros;
    EXPECT_EQ(e.r.saida,
              "{title: Swing Low}\n{key: E}\n{start_of_chorus}\nSwing [E]low, sweet "
              "[A]chari[E]ot\n{end_of_chorus}\n");
    EXPECT_EQ(e.erros, "");
    // The key spelling reads the song's key from {key}: D up 1 is Eb, a flat key.
    EXPECT_EQ(
        ExecutarCli("transpose --up 1 --spelling key " + Arquivo("song.cho", SwingLow)).saida,
        "{title: Swing Low}\n{key: Eb}\n{start_of_chorus}\nSwing [Eb]low, sweet [Ab]chari[Eb]ot\n"
        "{end_of_chorus}\n");
    EXPECT_EQ(ExecutarCli("collect " + Arquivo("song.cho", SwingLow)).saida, "D\nD\nG\nD\n");
}

TEST_F(CliChordPro, ConvertBothWaysKeepingTheLineEnds) {
    const std::string texto = "Tom: D\r\nD        G\r\nSwing low, sweet\r\n";
    const auto cho = ExecutarCliComErros("convert --to chordpro " + Arquivo("song.txt", texto));
    EXPECT_EQ(cho.r.status, 0) << cho.erros;
    EXPECT_EQ(cho.r.saida, "{key: D}\r\n[D]Swing low[G], sweet\r\n");
    const auto volta =
        ExecutarCliComErros("convert --to text < " + Arquivo("song.cho", cho.r.saida));
    EXPECT_EQ(volta.r.status, 0) << volta.erros;
    EXPECT_EQ(volta.r.saida, "Tom: D\r\nD        G\r\nSwing low, sweet\r\n");

    EXPECT_EQ(ExecutarCli("convert --to text " + Arquivo("swing.cho", SwingLow)).saida,
              "Swing Low\nTom: D\n      D          G    D\nSwing low, sweet chariot\n");
    // Usage errors and unreadable files say so.
    EXPECT_EQ(ExecutarCli("convert " + Arquivo("song.txt", texto)).status, 2);
    EXPECT_EQ(ExecutarCli("convert --to pdf " + Arquivo("song.txt", texto)).status, 2);
    const auto falta =
        ExecutarCliComErros("convert --to text '" + (pasta_ / "nao-ha.cho").string() + "'");
    EXPECT_EQ(falta.r.status, 2);
    EXPECT_NE(falta.erros.find("tastavo-cli: convert: cannot read"), std::string::npos);
}

}  // namespace
