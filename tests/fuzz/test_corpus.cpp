// SPDX-License-Identifier: GPL-3.0-or-later
// Every input of the seed corpora, and every one that once made a target fail, through the fuzz
// targets in the ordinary build: the fuzz runs find new inputs, these keep the old ones passing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "Alvos.h"
#include "CaminhosTeste.h"

namespace {

using Alvo = void (*)(const std::uint8_t*, std::size_t);

struct Corpus {
    const char* nome;
    Alvo alvo;
};

void PrintTo(const Corpus& c, std::ostream* os) { *os << c.nome; }

class CorpusFuzz : public testing::TestWithParam<Corpus> {};

TEST_P(CorpusFuzz, CadaEntradaPassa) {
    const std::filesystem::path pasta =
        std::filesystem::path(tastavo_teste::DadosTeste()) / GetParam().nome;
    std::vector<std::filesystem::path> arquivos;
    for (const auto& e : std::filesystem::directory_iterator(pasta))
        if (e.is_regular_file()) arquivos.push_back(e.path());
    std::sort(arquivos.begin(), arquivos.end());
    EXPECT_FALSE(arquivos.empty()) << pasta;
    for (const auto& arquivo : arquivos) {
        SCOPED_TRACE(arquivo.filename().string());
        std::ifstream f(arquivo, std::ios::binary);
        const std::vector<std::uint8_t> dados((std::istreambuf_iterator<char>(f)),
                                              std::istreambuf_iterator<char>());
        GetParam().alvo(dados.data(), dados.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Alvos, CorpusFuzz,
                         testing::Values(Corpus{"cifra", fuzz::Cifra},
                                         Corpus{"musica_cifrada", fuzz::MusicaCifrada},
                                         Corpus{"idioma", fuzz::Idioma},
                                         Corpus{"configuracao", fuzz::Configuracao},
                                         Corpus{"nomes_acordes", fuzz::NomesAcordes}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
