// SPDX-License-Identifier: GPL-3.0-or-later
// Properties every generated position must have, checked over a broad set of generated
// symbols, with the fingering compared against a brute-force search written here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "GeradorAcordesTeclado.h"

namespace {

const char* const kSufixos[] = {"",          "m",      "7",          "7M",        "m7",
                                "m7M",       "6",      "m6",         "9",         "m9",
                                "7(9)",      "7M(9)",  "m7(9)",      "11",        "m11",
                                "7(11)",     "7(#11)", "13",         "7(13)",     "7(b13)",
                                "7(b9)",     "7(#9)",  "7(#5)",      "7(b5)",     "m7(b5)",
                                "ø",         "º",      "dim7",       "sus4",      "sus2",
                                "7sus4",     "5",      "aug",        "+5",        "(add9)",
                                "m(add9)",   "6(9)",   "m6(9)",      "7(9)(11)",  "7(9)(13)",
                                "7(b9)(13)", "omitt5", "7M(#11)",    "m7(11)",    "7(9)(11)(13)",
                                "4",         "2",      "7/9",        "7M(9)(13)", "dim",
                                "m7(b9)",    "9(#11)", "7(#9)(b13)", "m(7M)(9)",  "7(b9)(b13)"};

int CustoForca(const std::vector<int>& teclas, const std::vector<int>& slots) {
    int custo = 0;
    for (std::size_t i = 0; i + 1 < teclas.size(); ++i) {
        const int d = std::abs(IndiceTeclaBranca[teclas[i]] - IndiceTeclaBranca[teclas[i + 1]]);
        const int e = std::abs(slots[i] - slots[i + 1]);
        custo += (slots[i + 1] == 0 ? 8 : 10) * std::abs(d - e);
    }
    return custo;
}

// Minimum cost over every assignment of slots that falls strictly from the lowest key up.
int MenorCustoForca(const std::vector<int>& teclas) {
    int melhor = 1 << 30;
    const std::size_t n = teclas.size();
    std::vector<int> slots(n);
    int total = 1;
    for (std::size_t i = 0; i < n; ++i) total *= 5;
    for (int codigo = 0; codigo < total; ++codigo) {
        int x = codigo;
        for (std::size_t i = 0; i < n; ++i) {
            slots[i] = x % 5;
            x /= 5;
        }
        bool legal = true;
        for (std::size_t i = 0; i + 1 < n; ++i) legal = legal && slots[i] > slots[i + 1];
        if (legal) melhor = std::min(melhor, CustoForca(teclas, slots));
    }
    return melhor;
}

// The pitch classes a position on bass `baixo` must press once the drops are applied.
std::set<int> ClassesEsperadas(CifraCodificada c, int baixo) {
    const int r = ClasseDoNome(RaizCifra(c));
    std::set<int> classes{baixo, r};
    for (int s = 1; s <= 11; ++s) {
        if (TemIntervalo(c, s)) classes.insert((r + s) % 12);
    }
    if (TemIntervalo(c, 4) && TemIntervalo(c, 5)) classes.erase((r + 4) % 12);
    if (classes.size() > 5 && TemIntervalo(c, 7)) classes.erase((r + 7) % 12);
    return classes;
}

std::vector<int> EscolhasDeBaixo(CifraCodificada c) {
    if (TemBaixo(c)) return {ClasseDoNome(BaixoCifra(c))};
    const int r = ClasseDoNome(RaizCifra(c));
    std::vector<int> escolhas{r};
    if (TemIntervalo(c, 3) || TemIntervalo(c, 4))
        escolhas.push_back((r + (TemIntervalo(c, 3) ? 3 : 4)) % 12);
    if (TemIntervalo(c, 6) || TemIntervalo(c, 7) || TemIntervalo(c, 8)) {
        escolhas.push_back((r + (TemIntervalo(c, 6) ? 6 : TemIntervalo(c, 7) ? 7 : 8)) % 12);
    }
    if (TemIntervalo(c, 10) || TemIntervalo(c, 11))
        escolhas.push_back((r + (TemIntervalo(c, 10) ? 10 : 11)) % 12);
    return escolhas;
}

// True when `teclas` is exactly the position that bass choice `b` gives.
bool ValeParaOBaixo(const std::vector<int>& teclas, CifraCodificada c, int b) {
    std::set<int> classes;
    for (int k : teclas) {
        if (k < b || k > b + 11) return false;
        classes.insert(k % 12);
    }
    return classes == ClassesEsperadas(c, b);
}

TEST(PropriedadesDoGerador, TodaPosicaoGeradaEhTocavelEBemDedilhada) {
    int acordes = 0, posicoes = 0;
    for (const std::string_view raiz : NomesNotas) {
        for (const char* sufixo : kSufixos) {
            std::vector<std::string> cifras{std::string(raiz) + sufixo};
            for (const std::string_view baixo : {"C", "Eb", "F#", "A", "Bb"}) {
                cifras.push_back(cifras[0] + "/" + std::string(baixo));
            }
            for (const auto& cifra : cifras) {
                const CifraCodificada c = AnalisarCifra(cifra);
                std::unique_ptr<AcordeTeclado> acorde;
                try {
                    acorde = GeradorAcordesTeclado::Instancia().GerarAcorde(cifra);
                } catch (const FormatoInvalidoException&) {
                    // Only a chord that needs six keys on some bass choice may fail.
                    bool algumaDeSeis = false;
                    for (int b : EscolhasDeBaixo(c))
                        algumaDeSeis |= ClassesEsperadas(c, b).size() > 5;
                    EXPECT_TRUE(algumaDeSeis) << cifra;
                    continue;
                }
                ++acordes;
                const auto escolhas = EscolhasDeBaixo(c);
                ASSERT_EQ(acorde->QuantidadePosicoes(), static_cast<int>(escolhas.size())) << cifra;
                int anterior = -1;
                for (int i = 0; i < acorde->QuantidadePosicoes(); ++i) {
                    ++posicoes;
                    const PosicaoHarmonicaTeclado& p = acorde->Posicao(i);
                    const std::vector<int> teclas = p.TeclasPressionadas();
                    ASSERT_GE(teclas.size(), 1u) << cifra;
                    ASSERT_LE(teclas.size(), 5u) << cifra;
                    EXPECT_TRUE(std::any_of(escolhas.begin(), escolhas.end(),
                                            [&](int b) { return ValeParaOBaixo(teclas, c, b); }))
                        << cifra << " position " << i;

                    std::vector<int> slots;
                    for (int k : teclas) slots.push_back(p.DedoDaTecla(k));
                    for (std::size_t j = 0; j < slots.size(); ++j) {
                        ASSERT_GE(slots[j], 0) << cifra;
                        if (j > 0) {
                            EXPECT_GT(slots[j - 1], slots[j]) << cifra << " position " << i;
                        }
                    }
                    EXPECT_EQ(CustoForca(teclas, slots), MenorCustoForca(teclas))
                        << cifra << " position " << i;

                    int distancia = 0;
                    for (int k : teclas) distancia += std::abs(k - TeclaCentral);
                    EXPECT_LE(anterior, distancia) << cifra << ": nearest the centre first";
                    anterior = distancia;
                }
            }
        }
    }
    EXPECT_GT(acordes, 4000) << "the generated set should stay broad";
    EXPECT_GT(posicoes, 7000);
}

}  // namespace
