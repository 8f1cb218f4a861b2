// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "GerenciadorIdiomas.h"
#include "InteracaoGravada.h"
#include "PastaTemporaria.h"

namespace {

std::string ArquivoIdioma(std::string_view nome, std::string_view codigo = "Tastavo1.0",
                          std::string_view texto = "") {
    return "[EspecificacaoIdioma]\r\nnomeIdioma=" + std::string(nome) +
           "\r\ncodAplicacao=" + std::string(codigo) +
           "\r\n[geral]\r\ntexto=" + std::string(texto) + "\r\n";
}

struct Gerenciador : ::testing::Test {
    PastaTemporaria pasta;
    RegistroInteracao registro;

    std::unique_ptr<GerenciadorIdiomas> Criar() {
        return std::make_unique<GerenciadorIdiomas>(pasta.Caminho(),
                                                    std::make_unique<InteracaoGravada>(registro));
    }
    // Two usable languages and every kind of file that must not be offered.
    void Instalar() {
        pasta.Escrever("portugues.idm", ArquivoIdioma("Português", "Tastavo1.0", "olá"));
        pasta.Escrever("english.idm", ArquivoIdioma("English", "Tastavo1.0", "hello"));
        pasta.Escrever("antigo.idm", ArquivoIdioma("Old", "Tastavo0.9"));
        pasta.Escrever("codigoComEspaco.idm", ArquivoIdioma("Spaced", "Tastavo1.0 x"));
        pasta.Escrever("semNome.idm", ArquivoIdioma(""));
        pasta.Escrever("semSecao.idm", "nomeIdioma=Nothing\ncodAplicacao=Tastavo1.0\n");
        pasta.Escrever(".oculto.idm", ArquivoIdioma("Hidden"));
        pasta.Escrever("outro.txt", ArquivoIdioma("Text"));
        pasta.Escrever("idm", ArquivoIdioma("Bare"));
        std::filesystem::create_directory(pasta / "pasta.idm");
    }
};

}  // namespace

TEST_F(Gerenciador, OfereceSoOsArquivosAceitos) {
    Instalar();
    const auto g = Criar();
    auto nomes = g->NomesIdiomas();
    std::sort(nomes.begin(), nomes.end());
    EXPECT_EQ(nomes, (std::vector<std::string>{"English", "Português"}));
    for (std::size_t i = 0; i < g->NomesIdiomas().size(); ++i) {
        EXPECT_EQ(g->ArquivosIdiomas()[i],
                  g->NomesIdiomas()[i] == "English" ? "english" : "portugues");
    }
    EXPECT_EQ(g->IndiceIdiomaAtual(), -1);
    EXPECT_FALSE(g->PossuiIdioma());
    EXPECT_EQ(g->ObterTexto("geral", "texto"), "");
    EXPECT_TRUE(registro.mensagens.empty());
    EXPECT_EQ(registro.encerramentos, 0);
}

TEST_F(Gerenciador, SemIdiomasAvisaEEncerra) {
    pasta.Escrever("antigo.idm", ArquivoIdioma("Old", "Tastavo0.9"));
    const auto g = Criar();
    EXPECT_EQ(registro.mensagens,
              (std::vector<std::string>{std::string(mensagensIdioma::NenhumIdioma)}));
    EXPECT_EQ(registro.titulos, (std::vector<std::string>{"Internationalization"}));
    EXPECT_EQ(registro.encerramentos, 1);
    // Start-up goes no further: no list, no more messages.
    EXPECT_EQ(g->SelecionarIdioma("English"), nullptr);
    EXPECT_TRUE(registro.listasMostradas.empty());
    EXPECT_EQ(registro.mensagens.size(), 1u);
}

TEST_F(Gerenciador, SelecionaPeloNomeSemDiferencaDeCaixa) {
    Instalar();
    const auto g = Criar();
    for (const char* nome : {"English", "ENGLISH", "english"}) {
        Idioma* idioma = g->SelecionarIdioma(nome);
        ASSERT_NE(idioma, nullptr) << nome;
        EXPECT_EQ(idioma->ObterNome(), "English");
    }
    ASSERT_NE(g->SelecionarIdioma("PORTUGUÊS"), nullptr);
    EXPECT_EQ(g->ObterTexto("geral", "texto"), "olá");
    EXPECT_EQ(g->IdiomaAtual()->ObterNome(), "Português");
    EXPECT_TRUE(registro.mensagens.empty());
    EXPECT_TRUE(registro.listasMostradas.empty());
}

TEST_F(Gerenciador, IdiomaNaoEncontradoMostraALista) {
    Instalar();
    const auto g = Criar();
    registro.resposta = 1;
    for (const char* nome : {"Deutsch", ""}) {
        Idioma* idioma = g->SelecionarIdioma(nome);
        ASSERT_NE(idioma, nullptr);
        EXPECT_EQ(idioma->ObterNome(), g->NomesIdiomas()[1]);
    }
    EXPECT_EQ(registro.mensagens,
              (std::vector<std::string>(2, std::string(mensagensIdioma::IdiomaNaoEncontrado))));
    ASSERT_EQ(registro.listasMostradas.size(), 2u);
    EXPECT_EQ(registro.listasMostradas[0], g->NomesIdiomas());
    // The list highlights the language already loaded, the first line at first, so Enter
    // chooses at once.
    EXPECT_EQ(registro.destaques, (std::vector<int>{0, 1}));
    EXPECT_EQ(registro.encerramentos, 0);
}

TEST_F(Gerenciador, ListaSemEscolhaEncerra) {
    Instalar();
    const auto g = Criar();
    registro.resposta = -1;
    EXPECT_EQ(g->SelecionarIdioma("Deutsch"), nullptr);
    EXPECT_EQ(registro.mensagens,
              (std::vector<std::string>{std::string(mensagensIdioma::IdiomaNaoEncontrado),
                                        std::string(mensagensIdioma::NenhumIdiomaSelecionado)}));
    EXPECT_EQ(registro.encerramentos, 1);
    EXPECT_FALSE(g->PossuiIdioma());
}

TEST_F(Gerenciador, CarregarIdioma) {
    Instalar();
    const auto g = Criar();
    Idioma* primeiro = g->CarregarIdioma(0);
    ASSERT_NE(primeiro, nullptr);
    EXPECT_EQ(g->IndiceIdiomaAtual(), 0);
    // The same index keeps the loaded object; an index outside the lists changes nothing.
    EXPECT_EQ(g->CarregarIdioma(0), primeiro);
    for (int fora : {2, -1, 100}) {
        EXPECT_EQ(g->CarregarIdioma(fora), nullptr);
        EXPECT_EQ(g->IdiomaAtual(), primeiro);
        EXPECT_EQ(g->IndiceIdiomaAtual(), 0);
    }
    ASSERT_NE(g->CarregarIdioma(1), nullptr);
    EXPECT_EQ(g->IndiceIdiomaAtual(), 1);
    EXPECT_EQ(g->IdiomaAtual()->ObterNome(), g->NomesIdiomas()[1]);
}

TEST_F(Gerenciador, NomesRepetidosValeOPrimeiroDaPasta) {
    pasta.Escrever("a.idm", ArquivoIdioma("English", "Tastavo1.0", "de a"));
    pasta.Escrever("b.idm", ArquivoIdioma("english", "Tastavo1.0", "de b"));
    const auto g = Criar();
    ASSERT_EQ(g->NomesIdiomas().size(), 2u);
    ASSERT_NE(g->SelecionarIdioma("ENGLISH"), nullptr);
    EXPECT_EQ(g->IndiceIdiomaAtual(), 0);
    EXPECT_EQ(g->ObterTexto("geral", "texto"), "de " + g->ArquivosIdiomas()[0]);
}

TEST_F(Gerenciador, CaminhoDeParametroDentroDaPasta) {
    pasta.Escrever("x.idm", ArquivoIdioma("X") + "[parametros]\r\nnomes=dados\\acordes.txt\r\n");
    const auto g = Criar();
    ASSERT_NE(g->CarregarIdioma(0), nullptr);
    EXPECT_EQ(g->CaminhoParametro("nomes"), pasta / "dados" / "acordes.txt");
}

TEST_F(Gerenciador, ArquivoQueSumiuAntesDeCarregarFalha) {
    pasta.Escrever("x.idm", ArquivoIdioma("X"));
    const auto g = Criar();
    std::filesystem::remove(pasta / "x.idm");
    EXPECT_THROW(g->CarregarIdioma(0), std::filesystem::filesystem_error);
    EXPECT_FALSE(g->PossuiIdioma());
}

TEST_F(Gerenciador, UmByteForaDoUtf8NaoMudaONomeDoIdiomaNemOsTextos) {
    // A UTF-8 language file with one Windows-1252 byte in a text far from its name.
    pasta.Escrever("portugues.idm",
                   ArquivoIdioma("Português", "Tastavo1.0", "Can\xE7\xE3o") + "outro=Canção\r\n");
    const auto g = Criar();
    ASSERT_EQ(g->NomesIdiomas(), std::vector<std::string>{"Português"});
    ASSERT_NE(g->SelecionarIdioma("Português"), nullptr);
    EXPECT_TRUE(registro.mensagens.empty());
    EXPECT_EQ(g->ObterTexto("geral", "texto"), "Canção");
    EXPECT_EQ(g->ObterTexto("geral", "outro"), "Canção");
}
