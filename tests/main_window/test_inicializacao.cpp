// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a user meets it: the language choice, the 96 pixels-per-inch rule, the windows,
// and the report of a failure that escapes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "Inicializacao.h"
#include "TformAviso.h"
#include "TformPrincipal.h"

namespace {

// Answers the language list once it is up: picks `linha` and presses OK, or Cancel for -1.
void ResponderListaIdiomas(int linha) {
    QTimer::singleShot(0, [linha] {
        auto* lista = dynamic_cast<TformListaIdiomas*>(QApplication::activeModalWidget());
        if (lista == nullptr) return;
        if (linha < 0) {
            lista->btnCancelar->click();
            return;
        }
        lista->listaIdiomas->setCurrentRow(linha);
        lista->btnOk->click();
    });
}

class Inicializacao : public ::testing::Test {
  protected:
    // Runs the start-up over `pasta` with the given configuration; true when the windows were made.
    bool Iniciar(const std::filesystem::path& pasta, const std::string& configuracao,
                 double ppp = 96.0) {
        std::ofstream(pasta / "tastavo.ini", std::ios::binary) << configuracao;
        idiomas = std::make_unique<GerenciadorIdiomas>(
            pasta, std::make_unique<TformListaIdiomas>(Caixas()));
        AmbienteInicializacao a;
        a.pasta = pasta;
        a.configuracao = pasta / "tastavo.ini";
        a.idiomas = idiomas.get();
        a.mensagens = &Caixas();
        a.porta = &PortaDeTeste();
        // At 96 the offscreen screen itself answers (it reports 96); other values stand in for
        // a screen set otherwise.
        if (ppp != 96.0) a.pontosPorPolegada = [ppp] { return ppp; };
        a.esperaSplashMs = 0;
        bool criadas = false;
        a.emVezDoLaco = [&](JanelasAplicacao& j) {
            criadas = j.principal != nullptr;
            // Only what the first paint shows exists; the rest comes on first use.
            soPrincipal = !j.setup && !j.aviso && !j.cifra && !j.assistente && !j.opcoesImpressao &&
                          !j.visualizarImpressao && !j.impressao;
            titulo = j.principal->comboModoVisualizacao->itemText(0).toStdString();
            avisoPai = j.Aviso().parentWidget() == j.principal.get();
        };
        status = ExecutarAplicacao(*static_cast<AplicacaoTastavo*>(qApp), a);
        return criadas;
    }

    std::vector<std::string> Textos() const {
        std::vector<std::string> t;
        for (const auto& p : caixas.Pedidos()) t.push_back(p.texto);
        return t;
    }

    CaixasRegistradas caixas;
    Instalacao instalacao;
    std::unique_ptr<GerenciadorIdiomas> idiomas;
    std::string titulo;
    bool avisoPai = false;
    bool soPrincipal = false;
    int status = -1;  // the entry point's result
};

TEST_F(Inicializacao, TheConfiguredLanguageOpensTheWindowsWithoutAQuestion) {
    EXPECT_TRUE(Iniciar(instalacao.Pasta(), "[geral]\nidioma=english\nplacaSom=0\n"));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(caixas.Pedidos().empty());
    EXPECT_EQ(titulo, "Fingers");
    EXPECT_TRUE(avisoPai);  // the notice centres on the main window
    EXPECT_TRUE(soPrincipal);
}

TEST_F(Inicializacao, WithoutLanguageFilesTheApplicationEndsAfterOneMessage) {
    QTemporaryDir vazia;
    EXPECT_FALSE(Iniciar(vazia.path().toStdString(), "[geral]\nidioma=Português\n"));
    EXPECT_EQ(Textos(), std::vector<std::string>{
                            "No language files were found. Please, reinstall your software."});
    EXPECT_EQ(caixas.Pedidos()[0].titulo, "Internationalization");
    EXPECT_EQ(status, SaidaFalhaInicializacao);
}

TEST_F(Inicializacao, AMissingLanguageIsChosenFromTheList) {
    ResponderListaIdiomas(1);
    EXPECT_TRUE(Iniciar(instalacao.Pasta(), "[geral]\nidioma=Klingon\nplacaSom=0\n"));
    EXPECT_EQ(Textos(),
              std::vector<std::string>{
                  "The language you have selected was not found. Please, select another one."});
    EXPECT_EQ(idiomas->IndiceIdiomaAtual(), 1);
    EXPECT_EQ(titulo, idiomas->ObterTexto("fmPrincipal", "itemsComboModoVisualizacao1"));
}

TEST_F(Inicializacao, LeavingTheLanguageListWithoutAChoiceEndsTheApplication) {
    ResponderListaIdiomas(-1);
    // (No language stored at all is a first start: the system's language, no list.)
    EXPECT_FALSE(Iniciar(instalacao.Pasta(), "[geral]\nidioma=Klingon\n"));
    EXPECT_EQ(Textos(),
              (std::vector<std::string>{
                  "The language you have selected was not found. Please, select another one.",
                  "The application could not be initialized because no language was selected."}));
    EXPECT_EQ(status, SaidaFalhaInicializacao);
}

TEST_F(Inicializacao, AScreenNotAt96PixelsPerInchGetsOnlyTheMessage) {
    EXPECT_FALSE(Iniciar(instalacao.Pasta(), "[geral]\nidioma=Português\nplacaSom=0\n", 120.0));
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto, idiomas->ObterTexto("geral", "erroPPP"));
    EXPECT_EQ(caixas.Pedidos()[0].titulo, "Corvela Tastavo");
    EXPECT_EQ(status, SaidaFalhaInicializacao);
}

TEST_F(Inicializacao, AFailureEscapingStartUpIsReportedInTheLanguageWithTheVersion) {
    instalacao.TrocarValor("caminhoArquivoBaseNomesAcordes", "sem-acordes.txt");
    EXPECT_FALSE(Iniciar(instalacao.Pasta(), "[geral]\nidioma=Português\nplacaSom=0\n"));
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    const std::string& texto = caixas.Pedidos()[0].texto;
    EXPECT_EQ(texto.rfind(idiomas->ObterTexto("geral", "erroGeral") + "\n\" std::filesystem::", 0),
              0u)
        << texto;
    EXPECT_NE(texto.find("filesystem_error ("), std::string::npos);
    EXPECT_EQ(texto.substr(texto.size() - 10), ", v1.0.0 \"");
    EXPECT_EQ(caixas.Pedidos()[0].titulo, "Corvela Tastavo");
    EXPECT_EQ(status, SaidaFalhaInicializacao);
}

TEST_F(Inicializacao, ABadLineOfTheChordNamesFileIsNamedAndBlankLinesAreSkipped) {
    instalacao.TrocarValor("caminhoArquivoBaseNomesAcordes", "poucos-acordes.txt");
    std::ofstream(instalacao.Pasta() / "poucos-acordes.txt", std::ios::binary)
        << "C\n\n Am7 \nC7 M\n";
    EXPECT_FALSE(Iniciar(instalacao.Pasta(), "[geral]\nidioma=Português\nplacaSom=0\n"));
    EXPECT_EQ(status, SaidaFalhaInicializacao);
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    const std::string& texto = caixas.Pedidos()[0].texto;
    EXPECT_NE(texto.find("poucos-acordes.txt:4: not a chord symbol: \"C7 M\""), std::string::npos)
        << texto;

    // Without that line the application starts, the blank ones skipped.
    std::ofstream(instalacao.Pasta() / "poucos-acordes.txt", std::ios::binary)
        << "C\n\n  Am7 \r\n\t\n";
    EXPECT_EQ(BaseNomesAcordes(instalacao.Pasta() / "poucos-acordes.txt").Nomes(),
              (std::vector<std::string>{"Am7", "C"}));
    EXPECT_TRUE(Iniciar(instalacao.Pasta(), "[geral]\nidioma=Português\nplacaSom=0\n"));
    EXPECT_EQ(status, 0);
}

}  // namespace
