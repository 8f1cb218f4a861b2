// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening documents and addresses through the desktop shell: the pure parts. The windows hand
// the prepared request to the desktop (AbrirDocumento / AbrirEndereco in the ui target).

#include <stdexcept>
#include <string>
#include <string_view>

// The shell could not open a document (empty message).
class EFOpenError : public std::runtime_error {
  public:
    EFOpenError() : std::runtime_error("") {}
};

// An address that is empty after trimming.
class ERangeError : public std::out_of_range {
  public:
    ERangeError() : std::out_of_range("") {}
};

// The address trimmed and wrapped in double quotes (a quote already at either end is kept).
// Throws ERangeError for an address that is empty after trimming.
std::string CitarEndereco(std::string_view endereco);

// The quoted address without its outer quotes again: the form a URL takes.
std::string EnderecoSemAspas(std::string_view citado);
