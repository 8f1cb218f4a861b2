// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes picture entries ("offset,length") into the text of a language file, keeping every
// other byte of the file as it was.

#include <string>
#include <string_view>

namespace arte {

// The text with (secao, chave) set to `valor`: the first line of that key in the first block
// of the section is replaced; a missing key is added at the end of that block; a missing
// section is appended with the key. Lines end as the file's first line ends.
std::string DefinirEntrada(std::string_view texto, std::string_view secao, std::string_view chave,
                           std::string_view valor);

// The value of (secao, chave) read with the loose INI rules (names without regard to case,
// blanks around the value removed); empty when missing.
std::string LerEntradaIni(std::string_view texto, std::string_view secao, std::string_view chave);

}  // namespace arte
