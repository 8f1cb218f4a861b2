// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeituraArquivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "Utf8.h"

namespace {

class CategoriaLeitura : public std::error_category {
  public:
    const char* name() const noexcept override { return "tastavo-leitura"; }
    std::string message(int valor) const override {
        switch (static_cast<ErroLeitura>(valor)) {
            case ErroLeitura::NaoRegular:
                return "not a regular file";
            case ErroLeitura::GrandeDemais:
                return "larger than " + std::to_string(LimiteBytesArquivo / (1024 * 1024)) + " MiB";
        }
        return "unknown error";
    }
};

[[noreturn]] void Falhar(const std::filesystem::path& caminho, std::error_code erro) {
    throw std::filesystem::filesystem_error("cannot read file", caminho, erro);
}

[[noreturn]] void FalharErrno(const std::filesystem::path& caminho) {
    Falhar(caminho, std::error_code(errno, std::generic_category()));
}

// Closes the descriptor on every way out.
struct Descritor {
    int fd;
    ~Descritor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

const std::error_category& CategoriaErroLeitura() {
    static const CategoriaLeitura categoria;
    return categoria;
}

std::error_code make_error_code(ErroLeitura erro) {
    return {static_cast<int>(erro), CategoriaErroLeitura()};
}

std::string LerBytesArquivo(const std::filesystem::path& caminho) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer before the check below.
    const Descritor d{::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (d.fd < 0) FalharErrno(caminho);
    struct stat info {};
    if (::fstat(d.fd, &info) != 0) FalharErrno(caminho);
    if (S_ISDIR(info.st_mode)) Falhar(caminho, std::make_error_code(std::errc::is_a_directory));
    if (!S_ISREG(info.st_mode)) Falhar(caminho, ErroLeitura::NaoRegular);
    if (static_cast<std::uintmax_t>(info.st_size) > LimiteBytesArquivo)
        Falhar(caminho, ErroLeitura::GrandeDemais);

    // The size is only a hint: the file may grow while it is read, so the limit is kept here
    // too.
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t lidos = 0;
    for (;;) {
        if (lidos == bytes.size()) {
            if (bytes.size() > LimiteBytesArquivo) Falhar(caminho, ErroLeitura::GrandeDemais);
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, LimiteBytesArquivo + 1));
        }
        const ssize_t n = ::read(d.fd, bytes.data() + lidos, bytes.size() - lidos);
        if (n < 0) {
            if (errno == EINTR) continue;
            FalharErrno(caminho);
        }
        if (n == 0) break;
        lidos += static_cast<std::size_t>(n);
    }
    bytes.resize(lidos);
    return bytes;
}

std::vector<std::string> LinhasDoTexto(std::string_view bytes) {
    const std::string texto = utf8::DecodificarTexto(bytes);
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fim = texto.find_first_of("\r\n", inicio);
        if (fim == std::string::npos) {
            linhas.push_back(texto.substr(inicio));
            break;
        }
        linhas.push_back(texto.substr(inicio, fim - inicio));
        inicio = fim +
                 ((texto[fim] == '\r' && fim + 1 < texto.size() && texto[fim + 1] == '\n') ? 2 : 1);
    }
    return linhas;
}

std::vector<std::string> LerLinhasArquivoTexto(const std::filesystem::path& arquivo) {
    return LinhasDoTexto(LerBytesArquivo(arquivo));
}
