// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformPrincipal.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "AbrirShell.h"
#include "ArquivoConfiguracao.h"
#include "ArrasteJanela.h"
#include "BotaoTeclado.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "ConfiguracaoSom.h"
#include "EscutaTeclado.h"
#include "Excecoes.h"
#include "FigurasIdioma.h"
#include "GeometriaTeclado.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorIdiomas.h"
#include "MidiOutput.h"
#include "MinimizarAplicacao.h"
#include "NomeadorAcordes.h"
#include "Shell.h"
#include "SomMidiOutput.h"
#include "TMidiInput.h"
#include "TformAviso.h"

namespace {

namespace fp = idm::fmPrincipal;
namespace ge = idm::geral;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Tags of the picture buttons: entry t of the picture store is the normal look, t + 1 the pressed
// one.
enum Tag {
    TagConfiguracoes = 0,
    TagAdicionar = 2,
    TagFechar = 4,
    TagHelp = 6,
    TagMinimizar = 8,
    TagImprimir = 10,
    TagRemover = 12,
    TagSetaDireita = 14,
    TagSetaEsquerda = 16,
    TagOuvir = 18,
    TagImportarCifra = 20,
    QuantidadeFiguras = 22,
};

}  // namespace

// The chord list as the chord manager keeps it in step with the catalogue.
class TformPrincipal::ListaCombo : public ListaCifras {
  public:
    explicit ListaCombo(QComboBox* combo) : combo_(combo) {}
    void SubstituirItens(const std::vector<std::string>& itens) override {
        QStringList textos;
        textos.reserve(static_cast<qsizetype>(itens.size()));
        for (const std::string& i : itens) textos << Q(i);
        combo_->clear();
        combo_->addItems(textos);
        combo_->setCurrentIndex(-1);
    }
    void InserirItem(int indice, const std::string& item) override {
        combo_->insertItem(indice, Q(item));
    }

  private:
    QComboBox* combo_;
};

TformPrincipal::TformPrincipal(const Dependencias& d)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      idiomas_(d.idiomas),
      acordes_(d.acordes),
      player_(d.player),
      som_(d.som),
      mensagens_(d.mensagens),
      abridor_(d.abridor),
      caminhoConfiguracao_(d.configuracao) {
    // 1. The window and its controls.
    CriarControles();
    // 3. Every black key shows the released black-key picture.
    for (int k = 0; k < QuantidadeTeclas; ++k)
        if (TeclaPreta(k)) imgTecla[k]->CopiarFiguraDe(*imgPretaSolta);
    // 4. The keyboard display; the chord manager fills the chord list.
    Teclado::Controles c;
    for (int k = 0; k < QuantidadeTeclas; ++k) c.teclas[k] = imgTecla[k];
    c.brancaPressionada = imgBrancaPressionada;
    c.pretaSolta = imgPretaSolta;
    c.pretaPressionada = imgPretaPressionada;
    for (int s = 0; s < 5; ++s) {
        c.marcas[s] = imgSolo[s];
        c.dedos[s] = lblDedo[s];
        c.notas[s] = lblNota[s];
        c.intervalos[s] = lblIntervalo[s];
    }
    saidaSom_ = std::make_unique<SomMidiOutput>(player_);
    teclado_ = std::make_unique<Teclado>(c, *saidaSom_, acordes_);
    listaCombo_ = std::make_unique<ListaCombo>(comboBaseAcordes);
    acordes_.ConectarLista(listaCombo_.get());
    PrepararEscuta(d);
    // 5.
    AplicarIdioma();
    ConfigurarTeclado();
    // 6-8. The MIDI port and the chord player.
    comboModoVisualizacao->setCurrentIndex(0);
    PrepararSom();
    // 9. The stored settings.
    configuracao_ = caminhoConfiguracao_.empty()
                        ? std::make_unique<ArquivoConfiguracao>()
                        : std::make_unique<ArquivoConfiguracao>(caminhoConfiguracao_);
}

TformPrincipal::~TformPrincipal() {
    EncerrarEscuta();
    acordes_.ConectarLista(nullptr);
}

std::string TformPrincipal::Texto(std::string_view secao, std::string_view chave) const {
    return idiomas_.ObterTexto(secao, chave);
}

void TformPrincipal::CriarControles() {
    setObjectName(QStringLiteral("TformPrincipal"));
    // 797 x 519 client area inside a 1-pixel border.
    setFixedSize(799, 521);
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPointSize(8);
    setFont(fonte);
    setStyleSheet(
        QStringLiteral("TformPrincipal { background: #1b1f26; border: 1px solid #0b0d10; }"));
    setAttribute(Qt::WA_StyledBackground);

    // Everything is placed in client coordinates, one pixel in from the border.
    auto* cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("cliente"));
    cliente->setGeometry(1, 1, 797, 519);
    cliente->setMouseTracking(true);

    imagensBotoes.assign(QuantidadeFiguras, QPixmap());
    imagensBotoes[TagFechar] = FiguraEmbutida("fechar");
    imagensBotoes[TagFechar + 1] = FiguraEmbutida("fecharI");
    imagensBotoes[TagHelp] = FiguraEmbutida("help");
    imagensBotoes[TagHelp + 1] = FiguraEmbutida("helpI");
    imagensBotoes[TagMinimizar] = FiguraEmbutida("minimizar");
    imagensBotoes[TagMinimizar + 1] = FiguraEmbutida("minimizarI");
    imagensBotoes[TagSetaDireita] = FiguraEmbutida("setaDireita");
    imagensBotoes[TagSetaDireita + 1] = FiguraEmbutida("setaDireitaI");
    imagensBotoes[TagSetaEsquerda] = FiguraEmbutida("setaEsquerda");
    imagensBotoes[TagSetaEsquerda + 1] = FiguraEmbutida("setaEsquerdaI");

    auto botao = [&](QWidget* pai, const char* nome, const QRect& lugar, int tag) {
        auto* b = new BotaoFiguraQt(pai, lugar, tag, &imagensBotoes);
        b->setObjectName(QString::fromLatin1(nome));
        b->MostrarNormal();
        return b;
    };

    // The keyboard panel with the keyboard and the lower bar.
    panelTeclado = new QWidget(cliente);
    panelTeclado->setObjectName(QStringLiteral("panelTeclado"));
    panelTeclado->setGeometry(0, geometria::TopoPainel, 797, 441);
    panelTeclado->setAutoFillBackground(true);
    panelTeclado->setPalette(QPalette(Qt::white));
    panelTeclado->setMouseTracking(true);

    imgTeclado = new ImagemQt(
        panelTeclado, QRect(0, 0, geometria::LarguraFundoTeclado, geometria::AlturaFundoTeclado));
    imgTeclado->setObjectName(QStringLiteral("imgTeclado"));
    imgTeclado->DefinirFigura(FiguraEmbutida("teclado"));
    imgTeclado->aoMoverMouse = [this](int) { MouseSobreTecla(-1); };
    imgTeclado->aoPressionar = [this](QMouseEvent* e) { TeclaPressionada(-1, e->modifiers()); };

    // Hidden picture templates, never shown themselves.
    imgBrancaPressionada = new ImagemQt(panelTeclado, QRect(0, 0, 42, 235));
    imgBrancaPressionada->setObjectName(QStringLiteral("imgBrancaPressionada"));
    imgBrancaPressionada->DefinirFigura(FiguraEmbutida("brancaPressionada"));
    imgBrancaPressionada->hide();
    imgPretaPressionada = new ImagemQt(panelTeclado, QRect(0, 0, 25, 148));
    imgPretaPressionada->setObjectName(QStringLiteral("imgPretaPressionada"));
    imgPretaPressionada->DefinirFigura(FiguraEmbutida("pretaPressionada"));
    imgPretaPressionada->hide();
    imgPretaSolta = new ImagemQt(panelTeclado, QRect(0, 0, 25, 148));
    imgPretaSolta->setObjectName(QStringLiteral("imgPretaSolta"));
    imgPretaSolta->DefinirFigura(FiguraEmbutida("pretaSolta"));
    imgPretaSolta->hide();

    // White keys first, so the black ones lie above them.
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < QuantidadeTeclas; ++k) {
            const bool preta = TeclaPreta(k);
            if (preta != (pass == 1)) continue;
            const QRect lugar(geometria::EsquerdaTecla[k], geometria::TopoTecla,
                              preta ? geometria::LarguraPreta : geometria::LarguraBranca,
                              preta ? geometria::AlturaPreta : geometria::AlturaBranca);
            imgTecla[k] = new ImagemQt(panelTeclado, lugar, k);
            imgTecla[k]->setObjectName(QStringLiteral("imgTecla%1").arg(k));
            imgTecla[k]->aoMoverMouse = [this](int tecla) { MouseSobreTecla(tecla); };
            imgTecla[k]->aoPressionar = [this, k](QMouseEvent* e) {
                TeclaPressionada(k, e->modifiers());
            };
        }
    const QPixmap marca = FiguraEmbutida("marca");
    for (int s = 0; s < 5; ++s) {
        imgSolo[s] =
            new MarcaQt(panelTeclado, QSize(geometria::TamanhoMarca, geometria::TamanhoMarca));
        imgSolo[s]->setObjectName(QStringLiteral("imgSolo%1").arg(s + 1));
        imgSolo[s]->setPixmap(marca);
    }
    const QSize rotulo(geometria::TamanhoRotulo, geometria::TamanhoRotulo);
    for (int s = 0; s < 5; ++s) {
        lblDedo[s] = new RotuloQt(panelTeclado, rotulo);
        lblDedo[s]->setObjectName(QStringLiteral("lblDedo%1").arg(s + 1));
        lblNota[s] = new RotuloQt(panelTeclado, rotulo);
        lblNota[s]->setObjectName(QStringLiteral("lblNota%1").arg(s + 1));
        lblIntervalo[s] = new RotuloQt(
            panelTeclado,
            s == 0 ? QSize(geometria::LarguraPrimeiroIntervalo, geometria::TamanhoRotulo) : rotulo);
        lblIntervalo[s]->setObjectName(QStringLiteral("lblIntervalo%1").arg(s + 1));
    }

    imagemBarraInferior = new ImagemQt(
        panelTeclado, QRect(0, geometria::TopoBarraInferior, geometria::LarguraBarraInferior,
                            geometria::AlturaBarraInferior));
    imagemBarraInferior->setObjectName(QStringLiteral("imagemBarraInferior"));
    imagemBarraInferior->aoMoverMouse = [this](int) { MouseSobreTecla(-1); };

    editNomeAcorde = new QLineEdit(panelTeclado);
    editNomeAcorde->setObjectName(QStringLiteral("editNomeAcorde"));
    editNomeAcorde->setGeometry(176, 358, 135, 21);
    editNomeAcorde->installEventFilter(this);
    connect(editNomeAcorde, &QLineEdit::returnPressed, this, [this] { editNomeAcordeEnter(); });

    btnAnterior = botao(panelTeclado, "btnAnterior", QRect(150, 384, 18, 18), TagSetaEsquerda);
    btnProximo = botao(panelTeclado, "btnProximo", QRect(319, 384, 18, 18), TagSetaDireita);
    btnAnterior->DefinirCliqueDuplo(true);
    btnProximo->DefinirCliqueDuplo(true);
    btnAdicionar = botao(panelTeclado, "btnAdicionar", QRect(382, 362, 89, 20), TagAdicionar);
    btnRemover = botao(panelTeclado, "btnRemover", QRect(382, 388, 89, 20), TagRemover);
    btnImprimir = botao(panelTeclado, "btnImprimir", QRect(382, 414, 89, 20), TagImprimir);
    btnOuvirAcorde = botao(panelTeclado, "btnOuvirAcorde", QRect(206, 411, 69, 21), TagOuvir);
    btnImportarCifra =
        botao(panelTeclado, "btnImportarCifra", QRect(665, 359, 120, 20), TagImportarCifra);

    // The top bar and its buttons.
    imagemBarraSuperior = new ImagemQt(
        cliente, QRect(0, geometria::TopoBarraSuperior, geometria::LarguraBarraSuperior,
                       geometria::AlturaBarraSuperior));
    imagemBarraSuperior->setObjectName(QStringLiteral("imagemBarraSuperior"));
    imagemBarraSuperior->aoMoverMouse = [this](int) { MouseSobreTecla(-1); };
    // Presses that the keyboard panel's pictures pass on do not move the window: a click on a
    // key must not drag it away.
    arraste_ = new ArrasteJanela(this, [this](QWidget* alvo) {
        return alvo != panelTeclado && !panelTeclado->isAncestorOf(alvo);
    });
    imagemBarraSuperior->aoPressionar = [this](QMouseEvent* e) { arraste_->Iniciar(e); };
    btnConfiguracoes = botao(cliente, "btnConfiguracoes", QRect(35, 19, 117, 20), TagConfiguracoes);
    btnMinimizar = botao(cliente, "btnMinimizar", QRect(672, 16, 25, 28), TagMinimizar);
    btnHelp = botao(cliente, "btnHelp", QRect(704, 16, 25, 27), TagHelp);
    btnClose = botao(cliente, "btnClose", QRect(736, 16, 27, 28), TagFechar);
    imgLinkCorvela = new ImagemQt(cliente, QRect(607, 63, 182, 14));
    imgLinkCorvela->setObjectName(QStringLiteral("imgLinkCorvela"));
    imgLinkCorvela->setCursor(Qt::PointingHandCursor);
    TornarBotaoTeclado(imgLinkCorvela);  // before anything asks how to present it
    imgLinkCorvela->aoPressionar = [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton) imgLinkCorvelaClick();
    };

    // The lists lie above the panel.
    comboBaseAcordes = new QComboBox(cliente);
    comboBaseAcordes->setObjectName(QStringLiteral("comboBaseAcordes"));
    comboBaseAcordes->setGeometry(176, 463, 135, 22);
    comboBaseAcordes->setMaxVisibleItems(20);
    connect(comboBaseAcordes, &QComboBox::activated, this,
            [this](int i) { comboBaseAcordesClick(i); });
    listaImpressao = new QListWidget(cliente);
    listaImpressao->setObjectName(QStringLiteral("listaImpressao"));
    listaImpressao->setGeometry(478, 440, 159, 73);
    connect(listaImpressao, &QListWidget::itemClicked, this, [this] { listaImpressaoClick(); });
    connect(listaImpressao, &QListWidget::itemActivated, this, [this] { listaImpressaoClick(); });
    // Moving through the list with the keyboard shows each chord as a click does.
    connect(listaImpressao, &QListWidget::currentRowChanged, this, [this](int linha) {
        if (linha >= 0) listaImpressaoClick();
    });
    comboModoVisualizacao = new QComboBox(cliente);
    comboModoVisualizacao->setObjectName(QStringLiteral("comboModoVisualizacao"));
    comboModoVisualizacao->setGeometry(665, 492, 118, 22);
    connect(comboModoVisualizacao, &QComboBox::currentIndexChanged, this,
            [this] { comboModoVisualizacaoChange(); });

    // Clicks.
    btnAnterior->aoClicar = [this] { btnAnteriorClick(); };
    btnProximo->aoClicar = [this] { btnProximoClick(); };
    btnAdicionar->aoClicar = [this] { btnAdicionarClick(); };
    btnRemover->aoClicar = [this] { btnRemoverClick(); };
    btnImprimir->aoClicar = [this] { btnImprimirClick(); };
    btnImportarCifra->aoClicar = [this] {
        if (abrirImportarCifra) abrirImportarCifra();
    };
    btnConfiguracoes->aoClicar = [this] {
        if (abrirConfiguracoes) abrirConfiguracoes();
    };
    btnHelp->aoClicar = [this] { btnHelpClick(); };
    // The whole application goes to the task bar, the chart window with it.
    btnMinimizar->aoClicar = [] { MinimizarAplicacao(); };
    btnClose->aoClicar = [this] { close(); };
    // The listen button changes its picture only while a chord is current.
    btnOuvirAcorde->DefinirAutomatico(false);
    btnOuvirAcorde->aoPressionar = [this] { btnOuvirAcordeMouseDown(); };
    btnOuvirAcorde->aoSoltar = [this] { btnOuvirAcordeMouseUp(); };

    setMouseTracking(true);
}

void TformPrincipal::AplicarIdioma() {
    setWindowTitle(Q(Texto(ge::Secao, ge::nomeAplicacao)));
    btnHelp->setToolTip(Q(Texto(ge::Secao, ge::hintBtnAjuda)));
    btnMinimizar->setToolTip(Q(Texto(ge::Secao, ge::hintBtnMinimizar)));
    imgLinkCorvela->setToolTip(Q(Texto(fp::Secao, fp::hintImgLinkCorvela)));
    editNomeAcorde->setText(Q(Texto(fp::Secao, fp::hintEditNomeAcorde)));
    editNomeAcorde->setToolTip(Q(Texto(fp::Secao, fp::hintEditNomeAcorde)));
    comboBaseAcordes->setToolTip(Q(Texto(fp::Secao, fp::hintComboBaseAcordes)));
    comboModoVisualizacao->setToolTip(Q(Texto(fp::Secao, fp::hintComboModoVisualizacao)));
    btnAnterior->setToolTip(Q(Texto(fp::Secao, fp::hintBtnAnterior)));
    btnProximo->setToolTip(Q(Texto(fp::Secao, fp::hintBtnProximo)));
    btnOuvirAcorde->setToolTip(Q(Texto(fp::Secao, fp::hintBtnOuvirAcorde)));
    btnAdicionar->setToolTip(Q(Texto(fp::Secao, fp::hintBtnAdicionar)));
    btnRemover->setToolTip(Q(Texto(fp::Secao, fp::hintBtnRemover)));
    btnImprimir->setToolTip(Q(Texto(fp::Secao, fp::hintBtnImprimir)));
    btnImportarCifra->setToolTip(Q(Texto(fp::Secao, fp::hintBtnImportarCifra)));
    btnConfiguracoes->setToolTip(Q(Texto(fp::Secao, fp::hintBtnConfiguracoes)));
    btnClose->setToolTip(Q(Texto(fp::Secao, fp::hintBtnClose)));

    {
        const QSignalBlocker bloqueio(comboModoVisualizacao);
        comboModoVisualizacao->clear();
        comboModoVisualizacao->addItem(Q(Texto(fp::Secao, fp::itemsComboModoVisualizacao1)));
        comboModoVisualizacao->addItem(Q(Texto(fp::Secao, fp::itemsComboModoVisualizacao2)));
        comboModoVisualizacao->addItem(Q(Texto(fp::Secao, fp::itemsComboModoVisualizacao3)));
    }

    auto figura = [this](std::string_view chave) {
        return FiguraIdioma(idiomas_, fp::Secao, chave);
    };
    imagensBotoes[TagConfiguracoes] = figura(fp::imgBtnConfiguracoes);
    imagensBotoes[TagConfiguracoes + 1] = figura(fp::imgBtnConfiguracoesI);
    imagensBotoes[TagAdicionar] = figura(fp::imgBtnAdicionar);
    imagensBotoes[TagAdicionar + 1] = figura(fp::imgBtnAdicionarI);
    imagensBotoes[TagRemover] = figura(fp::imgBtnRemover);
    imagensBotoes[TagRemover + 1] = figura(fp::imgBtnRemoverI);
    imagensBotoes[TagImprimir] = figura(fp::imgBtnImprimir);
    imagensBotoes[TagImprimir + 1] = figura(fp::imgBtnImprimirI);
    imagensBotoes[TagImportarCifra] = figura(fp::imgBtnImportarCifra);
    imagensBotoes[TagImportarCifra + 1] = figura(fp::imgBtnImportarCifraI);
    imagensBotoes[TagOuvir] = figura(fp::imgBtnOuvirAcorde);
    imagensBotoes[TagOuvir + 1] = figura(fp::imgBtnOuvirAcordeI);
    imgLinkCorvela->DefinirFigura(figura(fp::imgLinkCorvela));
    imagemBarraSuperior->DefinirFigura(figura(fp::imgBarraSuperior));
    imagemBarraInferior->DefinirFigura(figura(fp::imgBarraInferior));

    for (BotaoFiguraQt* b : {btnConfiguracoes, btnOuvirAcorde, btnAdicionar, btnRemover,
                             btnImprimir, btnImportarCifra}) {
        // A language file without the button's pictures still gives a button to press.
        const auto t = static_cast<std::size_t>(b->Tag());
        if (imagensBotoes[t].isNull())
            imagensBotoes[t] = FiguraLegendada(b->size(), b->toolTip(), false);
        if (imagensBotoes[t + 1].isNull())
            imagensBotoes[t + 1] = FiguraLegendada(b->size(), b->toolTip(), true);
        b->MostrarNormal();
    }
    NomearControles();
}

void TformPrincipal::ConfigurarTeclado() {
    // Reading order: the chord and its positions, the print list, the other windows, then
    // the top bar; Tab wraps from the last back to the chord field.
    const std::vector<QWidget*> ordem{editNomeAcorde,   btnAnterior,           btnProximo,
                                      btnOuvirAcorde,   comboBaseAcordes,      btnAdicionar,
                                      btnRemover,       btnImprimir,           listaImpressao,
                                      btnImportarCifra, comboModoVisualizacao, btnConfiguracoes,
                                      imgLinkCorvela,   btnMinimizar,          btnHelp,
                                      btnClose};
    for (std::size_t i = 1; i < ordem.size(); ++i) setTabOrder(ordem[i - 1], ordem[i]);

    auto atalho = [this](QKeySequence teclas, std::function<void()> acao) {
        auto* a = new QShortcut(teclas, this);
        a->setContext(Qt::WindowShortcut);
        connect(a, &QShortcut::activated, this, std::move(acao));
    };
    atalho(QKeySequence(Qt::Key_F1), [this] { btnHelpClick(); });
    atalho(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { btnImprimirClick(); });
    atalho(QKeySequence(Qt::CTRL | Qt::Key_I), [this] {
        if (abrirImportarCifra) abrirImportarCifra();
    });
    atalho(QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        editNomeAcorde->setFocus(Qt::ShortcutFocusReason);
        editNomeAcorde->selectAll();
    });
    atalho(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { btnAnteriorClick(); });
    atalho(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { btnProximoClick(); });
    atalho(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

void TformPrincipal::NomearControles() {
    auto nome = [this](std::string_view chave) { return Q(Texto(fp::Secao, chave)); };
    auto nomear = [&](QWidget* controle, std::string_view chave) {
        NomearAcessivel(controle, nome(chave), controle->toolTip());
    };
    nomear(btnConfiguracoes, fp::nomeBtnConfiguracoes);
    nomear(btnMinimizar, fp::nomeBtnMinimizar);
    nomear(btnHelp, fp::nomeBtnHelp);
    nomear(btnClose, fp::nomeBtnClose);
    nomear(imgLinkCorvela, fp::nomeImgLinkCorvela);
    nomear(editNomeAcorde, fp::nomeEditNomeAcorde);
    nomear(comboBaseAcordes, fp::nomeComboBaseAcordes);
    NomearAcessivel(listaImpressao, nome(fp::nomeListaImpressao), nome(fp::hintListaImpressao));
    nomear(comboModoVisualizacao, fp::nomeComboModoVisualizacao);
    nomear(btnAnterior, fp::nomeBtnAnterior);
    nomear(btnProximo, fp::nomeBtnProximo);
    nomear(btnAdicionar, fp::nomeBtnAdicionar);
    nomear(btnRemover, fp::nomeBtnRemover);
    nomear(btnImprimir, fp::nomeBtnImprimir);
    nomear(btnOuvirAcorde, fp::nomeBtnOuvirAcorde);
    nomear(btnImportarCifra, fp::nomeBtnImportarCifra);
    NomearAcessivel(imgTeclado, nome(fp::nomeTeclado));
    setAccessibleName(windowTitle());
    DescreverTeclado();
}

void TformPrincipal::DescreverTeclado() {
    const Teclado::PalavrasDescricao palavras{
        Texto(fp::Secao, fp::lblPosicao), Texto(fp::Secao, fp::lblDe),
        Texto(fp::Secao, fp::lblDedos), Texto(fp::Secao, fp::lblIntervalos),
        Texto(fp::Secao, fp::lblSemAcorde)};
    imgTeclado->setAccessibleDescription(
        Q(teclado_ ? teclado_->Descrever(palavras) : palavras.semAcorde));
}

void TformPrincipal::PrepararSom() {
    try {
        player_.SelecionarPrimeiroDispositivo();
    } catch (const MidiDesabilitadoException&) {
        InformarPlacaDesconfigurada();
    }
}

void TformPrincipal::InformarPlacaDesconfigurada() {
    // With no sound at all on this computer, choosing another device is no advice: the
    // chords are shown anyway, and that is said once per run.
    if (!player_.AlgumaSaidaAbre()) {
        if (!avisouSemSaida_)
            mensagens_.Informar(Texto(fp::Secao, fp::msgSemSaidaAudio),
                                Texto(ge::Secao, ge::nomeAplicacao), this);
        avisouSemSaida_ = true;
        return;
    }
    mensagens_.Informar(Texto(fp::Secao, fp::msgPlacaDesconfigurada),
                        Texto(ge::Secao, ge::nomeAplicacao), this);
}

void TformPrincipal::MostrarAvisoCifraInvalida() {
    if (aviso_ == nullptr && obterAviso) aviso_ = obterAviso();
    if (aviso_ != nullptr) {
        aviso_->DefinirMensagem(Texto(fp::Secao, fp::msgExpFormatoInvalido),
                                Texto(fp::Secao, fp::msgExpFormatoInvalidoTitulo));
        aviso_->exec();
    } else {
        mensagens_.Informar(Texto(fp::Secao, fp::msgExpFormatoInvalido),
                            Texto(fp::Secao, fp::msgExpFormatoInvalidoTitulo), this);
    }
}

void TformPrincipal::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (evento->spontaneous()) return;  // restored from the task bar, not shown anew
    if (!configuracaoAplicada_) {
        configuracaoAplicada_ = true;
        if (QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
        // Ready for typing: the prompt is selected, so the first key replaces it; the window
        // takes the keyboard even where no window manager hands it over.
        editNomeAcorde->setFocus();
        editNomeAcorde->selectAll();
        activateWindow();
    }
    AplicarConfiguracaoSalva();
}

void TformPrincipal::AplicarConfiguracaoSalva() {
    if (!configuracao_) return;
    try {
        int placa = configuracao_->ObterPlacaSom();
        if (placa == -1) {
            placa = executarAssistente ? executarAssistente() : -1;
            if (placa == -1) placa = 0;
        }
        som_.Definir(placa, configuracao_->ObterInstrumentoTeclado(),
                     configuracao_->ObterMouseTocarTeclas());
        som_.DefinirEntrada(configuracao_->ObterEntradaMidi(),
                            configuracao_->ObterEcoarEntradaMidi());
        const int modo = configuracao_->ObterModoVisualizacao();
        {
            const QSignalBlocker bloqueio(comboModoVisualizacao);
            comboModoVisualizacao->setCurrentIndex(
                modo >= 0 && modo < comboModoVisualizacao->count() ? modo : -1);
        }
        comboModoVisualizacaoChange();
    } catch (const MidiDesabilitadoException&) {
        // Applying stored settings is incidental: the run goes on with what it has.
    }
}

void TformPrincipal::editNomeAcordeEnter() {
    // The name of marked keys: their chord, in the position nearest to the marks.
    if (escuta_->EscolherMarcadas(editNomeAcorde->text().toStdString())) return;
    try {
        teclado_->MostrarPosicao(&acordes_.ProcurarAcorde(editNomeAcorde->text().toStdString()));
        comboBaseAcordes->setCurrentIndex(acordes_.IndiceAcordeAtual());
    } catch (const FormatoInvalidoException&) {
        MostrarAvisoCifraInvalida();
        comboBaseAcordes->setCurrentIndex(-1);
        teclado_->LimparExibicao();
    }
    DescreverTeclado();
}

void TformPrincipal::comboBaseAcordesClick(int indice) {
    if (indice < 0) return;
    const QString cifra = comboBaseAcordes->itemText(indice);
    try {
        teclado_->MostrarPosicao(&acordes_.ProcurarAcorde(cifra.toStdString()));
        editNomeAcorde->setText(cifra);
    } catch (const FormatoInvalidoException&) {
        MostrarAvisoCifraInvalida();
        teclado_->LimparExibicao();
    }
    DescreverTeclado();
}

void TformPrincipal::btnAnteriorClick() {
    if (acordes_.IndiceAcordeAtual() == -1) return;
    teclado_->MostrarPosicao(acordes_.PosicaoAnterior());
    DescreverTeclado();
}

void TformPrincipal::btnProximoClick() {
    if (acordes_.IndiceAcordeAtual() == -1) return;
    teclado_->MostrarPosicao(acordes_.ProximaPosicao());
    DescreverTeclado();
}

void TformPrincipal::comboModoVisualizacaoChange() {
    const int modo = comboModoVisualizacao->currentIndex();
    teclado_->DefinirModoVisualizacao(
        modo >= 0 && modo <= 2 ? std::optional(static_cast<ModoVisualizacao>(modo)) : std::nullopt);
    DescreverTeclado();
}

void TformPrincipal::btnOuvirAcordeMouseDown() {
    // Keys marked or held without a current chord sound too: listen sounds what is shown.
    if (acordes_.IndiceAcordeAtual() == -1 && teclado_->TeclasAvulsas() == 0) return;
    ouvindo_ = true;
    btnOuvirAcorde->MostrarPressionado();
    try {
        teclado_->TocarAcorde();
    } catch (const MidiDesabilitadoException&) {
        InformarPlacaDesconfigurada();
    }
}

void TformPrincipal::btnOuvirAcordeMouseUp() {
    if (!std::exchange(ouvindo_, false)) return;
    btnOuvirAcorde->MostrarNormal();
    try {
        teclado_->PararAcorde();
    } catch (const MidiDesabilitadoException&) {
        InformarPlacaDesconfigurada();
    }
}

void TformPrincipal::MouseSobreTecla(int tecla) {
    if (!som_.MouseTocarTeclas()) return;
    try {
        teclado_->MouseSobreTecla(tecla);
    } catch (const MidiDesabilitadoException&) {
        // Playing under the pointer is incidental; the listen button reports missing sound.
    }
}

void TformPrincipal::btnAdicionarClick() {
    const PosicaoHarmonicaTeclado* posicao = acordes_.PosicaoAtual();
    if (acordes_.IndiceAcordeAtual() == -1 || posicao == nullptr) return;
    listaAcordes_.Adicionar(AcordeImpressao(acordes_.NomeAcordeAtual(), *posicao));
    MostrarListaImpressao();
    // The new line is selected; the chord it shows is already on the keys.
    const QSignalBlocker bloqueio(listaImpressao);
    listaImpressao->setCurrentRow(listaImpressao->count() - 1);
}

void TformPrincipal::btnRemoverClick() {
    const int linha = listaImpressao->currentRow();
    if (linha < 0 || listaImpressao->selectedItems().isEmpty()) return;
    listaAcordes_.Remover(linha);
    delete listaImpressao->takeItem(linha);
    // Nothing stays selected, so a second click does not remove another line.
    listaImpressao->setCurrentRow(-1);
    listaImpressao->clearSelection();
}

void TformPrincipal::MostrarListaImpressao() {
    // The list box only shows the print list: its lines are the items' symbols, in order.
    for (int i = listaImpressao->count(); i < listaAcordes_.Quantidade(); ++i)
        listaImpressao->addItem(Q(listaAcordes_.Obter(i).ObterCifra()));
    while (listaImpressao->count() > listaAcordes_.Quantidade())
        delete listaImpressao->takeItem(listaImpressao->count() - 1);
}

void TformPrincipal::listaImpressaoClick() {
    const int linha = listaImpressao->currentRow();
    if (linha < 0 || linha >= listaAcordes_.Quantidade()) return;
    const AcordeImpressao& item = listaAcordes_.Obter(linha);
    const PosicaoHarmonicaTeclado guardada = item.ObterPosicao();
    const std::string cifra = item.ObterCifra();
    try {
        const PosicaoHarmonicaTeclado* p = &acordes_.ProcurarAcorde(cifra);
        while (p != nullptr && !(*p == guardada)) p = acordes_.ProximaPosicao();
        if (p != nullptr) teclado_->MostrarPosicao(p);
    } catch (const FormatoInvalidoException&) {
        // Every listed symbol was valid when it was added; nothing to show otherwise.
        return;
    }
    editNomeAcorde->setText(Q(cifra));
    comboBaseAcordes->setCurrentIndex(acordes_.IndiceAcordeAtual());
    DescreverTeclado();
}

void TformPrincipal::btnImprimirClick() {
    if (listaImpressao->count() == 0) {
        mensagens_.Informar(Texto(fp::Secao, fp::msgListaImpressaoVazia),
                            Texto(ge::Secao, ge::nomeAplicacao), this);
        return;
    }
    if (abrirImpressao) abrirImpressao();
}

void TformPrincipal::btnHelpClick() {
    const std::filesystem::path ajuda = idiomas_.CaminhoParametro(idm::parametros::caminhoAjuda);
    try {
        AbrirDocumento(abridor_, ajuda.string());
    } catch (const EFOpenError&) {
        // The page is there but nothing could show it (no browser): say that, not "not found".
        std::error_code erro;
        const bool existe = std::filesystem::is_regular_file(ajuda, erro);
        mensagens_.Informar(
            Texto(ge::Secao, existe ? ge::erroAbrirNavegador : ge::erroEncontrarAjuda),
            Texto(ge::Secao, ge::nomeAplicacao), this);
    }
}

void TformPrincipal::imgLinkCorvelaClick() {
    try {
        AbrirEndereco(abridor_, Texto(idm::parametros::Secao, idm::parametros::urlCorvela));
    } catch (const ERangeError&) {
        mensagens_.Informar(Texto(ge::Secao, ge::erroAbrirNavegador),
                            Texto(ge::Secao, ge::nomeAplicacao), this);
    }
}

void TformPrincipal::AdicionarAcordeImpressao(const std::string& cifra, bool repetir) {
    try {
        const AcordeImpressao item = CriarAcordeImpressao(acordes_, cifra);
        if (!repetir && listaAcordes_.ContemCifra(cifra)) return;
        listaAcordes_.Adicionar(item);
        MostrarListaImpressao();
    } catch (const FormatoInvalidoException&) {
        // A word that is no chord is skipped.
    }
}

void TformPrincipal::LimparListaImpressao() {
    listaAcordes_.Limpar();
    MostrarListaImpressao();
}

ColecaoAcordeImpressao TformPrincipal::CopiarListaImpressao() const {
    return ColecaoAcordeImpressao(listaAcordes_);
}

void TformPrincipal::closeEvent(QCloseEvent* evento) {
    // Unsaved work has its own question (save, discard, cancel), which stands for the plain one.
    const std::optional<bool> alteracoes =
        confirmarAlteracoes ? confirmarAlteracoes() : std::nullopt;
    if (alteracoes.has_value() && !*alteracoes) {
        evento->ignore();
        return;
    }
    if (!alteracoes.has_value() &&
        !mensagens_.Perguntar(Texto(fp::Secao, fp::msgConfirmarSaidaPrograma), "", this,
                              Texto(ge::Secao, ge::rotuloBtnSim),
                              Texto(ge::Secao, ge::rotuloBtnNao))) {
        evento->ignore();
        return;
    }
    if (configuracao_) {
        configuracao_->DefinirEntradaMidi(som_.EntradaMidi(), som_.EcoarEntrada());
        const Idioma* idioma = idiomas_.IdiomaAtual();
        if (!configuracao_->Salvar(som_.PlacaSom(), som_.InstrumentoTeclado(),
                                   comboModoVisualizacao->currentIndex(), som_.MouseTocarTeclas(),
                                   idioma ? idioma->ObterNome() : std::string())) {
            // The choices of this run are lost: say so, then leave all the same.
            mensagens_.Informar(
                Texto(fp::Secao, fp::msgErroGravarConfiguracao) + configuracao_->Caminho().string(),
                Texto(ge::Secao, ge::nomeAplicacao), this);
        }
    }
    evento->accept();
}

bool TformPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == editNomeAcorde && evento->type() == QEvent::MouseButtonRelease &&
        editNomeAcorde->text() == Q(Texto(fp::Secao, fp::hintEditNomeAcorde))) {
        // Clicking the prompt selects it, so typing replaces it.
        QTimer::singleShot(0, editNomeAcorde, [this] { editNomeAcorde->selectAll(); });
    }
    return QWidget::eventFilter(objeto, evento);
}

// The chord field and the chord list as the listener shows a chord in them.
class TformPrincipal::CampoAcordeJanela : public EscutaTeclado::CampoAcorde {
  public:
    explicit CampoAcordeJanela(TformPrincipal& janela) : janela_(janela) {}
    void MostrarCifra(std::string_view cifra) override {
        janela_.editNomeAcorde->setText(
            QString::fromUtf8(cifra.data(), static_cast<qsizetype>(cifra.size())));
    }
    void MostrarAcordeAtual() override {
        if (janela_.acordes_.IndiceAcordeAtual() == -1) {
            janela_.editNomeAcorde->setText(Q(janela_.Texto(fp::Secao, fp::hintEditNomeAcorde)));
            janela_.comboBaseAcordes->setCurrentIndex(-1);
            return;
        }
        janela_.editNomeAcorde->setText(Q(janela_.acordes_.NomeAcordeAtual()));
        janela_.comboBaseAcordes->setCurrentIndex(janela_.acordes_.IndiceAcordeAtual());
    }

  private:
    TformPrincipal& janela_;
};

void TformPrincipal::PrepararEscuta(const Dependencias& d) {
    const NomeadorAcordes* nomeador = d.nomeador;
    if (nomeador == nullptr) {
        nomeadorProprio_ = std::make_unique<NomeadorAcordes>(std::vector<std::string>{});
        nomeador = nomeadorProprio_.get();
    }
    campoAcorde_ = std::make_unique<CampoAcordeJanela>(*this);
    escuta_ = std::make_unique<EscutaTeclado>(*teclado_, acordes_, *nomeador, *campoAcorde_);
    entrada_ = d.entrada;
    if (entrada_ == nullptr) return;
    // The device's thread only asks the event loop once for everything that came meanwhile.
    // EncerrarEscuta silences it before the window goes, and a call queued for a window that
    // is gone is dropped with it.
    entrada_->AoChegar = [janela = this, pendente = entradaPendente_] {
        if (pendente->exchange(true)) return;
        QMetaObject::invokeMethod(
            janela, [janela] { janela->ProcessarEntradaMidi(); }, Qt::QueuedConnection);
    };
}

void TformPrincipal::EncerrarEscuta() {
    if (entrada_ == nullptr) return;
    // Its device thread calls into this window: it must be silent before the window goes.
    try {
        entrada_->Fechar();
    } catch (const std::exception&) {
        // A port that fails to close is abandoned; start-up destroys it right after.
    }
    entrada_->AoChegar = nullptr;
}

void TformPrincipal::ProcessarEntradaMidi() {
    if (entrada_ == nullptr) return;
    entradaPendente_->store(false);
    entrada_->ProcessarMensagens([this](std::span<const std::uint8_t> mensagem) {
        escuta_->Receber(mensagem);
        if (som_.EcoarEntrada() && mensagem.size() == 3 && ((mensagem[0] & 0xE0) == 0x80)) {
            // Echo on the output's channel, with its instrument.
            try {
                saidaSom_->EnviarEvento(static_cast<std::uint8_t>(mensagem[0] & 0xF0), mensagem[1],
                                        mensagem[2]);
            } catch (const MidiDesabilitadoException&) {
                // Sounding what is played is incidental, as mouse playing is.
            }
        }
    });
}

void TformPrincipal::TeclaPressionada(int tecla, Qt::KeyboardModifiers modificadores) {
    if ((modificadores & Qt::ControlModifier) && tecla >= 0)
        escuta_->AlternarTecla(tecla);
    else
        escuta_->LimparMarcas();
}

void TformPrincipal::EscPressionado() { escuta_->LimparMarcas(); }

void TformPrincipal::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && escuta_->TeclasMarcadas() != 0) {
        EscPressionado();
        evento->accept();
        return;
    }
    QWidget::keyPressEvent(evento);
}
