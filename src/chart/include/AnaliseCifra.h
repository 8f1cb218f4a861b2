// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chord charts ("músicas cifradas"): telling the chord lines of a song from its lyrics and
// finding its chords, on chord lines over the lyrics or in square brackets inside them.
//
// Lines are UTF-8 without their terminators. Positions and lengths are counted in Unicode
// characters, so lyrics in any script pass through untouched. Symbols are recognised by the
// chord symbol parser (Cifra.h) alone.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Only the first characters of a line are examined; the rest is kept as it stands.
inline constexpr std::size_t TamanhoCopiaTrabalho = 499;
// A bracket holding more characters than this gives no candidate; a marker word counts
// only within a word's first this-many characters.
inline constexpr std::size_t LimiteCaracteresTrecho = 16;

// Marker words: a word holding one of them (letter case of A-Z ignored) is no lyric.
inline constexpr std::array<std::string_view, 11> PalavrasNeutras = {
    "tom", "tone", "intro", "ref", "repeat", "repet", "2x", "3x", "4x", "5x", "6x"};

// A piece of a line that may be a chord symbol. `texto` views the line it came from.
struct Candidato {
    std::string_view texto;
    std::size_t posicao = 0;  // characters before it in the line
    std::size_t tamanho = 0;  // its length in characters

    bool operator==(const Candidato&) const = default;
};

// True for a word that is a section marker or holds no ASCII letter (such as "Tom:",
// "Refrão", "(2x)", "|", "4/4"): one that holds a PalavrasNeutras word in its first 16
// characters, or that equals a section name, key word or repeat or rest mark of the languages
// Tastavo speaks ("[Chorus]", "Verse 2:", "Estribillo", "Key:", "x3", "N.C."), letter case
// ignored, without the ( ) [ ] : . around it and a number after it.
bool PalavraNeutra(std::string_view palavra);

// True when the line holds lyrics: a word that is neither neutral nor a chord symbol.
bool LinhaContemTexto(std::string_view linha);

// The line's candidates from left to right: every word of a chord line, or the contents of
// the brackets of a text line. The texts view `linha`, which must outlive them.
std::vector<Candidato> CandidatosDaLinha(std::string_view linha);

// A word written "(D6" or "D6/A)" in a group of chords counts as its chord: the candidate is
// the chord without the parenthesis, which stays in place.

// The word that keeps a line which looks like a chord line (at least two of its words outside
// brackets are chords, and they are at least half of those that are not neutral) among the
// lyrics: the first word that is neither a chord nor neutral. Nothing for a chord line or a
// plain line of lyrics.
std::optional<std::string_view> PalavraQueRetemALinha(std::string_view linha);

// The warning for such a line, `numero` counted from 1: line N: kept as lyrics: "WORD" is no
// chord.
std::string AvisoLinhaRetida(std::size_t numero, std::string_view palavra);

// The candidate texts of the whole chart, line after line.
std::vector<std::string> ColetarAcordes(std::span<const std::string> linhas);
