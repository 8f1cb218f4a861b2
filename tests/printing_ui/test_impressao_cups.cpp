// SPDX-License-Identifier: GPL-3.0-or-later
// A real print queue: a CUPS daemon started for this process in a private configuration and
// spool folder, with a PDF queue (cups-pdf); a two-page document printed to it through QPrinter
// and the print manager, and its PDF found where cups-pdf writes it. Skipped, with the reason,
// where the daemon cannot start.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <memory>
#include <set>

#include "GerenciadorImpressao.h"
#include "ImpressoraQt.h"
#include "PaginasQImage.h"

namespace {

const QString Fila = QStringLiteral("TastavoPDF");

// The daemon, started once for the process (every repetition prints to the same queue) and
// stopped when the process ends.
class DaemonCups {
  public:
    static DaemonCups& Unico() {
        static DaemonCups daemon;
        return daemon;
    }
    bool Pronto() const { return motivo_.isEmpty(); }
    const QString& Motivo() const { return motivo_; }
    // The end of the daemon's error log, for a failure's message.
    std::string Registro() const {
        QFile log(pasta_.path() + QStringLiteral("/log/error_log"));
        log.open(QIODevice::ReadOnly);
        return log.readAll().right(1500).toStdString();
    }

    ~DaemonCups() {
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }

  private:
    DaemonCups() {
        if (!QFile::exists(QStringLiteral("/usr/sbin/cupsd")) ||
            !QFile::exists(QStringLiteral("/usr/sbin/lpadmin")) ||
            !QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf"))) {
            motivo_ = QStringLiteral("cupsd, lpadmin or the cups-pdf backend is not installed");
            return;
        }
        if (!pasta_.isValid()) {
            motivo_ = QStringLiteral("no private folder for cupsd");
            return;
        }
        const QString p = pasta_.path();
        for (const char* sub : {"spool", "cache", "state", "log", "tmp", "ppd"})
            QDir(p).mkpath(QString::fromLatin1(sub));
        // The filters run as the daemon's unprivileged user: they pass through the folder and
        // write their temporary files in tmp.
        QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                     QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther);
        QProcess::execute(QStringLiteral("chmod"),
                          {QStringLiteral("1777"), p + QStringLiteral("/tmp")});
        Escrever(
            p + QStringLiteral("/cupsd.conf"),
            QStringLiteral(
                "Listen %1/cups.sock\nLogLevel info\nWebInterface No\nBrowsing No\n"
                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                .arg(p));
        Escrever(p + QStringLiteral("/cups-files.conf"),
                 QStringLiteral(
                     "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                     "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                     "PageLog %1/log/page_log\nPrintcap /dev/null\nSandboxing relaxed\n")
                     .arg(p));
        // Every CUPS client of this process (Qt's print support, lpadmin) talks to this daemon.
        qputenv("CUPS_SERVER", (p + QStringLiteral("/cups.sock")).toLocal8Bit());
        cupsd_.setWorkingDirectory(p);
        cupsd_.start(QStringLiteral("/usr/sbin/cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), p + QStringLiteral("/cupsd.conf"),
                      QStringLiteral("-s"), p + QStringLiteral("/cups-files.conf")});
        if (!cupsd_.waitForStarted(10000)) {
            motivo_ = QStringLiteral("cupsd does not start");
            return;
        }
        // The queue can be added once the daemon listens.
        const QDeadlineTimer prazo(20000);
        while (!prazo.hasExpired()) {
            if (cupsd_.state() == QProcess::NotRunning) break;
            if (Executar(
                    QStringLiteral("/usr/sbin/lpadmin"),
                    {QStringLiteral("-p"), Fila, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                     QStringLiteral("-m"), QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"),
                     QStringLiteral("-E")}))
                return;
            QThread::msleep(200);
        }
        QFile log(p + QStringLiteral("/log/error_log"));
        log.open(QIODevice::ReadOnly);
        motivo_ = QStringLiteral("cupsd did not take the PDF queue (is this root?): ") +
                  QString::fromLocal8Bit(log.readAll().right(400)) +
                  QString::fromLocal8Bit(cupsd_.readAll());
    }

    static void Escrever(const QString& caminho, const QString& texto) {
        QFile f(caminho);
        if (f.open(QIODevice::WriteOnly)) f.write(texto.toUtf8());
    }
    static bool Executar(const QString& programa, const QStringList& argumentos) {
        QProcess p;
        p.start(programa, argumentos);
        if (!p.waitForFinished(15000)) {
            p.kill();
            p.waitForFinished();
            return false;
        }
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QTemporaryDir pasta_{QDir::tempPath() + QStringLiteral("/tastavo-cups-XXXXXX")};
    QProcess cupsd_;
    QString motivo_;
};

// Where cups-pdf writes for this user.
QDir PastaPdf() { return QDir(QDir::homePath() + QStringLiteral("/PDF")); }

std::set<QString> Pdfs() {
    std::set<QString> nomes;
    for (const QString& n : PastaPdf().entryList({QStringLiteral("*.pdf")}, QDir::Files))
        nomes.insert(n);
    return nomes;
}

QString Executar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ImpressaoCups, ATwoPageDocumentReachesThePdfQueue) {
    DaemonCups& daemon = DaemonCups::Unico();
    if (!daemon.Pronto())
        GTEST_SKIP() << "no CUPS daemon for the test: " << daemon.Motivo().toStdString();

    const QPrinterInfo info = QPrinterInfo::printerInfo(Fila);
    ASSERT_FALSE(info.isNull()) << "Qt does not see the queue";
    QPrinter impressora(info, QPrinter::HighResolution);
    ASSERT_TRUE(impressora.isValid());
    ASSERT_EQ(impressora.outputFormat(), QPrinter::NativeFormat);

    // A chart long enough for two pages on the queue's page, counted by a preview of that page.
    FabricaPaginasQImage paginas;
    GerenciadorImpressao gerenciador({"Tastavo", "https://tastavo.example"}, &paginas);
    const TamanhoPagina pagina{impressora.width(), impressora.height()};
    gerenciador.DefinirTamanhoImpressora([pagina] { return std::optional<TamanhoPagina>(pagina); });
    std::string cifra;
    for (int i = 0; i < 300 && gerenciador.QuantidadePaginas() < 2; ++i) {
        cifra += "linha " + std::to_string(i) + " da letra\n";
        gerenciador.Visualizar(ConteudoImpressao::SomenteCifra, ModoVisualizacao::Dedos, 1, 100, {},
                               cifra + "ultimaLinha\n");
    }
    cifra += "ultimaLinha\n";
    ASSERT_EQ(gerenciador.QuantidadePaginas(), 2);

    const std::set<QString> antes = Pdfs();
    ImpressoraQt qt(impressora);
    ASSERT_EQ(gerenciador.Imprimir(qt, ConteudoImpressao::SomenteCifra, ModoVisualizacao::Dedos, {},
                                   cifra),
              ResultadoImpressao::Impresso);

    // The queue writes the file once the job has gone through its filters.
    QString novo;
    const QDeadlineTimer prazo(60000);
    while (novo.isEmpty() && !prazo.hasExpired()) {
        QThread::msleep(250);
        for (const QString& n : Pdfs())
            if (!antes.count(n)) novo = n;
    }
    ASSERT_FALSE(novo.isEmpty()) << "no PDF appeared in " << PastaPdf().path().toStdString();
    const QString caminho = PastaPdf().filePath(novo);
    // Until the writer has finished, the file may still be growing.
    QString info2;
    for (int i = 0; i < 40 && !info2.contains(QStringLiteral("Pages:")); ++i) {
        QThread::msleep(250);
        info2 = Executar(QStringLiteral("pdfinfo"), {caminho});
    }
    QFile::remove(caminho);
    EXPECT_TRUE(info2.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))))
        << info2.toStdString() << daemon.Registro();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
