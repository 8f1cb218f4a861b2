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
#include <string>

namespace tastavo_teste {

// The folder of the running test binary: the build's bin folder, where the programs and the
// installed data are laid out.
inline const char* PastaBinarios() {
    static const std::string pasta = [] {
        if (const char* definida = std::getenv("TASTAVO_BIN_DIR");
            definida != nullptr && *definida != '\0')
            return std::string(definida);
#if defined(_WIN32)
        wchar_t exe[32768];
        const DWORD n = GetModuleFileNameW(nullptr, exe, 32768);
        if (n == 0 || n >= 32768) return std::string(".");
        return std::filesystem::path(std::wstring(exe, n)).parent_path().string();
#else
        std::string exe(4096, '\0');
        const ssize_t n = readlink("/proc/self/exe", exe.data(), exe.size());
        exe.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        const auto barra = exe.rfind('/');
        return barra == std::string::npos ? std::string(".") : exe.substr(0, barra);
#endif
    }();
    return pasta.c_str();
}

// The test folder's fixtures (tests/<folder>/data), named by ctest in TASTAVO_TEST_DATA.
inline const char* DadosTeste() {
    const char* pasta = std::getenv("TASTAVO_TEST_DATA");
    return pasta != nullptr ? pasta : "TASTAVO_TEST_DATA-not-set:run-the-test-through-ctest";
}

// The benchmark inputs the build writes (chart_20k.txt and the like), named by ctest in
// TASTAVO_BENCH_INPUTS for the tests that read them.
inline const char* EntradasBancada() {
    const char* pasta = std::getenv("TASTAVO_BENCH_INPUTS");
    return pasta != nullptr ? pasta : "TASTAVO_BENCH_INPUTS-not-set:run-the-test-through-ctest";
}

}  // namespace tastavo_teste
