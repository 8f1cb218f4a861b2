// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Transposing the chords of a chord chart given as lines (the chart window's way). Only the
// chords change: every other character of a line stays as it was.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Cifra.h"

// How the chords of a transposed chart are spelled.
enum class GrafiaTransposicao {
    Tabelas,     // roots and basses stepped by the semitone tables (the chart window's way)
    Sustenidos,  // every transposed root and bass from the 12 sharp names
    Bemois,      // every transposed root and bass from the 12 flat names
    Tom,         // sharp or flat names as the transposed key of the song is written
};

// The choices a player makes for a transposed chart; the defaults give the chart as the
// semitone tables and the plain shifting write it.
struct OpcoesTransposicao {
    GrafiaTransposicao grafia = GrafiaTransposicao::Tabelas;
    // On a chord line, a chord that grows takes up to as many of the spaces after it (one
    // always stays before the next word), and one that shrinks gets spaces added after it when
    // spaces and a word follow, so that chords keep standing over their syllables.
    bool manterColunas = false;

    bool operator==(const OpcoesTransposicao&) const = default;
};

// The semitone amount written in `texto` (an optional sign and decimal digits, blanks
// around them allowed), reduced to the amount with the same effect: 0 for none or less,
// else 1..12. Nothing when the text is not an integer.
std::optional<int> LerSemitons(std::string_view texto);

// Every line with its chords transposed by the amount written in `semitons`; the lines
// unchanged when that text is not an integer.
std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido);

// TransporLinhas with chords spelled as `grafia` says; `Tabelas` gives exactly what the
// function above gives. With `Tom` the key line's key is transposed too, even on a line that
// also holds words (such as "Key: G").
std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido,
                                        GrafiaTransposicao grafia);

// TransporLinhas with every choice of `opcoes`.
std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido,
                                        const OpcoesTransposicao& opcoes);

// Replaces the `tamanho` characters of `linha` from character `posicao` by their
// transposition and returns the new length minus the old one, in characters. Returns 0
// and leaves the line as it was when that region is no chord symbol or lies outside it.
int TransporTrecho(std::string& linha, std::size_t posicao, std::size_t tamanho, int semitons,
                   SentidoTransposicao sentido);
