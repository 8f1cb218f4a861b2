#pragma once
// The current language's texts as the sound windows show them.

#include <QString>
#include <string>
#include <string_view>

// ObterTexto of the language manager, UTF-8 to QString, with the language files' CR LF line
// breaks as plain line feeds (a label would show the carriage return).
QString TextoIdioma(std::string_view secao, std::string_view chave);
// The same as UTF-8 text.
std::string TextoIdiomaUtf8(std::string_view secao, std::string_view chave);
