// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chord charts ("músicas cifradas"): finding the chords of a song written with chord lines
// over its lyrics or with chords in square brackets inside them, and transposing them.
//
// Lines are UTF-8 without their terminators. Positions and lengths are counted in Unicode
// characters, so lyrics in any script pass through untouched; only chord symbols change.
// Symbols are recognised and rewritten by the chord symbol parser (Cifra.h) alone.

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Cifra.h"

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
// "Refrão", "(2x)", "|", "4/4").
bool PalavraNeutra(std::string_view palavra);

// True when the line holds lyrics: a word that is neither neutral nor a chord symbol.
bool LinhaContemTexto(std::string_view linha);

// The line's candidates from left to right: every word of a chord line, or the contents of
// the brackets of a text line. The texts view `linha`, which must outlive them.
std::vector<Candidato> CandidatosDaLinha(std::string_view linha);

// The candidate texts of the whole chart, line after line.
std::vector<std::string> ColetarAcordes(std::span<const std::string> linhas);

// The semitone amount written in `texto` (an optional sign and decimal digits, blanks
// around them allowed), reduced to the amount with the same effect: 0 for none or less,
// else 1..12. Nothing when the text is not an integer.
std::optional<int> LerSemitons(std::string_view texto);

// Every line with its chords transposed by the amount written in `semitons`; the lines
// unchanged when that text is not an integer.
std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido);

// Replaces the `tamanho` characters of `linha` from character `posicao` by their
// transposition and returns the new length minus the old one, in characters. Returns 0
// and leaves the line as it was when that region is no chord symbol or lies outside it.
int TransporTrecho(std::string& linha, std::size_t posicao, std::size_t tamanho, int semitons,
                   SentidoTransposicao sentido);

// Appends `linha` with its chords transposed to `saida`.
void TransporLinha(std::string_view linha, int semitons, SentidoTransposicao sentido,
                   std::string& saida);

// A whole chart text transposed. Line ends (LF or CR LF) and a missing final line end are
// kept as they were.
std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido);

// How the chords of a transposed chart are spelled.
enum class GrafiaTransposicao {
    Tabelas,     // roots and basses stepped by the semitone tables (the chart window's way)
    Sustenidos,  // every transposed root and bass from the 12 sharp names
    Bemois,      // every transposed root and bass from the 12 flat names
    Tom,         // sharp or flat names as the transposed key of the song is written
};

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

// Reads a key line: the first word is "Tom", "Tone" or "Key" (any letter case, with or
// without a colon, or a colon as the next word) and the next word is a chord symbol, which
// gives the tonic and, with a minor third and no major third, a minor key. Sets the bytes of
// that symbol in the line.
std::optional<TomMusica> LerLinhaTom(std::string_view linha, std::size_t& inicio,
                                     std::size_t& tamanho);

// The key, the key line and the spelling of the chords of a chart.
AnaliseTom AnalisarTom(std::span<const std::string> linhas);
AnaliseTom AnalisarTom(std::string_view texto);

// The names the chords of a chart take when transposed with `GrafiaTransposicao::Tom`: the
// flat names for a flat key (F, Bb, Eb, Ab, Db and Dm, Gm, Cm, Fm, Bbm), the sharp names for a
// sharp key (G, D, A, E, B and Em, Bm, F#m, C#m, G#m); for C and Am the side the chart was
// written on (the more common accidental among its chords), else the side of its key; for
// F#/Gb and D#m/Ebm the side of the chart's key, else the side it was written on. The side of
// a key of six accidentals is the way its tonic is written, and of C or Am the way the chart
// is written. When nothing decides, sharps going up and flats going down.
GrafiaNotas GrafiaDoTom(const AnaliseTom& analise, int semitons, SentidoTransposicao sentido);

// TransporLinhas, TransporTexto with chords spelled as `grafia` says; `Tabelas` gives exactly
// what the functions above give. With `Tom` the key line's key is transposed too, even on a
// line that also holds words (such as "Key: G").
std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido,
                                        GrafiaTransposicao grafia);
std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido,
                          GrafiaTransposicao grafia);

// Splits a chart text into lines without their terminators (LF, or CR LF). A final line end
// does not start another line; an empty text has no lines.
std::vector<std::string> DividirLinhas(std::string_view texto);

// A chart that arrives in pieces of any size (a file or a pipe of any length) transposed as
// TransporTexto transposes it whole, with memory that stays flat however long the chart or its
// lines are: only the first characters of a line are examined, so once they are in, the rest
// of the line passes straight through.
class TransposicaoContinua {
  public:
    TransposicaoContinua(int semitons, SentidoTransposicao sentido);
    ~TransposicaoContinua();
    TransposicaoContinua(const TransposicaoContinua&) = delete;
    TransposicaoContinua& operator=(const TransposicaoContinua&) = delete;

    // Appends to `saida` what can be written of the chart continued by `pedaco`.
    void Acrescentar(std::string_view pedaco, std::string& saida);
    // Appends the rest, at the end of the chart.
    void Terminar(std::string& saida);

  private:
    class Estado;
    std::unique_ptr<Estado> estado_;
};

// The candidate texts of a chart that arrives in pieces, in the order of ColetarAcordes, with
// memory that stays flat as in TransposicaoContinua.
class ColetaContinua {
  public:
    ColetaContinua();
    ~ColetaContinua();
    ColetaContinua(const ColetaContinua&) = delete;
    ColetaContinua& operator=(const ColetaContinua&) = delete;

    // Calls `receber` with each candidate of the lines that `pedaco` completes; the texts it
    // gets live only during the call.
    void Acrescentar(std::string_view pedaco, const std::function<void(std::string_view)>& receber);
    // The candidates of a last line without an end.
    void Terminar(const std::function<void(std::string_view)>& receber);

  private:
    class Estado;
    std::unique_ptr<Estado> estado_;
};
