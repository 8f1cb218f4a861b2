// SPDX-License-Identifier: GPL-3.0-or-later
#include "Soundfont.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

std::vector<fs::path> CandidatosSoundfont(const fs::path& pastaInstalacao) {
    std::vector<fs::path> candidatos;
    std::error_code erro;
    const fs::path propria = pastaInstalacao / "soundfonts";
    if (fs::is_directory(propria, erro)) {
        for (fs::directory_iterator it(propria, erro), fim; !erro && it != fim;
             it.increment(erro)) {
            const fs::path& p = it->path();
            std::string extensao = p.extension().string();
            std::transform(extensao.begin(), extensao.end(), extensao.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (extensao == ".sf2") candidatos.push_back(p);
        }
        std::sort(candidatos.begin(), candidatos.end());
    }
    for (const char* caminho : {
             "/usr/share/sounds/sf2/default-GM.sf2",
             "/usr/share/sounds/sf2/TimGM6mb.sf2",
             "/usr/share/sounds/sf2/FluidR3_GM.sf2",
             "/usr/share/sounds/sf2/MuseScore_General.sf2",
             "/usr/share/soundfonts/default.sf2",
             "/usr/share/soundfonts/FluidR3_GM.sf2",
         })
        candidatos.emplace_back(caminho);
    return candidatos;
}

namespace {

struct Pedaco {
    std::array<char, 4> id{};
    std::uint64_t tamanho = 0;
};

// A chunk header (four-character id, 32-bit little-endian size) at the stream's position.
std::optional<Pedaco> LerPedaco(std::istream& in) {
    std::array<unsigned char, 8> b{};
    if (!in.read(reinterpret_cast<char*>(b.data()), b.size())) return std::nullopt;
    Pedaco p;
    std::memcpy(p.id.data(), b.data(), 4);
    p.tamanho = std::uint64_t{b[4]} | std::uint64_t{b[5]} << 8 | std::uint64_t{b[6]} << 16 |
                std::uint64_t{b[7]} << 24;
    return p;
}

bool Igual(const std::array<char, 4>& id, const char* texto) {
    return std::memcmp(id.data(), texto, 4) == 0;
}

}  // namespace

std::string DefeitoSoundfont(const fs::path& arquivo) {
    std::error_code erro;
    const auto tamanhoArquivo = fs::file_size(arquivo, erro);
    if (erro) return "cannot be read: " + erro.message();
    std::ifstream in(arquivo, std::ios::binary);
    if (!in) return "cannot be read: " + std::error_code(errno, std::generic_category()).message();
    const auto riff = LerPedaco(in);
    std::array<char, 4> forma{};
    if (!riff || !Igual(riff->id, "RIFF") || !in.read(forma.data(), 4) || !Igual(forma, "sfbk"))
        return "damaged: not a SoundFont 2 file";
    if (riff->tamanho + 8 > tamanhoArquivo) return "damaged: cut short";
    // The form's lists, each within the form; the three a synthesizer needs must be there.
    bool info = false, amostras = false, predefinicoes = false;
    std::uint64_t posicao = 12;
    const std::uint64_t fim = riff->tamanho + 8;
    while (posicao + 8 <= fim) {
        in.seekg(static_cast<std::streamoff>(posicao));
        const auto pedaco = LerPedaco(in);
        std::array<char, 4> tipo{};
        if (!pedaco || !in.read(tipo.data(), 4)) return "damaged: cut short";
        if (posicao + 8 + pedaco->tamanho > fim) return "damaged: cut short";
        if (Igual(pedaco->id, "LIST")) {
            info = info || Igual(tipo, "INFO");
            amostras = amostras || Igual(tipo, "sdta");
            predefinicoes = predefinicoes || Igual(tipo, "pdta");
        }
        // Chunks are padded to an even size.
        posicao += 8 + pedaco->tamanho + (pedaco->tamanho & 1);
    }
    if (!info || !amostras || !predefinicoes) return "damaged: a part of the SoundFont is missing";
    return {};
}

std::optional<fs::path> LocalizarSoundfont(const std::vector<fs::path>& candidatos,
                                           std::vector<std::string>* avisos) {
    for (const auto& c : candidatos) {
        std::error_code erro;
        if (!fs::is_regular_file(c, erro)) continue;
        const std::string defeito = DefeitoSoundfont(c);
        if (defeito.empty()) return c;
        if (avisos != nullptr)
            avisos->push_back("skipping the soundfont \"" + c.string() + "\", " + defeito);
    }
    return std::nullopt;
}
