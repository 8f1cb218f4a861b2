// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ChordPro, the song format songbook programs exchange: directive lines in braces
// ("{title: Swing Low}", "{start_of_chorus}"), chords in brackets inside the lyrics, "#"
// comment lines and tab sections. Here: telling its lines apart, so that the chart engine
// leaves directives, comments and tabs alone, and converting between ChordPro and chords
// written over the lyrics.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chordpro {

// A "{name}" or "{name: value}" line (blanks around allowed): the name in lower case letters,
// digits, "_" and "-"; the value trimmed, empty when there is none.
struct Diretiva {
    std::string nome;
    std::string_view valor;
    std::size_t inicioValor = 0;  // bytes before the value in the line
};
std::optional<Diretiva> LerDiretiva(std::string_view linha);

// A "#" comment line: its first non-blank character is "#".
bool Comentario(std::string_view linha);

// The chord of a "{key: X}" or "{k: X}" line: its bytes in the line. False for any other line.
bool ChaveDoTom(std::string_view linha, std::size_t& inicio, std::size_t& tamanho);

// A name of a ChordPro file: .cho, .chopro, .chordpro, .crd or .pro (any letter case).
bool ExtensaoChordPro(std::string_view nomeArquivo);

// A text with at least one directive line is ChordPro.
bool TextoChordPro(std::string_view texto);

// What a chart's lines are, line after line: it remembers whether a tab section is open.
class Secoes {
  public:
    // True when the engine leaves `linha` alone: a directive (except {key}), a comment, a tab
    // section's line or its opening and closing directives.
    bool Ignorar(std::string_view linha);

  private:
    bool tablatura_ = false;
};

}  // namespace chordpro

namespace chordpro {

// A chart with chords over its lyrics as ChordPro: each chord of a chord line goes in brackets
// into the lyric line under it, at the character it stood over (past the lyric's end, the line
// is lengthened with spaces); a chord line with no lyrics under it keeps its chords, bracketed;
// "Tom: X", "Key: X" and "Tone: X" become "{key: X}", and a section label ("Refrão:",
// "[Chorus]") "{comment: …}". Lines end with `fimLinha`.
std::string ParaChordPro(std::string_view texto, std::string_view fimLinha = "\n");

// A ChordPro song as chords over lyrics: title, subtitle (or artist) and key ("Tom: X") first, then
// each line with inline chords as a chord line over its lyric, each chord starting over its
// syllable (the lyric gains spaces where chords would touch); "{comment: …}" gives its text,
// tab sections their lines; other directives and "#" comments are left out.
std::string ParaTexto(std::string_view texto, std::string_view fimLinha = "\n");

// A ChordPro song as a printed song sheet: the title and subtitle (or artist) for the header,
// and the lines that are printed: inline chords lifted onto their own line over their
// syllables, "{comment: …}" as its text, tab sections as they are; other directives and "#"
// comments are not printed. Lines of a chorus are marked.
struct LinhaFolha {
    std::string texto;
    bool refrao = false;
};
struct FolhaCancao {
    std::string titulo;
    std::string subtitulo;  // the subtitle, else the artist
    std::string artista;
    std::vector<LinhaFolha> linhas;
};
FolhaCancao FolhaDeCancao(std::string_view texto);

}  // namespace chordpro
