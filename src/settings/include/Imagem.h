// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A decoded picture as the domain hands it to the windows: no toolkit types.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct Imagem {
    int Largura = 0;
    int Altura = 0;
    // RGB, three bytes a pixel, rows top to bottom without padding: Largura * Altura * 3 bytes.
    std::vector<std::uint8_t> Pixels;

    bool operator==(const Imagem&) const = default;
};

// Decodes one JPEG image. None when the bytes are not a complete JPEG image or its size is
// beyond any picture a window shows (so a damaged header cannot cause a huge allocation).
// Never throws except std::bad_alloc.
std::optional<Imagem> DecodificarJpeg(std::span<const std::uint8_t> bytes);
