// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printed document holds; the value is the index of the print options' content list.

enum class ConteudoImpressao : int { CifraEAcordes = 0, SomenteAcordes = 1, SomenteCifra = 2 };
