// SPDX-License-Identifier: GPL-3.0-or-later
// Help pages, the web link and the notice window, through the desktop opener (the one part of
// the desktop this machine lacks: it is answered here).
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AbrirShell.h"
#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "Shell.h"
#include "TformAviso.h"
#include "TformPrincipal.h"

namespace {

class Ajuda : public ::testing::Test {
  protected:
    void TearDown() override {
        aviso.reset();
        janela.reset();
    }
    void Abrir() {
        aviso.reset();
        janela.reset();
        dominio = std::make_unique<Dominio>(instalacao);
        dominio->abridor.resposta = respostaDesktop;
        janela = std::make_unique<TformPrincipal>(DependenciasDaJanela(*dominio, instalacao));
        aviso = std::make_unique<TformAviso>(*dominio->idiomas, Caixas(), dominio->abridor,
                                             janela.get());
    }
    std::vector<QUrl>& Abertos() { return dominio->abridor.abertos; }

    Instalacao instalacao;
    std::unique_ptr<Dominio> dominio;
    std::unique_ptr<TformPrincipal> janela;
    std::unique_ptr<TformAviso> aviso;
    bool respostaDesktop = true;
};

TEST_F(Ajuda, TheHelpButtonOpensTheLanguagesHelpPage) {
    Abrir();
    QTest::mouseClick(janela->btnHelp, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Abertos().size(), 1u);
    EXPECT_TRUE(Abertos()[0].isLocalFile());
    EXPECT_EQ(Abertos()[0].toLocalFile().toStdString(),
              (instalacao.Pasta() / "help/pt/index.html").string());
}

TEST_F(Ajuda, AMissingHelpFileGivesTheHelpMessageARefusingDesktopTheBrowserMessage) {
    for (bool faltando : {true, false}) {
        instalacao.TrocarValor("caminhoAjuda",
                               faltando ? "help/pt/sumiu.html" : "help/pt/index.html");
        respostaDesktop = faltando;
        Abrir();
        CaixasRegistradas caixas;
        Abertos().clear();
        QTest::mouseClick(janela->btnHelp, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(caixas.Pedidos().size(), 1u) << faltando;
        // The page is there but nothing could show it: no browser, not "file not found".
        EXPECT_EQ(caixas.Pedidos()[0].texto,
                  dominio->idiomas->ObterTexto(
                      "geral", faltando ? "erroEncontrarAjuda" : "erroAbrirNavegador"));
        EXPECT_EQ(caixas.Pedidos()[0].titulo, "Corvela Tastavo");
        // A missing file never reaches the desktop (an opener may report success for it).
        EXPECT_EQ(Abertos().size(), faltando ? 0u : 1u);
        aviso.reset();
        janela.reset();
    }
}

TEST_F(Ajuda, TheWebLinkOpensTheAddressWithoutItsQuotes) {
    instalacao.TrocarValor("urlCorvela", "  \"https://tastavo.example/inicio\"  ");
    Abrir();
    QTest::mouseClick(janela->imgLinkCorvela, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Abertos().size(), 1u);
    EXPECT_EQ(Abertos()[0].toString(), QStringLiteral("https://tastavo.example/inicio"));
    EXPECT_EQ(janela->imgLinkCorvela->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Ajuda, AnEmptyAddressGivesTheBrowserMessage) {
    instalacao.TrocarValor("urlCorvela", "");
    Abrir();
    CaixasRegistradas caixas;
    QTest::mouseClick(janela->imgLinkCorvela, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto,
              dominio->idiomas->ObterTexto("geral", "erroAbrirNavegador"));
    EXPECT_TRUE(Abertos().empty());
}

TEST_F(Ajuda, ARefusingDesktopIsIgnoredForAddresses) {
    respostaDesktop = false;
    Abrir();
    QTest::mouseClick(janela->imgLinkCorvela, Qt::LeftButton, {}, QPoint(5, 5));  // no box expected
    EXPECT_EQ(Abertos().size(), 1u);
}

TEST_F(Ajuda, TheNoticeShowsItsMessageAndItsHelpOpensTheSyntaxPage) {
    Abrir();
    EXPECT_EQ(aviso->windowTitle(), QStringLiteral("Corvela Tastavo"));
    EXPECT_EQ(aviso->size(), QSize(340, 106));
    EXPECT_EQ(aviso->OK->geometry(), QRect(89, 69, 75, 25));
    aviso->DefinirMensagem("Mensagem de teste", "Título");
    EXPECT_EQ(aviso->windowTitle(), QStringLiteral("Título"));
    EXPECT_EQ(aviso->Mensagem->text(), QStringLiteral("Mensagem de teste"));
    aviso->show();
    aviso->Ajuda->click();
    EXPECT_FALSE(aviso->isVisible());
    ASSERT_EQ(Abertos().size(), 1u);
    EXPECT_EQ(Abertos()[0].toLocalFile().toStdString(),
              (instalacao.Pasta() / "help/pt/cifras.html").string());
}

TEST_F(Ajuda, TheNoticeClosesEvenWhenItsHelpCannotBeOpened) {
    instalacao.TrocarValor("caminhoPaginaAjudaCifras", "help/pt/sumiu.html");
    Abrir();
    CaixasRegistradas caixas;
    aviso->show();
    aviso->Ajuda->click();
    EXPECT_FALSE(aviso->isVisible());
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto,
              dominio->idiomas->ObterTexto("geral", "erroEncontrarAjuda"));
}

TEST_F(Ajuda, TheShippedHelpPagesHoldTheAnchorsTheLanguagesName) {
    Dominio d(instalacao);
    for (const char* idioma : {"Português", "English"}) {
        d.idiomas->SelecionarIdioma(idioma);
        for (const char* chave : {"caminhoAjuda", "caminhoPaginaAjudaCifras"}) {
            QFile pagina(QString::fromStdString(d.idiomas->CaminhoParametro(chave).string()));
            ASSERT_TRUE(pagina.open(QIODevice::ReadOnly)) << idioma << " " << chave;
            const QByteArray html = pagina.readAll();
            const std::string ancora =
                "id=\"" + d.idiomas->ObterTexto("parametros", "ancoraAjudaImportarCifra") + "\"";
            EXPECT_TRUE(html.contains(ancora.c_str())) << idioma << " " << chave;
        }
    }
}

// The build drew every localised picture into each language at its control's size.
TEST(ArteIdiomas, EveryLocalisedPictureDecodesAtItsControlsSize) {
    struct Figura {
        const char* secao;
        const char* chave;
        int largura, altura;
    };
    const Figura figuras[] = {
        {"fmPrincipal", "imgBtnConfiguracoes", 117, 20},
        {"fmPrincipal", "imgBtnConfiguracoesI", 117, 20},
        {"fmPrincipal", "imgBtnAdicionar", 89, 20},
        {"fmPrincipal", "imgBtnAdicionarI", 89, 20},
        {"fmPrincipal", "imgBtnRemover", 89, 20},
        {"fmPrincipal", "imgBtnRemoverI", 89, 20},
        {"fmPrincipal", "imgBtnImprimir", 89, 20},
        {"fmPrincipal", "imgBtnImprimirI", 89, 20},
        {"fmPrincipal", "imgBtnImportarCifra", 120, 20},
        {"fmPrincipal", "imgBtnImportarCifraI", 120, 20},
        {"fmPrincipal", "imgBtnOuvirAcorde", 69, 21},
        {"fmPrincipal", "imgBtnOuvirAcordeI", 69, 21},
        {"fmPrincipal", "imgLinkCorvela", 182, 14},
        {"fmPrincipal", "imgBarraSuperior", 797, 81},
        {"fmPrincipal", "imgBarraInferior", 801, 115},
        {"fmEntrada", "imgEntrada", 250, 250},
        {"fmImportarCifra", "imgBtnImportarCifra", 120, 20},
        {"fmImportarCifra", "imgBtnImportarCifraI", 120, 20},
        {"fmImportarCifra", "imgMudarTom", 186, 17},
        {"geral", "imgBtnImprimir", 89, 20},
        {"geral", "imgBtnImprimirI", 89, 20},
    };
    Instalacao instalacao;
    Dominio d(instalacao);
    for (const char* idioma : {"Português", "English"}) {
        d.idiomas->SelecionarIdioma(idioma);
        for (const Figura& f : figuras) {
            const std::optional<Imagem> img = d.idiomas->ObterImagem(f.secao, f.chave);
            ASSERT_TRUE(img.has_value()) << idioma << " " << f.secao << "/" << f.chave;
            EXPECT_EQ(img->Largura, f.largura) << f.chave;
            EXPECT_EQ(img->Altura, f.altura) << f.chave;
        }
        EXPECT_FALSE(d.idiomas->IdiomaAtual()->CorrupcaoInformada());
    }
    // The captions are the language's own: the two languages' buttons differ.
    d.idiomas->SelecionarIdioma("Português");
    const auto pt = d.idiomas->ObterImagem("fmPrincipal", "imgBtnAdicionar");
    d.idiomas->SelecionarIdioma("English");
    EXPECT_NE(pt, d.idiomas->ObterImagem("fmPrincipal", "imgBtnAdicionar"));
}

// A failure escaping an ordinary handler is shown with the application title and the run goes on.
TEST_F(Ajuda, TheEventLoopShowsAnEscapingFailureAndGoesOn) {
    Abrir();
    auto& app = *static_cast<AplicacaoTastavo*>(qApp);
    app.DefinirIdiomas(dominio->idiomas.get(), &Caixas());
    CaixasRegistradas caixas;
    janela->abrirConfiguracoes = [] { throw std::runtime_error("settings exploded"); };
    QTest::mouseClick(janela->btnConfiguracoes, Qt::LeftButton, {}, QPoint(5, 5));
    app.DefinirIdiomas(nullptr, nullptr);
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto, "settings exploded");
    EXPECT_EQ(caixas.Pedidos()[0].titulo, dominio->idiomas->ObterTexto("geral", "tituloAplicacao"));
    // The same handler works again afterwards.
    int vezes = 0;
    janela->abrirConfiguracoes = [&] { ++vezes; };
    QTest::mouseClick(janela->btnConfiguracoes, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(vezes, 1);
}

}  // namespace
