// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "GeradorAcordesTeclado.h"

namespace {

// A position as pressed keys, lowest first, with finger numbers (slot + 1).
struct Esperada {
    std::vector<int> teclas;
    std::vector<int> dedos;
};

std::vector<Esperada> Posicoes(const AcordeTeclado& a) {
    std::vector<Esperada> r;
    for (int i = 0; i < a.QuantidadePosicoes(); ++i) {
        const auto& p = a.Posicao(i);
        Esperada e{p.TeclasPressionadas(), {}};
        for (int k : e.teclas) e.dedos.push_back(p.DedoDaTecla(k) + 1);
        r.push_back(e);
    }
    return r;
}

void PrintTo(const Esperada& e, std::ostream* os) {
    *os << "keys";
    for (int k : e.teclas) *os << ' ' << k;
    *os << " fingers";
    for (int d : e.dedos) *os << ' ' << d;
}
bool operator==(const Esperada& a, const Esperada& b) {
    return a.teclas == b.teclas && (b.dedos.empty() || a.dedos == b.dedos);
}

const GeradorAcordesTeclado& G() { return GeradorAcordesTeclado::Instancia(); }

TEST(GeradorAcordesTeclado, PosicoesConhecidas) {
    struct Caso {
        const char* cifra;
        std::vector<Esperada> posicoes;  // empty fingers: not checked
    };
    const Caso casos[] = {
        {"C", {{{7, 12, 16}, {5, 2, 1}}, {{4, 7, 12}, {5, 3, 1}}, {{0, 4, 7}, {5, 3, 1}}}},
        {"C7",
         {{{7, 10, 12, 16}, {}},
          {{10, 12, 16, 19}, {}},
          {{4, 7, 10, 12}, {}},
          {{0, 4, 7, 10}, {}}}},
        {"Cm", {{{7, 12, 15}, {5, 2, 1}}, {{3, 7, 12}, {5, 2, 1}}, {{0, 3, 7}, {5, 4, 1}}}},
        {"C/E", {{{4, 7, 12}, {5, 3, 1}}}},
        {"Db", {{{8, 13, 17}, {}}, {{5, 8, 13}, {}}, {{1, 5, 8}, {}}}},
        {"C/D", {{{2, 4, 7, 12}, {}}}},
        {"C7(9)/F#", {{{6, 10, 12, 14, 16}, {5, 4, 3, 2, 1}}}},
    };
    for (const auto& c : casos) {
        const auto acorde = G().GerarAcorde(c.cifra);
        EXPECT_EQ(acorde->Nome(), c.cifra);
        EXPECT_EQ(Posicoes(*acorde), c.posicoes) << c.cifra;
    }
}

TEST(GeradorAcordesTeclado, QuantidadeDePosicoesPorBaixosAdmissiveis) {
    const std::pair<const char*, int> casos[] = {
        {"Csus4", 2}, {"C5", 2},       {"Comitt5", 2}, {"Cdim7", 3}, {"Cm7(b5)", 4},
        {"C/E", 1},   {"C7M(9)/E", 1}, {"C6", 3},      {"C7", 4},    {"C", 3}};
    for (const auto& [cifra, n] : casos)
        EXPECT_EQ(G().GerarAcorde(cifra)->QuantidadePosicoes(), n) << cifra;
}

TEST(GeradorAcordesTeclado, DescartaTercaMaiorEQuinta) {
    // C11: the position meant to have E in the bass loses E and keeps F, G, C.
    const auto c11 = Posicoes(*G().GerarAcorde("C11"));
    EXPECT_NE(std::find(c11.begin(), c11.end(), Esperada{{5, 7, 12}, {}}), c11.end());
    for (const auto& p : c11) EXPECT_EQ(std::count(p.teclas.begin(), p.teclas.end(), 4), 0);

    for (const auto& p : Posicoes(*G().GerarAcorde("C7(9)(11)(13)")))
        EXPECT_EQ(p.teclas.size(), 5u);

    // C7(9)(13): six pitch classes; the position built on G loses its bass.
    const auto c13 = Posicoes(*G().GerarAcorde("C7(9)(13)"));
    EXPECT_NE(std::find(c13.begin(), c13.end(), Esperada{{9, 10, 12, 14, 16}, {}}), c13.end());
}

TEST(GeradorAcordesTeclado, AcordeDeSeisTeclasFalhaSemTexto) {
    for (const char* cifra : {"C7(b9)(9)(13)", "C7(9)(13)/F#"}) {
        try {
            G().GerarAcorde(cifra);
            ADD_FAILURE() << cifra;
        } catch (const FormatoInvalidoException& e) {
            EXPECT_EQ(e.Texto(), "") << cifra;
        }
    }
    EXPECT_THROW(G().GerarAcorde("Cmaja"), FormatoInvalidoException);
    EXPECT_THROW(G().GerarAcorde("H"), RaizNaoEncontradaException);
}

TEST(GeradorAcordesTeclado, CustoDedilhado) {
    const auto posicao = [](std::initializer_list<std::pair<int, int>> teclasESlots) {
        PosicaoHarmonicaGerador p;
        for (auto [t, s] : teclasESlots) {
            p.Teclas[static_cast<std::size_t>(t)] = 1;
            p.Dedos[static_cast<std::size_t>(t)] = static_cast<std::int8_t>(s);
        }
        return p;
    };
    EXPECT_EQ(G().CustoDedilhado(posicao({{0, 4}, {4, 2}, {7, 0}})), 0);
    EXPECT_EQ(G().CustoDedilhado(posicao({{7, 4}, {12, 1}, {16, 0}})), 8);
    EXPECT_EQ(G().CustoDedilhado(posicao({{4, 4}, {7, 2}, {12, 0}})), 8);
    // One white key of mismatch costs 10, or 8 when the upper note falls to finger 1.
    EXPECT_EQ(G().CustoDedilhado(posicao({{0, 4}, {2, 2}})), 10);
    EXPECT_EQ(G().CustoDedilhado(posicao({{0, 2}, {4, 0}})), 0);
    EXPECT_EQ(G().CustoDedilhado(posicao({{0, 1}, {4, 0}})), 8);
    EXPECT_EQ(G().CustoDedilhado(posicao({{5, 3}})), 0);
}

TEST(GeradorAcordesTeclado, EmpateFicaComOPrimeiroCandidato) {
    // Keys 0, 4, 7: 5-3-1 costs 0 and comes before every other fingering of cost 0.
    ColecaoPosicaoHarmonicaGerador c;
    PosicaoHarmonicaGerador p;
    p.Teclas[0] = p.Teclas[4] = p.Teclas[7] = 1;
    c.Adicionar(p);
    G().AtribuirDedos(c);
    EXPECT_EQ(c.Obter(0).Dedos[0], 4);
    EXPECT_EQ(c.Obter(0).Dedos[4], 2);
    EXPECT_EQ(c.Obter(0).Dedos[7], 0);
    EXPECT_EQ(c.Obter(0).Dedos[1], SemDedo);
}

TEST(GeradorAcordesTeclado, MontarPosicaoUsaOBaixoDado) {
    const PosicaoHarmonicaGerador p = G().MontarPosicao(AnalisarCifra("Bb7/D"));
    std::vector<int> teclas;
    for (int k = 0; k < QuantidadeTeclas; ++k) {
        if (p.Teclas[static_cast<std::size_t>(k)]) teclas.push_back(k);
        EXPECT_EQ(p.Dedos[static_cast<std::size_t>(k)], SemDedo);
    }
    EXPECT_EQ(teclas, (std::vector<int>{2, 5, 8, 10}));
}

}  // namespace
