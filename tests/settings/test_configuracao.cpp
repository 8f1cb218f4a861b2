// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ArquivoConfiguracao.h"
#include "CaminhosTeste.h"
#include "PastaTemporaria.h"

namespace {

struct Valores {
    int placa, instrumento, modo;
    bool mouse;
};

Valores Ler(const std::filesystem::path& arquivo) {
    const ArquivoConfiguracao c(arquivo);
    return {c.ObterPlacaSom(), c.ObterInstrumentoTeclado(), c.ObterModoVisualizacao(),
            c.ObterMouseTocarTeclas()};
}

void EsperarValores(const Valores& v, int placa, int instrumento, int modo, bool mouse) {
    EXPECT_EQ(v.placa, placa);
    EXPECT_EQ(v.instrumento, instrumento);
    EXPECT_EQ(v.modo, modo);
    EXPECT_EQ(v.mouse, mouse);
}

}  // namespace

TEST(ArquivoConfiguracao, SemArquivoValemOsPadroes) {
    PastaTemporaria pasta;
    EsperarValores(Ler(pasta / "tastavo.ini"), -1, 0, 0, false);
    EXPECT_EQ(ArquivoConfiguracao::ObterIdioma(pasta / "tastavo.ini"), "");
    EXPECT_EQ(ArquivoConfiguracao(pasta / "tastavo.ini").NomeArquivo(), "tastavo.ini");
}

TEST(ArquivoConfiguracao, SalvarEscreveAsSeisLinhasELerDevolveOsValores) {
    PastaTemporaria pasta;
    ArquivoConfiguracao c(pasta / "tastavo.ini");
    ASSERT_TRUE(c.Salvar(3, 24, 2, true, "Português"));
    EXPECT_EQ(pasta.Ler("tastavo.ini"),
              "[geral]\r\nidioma=Português\r\nplacaSom=3\r\ninstrumentoTeclado=24\r\n"
              "modoVisualizacao=2\r\nmouseTocarTeclas=1\r\n");
    EsperarValores(Ler(pasta / "tastavo.ini"), 3, 24, 2, true);
    EXPECT_EQ(ArquivoConfiguracao::ObterIdioma(pasta / "tastavo.ini"), "Português");
    EXPECT_EQ(ArquivoConfiguracao::UltimoIdioma(), "Português");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ArquivoConfiguracao, NenhumDispositivoEscolhidoVoltaComoMenosUm) {
    PastaTemporaria pasta;
    ArquivoConfiguracao(pasta / "t.ini").Salvar(-1, 0, 0, false, "English");
    EsperarValores(Ler(pasta / "t.ini"), -1, 0, 0, false);
}

TEST(ArquivoConfiguracao, UmValorInvalidoDerrubaOsQuatro) {
    const struct {
        const char* texto;
        Valores esperado;
    } casos[] = {
        {"[geral]\nplacaSom=abc\ninstrumentoTeclado=5\nmodoVisualizacao=1\nmouseTocarTeclas=1\n",
         {-1, 0, 0, false}},
        {"[geral]\nplacaSom=2\ninstrumentoTeclado=5\nmodoVisualizacao=1\nmouseTocarTeclas=sim\n",
         {-1, 0, 0, false}},
        {"[geral]\nplacaSom=2\ninstrumentoTeclado=5.5\n", {-1, 0, 0, false}},
        {"[geral]\nplacaSom=\n", {-1, 0, 0, false}},
        {"[geral]\nplacaSom=99999999999\n", {-1, 0, 0, false}},
        // Blanks around values and names in any case are read as usual.
        {"[GERAL]\nPLACASOM = 2 \ninstrumentoteclado=\t5\nModoVisualizacao=1\nmouseTocarTeclas=7\n",
         {2, 5, 1, true}},
        // Missing keys take their own defaults; other sections do not count.
        {"[outra]\nplacaSom=4\n[geral]\ninstrumentoTeclado=7\n", {-1, 7, 0, false}},
        {"placaSom=4\n", {-1, 0, 0, false}},
        {"[geral]\r\nplacaSom=-1\r\ninstrumentoTeclado=+3\r\n", {-1, 3, 0, false}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        PastaTemporaria pasta;
        pasta.Escrever("c.ini", caso.texto);
        const auto& e = caso.esperado;
        EsperarValores(Ler(pasta / "c.ini"), e.placa, e.instrumento, e.modo, e.mouse);
    }
}

// A number out of its setting's range is read as that setting's default, the others as they
// stand, and the defaults are what a later Salvar writes.
TEST(ArquivoConfiguracao, UmValorForaDaFaixaLeOPadraoSoDele) {
    const struct {
        const char* texto;
        Valores esperado;
    } casos[] = {
        {"[geral]\nplacaSom=-5\ninstrumentoTeclado=5\nmodoVisualizacao=1\nmouseTocarTeclas=1\n",
         {-1, 5, 1, true}},
        {"[geral]\nplacaSom=2\ninstrumentoTeclado=99999\nmodoVisualizacao=1\n", {2, 0, 1, false}},
        {"[geral]\nplacaSom=2\ninstrumentoTeclado=-1\nmodoVisualizacao=2\n", {2, 0, 2, false}},
        {"[geral]\nplacaSom=2\ninstrumentoTeclado=128\nmodoVisualizacao=99\n", {2, 0, 0, false}},
        {"[geral]\nplacaSom=-2147483648\nmodoVisualizacao=-1\n", {-1, 0, 0, false}},
        // The edges of each range are values like any other.
        {"[geral]\nplacaSom=-1\ninstrumentoTeclado=127\nmodoVisualizacao=0\n", {-1, 127, 0, false}},
        {"[geral]\nplacaSom=2147483647\ninstrumentoTeclado=0\nmodoVisualizacao=2\n",
         {2147483647, 0, 2, false}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        PastaTemporaria pasta;
        pasta.Escrever("c.ini", caso.texto);
        const auto& e = caso.esperado;
        EsperarValores(Ler(pasta / "c.ini"), e.placa, e.instrumento, e.modo, e.mouse);
    }
    PastaTemporaria pasta;
    pasta.Escrever(
        "c.ini",
        "[geral]\nidioma=English\nplacaSom=-5\ninstrumentoTeclado=99999\nmodoVisualizacao=99\n");
    ArquivoConfiguracao c(pasta / "c.ini");
    ASSERT_TRUE(c.Salvar(c.ObterPlacaSom(), c.ObterInstrumentoTeclado(), c.ObterModoVisualizacao(),
                         c.ObterMouseTocarTeclas(), "English"));
    EXPECT_EQ(pasta.Ler("c.ini"),
              "[geral]\r\nidioma=English\r\nplacaSom=-1\r\ninstrumentoTeclado=0\r\n"
              "modoVisualizacao=0\r\nmouseTocarTeclas=0\r\n");
}

TEST(ArquivoConfiguracao, IdiomaLidoSemDiferencaDeCaixaNasChaves) {
    PastaTemporaria pasta;
    pasta.Escrever("c.ini", "[Geral]\r\nIDIOMA=  English  \r\nplacaSom=x\r\n");
    EXPECT_EQ(ArquivoConfiguracao::ObterIdioma(pasta / "c.ini"), "English");
    EXPECT_EQ(ArquivoConfiguracao::UltimoIdioma(), "English");
}

TEST(ArquivoConfiguracao, SalvarDescartaOutrasSecoesEChavesEReescreveMouseComoUm) {
    PastaTemporaria pasta;
    pasta.Escrever("c.ini", "[geral]\nmouseTocarTeclas=7\nextra=1\n[janela]\nx=10\n");
    ArquivoConfiguracao c(pasta / "c.ini");
    ASSERT_TRUE(c.ObterMouseTocarTeclas());
    c.Salvar(c.ObterPlacaSom(), c.ObterInstrumentoTeclado(), c.ObterModoVisualizacao(),
             c.ObterMouseTocarTeclas(), "English");
    EXPECT_EQ(pasta.Ler("c.ini"),
              "[geral]\r\nidioma=English\r\nplacaSom=-1\r\ninstrumentoTeclado=0\r\n"
              "modoVisualizacao=0\r\nmouseTocarTeclas=1\r\n");
}

TEST(ArquivoConfiguracao, EscolhasDaCifraLembradasEValoresRuinsDaoOsPadroes) {
    PastaTemporaria pasta;
    {
        ArquivoConfiguracao c(pasta / "c.ini");
        EXPECT_EQ(c.ObterEscolhasCifra(), EscolhasCifra{}) << "the plain transposition by default";
        c.DefinirEscolhasCifra({true, 3});
        ASSERT_TRUE(c.Salvar(2, 0, 1, false, "English"));
    }
    // Chosen, the two lines follow the six; the plain choices again give the six alone.
    EXPECT_NE(
        pasta.Ler("c.ini").find("mouseTocarTeclas=0\r\nmanterColunasCifra=1\r\ngrafiaCifra=3\r\n"),
        std::string::npos);
    const ArquivoConfiguracao lido(pasta / "c.ini");
    EXPECT_EQ(lido.ObterEscolhasCifra(), (EscolhasCifra{true, 3}));
    EXPECT_EQ(lido.ObterPlacaSom(), 2);
    for (const char* ruim : {"manterColunasCifra=2\ngrafiaCifra=1\n", "grafiaCifra=4\n",
                             "grafiaCifra=-1\n", "manterColunasCifra=x\n"}) {
        pasta.Escrever("r.ini", std::string("[geral]\nplacaSom=5\n") + ruim);
        const ArquivoConfiguracao r(pasta / "r.ini");
        EXPECT_EQ(r.ObterEscolhasCifra(), EscolhasCifra{}) << ruim;
        EXPECT_EQ(r.ObterPlacaSom(), 5) << "the other settings stand: " << ruim;
    }
}

TEST(ArquivoConfiguracao, UmNomeDeIdiomaComQuebraDeLinhaNaoDesfazOArquivo) {
    PastaTemporaria pasta;
    ArquivoConfiguracao(pasta / "c.ini").Salvar(1, 2, 1, false, "Eng\r\nplacaSom=9");
    EsperarValores(Ler(pasta / "c.ini"), 1, 2, 1, false);
}

TEST(ArquivoConfiguracao, EscritaImpossivelDeixaOArquivoAntigoIntacto) {
    const std::string antigo = "[geral]\r\nidioma=English\r\nplacaSom=2\r\n";
    const struct {
        const char* caso;
        // Prepares the folder so that writing c.ini must fail; returns the file to save.
        std::filesystem::path (*preparar)(const PastaTemporaria&);
        bool temArquivoAntigo;
    } casos[] = {
        {"the temporary file's name is taken by a folder",
         [](const PastaTemporaria& p) {
             std::filesystem::create_directory(p / "c.ini.tmp");
             return p / "c.ini";
         },
         true},
        {"the file's name is taken by a folder",
         [](const PastaTemporaria& p) {
             std::filesystem::create_directories(p / "d.ini" / "dentro");
             return p / "d.ini";
         },
         false},
        {"the folder cannot be created: a file stands in its place",
         [](const PastaTemporaria& p) {
             p.Escrever("pasta", "x");
             return p / "pasta" / "sub" / "c.ini";
         },
         false},
#if !defined(_WIN32)  // making a symbolic link on Windows takes a privilege
        {"a loop of symbolic links",
         [](const PastaTemporaria& p) {
             std::filesystem::create_symlink("l2.ini", p / "l1.ini");
             std::filesystem::create_symlink("l1.ini", p / "l2.ini");
             return p / "l1.ini";
         },
         false},
#endif
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        PastaTemporaria pasta;
        pasta.Escrever("c.ini", antigo);
        const auto arquivo = caso.preparar(pasta);
        const auto antes = std::distance(std::filesystem::directory_iterator(pasta.Caminho()),
                                         std::filesystem::directory_iterator());
        ArquivoConfiguracao c(arquivo);
        EXPECT_FALSE(c.Salvar(5, 6, 1, true, "Português"));
        // Nothing half-written, nothing left behind, the next run sees the old file.
        EXPECT_EQ(pasta.Ler("c.ini"), antigo);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()),
                                std::filesystem::directory_iterator()),
                  antes);
        EsperarValores(Ler(pasta / "c.ini"), 2, 0, 0, false);
        if (caso.temArquivoAntigo) {
            EXPECT_EQ(Ler(arquivo).placa, 2);
        }
        // The object keeps what it was given; only the file stays old.
        EXPECT_EQ(c.ObterPlacaSom(), 5);
    }
}

#if defined(__linux__)
TEST(ArquivoConfiguracao, EscritaNumaPastaSomenteLeituraFalhaSemDeixarNada) {
    // Even root cannot create files in /proc/self: a folder no one can write.
    ArquivoConfiguracao c("/proc/self/tastavo.ini");
    EXPECT_FALSE(c.Salvar(1, 1, 1, true, "English"));
    EXPECT_FALSE(std::filesystem::exists("/proc/self/tastavo.ini.tmp"));
    EsperarValores(Ler("/proc/self/tastavo.ini"), -1, 0, 0, false);
}
#endif

TEST(ArquivoConfiguracao, SalvarCriaAPastaQueFalta) {
    PastaTemporaria pasta;
    const auto arquivo = pasta / "config" / "tastavo" / "tastavo.ini";
    ArquivoConfiguracao c(arquivo);
    ASSERT_TRUE(c.Salvar(1, 4, 2, true, "English"));
    EsperarValores(Ler(arquivo), 1, 4, 2, true);
    EXPECT_EQ(ArquivoConfiguracao::ObterIdioma(arquivo), "English");
}

#if !defined(_WIN32)  // making a symbolic link on Windows takes a privilege
TEST(ArquivoConfiguracao, UmaLigacaoSimbolicaEEscritaAteOAlvo) {
    const struct {
        const char* caso;
        bool alvoExiste;
        bool alvoAbsoluto;
    } casos[] = {
        {"relative link to an existing file", true, false},
        {"absolute link to an existing file", true, true},
        {"link to a file not yet written", false, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        PastaTemporaria pasta;
        std::filesystem::create_directories(pasta / "dotfiles" / "tastavo");
        std::filesystem::create_directories(pasta / "config");
        const auto alvo = pasta / "dotfiles" / "tastavo" / "tastavo.ini";
        if (caso.alvoExiste)
            pasta.Escrever("dotfiles/tastavo/tastavo.ini", "[geral]\r\nplacaSom=2\r\n");
        const auto ligacao = pasta / "config" / "tastavo.ini";
        std::filesystem::create_symlink(
            caso.alvoAbsoluto ? alvo : std::filesystem::path("../dotfiles/tastavo/tastavo.ini"),
            ligacao);
        ASSERT_TRUE(ArquivoConfiguracao(ligacao).Salvar(3, 7, 1, false, "English"));
        EXPECT_TRUE(std::filesystem::is_symlink(ligacao));
        EsperarValores(Ler(alvo), 3, 7, 1, false);
        // No temporary file left beside the link or the target.
        EXPECT_FALSE(std::filesystem::exists(pasta / "config" / "tastavo.ini.tmp"));
        EXPECT_FALSE(std::filesystem::exists(pasta / "dotfiles" / "tastavo" / "tastavo.ini.tmp"));
    }
}
#endif

#if defined(__unix__)
TEST(ArquivoConfiguracao, OArquivoNovoGuardaAsPermissoesDoAntigo) {
    PastaTemporaria pasta;
    const auto arquivo = pasta.Escrever("c.ini", "[geral]\r\n");
    using std::filesystem::perms;
    std::filesystem::permissions(arquivo, perms::owner_read | perms::owner_write);
    ASSERT_TRUE(ArquivoConfiguracao(arquivo).Salvar(1, 1, 1, true, "English"));
    EXPECT_EQ(std::filesystem::status(arquivo).permissions() & perms::all,
              perms::owner_read | perms::owner_write);
}
#endif

TEST(ArquivoConfiguracao, NomeDoArquivoSegueOExecutavel) {
    const struct {
        const char* executavel;
        const char* ini;
    } casos[] = {{"tastavo", "tastavo.ini"},
                 {"Tastavo.exe", "Tastavo.ini"},
                 {"TASTAVO.EXE", "TASTAVO.ini"},
                 {"tastavo-1.0", "tastavo-1.0.ini"},
                 {"test_settings", "test_settings.ini"}};
    for (const auto& caso : casos)
        EXPECT_EQ(ArquivoConfiguracao::NomeArquivoPara(caso.executavel), caso.ini);
    EXPECT_EQ(ArquivoConfiguracao::CaminhoPadrao().filename(), "test_settings.ini");
    EXPECT_TRUE(std::filesystem::equivalent(ArquivoConfiguracao::CaminhoPadrao().parent_path(),
                                            tastavo_teste::PastaBinarios()));
}

TEST(ArquivoConfiguracao, UmByteForaDoUtf8NaoMudaONomeDoIdioma) {
    PastaTemporaria pasta;
    pasta.Escrever("tastavo.ini",
                   "[geral]\r\nidioma=Português\r\n; coment\xE1rio\r\nplacaSom=2\r\n");
    EXPECT_EQ(ArquivoConfiguracao::ObterIdioma(pasta / "tastavo.ini"), "Português");
    EsperarValores(Ler(pasta / "tastavo.ini"), 2, 0, 0, false);
}

TEST(ArquivoConfiguracao, CancoesRecentesAsOitoUltimasDaMaisNova) {
    PastaTemporaria pasta;
    const auto arquivo = pasta / "tastavo.ini";
    {
        ArquivoConfiguracao c(arquivo);
        for (int i = 1; i <= 10; ++i) c.LembrarCancao("/musicas/" + std::to_string(i) + ".cho");
        c.LembrarCancao("/musicas/5.cho");  // again: it moves to the front, once
        c.LembrarCancao("/com\nquebra.txt");
        c.LembrarCancao(" /com espaço na ponta.txt");
        c.LembrarCancao("/músicas/Canção.txt");
        ASSERT_TRUE(c.Salvar(1, 0, 0, false, "English"));
    }
    const std::vector<std::string> esperadas = {
        "/músicas/Canção.txt", "/musicas/5.cho", "/musicas/10.cho", "/musicas/9.cho",
        "/musicas/8.cho",      "/musicas/7.cho", "/musicas/6.cho",  "/musicas/4.cho"};
    ArquivoConfiguracao lida(arquivo);
    EXPECT_EQ(lida.CancoesRecentes(), esperadas);
    // The six lines of "geral" stay as they were; the songs follow in their own section.
    const std::string texto = pasta.Ler("tastavo.ini");
    EXPECT_EQ(texto.find("[geral]\r\nidioma=English\r\nplacaSom=1\r\n"), 0u);
    EXPECT_NE(texto.find("mouseTocarTeclas=0\r\n[cancoesRecentes]\r\n1=/músicas/Canção.txt\r\n"),
              std::string::npos);

    lida.EsquecerCancao("/musicas/5.cho");
    EXPECT_EQ(lida.CancoesRecentes().size(), 7u);
    EXPECT_EQ(lida.CancoesRecentes()[1], "/musicas/10.cho");
    // Values that are invalid elsewhere in the file do not lose the songs.
    pasta.Escrever(
        "c.ini",
        "[geral]\r\nplacaSom=x\r\n[cancoesRecentes]\r\n2=/b.txt\r\n1=/a.txt\r\n3=/a.txt\r\n");
    EXPECT_EQ(ArquivoConfiguracao(pasta / "c.ini").CancoesRecentes(),
              (std::vector<std::string>{"/a.txt", "/b.txt"}));
}

TEST(ArquivoConfiguracao, EntradaMidiSoEscritaQuandoEscolhidaELidaApartDosNumeros) {
    PastaTemporaria pasta;
    ArquivoConfiguracao c(pasta / "t.ini");
    EXPECT_EQ(c.ObterEntradaMidi(), "");
    EXPECT_FALSE(c.ObterEcoarEntradaMidi());
    // A name with a line break cannot add a key of its own.
    c.DefinirEntradaMidi("Piano:out\r\nplacaSom=9", true);
    ASSERT_TRUE(c.Salvar(2, 0, 1, false, "English"));
    EXPECT_EQ(pasta.Ler("t.ini"),
              "[geral]\r\nidioma=English\r\nplacaSom=2\r\ninstrumentoTeclado=0\r\n"
              "modoVisualizacao=1\r\nmouseTocarTeclas=0\r\nentradaMidi=Piano:out  placaSom=9\r\n"
              "ecoarEntradaMidi=1\r\n");
    const ArquivoConfiguracao lido(pasta / "t.ini");
    EXPECT_EQ(lido.ObterEntradaMidi(), "Piano:out  placaSom=9");
    EXPECT_TRUE(lido.ObterEcoarEntradaMidi());
    EXPECT_EQ(lido.ObterPlacaSom(), 2);

    // Chosen back to none: the six lines again. A bad echo value is only itself lost.
    c.DefinirEntradaMidi("", false);
    ASSERT_TRUE(c.Salvar(2, 0, 1, false, "English"));
    EXPECT_EQ(pasta.Ler("t.ini").find("entradaMidi"), std::string::npos);
    pasta.Escrever("u.ini",
                   "[geral]\r\nplacaSom=4\r\nentradaMidi=Teclado USB\r\necoarEntradaMidi=sim\r\n");
    const ArquivoConfiguracao ruim(pasta / "u.ini");
    EXPECT_EQ(ruim.ObterPlacaSom(), 4);
    EXPECT_EQ(ruim.ObterEntradaMidi(), "Teclado USB");
    EXPECT_FALSE(ruim.ObterEcoarEntradaMidi());
}
