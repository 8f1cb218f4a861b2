#include "Instalacao.h"

#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

std::filesystem::path CaminhoExecutavel() {
    std::error_code erro;
#if defined(_WIN32)
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    if (n == 0 || n >= std::size(buffer)) return {};
    return std::filesystem::path(std::wstring(buffer, n));
#else
    auto caminho = std::filesystem::read_symlink("/proc/self/exe", erro);
    if (erro) return {};
    return caminho;
#endif
}

}  // namespace

std::filesystem::path PastaInstalacao() {
    const auto exe = CaminhoExecutavel();
    if (!exe.empty() && exe.has_parent_path()) return exe.parent_path();
    std::error_code erro;
    auto atual = std::filesystem::current_path(erro);
    return erro ? std::filesystem::path(".") : atual;
}

std::string NomeExecutavel() { return CaminhoExecutavel().filename().string(); }

std::filesystem::path CaminhoRelativo(const std::filesystem::path& pasta,
                                      std::string_view relativo) {
    // Language files written on Windows use "\"; both separators work everywhere.
    std::string texto(relativo);
    for (char& c : texto) {
        if (c == '\\') c = '/';
    }
    return pasta / std::filesystem::path(texto);
}
