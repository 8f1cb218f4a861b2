// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeitorIni.h"

#include "LeituraArquivo.h"
#include "Texto.h"
#include "Utf8.h"

LeitorIni::LeitorIni(std::string_view texto) {
    std::string secao;
    bool emSecao = false;
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        std::size_t fim = texto.find_first_of("\r\n", inicio);
        if (fim == std::string_view::npos) fim = texto.size();
        const std::string_view linha = ApararBrancos(texto.substr(inicio, fim - inicio));
        inicio = fim + 1;
        if (linha.empty() || linha.front() == ';') continue;
        if (linha.front() == '[') {
            const std::size_t fecha = linha.find(']');
            secao = std::string(ApararBrancos(linha.substr(
                1, fecha == std::string_view::npos ? std::string_view::npos : fecha - 1)));
            emSecao = true;
            continue;
        }
        const std::size_t igual = linha.find('=');
        if (!emSecao || igual == std::string_view::npos) continue;
        entradas_.push_back({secao, std::string(ApararBrancos(linha.substr(0, igual))),
                             std::string(ApararBrancos(linha.substr(igual + 1)))});
    }
}

LeitorIni LeitorIni::DeArquivo(const std::filesystem::path& caminho) {
    return LeitorIni(utf8::DecodificarTexto(LerBytesArquivo(caminho)));
}

std::optional<std::string> LeitorIni::Ler(std::string_view secao, std::string_view chave) const {
    for (const auto& e : entradas_) {
        if (IguaisSemCaixaAscii(e.secao, secao) && IguaisSemCaixaAscii(e.chave, chave))
            return e.valor;
    }
    return std::nullopt;
}
