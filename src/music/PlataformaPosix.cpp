// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX body of Plataforma.h.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Plataforma.h"

namespace plataforma {

namespace {

std::error_code ErroSistema() { return {errno, std::generic_category()}; }

}  // namespace

ArquivoLeitura::~ArquivoLeitura() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

std::error_code ArquivoLeitura::Abrir(const std::filesystem::path& caminho) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer before anyone can look at it.
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ErroSistema();
    handle_ = fd;
    return {};
}

std::error_code ArquivoLeitura::Consultar(TipoArquivo& tipo, std::uintmax_t& tamanho) const {
    struct stat info {};
    if (::fstat(static_cast<int>(handle_), &info) != 0) return ErroSistema();
    tipo = S_ISREG(info.st_mode)   ? TipoArquivo::Regular
           : S_ISDIR(info.st_mode) ? TipoArquivo::Pasta
                                   : TipoArquivo::Outro;
    tamanho = tipo == TipoArquivo::Regular ? static_cast<std::uintmax_t>(info.st_size) : 0;
    return {};
}

std::error_code ArquivoLeitura::Ler(char* destino, std::size_t n, std::size_t& lidos) {
    for (;;) {
        const ssize_t r = ::read(static_cast<int>(handle_), destino, n);
        if (r >= 0) {
            lidos = static_cast<std::size_t>(r);
            return {};
        }
        if (errno != EINTR) return ErroSistema();
    }
}

std::error_code CriarArquivoNovo(const std::filesystem::path& caminho) {
    const int fd = ::open(caminho.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return ErroSistema();
    ::close(fd);
    return {};
}

void* CarregarBiblioteca(const std::filesystem::path& arquivo, std::string& motivo) {
    void* biblioteca = ::dlopen(arquivo.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (biblioteca == nullptr) {
        const char* texto = ::dlerror();
        motivo = texto != nullptr ? texto : "unknown reason";
    }
    return biblioteca;
}

void* ProcurarFuncao(void* biblioteca, const char* nome) { return ::dlsym(biblioteca, nome); }

void DescarregarBiblioteca(void* biblioteca) { ::dlclose(biblioteca); }

}  // namespace plataforma
