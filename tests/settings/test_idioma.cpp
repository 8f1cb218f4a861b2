// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CaminhosTeste.h"
#include "Idioma.h"
#include "PastaTemporaria.h"

namespace {

Idioma Regras() { return Idioma(tastavo_teste::DadosTeste(), "regras.idm", "regras.dat"); }

}  // namespace

TEST(Idioma, RegrasDosArquivosDeTexto) {
    const Idioma idioma = Regras();
    const struct {
        const char* secao;
        const char* chave;
        const char* esperado;
    } casos[] = {
        {"geral", "simples", "valor"},
        {"geral", "duasLinhas", "primeira\r\nsegunda"},
        // A blank each side of "=": the key ends in it and the value begins with it.
        {"geral", "chave ", " valor"},
        {"geral", "chave", ""},
        // At most two trailing blanks stay.
        {"geral", "tresBrancos", "abc  "},
        // Each leading blank beyond the second cuts a character off the value, counted in
        // characters, never splitting one.
        {"geral", "    recuada", "abcd"},
        {"geral", "recuada", ""},
        {"geral", "    acentuada", "ç"},
        {"geral", "acentos", "ção à vista"},
        {"geral", "repetida", "primeira"},
        {"geral", ";pontoEVirgula", "comum"},
        {"geral", "vazia", ""},
        {"geral", "igualNoValor", "a=b"},
        // A repeated section resolves to its first block.
        {"geral", "daSegunda", ""},
        {"outra", "chave", "da outra"},
        // Names compare exactly; missing sections and keys give empty text.
        {"Geral", "simples", ""},
        {"geral", "Simples", ""},
        {"inexistente", "simples", ""},
        {"geral", "inexistente", ""},
        // Key lines before the first header are never found.
        {"geral", "chaveAntes", ""},
        {"", "chaveAntes", ""},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(idioma.ObterTexto(caso.secao, caso.chave), caso.esperado)
            << "[" << caso.secao << "] \"" << caso.chave << "\"";
    }
}

TEST(Idioma, CadaCabecalhoGanhaSeuNumero) {
    const Idioma idioma = Regras();
    std::vector<std::pair<std::string, std::string>> secoes;
    for (const auto& e : idioma.Entradas()) {
        if (e.first == "geral" || e.first == "outra") secoes.push_back(e);
    }
    const std::vector<std::pair<std::string, std::string>> esperadas = {
        {"geral", "CS1"}, {"outra", "CS2"}, {"geral", "CS3"}};
    EXPECT_EQ(secoes, esperadas);
    EXPECT_EQ(idioma.Entradas().front(), (std::pair<std::string, std::string>(
                                             "CS0chaveAntes", "antes do primeiro cabeçalho")));
}

TEST(Idioma, FinsDeLinhaECodificacoes) {
    PastaTemporaria pasta;
    // CR LF, lone CR and lone LF all end lines; a file that is not UTF-8 is read as Windows-1252.
    pasta.Escrever("a.idm",
                   "[EspecificacaoIdioma]\r\nnomeIdioma=Portugu\xEAs\r[geral]\nx=1\r\ny=2");
    const Idioma idioma(pasta.Caminho(), "a.idm", "a.dat");
    EXPECT_EQ(idioma.ObterNome(), "Português");
    EXPECT_EQ(idioma.ObterTexto("geral", "x"), "1");
    EXPECT_EQ(idioma.ObterTexto("geral", "y"), "2");
}

TEST(Idioma, ArquivoDeTextoAusenteFalhaAoCarregar) {
    PastaTemporaria pasta;
    EXPECT_THROW(Idioma(pasta.Caminho(), "nada.idm", "nada.dat"),
                 std::filesystem::filesystem_error);
}

TEST(Idioma, SepararChaveValor) {
    const struct {
        const char* linha;
        const char* chave;
        const char* valor;
    } casos[] = {
        {"k=v", "k", "v"},
        {"k=", "k", ""},
        {"=v", "", "v"},
        {"semIgual", "", "semIgual"},
        {"  k=vw", "  k", "vw"},
        {"   k=vw", "   k", "v"},
        {"     k=vw", "     k", ""},
        {"k=v\t\t\t", "k", "v\t\t"},
    };
    for (const auto& caso : casos) {
        const auto [chave, valor] = SepararChaveValor(caso.linha);
        EXPECT_EQ(chave, caso.chave) << caso.linha;
        EXPECT_EQ(valor, caso.valor) << caso.linha;
    }
}
