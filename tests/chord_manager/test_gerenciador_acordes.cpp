// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "AcordeImpressao.h"
#include "CaminhosTeste.h"
#include "ChavesIdioma.h"
#include "Fachada.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorIdiomas.h"
#include "LeituraArquivo.h"

namespace {

// The main window's chord list, as a plain list of texts.
class ListaSimples : public ListaCifras {
  public:
    void SubstituirItens(const std::vector<std::string>& itens) override {
        itens_ = itens;
        ++substituicoes;
    }
    void InserirItem(int indice, const std::string& item) override {
        itens_.insert(itens_.begin() + indice, item);
    }
    const std::vector<std::string>& Itens() const { return itens_; }
    int substituicoes = 0;

  private:
    std::vector<std::string> itens_;
};

struct Gerenciador : ::testing::Test {
    BaseNomesAcordes base{std::vector<std::string>{"Db", "Cmaj7", "C", "Am", "G7", "C/E"}};
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    ListaSimples lista;
    GerenciadorAcordes g{base, gerador, &lista};

    PosicaoHarmonicaTeclado Posicao(const char* cifra, int i) const {
        return gerador.GerarAcorde(cifra)->Posicao(i);
    }
    void EsperarListaIgualAoCatalogo() const { EXPECT_EQ(lista.Itens(), base.Nomes()); }
};

}  // namespace

TEST_F(Gerenciador, CriadoSemAcordeEComAListaDoCatalogo) {
    EXPECT_EQ(lista.Itens(), (std::vector<std::string>{"Am", "C", "C/E", "Cmaj7", "Db", "G7"}));
    EXPECT_EQ(lista.substituicoes, 1);
    EXPECT_EQ(g.IndiceAcordeAtual(), -1);
    EXPECT_EQ(g.NomeAcordeAtual(), "");
    EXPECT_EQ(g.PosicaoAtual(), nullptr);
    EXPECT_EQ(g.ProximaPosicao(), nullptr);
    EXPECT_EQ(g.PosicaoAnterior(), nullptr);
}

TEST_F(Gerenciador, MesmoSignificadoUsaAGrafiaDoCatalogo) {
    const auto& primeira = g.ProcurarAcorde("C7M");
    EXPECT_EQ(primeira, Posicao("C7M", 0));
    EXPECT_EQ(g.NomeAcordeAtual(), "Cmaj7");
    EXPECT_EQ(g.IndiceAcordeAtual(), 3);
    EXPECT_EQ(g.AcordeAtual()->Nome(), "Cmaj7");
    EXPECT_EQ(base.Quantidade(), 6);
    EsperarListaIgualAoCatalogo();
}

TEST_F(Gerenciador, CatalogoComC7MAchaCmaj7) {
    BaseNomesAcordes outra(std::vector<std::string>{"C7M", "D"});
    GerenciadorAcordes outro(outra, gerador);
    outro.ProcurarAcorde("Cmaj7");
    EXPECT_EQ(outro.NomeAcordeAtual(), "C7M");
    EXPECT_EQ(outro.IndiceAcordeAtual(), 0);
    EXPECT_EQ(outra.Quantidade(), 2);
}

TEST_F(Gerenciador, SimboloNovoEntraNoCatalogoENaListaNoLugarOrdenado) {
    g.ProcurarAcorde("C#");  // not the same chord as Db
    EXPECT_EQ(g.IndiceAcordeAtual(), 4);
    EXPECT_EQ(g.NomeAcordeAtual(), "C#");
    EXPECT_EQ(base.NomeEm(4), "C#");
    EsperarListaIgualAoCatalogo();
    for (const char* cifra : {"Bb7/D", "Gsus4", "Am", "A", "C#"}) g.ProcurarAcorde(cifra);
    EXPECT_EQ(g.IndiceAcordeAtual(), base.Procurar("C#"));
    EXPECT_EQ(base.Quantidade(), 10);
    EsperarListaIgualAoCatalogo();
}

TEST_F(Gerenciador, AcordeComBaixoTemUmaSoPosicao) {
    const auto& unica = g.ProcurarAcorde("C/E");
    EXPECT_EQ(g.AcordeAtual()->QuantidadePosicoes(), 1);
    EXPECT_EQ(g.ProximaPosicao(), nullptr);
    EXPECT_EQ(g.PosicaoAnterior(), nullptr);
    EXPECT_EQ(g.IndicePosicaoAtual(), 0);
    EXPECT_EQ(*g.PosicaoAtual(), unica);
}

TEST_F(Gerenciador, PassosPelasPosicoesSemDarAVolta) {
    g.ProcurarAcorde("C");
    ASSERT_EQ(g.AcordeAtual()->QuantidadePosicoes(), 3);
    EXPECT_EQ(g.PosicaoAnterior(), nullptr);
    EXPECT_EQ(g.IndicePosicaoAtual(), 0);
    const auto* p1 = g.ProximaPosicao();
    const auto* p2 = g.ProximaPosicao();
    ASSERT_TRUE(p1 && p2);
    EXPECT_EQ(*p1, Posicao("C", 1));
    EXPECT_EQ(*p2, Posicao("C", 2));
    EXPECT_EQ(g.ProximaPosicao(), nullptr);
    EXPECT_EQ(g.IndicePosicaoAtual(), 2);
    EXPECT_EQ(*g.PosicaoAtual(), Posicao("C", 2));
    const auto* volta = g.PosicaoAnterior();
    ASSERT_TRUE(volta);
    EXPECT_EQ(*volta, Posicao("C", 1));
    // A new look-up starts again at the first position.
    g.ProcurarAcorde("Am");
    EXPECT_EQ(g.IndicePosicaoAtual(), 0);
    EXPECT_EQ(*g.PosicaoAtual(), Posicao("Am", 0));
}

TEST_F(Gerenciador, ProcuraQueFalhaNaoMudaNada) {
    g.ProcurarAcorde("C");
    const auto* mostrada = g.ProximaPosicao();
    const struct {
        const char* cifra;
        bool raiz;
    } casos[] = {{"Hm", true},
                 {"", true},
                 {"C7 M", false},
                 {"Cmaja", false},
                 // parses, but needs six keys
                 {"C7(b9)(#9)(11)(13)", false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.cifra);
        if (caso.raiz) {
            EXPECT_THROW(g.ProcurarAcorde(caso.cifra), RaizNaoEncontradaException);
        } else {
            EXPECT_THROW(g.ProcurarAcorde(caso.cifra), FormatoInvalidoException);
        }
        EXPECT_EQ(g.NomeAcordeAtual(), "C");
        EXPECT_EQ(g.IndiceAcordeAtual(), 1);
        EXPECT_EQ(g.IndicePosicaoAtual(), 1);
        EXPECT_EQ(g.PosicaoAtual(), mostrada);
        EXPECT_EQ(base.Quantidade(), 6);
        EsperarListaIgualAoCatalogo();
    }
}

TEST_F(Gerenciador, AcordeDeImpressaoNaoMudaOAcordeAtual) {
    g.ProcurarAcorde("C");
    g.ProximaPosicao();
    const AcordeImpressao item = CriarAcordeImpressao(g, "C7M");
    EXPECT_EQ(item.ObterCifra(), "C7M");  // as written, not the catalogue's Cmaj7
    EXPECT_EQ(item.ObterPosicao(), Posicao("C7M", 0));
    EXPECT_EQ(g.NomeAcordeAtual(), "C");
    EXPECT_EQ(*g.PosicaoAtual(), Posicao("C", 1));
    EXPECT_EQ(base.Quantidade(), 6);

    // Every failure comes out as FormatoInvalidoException carrying the symbol.
    for (const char* cifra : {"Hm", "C7 M", "C7(b9)(#9)(11)(13)"}) {
        try {
            (void)CriarAcordeImpressao(g, cifra);
            ADD_FAILURE() << cifra << " was accepted";
        } catch (const FormatoInvalidoException& e) {
            EXPECT_EQ(e.Texto(), cifra);
        }
    }
}

TEST_F(Gerenciador, ListaLigadaDepoisRecebeOCatalogo) {
    GerenciadorAcordes semLista(base, gerador);
    semLista.ProcurarAcorde("F");  // joins the catalogue with no list to tell
    ListaSimples tardia;
    semLista.ConectarLista(&tardia);
    EXPECT_EQ(tardia.Itens(), base.Nomes());
    semLista.ProcurarAcorde("E");
    EXPECT_EQ(tardia.Itens(), base.Nomes());
}

TEST(GerenciadorAcordesInstancia, UsaOCatalogoUnico) {
    EXPECT_THROW(GerenciadorAcordes::Instancia(), std::logic_error);
    // Wired as start-up does: the catalogue of the selected language.
    GerenciadorIdiomas idiomas(tastavo_teste::PastaBinarios(), nullptr);
    ASSERT_NE(idiomas.SelecionarIdioma("English"), nullptr);
    BaseNomesAcordes catalogo(
        idiomas.CaminhoParametro(idm::parametros::caminhoArquivoBaseNomesAcordes));
    GerenciadorAcordes gerenciador(catalogo, GeradorAcordesTeclado::Instancia());
    const Fachada<BaseNomesAcordes>::Vinculo vinculoCatalogo(catalogo);
    const Fachada<GerenciadorAcordes>::Vinculo vinculoGerenciador(gerenciador);
    GerenciadorAcordes& g = GerenciadorAcordes::Instancia();
    EXPECT_EQ(&g, &gerenciador);
    EXPECT_EQ(&g.Base(), &BaseNomesAcordes::Instancia());
    g.ProcurarAcorde("Cmaj7");
    EXPECT_EQ(g.NomeAcordeAtual(), "C7M");
    EXPECT_EQ(
        g.Base().Quantidade(),
        static_cast<int>(LerLinhasArquivoTexto(idiomas.CaminhoParametro(
                                                   idm::parametros::caminhoArquivoBaseNomesAcordes))
                             .size()));
}
