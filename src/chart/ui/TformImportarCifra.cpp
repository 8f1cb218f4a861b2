#include "TformImportarCifra.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "AbrirShell.h"
#include "ArrasteJanela.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "EscolhasTextoCifra.h"
#include "FigurasIdioma.h"
#include "GerenciadorIdiomas.h"
#include "MinimizarAplicacao.h"
#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "TransposicaoCifra.h"
#include "TextoIdioma.h"

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

// The text box of the chart. Esc stays here instead of closing the window, and pasted text
// keeps one line per line whatever line ends it came with.
class MemoCifra : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
            evento->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(evento);
    }

    void insertFromMimeData(const QMimeData* origem) override {
        if (origem == nullptr || !origem->hasText()) return;
        QString texto = origem->text();
        texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        insertPlainText(texto);
        MarcarLinhasRetidas(*this);
    }

    // Over a line marked as left among the lyrics, the tooltip tells why.
    bool viewportEvent(QEvent* evento) override {
        if (evento->type() == QEvent::ToolTip) {
            const auto* ajuda = static_cast<QHelpEvent*>(evento);
            const QString aviso = AvisoDaLinhaMarcada(*this, cursorForPosition(ajuda->pos()).block());
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
    AplicarIdioma();
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
    connect(memoTextoCifra, &QWidget::customContextMenuRequested, this, [this](const QPoint& lugar) {
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
    setWindowTitle(Q(Texto(fc::Secao, fc::titulo)));
    lblTitulo->setText(windowTitle());
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
}

void TformImportarCifra::botaoOkClick() {
    for (const std::string& cifra : ColetarAcordes(Linhas()))
        listaImpressao_.adicionar(cifra, true);
    close();
}

void TformImportarCifra::btnImprimirClick() {
    {
        // Busy while the chords are built; the print options below wait for the user.
        QApplication::setOverrideCursor(Qt::BusyCursor);
        struct Restaurar {
            ~Restaurar() { QApplication::restoreOverrideCursor(); }
        } restaurar;
        listaImpressao_.limpar();
        for (const std::string& cifra : ColetarAcordes(Linhas()))
            listaImpressao_.adicionar(cifra, false);
    }
    if (abrirImpressao) abrirImpressao();
}

std::unique_ptr<QMenu> TformImportarCifra::CriarMenuTexto() {
    std::unique_ptr<QMenu> menu(memoTextoCifra->createStandardContextMenu());
    AcrescentarEscolhasTransposicao(*menu, idiomas_, opcoesTransposicao, [this] {
        if (aoMudarOpcoes) aoMudarOpcoes(opcoesTransposicao);
    });
    return menu;
}

void TformImportarCifra::transporClick() {
    const std::vector<std::string> linhas = Linhas();
    const std::vector<std::string> novas = TransporLinhas(
        linhas, numSemitons, opcaoAcima ? SentidoTransposicao::Acima : SentidoTransposicao::Abaixo,
        opcoesTransposicao);
    MarcarLinhasRetidas(*memoTextoCifra);
    if (novas == linhas) return;

    // The text changes as one edit (undone at once), with the caret, the selection and the
    // scrolled place kept: a player transposing a long song stays where they were reading.
    QTextDocument& documento = *memoTextoCifra->document();
    QTextCursor cursor = memoTextoCifra->textCursor();
    const Lugar ancora = LugarDe(documento, cursor.anchor());
    const Lugar posicao = LugarDe(documento, cursor.position());
    const int vertical = memoTextoCifra->verticalScrollBar()->value();
    const int horizontal = memoTextoCifra->horizontalScrollBar()->value();

    QString texto;
    for (std::size_t i = 0; i < novas.size(); ++i) {
        if (i > 0) texto += QLatin1Char('\n');
        texto += Q(novas[i]);
    }
    // Lines() drops the empty line after a final line end; it stays.
    const QString antes = documento.toRawText();
    if (antes.endsWith(QChar::ParagraphSeparator) || antes.endsWith(QLatin1Char('\n')))
        texto += QLatin1Char('\n');
    QTextCursor tudo(&documento);
    tudo.select(QTextCursor::Document);
    tudo.insertText(texto);

    cursor.setPosition(PosicaoDe(documento, ancora));
    cursor.setPosition(PosicaoDe(documento, posicao), QTextCursor::KeepAnchor);
    memoTextoCifra->setTextCursor(cursor);
    memoTextoCifra->verticalScrollBar()->setValue(vertical);
    memoTextoCifra->horizontalScrollBar()->setValue(horizontal);
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
    memoTextoCifra->clear();
    memoTextoCifra->paste();
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
