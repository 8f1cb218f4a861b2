// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text primitives the readers and rules of the system share. ASCII only where the files'
// rules are ASCII; the language file's own reader keeps its quirks (see Idioma.cpp).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// `texto` without leading blanks (space, tab) and trailing blanks or line-end characters.
std::string_view ApararBrancos(std::string_view texto);

// A-Z to a-z; every other byte as it is (UTF-8 sequences pass through untouched).
constexpr char MinusculaAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string MinusculasAscii(std::string_view texto);
// Equal with the letter case of A-Z ignored.
bool IguaisSemCaixaAscii(std::string_view a, std::string_view b);

// A decimal integer, with an optional "+" or "-" sign and nothing else around it; none for
// anything else, or beyond the type's range.
std::optional<std::int64_t> LerInteiroDecimal(std::string_view texto);

// Calls `f(linha, terminador)` for each line of `texto`; the terminator is "\n", "\r\n", "\r"
// (old Mac files), or empty for a last line without one.
template <class F>
void ParaCadaLinha(std::string_view texto, F&& f) {
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::size_t fim = texto.find_first_of("\r\n", inicio);
        if (fim == std::string_view::npos) {
            f(texto.substr(inicio), std::string_view{});
            return;
        }
        const std::size_t depois =
            texto[fim] == '\r' && fim + 1 < texto.size() && texto[fim + 1] == '\n' ? fim + 2
                                                                                   : fim + 1;
        f(texto.substr(inicio, fim - inicio), texto.substr(fim, depois - fim));
        inicio = depois;
    }
}
