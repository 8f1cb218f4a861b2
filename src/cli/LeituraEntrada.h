#pragma once
// Reading a command's input file or standard input whole, and writing its output.

#include <optional>
#include <string>
#include <string_view>

// The whole content of `caminho` ("-" or empty for standard input); nothing when it cannot
// be read, with the reason in `erro`.
std::optional<std::string> LerEntrada(const std::string& caminho, std::string& erro);

// Writes `saida` to standard output; false when it could not be written whole, after telling
// why on stderr under the name `comando`.
bool EscreverSaida(std::string_view saida, std::string_view comando);
