// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chord charts as whole texts with their line ends (a file, a pipe, the clipboard): split into
// lines, transposed whole or as they arrive in pieces of any size, and their chords collected
// as they arrive. Memory stays flat however long the chart or its lines are.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Cifra.h"
#include "TransposicaoCifra.h"

// A whole chart text transposed. LF, CR LF and a lone CR (old Mac files) all end a line, and
// each line keeps its own line end; a missing final line end stays missing.
std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido);

// TransporTexto with chords spelled as `grafia` says (see TransporLinhas); `Tabelas` gives
// exactly what the function above gives.
std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido,
                          GrafiaTransposicao grafia);
// TransporTexto with every choice of `opcoes`.
std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido,
                          const OpcoesTransposicao& opcoes);

// Splits a chart text into lines without their terminators (LF, CR LF or CR). A final line
// end does not start another line; an empty text has no lines.
std::vector<std::string> DividirLinhas(std::string_view texto);

// A chart that arrives in pieces of any size (a file or a pipe of any length) transposed as
// TransporTexto transposes it whole, with memory that stays flat however long the chart or its
// lines are: only the first characters of a line are examined, so once they are in, the rest
// of the line passes straight through.
class TransposicaoContinua {
  public:
    // With `manterColunas`, chords keep their columns as OpcoesTransposicao says.
    TransposicaoContinua(int semitons, SentidoTransposicao sentido, bool manterColunas = false);
    ~TransposicaoContinua();
    TransposicaoContinua(const TransposicaoContinua&) = delete;
    TransposicaoContinua& operator=(const TransposicaoContinua&) = delete;

    // Appends to `saida` what can be written of the chart continued by `pedaco`.
    void Acrescentar(std::string_view pedaco, std::string& saida);
    // Appends the rest, at the end of the chart.
    void Terminar(std::string& saida);

  private:
    class Estado;
    std::unique_ptr<Estado> estado_;
};

// The candidate texts of a chart that arrives in pieces, in the order of ColetarAcordes, with
// memory that stays flat as in TransposicaoContinua.
class ColetaContinua {
  public:
    ColetaContinua();
    ~ColetaContinua();
    ColetaContinua(const ColetaContinua&) = delete;
    ColetaContinua& operator=(const ColetaContinua&) = delete;

    // Calls `receber` with each candidate of the lines that `pedaco` completes; the texts it
    // gets live only during the call.
    void Acrescentar(std::string_view pedaco, const std::function<void(std::string_view)>& receber);
    // The candidates of a last line without an end.
    void Terminar(const std::function<void(std::string_view)>& receber);

    // Called, as the lines go by, for each line that looks like a chord line but stays among
    // the lyrics (PalavraQueRetemALinha), with its number from 1 and the word that keeps it.
    void AoReterLinha(std::function<void(std::size_t linha, std::string_view palavra)> avisar);

  private:
    class Estado;
    std::unique_ptr<Estado> estado_;
};
