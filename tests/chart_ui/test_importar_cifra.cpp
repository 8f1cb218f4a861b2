// SPDX-License-Identifier: GPL-3.0-or-later
// The chord chart window as a player drives it, offscreen: real language files and pictures,
// the real clipboard, the real main window's print list behind it, real mouse and key events.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <fstream>

#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "ArquivoConfiguracao.h"
#include "EscolhasTextoCifra.h"
#include "Inicializacao.h"
#include "TformAviso.h"
#include "TformImportarCifra.h"
#include "TformPrincipal.h"

namespace {

const QPoint Meio(5, 5);

class ImportarCifra : public ::testing::Test {
  protected:
    void SetUp() override { Abrir("Português"); }

    void TearDown() override {
        cifra.reset();
        principal.reset();
    }

    void Abrir(const std::string& idioma) {
        cifra.reset();
        principal.reset();
        dominio = std::make_unique<Dominio>(instalacao, idioma);
        principal = std::make_unique<TformPrincipal>(DependenciasDaJanela(*dominio, instalacao));
        TformPrincipal* p = principal.get();
        AcoesListaImpressao lista{
            [p](const std::string& c, bool repetir) { p->AdicionarAcordeImpressao(c, repetir); },
            [p] { p->LimparListaImpressao(); }};
        cifra = std::make_unique<TformImportarCifra>(*dominio->idiomas, Caixas(), *abridor,
                                                     std::move(lista), p);
        cifra->abrirImpressao = [this] {
            ++vezesImpressao;
            listaAoImprimir = ListaImpressao();
        };
        principal->show();
        cifra->Exibir();
    }

    std::vector<std::string> ListaImpressao() const {
        std::vector<std::string> linhas;
        for (int i = 0; i < principal->listaImpressao->count(); ++i)
            linhas.push_back(principal->listaImpressao->item(i)->text().toStdString());
        return linhas;
    }

    void Escrever(const QString& texto) { cifra->memoTextoCifra->setPlainText(texto); }
    // The text as it stands (the plain-text view would show no-break spaces as spaces).
    QString TextoMemo() const {
        return cifra->memoTextoCifra->document()->toRawText().replace(QChar::ParagraphSeparator,
                                                                      QLatin1Char('\n'));
    }
    static void Clicar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, Meio); }
    // What the toolkit delivers for a double click: press, release, double click, release.
    static void ClicarDuasVezes(QWidget* w) {
        QTest::mousePress(w, Qt::LeftButton, {}, Meio);
        QTest::mouseRelease(w, Qt::LeftButton, {}, Meio);
        QTest::mouseDClick(w, Qt::LeftButton, {}, Meio);
        QTest::mouseRelease(w, Qt::LeftButton, {}, Meio);
    }

    Instalacao instalacao;
    std::unique_ptr<Dominio> dominio;
    std::unique_ptr<AbridorDeTeste> abridorProprio = std::make_unique<AbridorDeTeste>();
    AbridorDesktop* abridor = abridorProprio.get();
    std::unique_ptr<TformPrincipal> principal;
    std::unique_ptr<TformImportarCifra> cifra;
    int vezesImpressao = 0;
    std::vector<std::string> listaAoImprimir;
};

TEST_F(ImportarCifra, TheWindowHasTheDesignsControlsTextsAndPictures) {
    EXPECT_EQ(cifra->size(), QSize(472, 456));
    EXPECT_TRUE(cifra->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(cifra->parentWidget(), principal.get());
    EXPECT_EQ(cifra->windowTitle(), QStringLiteral("Importar Cifra"));
    struct Controle {
        QWidget* w;
        QRect lugar;
    };
    const Controle controles[] = {
        {cifra->memoTextoCifra, {17, 51, 434, 316}},
        {cifra->btnColar, {17, 21, 24, 24}},
        {cifra->btnAjuda, {376, 10, 24, 24}},
        {cifra->btnMinimizar, {408, 10, 24, 24}},
        {cifra->btnFechar, {439, 10, 24, 24}},
        {cifra->imgMudarTom, {23, 380, 186, 17}},
        {cifra->btnTransporAcima, {30, 401, 20, 18}},
        {cifra->lblSemitomAcima, {57, 402, 80, 16}},
        {cifra->btnTransporAbaixo, {30, 422, 20, 18}},
        {cifra->lblSemitomAbaixo, {57, 423, 80, 16}},
        {cifra->btnImportarCifra, {331, 389, 120, 20}},
        {cifra->btnImprimir, {362, 417, 89, 20}},
        {cifra->imgFundo, {0, 0, 472, 456}},
    };
    for (const Controle& c : controles) {
        EXPECT_EQ(c.w->geometry(), c.lugar) << c.w->objectName().toStdString();
        // Every picture is there, at the size of its control.
        if (auto* figura = qobject_cast<QLabel*>(c.w); figura && figura->text().isEmpty()) {
            EXPECT_EQ(figura->pixmap().size(), c.lugar.size()) << c.w->objectName().toStdString();
        }
    }
    const std::pair<BotaoFiguraQt*, int> tags[] = {
        {cifra->btnAjuda, 0},         {cifra->btnImportarCifra, 2},  {cifra->btnImprimir, 4},
        {cifra->btnTransporAcima, 6}, {cifra->btnTransporAbaixo, 8}, {cifra->btnFechar, 10},
        {cifra->btnMinimizar, 12},    {cifra->btnColar, 14},
    };
    for (const auto& [botao, tag] : tags) {
        EXPECT_EQ(botao->Tag(), tag) << botao->objectName().toStdString();
        EXPECT_EQ(botao->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(botao->toolTip().isEmpty()) << botao->objectName().toStdString();
    }
    EXPECT_EQ(cifra->lblSemitomAcima->text(), QStringLiteral("+1 Semitom"));
    EXPECT_EQ(cifra->lblSemitomAbaixo->text(), QStringLiteral("-1 Semitom"));
    EXPECT_EQ(cifra->lblSemitomAcima->toolTip(), cifra->btnTransporAcima->toolTip());
    EXPECT_EQ(cifra->btnFechar->toolTip(), QStringLiteral("Fecha a janela"));
    EXPECT_EQ(TextoMemo(), QStringLiteral("\n- Digite ou cole aqui a música cifrada desejada\n\n"
                                          "- Clique em Imprimir para imprimir a cifra \n"
                                          "  digitada juntamente com a grade de acordes\n\n"
                                          "- Clique em +1 Semitom ou -1 Semitom para \n"
                                          "  transpor todos os acordes da cifra digitada"));
    // "Courier New" or its metric-compatible stand-in: a monospace face.
    EXPECT_TRUE(QFontInfo(cifra->memoTextoCifra->font()).fixedPitch());
    EXPECT_EQ(cifra->memoTextoCifra->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(ImportarCifra, AnotherLanguagesTextsFitTheirLabels) {
    Abrir("English");
    EXPECT_EQ(cifra->windowTitle(), QStringLiteral("Import Chart"));
    for (QLabel* rotulo : {cifra->lblSemitomAcima, cifra->lblSemitomAbaixo}) {
        EXPECT_TRUE(rotulo->text().endsWith(QStringLiteral(" Semitone")));
        EXPECT_LE(QFontMetrics(rotulo->font()).horizontalAdvance(rotulo->text()), rotulo->width());
    }
    EXPECT_TRUE(TextoMemo().contains(QStringLiteral("Type or paste")));
}

TEST_F(ImportarCifra, PasteReplacesTheTextWithTheClipboardsOneLineForEachLine) {
    Escrever(QStringLiteral("texto antigo"));
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Tom: G\r\nHoje [Am]eu vou\r\nfim\rúltima"));
    Clicar(cifra->btnColar);
    EXPECT_EQ(TextoMemo(), QStringLiteral("Tom: G\nHoje [Am]eu vou\nfim\núltima"));
    // Ctrl+V in the text box goes the same way, at the caret.
    QGuiApplication::clipboard()->setText(QStringLiteral("\r\nC"));
    cifra->memoTextoCifra->moveCursor(QTextCursor::End);
    QTest::keyClick(cifra->memoTextoCifra, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cifra->ObterTextoCifra(), "Tom: G\nHoje [Am]eu vou\nfim\núltima\nC\n");
}

TEST_F(ImportarCifra, SendAppendsEveryOccurrenceAndClosesPrintReplacesWithFirstOccurrences) {
    principal->AdicionarAcordeImpressao("C", true);
    Escrever(
        QStringLiteral("Intro: Am  F  Am\nHoje [Am]eu vou [Xyz]cantar [H7] [] [C G] [Cb] [E#m]\n"));
    Clicar(cifra->btnImportarCifra);  // what is no chord is skipped without a message
    EXPECT_EQ(ListaImpressao(), (std::vector<std::string>{"C", "Am", "F", "Am", "Am"}));
    EXPECT_EQ(principal->CopiarListaImpressao().Quantidade(), 5);
    EXPECT_FALSE(cifra->isVisible());
    EXPECT_EQ(vezesImpressao, 0);

    cifra->Exibir();
    Clicar(cifra->btnImprimir);
    EXPECT_EQ(ListaImpressao(), (std::vector<std::string>{"Am", "F"}));
    EXPECT_EQ(principal->CopiarListaImpressao().Quantidade(), 2);
    // The print options open once the list is ready, and the window stays.
    EXPECT_EQ(vezesImpressao, 1);
    EXPECT_EQ(listaAoImprimir, ListaImpressao());
    EXPECT_TRUE(cifra->isVisible());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(ImportarCifra, TheDesignInstructionsCollectNothing) {
    for (const char* idioma : {"Português", "English"}) {
        Abrir(idioma);
        vezesImpressao = 0;
        principal->AdicionarAcordeImpressao("C", true);
        Clicar(cifra->btnImprimir);
        EXPECT_TRUE(ListaImpressao().empty()) << idioma;
        EXPECT_EQ(vezesImpressao, 1);
        Clicar(cifra->btnImportarCifra);
        EXPECT_TRUE(ListaImpressao().empty()) << idioma;
    }
}

TEST_F(ImportarCifra, UnsetPrintOptionsLeaveTheFilledListOnly) {
    cifra->abrirImpressao = nullptr;
    Escrever(QStringLiteral("G D"));
    Clicar(cifra->btnImprimir);
    EXPECT_EQ(ListaImpressao(), (std::vector<std::string>{"G", "D"}));
    EXPECT_TRUE(cifra->isVisible());
}

TEST_F(ImportarCifra, ClicksTransposeBySemitoneAndADoubleClickTwice) {
    struct Caso {
        const char* nome;
        QWidget* alvo;
        bool duplo;
        QString antes, depois;
    };
    const Caso casos[] = {
        {"button up, double", cifra->btnTransporAcima, true, "C G\nHoje [Am]eu vou",
         "D A\nHoje [Bm]eu vou"},
        {"label up, double", cifra->lblSemitomAcima, true, "C G\nHoje [Am]eu vou",
         "D A\nHoje [Bm]eu vou"},
        {"button down, double", cifra->btnTransporAbaixo, true, "D A\n[Bm]eu", "C G\n[Am]eu"},
        {"label down, double", cifra->lblSemitomAbaixo, true, "D A\n[Bm]eu", "C G\n[Am]eu"},
        {"button up, single", cifra->btnTransporAcima, false, "E B", "F C"},
        {"label down, single", cifra->lblSemitomAbaixo, false, "F C", "E B"},
    };
    for (const Caso& c : casos) {
        Escrever(c.antes);
        if (c.duplo)
            ClicarDuasVezes(c.alvo);
        else
            Clicar(c.alvo);
        EXPECT_EQ(TextoMemo(), c.depois) << c.nome;
    }
    // The buttons leave the settings as they set them.
    EXPECT_EQ(cifra->numSemitons, "1");
    EXPECT_TRUE(cifra->opcaoAbaixo);
    EXPECT_FALSE(cifra->opcaoAcima);
}

TEST_F(ImportarCifra, TransposeReadsTheSemitoneTextAndDirection) {
    struct Caso {
        const char* semitons;
        bool acima;
        QString depois;
    };
    const Caso casos[] = {
        {"5", true, "F\n[Dm]la"}, {"5", false, "G\n[Em]la"}, {"x", true, "C\n[Am]la"}};
    for (const Caso& c : casos) {
        Escrever(QStringLiteral("C\n[Am]la"));
        cifra->numSemitons = c.semitons;
        cifra->opcaoAcima = c.acima;
        cifra->opcaoAbaixo = !c.acima;
        cifra->transporClick();
        EXPECT_EQ(TextoMemo(), c.depois) << c.semitons << " " << c.acima;
    }
}

TEST_F(ImportarCifra, TheChartTextIsEveryLineWithALineFeed) {
    const std::pair<QString, std::string> casos[] = {
        {"C G\nHoje eu vou", "C G\nHoje eu vou\n"},
        {"C G\nHoje eu vou\n", "C G\nHoje eu vou\n"},
        {"C G\n\nHoje eu vou\n\n", "C G\n\nHoje eu vou\n\n"},
        {"", ""},
        {"\n", "\n"},
    };
    for (const auto& [texto, esperado] : casos) {
        Escrever(texto);
        EXPECT_EQ(cifra->ObterTextoCifra(), esperado) << texto.toStdString();
    }
}

TEST_F(ImportarCifra, LyricsInAnyScriptSurviveTwelveStepsUpAndDown) {
    const QString cancao = QStringLiteral(
        "Tom: C\n"
        "C          G        Am     F\n"
        "Катюша выходила на берег 🎵\n"
        "[C]夜空ノ[G]ムコウ\u00a0に [Am]😀 [F]星\n"
        "  Am   F   \n"
        "\n"
        "G\tC\n"
        "👨‍👩‍👧 [F]fim\n");
    Escrever(cancao);
    for (int i = 0; i < 12; ++i) {
        Clicar(cifra->btnTransporAcima);
        const QStringList linhas = TextoMemo().split(QLatin1Char('\n'));
        EXPECT_EQ(linhas[2], QStringLiteral("Катюша выходила на берег 🎵")) << i;
    }
    EXPECT_EQ(TextoMemo(), cancao);  // twelve semitones up name every natural note again
    for (int i = 0; i < 12; ++i) Clicar(cifra->btnTransporAbaixo);
    EXPECT_EQ(TextoMemo(), cancao);
    EXPECT_EQ(cifra->ObterTextoCifra(), cancao.toStdString());
}

TEST_F(ImportarCifra, TransposingKeepsTheCaretTheSelectionAndTheScrolledPlace) {
    QString cancao;
    for (int i = 0; i < 200; ++i)
        cancao += QStringLiteral("C   Am   F   G\nletra da linha %1\n").arg(i);
    Escrever(cancao);
    QTextCursor cursor(cifra->memoTextoCifra->document()->findBlockByNumber(301));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 5);
    cifra->memoTextoCifra->setTextCursor(cursor);
    QScrollBar* barra = cifra->memoTextoCifra->verticalScrollBar();
    barra->setValue(barra->maximum() / 2);
    const int rolagem = barra->value();
    ASSERT_GT(rolagem, 0);

    Clicar(cifra->btnTransporAcima);
    EXPECT_TRUE(TextoMemo().startsWith(QStringLiteral("C#   A#m   F#   G#\n")));
    const QTextCursor depois = cifra->memoTextoCifra->textCursor();
    EXPECT_EQ(depois.block().blockNumber(), 301);
    EXPECT_EQ(depois.selectedText(), QStringLiteral("ra da"));
    EXPECT_EQ(barra->value(), rolagem);
    // Undo takes the whole transposition back at once.
    cifra->memoTextoCifra->undo();
    EXPECT_EQ(TextoMemo(), cancao);
}

TEST_F(ImportarCifra, EscClosesTheWindowButNotFromTheTextBox) {
    cifra->memoTextoCifra->setFocus();
    QTest::keyClick(cifra->memoTextoCifra, Qt::Key_Escape);
    EXPECT_TRUE(cifra->isVisible());
    QTest::keyClick(cifra.get(), Qt::Key_Escape);
    EXPECT_FALSE(cifra->isVisible());
    EXPECT_TRUE(principal->isVisible());
}

TEST_F(ImportarCifra, PressedLooksFollowAnyHeldMouseButton) {
    struct Caso {
        QWidget* alvo;
        BotaoFiguraQt* botao;
    };
    const Caso casos[] = {
        {cifra->btnAjuda, cifra->btnAjuda},
        {cifra->btnImportarCifra, cifra->btnImportarCifra},
        {cifra->btnImprimir, cifra->btnImprimir},
        {cifra->btnTransporAcima, cifra->btnTransporAcima},
        {cifra->btnTransporAbaixo, cifra->btnTransporAbaixo},
        {cifra->btnFechar, cifra->btnFechar},
        {cifra->btnMinimizar, cifra->btnMinimizar},
        {cifra->btnColar, cifra->btnColar},
        {cifra->lblSemitomAcima, cifra->btnTransporAcima},
        {cifra->lblSemitomAbaixo, cifra->btnTransporAbaixo},
    };
    const auto& figuras = cifra->imagensBotoes;
    ASSERT_EQ(figuras.size(), 16u);
    for (const Caso& c : casos) {
        const std::string nome = c.alvo->objectName().toStdString();
        const std::size_t tag = static_cast<std::size_t>(c.botao->Tag());
        ASSERT_FALSE(figuras[tag].isNull()) << nome;
        EXPECT_EQ(figuras[tag + 1].size(), c.botao->size()) << nome;
        EXPECT_NE(figuras[tag].toImage(), figuras[tag + 1].toImage()) << nome;
        // The right button shows the look without acting (no paste, help, close).
        QTest::mousePress(c.alvo, Qt::RightButton, {}, Meio);
        EXPECT_EQ(c.botao->pixmap().cacheKey(), figuras[tag + 1].cacheKey()) << nome;
        QTest::mouseRelease(c.alvo, Qt::RightButton, {}, Meio);
        EXPECT_EQ(c.botao->pixmap().cacheKey(), figuras[tag].cacheKey()) << nome;
    }
    EXPECT_TRUE(cifra->isVisible());
    EXPECT_EQ(vezesImpressao, 0);
}

TEST_F(ImportarCifra, HelpOpensTheChartTopicOfTheHelpPage) {
    auto* desktop = static_cast<AbridorDeTeste*>(abridor);
    Clicar(cifra->btnAjuda);
    ASSERT_EQ(desktop->abertos.size(), 1u);
    const QUrl url = desktop->abertos[0];
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile().toStdString(),
              (instalacao.Pasta() / "help/pt/index.html").string());
    EXPECT_EQ(url.fragment(), QStringLiteral("importar-cifra"));
    EXPECT_TRUE(cifra->isVisible());
}

TEST_F(ImportarCifra, WithoutTheHelpFileTheHelpMessageAndNothingOpens) {
    instalacao.TrocarValor("caminhoAjuda", "help/pt/sumiu.html");
    Abrir("Português");
    CaixasRegistradas caixas;
    Clicar(cifra->btnAjuda);
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto,
              dominio->idiomas->ObterTexto("geral", "erroEncontrarAjuda"));
    EXPECT_EQ(caixas.Pedidos()[0].titulo, "Corvela Tastavo");
    EXPECT_TRUE(static_cast<AbridorDeTeste*>(abridor)->abertos.empty());
    EXPECT_TRUE(cifra->isVisible());
}

TEST_F(ImportarCifra, ADesktopThatFailsGivesTheBrowserMessage) {
    struct AbridorQuebrado : AbridorDesktop {
        bool Abrir(const QUrl&) override { throw std::runtime_error("no desktop"); }
    } quebrado;
    abridor = &quebrado;
    Abrir("Português");
    CaixasRegistradas caixas;
    Clicar(cifra->btnAjuda);
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto,
              dominio->idiomas->ObterTexto("geral", "erroAbrirNavegador"));
    cifra.reset();
}

TEST_F(ImportarCifra, OnlyTheBackgroundDragsTheWindow) {
    // Offscreen there is no window manager, so the window follows the pointer by hand.
    struct Caso {
        const char* onde;
        QWidget* alvo;
        QPoint inicio;
        bool move;
    };
    const Caso casos[] = {
        {"background", cifra.get(), QPoint(300, 400), true},
        {"title", cifra.get(), QPoint(120, 30), true},
        {"caption picture", cifra->imgMudarTom, QPoint(100, 8), false},
        {"text box", cifra->memoTextoCifra->viewport(), QPoint(100, 100), false},
    };
    for (const Caso& c : casos) {
        const QPoint antes = cifra->pos();
        QTest::mousePress(c.alvo, Qt::LeftButton, {}, c.inicio);
        QTest::mouseMove(c.alvo, c.inicio + QPoint(40, 25));
        QTest::mouseRelease(c.alvo, Qt::LeftButton, {}, c.inicio + QPoint(40, 25));
        EXPECT_EQ(cifra->pos() != antes, c.move) << c.onde;
        cifra->move(antes);
    }
}

TEST_F(ImportarCifra, CloseHidesMinimiseMinimisesTheApplicationAndTheTextStays) {
    Escrever(QStringLiteral("Am F"));
    Clicar(cifra->btnMinimizar);
    EXPECT_TRUE(cifra->isMinimized());
    EXPECT_TRUE(principal->isMinimized());
    principal->showNormal();
    cifra->Exibir();
    EXPECT_FALSE(cifra->isMinimized());
    Clicar(cifra->btnFechar);
    EXPECT_FALSE(cifra->isVisible());
    principal->move(100, 80);
    cifra->Exibir();
    EXPECT_TRUE(cifra->isVisible());
    EXPECT_EQ(cifra->geometry().center(), principal->geometry().center());
    EXPECT_EQ(TextoMemo(), QStringLiteral("Am F"));
}

// Start-up makes the window once, after the notice, and the main window's chart button shows it.
TEST_F(ImportarCifra, LinesLeftAsLyricsAreMarkedAfterAPasteOrATransposition) {
    QGuiApplication::clipboard()->setText(
        QStringLiteral("C G Am blah\r(D6 D6/A) Em\rHoje eu vou\rG D foo\r"));
    Clicar(cifra->btnColar);
    const auto marcadas = [this] {
        std::vector<int> linhas;
        for (const QTextEdit::ExtraSelection& m : cifra->memoTextoCifra->extraSelections())
            linhas.push_back(m.cursor.blockNumber());
        return linhas;
    };
    EXPECT_EQ(marcadas(), (std::vector<int>{0, 3}));
    EXPECT_EQ(TextoMemo(), "C G Am blah\n(D6 D6/A) Em\nHoje eu vou\nG D foo\n") << "the text stays";
    const QTextDocument& documento = *cifra->memoTextoCifra->document();
    EXPECT_EQ(AvisoDaLinhaMarcada(*cifra->memoTextoCifra, documento.findBlockByNumber(3)),
              "line 4: kept as lyrics: \"foo\" is no chord");
    EXPECT_EQ(AvisoDaLinhaMarcada(*cifra->memoTextoCifra, documento.findBlockByNumber(1)), "");

    // Typed text is marked once it is transposed.
    Escrever(QStringLiteral("Intro: C G\nC G xyz\n"));
    EXPECT_TRUE(marcadas().empty());
    cifra->btnTransporAcimaClick();
    EXPECT_EQ(TextoMemo(), "Intro: C# G#\nC G xyz\n");
    EXPECT_EQ(marcadas(), (std::vector<int>{1}));
}

TEST_F(ImportarCifra, TheContextMenuChoosesColumnsAndSpellingAndTellsOfEachChange) {
    std::vector<OpcoesTransposicao> ouvidas;
    cifra->aoMudarOpcoes = [&](const OpcoesTransposicao& o) { ouvidas.push_back(o); };
    {
        std::unique_ptr<QMenu> menu = cifra->CriarMenuTexto();
        auto* colunas = menu->findChild<QAction*>(QStringLiteral("acaoManterColunas"));
        ASSERT_NE(colunas, nullptr);
        EXPECT_EQ(colunas->text(), "Manter as colunas dos acordes");
        EXPECT_FALSE(colunas->isChecked());
        auto* tom = menu->findChild<QAction*>(QStringLiteral("menuGrafiaTom"));
        ASSERT_NE(tom, nullptr);
        EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("menuGrafiaTabelas"))->isChecked());
        colunas->trigger();
        tom->trigger();
    }
    EXPECT_EQ(ouvidas, (std::vector<OpcoesTransposicao>{{GrafiaTransposicao::Tabelas, true},
                                                        {GrafiaTransposicao::Tom, true}}));
    // A new menu shows the choices; transposing follows them, the key line too.
    std::unique_ptr<QMenu> menu = cifra->CriarMenuTexto();
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("acaoManterColunas"))->isChecked());
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("menuGrafiaTom"))->isChecked());
    Escrever(QStringLiteral("Key: F\nF  Bb  C\n"));
    cifra->btnTransporAcimaClick();
    EXPECT_EQ(TextoMemo(), "Key: Gb\nGb B   Db\n");
}

TEST(InicializacaoCifra, TheChartChoicesAreReadFromAndWrittenToTheConfiguration) {
    Instalacao instalacao;
    instalacao.EscreverConfiguracao(
        "[geral]\nidioma=Português\nplacaSom=0\nmanterColunasCifra=1\ngrafiaCifra=2\n");
    auto idiomas = std::make_unique<GerenciadorIdiomas>(
        instalacao.Pasta(), std::make_unique<TformListaIdiomas>(Caixas()));
    AbridorDeTeste desktop;
    AmbienteInicializacao a;
    a.pasta = instalacao.Pasta();
    a.configuracao = instalacao.Configuracao();
    a.idiomas = idiomas.get();
    a.mensagens = &Caixas();
    a.abridor = &desktop;
    a.porta = &PortaDeTeste();
    a.esperaSplashMs = 0;
    bool percorrido = false;
    a.emVezDoLaco = [&](JanelasAplicacao& j) {
        TformImportarCifra& cifra = j.Cifra();
        EXPECT_EQ(cifra.opcoesTransposicao, (OpcoesTransposicao{GrafiaTransposicao::Bemois, true}));
        std::unique_ptr<QMenu> menu = cifra.CriarMenuTexto();
        menu->findChild<QAction*>(QStringLiteral("menuGrafiaSustenidos"))->trigger();
        EXPECT_EQ(j.principal->Configuracao()->ObterEscolhasCifra(), (EscolhasCifra{true, 1}));
        percorrido = true;
    };
    EXPECT_EQ(ExecutarAplicacao(*static_cast<AplicacaoTastavo*>(qApp), a), 0);
    EXPECT_TRUE(percorrido);
}

TEST(InicializacaoCifra, TheChartButtonShowsTheWindowWithoutBlockingAndItsChordsReachTheList) {
    Instalacao instalacao;
    instalacao.EscreverConfiguracao("[geral]\nidioma=Português\nplacaSom=0\n");
    auto idiomas = std::make_unique<GerenciadorIdiomas>(
        instalacao.Pasta(), std::make_unique<TformListaIdiomas>(Caixas()));
    AbridorDeTeste desktop;
    AmbienteInicializacao a;
    a.pasta = instalacao.Pasta();
    a.configuracao = instalacao.Configuracao();
    a.idiomas = idiomas.get();
    a.mensagens = &Caixas();
    a.abridor = &desktop;
    a.porta = &PortaDeTeste();
    a.esperaSplashMs = 0;
    bool percorrido = false;
    a.emVezDoLaco = [&](JanelasAplicacao& j) {
        TformPrincipal& principal = *j.principal;
        TformImportarCifra& cifra = j.Cifra();
        EXPECT_EQ(cifra.parentWidget(), &principal);
        principal.show();
        EXPECT_FALSE(cifra.isVisible());
        QTest::mouseClick(principal.btnImportarCifra, Qt::LeftButton, {}, Meio);
        EXPECT_TRUE(cifra.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(cifra.geometry().center(), principal.geometry().center());

        // Paste a song, raise it two semitones with a double click, send its chords.
        QGuiApplication::clipboard()->setText(QStringLiteral("C        Am\nHoje eu vou\nDm  G7\n"));
        QTest::mouseClick(cifra.btnColar, Qt::LeftButton, {}, Meio);
        QTest::mousePress(cifra.btnTransporAcima, Qt::LeftButton, {}, Meio);
        QTest::mouseRelease(cifra.btnTransporAcima, Qt::LeftButton, {}, Meio);
        QTest::mouseDClick(cifra.btnTransporAcima, Qt::LeftButton, {}, Meio);
        QTest::mouseRelease(cifra.btnTransporAcima, Qt::LeftButton, {}, Meio);
        EXPECT_EQ(cifra.ObterTextoCifra(), "D        Bm\nHoje eu vou\nEm  A7\n");
        QTest::mouseClick(cifra.btnImportarCifra, Qt::LeftButton, {}, Meio);
        EXPECT_FALSE(cifra.isVisible());
        QStringList lista;
        for (int i = 0; i < principal.listaImpressao->count(); ++i)
            lista << principal.listaImpressao->item(i)->text();
        EXPECT_EQ(lista, (QStringList{"D", "Bm", "Em", "A7"}));

        // Opened again, it holds the song as it was left.
        QTest::mouseClick(principal.btnImportarCifra, Qt::LeftButton, {}, Meio);
        EXPECT_EQ(cifra.ObterTextoCifra(), "D        Bm\nHoje eu vou\nEm  A7\n");
        percorrido = true;
    };
    EXPECT_EQ(ExecutarAplicacao(*static_cast<AplicacaoTastavo*>(qApp), a), 0);
    EXPECT_TRUE(percorrido);
}

}  // namespace
