// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An index that the print list does not hold.

#include <exception>
#include <string_view>

class ElementoInexistenteException : public std::exception {
  public:
    static constexpr std::string_view Mensagem = "O Elemento procurado não existe na coleção.";
    const char* what() const noexcept override { return Mensagem.data(); }
};
