// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Naming a chord from its notes: every chord symbol whose notes are exactly a set of pitch
// classes over a given bass, ranked as a musician reads chords.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Cifra.h"
#include "Notas.h"

// A set of pitch classes: bit p for pitch class p (0..11).
using ConjuntoClasses = std::uint16_t;

// The pitch classes a chord sounds: its root, every interval above it and its bass.
ConjuntoClasses ClassesDaCifra(CifraCodificada c);
// The pitch class of a chord's lowest note: its bass, or its root without one.
ClasseAltura ClasseDoBaixo(CifraCodificada c);

struct NomeAcorde {
    std::string cifra;
    CifraCodificada codigo = 0;

    bool operator==(const NomeAcorde&) const = default;
};

// One chord name held in place, without touching the heap: what live naming (a chord played
// on a MIDI keyboard) hands from note-on to the screen.
struct NomeAcordeFixo {
    static constexpr std::size_t Capacidade = 48;

    std::array<char, Capacidade> texto{};
    std::uint8_t tamanho = 0;
    CifraCodificada codigo = 0;

    std::string_view Cifra() const { return {texto.data(), tamanho}; }
    bool Vazio() const { return tamanho == 0; }
    bool operator==(const NomeAcordeFixo& outro) const {
        return Cifra() == outro.Cifra() && codigo == outro.codigo;
    }
};

class NomeadorAcordes {
  public:
    // `catalogo`: the names of the chord names file in the file's order, which lists the more
    // common chords first. Its suffixes are the preferred spellings; lines that are no chord
    // symbol are skipped.
    explicit NomeadorAcordes(const std::vector<std::string>& catalogo);

    // Every name of the notes `classes` with `baixo` the lowest, best first. Each name parses
    // back to exactly these pitch classes with this bass. The ranking: chords the catalogue
    // lists (whatever their root and bass) before rare readings of the notes (C/E before
    // Em(#5)); then the root in the bass before a chord over another bass; fewer suffix tokens
    // before more; the catalogue's spellings before others; common chords (a chord and bass
    // the catalogue lists, earlier lines first, and roots spelled as keys are: Bb, not A#)
    // before rarer ones; then catalogue order. Empty when the bass is not one of the notes,
    // for fewer than two or more than five notes (the keyboard plays five keys at most), and
    // when no symbol names them.
    std::vector<NomeAcorde> Nomear(ConjuntoClasses classes, ClasseAltura baixo) const;
    // The first name Nomear would give, into `nome`, allocating nothing; false (and `nome`
    // emptied) when Nomear would give none.
    bool MelhorNome(ConjuntoClasses classes, ClasseAltura baixo, NomeAcordeFixo& nome) const;

  private:
    // The order of two names: the ranking described at Nomear, then the catalogue's order of
    // names.
    using Ordem = std::array<int, 6>;
    // Calls visitar(texto, codigo, ordem) for every name of the notes, unsorted; false when the
    // notes cannot be named at all (see Nomear).
    template <typename Visitar>
    bool Percorrer(ConjuntoClasses classes, ClasseAltura baixo, Visitar&& visitar) const;

    struct Sufixo {
        std::string texto;
        int tokens;
        bool catalogo;
    };
    // Interval sets as bits 15..5 of a CifraCodificada, shifted down: 2048 of them.
    static constexpr std::size_t kConjuntosIntervalos = 2048;

    std::array<std::vector<Sufixo>, kConjuntosIntervalos> sufixos_;
    // For each interval set, the first line of the catalogue that has it; and the same for
    // an interval set over a given bass (interval of the bass + 1, 0 for none).
    std::array<int, kConjuntosIntervalos> primeiraLinha_;
    std::unordered_map<std::uint32_t, int> primeiraLinhaComBaixo_;
    int linhas_ = 0;
};
