// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message boxes that report a failure escaping start-up, and the version they quote.

#include <exception>
#include <string>
#include <string_view>

struct RelatorioErro {
    std::string texto;
    std::string titulo;
};

// The fixed English caption of the reports made without a language.
inline constexpr std::string_view TituloProdutoIngles = "Tastavo";

// "An error has occurred in your application.\nIf the problem persist, please contact us:
// <e-mail>."
std::string MensagemFalhaIngles();

// The version compiled into the executable ("1.0.0"), or empty text.
std::string VersaoArquivo();

// The report of a failure that carries a class name and a message. With a language loaded the
// text starts with `erroGeral` under the caption `nomeAplicacao`; otherwise with the English
// message under TituloProdutoIngles.
RelatorioErro RelatorioExcecao(bool possuiIdioma, std::string_view erroGeral,
                               std::string_view nomeAplicacao, std::string_view classe,
                               std::string_view mensagem, std::string_view versao);

// The report of anything else: English only.
RelatorioErro RelatorioFalhaDesconhecida(std::string_view versao);

// The readable class name of an exception object ("FormatoInvalidoException").
std::string NomeClasse(const std::exception& e);
