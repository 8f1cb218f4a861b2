// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows body of Plataforma.h: wide paths go straight to the -W functions; the system's
// texts come back as UTF-8.
#include "Plataforma.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cerrno>
#include <cstring>

namespace plataforma {

namespace {

HANDLE Handle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// The system's error as the POSIX body gives it where the standard names it, so that callers
// and users see one set of reasons on both platforms.
std::error_code ErroSistema(DWORD erro = ::GetLastError()) {
    switch (erro) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::make_error_code(std::errc::device_or_resource_busy);
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return std::make_error_code(std::errc::not_enough_memory);
        case ERROR_FILENAME_EXCED_RANGE:
            return std::make_error_code(std::errc::filename_too_long);
        default:
            return {static_cast<int>(erro), std::system_category()};
    }
}

std::string Utf8(const wchar_t* texto, int n) {
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, texto, n, nullptr, 0, nullptr, nullptr);
    std::string saida(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, texto, n, saida.data(), bytes, nullptr, nullptr);
    return saida;
}

std::string TextoErro(DWORD erro) {
    wchar_t* texto = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, erro, 0, reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    std::string saida = n > 0 ? Utf8(texto, static_cast<int>(n)) : "error " + std::to_string(erro);
    ::LocalFree(texto);
    while (!saida.empty() && (saida.back() == '\n' || saida.back() == '\r' || saida.back() == ' '))
        saida.pop_back();
    return saida;
}

}  // namespace

ArquivoLeitura::~ArquivoLeitura() {
    if (handle_ != -1) ::CloseHandle(Handle(handle_));
}

std::error_code ArquivoLeitura::Abrir(const std::filesystem::path& caminho) {
    // Others may go on reading, writing and renaming the file meanwhile, as on POSIX. Backup
    // semantics opens a folder too, so that it is refused as a folder, not as a missing file.
    const HANDLE h = ::CreateFileW(caminho.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return ErroSistema();
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return {};
}

std::error_code ArquivoLeitura::Consultar(TipoArquivo& tipo, std::uintmax_t& tamanho) const {
    tamanho = 0;
    // Devices (NUL, CON, COM1) and pipes are no regular files.
    ::SetLastError(NO_ERROR);
    const DWORD tipoWindows = ::GetFileType(Handle(handle_));
    if (tipoWindows != FILE_TYPE_DISK) {
        if (tipoWindows == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) return ErroSistema();
        tipo = TipoArquivo::Outro;
        return {};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(Handle(handle_), &info)) return ErroSistema();
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        tipo = TipoArquivo::Pasta;
        return {};
    }
    tipo = TipoArquivo::Regular;
    tamanho = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return {};
}

std::error_code ArquivoLeitura::Ler(char* destino, std::size_t n, std::size_t& lidos) {
    // ReadFile takes a 32-bit count; the caller loops until the end anyway.
    const DWORD pedido = static_cast<DWORD>(n < 0x40000000u ? n : 0x40000000u);
    DWORD r = 0;
    if (!::ReadFile(Handle(handle_), destino, pedido, &r, nullptr)) {
        const DWORD erro = ::GetLastError();
        if (erro == ERROR_HANDLE_EOF || erro == ERROR_BROKEN_PIPE) {
            lidos = 0;
            return {};
        }
        return ErroSistema(erro);
    }
    lidos = r;
    return {};
}

std::error_code CriarArquivoNovo(const std::filesystem::path& caminho) {
    const HANDLE h = ::CreateFileW(caminho.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return ErroSistema();
    ::CloseHandle(h);
    return {};
}

void* CarregarBiblioteca(const std::filesystem::path& arquivo, std::string& motivo) {
    // The libraries the plugin needs are looked for beside it first, not beside the executable.
    const HMODULE biblioteca =
        ::LoadLibraryExW(arquivo.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (biblioteca == nullptr) motivo = TextoErro(::GetLastError());
    return reinterpret_cast<void*>(biblioteca);
}

void* ProcurarFuncao(void* biblioteca, const char* nome) {
    const FARPROC funcao = ::GetProcAddress(static_cast<HMODULE>(biblioteca), nome);
    void* ponteiro = nullptr;
    static_assert(sizeof ponteiro == sizeof funcao);
    std::memcpy(&ponteiro, &funcao, sizeof ponteiro);
    return ponteiro;
}

void DescarregarBiblioteca(void* biblioteca) { ::FreeLibrary(static_cast<HMODULE>(biblioteca)); }

}  // namespace plataforma
