#include "LeituraEntrada.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

std::optional<std::string> LerEntrada(const std::string& caminho, std::string& erro) {
    const bool entradaPadrao = caminho.empty() || caminho == "-";
    std::FILE* f = entradaPadrao ? stdin : std::fopen(caminho.c_str(), "rb");
    if (f == nullptr) {
        erro = std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    char bloco[1 << 16];
    std::size_t lidos;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, f)) > 0) bytes.append(bloco, lidos);
    const bool falhou = std::ferror(f) != 0;
    if (falhou) erro = std::strerror(errno);
    if (!entradaPadrao) std::fclose(f);
    if (falhou) return std::nullopt;
    return bytes;
}

bool EscreverSaida(std::string_view saida, std::string_view comando) {
    if (std::fwrite(saida.data(), 1, saida.size(), stdout) == saida.size() &&
        std::fflush(stdout) == 0) {
        return true;
    }
    std::cerr << "tastavo-cli " << comando << ": cannot write the output: " << std::strerror(errno)
              << "\n";
    return false;
}
