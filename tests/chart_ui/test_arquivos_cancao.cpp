// SPDX-License-Identifier: GPL-3.0-or-later
// Songs as files in the chord chart window, offscreen over real files in a scratch folder: open
// and save round trips, refusals, the recent songs, drops, the unsaved-changes question, the
// start-up song, and long work with its progress dialog.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "ArquivoConfiguracao.h"
#include "Inicializacao.h"
#include "LeituraArquivo.h"
#include "TformImportarCifra.h"
#include "TformPrincipal.h"
#include "TrabalhoLongo.h"

namespace fs = std::filesystem;
using caixaMensagem::RespostaSalvar;
using caixaMensagem::Tipo;

namespace {

std::string LerBytes(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::ostringstream bytes;
    bytes << arquivo.rdbuf();
    return bytes.str();
}

void EscreverBytes(const fs::path& caminho, std::string_view bytes) {
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << bytes;
}

class ArquivosCancao : public ::testing::Test {
  protected:
    void SetUp() override {
        dominio = std::make_unique<Dominio>(instalacao);
        principal = std::make_unique<TformPrincipal>(DependenciasDaJanela(*dominio, instalacao));
        TformPrincipal* p = principal.get();
        AcoesListaImpressao lista{
            [p](const std::string& c, bool repetir) { p->AdicionarAcordeImpressao(c, repetir); },
            [p] { p->LimparListaImpressao(); }};
        cifra = std::make_unique<TformImportarCifra>(*dominio->idiomas, Caixas(), dominio->abridor,
                                                     std::move(lista), p);
        cifra->DefinirConfiguracao(principal->Configuracao());
        principal->confirmarAlteracoes = [this] { return cifra->ConfirmarSaida(); };
        // The file dialog answers with the next chosen path and records what it was asked.
        cifra->escolherArquivo = [this](bool salvar, const fs::path&) {
            dialogos.push_back(salvar);
            return escolha;
        };
        principal->show();
        cifra->Exibir();
    }

    void TearDown() override {
        cifra.reset();
        principal.reset();
    }

    fs::path Pasta() const { return fs::path(pasta.path().toStdString()); }
    fs::path Arquivo(const std::string& nome, std::string_view bytes) const {
        EscreverBytes(Pasta() / nome, bytes);
        return Pasta() / nome;
    }
    QString TextoMemo() const {
        return cifra->memoTextoCifra->document()->toRawText().replace(QChar::ParagraphSeparator,
                                                                      QLatin1Char('\n'));
    }
    std::vector<QString> Recentes() const {
        std::vector<QString> nomes;
        for (QAction* a : cifra->menuRecentes->actions()) nomes.push_back(a->text());
        return nomes;
    }

    Instalacao instalacao;
    QTemporaryDir pasta;
    std::unique_ptr<Dominio> dominio;
    std::unique_ptr<TformPrincipal> principal;
    std::unique_ptr<TformImportarCifra> cifra;
    fs::path escolha;
    std::vector<bool> dialogos;
};

TEST_F(ArquivosCancao, OpenAndSaveKeepTheLineEndsAndWriteUtf8) {
    struct Caso {
        const char* nome;
        std::string bytes;  // the file as found
        QString texto;      // what the window shows
        std::string salvo;  // the file after transposing up once and saving
    };
    const Caso casos[] = {
        {"lf.txt", "C  G\nHoje eu vou\n", "C  G\nHoje eu vou\n", "C#  G#\nHoje eu vou\n"},
        {"crlf.txt", "C  G\r\nHoje eu vou\r\n", "C  G\nHoje eu vou\n", "C#  G#\r\nHoje eu vou\r\n"},
        {"cr.txt", "Am\rsem fim", "Am\nsem fim", "A#m\rsem fim"},
        // Windows-1252 in, UTF-8 out.
        {"cp1252.txt", "D\r\nCora\xE7\xE3o\r\n", QStringLiteral("D\nCoração\n"),
         "D#\r\nCora\xC3\xA7\xC3\xA3o\r\n"},
        {"bom.cho", "\xEF\xBB\xBF[G]Ol\xC3\xA1\n", QStringLiteral("[G]Olá\n"),
         "\xEF\xBB\xBF[G#]Ol\xC3\xA1\n"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const fs::path arquivo = Arquivo(caso.nome, caso.bytes);
        ASSERT_TRUE(cifra->AbrirArquivo(arquivo));
        EXPECT_EQ(TextoMemo(), caso.texto);
        EXPECT_EQ(cifra->ArquivoAtual(), arquivo);
        EXPECT_FALSE(cifra->AlteracoesPendentes());
        EXPECT_EQ(cifra->windowTitle(),
                  QStringLiteral("Importar Cifra - ") + QString::fromUtf8(caso.nome));

        cifra->btnTransporAcimaClick();
        EXPECT_TRUE(cifra->AlteracoesPendentes());
        EXPECT_TRUE(cifra->windowTitle().endsWith(QStringLiteral(" *")));
        ASSERT_TRUE(cifra->salvarClick());
        EXPECT_EQ(LerBytes(arquivo), caso.salvo);
        EXPECT_FALSE(cifra->AlteracoesPendentes());
        EXPECT_FALSE(cifra->windowTitle().endsWith(QStringLiteral(" *")));
    }
    EXPECT_TRUE(dialogos.empty());  // Save on an opened song asks for no name
}

TEST_F(ArquivosCancao, APastedSongIsSavedAsWithLineFeedsAndSaveFollowsASymbolicLink) {
    QGuiApplication::clipboard()->setText(QStringLiteral("C  G\r\nLetra\r\n"));
    cifra->btnColarClick();
    escolha = Pasta() / "nova.cho";
    ASSERT_TRUE(cifra->salvarClick());
    EXPECT_EQ(dialogos, std::vector<bool>{true});
    EXPECT_EQ(LerBytes(escolha), "C  G\nLetra\n");
    EXPECT_EQ(cifra->ArquivoAtual(), escolha);

    // Saving through a link writes its target and leaves the link a link.
    const fs::path alvo = Arquivo("alvo.txt", "Am\r\n");
    fs::create_symlink(alvo, Pasta() / "ligacao.txt");
    ASSERT_TRUE(cifra->AbrirArquivo(Pasta() / "ligacao.txt"));
    cifra->btnTransporAbaixoClick();
    ASSERT_TRUE(cifra->salvarClick());
    EXPECT_TRUE(fs::is_symlink(Pasta() / "ligacao.txt"));
    EXPECT_EQ(LerBytes(alvo), "Abm\r\n");

    // Save as asks for a name even with a file at hand; a cancelled dialog saves nothing.
    escolha.clear();
    EXPECT_FALSE(cifra->salvarComoClick());
    EXPECT_EQ(dialogos.size(), 2u);
}

TEST_F(ArquivosCancao, ASaveThatFailsSaysWhyAndKeepsTheOldFileAndTheChanges) {
    const fs::path arquivo = Arquivo("cancao.txt", "C\n");
    ASSERT_TRUE(cifra->AbrirArquivo(arquivo));
    cifra->btnTransporAcimaClick();
    // Places that cannot take the song: a folder in the way, a folder that is missing.
    fs::create_directory(Pasta() / "pasta.txt");
    for (const fs::path& destino : {Pasta() / "pasta.txt", Pasta() / "sumida" / "c.txt"}) {
        CaixasRegistradas caixas;
        escolha = destino;
        EXPECT_FALSE(cifra->salvarComoClick());
        ASSERT_EQ(caixas.Pedidos().size(), 1u);
        EXPECT_EQ(caixas.Pedidos()[0].texto.find("Não foi possível salvar a música:\n" +
                                                 destino.string() + "\n\n"),
                  0u);
        EXPECT_TRUE(cifra->AlteracoesPendentes());
        EXPECT_EQ(cifra->ArquivoAtual(), arquivo);
    }
    EXPECT_EQ(LerBytes(arquivo), "C\n");
    // Nothing half-written is left beside the song.
    std::vector<std::string> nomes;
    for (const auto& entrada : fs::directory_iterator(Pasta()))
        nomes.push_back(entrada.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    EXPECT_EQ(nomes, (std::vector<std::string>{"cancao.txt", "pasta.txt"}));
}

TEST_F(ArquivosCancao, AFileThatIsNoSongGivesAMessageAndChangesNothing) {
    cifra->memoTextoCifra->setPlainText(QStringLiteral("Am  F\n"));
    cifra->memoTextoCifra->document()->setModified(false);
    const fs::path grande = Arquivo("grande.txt", "C");
    fs::resize_file(grande, LimiteBytesArquivo + 1);
    const struct {
        fs::path caminho;
        std::string motivo;
    } casos[] = {
        {Pasta(), "É uma pasta, não um arquivo."},
        {grande, "O arquivo passa de 16 MB; uma música é bem menor."},
        {Arquivo("figura.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
         "Não é um arquivo de texto."},
        {Pasta() / "sumiu.txt", "O arquivo não existe ou não pode ser lido."},
    };
    for (const auto& caso : casos) {
        CaixasRegistradas caixas;
        EXPECT_FALSE(cifra->AbrirArquivo(caso.caminho));
        ASSERT_EQ(caixas.Pedidos().size(), 1u);
        EXPECT_EQ(caixas.Pedidos()[0].texto, "Não foi possível abrir a música:\n" +
                                                 caso.caminho.string() + "\n\n" + caso.motivo);
        EXPECT_EQ(TextoMemo(), QStringLiteral("Am  F\n"));
        EXPECT_TRUE(cifra->ArquivoAtual().empty());
    }
}

TEST_F(ArquivosCancao, RecentSongsNewestFirstReopenAndAreWrittenOnLeaving) {
    for (const char* nome : {"um.txt", "dois.cho", "tres.txt", "um.txt"})
        ASSERT_TRUE(cifra->AbrirArquivo(Arquivo(nome, std::string(nome) + "\n")));
    EXPECT_EQ(Recentes(), (std::vector<QString>{"&1 um.txt", "&2 tres.txt", "&3 dois.cho"}));

    cifra->menuRecentes->actions()[2]->trigger();
    EXPECT_EQ(TextoMemo(), QStringLiteral("dois.cho\n"));
    EXPECT_EQ(Recentes().front(), QStringLiteral("&1 dois.cho"));

    // A song that is gone says so and leaves the list.
    fs::remove(Pasta() / "tres.txt");
    {
        CaixasRegistradas caixas;
        cifra->menuRecentes->actions()[2]->trigger();
        EXPECT_EQ(caixas.Pedidos().size(), 1u);
    }
    EXPECT_EQ(Recentes(), (std::vector<QString>{"&1 dois.cho", "&2 um.txt"}));

    // Leaving (no unsaved changes: the usual question, answered Yes) writes them.
    {
        CaixasRegistradas caixas(true);
        EXPECT_TRUE(principal->close());
        ASSERT_EQ(caixas.Pedidos().size(), 1u);
        EXPECT_EQ(caixas.Pedidos()[0].tipo, Tipo::SimNao);
    }
    EXPECT_EQ(
        ArquivoConfiguracao(instalacao.Configuracao()).CancoesRecentes(),
        (std::vector<std::string>{(Pasta() / "dois.cho").string(), (Pasta() / "um.txt").string()}));
}

TEST_F(ArquivosCancao, UnsavedChangesAskBeforeAnotherSongAndBeforeLeaving) {
    const fs::path primeira = Arquivo("primeira.txt", "C\n");
    const fs::path segunda = Arquivo("segunda.txt", "G\n");
    ASSERT_TRUE(cifra->AbrirArquivo(primeira));
    cifra->btnTransporAcimaClick();

    {
        CaixasRegistradas caixas;
        caixas.DefinirRespostaSalvar(RespostaSalvar::Cancelar);
        EXPECT_FALSE(cifra->AbrirArquivo(segunda));
        ASSERT_EQ(caixas.Pedidos().size(), 1u);
        EXPECT_EQ(caixas.Pedidos()[0].tipo, Tipo::SalvarDescartarCancelar);
        EXPECT_EQ(caixas.Pedidos()[0].texto,
                  "A música tem alterações que não foram salvas.\nDeseja salvá-las?");
        EXPECT_EQ(TextoMemo(), QStringLiteral("C#\n"));

        // Leaving: Cancel stays, and the plain leave question is not asked on top.
        EXPECT_FALSE(principal->close());
        EXPECT_EQ(caixas.Pedidos().size(), 2u);
        EXPECT_TRUE(principal->isVisible());

        caixas.DefinirRespostaSalvar(RespostaSalvar::Salvar);
        EXPECT_TRUE(cifra->AbrirArquivo(segunda));
        EXPECT_EQ(LerBytes(primeira), "C#\n");
        EXPECT_EQ(TextoMemo(), QStringLiteral("G\n"));

        cifra->btnTransporAcimaClick();
        caixas.DefinirRespostaSalvar(RespostaSalvar::Descartar);
        EXPECT_TRUE(cifra->AbrirArquivo(primeira));
        EXPECT_EQ(LerBytes(segunda), "G\n");
        EXPECT_EQ(TextoMemo(), QStringLiteral("C#\n"));

        cifra->btnTransporAcimaClick();
        EXPECT_TRUE(principal->close());
        EXPECT_EQ(caixas.Pedidos().size(), 5u);
        EXPECT_EQ(caixas.Pedidos()[4].tipo, Tipo::SalvarDescartarCancelar);
    }
    EXPECT_EQ(LerBytes(primeira), "C#\n");  // discarded on leaving
}

TEST_F(ArquivosCancao, ADroppedFileOpensItsTextNotItsPath) {
    const fs::path arquivo = Arquivo("solta.cho", "{title: Solta}\n[D]Letra\n");
    auto soltar = [&](QWidget* alvo) {
        QMimeData dados;
        dados.setUrls({QUrl::fromLocalFile(QString::fromStdString(arquivo.string()))});
        dados.setText(QString::fromStdString(arquivo.string()));
        QDragEnterEvent entrada(QPoint(20, 20), Qt::CopyAction, &dados, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(alvo, &entrada);
        EXPECT_TRUE(entrada.isAccepted());
        QDropEvent soltura(QPointF(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(alvo, &soltura);
        QCoreApplication::processEvents();
    };
    soltar(cifra->memoTextoCifra->viewport());
    EXPECT_EQ(TextoMemo(), QStringLiteral("{title: Solta}\n[D]Letra\n"));
    EXPECT_EQ(cifra->ArquivoAtual(), arquivo);

    cifra->memoTextoCifra->setPlainText(QStringLiteral("outra"));
    cifra->memoTextoCifra->document()->setModified(false);
    soltar(cifra->imgFundo);
    EXPECT_EQ(TextoMemo(), QStringLiteral("{title: Solta}\n[D]Letra\n"));
}

TEST_F(ArquivosCancao, TheFileCommandsAreInTheContextMenuWithTheirShortcuts) {
    EXPECT_EQ(cifra->acaoAbrir->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(cifra->acaoSalvar->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(cifra->acaoSalvarComo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(cifra->acaoAbrir->text(), QStringLiteral("&Abrir música..."));
    EXPECT_EQ(cifra->menuRecentes->title(), QStringLiteral("Músicas &recentes"));

    // Ctrl+O typed in the text box reaches the window's command.
    cifra->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cifra.get()));
    cifra->memoTextoCifra->setFocus();
    QTest::keyClick(cifra->memoTextoCifra, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogos, std::vector<bool>{false});
    QTest::keyClick(cifra->memoTextoCifra, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogos, (std::vector<bool>{false, true}));

    // The text box's menu starts with them, before its own entries.
    QMenu* menu = nullptr;
    QTimer::singleShot(0, [&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu) {
            const auto acoes = menu->actions();
            EXPECT_EQ(acoes.value(0), cifra->acaoAbrir);
            EXPECT_EQ(acoes.value(1), cifra->acaoSalvar);
            EXPECT_EQ(acoes.value(2), cifra->acaoSalvarComo);
            EXPECT_EQ(acoes.value(3)->menu(), cifra->menuRecentes);
            menu->close();
        }
    });
    QContextMenuEvent pedido(QContextMenuEvent::Mouse, QPoint(10, 10),
                             cifra->memoTextoCifra->viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(cifra->memoTextoCifra->viewport(), &pedido);
    EXPECT_NE(menu, nullptr);
}

// A paste of a few megabytes shows the progress dialog once half a second has gone by; its
// Cancel leaves the text as it was.
TEST_F(ArquivosCancao, ALongPasteShowsProgressAndCancelKeepsTheText) {
    cifra->memoTextoCifra->setPlainText(QStringLiteral("Am  F\nA letra de antes\n"));
    QString grande;
    for (int i = 0; i < 400000; ++i)
        grande += QStringLiteral("C  G  Am  F\nUma letra qualquer aqui %1\n").arg(i);
    QGuiApplication::clipboard()->setText(grande);

    bool visto = false;
    QElapsedTimer relogio;
    qint64 quando = -1;
    QTimer vigia;
    vigia.setInterval(20);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialogo = qobject_cast<QProgressDialog*>(w);
            if (dialogo && dialogo->isVisible() && !visto) {
                visto = true;
                quando = relogio.elapsed();
                EXPECT_EQ(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                         : Qt::ArrowCursor,
                          Qt::BusyCursor);
                dialogo->cancel();
            }
        }
    });
    relogio.start();
    vigia.start();
    cifra->btnColarClick();
    vigia.stop();
    if (!visto)
        GTEST_SKIP() << "this machine pasted it in " << relogio.elapsed()
                     << " ms, too fast to cancel";
    EXPECT_GE(quando, TrabalhoLongo::EsperaDialogoMs - 50);
    EXPECT_EQ(TextoMemo(), QStringLiteral("Am  F\nA letra de antes\n"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// `tastavo FILE`: the chart window opens over the main window with the song.
TEST(InicializacaoCancao, ASongNamedAtStartUpOpensInTheChartWindow) {
    Instalacao instalacao;
    instalacao.EscreverConfiguracao("[geral]\nidioma=Português\nplacaSom=0\n");
    QTemporaryDir pasta;
    const fs::path cancao = fs::path(pasta.path().toStdString()) / "inicial.cho";
    EscreverBytes(cancao, "{title: Inicial}\r\n[C]Letra\r\n");
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
    a.cancao = cancao;
    bool visto = false;
    a.emVezDoLaco = [&](JanelasAplicacao& j) {
        visto = true;
        EXPECT_TRUE(j.cifra->isVisible());
        EXPECT_EQ(j.cifra->ArquivoAtual(), cancao);
        EXPECT_EQ(j.cifra->ObterTextoCifra(), "{title: Inicial}\n[C]Letra\n");
        EXPECT_EQ(j.cifra->windowTitle(), QStringLiteral("Importar Cifra - inicial.cho"));
    };
    EXPECT_EQ(Inicializar(*static_cast<AplicacaoTastavo*>(qApp), a), 0);
    EXPECT_TRUE(visto);
}

}  // namespace
