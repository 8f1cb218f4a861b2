// SPDX-License-Identifier: GPL-3.0-or-later
// A language: its text file and its picture file. The first two bytes of an input give the
// length of the text file, the rest after it is the picture file. Every picture entry is asked
// for, so damaged entries and hostile JPEG data reach the decoder. What must hold: no crash, and
// a picture handed out is whole.
#include <string>

#include "Alvos.h"
#include "Idioma.h"
#include "PastaFuzz.h"

namespace {

void ConferirImagem(const std::optional<Imagem>& imagem) {
    if (!imagem) return;
    fuzz::Exigir(imagem->Largura > 0 && imagem->Altura > 0, "a picture without size");
    fuzz::Exigir(
        imagem->Pixels.size() == static_cast<std::size_t>(imagem->Largura) * imagem->Altura * 3,
        "a picture whose pixels do not fill it");
}

}  // namespace

void fuzz::Idioma(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < 2) return;
    const std::size_t tamanhoTexto = std::min<std::size_t>(dados[0] | (dados[1] << 8), tamanho - 2);
    const std::string_view texto(reinterpret_cast<const char*>(dados) + 2, tamanhoTexto);
    const std::string_view imagens(reinterpret_cast<const char*>(dados) + 2 + tamanhoTexto,
                                   tamanho - 2 - tamanhoTexto);
    EscreverArquivo("fuzz.idm", texto);
    EscreverArquivo("fuzz.dat", imagens);

    ConferirImagem(
        DecodificarJpeg({reinterpret_cast<const std::uint8_t*>(imagens.data()), imagens.size()}));

    ::Idioma idioma(PastaDoProcesso(), "fuzz.idm", "fuzz.dat");
    (void)idioma.ObterNome();
    // Each key of each section, as the windows ask for them: sections by name, keys by the text
    // after the section's tag.
    std::size_t pedidos = 0;
    for (const auto& [secao, etiqueta] : idioma.Entradas()) {
        if (!etiqueta.starts_with("CS") ||
            etiqueta.find_first_not_of("0123456789", 2) != std::string::npos)
            continue;
        for (const auto& [nome, valor] : idioma.Entradas()) {
            if (!nome.starts_with(etiqueta) || nome.size() == etiqueta.size() || ++pedidos > 64)
                continue;
            const std::string chave = nome.substr(etiqueta.size());
            (void)idioma.ObterTexto(secao, chave);
            ConferirImagem(idioma.ObterImagem(secao, chave));
        }
    }
}
