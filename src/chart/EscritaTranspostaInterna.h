#pragma once
// Writing a line with its chords transposed, for the engine's parts that transpose.

#include <string>
#include <string_view>

#include "AnaliseLinhaInterna.h"

namespace cifra_interno {

// Appends `linha` with the chords that `a` found in it transposed.
void EscreverTransposta(std::string_view linha, const AnaliseLinha& a, MemoriaPalavras& memoria,
                        std::string& saida);

// Appends `linha` with its chords transposed as `memoria` transposes them.
void TransporLinhaCom(std::string_view linha, MemoriaPalavras& memoria, std::string& saida);

}  // namespace cifra_interno
