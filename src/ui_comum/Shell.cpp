// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shell.h"

namespace {
bool Branco(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string CitarEndereco(std::string_view endereco) {
    while (!endereco.empty() && Branco(endereco.front())) endereco.remove_prefix(1);
    while (!endereco.empty() && Branco(endereco.back())) endereco.remove_suffix(1);
    if (endereco.empty()) throw ERangeError();
    std::string citado(endereco);
    if (citado.front() != '"') citado.insert(citado.begin(), '"');
    // A lone quote is both the first and the last character; it still needs its partner.
    if (citado.back() != '"' || citado.size() == 1) citado.push_back('"');
    return citado;
}

std::string EnderecoSemAspas(std::string_view citado) {
    if (!citado.empty() && citado.front() == '"') citado.remove_prefix(1);
    if (!citado.empty() && citado.back() == '"') citado.remove_suffix(1);
    return std::string(citado);
}
