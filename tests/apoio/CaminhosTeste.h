// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a test finds its fixtures and the built programs. The paths come at run time (ctest sets
// them) rather than compiled in, so a test object is the same in every clone and the compiler
// cache serves it.

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tastavo_teste {

// The running test binary's own path (empty when the system cannot say).
inline std::string CaminhoExecutavel() {
#if defined(_WIN32)
    wchar_t exe[32768];
    const DWORD n = GetModuleFileNameW(nullptr, exe, 32768);
    if (n == 0 || n >= 32768) return {};
    return std::filesystem::path(std::wstring(exe, n)).string();
#else
    std::string exe(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", exe.data(), exe.size());
    exe.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return exe;
#endif
}

// The folder of the running test binary: the build's bin folder, where the programs and the
// installed data are laid out.
inline const char* PastaBinarios() {
    static const std::string pasta = [] {
        if (const char* definida = std::getenv("TASTAVO_BIN_DIR");
            definida != nullptr && *definida != '\0')
            return std::string(definida);
        const std::filesystem::path exe = CaminhoExecutavel();
        return exe.empty() ? std::string(".") : exe.parent_path().string();
    }();
    return pasta.c_str();
}

// A test binary run by hand, not through ctest, takes the environment ctest would give it from
// the file the build writes beside it (<binary>.ambiente): its fixtures, the offscreen display
// and no printer of the machine. Each line is NAME=value, set only when NAME is not set yet
// (ctest's and the caller's settings win), or !NAME=value, always set; an empty value unsets.
// Read once, by the first caller: AmbienteTeste.cpp before main, or a path below when a
// test's own static needs it earlier.
inline void CarregarAmbiente() {
    static const bool carregado = [] {
        const auto definir = [](const std::string& nome, const std::string& valor, bool sempre) {
            if (!sempre && std::getenv(nome.c_str()) != nullptr) return;
#if defined(_WIN32)
            _putenv_s(nome.c_str(), valor.c_str());
#else
            if (valor.empty()) {
                unsetenv(nome.c_str());
            } else {
                setenv(nome.c_str(), valor.c_str(), 1);
            }
#endif
        };
        std::ifstream arquivo(CaminhoExecutavel() + ".ambiente");
        std::string linha;
        while (std::getline(arquivo, linha)) {
            const bool sempre = !linha.empty() && linha.front() == '!';
            const std::size_t igual = linha.find('=');
            if (igual == std::string::npos || igual == std::size_t{sempre}) continue;
            definir(linha.substr(sempre, igual - sempre), linha.substr(igual + 1), sempre);
        }
        return true;
    }();
    (void)carregado;
}

// The test folder's fixtures (tests/<folder>/data), named in TASTAVO_TEST_DATA by ctest or, for
// a binary run by hand, by the environment file the build writes beside it (AmbienteTeste.cpp).
inline const char* DadosTeste() {
    CarregarAmbiente();
    const char* pasta = std::getenv("TASTAVO_TEST_DATA");
    return pasta != nullptr ? pasta : "TASTAVO_TEST_DATA-not-set";
}

// The benchmark inputs the build writes (chart_20k.txt and the like), named in
// TASTAVO_BENCH_INPUTS for the tests that read them, as TASTAVO_TEST_DATA is.
inline const char* EntradasBancada() {
    CarregarAmbiente();
    const char* pasta = std::getenv("TASTAVO_BENCH_INPUTS");
    return pasta != nullptr ? pasta : "TASTAVO_BENCH_INPUTS-not-set";
}

}  // namespace tastavo_teste
