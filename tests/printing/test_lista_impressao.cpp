// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ColecaoAcordeImpressao.h"

namespace {

// C major on keys 0, 4, 7 with fingers 1, 3, 5; the same keys with other fingers; D major.
const PosicaoHarmonicaTeclado DoMaior{0, -1, 4, -1, 7};
const PosicaoHarmonicaTeclado DoMaiorOutrosDedos{0, 4, -1, 7, -1};
const PosicaoHarmonicaTeclado ReMaior{2, -1, 6, -1, 9};

ColecaoAcordeImpressao Lista(std::initializer_list<const char*> cifras) {
    ColecaoAcordeImpressao lista;
    for (const char* c : cifras) lista.Adicionar(AcordeImpressao(c, DoMaior));
    return lista;
}

std::vector<std::string> Cifras(const ColecaoAcordeImpressao& lista) {
    std::vector<std::string> cifras;
    for (int i = 0; i < lista.Quantidade(); ++i) cifras.push_back(lista.Obter(i).ObterCifra());
    return cifras;
}

}  // namespace

TEST(AcordeImpressao, GuardaCopiasDaCifraEDaPosicao) {
    const AcordeImpressao item("C7M(9)/E", ReMaior);
    EXPECT_EQ(item.ObterCifra(), "C7M(9)/E");
    EXPECT_EQ(item.ObterPosicao().TeclaDoDedo(2), 6);
    EXPECT_EQ(item.ObterPosicao().Mascara(), ReMaior.Mascara());
}

TEST(AcordeImpressao, IgualdadePelaCifraEPelasTeclas) {
    const struct {
        const char* a;
        const PosicaoHarmonicaTeclado& pa;
        const char* b;
        const PosicaoHarmonicaTeclado& pb;
        bool iguais;
    } casos[] = {
        {"C", DoMaior, "C", DoMaior, true},
        // Same keys with other fingers draw the same diagram.
        {"C", DoMaior, "C", DoMaiorOutrosDedos, true},
        {"C#", DoMaior, "Db", DoMaior, false},
        {"Cm", DoMaior, "cm", DoMaior, false},
        {"C", DoMaior, "C", ReMaior, false},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(AcordeImpressao(caso.a, caso.pa) == AcordeImpressao(caso.b, caso.pb), caso.iguais)
            << caso.a << " / " << caso.b;
    }
}

TEST(ColecaoAcordeImpressao, AdicionarGuardaAOrdemERepeticoes) {
    const auto lista = Lista({"C", "G", "C"});
    EXPECT_EQ(Cifras(lista), (std::vector<std::string>{"C", "G", "C"}));
}

TEST(ColecaoAcordeImpressao, RemoverDesloca) {
    auto lista = Lista({"C", "G", "Am", "F"});
    lista.Remover(1);
    EXPECT_EQ(Cifras(lista), (std::vector<std::string>{"C", "Am", "F"}));
    lista.Remover(2);
    EXPECT_EQ(Cifras(lista), (std::vector<std::string>{"C", "Am"}));
}

TEST(ColecaoAcordeImpressao, IndiceInexistenteLancaENaoMuda) {
    auto um = Lista({"C"});
    for (int indice : {1, -1, 5}) {
        EXPECT_THROW(um.Remover(indice), ElementoInexistenteException) << indice;
        EXPECT_THROW((void)um.Obter(indice), ElementoInexistenteException) << indice;
    }
    EXPECT_EQ(Cifras(um), (std::vector<std::string>{"C"}));
    um.Remover(0);
    EXPECT_EQ(um.Quantidade(), 0);
    EXPECT_THROW(um.Remover(0), ElementoInexistenteException);
    EXPECT_STREQ(ElementoInexistenteException().what(),
                 "O Elemento procurado não existe na coleção.");
}

TEST(ColecaoAcordeImpressao, CopiasSaoIndependentes) {
    auto lista = Lista({"C", "G"});
    const ColecaoAcordeImpressao copia(lista);
    ColecaoAcordeImpressao atribuida;
    atribuida = lista;
    lista.Limpar();
    EXPECT_EQ(lista.Quantidade(), 0);
    EXPECT_EQ(Cifras(copia), (std::vector<std::string>{"C", "G"}));
    EXPECT_EQ(Cifras(atribuida), (std::vector<std::string>{"C", "G"}));
    atribuida.Adicionar(AcordeImpressao("D", ReMaior));
    EXPECT_EQ(copia.Quantidade(), 2);
}

// The list's one repeat rule: a symbol repeats an earlier one when the two differ at most in
// letter case (Cm9 and CM9 are different chords, yet one print-list line), and in nothing
// else: sharps and flats, spaces, slash basses and the diminished signs all count.
TEST(ColecaoAcordeImpressao, UmaRegraDeRepeticaoParaALista) {
    const struct {
        const char* existente;
        const char* nova;
        bool repete;
    } casos[] = {
        {"Am", "Am", true},          {"Cm9", "CM9", true}, {"F7M(9)/A", "f7m(9)/a", true},
        {"C#", "Db", false},         {"Am", "Am7", false}, {"C/E", "C", false},
        {"Cº", "C°", false},         {"Am", " Am", false}, {"Bø", "BØ", false},
        {"G7(b9)", "G7(#9)", false},
    };
    for (const auto& caso : casos) {
        const auto lista = Lista({"G", caso.existente, "D"});
        EXPECT_EQ(lista.ContemCifra(caso.nova), caso.repete)
            << caso.existente << " / " << caso.nova;
        const std::vector<std::string> cifras = {caso.existente, caso.nova};
        EXPECT_EQ(PrimeirasOcorrencias(cifras).size(), caso.repete ? 1u : 2u)
            << caso.existente << " / " << caso.nova;
        FiltroPrimeirasOcorrencias filtro;
        EXPECT_TRUE(filtro.Primeira(caso.existente));
        EXPECT_EQ(filtro.Primeira(caso.nova), !caso.repete) << caso.existente << " / " << caso.nova;
    }
    EXPECT_FALSE(ColecaoAcordeImpressao().ContemCifra("C"));
}

// Only the first occurrence stays, in the order given.
TEST(ColecaoAcordeImpressao, PrimeirasOcorrenciasGuardaAOrdem) {
    const std::vector<std::string> cifras = {"Am", "F", "CM9", "am", "C", "Cm9", "F", "G", "AM"};
    EXPECT_EQ(PrimeirasOcorrencias(cifras), (std::vector<std::string>{"Am", "F", "CM9", "C", "G"}));
    EXPECT_TRUE(PrimeirasOcorrencias(std::vector<std::string>{}).empty());
}
