// SPDX-License-Identifier: GPL-3.0-or-later
// The print windows as a player meets them, through the real start-up: the main window's and
// the chart window's print buttons, the options, the preview with its pages and zoom, and
// printing to a PDF file through Qt's print dialog answered here.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "AplicacaoTastavo.h"
#include "Apoio.h"
#include "GerenciadorImpressao.h"
#include "Inicializacao.h"
#include "Sanitizador.h"
#include "TCorvelaButton3D.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformPrincipal.h"
#include "TformVisualizarImpressao.h"

namespace {

// Runs `acao` with the modal window that comes up next, once it is up.
void QuandoModal(std::function<void(QWidget*)> acao) {
    QTimer::singleShot(0, [acao = std::move(acao)] { acao(QApplication::activeModalWidget()); });
}

void Clicar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, {5, 5}); }

// A chart of `linhas` lines with a few chords.
QString Cifra(int linhas) {
    QString texto = QStringLiteral("C7M        Bb7        A#7\nMinha canção de teste\n");
    for (int i = 2; i < linhas; ++i) texto += QStringLiteral("linha %1 da letra\n").arg(i);
    return texto;
}

// The text of a PDF (pdftotext), or empty.
std::string TextoPdf(const QString& caminho) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {caminho, QStringLiteral("-")});
    if (!p.waitForFinished(20000)) return {};
    return p.readAllStandardOutput().toStdString();
}

// The preview's side of the print manager, watched: the cursor while each page is handed over.
class ExibicaoObservada : public ExibicaoPagina {
  public:
    explicit ExibicaoObservada(ExibicaoPagina& alvo) : alvo_(alvo) {}
    void ExibirPagina(const PaginaImagem& p, int l, int a, int n) override {
        const QCursor* c = QApplication::overrideCursor();
        cursores.push_back(c ? c->shape() : Qt::ArrowCursor);
        alvo_.ExibirPagina(p, l, a, n);
    }
    std::vector<Qt::CursorShape> cursores;

  private:
    ExibicaoPagina& alvo_;
};

class JanelasImpressao : public ::testing::Test {
  protected:
    // Runs the real start-up and `corpo` with its windows, on the layout's own page (no printer).
    void Com(const std::function<void(JanelasAplicacao&)>& corpo) {
        instalacao.EscreverConfiguracao("[geral]\nidioma=Português\nplacaSom=0\n");
        idiomas = std::make_unique<GerenciadorIdiomas>(
            instalacao.Pasta(), std::make_unique<TformListaIdiomas>(Caixas()));
        AmbienteInicializacao a;
        a.pasta = instalacao.Pasta();
        a.configuracao = instalacao.Configuracao();
        a.idiomas = idiomas.get();
        a.mensagens = &Caixas();
        a.porta = &PortaDeTeste();
        a.esperaSplashMs = 0;
        bool rodou = false;
        a.emVezDoLaco = [&](JanelasAplicacao& j) {
            j.OpcoesImpressao();  // the print windows and their manager are made on first use
            j.impressao->DefinirTamanhoImpressora([] { return std::optional<TamanhoPagina>(); });
            j.principal->show();
            corpo(j);
            rodou = true;
        };
        ExecutarAplicacao(*static_cast<AplicacaoTastavo*>(qApp), a);
        ASSERT_TRUE(rodou);
    }

    // The chart window holds `texto`; its print button fills the list and opens the options.
    static void ImprimirDaCifra(JanelasAplicacao& j, const QString& texto) {
        j.Cifra().Exibir();
        j.Cifra().memoTextoCifra->setPlainText(texto);
        Clicar(j.Cifra().btnImprimir);
    }

    // Answers the print dialog that comes up next: printing to `pdf`, or cancel when empty.
    static void ResponderDialogo(DialogoImpressao& dialogo, const QString& pdf) {
        QPrinter& impressora = dialogo.Impressora();
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        QuandoModal([&dialogo, pdf](QWidget* w) {
            EXPECT_EQ(w, &dialogo.Dialogo());
            // The dialog keeps the file of its last run: the user types the new one.
            if (auto* arquivo = dialogo.Dialogo().findChild<QLineEdit*>(QStringLiteral("filename")))
                arquivo->setText(pdf);
            if (pdf.isEmpty())
                dialogo.Dialogo().reject();
            else
                dialogo.Dialogo().accept();
        });
    }

    Instalacao instalacao;
    std::unique_ptr<GerenciadorIdiomas> idiomas;
    QTemporaryDir saida;
};

TEST_F(JanelasImpressao, MainWindowOpensTheOptionsForTheDiagramsOnly) {
    Com([](JanelasAplicacao& j) {
        j.principal->AdicionarAcordeImpressao("C7", true);
        bool aberta = false;
        QuandoModal([&](QWidget* w) {
            TformImpressao* o = &j.OpcoesImpressao();
            aberta = w == o;
            EXPECT_EQ(o->comboOpcoesImpressao->currentIndex(), 1);
            EXPECT_FALSE(o->comboOpcoesImpressao->isEnabled());
            EXPECT_FALSE(o->lblExplicacaoConteudo->isEnabled());
            EXPECT_EQ(o->lblTitulo->text(), QStringLiteral("Imprimir"));
            EXPECT_EQ(o->btnVisualizarImpressao->Text(), QStringLiteral("Visualizar"));
            EXPECT_EQ(o->comboRotulo->itemText(1), QStringLiteral("Notas"));
            EXPECT_EQ(o->comboOpcoesImpressao->itemText(2), QStringLiteral("Somente a cifra"));
            EXPECT_EQ(o->size(), QSize(272, 256));
            EXPECT_EQ(o->btnFechar->geometry(), QRect(240, 6, 24, 24));
            EXPECT_EQ(o->btnImprimir->geometry(), QRect(149, 213, 103, 20));
            EXPECT_EQ(o->geometry().center(), j.principal->geometry().center());
            Clicar(o->btnFechar);
        });
        Clicar(j.principal->btnImprimir);
        EXPECT_TRUE(aberta);
        EXPECT_FALSE(j.OpcoesImpressao().isVisible());
    });
}

TEST_F(JanelasImpressao, ChartWindowFillsTheListAndOffersEveryContentKeepingTheLabelChoice) {
    Com([](JanelasAplicacao& j) {
        TformImpressao* o = &j.OpcoesImpressao();
        o->comboRotulo->setCurrentIndex(2);
        QuandoModal([&](QWidget* w) {
            EXPECT_EQ(w, o);
            EXPECT_EQ(j.principal->listaImpressao->count(), 3);
            EXPECT_EQ(o->comboOpcoesImpressao->currentIndex(), 0);
            EXPECT_TRUE(o->comboOpcoesImpressao->isEnabled());
            EXPECT_TRUE(o->lblExplicacaoConteudo->isEnabled());
            EXPECT_EQ(o->comboRotulo->currentIndex(), 2);
            o->comboOpcoesImpressao->setCurrentIndex(2);
            EXPECT_EQ(o->Conteudo(), ConteudoImpressao::SomenteCifra);
            QTest::keyClick(o, Qt::Key_Escape);
        });
        ImprimirDaCifra(j, Cifra(3));
        EXPECT_FALSE(o->isVisible());
    });
}

TEST_F(JanelasImpressao, PreviewPagesZoomAndReopening) {
    Com([](JanelasAplicacao& j) {
        TformImpressao* o = &j.OpcoesImpressao();
        TformVisualizarImpressao* v = &j.VisualizarImpressao();
        ExibicaoObservada observada(*v);
        j.impressao->DefinirExibicao(&observada);
        std::vector<std::function<void()>> passos;

        // One page: the page number cannot change.
        QuandoModal([&](QWidget*) {
            QuandoModal([&](QWidget* w) {
                EXPECT_EQ(w, v);
                EXPECT_FALSE(v->spinPagina->isEnabled());
                EXPECT_EQ(v->lblDe->text(), QStringLiteral("de 1"));
                EXPECT_EQ(v->imageVisualizar->width(), 360);
                QTest::keyClick(v->comboZoom, Qt::Key_Escape);  // taken before the list
                EXPECT_FALSE(v->isVisible());
            });
            Clicar(o->btnVisualizarImpressao);
            EXPECT_EQ(observada.cursores.back(), Qt::BusyCursor);
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
            Clicar(o->btnFechar);
        });
        ImprimirDaCifra(j, Cifra(4));

        // Three pages: 1 to 3, the zoom keeps the page, reopening starts over.
        QuandoModal([&](QWidget*) {
            QuandoModal([&](QWidget*) {
                const int n = j.impressao->QuantidadePaginas();
                EXPECT_EQ(n, 3);
                EXPECT_TRUE(v->spinPagina->isEnabled());
                EXPECT_EQ(v->spinPagina->minimum(), 1);
                EXPECT_EQ(v->spinPagina->maximum(), n);
                EXPECT_EQ(v->lblDe->text(), QStringLiteral("de %1").arg(n));
                QTest::keyClick(v->spinPagina, Qt::Key_3);  // typing is discarded
                EXPECT_EQ(v->spinPagina->value(), 1);
                QTest::keyClick(v->spinPagina,
                                Qt::Key_Up);  // the arrow key steps as the arrow does
                EXPECT_EQ(j.impressao->Zoom(), 100);
                v->comboZoom->setCurrentIndex(1);
                EXPECT_EQ(v->spinPagina->value(), 2);
                EXPECT_EQ(j.impressao->Zoom(), 200);
                EXPECT_EQ(v->imageVisualizar->width(), 720);
                v->comboZoom->setCurrentIndex(2);
                EXPECT_EQ(v->imageVisualizar->width(), 1080);
                v->comboZoom->setCurrentIndex(0);
                EXPECT_EQ(v->imageVisualizar->width(), 360);
                v->comboZoom->setCurrentIndex(1);
                Clicar(v->btnFechar);
            });
            Clicar(o->btnVisualizarImpressao);
            QuandoModal([&](QWidget*) {
                EXPECT_EQ(v->spinPagina->value(), 1);
                EXPECT_EQ(v->Zoom(), 100);
                EXPECT_EQ(v->comboZoom->currentText(), QStringLiteral("100%"));
                EXPECT_EQ(v->imageVisualizar->width(), 360);
                Clicar(v->btnFechar);
            });
            Clicar(o->btnVisualizarImpressao);
            Clicar(o->btnFechar);
        });
        ImprimirDaCifra(j, Cifra(80));
        j.impressao->DefinirExibicao(v);
    });
}

TEST_F(JanelasImpressao, PrintingToAPdfFromBothWindowsAndCancelPrintsNothing) {
    Com([&](JanelasAplicacao& j) {
        TformImpressao* o = &j.OpcoesImpressao();
        TformVisualizarImpressao* v = &j.VisualizarImpressao();
        const QString cancelado = saida.filePath(QStringLiteral("cancelado.pdf"));
        const QString opcoes = saida.filePath(QStringLiteral("opcoes.pdf"));
        const QString previa = saida.filePath(QStringLiteral("previa.pdf"));
        CaixasRegistradas caixas;
        QuandoModal([&](QWidget*) {
            // Cancel: no file, no message.
            ResponderDialogo(o->Impressao(), QString());
            o->Impressao().Impressora().setOutputFileName(cancelado);
            Clicar(o->btnImprimir);
            EXPECT_TRUE(o->isVisible()) << "the window stays open";

            o->comboOpcoesImpressao->setCurrentIndex(0);
            ResponderDialogo(o->Impressao(), opcoes);
            Clicar(o->btnImprimir);

            // The preview prints with the options' choices as they are when it prints.
            QuandoModal([&](QWidget*) {
                o->comboOpcoesImpressao->setCurrentIndex(1);
                o->comboRotulo->setCurrentIndex(1);
                ResponderDialogo(v->Impressao(), previa);
                Clicar(v->btnImprimir);
                v->close();
            });
            Clicar(o->btnVisualizarImpressao);
            o->close();
        });
        ImprimirDaCifra(j, Cifra(3));
        EXPECT_TRUE(caixas.Pedidos().empty());
        EXPECT_FALSE(QFile::exists(cancelado));
        ASSERT_TRUE(QFile::exists(opcoes));
        ASSERT_TRUE(QFile::exists(previa));
        const std::string comCifra = TextoPdf(opcoes);
        const std::string soAcordes = TextoPdf(previa);
        if (comCifra.empty()) GTEST_SKIP() << "pdftotext is not installed";
        EXPECT_NE(comCifra.find("Minha"), std::string::npos);
        EXPECT_EQ(soAcordes.find("Minha"), std::string::npos) << "chords only";
        EXPECT_NE(soAcordes.find("Bb"), std::string::npos) << "note names";
        EXPECT_NE(soAcordes.find("A#"), std::string::npos);
    });
}

TEST_F(JanelasImpressao, APrinterThatCannotStartShowsThePrinterErrorAndTheNextRunWorks) {
    Com([&](JanelasAplicacao& j) {
        TformImpressao* o = &j.OpcoesImpressao();
        CaixasRegistradas caixas;
        j.principal->AdicionarAcordeImpressao("Dm7", true);
        QuandoModal([&](QWidget*) {
            ResponderDialogo(o->Impressao(), QStringLiteral("/nenhuma/pasta/assim/x.pdf"));
            Clicar(o->btnImprimir);
            ResponderDialogo(o->Impressao(), saida.filePath(QStringLiteral("depois.pdf")));
            Clicar(o->btnImprimir);
            o->close();
        });
        Clicar(j.principal->btnImprimir);
        ASSERT_EQ(caixas.Pedidos().size(), 1u);
        EXPECT_EQ(caixas.Pedidos()[0].titulo, "");
        EXPECT_NE(caixas.Pedidos()[0].texto.find("imprimir"), std::string::npos);
        EXPECT_TRUE(QFile::exists(saida.filePath(QStringLiteral("depois.pdf"))));
    });
}

TEST_F(JanelasImpressao, PrintToFileThatCannotBeWrittenSaysWhichFileAndWhyAndLeavesNothing) {
    Com([&](JanelasAplicacao& j) {
        TformImpressao* o = j.opcoesImpressao.get();
        CaixasRegistradas caixas;
        const QString cheio = saida.filePath(QStringLiteral("cheio.pdf"));
        QuandoModal([&](QWidget*) {
            // A device that is always full.
            ResponderDialogo(o->Impressao(), QStringLiteral("/dev/full"));
            Clicar(o->btnImprimir);
            // A file system that fills up after 4 KiB: the file size limit, its signal ignored.
            const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
            rlimit antes{};
            getrlimit(RLIMIT_FSIZE, &antes);
            rlimit limite = antes;
            limite.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limite);
            ResponderDialogo(o->Impressao(), cheio);
            Clicar(o->btnImprimir);
            setrlimit(RLIMIT_FSIZE, &antes);
            std::signal(SIGXFSZ, sinal);
            o->close();
        });
        ImprimirDaCifra(j, Cifra(300));
        ASSERT_EQ(caixas.Pedidos().size(), 2u);
        EXPECT_NE(caixas.Pedidos()[0].texto.find("imprimir"), std::string::npos);
        EXPECT_NE(caixas.Pedidos()[0].texto.find("/dev/full: No space left on device"),
                  std::string::npos)
            << caixas.Pedidos()[0].texto;
        EXPECT_NE(caixas.Pedidos()[1].texto.find(cheio.toStdString() + ": File too large"),
                  std::string::npos)
            << caixas.Pedidos()[1].texto;
        EXPECT_TRUE(QDir(saida.path())
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                        .isEmpty());
    });
}

// The preview of a 1 MB chart (about 1,200 pages) within 300 MB of address space: every page
// can be shown, and the count says them all. The limit needs a process of its own: the test
// runs this same test binary again, alone, under the limit (a fork of a running Qt
// application could deadlock on another thread's lock).
TEST_F(JanelasImpressao, PreviewOfAOneMegabyteChartStaysWithinMemory) {
    if (tastavo_teste::ComAddressSanitizer)
        GTEST_SKIP() << "a memory limit cannot hold AddressSanitizer's shadow";
    const char* filhoAqui = std::getenv("TASTAVO_TESTE_FILHO_MEMORIA");
    if (filhoAqui == nullptr) {
        const pid_t filho = fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            // Only async-signal-safe calls between the fork and the exec.
            rlimit limite{300u << 20, 300u << 20};
            setrlimit(RLIMIT_AS, &limite);
            static char filtro[] =
                "--gtest_filter=JanelasImpressao.PreviewOfAOneMegabyteChartStaysWithinMemory";
            static char variavel[] = "TASTAVO_TESTE_FILHO_MEMORIA=1";
            putenv(variavel);
            char* argv[] = {const_cast<char*>("/proc/self/exe"), filtro, nullptr};
            execv("/proc/self/exe", argv);
            _exit(127);
        }
        int estado = 0;
        ASSERT_EQ(waitpid(filho, &estado, 0), filho);
        ASSERT_TRUE(WIFEXITED(estado)) << "killed by signal " << WTERMSIG(estado);
        EXPECT_EQ(WEXITSTATUS(estado), 0);
        return;
    }
    QString texto;
    while (texto.size() < (1 << 20)) texto += Cifra(40);
    Com([&](JanelasAplicacao& j) {
        TformImpressao* o = j.opcoesImpressao.get();
        TformVisualizarImpressao* v = j.visualizarImpressao.get();
        QuandoModal([&](QWidget*) {
            QuandoModal([&](QWidget*) {
                const int n = j.impressao->QuantidadePaginas();
                EXPECT_GT(n, 1000);
                EXPECT_EQ(v->lblDe->text(), QStringLiteral("de %1").arg(n));
                // The whole count shows: the label is wide enough for it.
                EXPECT_LE(v->lblDe->fontMetrics().horizontalAdvance(v->lblDe->text()),
                          v->lblDe->width());
                for (int i = 2; i <= n; i += 7) v->spinPagina->setValue(i);
                v->spinPagina->setValue(n);
                EXPECT_EQ(v->imageVisualizar->pixmap().width(), 360);
                v->close();
            });
            Clicar(o->btnVisualizarImpressao);
            o->close();
        });
        ImprimirDaCifra(j, texto);
    });
}

}  // namespace
