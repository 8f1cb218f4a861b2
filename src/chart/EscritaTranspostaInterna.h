// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a line with its chords transposed, for the engine's parts that transpose.

#include <string>
#include <string_view>

#include "AnaliseLinhaInterna.h"

namespace cifra_interno {

// Appends `linha` with the chords that `a` found in it transposed; with `colunas`, the chords
// of a chord line keep their columns where the spaces after them allow.
void EscreverTransposta(std::string_view linha, const AnaliseLinha& a, MemoriaPalavras& memoria,
                        std::string& saida, bool colunas = false);

// Appends `linha` with its chords transposed as `memoria` transposes them.
void TransporLinhaCom(std::string_view linha, MemoriaPalavras& memoria, std::string& saida,
                      bool colunas = false);

}  // namespace cifra_interno
