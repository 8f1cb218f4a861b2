// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures of the language files and of the resources as Qt pixmaps.

#include <QPixmap>
#include <optional>
#include <string_view>

#include "Imagem.h"

class GerenciadorIdiomas;

QPixmap ParaPixmap(const std::optional<Imagem>& imagem);
// The language's picture of (secao, chave), or a null pixmap.
QPixmap FiguraIdioma(GerenciadorIdiomas& idiomas, std::string_view secao, std::string_view chave);
// A language-independent picture of the resources (":/arte/<nome>.png").
QPixmap FiguraEmbutida(const char* nome);
