// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformImpressao.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>

#include "BotaoTeclado.h"
#include "ChavesIdioma.h"
#include "FigurasIdioma.h"
#include "FonteJanela.h"
#include "GerenciadorIdiomas.h"
#include "GerenciadorImpressao.h"
#include "TCorvelaButton3D.h"
#include "TextoIdioma.h"
#include "TformVisualizarImpressao.h"

namespace {

namespace fi = idm::fmImpressao;
namespace ge = idm::geral;

const QColor AzulFundo(26, 96, 181);
const QColor AzulLinha(0, 36, 124);

}  // namespace

// The captioned buttons of both print windows: bold white "Verdana" 8 points (11 pixels at 96
// dots per inch), centred on their picture.
FonteLegenda FonteBotaoImpressao() {
    QFont fonte(QStringLiteral("Verdana"));
    fonte.setPixelSize(11);
    fonte.setBold(true);
    return {fonte, Qt::white};
}

TformImpressao::TformImpressao(GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens,
                               GerenciadorImpressao& impressao, FonteDocumento fonte, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint),
      idiomas_(idiomas),
      mensagens_(mensagens),
      impressao_(impressao),
      fonte_(std::move(fonte)),
      dialogo_(this) {
    CriarControles();
    AplicarIdioma();
}

TformImpressao::~TformImpressao() = default;

void TformImpressao::CriarControles() {
    setObjectName(QStringLiteral("TformImpressao"));
    setFixedSize(272, 256);
    setModal(true);

    panelFundo = new QFrame(this);
    panelFundo->setObjectName(QStringLiteral("panelFundo"));
    panelFundo->setGeometry(rect());
    panelFundo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panelFundo->setLineWidth(1);
    panelFundo->setAutoFillBackground(true);
    QPalette fundo = panelFundo->palette();
    fundo.setColor(QPalette::Window, AzulFundo);
    fundo.setColor(QPalette::WindowText, Qt::white);
    panelFundo->setPalette(fundo);

    auto rotulo = [&](const char* nome, const QRect& lugar) {
        auto* l = new QLabel(panelFundo);
        l->setObjectName(QString::fromLatin1(nome));
        l->setGeometry(lugar);
        l->setAlignment(Qt::AlignCenter);
        l->setText(QString::fromLatin1(nome));  // placeholder until the language's text
        QPalette cores = l->palette();
        cores.setColor(QPalette::WindowText, Qt::white);
        // A disabled explanation (print-list mode has no chart to choose) is seen to be so.
        cores.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8C, 0xA6, 0xCF));
        l->setPalette(cores);
        l->setFont(FonteJanela());
        return l;
    };
    lblTitulo = rotulo("lblTitulo", QRect(65, 10, 136, 20));
    QFont titulo = FonteJanela();
    titulo.setPixelSize(16);  // 12 points
    titulo.setBold(true);
    lblTitulo->setFont(titulo);

    btnFechar = new TCorvelaButton3D(panelFundo);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    btnFechar->SetTextCenteredY(false);
    btnFechar->SetImagemPressionada(FiguraEmbutida("fecharImpressaoI"));
    btnFechar->SetImagemSolta(FiguraEmbutida("fecharImpressao"));
    btnFechar->setGeometry(240, 6, 24, 24);

    Shape1 = new QFrame(panelFundo);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(12, 40, 241, 1);
    Shape1->setAutoFillBackground(true);
    QPalette linha = Shape1->palette();
    linha.setColor(QPalette::Window, AzulLinha);
    Shape1->setPalette(linha);

    lblExplicacaoConteudo = rotulo("lblExplicacaoConteudo", QRect(16, 63, 240, 13));
    comboOpcoesImpressao = new QComboBox(panelFundo);
    comboOpcoesImpressao->setObjectName(QStringLiteral("comboOpcoesImpressao"));
    comboOpcoesImpressao->setGeometry(50, 80, 171, 21);
    comboOpcoesImpressao->setFont(FonteJanela());

    Bevel2 = new QFrame(panelFundo);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(22, 110, 228, 3);
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    lblExplicacaoRotulo = rotulo("lblExplicacaoRotulo", QRect(16, 119, 240, 13));
    comboRotulo = new QComboBox(panelFundo);
    comboRotulo->setObjectName(QStringLiteral("comboRotulo"));
    comboRotulo->setGeometry(90, 136, 90, 21);
    comboRotulo->setFont(FonteJanela());

    auto legendado = [&](const char* nome, const QRect& lugar) {
        auto* b = new TCorvelaButton3D(panelFundo);
        b->setObjectName(QString::fromLatin1(nome));
        b->SetTextFont(FonteBotaoImpressao());
        b->SetImagemPressionada(FiguraEmbutida("botaoImpressaoI"));
        b->SetImagemSolta(FiguraEmbutida("botaoImpressao"));
        b->setGeometry(lugar);
        return b;
    };
    btnVisualizarImpressao = legendado("btnVisualizarImpressao", QRect(24, 213, 103, 20));
    btnImprimir = legendado("btnImprimir", QRect(149, 213, 103, 20));

    btnFechar->aoClicar = [this] { close(); };
    btnVisualizarImpressao->aoClicar = [this] { btnVisualizarImpressaoClick(); };
    btnImprimir->aoClicar = [this] { btnImprimirClick(); };
}

void TformImpressao::AplicarIdioma() {
    const auto texto = [&](std::string_view secao, std::string_view chave) {
        return TextoIdioma(idiomas_, secao, chave);
    };
    lblTitulo->setText(texto(fi::Secao, fi::titulo));
    setWindowTitle(lblTitulo->text());
    lblExplicacaoConteudo->setText(texto(fi::Secao, fi::lblExplicacaoConteudo));
    lblExplicacaoRotulo->setText(texto(fi::Secao, fi::lblExplicacaoRotulo));
    btnFechar->setToolTip(texto(ge::Secao, ge::hintBtnFechar));
    btnImprimir->SetText(texto(fi::Secao, fi::btnImprimir));
    btnVisualizarImpressao->SetText(texto(fi::Secao, fi::btnVisualizarImpressao));
    comboRotulo->clear();
    for (std::string_view chave :
         {fi::comboRotuloItem1, fi::comboRotuloItem2, fi::comboRotuloItem3})
        comboRotulo->addItem(texto(fi::Secao, chave));
    comboOpcoesImpressao->clear();
    for (std::string_view chave : {fi::comboOpcoesImpressaoItem1, fi::comboOpcoesImpressaoItem2,
                                   fi::comboOpcoesImpressaoItem3})
        comboOpcoesImpressao->addItem(texto(fi::Secao, chave));
    comboRotulo->setCurrentIndex(0);
    comboOpcoesImpressao->setCurrentIndex(0);
    ConfigurarTeclado();
}

void TformImpressao::ConfigurarTeclado() {
    setTabOrder(comboOpcoesImpressao, comboRotulo);
    setTabOrder(comboRotulo, btnVisualizarImpressao);
    setTabOrder(btnVisualizarImpressao, btnImprimir);
    setTabOrder(btnImprimir, btnFechar);
    setAccessibleName(windowTitle());
    NomearAcessivel(comboOpcoesImpressao, lblExplicacaoConteudo->text());
    NomearAcessivel(comboRotulo, lblExplicacaoRotulo->text());
    NomearAcessivel(btnFechar, btnFechar->toolTip());
}

void TformImpressao::DefinirModo(int modo) {
    const bool cifra = modo == 0;
    comboOpcoesImpressao->setCurrentIndex(static_cast<int>(
        cifra ? ConteudoImpressao::CifraEAcordes : ConteudoImpressao::SomenteAcordes));
    comboOpcoesImpressao->setEnabled(cifra);
    lblExplicacaoConteudo->setEnabled(cifra);
}

ConteudoImpressao TformImpressao::Conteudo() const {
    return static_cast<ConteudoImpressao>(std::max(0, comboOpcoesImpressao->currentIndex()));
}

ModoVisualizacao TformImpressao::Rotulo() const {
    return static_cast<ModoVisualizacao>(std::max(0, comboRotulo->currentIndex()));
}

void TformImpressao::btnImprimirClick() {
    dialogo_.Imprimir(impressao_, idiomas_, mensagens_, Conteudo(), Rotulo(), fonte_.Musica());
}

void TformImpressao::btnVisualizarImpressaoClick() {
    {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        struct Restaurar {
            ~Restaurar() { QApplication::restoreOverrideCursor(); }
        } restaurar;
        if (visualizacao_) visualizacao_->RedefinirZoom();
        const MusicaImpressao musica = fonte_.Musica();
        impressao_.Visualizar(Conteudo(), Rotulo(), 1, 100,
                              std::span<const MusicaImpressao>(&musica, 1));
    }
    if (visualizacao_) visualizacao_->exec();
}

void TformImpressao::showEvent(QShowEvent* evento) {
    if (QWidget* principal = parentWidget()) move(principal->geometry().center() - rect().center());
    QDialog::showEvent(evento);
    // The keyboard starts at the first list it may change.
    (comboOpcoesImpressao->isEnabled() ? comboOpcoesImpressao : comboRotulo)
        ->setFocus(Qt::OtherFocusReason);
}
