// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformImportarCifra.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <unordered_set>

#include "AbrirShell.h"
#include "AnaliseCifra.h"
#include "ArquivoConfiguracao.h"
#include "ArrasteJanela.h"
#include "BotaoTeclado.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "ChordPro.h"
#include "CifraEmPartes.h"
#include "EscolhasTextoCifra.h"
#include "FigurasIdioma.h"
#include "GerenciadorIdiomas.h"
#include "LeituraArquivo.h"
#include "MinimizarAplicacao.h"
#include "TextoIdioma.h"
#include "TrabalhoLongo.h"
#include "TransposicaoCifra.h"

namespace {

namespace fc = idm::fmImportarCifra;
namespace ge = idm::geral;

// Tags of the picture buttons: entry t of the picture store is the released look, t + 1 the
// pressed one.
enum Tag {
    TagAjuda = 0,
    TagImportarCifra = 2,
    TagImprimir = 4,
    TagTransporAcima = 6,
    TagTransporAbaixo = 8,
    TagFechar = 10,
    TagMinimizar = 12,
    TagColar = 14,
    QuantidadeFiguras = 16,
};

// The design's "Courier New": 8 points for the chart and 10 for the semitone labels, at 96 dots
// per inch. Where the face is missing the system's metric-compatible monospace stands in.
QFont FonteMonoespacada(int pixels) {
    QFont fonte(QStringLiteral("Courier New"));
    fonte.setStyleHint(QFont::TypeWriter);
    fonte.setFixedPitch(true);
    fonte.setPixelSize(pixels);
    return fonte;
}

// A text with every line end (CR LF, CR) as a line feed.
QString ComAvancosDeLinha(QString texto) {
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}

// The first local file among dropped or pasted addresses; none for anything else.
std::optional<std::filesystem::path> ArquivoLocal(const QMimeData* origem) {
    if (origem == nullptr || !origem->hasUrls()) return std::nullopt;
    for (const QUrl& url : origem->urls())
        if (url.isLocalFile())
            return std::filesystem::path(QFile::encodeName(url.toLocalFile()).toStdString());
    return std::nullopt;
}

// The text box of the chart. Esc stays here instead of closing the window; pasted text keeps
// one line per line whatever line ends it came with, and goes in through the window (a long
// paste shows its progress); a dropped file is opened, not written in as its address.
class MemoCifra : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<void(QString)> inserir;
    std::function<void(const std::filesystem::path&)> abrirArquivo;
    std::function<void(QMenu*)> prepararMenu;

  protected:
    bool canInsertFromMimeData(const QMimeData* origem) const override {
        return ArquivoLocal(origem).has_value() || QPlainTextEdit::canInsertFromMimeData(origem);
    }

    void contextMenuEvent(QContextMenuEvent* evento) override {
        std::unique_ptr<QMenu> menu(createStandardContextMenu(evento->pos()));
        if (prepararMenu) prepararMenu(menu.get());
        menu->exec(evento->globalPos());
    }

    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
            evento->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(evento);
    }

    void insertFromMimeData(const QMimeData* origem) override {
        if (const auto arquivo = ArquivoLocal(origem); arquivo && abrirArquivo) {
            // Opening may ask a question: not from inside the drop.
            QMetaObject::invokeMethod(
                this, [this, caminho = *arquivo] { abrirArquivo(caminho); }, Qt::QueuedConnection);
            return;
        }
        if (origem == nullptr || !origem->hasText()) return;
        if (inserir) {
            inserir(origem->text());
        } else {
            insertPlainText(ComAvancosDeLinha(origem->text()));
            MarcarLinhasRetidas(*this);
        }
    }

    // Over a line marked as left among the lyrics, the tooltip tells why.
    bool viewportEvent(QEvent* evento) override {
        if (evento->type() == QEvent::ToolTip) {
            const auto* ajuda = static_cast<QHelpEvent*>(evento);
            const QString aviso =
                AvisoDaLinhaMarcada(*this, cursorForPosition(ajuda->pos()).block());
            if (!aviso.isEmpty()) {
                QToolTip::showText(ajuda->globalPos(), aviso, viewport());
                return true;
            }
        }
        return QPlainTextEdit::viewportEvent(evento);
    }
};

// A semitone label: it acts as its transposition button does and shows that button pressed
// while a mouse button is held on it.
class RotuloSemitom : public QLabel {
  public:
    RotuloSemitom(QWidget* pai, const QRect& lugar, BotaoFiguraQt* botao)
        : QLabel(pai), botao_(botao) {
        setGeometry(lugar);
    }
    std::function<void()> aoClicar;

  protected:
    void mousePressEvent(QMouseEvent*) override { botao_->MostrarPressionado(); }
    void mouseReleaseEvent(QMouseEvent* evento) override {
        botao_->MostrarNormal();
        if (evento->button() == Qt::LeftButton && aoClicar &&
            rect().contains(evento->position().toPoint()))
            aoClicar();
    }
    // A double click is one more press, so it transposes once more.
    void mouseDoubleClickEvent(QMouseEvent* evento) override { mousePressEvent(evento); }

  private:
    BotaoFiguraQt* botao_;
};

// The largest face of at most `pixels` in which `texto` fits `largura`.
QFont FonteQueCabe(const QString& texto, int largura, int pixels) {
    QFont fonte = FonteMonoespacada(pixels);
    while (pixels > 8 && QFontMetrics(fonte).horizontalAdvance(texto) > largura)
        fonte.setPixelSize(--pixels);
    return fonte;
}

// A place in the text that survives the text being replaced: its line and its column there.
struct Lugar {
    int linha;
    int coluna;
};

Lugar LugarDe(const QTextDocument& documento, int posicao) {
    const QTextBlock bloco = documento.findBlock(posicao);
    return {bloco.blockNumber(), posicao - bloco.position()};
}

int PosicaoDe(const QTextDocument& documento, Lugar lugar) {
    QTextBlock bloco =
        documento.findBlockByNumber(std::min(lugar.linha, documento.blockCount() - 1));
    return bloco.position() + std::min(lugar.coluna, bloco.length() - 1);
}

}  // namespace

TformImportarCifra::TformImportarCifra(GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens,
                                       AbridorDesktop& abridor, AcoesListaImpressao listaImpressao,
                                       QWidget* pai)
    : QWidget(pai, Qt::Window | Qt::FramelessWindowHint),
      idiomas_(idiomas),
      mensagens_(mensagens),
      abridor_(abridor),
      listaImpressao_(std::move(listaImpressao)) {
    CriarControles();
    CriarComandosArquivo();
    AplicarIdioma();
    ConfigurarTeclado();
}

TformImportarCifra::~TformImportarCifra() = default;

std::string TformImportarCifra::Texto(std::string_view secao, std::string_view chave) const {
    return idiomas_.ObterTexto(secao, chave);
}

void TformImportarCifra::CriarControles() {
    setObjectName(QStringLiteral("TformImportarCifra"));
    setFixedSize(472, 456);

    imagensBotoes.assign(QuantidadeFiguras, QPixmap());
    const std::pair<int, const char*> fixas[] = {
        {TagAjuda, "ajudaCifra"},
        {TagTransporAcima, "transporAcima"},
        {TagTransporAbaixo, "transporAbaixo"},
        {TagFechar, "fecharCifra"},
        {TagMinimizar, "minimizarCifra"},
        {TagColar, "colar"},
    };
    for (const auto& [tag, nome] : fixas) {
        imagensBotoes[static_cast<std::size_t>(tag)] = FiguraEmbutida(nome);
        imagensBotoes[static_cast<std::size_t>(tag + 1)] =
            FiguraEmbutida((std::string(nome) + "I").c_str());
    }

    // The background first, so every control lies above it.
    imgFundo = new QLabel(this);
    imgFundo->setObjectName(QStringLiteral("imgFundo"));
    imgFundo->setGeometry(rect());
    imgFundo->setPixmap(FiguraEmbutida("fundoImportarCifra"));
    // The caption, on the title band beside the paste button. Presses go through to the
    // background, which drags the window.
    lblTitulo = new QLabel(this);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    lblTitulo->setGeometry(50, 21, 318, 24);
    lblTitulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont titulo(QStringLiteral("Liberation Sans"));
    titulo.setPixelSize(15);
    titulo.setBold(true);
    lblTitulo->setFont(titulo);
    lblTitulo->setStyleSheet(QStringLiteral("color: white;"));

    auto botao = [&](const char* nome, const QRect& lugar, int tag) {
        auto* b = new BotaoFiguraQt(this, lugar, tag, &imagensBotoes);
        b->setObjectName(QString::fromLatin1(nome));
        b->MostrarNormal();
        return b;
    };

    memoTextoCifra = new MemoCifra(this);
    memoTextoCifra->setObjectName(QStringLiteral("memoTextoCifra"));
    memoTextoCifra->setGeometry(17, 51, 434, 316);
    memoTextoCifra->setFrameShape(QFrame::NoFrame);
    memoTextoCifra->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Chords stand over their syllables only while lines are not folded.
    memoTextoCifra->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoTextoCifra->setFont(FonteMonoespacada(11));
    memoTextoCifra->setTabStopDistance(
        8 * QFontMetrics(memoTextoCifra->font()).horizontalAdvance(QLatin1Char(' ')));
    QPalette papel = memoTextoCifra->palette();
    papel.setColor(QPalette::Base, Qt::white);
    papel.setColor(QPalette::Text, Qt::black);
    memoTextoCifra->setPalette(papel);
    // Marks of lines left as lyrics hold for the text they were made for: an edit takes them
    // away, and the next paste or transposition marks again.
    connect(memoTextoCifra, &QPlainTextEdit::textChanged, memoTextoCifra, [this] {
        if (!memoTextoCifra->extraSelections().isEmpty()) memoTextoCifra->setExtraSelections({});
    });
    // The usual edit menu, and under it the transposition choices.
    memoTextoCifra->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memoTextoCifra, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& lugar) {
                std::unique_ptr<QMenu> menu = CriarMenuTexto();
                menu->exec(memoTextoCifra->viewport()->mapToGlobal(lugar));
            });

    btnColar = botao("btnColar", QRect(17, 21, 24, 24), TagColar);
    btnAjuda = botao("btnAjuda", QRect(376, 10, 24, 24), TagAjuda);
    btnMinimizar = botao("btnMinimizar", QRect(408, 10, 24, 24), TagMinimizar);
    btnFechar = botao("btnFechar", QRect(439, 10, 24, 24), TagFechar);

    imgMudarTom = new QLabel(this);
    imgMudarTom->setObjectName(QStringLiteral("imgMudarTom"));
    imgMudarTom->setGeometry(23, 380, 186, 17);
    btnTransporAcima = botao("btnTransporAcima", QRect(30, 401, 20, 18), TagTransporAcima);
    btnTransporAbaixo = botao("btnTransporAbaixo", QRect(30, 422, 20, 18), TagTransporAbaixo);
    // A double click transposes once for its first click and once more for itself.
    btnTransporAcima->DefinirCliqueDuplo(true);
    btnTransporAbaixo->DefinirCliqueDuplo(true);
    auto rotulo = [&](const char* nome, const QRect& lugar, BotaoFiguraQt* dono,
                      void (TformImportarCifra::*clique)()) {
        auto* r = new RotuloSemitom(this, lugar, dono);
        r->setObjectName(QString::fromLatin1(nome));
        r->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        r->setAutoFillBackground(true);
        QPalette cores = r->palette();
        cores.setColor(QPalette::Window, QColor(26, 96, 181));
        cores.setColor(QPalette::WindowText, Qt::white);
        r->setPalette(cores);
        r->setFont(FonteMonoespacada(13));
        r->setCursor(Qt::PointingHandCursor);
        r->aoClicar = [this, clique] { (this->*clique)(); };
        return r;
    };
    lblSemitomAcima = rotulo("lblSemitomAcima", QRect(57, 402, 80, 16), btnTransporAcima,
                             &TformImportarCifra::btnTransporAcimaClick);
    lblSemitomAbaixo = rotulo("lblSemitomAbaixo", QRect(57, 423, 80, 16), btnTransporAbaixo,
                              &TformImportarCifra::btnTransporAbaixoClick);
    btnImportarCifra = botao("btnImportarCifra", QRect(331, 389, 120, 20), TagImportarCifra);
    btnImprimir = botao("btnImprimir", QRect(362, 417, 89, 20), TagImprimir);

    btnColar->aoClicar = [this] { btnColarClick(); };
    btnAjuda->aoClicar = [this] { btnAjudaClick(); };
    btnMinimizar->aoClicar = [] { MinimizarAplicacao(); };
    btnFechar->aoClicar = [this] { close(); };
    btnTransporAcima->aoClicar = [this] { btnTransporAcimaClick(); };
    btnTransporAbaixo->aoClicar = [this] { btnTransporAbaixoClick(); };
    btnImportarCifra->aoClicar = [this] { botaoOkClick(); };
    btnImprimir->aoClicar = [this] { btnImprimirClick(); };

    // Only the background drags the window; the caption picture and the labels do not.
    new ArrasteJanela(this, [this](QWidget* alvo) { return alvo == imgFundo; });
}

void TformImportarCifra::AplicarIdioma() {
    acaoAbrir->setText(TextoIdioma(idiomas_, fc::Secao, fc::menuAbrir));
    acaoSalvar->setText(TextoIdioma(idiomas_, fc::Secao, fc::menuSalvar));
    acaoSalvarComo->setText(TextoIdioma(idiomas_, fc::Secao, fc::menuSalvarComo));
    menuRecentes->setTitle(TextoIdioma(idiomas_, fc::Secao, fc::menuRecentes));
    const QString semitom = TextoIdioma(idiomas_, fc::Secao, fc::nomeSemitom);
    for (auto [rotulo, texto] : {std::pair{lblSemitomAcima, QStringLiteral("+1 ") + semitom},
                                 std::pair{lblSemitomAbaixo, QStringLiteral("-1 ") + semitom}}) {
        rotulo->setText(texto);
        // A longer word than the design's shrinks the face rather than losing its end.
        rotulo->setFont(FonteQueCabe(texto, rotulo->width() - 1, 13));
    }
    btnAjuda->setToolTip(TextoIdioma(idiomas_, ge::Secao, ge::hintBtnAjuda));
    btnMinimizar->setToolTip(TextoIdioma(idiomas_, ge::Secao, ge::hintBtnMinimizar));
    btnFechar->setToolTip(TextoIdioma(idiomas_, ge::Secao, ge::hintBtnFechar));
    btnColar->setToolTip(TextoIdioma(idiomas_, fc::Secao, fc::hintBtnColar));
    btnImportarCifra->setToolTip(TextoIdioma(idiomas_, fc::Secao, fc::hintBtnImportarCifra));
    btnImprimir->setToolTip(TextoIdioma(idiomas_, fc::Secao, fc::hintBtnImprimir));
    memoTextoCifra->setPlainText(TextoIdioma(idiomas_, fc::Secao, fc::textoMemoCifra));
    // The instructions are no song of the user's: nothing to save yet.
    memoTextoCifra->document()->setModified(false);
    AtualizarTitulo();
    memoTextoCifra->setToolTip(TextoIdioma(idiomas_, fc::Secao, fc::hintMemoCifra));
    const QString acima = TextoIdioma(idiomas_, fc::Secao, fc::hintBtnTransporAcima);
    btnTransporAcima->setToolTip(acima);
    lblSemitomAcima->setToolTip(acima);
    const QString abaixo = TextoIdioma(idiomas_, fc::Secao, fc::hintBtnTransporAbaixo);
    btnTransporAbaixo->setToolTip(abaixo);
    lblSemitomAbaixo->setToolTip(abaixo);

    imagensBotoes[TagImportarCifra] = FiguraIdioma(idiomas_, fc::Secao, fc::imgBtnImportarCifra);
    btnImportarCifra->MostrarNormal();
    imagensBotoes[TagImportarCifra + 1] =
        FiguraIdioma(idiomas_, fc::Secao, fc::imgBtnImportarCifraI);
    imagensBotoes[TagImprimir] = FiguraIdioma(idiomas_, ge::Secao, ge::imgBtnImprimir);
    btnImprimir->MostrarNormal();
    imagensBotoes[TagImprimir + 1] = FiguraIdioma(idiomas_, ge::Secao, ge::imgBtnImprimirI);
    imgMudarTom->setPixmap(FiguraIdioma(idiomas_, fc::Secao, fc::imgMudarTom));
    btnTransporAcima->MostrarNormal();
    btnTransporAbaixo->MostrarNormal();
    NomearControles();
}

void TformImportarCifra::ConfigurarTeclado() {
    // Tab leaves the text box instead of typing a tab, so the buttons can be reached.
    memoTextoCifra->setTabChangesFocus(true);
    const std::vector<QWidget*> ordem{memoTextoCifra,    btnColar,         btnTransporAcima,
                                      btnTransporAbaixo, btnImportarCifra, btnImprimir,
                                      btnAjuda,          btnMinimizar,     btnFechar};
    for (std::size_t i = 1; i < ordem.size(); ++i) setTabOrder(ordem[i - 1], ordem[i]);
    auto atalho = [this](QKeySequence teclas, std::function<void()> acao) {
        auto* a = new QShortcut(teclas, this);
        a->setContext(Qt::WindowShortcut);
        connect(a, &QShortcut::activated, this, std::move(acao));
    };
    atalho(QKeySequence(Qt::Key_F1), [this] { btnAjudaClick(); });
    atalho(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { btnImprimirClick(); });
    // Leaving is the main window's: it asks first.
    atalho(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] {
        if (QWidget* principal = parentWidget()) principal->close();
    });
}

void TformImportarCifra::NomearControles() {
    auto texto = [this](std::string_view secao, std::string_view chave) {
        return TextoIdioma(idiomas_, secao, chave);
    };
    setAccessibleName(windowTitle());
    NomearAcessivel(memoTextoCifra, texto(fc::Secao, fc::nomeMemoCifra), memoTextoCifra->toolTip());
    NomearAcessivel(btnColar, texto(fc::Secao, fc::nomeBtnColar), btnColar->toolTip());
    NomearAcessivel(btnTransporAcima, lblSemitomAcima->text(), btnTransporAcima->toolTip());
    NomearAcessivel(btnTransporAbaixo, lblSemitomAbaixo->text(), btnTransporAbaixo->toolTip());
    NomearAcessivel(btnImportarCifra, texto(fc::Secao, fc::nomeBtnImportarCifra),
                    btnImportarCifra->toolTip());
    NomearAcessivel(btnImprimir, texto(fc::Secao, fc::nomeBtnImprimir), btnImprimir->toolTip());
    for (BotaoFiguraQt* b : {btnAjuda, btnMinimizar, btnFechar}) NomearAcessivel(b, b->toolTip());
}

std::vector<std::string> TformImportarCifra::Linhas() const {
    // The raw text: the plain-text view would turn no-break spaces of the lyrics into spaces.
    QString texto = memoTextoCifra->document()->toRawText();
    texto.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    texto.replace(QChar::LineSeparator, QLatin1Char('\n'));
    // Lines are cut where the CLI cuts them (a carriage return left in the text ends a line
    // too), and a line end after the last line opens no line of its own.
    return DividirLinhas(texto.toStdString());
}

std::string TformImportarCifra::ObterTextoCifra() const {
    std::string texto;
    for (const std::string& linha : Linhas()) {
        texto += linha;
        texto += '\n';
    }
    return texto;
}

void TformImportarCifra::Exibir() {
    if (!isVisible())
        if (QWidget* principal = parentWidget())
            move(principal->geometry().center() - rect().center());
    if (isMinimized())
        showNormal();
    else if (isVisible())
        raise();  // open behind the main window: bring it to the front
    else
        show();
    activateWindow();
    // Opened by keys, the keyboard goes straight to the song.
    if (focusWidget() == nullptr) memoTextoCifra->setFocus(Qt::ActiveWindowFocusReason);
}

namespace {

// The pieces long work is cut into: small enough that the windows repaint several times a
// second, large enough that a short song is one piece.
constexpr std::size_t PedacoBytes = 1 << 18;
constexpr qsizetype PedacoCaracteres = 1 << 18;

// Where a piece of `texto` from `inicio` of about `tamanho` characters ends: after a line
// feed when there is one inside it, and never between the two halves of a surrogate pair.
qsizetype FimDoPedaco(const QString& texto, qsizetype inicio, qsizetype tamanho) {
    qsizetype fim = inicio + tamanho;
    if (fim >= texto.size()) return texto.size();
    const qsizetype avanco = texto.lastIndexOf(QLatin1Char('\n'), fim - 1);
    if (avanco >= inicio) return avanco + 1;
    if (texto[fim - 1].isHighSurrogate()) --fim;
    return fim;
}

// The same for UTF-8 bytes: after a line feed, else at the start of a character.
std::size_t FimDoPedaco(std::string_view texto, std::size_t inicio, std::size_t tamanho) {
    std::size_t fim = inicio + tamanho;
    if (fim >= texto.size()) return texto.size();
    const std::size_t avanco = texto.rfind('\n', fim - 1);
    if (avanco != std::string_view::npos && avanco >= inicio) return avanco + 1;
    while (fim > inicio + 1 && (static_cast<unsigned char>(texto[fim]) & 0xC0) == 0x80) --fim;
    return fim;
}

}  // namespace

std::string TformImportarCifra::TextoBruto() const {
    // The raw text: the plain-text view would turn no-break spaces of the lyrics into spaces.
    QString texto = memoTextoCifra->document()->toRawText();
    texto.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    texto.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return texto.toStdString();
}

std::optional<std::vector<std::string>> TformImportarCifra::ColetarComProgresso(bool repetir) {
    const std::string texto = TextoBruto();
    TrabalhoLongo trabalho(this, TextoIdioma(idiomas_, fc::Secao, fc::msgTrabalhando),
                           TextoIdioma(idiomas_, ge::Secao, ge::rotuloBtnCancelar),
                           static_cast<qint64>(texto.size()));
    std::vector<std::string> candidatos;
    std::unordered_set<std::string> vistos;
    const auto receber = [&](std::string_view candidato) {
        // Without repeats only a first occurrence goes on; the print list still decides what
        // else counts as a repeat.
        if (repetir || vistos.emplace(candidato).second) candidatos.emplace_back(candidato);
    };
    ColetaContinua coleta;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        const std::size_t fim = FimDoPedaco(texto, inicio, PedacoBytes);
        coleta.Acrescentar(std::string_view(texto).substr(inicio, fim - inicio), receber);
        inicio = fim;
        if (!trabalho.Avancar(static_cast<qint64>(inicio))) return std::nullopt;
    }
    coleta.Terminar(receber);
    return candidatos;
}

void TformImportarCifra::botaoOkClick() {
    const auto candidatos = ColetarComProgresso(true);
    if (!candidatos) return;  // cancelled: nothing sent, the window stays
    {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        struct Restaurar {
            ~Restaurar() { QApplication::restoreOverrideCursor(); }
        } restaurar;
        for (const std::string& cifra : *candidatos) listaImpressao_.adicionar(cifra, true);
    }
    close();
}

void TformImportarCifra::btnImprimirClick() {
    const auto candidatos = ColetarComProgresso(false);
    if (!candidatos) return;  // cancelled: the print list stays as it was
    {
        // Busy while the chords are built; the print options below wait for the user.
        QApplication::setOverrideCursor(Qt::BusyCursor);
        struct Restaurar {
            ~Restaurar() { QApplication::restoreOverrideCursor(); }
        } restaurar;
        listaImpressao_.limpar();
        for (const std::string& cifra : *candidatos) listaImpressao_.adicionar(cifra, false);
    }
    if (abrirImpressao) abrirImpressao();
}

std::unique_ptr<QMenu> TformImportarCifra::CriarMenuTexto() {
    std::unique_ptr<QMenu> menu(memoTextoCifra->createStandardContextMenu());
    // The song file commands first, then the usual edit entries and the transposition choices.
    if (auto* memo = static_cast<MemoCifra*>(memoTextoCifra); memo->prepararMenu)
        memo->prepararMenu(menu.get());
    AcrescentarEscolhasTransposicao(*menu, idiomas_, opcoesTransposicao, [this] {
        if (aoMudarOpcoes) aoMudarOpcoes(opcoesTransposicao);
    });
    return menu;
}

void TformImportarCifra::transporClick() {
    const std::optional<int> semitons = LerSemitons(numSemitons);
    if (!semitons || *semitons <= 0) return;
    const std::string antes = TextoBruto();
    std::string depois;
    depois.reserve(antes.size() + antes.size() / 8);
    {
        TrabalhoLongo trabalho(this, TextoIdioma(idiomas_, fc::Secao, fc::msgTrabalhando),
                               TextoIdioma(idiomas_, ge::Secao, ge::rotuloBtnCancelar),
                               static_cast<qint64>(antes.size()));
        const SentidoTransposicao sentido =
            opcaoAcima ? SentidoTransposicao::Acima : SentidoTransposicao::Abaixo;
        if (opcoesTransposicao.grafia == GrafiaTransposicao::Tabelas) {
            TransposicaoContinua transposicao(*semitons, sentido, opcoesTransposicao.manterColunas);
            for (std::size_t inicio = 0; inicio < antes.size();) {
                const std::size_t fim = FimDoPedaco(antes, inicio, PedacoBytes);
                transposicao.Acrescentar(std::string_view(antes).substr(inicio, fim - inicio),
                                         depois);
                inicio = fim;
                if (!trabalho.Avancar(static_cast<qint64>(inicio)))
                    return;  // cancelled: the text stays
            }
            transposicao.Terminar(depois);
        } else {
            // A spelling by the key needs the whole song's key before its first chord.
            depois = TransporTexto(antes, *semitons, sentido, opcoesTransposicao);
        }
        if (depois == antes) {
            MarcarLinhasRetidas(*memoTextoCifra);
            return;
        }
        trabalho.ProibirCancelamento();

        // The text changes as one edit (undone at once), with the caret, the selection and the
        // scrolled place kept: a player transposing a long song stays where they were reading.
        QTextDocument& documento = *memoTextoCifra->document();
        QTextCursor cursor = memoTextoCifra->textCursor();
        const Lugar ancora = LugarDe(documento, cursor.anchor());
        const Lugar posicao = LugarDe(documento, cursor.position());
        const int vertical = memoTextoCifra->verticalScrollBar()->value();
        const int horizontal = memoTextoCifra->horizontalScrollBar()->value();

        QTextCursor tudo(&documento);
        tudo.select(QTextCursor::Document);
        tudo.insertText(QString::fromStdString(depois));

        cursor.setPosition(PosicaoDe(documento, ancora));
        cursor.setPosition(PosicaoDe(documento, posicao), QTextCursor::KeepAnchor);
        memoTextoCifra->setTextCursor(cursor);
        memoTextoCifra->verticalScrollBar()->setValue(vertical);
        memoTextoCifra->horizontalScrollBar()->setValue(horizontal);
    }
    MarcarLinhasRetidas(*memoTextoCifra);
}

void TformImportarCifra::btnTransporAcimaClick() {
    numSemitons = "1";
    opcaoAcima = true;
    opcaoAbaixo = false;
    transporClick();
}

void TformImportarCifra::btnTransporAbaixoClick() {
    numSemitons = "1";
    opcaoAbaixo = true;
    opcaoAcima = false;
    transporClick();
}

void TformImportarCifra::btnColarClick() {
    // The clipboard's text in place of the whole text, as one edit: Cancel (or an undo)
    // brings the old text back.
    const QMimeData* origem = QApplication::clipboard()->mimeData();
    if (origem == nullptr || !origem->hasText()) {
        memoTextoCifra->clear();
        return;
    }
    InserirTexto(origem->text(), true);
}

bool TformImportarCifra::InserirTexto(QString texto, bool substituirTudo) {
    texto = ComAvancosDeLinha(std::move(texto));
    QTextCursor cursor = memoTextoCifra->textCursor();
    if (substituirTudo) cursor.select(QTextCursor::Document);
    if (texto.size() <= PedacoCaracteres) {
        cursor.insertText(texto);
        memoTextoCifra->setTextCursor(cursor);
        MarcarLinhasRetidas(*memoTextoCifra);
        return true;
    }
    TrabalhoLongo trabalho(this, TextoIdioma(idiomas_, fc::Secao, fc::msgTrabalhando),
                           TextoIdioma(idiomas_, ge::Secao, ge::rotuloBtnCancelar), texto.size());
    bool completo = true;
    cursor.beginEditBlock();
    for (qsizetype inicio = 0; inicio < texto.size();) {
        const qsizetype fim = FimDoPedaco(texto, inicio, PedacoCaracteres);
        cursor.insertText(texto.mid(inicio, fim - inicio));
        inicio = fim;
        if (!trabalho.Avancar(inicio)) {
            completo = false;
            break;
        }
    }
    cursor.endEditBlock();
    if (!completo) {
        // The pieces were one edit: undoing it gives back the text as it was.
        memoTextoCifra->document()->undo();
        return false;
    }
    memoTextoCifra->setTextCursor(cursor);
    MarcarLinhasRetidas(*memoTextoCifra);
    return true;
}

void TformImportarCifra::DefinirConfiguracao(ArquivoConfiguracao* configuracao) {
    configuracao_ = configuracao;
    AtualizarRecentes();
}

bool TformImportarCifra::AlteracoesPendentes() const {
    return memoTextoCifra->document()->isModified();
}

std::optional<bool> TformImportarCifra::ConfirmarSaida() {
    if (!AlteracoesPendentes()) return std::nullopt;
    return PodeSubstituirTexto();
}

bool TformImportarCifra::PodeSubstituirTexto() {
    if (!AlteracoesPendentes()) return true;
    const std::string salvar = Texto(fc::Secao, fc::rotuloBtnSalvar);
    const std::string descartar = Texto(fc::Secao, fc::rotuloBtnDescartar);
    const std::string cancelar = Texto(ge::Secao, ge::rotuloBtnCancelar);
    switch (mensagens_.PerguntarSalvar(
        TextoIdiomaUtf8(idiomas_, fc::Secao, fc::msgSalvarAlteracoes),
        Texto(ge::Secao, ge::nomeAplicacao), this, {salvar, descartar, cancelar})) {
        case caixaMensagem::RespostaSalvar::Salvar:
            return salvarClick();
        case caixaMensagem::RespostaSalvar::Descartar:
            return true;
        case caixaMensagem::RespostaSalvar::Cancelar:
            break;
    }
    return false;
}

bool TformImportarCifra::AbrirArquivo(const std::filesystem::path& caminho) {
    if (!PodeSubstituirTexto()) return false;
    return CarregarArquivo(caminho);
}

void TformImportarCifra::abrirClick() {
    if (!PodeSubstituirTexto()) return;
    const std::filesystem::path caminho = escolherArquivo(false, arquivo_);
    if (!caminho.empty()) CarregarArquivo(caminho);
}

void TformImportarCifra::FalhaArquivo(std::string_view chaveErro,
                                      const std::filesystem::path& caminho,
                                      std::string_view motivo) {
    mensagens_.Informar(TextoIdiomaUtf8(idiomas_, fc::Secao, chaveErro) + "\n" + caminho.string() +
                            "\n\n" + std::string(motivo),
                        Texto(ge::Secao, ge::nomeAplicacao), this);
}

bool TformImportarCifra::CarregarArquivo(const std::filesystem::path& caminho) {
    const std::filesystem::path absoluto = std::filesystem::absolute(caminho);
    TextoArquivo arquivo;
    try {
        arquivo = LerTextoArquivo(absoluto);
    } catch (const std::filesystem::filesystem_error& e) {
        std::string_view motivo = fc::erroArquivoIlegivel;
        if (e.code() == std::errc::is_a_directory)
            motivo = fc::erroArquivoPasta;
        else if (e.code() == ErroLeitura::GrandeDemais)
            motivo = fc::erroArquivoGrande;
        else if (e.code() == ErroLeitura::Binario)
            motivo = fc::erroArquivoBinario;
        // A recent song that is gone leaves the list.
        if (e.code() == std::errc::no_such_file_or_directory && configuracao_) {
            configuracao_->EsquecerCancao(absoluto.string());
            AtualizarRecentes();
        }
        FalhaArquivo(fc::erroAbrirArquivo, absoluto, TextoIdiomaUtf8(idiomas_, fc::Secao, motivo));
        return false;
    }
    if (!InserirTexto(QString::fromStdString(arquivo.texto), true)) return false;
    // A song just opened has nothing to undo into (the one before it belongs to no file).
    memoTextoCifra->document()->clearUndoRedoStacks();
    memoTextoCifra->moveCursor(QTextCursor::Start);
    arquivo_ = absoluto;
    fimLinha_ = arquivo.fimLinha;
    marcaOrdem_ = arquivo.marcaOrdem;
    memoTextoCifra->document()->setModified(false);
    if (configuracao_) configuracao_->LembrarCancao(absoluto.string());
    AtualizarRecentes();
    AtualizarTitulo();
    return true;
}

bool TformImportarCifra::salvarClick() {
    if (arquivo_.empty()) return salvarComoClick();
    return GravarArquivo(arquivo_);
}

bool TformImportarCifra::salvarComoClick() {
    const std::filesystem::path caminho = escolherArquivo(true, arquivo_);
    if (caminho.empty()) return false;
    return GravarArquivo(std::filesystem::absolute(caminho));
}

bool TformImportarCifra::GravarArquivo(const std::filesystem::path& caminho) {
    std::string bytes = marcaOrdem_ ? "\xEF\xBB\xBF" : "";
    const std::string texto = TextoBruto();
    bytes.reserve(bytes.size() + texto.size() + texto.size() / 16);
    for (char c : texto) {
        if (c == '\n')
            bytes += fimLinha_;
        else
            bytes += c;
    }
    // Written beside the file and put in its place only when complete: a full disk or a crash
    // never leaves half a song. A symbolic link is followed, and stays a link.
    QSaveFile arquivo(QFile::decodeName(caminho.c_str()));
    if (!arquivo.open(QIODevice::WriteOnly) ||
        arquivo.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !arquivo.commit()) {
        const std::string motivo = arquivo.errorString().toStdString();
        arquivo.cancelWriting();
        FalhaArquivo(fc::erroSalvarArquivo, caminho, motivo);
        return false;
    }
    arquivo_ = caminho;
    memoTextoCifra->document()->setModified(false);
    if (configuracao_) configuracao_->LembrarCancao(caminho.string());
    AtualizarRecentes();
    AtualizarTitulo();
    return true;
}

void TformImportarCifra::CriarComandosArquivo() {
    auto acao = [this](const char* nome, const QKeySequence& atalho, auto manipulador) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(atalho);
        // Anywhere in the window, the text box included.
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, manipulador);
        addAction(a);
        return a;
    };
    acaoAbrir = acao("acaoAbrir", QKeySequence::Open, [this] { abrirClick(); });
    acaoSalvar = acao("acaoSalvar", QKeySequence::Save, [this] { salvarClick(); });
    acaoSalvarComo = acao("acaoSalvarComo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                          [this] { salvarComoClick(); });
    menuRecentes = new QMenu(this);
    menuRecentes->setObjectName(QStringLiteral("menuRecentes"));

    auto* memo = static_cast<MemoCifra*>(memoTextoCifra);
    memo->inserir = [this](const QString& texto) { InserirTexto(texto, false); };
    memo->abrirArquivo = [this](const std::filesystem::path& caminho) { AbrirArquivo(caminho); };
    memo->prepararMenu = [this](QMenu* menu) {
        QAction* primeira = menu->actions().isEmpty() ? nullptr : menu->actions().first();
        menu->insertActions(primeira, {acaoAbrir, acaoSalvar, acaoSalvarComo});
        menu->insertMenu(primeira, menuRecentes);
        menu->insertSeparator(primeira);
    };
    setAcceptDrops(true);

    escolherArquivo = [this](bool salvar, const std::filesystem::path& sugestao) {
        const QString filtro = TextoIdioma(idiomas_, fc::Secao, fc::filtroArquivos);
        const QString inicio = QFile::decodeName(sugestao.c_str());
        const QString escolhido =
            salvar ? QFileDialog::getSaveFileName(
                         this, TextoIdioma(idiomas_, fc::Secao, fc::tituloSalvar), inicio, filtro)
                   : QFileDialog::getOpenFileName(
                         this, TextoIdioma(idiomas_, fc::Secao, fc::tituloAbrir), inicio, filtro);
        return std::filesystem::path(QFile::encodeName(escolhido).toStdString());
    };
    connect(memoTextoCifra->document(), &QTextDocument::modificationChanged, this,
            [this] { AtualizarTitulo(); });
}

void TformImportarCifra::AtualizarRecentes() {
    menuRecentes->clear();
    const std::vector<std::string> vazia;
    const std::vector<std::string>& cancoes =
        configuracao_ ? configuracao_->CancoesRecentes() : vazia;
    for (std::size_t i = 0; i < cancoes.size(); ++i) {
        const std::filesystem::path caminho = cancoes[i];
        // "&1 song.cho" with the full path as its hint.
        QAction* a = menuRecentes->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFile::decodeName(caminho.filename().c_str())
                .replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setToolTip(QFile::decodeName(caminho.c_str()));
        connect(a, &QAction::triggered, this, [this, caminho] { AbrirArquivo(caminho); });
    }
    menuRecentes->setEnabled(!cancoes.empty());
}

void TformImportarCifra::AtualizarTitulo() {
    QString titulo = TextoIdioma(idiomas_, fc::Secao, fc::titulo);
    if (!arquivo_.empty())
        titulo += QStringLiteral(" - ") + QFile::decodeName(arquivo_.filename().c_str());
    if (AlteracoesPendentes() && !arquivo_.empty()) titulo += QStringLiteral(" *");
    setWindowTitle(titulo);
    lblTitulo->setText(
        lblTitulo->fontMetrics().elidedText(titulo, Qt::ElideMiddle, lblTitulo->width()));
}

void TformImportarCifra::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu menu(this);
    menu.addActions({acaoAbrir, acaoSalvar, acaoSalvarComo});
    menu.addMenu(menuRecentes);
    menu.exec(evento->globalPos());
}

void TformImportarCifra::dragEnterEvent(QDragEnterEvent* evento) {
    if (ArquivoLocal(evento->mimeData())) evento->acceptProposedAction();
}

void TformImportarCifra::dropEvent(QDropEvent* evento) {
    const auto arquivo = ArquivoLocal(evento->mimeData());
    if (!arquivo) return;
    evento->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, caminho = *arquivo] { AbrirArquivo(caminho); }, Qt::QueuedConnection);
}

void TformImportarCifra::btnAjudaClick() {
    try {
        const std::filesystem::path caminho =
            idiomas_.CaminhoParametro(idm::parametros::caminhoAjuda);
        std::error_code erro;
        if (!std::filesystem::is_regular_file(caminho, erro)) {
            mensagens_.Informar(Texto(ge::Secao, ge::erroEncontrarAjuda),
                                Texto(ge::Secao, ge::nomeAplicacao), this);
            return;
        }
        // The help opens at the chart's topic.
        AbrirEndereco(abridor_,
                      caminho.string() + "#" +
                          Texto(idm::parametros::Secao, idm::parametros::ancoraAjudaImportarCifra));
    } catch (const std::exception&) {
        mensagens_.Informar(Texto(ge::Secao, ge::erroAbrirNavegador),
                            Texto(ge::Secao, ge::nomeAplicacao), this);
    }
}

void TformImportarCifra::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}
