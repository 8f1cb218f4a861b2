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

// Transposes a symbol by `semitons` in `sentido`; throws what AnalisarCifra throws.
std::string TransporCifra(std::string_view cifra, int semitons, SentidoTransposicao sentido);
