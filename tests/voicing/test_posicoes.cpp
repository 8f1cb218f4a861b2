// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "AcordeTeclado.h"
#include "PosicaoHarmonica.h"

namespace {

PosicaoHarmonicaGerador Gerador(std::initializer_list<std::pair<int, int>> teclasEDedos) {
    PosicaoHarmonicaGerador p;
    for (auto [tecla, dedo] : teclasEDedos) {
        p.Teclas[static_cast<std::size_t>(tecla)] = 1;
        p.Dedos[static_cast<std::size_t>(tecla)] = static_cast<std::int8_t>(dedo);
    }
    return p;
}

TEST(PosicaoHarmonicaGerador, NovaNaoTemTeclasNemDedos) {
    const PosicaoHarmonicaGerador p;
    for (int k = 0; k < QuantidadeTeclas; ++k) {
        EXPECT_EQ(p.Teclas[static_cast<std::size_t>(k)], 0);
        EXPECT_EQ(p.Dedos[static_cast<std::size_t>(k)], SemDedo);
    }
    EXPECT_EQ(DistanciaAoCentro(p), 0);
}

TEST(ColecaoPosicaoHarmonicaGerador, OrdenaPelaDistanciaAoCentroDeFormaEstavel) {
    ColecaoPosicaoHarmonicaGerador vazia;
    vazia.Ordenar();
    EXPECT_EQ(vazia.Quantidade(), 0);

    const auto longe = Gerador({{0, 4}, {4, 2}, {7, 0}});       // 12 + 8 + 5 = 25
    const auto perto = Gerador({{4, 4}, {7, 2}, {12, 0}});      // 8 + 5 + 0 = 13
    const auto empate = Gerador({{1, 4}, {7, 2}, {11, 0}});     // 11 + 5 + 1 = 17
    const auto empate2 = Gerador({{23, 1}, {17, 0}, {11, 2}});  // 11 + 5 + 1 = 17
    EXPECT_EQ(DistanciaAoCentro(longe), 25);
    EXPECT_EQ(DistanciaAoCentro(perto), 13);

    ColecaoPosicaoHarmonicaGerador c;
    for (const auto& p : {longe, empate, perto, empate2}) c.Adicionar(p);
    c.Ordenar();
    EXPECT_EQ(DistanciaAoCentro(c.Obter(0)), 13);
    EXPECT_EQ(c.Obter(1).Teclas, empate.Teclas) << "equal sums keep their order";
    EXPECT_EQ(c.Obter(2).Teclas, empate2.Teclas);
    EXPECT_EQ(DistanciaAoCentro(c.Obter(3)), 25);
}

TEST(ColecaoPosicaoHarmonicaGerador, MaisPosicoesDoQueUmAcordeTemOrdenamECopiam) {
    // A chord has at most four positions; a longer collection keeps every one, in order.
    ColecaoPosicaoHarmonicaGerador c;
    const std::vector<int> teclas{20, 12, 0, 13, 11, 24, 4};  // distances 8 0 12 1 1 12 8
    for (int t : teclas) c.Adicionar(Gerador({{t, 4}}));
    ColecaoPosicaoHarmonicaGerador copia = c;
    copia.Ordenar();
    const std::vector<int> esperadas{12, 13, 11, 20, 4, 0, 24};
    ASSERT_EQ(copia.Quantidade(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(
            copia.Obter(i).Teclas[static_cast<std::size_t>(esperadas[static_cast<std::size_t>(i)])],
            1)
            << i;
        EXPECT_EQ(c.Obter(i).Teclas[static_cast<std::size_t>(teclas[static_cast<std::size_t>(i)])],
                  1)
            << i;
    }

    ColecaoPosicaoHarmonicaTeclado teclado;
    for (int t : teclas) teclado.Adicionar(PosicaoHarmonicaTeclado{t, -1, -1, -1, -1});
    ColecaoPosicaoHarmonicaTeclado copiaTeclado = teclado;
    const ColecaoPosicaoHarmonicaTeclado movida = std::move(copiaTeclado);
    ASSERT_EQ(movida.Quantidade(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(movida.Obter(i).Mascara(), 1 << teclas[static_cast<std::size_t>(i)]);
}

TEST(IteradorPosicaoHarmonicaGerador, EntregaOsProprioElementos) {
    ColecaoPosicaoHarmonicaGerador c;
    c.Adicionar(Gerador({{0, 4}}));
    c.Adicionar(Gerador({{5, 4}}));
    IteradorPosicaoHarmonicaGerador it(c);
    int vistos = 0;
    while (it.TemProximo()) {
        it.Proximo().Dedos[0] = 3;
        ++vistos;
    }
    EXPECT_EQ(vistos, 2);
    EXPECT_EQ(c.Obter(0).Dedos[0], 3);
    EXPECT_EQ(c.Obter(1).Dedos[0], 3);
}

TEST(PosicaoHarmonicaTeclado, ConverteMascaraEIgualdade) {
    const PosicaoHarmonicaTeclado t = ParaTeclado(Gerador({{0, 4}, {4, 2}, {7, 0}}));
    const std::int32_t esperado[] = {7, -1, 4, -1, 0};
    for (int s = 0; s < 5; ++s) EXPECT_EQ(t.TeclaDoDedo(s), esperado[s]);
    EXPECT_EQ(t.Mascara(), 145);

    const PosicaoHarmonicaTeclado outrosDedos{0, 4, 7, -1, -1};
    EXPECT_EQ(t, outrosDedos) << "same keys, other fingers: equal";
    EXPECT_FALSE(t == (PosicaoHarmonicaTeclado{0, 4, 8, -1, -1}));

    PosicaoHarmonicaTeclado alvo;
    EXPECT_EQ(alvo.QuantidadeEntradas(), 0);
    alvo = t;
    EXPECT_EQ(alvo.Mascara(), 145);
    EXPECT_EQ(alvo.TeclaDoDedo(0), 7);
    EXPECT_EQ(PosicaoVazia().Mascara(), 0);
    EXPECT_EQ(t.TeclasPressionadas(), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(t.DedoDaTecla(4), 2);
    EXPECT_EQ(t.DedoDaTecla(5), -1);
}

TEST(AcordeTeclado, IgualdadePeloCodigo) {
    ColecaoPosicaoHarmonicaTeclado posicoes;
    posicoes.Adicionar(PosicaoHarmonicaTeclado{0, 4, 7, 11, -1});
    AcordeTeclado maj7("Cmaj7", posicoes);
    const AcordeTeclado setimaMaior("C7M", posicoes);
    EXPECT_TRUE(maj7 == setimaMaior);
    maj7.DefinirNome("C7M");
    EXPECT_EQ(maj7.Nome(), "C7M");
    EXPECT_EQ(maj7.Codigo(), 4640u);
    EXPECT_EQ(maj7.QuantidadePosicoes(), 1);
    EXPECT_EQ(maj7.Posicao(0).Mascara(), setimaMaior.Posicao(0).Mascara());

    EXPECT_TRUE(AcordeTeclado("C#", posicoes) != AcordeTeclado("Db", posicoes));
    EXPECT_THROW(AcordeTeclado("Cmaja", posicoes), FormatoInvalidoException);
}

}  // namespace
