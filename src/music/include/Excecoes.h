// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chord symbol failures. Each holds one text; throw by value, catch by const reference.

#include <exception>
#include <string>

// A symbol that cannot be read (holding the whole symbol), or a chord that needs more than
// five keys (holding an empty text).
class FormatoInvalidoException : public std::exception {
  public:
    explicit FormatoInvalidoException(std::string texto) : texto_(std::move(texto)) {}
    const std::string& Texto() const noexcept { return texto_; }
    const char* what() const noexcept override { return texto_.c_str(); }

  private:
    std::string texto_;
};

// A root text that is not a note name; holds that root text.
class RaizNaoEncontradaException : public std::exception {
  public:
    explicit RaizNaoEncontradaException(std::string texto) : texto_(std::move(texto)) {}
    const std::string& Texto() const noexcept { return texto_; }
    const char* what() const noexcept override { return texto_.c_str(); }

  private:
    std::string texto_;
};
