// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformAssistenteConfiguracaoDriver.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <exception>
#include <string_view>

#include "ArteEmbutida.h"
#include "BotaoTeclado.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "ControleVolume.h"
#include "FonteJanela.h"
#include "MidiOutput.h"
#include "TextoIdioma.h"

namespace chaves = idm::fmAssistenteConfiguracaoDriver;

namespace {

constexpr int LarguraCliente = 643;
constexpr int AlturaCliente = 255;
constexpr int AlturaPanel1 = 45;

QPushButton* NovoBotao(QWidget* pai, const char* nome, const QString& texto, int x) {
    auto* botao = new QPushButton(texto, pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setGeometry(x, 11, 105, 25);
    return botao;
}

QLabel* NovoRotulo(QWidget* pai, const char* nome, const QRect& lugar) {
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setGeometry(lugar);
    rotulo->setWordWrap(true);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return rotulo;
}

// Disables the wizard's buttons while the test scale blocks the event loop. Clicks made
// meanwhile are delivered to the disabled buttons before they come back, so a click on
// "Prosseguir" cannot land on the "Sim" button that takes its place.
class EntradaSuspensa {
  public:
    explicit EntradaSuspensa(QWidget* painel) : painel_(painel) {
        painel_->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~EntradaSuspensa() {
        QApplication::restoreOverrideCursor();
        QCoreApplication::processEvents();
        painel_->setEnabled(true);
    }
    EntradaSuspensa(const EntradaSuspensa&) = delete;
    EntradaSuspensa& operator=(const EntradaSuspensa&) = delete;

  private:
    QWidget* painel_;
};

}  // namespace

TformAssistenteConfiguracaoDriver::TformAssistenteConfiguracaoDriver(
    MidiOutput& jogador, const GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens,
    std::chrono::milliseconds duracaoNota, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      jogador_(jogador),
      idiomas_(idiomas),
      mensagens_(mensagens),
      duracaoNota_(duracaoNota) {
    abrirControleVolume = [] { return AbrirControleVolume(); };
    CriarControles();
    AplicarIdioma();
    std::vector<std::string> dispositivos;
    try {
        dispositivos = jogador_.ListarDispositivos();
    } catch (const std::exception&) {
        // No device list: the run starts at the last step.
    }
    assistente_ = AssistenteDriver(std::move(dispositivos));
}

void TformAssistenteConfiguracaoDriver::CriarControles() {
    setObjectName(QStringLiteral("fmAssistenteConfiguracaoDriver"));
    setFixedSize(LarguraCliente, AlturaCliente);
    setModal(true);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 0, LarguraCliente, AlturaCliente - AlturaPanel1);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(1);
    QPalette branco = Panel2->palette();
    branco.setColor(QPalette::Window, Qt::white);
    branco.setColor(QPalette::WindowText, Qt::black);
    Panel2->setPalette(branco);
    Panel2->setAutoFillBackground(true);

    CarregarArteEmbutida();
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, 139, 208);
    Image1->setPixmap(QPixmap(QStringLiteral(":/arte/assistenteDriver.png")));

    lblTitulo1 = NovoRotulo(Panel2, "lblTitulo1", QRect(152, 11, 481, 21));
    QFont titulo = FonteJanela();
    titulo.setBold(true);
    titulo.setPixelSize(16);
    lblTitulo1->setFont(titulo);
    lblTitulo1->setWordWrap(false);

    lblExplicacao1 = NovoRotulo(Panel2, "lblExplicacao1", QRect(155, 43, 478, 52));

    lblLinkVolumeWindows = new QLabel(Panel2);
    lblLinkVolumeWindows->setObjectName(QStringLiteral("lblLinkVolumeWindows"));
    lblLinkVolumeWindows->move(155, 97);
    QFont pequena = FonteJanela();
    pequena.setUnderline(true);
    pequena.setPixelSize(10);
    lblLinkVolumeWindows->setFont(pequena);
    QPalette azul = lblLinkVolumeWindows->palette();
    azul.setColor(QPalette::WindowText, Qt::blue);
    lblLinkVolumeWindows->setPalette(azul);
    lblLinkVolumeWindows->setCursor(Qt::PointingHandCursor);
    lblLinkVolumeWindows->installEventFilter(this);
    // The link is reached by Tab and opened by Space or Enter as by a click.
    TornarBotaoTeclado(lblLinkVolumeWindows);

    lblTitulo2 = NovoRotulo(Panel2, "lblTitulo2", QRect(155, 132, 478, 17));
    QFont negrito = FonteJanela();
    negrito.setBold(true);
    lblTitulo2->setFont(negrito);
    lblTitulo2->setWordWrap(false);

    // Down to the panel's edge (the design's 41 pixels): step A's text wraps to a fourth line.
    lblExplicacao2 = NovoRotulo(Panel2, "lblExplicacao2", QRect(155, 156, 478, 52));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, AlturaCliente - AlturaPanel1, LarguraCliente, AlturaPanel1);

    // Design texts; the language's texts replace them.
    btnEscutando = NovoBotao(Panel1, "btnEscutando", QStringLiteral("Sim"), 411);
    btnNaoEscutando = NovoBotao(Panel1, "btnNaoEscutando", QStringLiteral("Não"), 531);
    btnProsseguir = NovoBotao(Panel1, "btnProsseguir", QStringLiteral("Prosseguir"), 411);
    btnCancelar = NovoBotao(Panel1, "btnCancelar", QStringLiteral("Cancelar"), 531);
    btnFinalizar = NovoBotao(Panel1, "btnFinalizar", QStringLiteral("Finalizar"), 411);
    btnFinalizar->hide();
    setWindowTitle(QStringLiteral("Testando a Placa de Som"));
    lblTitulo1->setText(QStringLiteral("Testando a Placa de Som"));
    lblTitulo2->setText(QStringLiteral("Passo 1:"));
    lblLinkVolumeWindows->setText(QStringLiteral("Volume do Windows"));

    AplicarFonteJanela(this);

    connect(btnProsseguir, &QPushButton::clicked, this, [this] { btnProsseguirClick(); });
    connect(btnEscutando, &QPushButton::clicked, this, [this] { btnEscutandoClick(); });
    connect(btnNaoEscutando, &QPushButton::clicked, this, [this] { btnNaoEscutandoClick(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { btnCancelarClick(); });
    connect(btnFinalizar, &QPushButton::clicked, this, [this] { btnFinalizarClick(); });
}

void TformAssistenteConfiguracaoDriver::AplicarIdioma() {
    setWindowTitle(TextoIdioma(idiomas_, idm::geral::Secao, idm::geral::nomeAplicacao) +
                   QStringLiteral(" - ") + TextoIdioma(idiomas_, chaves::Secao, chaves::titulo));
    lblTitulo1->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::lblTitulo1_A));
    lblExplicacao1->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::lblExplicacao1_A));
    btnEscutando->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::btnEscutando));
    btnNaoEscutando->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::btnNaoEscutando));
    btnProsseguir->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::btnProsseguir));
    btnCancelar->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::btnCancelar));
    btnFinalizar->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::btnFinalizar));
    lblLinkVolumeWindows->setText(
        TextoIdioma(idiomas_, chaves::Secao, chaves::lblLinkVolumeWindows));
    lblLinkVolumeWindows->adjustSize();
    lblLinkVolumeWindows->setAccessibleName(lblLinkVolumeWindows->text());
}

int TformAssistenteConfiguracaoDriver::Executar() {
    // Nothing can sound: say so once instead of playing a scale into nothing. Device 0 is
    // the answer, so the wizard does not come back at the next start.
    if (!jogador_.AlgumaSaidaAbre()) {
        mensagens_.Informar(TextoIdiomaUtf8(idiomas_, chaves::Secao, chaves::msgSemSaidaAudio),
                            TextoIdiomaUtf8(idiomas_, chaves::Secao, chaves::titulo),
                            parentWidget());
        return 0;
    }
    assistente_.Iniciar();
    exec();
    return assistente_.DispositivoEscolhido();
}

int TformAssistenteConfiguracaoDriver::Executar(QWidget* dono) {
    QWidget* const pai = parentWidget();
    if (dono == nullptr || dono == pai) return Executar();
    const Qt::WindowFlags flags = windowFlags();
    setParent(dono, flags);
    const int resultado = Executar();
    setParent(pai, flags);
    return resultado;
}

void TformAssistenteConfiguracaoDriver::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous()) return;  // the window coming back from minimised is no new run
    if (const QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
    FormShow();
}

void TformAssistenteConfiguracaoDriver::FormShow() {
    assistente_.Iniciar();
    MostrarPasso();
}

void TformAssistenteConfiguracaoDriver::MostrarPasso() {
    const auto texto = [this](std::string_view chave) {
        return TextoIdioma(idiomas_, chaves::Secao, chave);
    };
    switch (assistente_.Passo()) {
        case PassoAssistente::Tentar: {
            passoMostrado_ = 'A';
            lblTitulo2->show();
            lblTitulo2->setText(texto(chaves::lblTitulo2_A) + QLatin1Char(' ') +
                                QString::number(assistente_.IndiceDispositivo() + 1) +
                                QLatin1Char(':'));
            lblExplicacao2->setText(texto(chaves::lblExplicacao2_A1) + QStringLiteral(" \"") +
                                    QString::fromStdString(assistente_.NomeDispositivo()) +
                                    QStringLiteral("\". \n\n") + texto(chaves::lblExplicacao2_A2));
            btnEscutando->hide();
            btnNaoEscutando->hide();
            btnProsseguir->show();
            btnCancelar->show();
            btnProsseguir->setFocus();  // Enter plays the test
            break;
        }
        case PassoAssistente::Perguntar:
            passoMostrado_ = 'B';
            lblTitulo2->show();
            lblTitulo2->setText(texto(chaves::lblTitulo2_B));
            lblExplicacao2->setText(texto(chaves::lblExplicacao2_B));
            btnEscutando->show();
            btnNaoEscutando->show();
            btnProsseguir->hide();
            btnCancelar->hide();
            btnEscutando->setFocus();  // the hidden Continue had it
            break;
        case PassoAssistente::Cancelado:
            reject();
            break;
        case PassoAssistente::Escutado:
            passoMostrado_ = 'C';
            lblTitulo2->setText(texto(chaves::lblTitulo2_C));
            lblExplicacao2->setText(texto(chaves::lblExplicacao2_C));
            BotoesFinais();
            break;
        case PassoAssistente::Fim:
            passoMostrado_ = 'D';
            lblTitulo2->setText(texto(chaves::lblTitulo2_D));
            lblExplicacao2->setText(texto(chaves::lblExplicacao2_D));
            BotoesFinais();
            break;
    }
}

void TformAssistenteConfiguracaoDriver::BotoesFinais() {
    btnFinalizar->show();
    btnFinalizar->setDefault(true);
    btnFinalizar->setFocus();
    btnCancelar->show();
    btnCancelar->setEnabled(false);
    btnEscutando->hide();
    btnNaoEscutando->hide();
    btnProsseguir->hide();
}

void TformAssistenteConfiguracaoDriver::btnProsseguirClick() {
    {
        EntradaSuspensa suspensa(Panel1);
        assistente_.Prosseguir(jogador_, duracaoNota_);
    }
    MostrarPasso();
}

void TformAssistenteConfiguracaoDriver::TocarEscalaTeste(MidiOutput& jogador,
                                                         std::chrono::milliseconds duracaoNota) {
    ::TocarEscalaTeste(jogador, duracaoNota);
}

void TformAssistenteConfiguracaoDriver::btnEscutandoClick() {
    assistente_.Escutado();
    MostrarPasso();
}

void TformAssistenteConfiguracaoDriver::btnNaoEscutandoClick() {
    assistente_.NaoEscutado();
    MostrarPasso();
}

void TformAssistenteConfiguracaoDriver::btnCancelarClick() {
    assistente_.Cancelar();
    MostrarPasso();
}

void TformAssistenteConfiguracaoDriver::btnFinalizarClick() { accept(); }

void TformAssistenteConfiguracaoDriver::lblLinkVolumeWindowsClick() {
    bool aberto = false;
    try {
        aberto = abrirControleVolume && abrirControleVolume();
    } catch (const std::exception&) {
        aberto = false;
    }
    if (!aberto) {
        mensagens_.Informar(
            TextoIdiomaUtf8(idiomas_, chaves::Secao, chaves::erroAbrirVolumeWindows),
            TextoIdiomaUtf8(idiomas_, chaves::Secao, chaves::titulo), this);
    }
}

bool TformAssistenteConfiguracaoDriver::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == lblLinkVolumeWindows && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        lblLinkVolumeWindowsClick();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TformAssistenteConfiguracaoDriver::done(int resultado) {
    FormClose();
    QDialog::done(resultado);
}

void TformAssistenteConfiguracaoDriver::FormClose() {
    btnFinalizar->hide();
    btnFinalizar->setDefault(false);
    btnCancelar->setEnabled(true);
}
