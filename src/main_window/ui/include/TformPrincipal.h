// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: chord entry and list, the on-screen keyboard, the listen button, the print
// list, and the buttons to the other windows. Handlers read the widgets and call the domain.

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BotaoFiguraQt.h"
#include "ColecaoAcordeImpressao.h"
#include "ControlesQt.h"
#include "ListaCifras.h"
#include "Teclado.h"

class AbridorDesktop;
class ArquivoConfiguracao;
class ArrasteJanela;
class CaixasMensagem;
class ConfiguracaoSom;
class GerenciadorAcordes;
class GerenciadorIdiomas;
class EscutaTeclado;
class MidiOutput;
class NomeadorAcordes;
class QComboBox;
class TMidiInput;
class QLineEdit;
class QListWidget;
class TformAviso;

class TformPrincipal : public QWidget {
  public:
    // What the window works with; start-up owns all of it and it outlives the window.
    struct Dependencias {
        GerenciadorIdiomas& idiomas;
        GerenciadorAcordes& acordes;
        MidiOutput& player;
        ConfiguracaoSom& som;
        CaixasMensagem& mensagens;
        AbridorDesktop& abridor;
        std::filesystem::path configuracao;  // default: the installation's file
        // The MIDI input port the window listens to (none: no listening), and the naming of
        // chords from their notes (none: one without the catalogue's ranking).
        TMidiInput* entrada = nullptr;
        const NomeadorAcordes* nomeador = nullptr;
    };

    explicit TformPrincipal(const Dependencias& dependencias);
    ~TformPrincipal() override;

    // Offered to the chart window: adds `cifra` with its first position; with `repetir` false a
    // symbol already listed (letter case aside) is skipped; an invalid symbol is skipped silently.
    void AdicionarAcordeImpressao(const std::string& cifra, bool repetir);
    void LimparListaImpressao();
    ColecaoAcordeImpressao CopiarListaImpressao() const;

    void DefinirAviso(TformAviso* aviso) { aviso_ = aviso; }
    // The notice window when none was given, made on first use.
    std::function<TformAviso*()> obterAviso;
    // The windows of later steps; an unset one leaves its button without effect.
    std::function<void()> abrirConfiguracoes;
    std::function<void()> abrirImportarCifra;
    // Asked before leaving: none when no work is unsaved (the leave question follows), else
    // whether leaving may go on (the user saved or discarded it) or not (cancelled).
    std::function<std::optional<bool>()> confirmarAlteracoes;
    std::function<void()> abrirImpressao;     // print options in print-list mode, modal
    std::function<int()> executarAssistente;  // the driver wizard: device or -1

    Teclado& TecladoPrincipal() { return *teclado_; }
    ArquivoConfiguracao* Configuracao() { return configuracao_.get(); }

    // Controls, named as the design names them.
    ImagemQt* imagemBarraSuperior;
    BotaoFiguraQt* btnConfiguracoes;
    BotaoFiguraQt* btnMinimizar;
    BotaoFiguraQt* btnHelp;
    BotaoFiguraQt* btnClose;
    ImagemQt* imgLinkCorvela;
    QWidget* panelTeclado;
    QComboBox* comboBaseAcordes;
    QListWidget* listaImpressao;
    QComboBox* comboModoVisualizacao;
    ImagemQt* imgTeclado;
    ImagemQt* imagemBarraInferior;
    QLineEdit* editNomeAcorde;
    BotaoFiguraQt* btnAnterior;
    BotaoFiguraQt* btnProximo;
    BotaoFiguraQt* btnAdicionar;
    BotaoFiguraQt* btnRemover;
    BotaoFiguraQt* btnImprimir;
    BotaoFiguraQt* btnOuvirAcorde;
    BotaoFiguraQt* btnImportarCifra;
    std::array<ImagemQt*, 25> imgTecla{};
    ImagemQt* imgBrancaPressionada;
    ImagemQt* imgPretaPressionada;
    ImagemQt* imgPretaSolta;
    std::array<MarcaQt*, 5> imgSolo{};
    std::array<RotuloQt*, 5> lblDedo{};
    std::array<RotuloQt*, 5> lblNota{};
    std::array<RotuloQt*, 5> lblIntervalo{};
    // The picture store: entry t is the normal look of the button with tag t, t + 1 its pressed
    // look.
    std::vector<QPixmap> imagensBotoes;

    // Handlers (public so that the start-up and the tests reach the same paths as the user).
    void editNomeAcordeEnter();
    void comboBaseAcordesClick(int indice);
    void btnAnteriorClick();
    void btnProximoClick();
    void comboModoVisualizacaoChange();
    void btnOuvirAcordeMouseDown();
    void btnOuvirAcordeMouseUp();
    void btnAdicionarClick();
    void btnRemoverClick();
    void listaImpressaoClick();
    void btnImprimirClick();
    void btnHelpClick();
    void imgLinkCorvelaClick();
    void MouseSobreTecla(int tecla);
    void AplicarConfiguracaoSalva();
    // Takes what the MIDI input queued and shows the chord played (the input's device thread
    // asks for this through the event loop; tests and benchmarks call it directly).
    void ProcessarEntradaMidi();
    // A press on key `tecla` (-1: the keyboard's background): with Ctrl it marks or unmarks the
    // key, without it clears the marks.
    void TeclaPressionada(int tecla, Qt::KeyboardModifiers modificadores);
    // Esc: clears the marked keys.
    void EscPressionado();
    EscutaTeclado& Escuta() { return *escuta_; }

  protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    class ListaCombo;
    class CampoAcordeJanela;
    void CriarControles();
    void PrepararEscuta(const Dependencias& dependencias);
    void EncerrarEscuta();
    void AplicarIdioma();
    // Tab order and shortcuts, once; names for assistive technology, with every language.
    void ConfigurarTeclado();
    void NomearControles();
    // The keys' content as text for screen readers, after every change of what they show.
    void DescreverTeclado();
    void PrepararSom();
    void MostrarAvisoCifraInvalida();
    void InformarPlacaDesconfigurada();
    void MostrarListaImpressao();
    std::string Texto(std::string_view secao, std::string_view chave) const;

    GerenciadorIdiomas& idiomas_;
    GerenciadorAcordes& acordes_;
    MidiOutput& player_;
    ConfiguracaoSom& som_;
    CaixasMensagem& mensagens_;
    AbridorDesktop& abridor_;
    std::unique_ptr<SaidaSom> saidaSom_;
    std::unique_ptr<ListaCombo> listaCombo_;
    ColecaoAcordeImpressao listaAcordes_;
    std::unique_ptr<Teclado> teclado_;
    std::unique_ptr<ArquivoConfiguracao> configuracao_;
    std::filesystem::path caminhoConfiguracao_;
    TformAviso* aviso_ = nullptr;
    ArrasteJanela* arraste_ = nullptr;
    bool configuracaoAplicada_ = false;
    bool ouvindo_ = false;  // the listen button's press started a chord
    // Listening to a MIDI keyboard, and asking with Ctrl+click.
    TMidiInput* entrada_ = nullptr;
    std::unique_ptr<NomeadorAcordes> nomeadorProprio_;
    std::unique_ptr<CampoAcordeJanela> campoAcorde_;
    std::unique_ptr<EscutaTeclado> escuta_;
    std::shared_ptr<std::atomic<bool>> entradaPendente_ =
        std::make_shared<std::atomic<bool>>(false);
    bool avisouSemSaida_ = false;
};
