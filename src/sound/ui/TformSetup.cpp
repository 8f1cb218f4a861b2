// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "ChavesIdioma.h"
#include "ConfiguracaoSom.h"
#include "Fachada.h"
#include "FonteJanela.h"
#include "GerenciadorIdiomas.h"
#include "LeituraArquivo.h"
#include "MidiOutput.h"
#include "TMidiInput.h"
#include "TextoIdioma.h"

namespace chaves = idm::fmSetup;

namespace {

// The outer 498 x 316 of the window leaves this client area under a usual title bar.
constexpr int LarguraCliente = 490;
constexpr int AlturaCliente = 282;

int IndiceDestacado(const QListWidget* lista) {
    const QList<QListWidgetItem*> itens = lista->selectedItems();
    return itens.isEmpty() ? -1 : lista->row(itens.front());
}

void Destacar(QListWidget* lista, int indice) {
    if (indice >= 0 && indice < lista->count()) {
        lista->setCurrentRow(indice);
        lista->scrollToItem(lista->item(indice), QAbstractItemView::PositionAtCenter);
    } else {
        lista->setCurrentRow(-1);
        lista->clearSelection();
    }
}

QListWidget* NovaLista(QWidget* pagina, const char* nome) {
    auto* lista = new QListWidget(pagina);
    lista->setObjectName(QString::fromLatin1(nome));
    lista->setGeometry(8, 8, 369, 177);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    return lista;
}

}  // namespace

TformSetup::TformSetup(ConfiguracaoSom& configuracao, const GerenciadorIdiomas& idiomas,
                       QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint |
                       Qt::MSWindowsFixedSizeDialogHint),
      configuracao_(configuracao),
      idiomas_(idiomas) {
    setObjectName(QStringLiteral("TformSetup"));
    CriarControles();
    AplicarIdioma();
    try {
        CarregarInstrumentos();
    } catch (const std::exception&) {
        // A file that breaks off while read leaves the entries read so far.
    }
    configuracao_.Aplicar();
}

void TformSetup::CriarControles() {
    setFixedSize(LarguraCliente, AlturaCliente);
    setModal(true);

    Pasta = new QTabWidget(this);
    Pasta->setObjectName(QStringLiteral("Pasta"));
    Pasta->setGeometry(7, 8, 393, 249);
    sheetDrivers = new QWidget;
    sheetDrivers->setObjectName(QStringLiteral("sheetDrivers"));
    sheetInstrumentos = new QWidget;
    sheetInstrumentos->setObjectName(QStringLiteral("sheetInstrumentos"));
    Pasta->addTab(sheetDrivers, QStringLiteral("Drivers"));
    Pasta->addTab(sheetInstrumentos, QStringLiteral("Instrumentos"));

    listaDrivers = NovaLista(sheetDrivers, "listaDrivers");
    CriarControlesEntrada();
    btnAssistenteDriver =
        new QPushButton(QStringLiteral("Assistente de Configuração MIDI"), sheetDrivers);
    btnAssistenteDriver->setObjectName(QStringLiteral("btnAssistenteDriver"));
    btnAssistenteDriver->setGeometry(182, 192, 193, 25);
    btnAssistenteDriver->setAutoDefault(false);
    listaInstrumentos = NovaLista(sheetInstrumentos, "listaInstrumentos");

    btnOk = new QPushButton(QStringLiteral("&OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(408, 28, 75, 25);
    btnOk->setDefault(true);
    btnCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar->setGeometry(408, 61, 75, 25);
    btnCancelar->setAutoDefault(false);

    chkDesabilitarToque =
        new QCheckBox(QStringLiteral("Desabilitar o toque das teclas pelo mouse"), this);
    chkDesabilitarToque->setObjectName(QStringLiteral("chkDesabilitarToque"));
    chkDesabilitarToque->setGeometry(19, 263, 222, 17);
    setWindowTitle(QStringLiteral("Setup"));
    AplicarFonteJanela(this);

    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancelar, &QPushButton::clicked, this, [this] { btnCancelarClick(); });
    connect(btnAssistenteDriver, &QPushButton::clicked, this,
            [this] { btnAssistenteDriverClick(); });
    connect(listaInstrumentos, &QListWidget::itemDoubleClicked, this,
            [this] { listaInstrumentosDblClick(); });
}

// Below the output devices, on their page: the MIDI input to listen to and whether its notes
// sound. The device list gives up the room they take.
void TformSetup::CriarControlesEntrada() {
    listaDrivers->setGeometry(8, 8, 369, 113);
    lblEntradaMidi = new QLabel(QStringLiteral("Entrada MIDI"), sheetDrivers);
    lblEntradaMidi->setObjectName(QStringLiteral("lblEntradaMidi"));
    lblEntradaMidi->setGeometry(8, 131, 90, 17);
    comboEntradaMidi = new QComboBox(sheetDrivers);
    comboEntradaMidi->setObjectName(QStringLiteral("comboEntradaMidi"));
    comboEntradaMidi->setGeometry(100, 128, 277, 22);
    lblEntradaMidi->setBuddy(comboEntradaMidi);
    chkEcoarEntrada = new QCheckBox(QStringLiteral("Tocar as notas da entrada MIDI"), sheetDrivers);
    chkEcoarEntrada->setObjectName(QStringLiteral("chkEcoarEntrada"));
    chkEcoarEntrada->setGeometry(100, 158, 277, 19);
}

void TformSetup::AplicarIdioma() {
    setWindowTitle(TextoIdioma(idiomas_, chaves::Secao, chaves::caption));
    btnOk->setText(TextoIdioma(idiomas_, idm::geral::Secao, idm::geral::rotuloBtnOk));
    btnCancelar->setText(TextoIdioma(idiomas_, idm::geral::Secao, idm::geral::rotuloBtnCancelar));
    Pasta->setTabText(PaginaInstrumentos,
                      TextoIdioma(idiomas_, chaves::Secao, chaves::captionInstrumentos));
    Pasta->setTabText(PaginaDrivers, TextoIdioma(idiomas_, chaves::Secao, chaves::captionDrivers));
    chkDesabilitarToque->setText(
        TextoIdioma(idiomas_, chaves::Secao, chaves::captionChkDesabilitarToque));
    // A longer caption than the design's keeps all its words: the check box grows to the right.
    chkDesabilitarToque->resize(std::max(222, chkDesabilitarToque->sizeHint().width()), 17);
    btnAssistenteDriver->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::btnAssistenteDriver));
    lblEntradaMidi->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::lblEntradaMidi));
    comboEntradaMidi->setToolTip(
        TextoIdioma(idiomas_, chaves::Secao, chaves::hintComboEntradaMidi));
    comboEntradaMidi->setAccessibleName(
        TextoIdioma(idiomas_, chaves::Secao, chaves::lblEntradaMidi));
    chkEcoarEntrada->setText(TextoIdioma(idiomas_, chaves::Secao, chaves::captionChkEcoarEntrada));
    ConfigurarAcessibilidade();
}

void TformSetup::ConfigurarAcessibilidade() {
    setAccessibleName(windowTitle());
    listaDrivers->setAccessibleName(Pasta->tabText(PaginaDrivers));
    listaInstrumentos->setAccessibleName(Pasta->tabText(PaginaInstrumentos));
    setTabOrder(Pasta, listaDrivers);
    setTabOrder(listaDrivers, comboEntradaMidi);
    setTabOrder(comboEntradaMidi, chkEcoarEntrada);
    setTabOrder(chkEcoarEntrada, btnAssistenteDriver);
    setTabOrder(btnAssistenteDriver, listaInstrumentos);
    setTabOrder(listaInstrumentos, chkDesabilitarToque);
    setTabOrder(chkDesabilitarToque, btnOk);
    setTabOrder(btnOk, btnCancelar);
}

std::int32_t TformSetup::ObterPlacaSom() { return Fachada<ConfiguracaoSom>::Obter().PlacaSom(); }
std::int32_t TformSetup::ObterInstrumentoTeclado() {
    return Fachada<ConfiguracaoSom>::Obter().InstrumentoTeclado();
}
bool TformSetup::ObterMouseTocarTeclas() {
    return Fachada<ConfiguracaoSom>::Obter().MouseTocarTeclas();
}

void TformSetup::DefinirConfiguracoes(std::int32_t placaSom, std::int32_t instrumentoTeclado,
                                      bool mouseTocarTeclas) {
    Fachada<ConfiguracaoSom>::Obter().Definir(placaSom, instrumentoTeclado, mouseTocarTeclas);
}

void TformSetup::AplicarConfiguracoes() { Fachada<ConfiguracaoSom>::Obter().Aplicar(); }

void TformSetup::CarregarInstrumentos() {
    const std::string relativo = idiomas_.ObterTexto(
        idm::parametros::Secao, idm::parametros::caminhoArquivoInstrumentosMidi);
    CarregarInstrumentos(idiomas_.CaminhoParametro(idm::parametros::caminhoArquivoInstrumentosMidi),
                         relativo);
}

void TformSetup::CarregarInstrumentos(const std::filesystem::path& caminho,
                                      std::string_view relativo) {
    listaInstrumentos->clear();
    // The reader of every data file: a folder, a device or a huge file is refused, not read
    // without end.
    std::vector<std::string> linhas;
    try {
        linhas = LerLinhasArquivoTexto(caminho);
    } catch (const std::filesystem::filesystem_error&) {
        listaInstrumentos->addItem(QString::fromStdString(
            TextoIdiomaUtf8(idiomas_, chaves::Secao, chaves::msgErroAbrirArquivo) + "\"" +
            std::string(relativo) + "\""));
        return;
    }
    for (const std::string& linha : linhas)
        listaInstrumentos->addItem(QString::fromStdString(linha));
}

void TformSetup::CarregarDispositivos() {
    listaDrivers->clear();
    try {
        for (const std::string& nome : configuracao_.Player().ListarDispositivos())
            listaDrivers->addItem(QString::fromStdString(nome));
    } catch (const std::exception&) {
        // No port: no device to offer.
    }
}

void TformSetup::CarregarEntradas() {
    comboEntradaMidi->clear();
    comboEntradaMidi->addItem(TextoIdioma(idiomas_, chaves::Secao, chaves::itemNenhumaEntrada));
    std::vector<std::string> nomes;
    if (const TMidiInput* entrada = configuracao_.Entrada()) nomes = entrada->ListarDispositivos();
    const std::string& escolhida = configuracao_.EntradaMidi();
    if (!escolhida.empty() && std::find(nomes.begin(), nomes.end(), escolhida) == nomes.end())
        nomes.push_back(escolhida);
    for (const std::string& nome : nomes) comboEntradaMidi->addItem(QString::fromStdString(nome));
}

std::string TformSetup::EntradaEscolhida() const {
    // Entry 0 is "None".
    return comboEntradaMidi->currentIndex() > 0 ? comboEntradaMidi->currentText().toStdString()
                                                : std::string();
}

void TformSetup::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous()) return;  // restored from minimised: keep what the user did
    if (const QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
    FormShow();
}

void TformSetup::FormShow() {
    CarregarDispositivos();
    CarregarEntradas();
    MostrarEstado();
    Pasta->setCurrentIndex(PaginaInstrumentos);
}

void TformSetup::MostrarEstado() {
    Destacar(listaDrivers, configuracao_.PlacaSom());
    Destacar(listaInstrumentos, configuracao_.InstrumentoTeclado());
    chkDesabilitarToque->setChecked(!configuracao_.MouseTocarTeclas());
    const int entrada =
        configuracao_.EntradaMidi().empty()
            ? 0
            : comboEntradaMidi->findText(QString::fromStdString(configuracao_.EntradaMidi()),
                                         Qt::MatchExactly | Qt::MatchCaseSensitive);
    comboEntradaMidi->setCurrentIndex(std::max(entrada, 0));
    chkEcoarEntrada->setChecked(configuracao_.EcoarEntrada());
}

void TformSetup::btnOkClick() {
    // With no instrument highlighted (a list shorter than the stored number) the instrument
    // stays: -1 is no MIDI program.
    const int instrumento = IndiceDestacado(listaInstrumentos);
    configuracao_.Definir(IndiceDestacado(listaDrivers),
                          instrumento != -1 ? instrumento : configuracao_.InstrumentoTeclado(),
                          !chkDesabilitarToque->isChecked());
    configuracao_.DefinirEntrada(EntradaEscolhida(), chkEcoarEntrada->isChecked());
    accept();
}

void TformSetup::btnCancelarClick() { reject(); }

void TformSetup::reject() {
    MostrarEstado();
    QDialog::reject();
}

void TformSetup::listaInstrumentosDblClick() { btnOkClick(); }

void TformSetup::btnAssistenteDriverClick() {
    if (!executarAssistente) return;
    const int dispositivo = executarAssistente();
    if (dispositivo != -1) Destacar(listaDrivers, dispositivo);
}
