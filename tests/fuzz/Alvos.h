// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuzz targets: each takes one input of any bytes and aborts, after saying why, when what
// must hold does not. libFuzzer drives each on its own (EntradaLibFuzzer.cpp); the tests replay
// the seed corpora and every input that once failed (test_corpus.cpp).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

void Cifra(const std::uint8_t* dados, std::size_t tamanho);
void MusicaCifrada(const std::uint8_t* dados, std::size_t tamanho);
void Idioma(const std::uint8_t* dados, std::size_t tamanho);
void Configuracao(const std::uint8_t* dados, std::size_t tamanho);
void NomesAcordes(const std::uint8_t* dados, std::size_t tamanho);

// Stops the run with `mensagem` when `condicao` is false: the fuzzer keeps the input.
inline void Exigir(bool condicao, std::string_view mensagem) {
    if (condicao) return;
    std::fprintf(stderr, "fuzz: %.*s\n", static_cast<int>(mensagem.size()), mensagem.data());
    std::abort();
}

}  // namespace fuzz
