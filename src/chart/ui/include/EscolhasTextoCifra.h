// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart text box's own additions: its context menu's transposition choices, and the marking
// of the lines that look like chord lines but stay among the lyrics.

#include <functional>

#include "TransposicaoCifra.h"

class GerenciadorIdiomas;
class QMenu;
class QPlainTextEdit;
class QString;
class QTextBlock;

// Appends to `menu` the choice "Keep chord columns" and the submenu of spellings (tables,
// sharps, flats, key), showing `opcoes`; choosing one changes `opcoes` and calls `aoMudar`.
// `opcoes` must outlive the menu.
void AcrescentarEscolhasTransposicao(QMenu& menu, const GerenciadorIdiomas& idiomas,
                                     OpcoesTransposicao& opcoes,
                                     const std::function<void()>& aoMudar);

// Gives every line of `memo` that PalavraQueRetemALinha finds a light background, and takes
// the background from every other line; the text is not changed. Returns how many are marked.
int MarcarLinhasRetidas(QPlainTextEdit& memo);

// The warning of a marked line, for its tooltip: line N: kept as lyrics: "WORD" is no chord.
// Empty for a line that is not marked.
QString AvisoDaLinhaMarcada(const QPlainTextEdit& memo, const QTextBlock& linha);
