// SPDX-License-Identifier: GPL-3.0-or-later
#include "Instalacao.h"

#include <cstdlib>
#include <random>
#include <system_error>

#include "Plataforma.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
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

// A path from UTF-8 text, whatever the platform's narrow encoding.
std::filesystem::path CaminhoUtf8(const std::string& texto) {
    return std::filesystem::path(std::u8string(texto.begin(), texto.end()));
}

std::optional<std::string> VariavelAmbiente(const char* nome) {
#if defined(_WIN32)
    const std::wstring largo(nome, nome + std::char_traits<char>::length(nome));
    const wchar_t* valor = _wgetenv(largo.c_str());
    if (valor == nullptr) return std::nullopt;
    const std::u8string u8 = std::filesystem::path(valor).u8string();
    return std::string(u8.begin(), u8.end());
#else
    const char* valor = std::getenv(nome);
    if (valor == nullptr) return std::nullopt;
    return std::string(valor);
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

std::filesystem::path PastaConfiguracaoUsuario(
    const std::function<std::optional<std::string>(const char*)>& ambiente) {
    auto naoVazia = [&](const char* nome) -> std::optional<std::string> {
        auto valor = ambiente(nome);
        if (!valor || valor->empty()) return std::nullopt;
        return valor;
    };
#if defined(_WIN32)
    if (const auto appdata = naoVazia("APPDATA")) return CaminhoUtf8(*appdata) / "tastavo";
#else
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (const auto xdg = naoVazia("XDG_CONFIG_HOME"); xdg && CaminhoUtf8(*xdg).is_absolute())
        return CaminhoUtf8(*xdg) / "tastavo";
    if (const auto home = naoVazia("HOME")) return CaminhoUtf8(*home) / ".config" / "tastavo";
#endif
    return {};
}

std::filesystem::path PastaConfiguracaoUsuario() {
    return PastaConfiguracaoUsuario([](const char* nome) -> std::optional<std::string> {
        auto valor = VariavelAmbiente(nome);
#if !defined(_WIN32)
        // A session started without HOME still has a home folder in the password database.
        if (!valor && std::string_view(nome) == "HOME") {
            if (const passwd* conta = ::getpwuid(::getuid()); conta && conta->pw_dir)
                valor = std::string(conta->pw_dir);
        }
#endif
        return valor;
    });
}

bool PastaGravavel(const std::filesystem::path& pasta) {
    std::error_code erro;
    if (!std::filesystem::is_directory(pasta, erro)) return false;
    std::random_device aleatorio;
    const auto sonda = pasta / (".tastavo-gravavel-" + std::to_string(aleatorio()));
    // Never touch a file that happens to exist under that name.
    if (plataforma::CriarArquivoNovo(sonda)) return false;
    std::filesystem::remove(sonda, erro);
    return true;
}

std::filesystem::path EscolherCaminhoConfiguracao(const std::filesystem::path& pastaInstalacao,
                                                  bool instalacaoGravavel,
                                                  const std::filesystem::path& pastaUsuario,
                                                  std::string_view nome) {
    if (instalacaoGravavel || pastaUsuario.empty()) return pastaInstalacao / nome;
    return pastaUsuario / nome;
}
