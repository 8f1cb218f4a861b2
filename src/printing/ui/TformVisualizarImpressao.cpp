// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformVisualizarImpressao.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ArrasteJanela.h"
#include "BotaoTeclado.h"
#include "ChavesIdioma.h"
#include "FigurasIdioma.h"
#include "FonteJanela.h"
#include "GerenciadorIdiomas.h"
#include "GerenciadorImpressao.h"
#include "PaginasQImage.h"
#include "TCorvelaButton3D.h"
#include "TextoIdioma.h"
#include "TformImpressao.h"

namespace {

namespace fv = idm::fmVisualizarImpressao;
namespace ge = idm::geral;

const QColor AzulJanela(26, 96, 181);
const QColor AzulBarra(0, 76, 170);

QFrame* Separador(QWidget* pai, int x) {
    auto* s = new QFrame(pai);
    s->setGeometry(x, 5, 2, 24);
    s->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return s;
}

}  // namespace

TformVisualizarImpressao::TformVisualizarImpressao(GerenciadorIdiomas& idiomas,
                                                   CaixasMensagem& mensagens,
                                                   GerenciadorImpressao& impressao,
                                                   TformImpressao& opcoes, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint),
      idiomas_(idiomas),
      mensagens_(mensagens),
      impressao_(impressao),
      opcoes_(opcoes),
      dialogo_(this) {
    CriarControles();
    AplicarIdioma();
}

TformVisualizarImpressao::~TformVisualizarImpressao() = default;

void TformVisualizarImpressao::CriarControles() {
    setObjectName(QStringLiteral("TformVisualizarImpressao"));
    setFixedSize(365, 509);
    setModal(true);
    setAutoFillBackground(true);
    QPalette cores = palette();
    cores.setColor(QPalette::Window, AzulJanela);
    setPalette(cores);

    Shape3 = new QFrame(this);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setGeometry(0, 0, width(), 33);
    Shape3->setAutoFillBackground(true);
    QPalette barra = Shape3->palette();
    barra.setColor(QPalette::Window, AzulBarra);
    Shape3->setPalette(barra);

    btnImprimir = new TCorvelaButton3D(this);
    btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    btnImprimir->SetTextFont(FonteBotaoImpressao());
    btnImprimir->SetImagemPressionada(FiguraEmbutida("botaoVisualizarI"));
    btnImprimir->SetImagemSolta(FiguraEmbutida("botaoVisualizar"));
    btnImprimir->setGeometry(9, 8, 103, 20);

    Separador(this, 113)->setObjectName(QStringLiteral("Bevel1"));
    auto rotulo = [&](const char* nome, const QRect& lugar, Qt::Alignment alinhamento) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setGeometry(lugar);
        l->setAlignment(alinhamento | Qt::AlignVCenter);
        QPalette branco = l->palette();
        branco.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(branco);
        l->setFont(FonteJanela());
        return l;
    };
    lblPagina = rotulo("lblPagina", QRect(110, 11, 41, 13), Qt::AlignRight);
    lblPagina->setText(QStringLiteral("Página"));
    spinPagina = new QSpinBox(this);
    spinPagina->setObjectName(QStringLiteral("spinPagina"));
    spinPagina->setGeometry(158, 7, 37, 22);
    spinPagina->setFont(FonteJanela());
    spinPagina->setRange(1, 10);
    spinPagina->setValue(1);
    spinPagina->findChild<QLineEdit*>()->setReadOnly(true);
    spinPagina->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // Wide enough for "de 99999": the count of a long document is never cut.
    lblDe = rotulo("lblDe", QRect(198, 11, 42, 13), Qt::AlignLeft);
    lblDe->setText(QStringLiteral("de 99"));

    Separador(this, 240)->setObjectName(QStringLiteral("Bevel2"));
    comboZoom = new QComboBox(this);
    comboZoom->setObjectName(QStringLiteral("comboZoom"));
    comboZoom->setGeometry(250, 7, 60, 21);
    comboZoom->setFont(FonteJanela());
    comboZoom->addItems({QStringLiteral("100%"), QStringLiteral("200%"), QStringLiteral("300%")});
    comboZoom->setCurrentIndex(0);

    Separador(this, 323)->setObjectName(QStringLiteral("Bevel3"));
    btnFechar = new TCorvelaButton3D(this);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    btnFechar->SetTextCenteredY(false);
    btnFechar->SetImagemPressionada(FiguraEmbutida("fecharVisualizarI"));
    btnFechar->SetImagemSolta(FiguraEmbutida("fecharVisualizar"));
    btnFechar->setGeometry(333, 6, 24, 24);

    scrollVisualiza = new QScrollArea(this);
    scrollVisualiza->setObjectName(QStringLiteral("scrollVisualiza"));
    scrollVisualiza->setGeometry(2, 34, 361, 473);
    scrollVisualiza->setFrameShape(QFrame::NoFrame);
    QPalette prata = scrollVisualiza->palette();
    prata.setColor(QPalette::Window, QColor(192, 192, 192));
    scrollVisualiza->setPalette(prata);
    scrollVisualiza->setBackgroundRole(QPalette::Window);
    imageVisualizar = new QLabel;
    imageVisualizar->setObjectName(QStringLiteral("imageVisualizar"));
    imageVisualizar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollVisualiza->setWidget(imageVisualizar);
    scrollVisualiza->setWidgetResizable(false);

    btnImprimir->aoClicar = [this] { btnImprimirClick(); };
    btnFechar->aoClicar = [this] { close(); };
    connect(spinPagina, &QSpinBox::valueChanged, this, [this] { spinPaginaChange(); });
    connect(comboZoom, &QComboBox::currentIndexChanged, this, [this] { spinPaginaChange(); });

    // Esc reaches the window before any control; the page number is changed by its arrows only.
    for (QWidget* controle : findChildren<QWidget*>()) controle->installEventFilter(this);
    // The top bar moves the window as a title bar would.
    new ArrasteJanela(this, [this](QWidget* alvo) { return alvo == Shape3; });
}

void TformVisualizarImpressao::AplicarIdioma() {
    lblPagina->setText(TextoIdioma(idiomas_, fv::Secao, fv::lblPagina));
    palavraDe_ = TextoIdioma(idiomas_, fv::Secao, fv::lblDe);
    btnImprimir->SetText(TextoIdioma(idiomas_, fv::Secao, fv::btnImprimir));
    btnFechar->setToolTip(TextoIdioma(idiomas_, ge::Secao, ge::hintBtnFechar));
    setWindowTitle(TextoIdioma(idiomas_, idm::fmImpressao::Secao, idm::fmImpressao::titulo));
    setAccessibleName(windowTitle());
    NomearAcessivel(spinPagina, lblPagina->text());
    NomearAcessivel(comboZoom, TextoIdioma(idiomas_, fv::Secao, fv::nomeComboZoom));
    NomearAcessivel(scrollVisualiza, TextoIdioma(idiomas_, fv::Secao, fv::nomePagina));
    NomearAcessivel(btnFechar, btnFechar->toolTip());
    setTabOrder(btnImprimir, spinPagina);
    setTabOrder(spinPagina, comboZoom);
    setTabOrder(comboZoom, btnFechar);
    setTabOrder(btnFechar, scrollVisualiza);
}

void TformVisualizarImpressao::ExibirPagina(const PaginaImagem& pagina, int largura, int altura,
                                            int quantidadePaginas) {
    imageVisualizar->resize(largura, altura);
    {
        // Setting the range is no page change of the user's.
        const QSignalBlocker bloqueio(spinPagina);
        spinPagina->setRange(1, std::max(1, quantidadePaginas));
        spinPagina->setEnabled(quantidadePaginas >= 2);
    }
    lblDe->setText(palavraDe_ + QLatin1Char(' ') + QString::number(quantidadePaginas));
    QPixmap imagem(largura, altura);
    imagem.fill(Qt::white);
    if (const QImage* origem = ImagemDaPagina(pagina)) {
        QPainter pintor(&imagem);
        pintor.drawImage(0, 0, *origem);
    }
    imageVisualizar->setPixmap(imagem);
}

int TformVisualizarImpressao::Zoom() const {
    QString texto = comboZoom->currentText();
    texto.chop(1);
    return texto.toInt();
}

void TformVisualizarImpressao::RedefinirZoom() {
    const QSignalBlocker bloqueio(comboZoom);
    comboZoom->setCurrentIndex(0);
}

void TformVisualizarImpressao::spinPaginaChange() {
    impressao_.MostrarPagina(spinPagina->value(), Zoom());
}

void TformVisualizarImpressao::btnImprimirClick() {
    dialogo_.Imprimir(impressao_, idiomas_, mensagens_, opcoes_.Conteudo(), opcoes_.Rotulo(),
                      opcoes_.Fonte().Musica());
}

bool TformVisualizarImpressao::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        // The page number changes by its arrows only: typed digits are dropped, the arrow and
        // page keys step as the arrows do, and Tab still moves on.
        if (objeto == spinPagina || objeto == spinPagina->findChild<QLineEdit*>()) {
            switch (tecla->key()) {
                case Qt::Key_Tab:
                case Qt::Key_Backtab:
                case Qt::Key_Up:
                case Qt::Key_Down:
                case Qt::Key_PageUp:
                case Qt::Key_PageDown:
                    return QDialog::eventFilter(objeto, evento);
                default:
                    return true;
            }
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TformVisualizarImpressao::showEvent(QShowEvent* evento) {
    // Centred on the screen the main window is on, not where the window system puts it.
    const QScreen* tela =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (tela != nullptr) move(tela->availableGeometry().center() - rect().center());
    QDialog::showEvent(evento);
    btnImprimir->setFocus(Qt::OtherFocusReason);
}

void TformVisualizarImpressao::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TformVisualizarImpressao::done(int resultado) {
    // The next showing starts at the first page.
    {
        const QSignalBlocker bloqueio(spinPagina);
        spinPagina->setValue(1);
    }
    QDialog::done(resultado);
}
