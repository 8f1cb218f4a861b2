#pragma once
// Reading the system's text files (chord names, language files, configuration, charts) whole.

#include <filesystem>
#include <string>
#include <vector>

// The lines of a chord names (or any 8-bit) text file, decoded to UTF-8; a last line without
// an end counts, no empty line follows a final line end. Throws
// std::filesystem::filesystem_error when the file cannot be read.
std::vector<std::string> LerLinhasArquivoTexto(const std::filesystem::path& arquivo);

// A whole file as bytes. Throws std::filesystem::filesystem_error when it cannot be read (a
// folder included).
std::string LerBytesArquivo(const std::filesystem::path& caminho);
