// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextoIdioma.h"

#include "GerenciadorIdiomas.h"

std::string TextoIdiomaUtf8(const GerenciadorIdiomas& idiomas, std::string_view secao,
                            std::string_view chave) {
    std::string texto = idiomas.ObterTexto(secao, chave);
    std::string::size_type i = 0;
    while ((i = texto.find("\r\n", i)) != std::string::npos) texto.erase(i, 1);
    return texto;
}

QString TextoIdioma(const GerenciadorIdiomas& idiomas, std::string_view secao,
                    std::string_view chave) {
    return QString::fromStdString(TextoIdiomaUtf8(idiomas, secao, chave));
}
