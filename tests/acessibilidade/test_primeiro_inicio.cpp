// SPDX-License-Identifier: GPL-3.0-or-later
// The first start asks nothing it can fail on: no configuration means the system's language,
// straight to the main window; a configured language that is gone opens the list with a line
// chosen. And the program answers --help and --version without a window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <optional>
#include <string>

#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "CaminhosTeste.h"
#include "GerenciadorIdiomas.h"
#include "Inicializacao.h"
#include "TformListaIdiomas.h"
#include "TformPrincipal.h"

namespace {

// Sets the locale variables for one test and puts the old values back.
class Localidade {
  public:
    Localidade(const char* lcAll, const char* lcMessages, const char* lang) {
        for (int i = 0; i < 3; ++i) {
            const char* atual = std::getenv(Nomes[i]);
            antigos_[i] = atual ? std::optional<std::string>(atual) : std::nullopt;
        }
        Definir(0, lcAll);
        Definir(1, lcMessages);
        Definir(2, lang);
    }
    ~Localidade() {
        for (int i = 0; i < 3; ++i) Definir(i, antigos_[i] ? antigos_[i]->c_str() : nullptr);
    }

  private:
    static constexpr const char* Nomes[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    static void Definir(int i, const char* valor) {
        if (valor)
            ::setenv(Nomes[i], valor, 1);
        else
            ::unsetenv(Nomes[i]);
    }
    std::optional<std::string> antigos_[3];
};

struct CasoLocalidade {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    bool portugues;
};

class LocalidadeDoSistemaTeste : public ::testing::TestWithParam<CasoLocalidade> {};

TEST_P(LocalidadeDoSistemaTeste, TheFirstSetVariableChoosesTheLanguage) {
    const CasoLocalidade& c = GetParam();
    const Localidade localidade(c.lcAll, c.lcMessages, c.lang);
    const std::vector<std::string> instalados{"English", "Português"};
    EXPECT_EQ(IndiceIdiomaDaLocalidade(instalados, LocalidadeDoSistema()), c.portugues ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Variaveis, LocalidadeDoSistemaTeste,
    ::testing::Values(CasoLocalidade{nullptr, nullptr, "pt_BR.UTF-8", true},
                      CasoLocalidade{nullptr, nullptr, "en_US.UTF-8", false},
                      CasoLocalidade{nullptr, nullptr, nullptr, false},  // nothing set: English
                      CasoLocalidade{nullptr, nullptr, "C", false},
                      CasoLocalidade{"pt_PT.UTF-8", "en_GB", "en_US", true},  // LC_ALL first
                      CasoLocalidade{"", "pt_BR", "en_US", true},  // an empty one is skipped
                      CasoLocalidade{nullptr, "en_GB", "pt_BR.UTF-8", false}));

TEST(IndiceIdiomaDaLocalidade, AMissingLanguageFallsToTheFirstInstalled) {
    EXPECT_EQ(IndiceIdiomaDaLocalidade({"Deutsch", "ENGLISH"}, "pt_BR"), 0);
    EXPECT_EQ(IndiceIdiomaDaLocalidade({"Deutsch", "ENGLISH"}, "fr_FR"), 1);
    EXPECT_EQ(IndiceIdiomaDaLocalidade({"português"}, "de_DE"), 0);
    EXPECT_EQ(IndiceIdiomaDaLocalidade({}, "pt_BR"), -1);
}

class PrimeiroInicio : public ::testing::Test {
  protected:
    // Start-up over the scratch installation with `configuracao` (none: no file at all), the
    // real language list; the main window's first view-mode item, or empty when none was made.
    std::string Iniciar(const std::optional<std::string>& configuracao,
                        const std::function<void()>& naLista = {}) {
        if (configuracao) instalacao.EscreverConfiguracao(*configuracao);
        idiomas = std::make_unique<GerenciadorIdiomas>(
            instalacao.Pasta(), std::make_unique<TformListaIdiomas>(Caixas()));
        AmbienteInicializacao a;
        a.pasta = instalacao.Pasta();
        a.configuracao = instalacao.Configuracao();
        a.idiomas = idiomas.get();
        a.mensagens = &Caixas();
        a.porta = &PortaDeTeste();
        a.esperaSplashMs = 0;
        std::string item;
        a.emVezDoLaco = [&](JanelasAplicacao& j) {
            item = j.principal->comboModoVisualizacao->itemText(0).toStdString();
            j.principal->close();  // leaving (the test answers Yes) stores the language
        };
        if (naLista) QTimer::singleShot(0, naLista);
        status = ExecutarAplicacao(*static_cast<AplicacaoTastavo*>(qApp), a);
        return item;
    }

    Instalacao instalacao;
    std::unique_ptr<GerenciadorIdiomas> idiomas;
    int status = -1;
};

TEST_F(PrimeiroInicio, NoConfigurationOpensTheMainWindowInTheSystemsLanguageAndStoresIt) {
    struct Caso {
        const char* lang;
        const char* item;
        const char* guardado;
    };
    for (const Caso& c : {Caso{"pt_BR.UTF-8", "Dedos", "idioma=Português"},
                          Caso{"en_US.UTF-8", "Fingers", "idioma=English"}}) {
        const Localidade localidade(nullptr, nullptr, c.lang);
        std::filesystem::remove(instalacao.Configuracao());
        CaixasRegistradas caixas(true);
        EXPECT_EQ(Iniciar(std::nullopt), c.item) << c.lang;
        EXPECT_EQ(status, 0);
        // No "not found" message, no list: only the leave question was asked.
        ASSERT_EQ(caixas.Pedidos().size(), 1u)
            << (caixas.Pedidos().empty() ? "" : caixas.Pedidos().front().texto);
        EXPECT_EQ(caixas.Pedidos()[0].tipo, caixaMensagem::Tipo::SimNao);
        EXPECT_NE(instalacao.LerConfiguracao().find(c.guardado), std::string::npos)
            << instalacao.LerConfiguracao();
    }
}

TEST_F(PrimeiroInicio, AConfiguredLanguageThatIsGoneOpensTheListWithALineChosenSoEnterTakesIt) {
    const Localidade localidade(nullptr, nullptr, "pt_BR.UTF-8");
    CaixasRegistradas caixas(true);
    int linhaMarcada = -2;
    const std::string item = Iniciar("[geral]\nidioma=Klingon\nplacaSom=0\n", [&] {
        auto* lista = dynamic_cast<TformListaIdiomas*>(QApplication::activeModalWidget());
        if (lista == nullptr) return;
        linhaMarcada =
            lista->listaIdiomas->selectedItems().isEmpty() ? -1 : lista->listaIdiomas->currentRow();
        QTest::keyClick(lista->listaIdiomas, Qt::Key_Return);
    });
    EXPECT_EQ(linhaMarcada, 0);
    EXPECT_FALSE(item.empty());  // the first language was taken, the windows were made
    EXPECT_EQ(status, 0);
}

TEST(LinhaDeComando, VersionAndHelpAnswerWithoutAWindow) {
    const QString programa =
        QString::fromLocal8Bit(tastavo_teste::PastaBinarios()) + QStringLiteral("/tastavo");
    for (const QString& argumento : {QStringLiteral("--version"), QStringLiteral("--help")}) {
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        // No display at all: a window would fail to start.
        ambiente.remove(QStringLiteral("DISPLAY"));
        ambiente.remove(QStringLiteral("WAYLAND_DISPLAY"));
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        processo.setProcessEnvironment(ambiente);
        processo.start(programa, {argumento});
        ASSERT_TRUE(processo.waitForFinished(20000)) << argumento.toStdString();
        EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(processo.exitCode(), 0) << argumento.toStdString();
        const QString saida = QString::fromUtf8(processo.readAllStandardOutput());
        if (argumento == QStringLiteral("--version"))
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^tastavo 1\\.\\d+\\.\\d+\\n$"))
                            .match(saida)
                            .hasMatch())
                << saida.toStdString();
        else
            EXPECT_TRUE(saida.startsWith(QStringLiteral("Usage: tastavo"))) << saida.toStdString();
    }
}

}  // namespace
