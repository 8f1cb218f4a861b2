// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chord symbols ("cifras"): the parser, the packed value and transposition.

#include <cstdint>
#include <string>
#include <string_view>

#include "Excecoes.h"
#include "Notas.h"

// Packed parse result: root NomeNota in bits 20..16, interval set in bits 15..5 (bit 16 - s
// for s semitones above the root), bass NomeNota + 1 in bits 4..0 (0 for no bass).
using CifraCodificada = std::uint32_t;

enum class SentidoTransposicao { Abaixo = 0, Acima = 1 };

// Parses a chord symbol. Throws RaizNaoEncontradaException with the root text, or
// FormatoInvalidoException with the whole symbol.
CifraCodificada AnalisarCifra(std::string_view cifra);

// Parses without throwing: false when the symbol is not valid. Allocation-free.
bool TentarAnalisarCifra(std::string_view cifra, CifraCodificada& resultado);

constexpr NomeNota RaizCifra(CifraCodificada c) { return static_cast<NomeNota>((c >> 16) & 0x1F); }
constexpr bool TemBaixo(CifraCodificada c) { return (c & 0x1F) != 0; }
constexpr NomeNota BaixoCifra(CifraCodificada c) { return static_cast<NomeNota>(c & 0x1F) - 1; }
// True when the interval of `semitons` (1..11) above the root sounds in the chord.
constexpr bool TemIntervalo(CifraCodificada c, int semitons) {
    return ((c >> (16 - semitons)) & 1u) != 0;
}
// `c` with its bass field set to `baixo` (a NomeNota).
constexpr CifraCodificada ComBaixo(CifraCodificada c, NomeNota baixo) {
    return (c & ~CifraCodificada{0x1F}) | static_cast<CifraCodificada>(baixo + 1);
}

// The root text of a symbol: its first two characters when the second is "#" or "b", else
// its first character (empty for an empty text). Does not check that it is a note name.
std::string_view NomeRaizCifra(std::string_view cifra);

// Transposes a symbol by `semitons` in `sentido`, stepping root and bass by the semitone
// tables (up gives sharps, down mostly flats); throws what AnalisarCifra throws. When the new
// root is a natural note and the suffix starts with "#" or "b", the suffix's first token is
// put in parentheses, so that the result reads as the transposed chord ("Db#9" up one gives
// "D(#9)", not "D#9").
std::string TransporCifra(std::string_view cifra, int semitons, SentidoTransposicao sentido);

// How transposed roots and basses are written.
enum class GrafiaNotas {
    Tabelas,     // stepped by the semitone tables, as above
    Sustenidos,  // the 12 sharp names (NomesNotasSustenido)
    Bemois,      // the 12 flat names (NomesNotasBemol)
};

// As above, with roots and basses written in `grafia`. With `Tabelas` exactly the function
// above; otherwise the amount counts modulo 12 (0 or less: no step, only the spelling).
std::string TransporCifra(std::string_view cifra, int semitons, SentidoTransposicao sentido,
                          GrafiaNotas grafia);

// The number of suffix tokens of a symbol (the minor mark counts as one, separators and the
// bass do not): 0 for "C" and "C/E", 1 for "Cm" and "C7M", 3 for "Cm7(b5)". -1 when the
// symbol is not valid.
int ContarTokensSufixo(std::string_view cifra);
