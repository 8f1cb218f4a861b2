// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding with stb_image, where libjpeg-turbo is missing (the Windows build): one header,
// nothing to link. It decodes a stream cut short as if the rest were zeros, so completeness is
// checked here first, the way libjpeg-turbo refuses such a stream.
#include <cstddef>

#include "Imagem.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#include <stb/stb_image.h>

#include <memory>

namespace {

// No picture of the windows comes near this; a header claiming more is damaged.
constexpr long long MaximoPixels = 16LL * 1024 * 1024;

bool Restart(std::uint8_t marcador) { return marcador >= 0xD0 && marcador <= 0xD7; }

// Whether the bytes hold a whole JPEG stream: from the start-of-image marker, segment by segment
// and through each scan's entropy-coded data, to the end-of-image marker.
bool JpegCompleto(std::span<const std::uint8_t> bytes) {
    const std::size_t n = bytes.size();
    std::size_t i = 2;  // past the start-of-image marker
    for (;;) {
        if (i >= n || bytes[i] != 0xFF) return false;
        while (i < n && bytes[i] == 0xFF) ++i;  // fill bytes
        if (i >= n) return false;
        const std::uint8_t marcador = bytes[i++];
        if (marcador == 0xD9) return true;                    // end of image
        if (marcador == 0x01 || Restart(marcador)) continue;  // markers without a segment
        if (i + 2 > n) return false;
        const std::size_t comprimento = (std::size_t{bytes[i]} << 8) | bytes[i + 1];
        if (comprimento < 2 || comprimento > n - i) return false;
        i += comprimento;
        if (marcador != 0xDA) continue;
        // A scan's data ends at the first marker that is neither a stuffed 0xFF nor a restart.
        for (;;) {
            if (i >= n) return false;
            if (bytes[i] != 0xFF) {
                ++i;
                continue;
            }
            if (i + 1 >= n) return false;
            const std::uint8_t seguinte = bytes[i + 1];
            if (seguinte == 0x00 || Restart(seguinte)) {
                i += 2;
                continue;
            }
            if (seguinte == 0xFF) {
                ++i;
                continue;
            }
            break;
        }
    }
}

struct LiberarStb {
    void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

}  // namespace

std::optional<Imagem> DecodificarJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX) || !JpegCompleto(bytes))
        return std::nullopt;
    const auto tamanho = static_cast<int>(bytes.size());

    int largura = 0, altura = 0, canais = 0;
    if (!stbi_info_from_memory(bytes.data(), tamanho, &largura, &altura, &canais))
        return std::nullopt;
    if (largura <= 0 || altura <= 0 || static_cast<long long>(largura) * altura > MaximoPixels)
        return std::nullopt;

    const std::unique_ptr<stbi_uc, LiberarStb> pixels(
        stbi_load_from_memory(bytes.data(), tamanho, &largura, &altura, &canais, 3));
    if (!pixels) return std::nullopt;
    Imagem imagem;
    imagem.Largura = largura;
    imagem.Altura = altura;
    const std::size_t total =
        static_cast<std::size_t>(largura) * static_cast<std::size_t>(altura) * 3;
    imagem.Pixels.assign(pixels.get(), pixels.get() + total);
    return imagem;
}
