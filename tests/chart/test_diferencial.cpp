// SPDX-License-Identifier: GPL-3.0-or-later
// The fast transposition path against the plain one: for every line, TransporLinhas must give
// exactly what the line's candidates transposed one by one with TransporTrecho give, each at
// its place moved by what the earlier ones grew or shrank.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "AnaliseCifra.h"
#include "CaminhosTeste.h"
#include "CifraEmPartes.h"
#include "LeituraArquivo.h"
#include "TransposicaoCifra.h"
#include "Utf8.h"

namespace {

// The line transposed candidate by candidate with a running offset.
std::string PeloCaminhoSimples(const std::string& linha, int semitons,
                               SentidoTransposicao sentido) {
    std::string resultado = linha;
    long long deslocamento = 0;
    for (const Candidato& c : CandidatosDaLinha(linha)) {
        deslocamento += TransporTrecho(
            resultado, static_cast<std::size_t>(static_cast<long long>(c.posicao) + deslocamento),
            c.tamanho, semitons, sentido);
    }
    return resultado;
}

void Comparar(const std::vector<std::string>& linhas, const std::string& origem) {
    for (const auto sentido : {SentidoTransposicao::Acima, SentidoTransposicao::Abaixo}) {
        for (int semitons : {1, 2, 5, 11, 12}) {
            const auto rapidas = TransporLinhas(linhas, std::to_string(semitons), sentido);
            ASSERT_EQ(rapidas.size(), linhas.size());
            for (std::size_t i = 0; i < linhas.size(); ++i) {
                ASSERT_EQ(rapidas[i], PeloCaminhoSimples(linhas[i], semitons, sentido))
                    << origem << " line " << i + 1 << " (" << semitons << " semitones "
                    << (sentido == SentidoTransposicao::Acima ? "up" : "down")
                    << "): " << linhas[i];
            }
        }
    }
}

std::vector<std::string> Linhas(const std::filesystem::path& arquivo) {
    return DividirLinhas(utf8::DecodificarTexto(LerBytesArquivo(arquivo)));
}

TEST(TransposicaoDiferencial, EveryChartFixtureAndTheBenchmarkChart) {
    for (const auto& entrada : std::filesystem::directory_iterator(tastavo_teste::DadosTeste())) {
        if (entrada.path().extension() == ".txt")
            Comparar(Linhas(entrada.path()), entrada.path().filename().string());
    }
#if !defined(_WIN32)  // the Windows build writes no benchmark inputs
    const std::filesystem::path bancada =
        std::filesystem::path(tastavo_teste::EntradasBancada()) / "chart_20k.txt";
    ASSERT_TRUE(std::filesystem::exists(bancada)) << bancada;
    Comparar(Linhas(bancada), "chart_20k.txt");
#endif
}

// Lines made of chord-like words, brackets, marker words, lyrics in other scripts and odd
// spacing, where the two paths could part ways.
TEST(TransposicaoDiferencial, GeneratedLines) {
    const std::vector<std::string> pecas = {
        "C",       "Am",     "F#m7",  "Bb7/D",   "C7M(9)/E", "G#º",  "Dbm",       "E7(#9)",
        "Hoje",    "[Am]",   "[F7M]", "[C",      "]",        "Tom:", "(2x)",      "|",
        "4/4",     "Canção", "Жизнь", "歌",      "🎹",        "Cm9",  "[Bb7/D]eu", "x",
        "A#m",     "Ebmaj7", "Amor",  "B#",      "[]",       "  ",   "\t",        "Cmaj",
        "[Gsus4]", "Intro:", "D/F#",  "C(add9)", "Fm6",      "Gb",   "ref",       "[H7]"};
    std::mt19937 gerador(20261210);
    std::uniform_int_distribution<std::size_t> escolha(0, pecas.size() - 1);
    std::uniform_int_distribution<int> tamanho(1, 12);
    std::vector<std::string> linhas;
    for (int n = 0; n < 3000; ++n) {
        std::string linha;
        const int palavras = tamanho(gerador);
        for (int p = 0; p < palavras; ++p) {
            if (p > 0) linha += (gerador() % 4 == 0) ? "   " : " ";
            linha += pecas[escolha(gerador)];
        }
        linhas.push_back(linha);
    }
    Comparar(linhas, "generated");
}

}  // namespace
