// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a benchmark finds its inputs: at run time, beside the build's bin folder (bench-inputs/,
// written by bench/entradas), or in the folder TASTAVO_BENCH_INPUTS names. Nothing is compiled
// in, so benchmark objects are the same in every clone.

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace tastavo_bench {

// The folder of the running benchmark: the build's bin folder, the installation laid out.
inline std::string PastaPrograma() {
    std::string exe(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", exe.data(), exe.size());
    exe.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    const auto barra = exe.rfind('/');
    return barra == std::string::npos ? std::string(".") : exe.substr(0, barra);
}

// The input file `nome` (chart_20k.txt, symbols_common_100k.txt).
inline std::string Entrada(const std::string& nome) {
    if (const char* pasta = std::getenv("TASTAVO_BENCH_INPUTS"); pasta != nullptr && *pasta != '\0')
        return std::string(pasta) + "/" + nome;
    return PastaPrograma() + "/../bench-inputs/" + nome;
}

}  // namespace tastavo_bench
