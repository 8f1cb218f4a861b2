// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a command's input file or standard input, and writing its output, with every
// failure told in one line that names the file and gives the system's reason.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

// Reads `caminho` ("-" or empty for standard input) block by block, each block decoded as
// utf8::DecodificarTexto decodes a whole file, and hands the text to `receber` as it comes; a
// byte-order mark at the start is dropped and `marcaOrdem` says whether there was one (it is
// known by the first call of `receber`, and the last call, at the end of the input, may bring
// no text). False when the input cannot be read, after telling
// why on stderr under the name `comando`; `receber` returns false to stop early.
bool LerEntradaEmPartes(
    const std::string& caminho, std::string_view comando,
    const std::function<bool(std::string_view texto, bool marcaOrdem)>& receber);

// A command's standard output. Every write is checked: a full disk or a closed pipe is a
// failure of the command, not a silent loss.
class SaidaComando {
  public:
    explicit SaidaComando(std::string comando) : comando_(std::move(comando)) {}

    // False once writing has failed.
    bool Escrever(std::string_view texto);
    // Flushes what is left; false when anything could not be written, after telling why on
    // stderr. Called once, at the end.
    bool Terminar();

  private:
    std::string comando_;
    int erro_ = 0;  // errno of the first failure
};
