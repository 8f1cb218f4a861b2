// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a command's input file or standard input, and writing its output, with every
// failure told in one line that names the file and gives the system's reason.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

// The most a chart may be, in bytes, wherever it is read whole: past it the input is refused
// rather than read until memory runs out (standard input may be endless, such as /dev/zero).
inline constexpr std::size_t LimiteEntradaCifra = std::size_t{256} << 20;

// Reads `caminho` ("-" or empty for standard input) block by block, each block decoded as
// utf8::DecodificarTexto decodes a whole file, and hands the text to `receber` as it comes; a
// byte-order mark at the start is dropped and `marcaOrdem` says whether there was one (it is
// known by the first call of `receber`, and the last call, at the end of the input, may bring
// no text). False when the input cannot be read or holds more than `limite` bytes, after
// telling why on stderr under the name `comando` (`grandeDemais`, when given, says which);
// `receber` returns false to stop early. A reader that keeps only a block at a time needs no
// limit: it works as a filter on an endless input.
bool LerEntradaEmPartes(const std::string& caminho, std::string_view comando,
                        const std::function<bool(std::string_view texto, bool marcaOrdem)>& receber,
                        bool* grandeDemais = nullptr,
                        std::size_t limite = static_cast<std::size_t>(-1));

// The whole of a chart for a command that needs all of it before it starts (a print, the
// spellings of transpose that look at the song's key), under LimiteEntradaCifra. Returns SaidaOk,
// SaidaEntradaInvalida for an input over the cap, or SaidaArquivoIlegivel, after telling why.
int LerEntradaInteira(const std::string& caminho, std::string_view comando, std::string& texto,
                      bool* marcaOrdem = nullptr);

class ColetaContinua;

// Makes `coleta` tell on stderr, one line each, the chart lines that look like chord lines but
// stay among the lyrics: tastavo-cli: line N: kept as lyrics: "WORD" is no chord.
void AvisarLinhasRetidas(ColetaContinua& coleta);

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
