// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "BaseNomesAcordes.h"
#include "CaminhosTeste.h"
#include "Fachada.h"

namespace {

std::filesystem::path Dados(const char* nome) {
    return std::filesystem::path(tastavo_teste::DadosTeste()) / nome;
}

int Sinal(int v) { return (v > 0) - (v < 0); }

}  // namespace

TEST(CompararNomes, OrdemDoMusico) {
    const std::vector<std::string> ordem = {
        "A",  "Am7", "A#", "Ab", "B",     "Bb", "C",   "Cº", "C(add9)", "C/E", "C6",
        "C7", "C7M", "C9", "Cm", "Cmaj7", "C#", "C#m", "D",  "D#",      "Db",  "Dbm"};
    auto embaralhada = ordem;
    std::mt19937 gerador(7);
    for (int vez = 0; vez < 5; ++vez) {
        std::shuffle(embaralhada.begin(), embaralhada.end(), gerador);
        EXPECT_EQ(BaseNomesAcordes(embaralhada).Nomes(), ordem);
    }
}

TEST(CompararNomes, Pares) {
    const struct {
        const char* a;
        const char* b;
        int sinal;
    } casos[] = {
        {"C", "C", 0},      {"C", "Cm", -1},   // a name sorts before the longer names it begins
        {"Cm", "C#", -1},                      // naturals before sharps and flats, whatever follows
        {"C#", "Cb", -1},                      // sharps before flats
        {"Am7", "A#", -1},  {"Cº", "C(", -1},  // the special characters sort before everything else
        {"C°", "Cº", -1},  // as their single-byte codes: ° 0xB0 before º 0xBA before ø 0xF8
        {"Cº", "Cø", -1},   {"Cø", "C(", -1}, {"C7M", "C7", 1},
        {"B", "C", -1},     {"Bb", "C", -1},  // the first letter decides before any accidental
        {"C#º", "C#m", -1},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(Sinal(BaseNomesAcordes::CompararNomes(caso.a, caso.b)), caso.sinal)
            << caso.a << " " << caso.b;
        EXPECT_EQ(Sinal(BaseNomesAcordes::CompararNomes(caso.b, caso.a)), -caso.sinal)
            << caso.b << " " << caso.a;
    }
}

TEST(BaseNomesAcordes, ProcurarComparaOSignificado) {
    const BaseNomesAcordes base(std::vector<std::string>{"C7M", "Db", "C", "Am"});
    EXPECT_EQ(base.NomeEm(base.Procurar("Cmaj7")), "C7M");
    EXPECT_EQ(base.NomeEm(base.Procurar("C7M")), "C7M");
    EXPECT_EQ(base.NomeEm(base.Procurar("Amin")), "Am");
    EXPECT_EQ(base.Procurar("C#"), -1);
    EXPECT_EQ(base.Procurar("C/E"), -1);
    EXPECT_THROW(base.Procurar("Hm"), RaizNaoEncontradaException);
    EXPECT_THROW(base.Procurar("Cmaja"), FormatoInvalidoException);
}

TEST(BaseNomesAcordes, AdicionarEntraNoLugarOrdenado) {
    BaseNomesAcordes base(std::vector<std::string>{"C", "C#", "D"});
    EXPECT_EQ(base.Adicionar("C#m"), 2);
    EXPECT_EQ(base.NomeEm(2), "C#m");
    EXPECT_EQ(base.Adicionar("A"), 0);
    EXPECT_EQ(base.Adicionar("Dbm7"), 5);
    EXPECT_EQ(base.Nomes(), (std::vector<std::string>{"A", "C", "C#", "C#m", "D", "Dbm7"}));
    EXPECT_THROW(base.Adicionar("X"), RaizNaoEncontradaException);
    EXPECT_THROW(base.Adicionar("C?"), FormatoInvalidoException);
    EXPECT_EQ(base.Quantidade(), 6);
}

TEST(BaseNomesAcordes, NomesDeMesmoSignificadoFicamAmbos) {
    const BaseNomesAcordes base(std::vector<std::string>{"Cmaj7", "C7M"});
    EXPECT_EQ(base.Nomes(), (std::vector<std::string>{"C7M", "Cmaj7"}));
    EXPECT_EQ(base.Procurar("Cmaj7"), 0);
    EXPECT_EQ(base.ValorEm(0), base.ValorEm(1));
}

TEST(BaseNomesAcordes, IndiceForaDoCatalogo) {
    const BaseNomesAcordes base(std::vector<std::string>{"C"});
    EXPECT_THROW((void)base.NomeEm(1), std::out_of_range);
    EXPECT_THROW((void)base.NomeEm(-1), std::out_of_range);
}

TEST(BaseNomesAcordes, ArquivoComTodosOsFinsDeLinha) {
    // CR LF, CR and LF, and a last line without an end.
    const BaseNomesAcordes base(Dados("finais-de-linha.txt"));
    EXPECT_EQ(base.Nomes(), (std::vector<std::string>{"C", "C7M", "Cmaj7", "C#", "Db"}));
}

TEST(BaseNomesAcordes, ArquivoAntigoEmWindows1252) {
    const BaseNomesAcordes base(Dados("windows-1252.txt"));
    EXPECT_EQ(base.Nomes(), (std::vector<std::string>{"C", "C°", "Cº", "Cø"}));
    EXPECT_EQ(base.NomeEm(base.Procurar("Cdim")), "C°");
    EXPECT_EQ(base.NomeEm(base.Procurar("Cm7(b5)")), "Cø");
}

TEST(BaseNomesAcordes, LinhasEmBrancoEBrancosEmVoltaNaoSaoNomes) {
    // Empty lines, lines of blanks, and spaces, tabs and no-break spaces around a name.
    EXPECT_EQ(BaseNomesAcordes(Dados("brancos.txt")).Nomes(),
              (std::vector<std::string>{"C", "D", "Em"}));
    EXPECT_EQ(BaseNomesAcordes(Dados("linha-vazia.txt")).Nomes(),
              (std::vector<std::string>{"C", "D"}));
}

TEST(BaseNomesAcordes, UmaLinhaQueNaoEhCifraImpedeOCatalogoEEhNomeada) {
    const struct {
        const char* arquivo;
        std::size_t linha;
        const char* texto;
    } casos[] = {{"raiz-invalida.txt", 2, "H7"}, {"formato-invalido.txt", 2, "C7 M"}};
    for (const auto& caso : casos) {
        try {
            BaseNomesAcordes base(Dados(caso.arquivo));
            ADD_FAILURE() << caso.texto << " was accepted";
        } catch (const LinhaNomesAcordesException& e) {
            EXPECT_EQ(e.Arquivo(), Dados(caso.arquivo));
            EXPECT_EQ(e.Linha(), caso.linha);
            EXPECT_EQ(e.Texto(), caso.texto);
            EXPECT_EQ(std::string(e.what()), Dados(caso.arquivo).string() + ":" +
                                                 std::to_string(caso.linha) +
                                                 ": not a chord symbol: \"" + caso.texto + "\"");
        }
    }
    EXPECT_THROW(BaseNomesAcordes(Dados("nao-existe.txt")), std::filesystem::filesystem_error);
    // A folder (what a language without the file's key points at) is no file either.
    EXPECT_THROW(BaseNomesAcordes(Dados("")), std::filesystem::filesystem_error);
}

TEST(BaseNomesAcordes, LerArquivoSeparaOsNomesDasLinhasRejeitadas) {
    const ArquivoNomesAcordes lido =
        SepararNomesAcordes({"C", "", " x ", "Dm ", "\t", "Cb5", "E/G#"});
    EXPECT_EQ(lido.nomes, (std::vector<std::string>{"C", "Dm", "E/G#"}));
    ASSERT_EQ(lido.rejeitadas.size(), 2u);
    EXPECT_EQ(lido.rejeitadas[0].numero, 3u);
    EXPECT_EQ(lido.rejeitadas[0].texto, " x ");
    EXPECT_EQ(lido.rejeitadas[1].numero, 6u);
    EXPECT_EQ(lido.rejeitadas[1].texto, "Cb5");
}

TEST(BaseNomesAcordes, InstanciaDevolveOCatalogoQueAInicializacaoVinculou) {
    EXPECT_THROW(BaseNomesAcordes::Instancia(), std::logic_error);
    BaseNomesAcordes base(Dados("finais-de-linha.txt"));
    {
        const Fachada<BaseNomesAcordes>::Vinculo vinculo(base);
        EXPECT_EQ(&BaseNomesAcordes::Instancia(), &base);
        BaseNomesAcordes::Instancia().Adicionar("G");
        EXPECT_EQ(base.Quantidade(), 6);
    }
    EXPECT_THROW(BaseNomesAcordes::Instancia(), std::logic_error);
}
