// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language's texts as the windows show them.

#include <QString>
#include <string>
#include <string_view>

class GerenciadorIdiomas;

// ObterTexto of the language manager with the language files' CR LF line breaks as plain line
// feeds (a label would show the carriage return).
std::string TextoIdiomaUtf8(const GerenciadorIdiomas& idiomas, std::string_view secao,
                            std::string_view chave);
// The same as a QString.
QString TextoIdioma(const GerenciadorIdiomas& idiomas, std::string_view secao,
                    std::string_view chave);
// UTF-8 text as a QString.
inline QString Q(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}
