// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the operating system does for the domain libraries, behind a few small functions with
// one body per platform (PlataformaPosix.cpp, PlataformaWindows.cpp): reading a file through
// one open handle, and loading our own plugins. Paths are std::filesystem::path; texts are
// UTF-8; wide characters appear only inside the Windows body.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace plataforma {

enum class TipoArquivo { Regular, Pasta, Outro };

// A file opened for reading, closed with the object. Opening never waits: not for a writer of a
// named pipe, not for a device. Every failure comes back as the system's reason, in the generic
// category where the standard has a name for it (a missing file is
// std::errc::no_such_file_or_directory on every platform).
class ArquivoLeitura {
  public:
    ArquivoLeitura() = default;
    ArquivoLeitura(const ArquivoLeitura&) = delete;
    ArquivoLeitura& operator=(const ArquivoLeitura&) = delete;
    ~ArquivoLeitura();

    std::error_code Abrir(const std::filesystem::path& caminho);
    // What the open handle is, and its size in bytes when it is a regular file.
    std::error_code Consultar(TipoArquivo& tipo, std::uintmax_t& tamanho) const;
    // Up to `n` bytes into `destino`; `lidos` is 0 at the end of the file.
    std::error_code Ler(char* destino, std::size_t n, std::size_t& lidos);

  private:
    std::intptr_t handle_ = -1;
};

// Creates `caminho` as a new empty file, failing (std::errc::file_exists) when anything is
// already there under that name: never touches an existing file.
std::error_code CriarArquivoNovo(const std::filesystem::path& caminho);

// A shared library of ours loaded for the rest of the process (what it made may outlive any
// caller). Null on failure, with the system's reason in `motivo`.
void* CarregarBiblioteca(const std::filesystem::path& arquivo, std::string& motivo);
// The exported function `nome` of a loaded library, or null.
void* ProcurarFuncao(void* biblioteca, const char* nome);
void DescarregarBiblioteca(void* biblioteca);

}  // namespace plataforma
