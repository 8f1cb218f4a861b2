// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A song's key and the spelling it asks of transposed chords.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "AnaliseLinhaInterna.h"
#include "TransposicaoCifra.h"

namespace cifra_interno {

// A song's key: its tonic as written (a NomeNota) and whether it is minor.
struct TomMusica {
    NomeNota tonica = 0;
    bool menor = false;

    bool operator==(const TomMusica&) const = default;
};

// What the key spelling needs to know of a chart, found in one pass over its lines.
struct AnaliseTom {
    std::optional<TomMusica> tom;  // from the key line, else from the first chord
    // The key line ("Tom: G", "Tone: Em", "Key: Bb"): its index and the bytes of its key.
    std::optional<std::size_t> linhaTom;
    std::size_t inicioChave = 0;
    std::size_t tamanhoChave = 0;
    // Roots and basses of the chart's chords written with a sharp, and with a flat.
    std::size_t sustenidos = 0;
    std::size_t bemois = 0;
};

// Reads a key line: the first word is "Tom", "Tone", "Key", "Tonalidade", "Tonalidad" or
// "Tono" (any letter case, with or
// without a colon, or a colon as the next word) and the next word is a chord symbol, which
// gives the tonic and, with a minor third and no major third, a minor key. Sets the bytes of
// that symbol in the line.
std::optional<TomMusica> LerLinhaTom(std::string_view linha, std::size_t& inicio,
                                     std::size_t& tamanho);

// The names the chords of a chart take when transposed with `GrafiaTransposicao::Tom`: the
// flat names for a flat key (F, Bb, Eb, Ab, Db and Dm, Gm, Cm, Fm, Bbm), the sharp names for a
// sharp key (G, D, A, E, B and Em, Bm, F#m, C#m, G#m); for C and Am the side the chart was
// written on (the more common accidental among its chords), else the side of its key; for
// F#/Gb and D#m/Ebm the side of the chart's key, else the side it was written on. The side of
// a key of six accidentals is the way its tonic is written, and of C or Am the way the chart
// is written. When nothing decides, sharps going up and flats going down.
GrafiaNotas GrafiaDoTom(const AnaliseTom& analise, int semitons, SentidoTransposicao sentido);

// The names of a chart's transposed chords as `grafia` asks; for `Tom`, `analise` gets the
// chart's key. `semitons` is already reduced.
GrafiaNotas GrafiaDaTransposicao(std::span<const std::string> linhas, AnaliseTom& analise,
                                 int semitons, SentidoTransposicao sentido,
                                 GrafiaTransposicao grafia);
GrafiaNotas GrafiaDaTransposicao(std::string_view texto, AnaliseTom& analise, int semitons,
                                 SentidoTransposicao sentido, GrafiaTransposicao grafia);

// The key line: as any line, and its key too when the line also holds words ("Key: G",
// "Tom: G capo 2"), which would otherwise leave it as it was.
void TransporLinhaTom(std::string_view linha, const AnaliseTom& tom, MemoriaPalavras& memoria,
                      std::string& saida, bool colunas = false);

}  // namespace cifra_interno
