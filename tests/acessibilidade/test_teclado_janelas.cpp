// SPDX-License-Identifier: GPL-3.0-or-later
// The windows driven by keys alone, offscreen: Tab reaches every control in reading order,
// Space and Enter press the picture buttons as a click does, the shortcuts act, and every
// control carries a name for screen readers in both languages.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "Inicializacao.h"
#include "TformAviso.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformPrincipal.h"
#include "TformVisualizarImpressao.h"

namespace {

using Mensagem = std::vector<std::uint8_t>;

QWidget* Foco() { return QApplication::focusWidget(); }

// Makes `janela` the active window, as the user's click or the window manager would.
bool Ativar(QWidget* janela) {
    janela->activateWindow();
    QApplication::setActiveWindow(janela);
    return QTest::qWaitForWindowActive(janela);
}

// A key typed where the focus is, as the user types it.
void Tecla(int tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
    QWidget* alvo = Foco();
    if (alvo == nullptr) {
        // Leaves no modal window waiting for a key that will not come.
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    }
    ASSERT_NE(alvo, nullptr);
    QTest::keyClick(alvo, static_cast<Qt::Key>(tecla), modificadores);
}

// A shortcut as the window gets it: through the focus widget's window.
void Atalho(QWidget* janela, int tecla, Qt::KeyboardModifiers modificadores) {
    QTest::keyClick(Foco() ? Foco() : janela, static_cast<Qt::Key>(tecla), modificadores);
}

std::string Nome(QWidget* w) { return w ? w->objectName().toStdString() : "(none)"; }

QString NomeAcessivel(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QString();
}

class TecladoJanelaPrincipal : public ::testing::Test {
  protected:
    void SetUp() override { Abrir("Português"); }

    void Abrir(const std::string& idioma) {
        instalacao.EscreverConfiguracao(
            "[geral]\nidioma=" + idioma +
            "\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao=0\nmouseTocarTeclas=0\n");
        aviso.reset();  // a child of the window: it goes first
        janela.reset();
        dominio = std::make_unique<Dominio>(instalacao, idioma);
        janela = std::make_unique<TformPrincipal>(DependenciasDaJanela(*dominio, instalacao));
        aviso = std::make_unique<TformAviso>(*dominio->idiomas, Caixas(), dominio->abridor,
                                             janela.get());
        janela->DefinirAviso(aviso.get());
        janela->abrirImportarCifra = [this] { ++aberturasCifra; };
        janela->abrirImpressao = [this] { ++aberturasImpressao; };
        janela->show();
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        Gravador().LimparMensagens();
    }

    void TearDown() override {
        aviso.reset();
        janela.reset();
    }

    void Digitar(const QString& cifra) {
        janela->editNomeAcorde->setFocus();
        janela->editNomeAcorde->selectAll();
        QTest::keyClicks(janela->editNomeAcorde, cifra);
        QTest::keyClick(janela->editNomeAcorde, Qt::Key_Return);
    }

    QString Descricao() const { return janela->imgTeclado->accessibleDescription(); }

    Instalacao instalacao;
    std::unique_ptr<Dominio> dominio;
    std::unique_ptr<TformPrincipal> janela;
    std::unique_ptr<TformAviso> aviso;
    int aberturasCifra = 0;
    int aberturasImpressao = 0;
};

TEST_F(TecladoJanelaPrincipal, TabVisitsAllSixteenControlsInReadingOrderAndWraps) {
    const std::vector<std::string> esperada{
        "editNomeAcorde",   "btnAnterior",           "btnProximo",
        "btnOuvirAcorde",   "comboBaseAcordes",      "btnAdicionar",
        "btnRemover",       "btnImprimir",           "listaImpressao",
        "btnImportarCifra", "comboModoVisualizacao", "btnConfiguracoes",
        "imgLinkCorvela",   "btnMinimizar",          "btnHelp",
        "btnClose"};
    ASSERT_EQ(Foco(), janela->editNomeAcorde);  // ready for typing when shown
    std::vector<std::string> visitados{Nome(Foco())};
    for (std::size_t i = 1; i < esperada.size(); ++i) {
        Tecla(Qt::Key_Tab);
        visitados.push_back(Nome(Foco()));
    }
    EXPECT_EQ(visitados, esperada);
    Tecla(Qt::Key_Tab);
    EXPECT_EQ(Foco(), janela->editNomeAcorde);
    Tecla(Qt::Key_Backtab);
    EXPECT_EQ(Foco(), janela->btnClose);
}

TEST_F(TecladoJanelaPrincipal, SpaceAndEnterPressPictureButtonsAsAClickDoes) {
    Digitar(QStringLiteral("C7"));
    ASSERT_EQ(dominio->acordes->IndiceAcordeAtual() >= 0, true);

    janela->btnAdicionar->setFocus();
    Tecla(Qt::Key_Space);
    EXPECT_EQ(janela->listaImpressao->count(), 1);
    Tecla(Qt::Key_Return);
    Tecla(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(janela->listaImpressao->count(), 3);

    janela->btnProximo->setFocus();
    Tecla(Qt::Key_Space);
    EXPECT_EQ(dominio->acordes->IndicePosicaoAtual(), 1);
    janela->btnAnterior->setFocus();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(dominio->acordes->IndicePosicaoAtual(), 0);

    // Remove acts on the selected line, as with the mouse.
    janela->listaImpressao->setCurrentRow(0);
    janela->btnRemover->setFocus();
    Tecla(Qt::Key_Space);
    EXPECT_EQ(janela->listaImpressao->count(), 2);

    janela->btnImprimir->setFocus();
    Tecla(Qt::Key_Space);
    EXPECT_EQ(aberturasImpressao, 1);
    janela->btnImportarCifra->setFocus();
    Tecla(Qt::Key_Return);
    EXPECT_EQ(aberturasCifra, 1);

    // Other keys and modified Space do nothing.
    janela->btnAdicionar->setFocus();
    Tecla(Qt::Key_A);
    Tecla(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(janela->listaImpressao->count(), 2);
}

TEST_F(TecladoJanelaPrincipal, HoldingSpaceOnListenSoundsUntilItIsReleased) {
    Digitar(QStringLiteral("C"));
    Gravador().LimparMensagens();
    janela->btnOuvirAcorde->setFocus();
    QTest::keyPress(janela->btnOuvirAcorde, Qt::Key_Space);
    const std::size_t notas = Gravador().Mensagens().size();
    EXPECT_EQ(notas, 3u);                       // C E G on
    EXPECT_EQ(Foco(), janela->btnOuvirAcorde);  // the button keeps the keyboard while it sounds
    // The keyboard's repeat while held adds nothing.
    QKeyEvent repeticao(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(janela->btnOuvirAcorde, &repeticao);
    EXPECT_EQ(Gravador().Mensagens().size(), notas);
    QTest::keyRelease(janela->btnOuvirAcorde, Qt::Key_Space);
    ASSERT_EQ(Gravador().Mensagens().size(), 6u);
    for (std::size_t i = 3; i < 6; ++i) EXPECT_EQ(Gravador().Mensagens()[i][0] & 0xF0, 0x80) << i;

    // Leaving the button with Space held lets it up: the chord stops.
    QTest::keyPress(janela->btnOuvirAcorde, Qt::Key_Space);
    EXPECT_EQ(Gravador().Mensagens().size(), 9u);
    janela->editNomeAcorde->setFocus();
    EXPECT_EQ(Gravador().Mensagens().size(), 12u);
}

TEST_F(TecladoJanelaPrincipal, ShortcutsReachTheirActions) {
    Digitar(QStringLiteral("C7"));
    janela->listaImpressao->setFocus();

    Atalho(janela.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(Foco(), janela->editNomeAcorde);
    EXPECT_EQ(janela->editNomeAcorde->selectedText(), QStringLiteral("C7"));

    Atalho(janela.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(dominio->acordes->IndicePosicaoAtual(), 1);
    Atalho(janela.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(dominio->acordes->IndicePosicaoAtual(), 0);

    Atalho(janela.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(aberturasCifra, 1);

    {
        CaixasRegistradas caixas;
        Atalho(janela.get(), Qt::Key_P,
               Qt::ControlModifier);  // an empty list: the message, no window
        ASSERT_EQ(caixas.Pedidos().size(), 1u);
        EXPECT_EQ(aberturasImpressao, 0);
    }
    janela->btnAdicionarClick();
    Atalho(janela.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(aberturasImpressao, 1);

    Atalho(janela.get(), Qt::Key_F1, Qt::NoModifier);
    ASSERT_EQ(dominio->abridor.abertos.size(), 1u);
    EXPECT_TRUE(dominio->abridor.abertos[0].toString().endsWith(QStringLiteral("index.html")));

    {
        CaixasRegistradas caixas(false);  // "No": the window stays
        Atalho(janela.get(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_EQ(caixas.Pedidos().size(), 1u);
        EXPECT_TRUE(janela->isVisible());
    }
}

TEST_F(TecladoJanelaPrincipal, AFocusedPictureButtonShowsARing) {
    janela->btnAdicionar->setFocus();
    QApplication::processEvents();
    const QImage comFoco = janela->btnAdicionar->grab().toImage();
    janela->editNomeAcorde->setFocus();
    QApplication::processEvents();
    const QImage semFoco = janela->btnAdicionar->grab().toImage();
    EXPECT_NE(comFoco.pixel(0, 0), semFoco.pixel(0, 0));
    // The middle (the caption) is left as it is.
    EXPECT_EQ(comFoco.pixel(comFoco.width() / 2, comFoco.height() / 2),
              semFoco.pixel(semFoco.width() / 2, semFoco.height() / 2));
}

// Names, roles and the keys' text, as a screen reader gets them through Qt, in both languages.
struct CasoIdioma {
    const char* idioma;
    const char* adicionar;
    const char* ouvir;
    const char* lista;
    const char* teclado;
    const char* vazio;
};

class NomesAcessiveis : public TecladoJanelaPrincipal,
                        public ::testing::WithParamInterface<CasoIdioma> {
  protected:
    void SetUp() override { Abrir(GetParam().idioma); }
};

TEST_P(NomesAcessiveis, EveryControlIsNamedAndTheKeysSayWhatTheyShow) {
    const CasoIdioma& caso = GetParam();
    for (QWidget* w : janela->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(janela.get()) ||
            w->focusProxy() != nullptr)
            continue;
        if (w->parentWidget() && qobject_cast<QComboBox*>(w->parentWidget()))
            continue;  // the list's own parts
        EXPECT_FALSE(NomeAcessivel(w).isEmpty()) << Nome(w);
        EXPECT_FALSE(w->accessibleDescription().isEmpty() && w->toolTip().isEmpty()) << Nome(w);
    }
    QAccessibleInterface* adicionar = QAccessible::queryAccessibleInterface(janela->btnAdicionar);
    ASSERT_NE(adicionar, nullptr);
    EXPECT_EQ(adicionar->role(), QAccessible::Button);
    EXPECT_EQ(adicionar->text(QAccessible::Name), QString::fromUtf8(caso.adicionar));
    EXPECT_TRUE(adicionar->state().focusable);
    EXPECT_EQ(NomeAcessivel(janela->btnOuvirAcorde), QString::fromUtf8(caso.ouvir));
    EXPECT_EQ(NomeAcessivel(janela->listaImpressao), QString::fromUtf8(caso.lista));
    EXPECT_EQ(NomeAcessivel(janela->imgTeclado), QString::fromUtf8(caso.teclado));

    // The press action is a click.
    Digitar(QStringLiteral("C7"));
    adicionar->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(janela->listaImpressao->count(), 1);

    EXPECT_TRUE(Descricao().startsWith(QStringLiteral("C7, "))) << Descricao().toStdString();
    janela->editNomeAcorde->setText(
        QStringLiteral("Cmaja"));  // no chord: the notice, the keys cleared
    {
        CaixasRegistradas caixas;
        QTimer::singleShot(0, [] {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
        });
        QTest::keyClick(janela->editNomeAcorde, Qt::Key_Return);
    }
    EXPECT_EQ(Descricao(), QString::fromUtf8(caso.vazio));
    // Another label choice draws the kept chord again, and says it again.
    janela->comboModoVisualizacao->setCurrentIndex(1);
    EXPECT_TRUE(Descricao().startsWith(QStringLiteral("C7, "))) << Descricao().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Idiomas, NomesAcessiveis,
                         ::testing::Values(CasoIdioma{"English", "Add", "Listen", "Print list",
                                                      "Keyboard", "No chord shown"},
                                           CasoIdioma{"Português", "Adicionar", "Ouvir",
                                                      "Lista de impressão", "Teclado",
                                                      "Nenhum acorde exibido"}));

TEST_F(TecladoJanelaPrincipal, TheKeysTextFollowsThePositionAndTheLabelChoice) {
    Abrir("English");
    Digitar(QStringLiteral("C"));
    // The first position nearest the centre: G C E, lowest key first, each with its finger.
    EXPECT_EQ(Descricao(), QStringLiteral("C, position 1 of 3: G C E, fingers 5 2 1"));
    janela->comboModoVisualizacao->setCurrentIndex(2);
    EXPECT_EQ(Descricao(), QStringLiteral("C, position 1 of 3: G C E, intervals 5 T 3M"));
    janela->comboModoVisualizacao->setCurrentIndex(1);  // the notes are said anyway: nothing more
    EXPECT_EQ(Descricao(), QStringLiteral("C, position 1 of 3: G C E"));

    janela->btnProximoClick();
    EXPECT_TRUE(Descricao().startsWith(QStringLiteral("C, position 2 of 3: ")))
        << Descricao().toStdString();
    janela->comboModoVisualizacao->setCurrentIndex(-1);  // no label chosen: the notes only
    EXPECT_FALSE(Descricao().contains(QStringLiteral("fingers")));
}

// The other windows, made by start-up as the user meets them, driven by keys.
class TecladoOutrasJanelas : public ::testing::Test {
  protected:
    void Com(const std::function<void(JanelasAplicacao&)>& corpo,
             const std::string& idioma = "English") {
        instalacao.EscreverConfiguracao("[geral]\nidioma=" + idioma + "\nplacaSom=0\n");
        idiomas = std::make_unique<GerenciadorIdiomas>(
            instalacao.Pasta(), std::make_unique<TformListaIdiomas>(Caixas()));
        AmbienteInicializacao a;
        a.pasta = instalacao.Pasta();
        a.configuracao = instalacao.Configuracao();
        a.idiomas = idiomas.get();
        a.mensagens = &Caixas();
        a.abridor = &abridor;
        a.porta = &PortaDeTeste();
        a.esperaSplashMs = 0;
        a.emVezDoLaco = [&](JanelasAplicacao& j) {
            j.principal->show();
            j.principal->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(j.principal.get()));
            corpo(j);
            CaixasRegistradas sair(true);
            j.principal->close();
        };
        EXPECT_EQ(ExecutarAplicacao(*static_cast<AplicacaoTastavo*>(qApp), a), 0);
    }

    Instalacao instalacao;
    std::unique_ptr<GerenciadorIdiomas> idiomas;
    AbridorDeTeste abridor;
};

TEST_F(TecladoOutrasJanelas, TheChartWindowByKeys) {
    Com([this](JanelasAplicacao& j) {
        Atalho(j.principal.get(), Qt::Key_I, Qt::ControlModifier);
        ASSERT_TRUE(j.cifra);
        TformImportarCifra& cifra = *j.cifra;
        ASSERT_TRUE(cifra.isVisible());
        ASSERT_TRUE(Ativar(&cifra));
        cifra.memoTextoCifra->setFocus();
        cifra.memoTextoCifra->setPlainText(QStringLiteral("C G Am F"));

        // Tab leaves the text box (no tab typed) and walks the buttons.
        std::vector<std::string> visitados;
        for (int i = 0; i < 9; ++i) {
            visitados.push_back(Nome(Foco()));
            Tecla(Qt::Key_Tab);
        }
        EXPECT_EQ(visitados,
                  (std::vector<std::string>{"memoTextoCifra", "btnColar", "btnTransporAcima",
                                            "btnTransporAbaixo", "btnImportarCifra", "btnImprimir",
                                            "btnAjuda", "btnMinimizar", "btnFechar"}));
        EXPECT_EQ(cifra.memoTextoCifra->toPlainText(), QStringLiteral("C G Am F"));

        cifra.btnTransporAcima->setFocus();
        Tecla(Qt::Key_Space);
        EXPECT_EQ(cifra.memoTextoCifra->toPlainText(), QStringLiteral("C# G# A#m F#"));
        cifra.btnTransporAbaixo->setFocus();
        Tecla(Qt::Key_Return);
        EXPECT_EQ(cifra.memoTextoCifra->toPlainText(), QStringLiteral("C G Am F"));

        cifra.btnImportarCifra->setFocus();
        Tecla(Qt::Key_Space);
        EXPECT_EQ(j.principal->listaImpressao->count(), 4);
        EXPECT_FALSE(cifra.isVisible());  // sending closes the window, as a click does

        // Ctrl+P prints the chart: the print options open in chart mode.
        ASSERT_TRUE(Ativar(j.principal.get()));
        Atalho(j.principal.get(), Qt::Key_I, Qt::ControlModifier);
        ASSERT_TRUE(cifra.isVisible());
        ASSERT_TRUE(Ativar(&cifra));
        bool opcoesAbertas = false;
        QTimer::singleShot(0, [&] {
            auto* opcoes = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (opcoes) Ativar(opcoes);
            opcoesAbertas = opcoes == j.opcoesImpressao.get() &&
                            j.opcoesImpressao->comboOpcoesImpressao->isEnabled();
            Tecla(Qt::Key_Escape);
        });
        Atalho(&cifra, Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(opcoesAbertas);

        ASSERT_TRUE(Ativar(&cifra));
        Atalho(&cifra, Qt::Key_F1, Qt::NoModifier);
        ASSERT_FALSE(abridor.abertos.empty());
        EXPECT_TRUE(abridor.abertos.back().toString().contains(QStringLiteral("#import-chart")));

        ASSERT_TRUE(Ativar(&cifra));
        cifra.btnAjuda->setFocus();
        Tecla(Qt::Key_Escape);  // Esc on a button reaches the window: it closes
        EXPECT_FALSE(cifra.isVisible());
    });
}

TEST_F(TecladoOutrasJanelas, PrintingByKeysFromTheMainWindowToThePreviewAndBack) {
    Com([](JanelasAplicacao& j) {
        TformPrincipal& p = *j.principal;
        p.editNomeAcorde->setFocus();
        p.editNomeAcorde->selectAll();
        QTest::keyClicks(p.editNomeAcorde, QStringLiteral("Dm7"));
        QTest::keyClick(p.editNomeAcorde, Qt::Key_Return);
        p.btnAdicionar->setFocus();
        Tecla(Qt::Key_Space);
        ASSERT_EQ(p.listaImpressao->count(), 1);

        std::vector<std::string> ordemOpcoes, ordemPrevia;
        bool modo1, explicacaoApagada = false, previaCentrada = false, previaFechada = false;
        QTimer::singleShot(0, [&] {
            TformImpressao& opcoes = j.OpcoesImpressao();
            Ativar(&opcoes);
            modo1 = !opcoes.comboOpcoesImpressao->isEnabled();
            explicacaoApagada = opcoes.lblExplicacaoConteudo->palette().color(
                                    QPalette::Disabled, QPalette::WindowText) !=
                                opcoes.lblExplicacaoConteudo->palette().color(QPalette::Active,
                                                                              QPalette::WindowText);
            for (int i = 0; i < 4; ++i) {
                ordemOpcoes.push_back(Nome(Foco()));
                Tecla(Qt::Key_Tab);
            }
            opcoes.btnVisualizarImpressao->setFocus();
            QTimer::singleShot(0, [&] {
                TformVisualizarImpressao& previa = j.VisualizarImpressao();
                Ativar(&previa);
                const QRect tela = previa.screen()->availableGeometry();
                previaCentrada =
                    (previa.geometry().center() - tela.center()).manhattanLength() <= 2;
                for (int i = 0; i < 4; ++i) {
                    ordemPrevia.push_back(Nome(Foco()));
                    Tecla(Qt::Key_Tab);
                }
                Tecla(Qt::Key_Escape);
                previaFechada = !previa.isVisible();
                Ativar(&j.OpcoesImpressao());
                Tecla(Qt::Key_Escape);  // and the options too
            });
            Tecla(Qt::Key_Return);
        });
        Atalho(&p, Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(modo1);
        EXPECT_TRUE(explicacaoApagada);
        EXPECT_EQ(ordemOpcoes, (std::vector<std::string>{"comboRotulo", "btnVisualizarImpressao",
                                                         "btnImprimir", "btnFechar"}));
        // One page: the page number is disabled and Tab passes it by.
        EXPECT_EQ(ordemPrevia, (std::vector<std::string>{"btnImprimir", "comboZoom", "btnFechar",
                                                         "scrollVisualiza"}));
        EXPECT_TRUE(previaCentrada);
        EXPECT_TRUE(previaFechada);
        EXPECT_FALSE(j.opcoesImpressao->isVisible());
    });
}

}  // namespace
