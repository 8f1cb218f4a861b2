// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the system's text files (chord names, language files, configuration, charts) whole.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The largest file read whole. The system's data files are a small fraction of it; a path that
// names something larger (a disk image, say) is a mistake, not data to load into memory.
inline constexpr std::uintmax_t LimiteBytesArquivo = 16 * 1024 * 1024;

// Why a file is refused besides the system's own errors.
enum class ErroLeitura { NaoRegular = 1, GrandeDemais, Binario };
const std::error_category& CategoriaErroLeitura();
std::error_code make_error_code(ErroLeitura erro);
template <>
struct std::is_error_code_enum<ErroLeitura> : std::true_type {};

// The lines of a chord names (or any 8-bit) text file, decoded to UTF-8; a last line without
// an end counts, no empty line follows a final line end. Throws
// std::filesystem::filesystem_error when the file cannot be read.
std::vector<std::string> LerLinhasArquivoTexto(const std::filesystem::path& arquivo);

// The lines of a file's bytes, as LerLinhasArquivoTexto gives them.
std::vector<std::string> LinhasDoTexto(std::string_view bytes);

// A whole file as bytes. Only a regular file of at most LimiteBytesArquivo bytes is read: a
// device (/dev/zero), a pipe or a folder would never end or cannot be read. Throws
// std::filesystem::filesystem_error when it cannot be read, with the system's reason or an
// ErroLeitura.
std::string LerBytesArquivo(const std::filesystem::path& caminho);

// A text file as a person wrote it: decoded to UTF-8 (utf8::DecodificarTexto: UTF-8, with
// Windows-1252 for the bytes that are not), the byte-order mark set apart, and the line end
// it uses, so that saving it again writes the same kind.
struct TextoArquivo {
    std::string texto;            // UTF-8, line ends as written, no byte-order mark
    std::string fimLinha = "\n";  // the first line end of the file ("\r\n", "\r" or "\n")
    bool marcaOrdem = false;      // the file started with a UTF-8 byte-order mark
};

// Reads a text file as LerBytesArquivo does, and refuses one that holds a NUL byte (a picture,
// a program, a UTF-16 file): no text a person typed has one. Throws
// std::filesystem::filesystem_error with the reason (ErroLeitura::Binario for that case).
TextoArquivo LerTextoArquivo(const std::filesystem::path& caminho);

// The line end `texto` uses first; "\n" when it has none.
std::string FimLinhaDe(std::string_view texto);
