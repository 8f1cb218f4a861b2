// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding with libjpeg-turbo, where the system has it (Debian does): the fastest here
// (bench_settings, decodificacao_jpeg rows).
#include <turbojpeg.h>

#include <memory>

#include "Imagem.h"

namespace {

// No picture of the windows comes near this; a header claiming more is damaged.
constexpr long long MaximoPixels = 16LL * 1024 * 1024;

struct LiberarTj {
    void operator()(void* h) const { tjDestroy(h); }
};

}  // namespace

std::optional<Imagem> DecodificarJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
    std::unique_ptr<void, LiberarTj> tj(tjInitDecompress());
    if (!tj) return std::nullopt;

    int largura = 0, altura = 0, subamostragem = 0, cores = 0;
    auto* dados = const_cast<unsigned char*>(bytes.data());
    const auto tamanho = static_cast<unsigned long>(bytes.size());
    if (tjDecompressHeader3(tj.get(), dados, tamanho, &largura, &altura, &subamostragem, &cores) !=
        0)
        return std::nullopt;
    if (largura <= 0 || altura <= 0 || static_cast<long long>(largura) * altura > MaximoPixels)
        return std::nullopt;

    Imagem imagem;
    imagem.Largura = largura;
    imagem.Altura = altura;
    imagem.Pixels.resize(static_cast<std::size_t>(largura) * static_cast<std::size_t>(altura) * 3);
    // Stop on warnings too: a truncated image would otherwise come back half grey.
    if (tjDecompress2(tj.get(), dados, tamanho, imagem.Pixels.data(), largura, 0, altura, TJPF_RGB,
                      TJFLAG_STOPONWARNING) != 0)
        return std::nullopt;
    return imagem;
}
