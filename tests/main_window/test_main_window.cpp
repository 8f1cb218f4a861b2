// SPDX-License-Identifier: GPL-3.0-or-later
// The pure parts behind the desktop application: address quoting, the start-up error reports,
// and the artwork generator's rewriting of language files.
#include <gtest/gtest.h>

#include "ArquivoIdioma.h"
#include "Excecoes.h"
#include "RelatorioErro.h"
#include "Shell.h"

namespace {

TEST(CitarEndereco, QuotesOnlyTheEndsThatLackAQuote) {
    const std::pair<const char*, const char*> casos[] = {
        {"https://x.example/", "\"https://x.example/\""},
        {"  https://x.example/ \t", "\"https://x.example/\""},
        {"\"https://x.example/\"", "\"https://x.example/\""},
        {"\"https://x.example/", "\"https://x.example/\""},
        {"https://x.example/\"", "\"https://x.example/\""},
        {"\"", "\"\""},
    };
    for (const auto& [entrada, esperado] : casos) {
        EXPECT_EQ(CitarEndereco(entrada), esperado) << entrada;
        EXPECT_EQ(EnderecoSemAspas(CitarEndereco(entrada)),
                  std::string(esperado).substr(1, std::string(esperado).size() - 2));
    }
}

TEST(CitarEndereco, AnEmptyAddressFailsWithARangeError) {
    EXPECT_THROW(CitarEndereco(""), ERangeError);
    EXPECT_THROW(CitarEndereco(" \t\r\n"), ERangeError);
}

TEST(RelatorioErro, AGeneralFailureWithALanguageUsesItsTextsAndTheVersion) {
    const RelatorioErro r = RelatorioExcecao(true, "Erro geral.", "Corvela Tastavo",
                                             "FormatoInvalidoException", "C7M(", "1.0.0");
    EXPECT_EQ(r.titulo, "Corvela Tastavo");
    EXPECT_EQ(r.texto, "Erro geral.\n\" FormatoInvalidoException (C7M(), v1.0.0 \"");
}

TEST(RelatorioErro, WithoutALanguageTheReportIsEnglishAndWithoutVersionHasNoVersionPart) {
    const RelatorioErro r =
        RelatorioExcecao(false, "ignored", "ignored", "std::runtime_error", "boom", "");
    EXPECT_EQ(r.titulo, "Tastavo");
    EXPECT_EQ(r.texto,
              MensagemFalhaIngles() + "\n\nError information:\n\" std::runtime_error (boom) \"");
    EXPECT_EQ(r.texto.rfind("An error has occurred in your application.\nIf the problem persist, "
                            "please contact us: ",
                            0),
              0u);
}

TEST(RelatorioErro, AnUnknownFailureQuotesOnlyTheVersion) {
    EXPECT_EQ(RelatorioFalhaDesconhecida("1.0.0").texto,
              MensagemFalhaIngles() + "\n\nError information:\n\" v1.0.0 \"");
    EXPECT_EQ(RelatorioFalhaDesconhecida("").texto, MensagemFalhaIngles());
    EXPECT_EQ(RelatorioFalhaDesconhecida("").titulo, "Tastavo");
}

TEST(RelatorioErro, ClassNamesAreReadable) {
    EXPECT_EQ(NomeClasse(FormatoInvalidoException("x")), "FormatoInvalidoException");
    EXPECT_EQ(VersaoArquivo(), "1.0.0");
}

TEST(DefinirEntrada, ReplacesAddsOrAppendsPictureKeysKeepingEverythingElse) {
    struct Caso {
        const char* nome;
        const char* texto;
        const char* esperado;
    };
    const Caso casos[] = {
        {"replaces the first line of the key in the first block",
         "[fmPrincipal]\r\nimgA=old\r\nimgA=second\r\n[geral]\r\nx=1\r\n",
         "[fmPrincipal]\r\nimgA=10,20\r\nimgA=second\r\n[geral]\r\nx=1\r\n"},
        {"adds after the block's last line, before blank lines",
         "[fmPrincipal]\nhint=a#b\n\n[geral]\nx=1\n",
         "[fmPrincipal]\nhint=a#b\nimgA=10,20\n\n[geral]\nx=1\n"},
        {"appends a missing section", "[geral]\nx=1\n",
         "[geral]\nx=1\n[fmPrincipal]\nimgA=10,20\n"},
        {"a file without a final line break", "[fmPrincipal]\nx=1",
         "[fmPrincipal]\nx=1\nimgA=10,20\n"},
        {"a key with a blank before = is another key", "[fmPrincipal]\nimgA =old\n",
         "[fmPrincipal]\nimgA =old\nimgA=10,20\n"},
        {"a second block of the section is never found",
         "[fmPrincipal]\nx=1\n[geral]\n[fmPrincipal]\nimgA=old\n",
         "[fmPrincipal]\nx=1\nimgA=10,20\n[geral]\n[fmPrincipal]\nimgA=old\n"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(arte::DefinirEntrada(c.texto, "fmPrincipal", "imgA", "10,20"), c.esperado)
            << c.nome;
}

TEST(LerEntradaIni, ReadsNamesWithoutRegardToCase) {
    const char* texto =
        "[especificacaoidioma]\r\n NOMEIDIOMA = Português \r\n[geral]\r\nnomeIdioma=no\r\n";
    EXPECT_EQ(arte::LerEntradaIni(texto, "EspecificacaoIdioma", "nomeIdioma"), "Português");
    EXPECT_EQ(arte::LerEntradaIni(texto, "EspecificacaoIdioma", "codAplicacao"), "");
}

}  // namespace

namespace {

// A language file without its error texts still gives a report with words in it.
TEST(RelatorioExcecao, ALanguageWithoutItsErrorTextFallsBackToEnglish) {
    const RelatorioErro r = RelatorioExcecao(true, "", "", "std::runtime_error", "boom", "1.0.0");
    EXPECT_EQ(r.texto.rfind(MensagemFalhaIngles(), 0), 0u) << r.texto;
    EXPECT_EQ(r.titulo, TituloProdutoIngles);
    EXPECT_NE(r.texto.find("std::runtime_error (boom), v1.0.0"), std::string::npos);
}

}  // namespace
