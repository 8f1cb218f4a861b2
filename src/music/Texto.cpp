// SPDX-License-Identifier: GPL-3.0-or-later
#include "Texto.h"

#include <charconv>
#include <system_error>

namespace {
bool Branco(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string_view ApararBrancos(std::string_view s) {
    while (!s.empty() && Branco(s.front())) s.remove_prefix(1);
    while (!s.empty() && (Branco(s.back()) || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

std::string MinusculasAscii(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) c = MinusculaAscii(c);
    return r;
}

bool IguaisSemCaixaAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (MinusculaAscii(a[i]) != MinusculaAscii(b[i])) return false;
    return true;
}

std::optional<std::int64_t> LerInteiroDecimal(std::string_view texto) {
    if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
    if (texto.empty() || texto.front() == '+') return std::nullopt;
    std::int64_t valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro != std::errc{} || fim != texto.data() + texto.size()) return std::nullopt;
    return valor;
}
