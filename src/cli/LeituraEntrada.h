#pragma once
// Reading a command's input file or standard input whole.

#include <optional>
#include <string>

// The whole content of `caminho` ("-" or empty for standard input); nothing when it cannot
// be read, with the reason in `erro`.
std::optional<std::string> LerEntrada(const std::string& caminho, std::string& erro);
