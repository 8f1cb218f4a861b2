// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArquivoSaida.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

// The mode a new file gets: 0666 less the process's umask.
mode_t ModoNovoArquivo() {
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

}  // namespace

ArquivoSaida::ArquivoSaida(std::string caminho) : caminho_(std::move(caminho)) {}

ArquivoSaida::~ArquivoSaida() {
    if (!concluido_) Descartar();
}

bool ArquivoSaida::Abrir() {
    namespace fs = std::filesystem;
    std::error_code e;
    // The file a symbolic link names is the one replaced, not the link.
    fs::path destino = fs::weakly_canonical(fs::path(caminho_), e);
    if (e || destino.empty()) destino = caminho_;
    destino_ = destino.string();
    struct stat info {};
    const bool existe = ::stat(destino_.c_str(), &info) == 0;
    if (existe && S_ISDIR(info.st_mode)) {
        Falhar(EISDIR);
        return false;
    }
    if (existe && !S_ISREG(info.st_mode)) {
        // A device or a pipe cannot be replaced: write into it.
        fd_ = ::open(destino_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0) {
            Falhar(errno);
            return false;
        }
    } else {
        const fs::path pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
        std::string modelo = (pasta / ("." + destino.filename().string() + ".XXXXXX")).string();
        std::vector<char> nome(modelo.begin(), modelo.end());
        nome.push_back('\0');
        fd_ = ::mkostemp(nome.data(), O_CLOEXEC);
        if (fd_ < 0) {
            Falhar(errno);
            return false;
        }
        temporario_ = nome.data();
        // The finished file gets the target's mode, or a new file's.
        ::fchmod(fd_, existe ? (info.st_mode & 07777) : ModoNovoArquivo());
    }
    return open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void ArquivoSaida::Falhar(int erro) {
    if (erro_ == 0) erro_ = erro != 0 ? erro : EIO;
    setErrorString(QString::fromLocal8Bit(std::strerror(erro_)));
}

qint64 ArquivoSaida::writeData(const char* dados, qint64 tamanho) {
    if (erro_ != 0 || fd_ < 0) return -1;
    qint64 feito = 0;
    while (feito < tamanho) {
        const ssize_t n = ::write(fd_, dados + feito, static_cast<std::size_t>(tamanho - feito));
        if (n < 0) {
            if (errno == EINTR) continue;
            Falhar(errno);
            return -1;
        }
        if (n == 0) {
            Falhar(EIO);
            return -1;
        }
        feito += n;
    }
    return feito;
}

bool ArquivoSaida::Escrever(std::string_view texto) {
    return write(texto.data(), static_cast<qint64>(texto.size())) ==
               static_cast<qint64>(texto.size()) &&
           erro_ == 0;
}

bool ArquivoSaida::Concluir() {
    if (isOpen()) close();
    if (fd_ >= 0 && erro_ == 0) {
        // Written to the disk before it takes the target's place: a crash leaves the old file
        // or the new one, never a part.
        if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) Falhar(errno);
    }
    if (fd_ >= 0) {
        if (::close(fd_) != 0 && erro_ == 0) Falhar(errno);
        fd_ = -1;
    }
    if (erro_ == 0 && !temporario_.empty() &&
        ::rename(temporario_.c_str(), destino_.c_str()) != 0) {
        Falhar(errno);
    }
    if (erro_ != 0) {
        Descartar();
        return false;
    }
    temporario_.clear();
    concluido_ = true;
    return true;
}

void ArquivoSaida::Descartar() noexcept {
    if (isOpen()) close();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporario_.empty()) {
        ::unlink(temporario_.c_str());
        temporario_.clear();
    }
}

std::string ArquivoSaida::Motivo() const {
    return erro_ != 0 ? std::strerror(erro_) : std::string();
}
