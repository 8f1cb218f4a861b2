// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pitch classes, written note names, interval labels and the keys of the 25-key keyboard.

#include <array>
#include <cstdint>
#include <string_view>

// A pitch class 0..11, C = 0. Intermediate sums may exceed 11; reduce modulo 12 before use.
using ClasseAltura = std::int32_t;
// A written note name: an index 0..16 into NomesNotas. C# and Db are different names.
using NomeNota = std::int32_t;

inline constexpr int QuantidadeNomesNotas = 17;
inline constexpr int QuantidadeTeclas = 25;
inline constexpr int TeclaCentral = 12;
inline constexpr int SemTecla = -1;

// The 17 note names, indexed by NomeNota.
inline constexpr std::array<std::string_view, QuantidadeNomesNotas> NomesNotas = {
    "C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#", "Gb", "G", "G#", "Ab", "A", "A#", "Bb", "B"};

// Display tables, indexed by pitch class (the interval table by semitones above the root).
inline constexpr std::array<std::string_view, 12> NomesNotasSustenido = {
    "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
inline constexpr std::array<std::string_view, 12> NomesNotasBemol = {
    "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
inline constexpr std::array<std::string_view, 12> NomesIntervalos = {
    "T", "b9", "9", "3m", "3M", "4", "b5", "5", "b13", "13", "7", "7M"};

// The pitch class of a note name.
ClasseAltura ClasseDoNome(NomeNota nome);
// The sharp-spelled note name of a non-negative pitch (reduced modulo 12).
NomeNota NomePelaClasse(std::int32_t altura);
// The note name one semitone up (always a natural or a sharp) or down.
NomeNota SemitomAcima(NomeNota nome);
NomeNota SemitomAbaixo(NomeNota nome);
// The NomeNota whose text is exactly `texto`, or -1.
NomeNota NomeNotaDoTexto(std::string_view texto);

// The pitch class of a note name text; sets `sustenido` when labels are to use sharp names.
// A text in neither display table gives 0 and leaves the flag as it was.
ClasseAltura IndiceNota(std::string_view texto, bool& sustenido);

// True for the keys of pitch class 1, 3, 6, 8 and 10.
constexpr bool TeclaPreta(int tecla) {
    const int c = tecla % 12;
    return c == 1 || c == 3 || c == 6 || c == 8 || c == 10;
}

// Key labels for a chord whose root text is `raiz` (as NomeRaizCifra cuts it).
std::string_view RotuloNota(std::string_view raiz, int tecla);
std::string_view RotuloIntervalo(std::string_view raiz, int tecla);
