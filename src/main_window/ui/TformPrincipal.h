#pragma once
// The main window: chord entry and list, the on-screen keyboard, the listen button, the print
// list, and the buttons to the other windows. Handlers read the widgets and call the domain.

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ColecaoAcordeImpressao.h"
#include "ControlesQt.h"
#include "ListaCifras.h"
#include "Teclado.h"

class ArquivoConfiguracao;
class GerenciadorAcordes;
class GerenciadorIdiomas;
class QComboBox;
class QLineEdit;
class QListWidget;
class TformAviso;
class TMidiOutput;

class TformPrincipal : public QWidget {
public:
    struct Dependencias {
        GerenciadorIdiomas* idiomas = nullptr;     // default: the process-wide manager
        GerenciadorAcordes* acordes = nullptr;     // default: the process-wide manager
        SaidaSom* som = nullptr;                   // default: the chord player
        TMidiOutput* porta = nullptr;              // default: a port of its own over the system's devices
        std::filesystem::path configuracao;        // default: the installation's file
    };

    TformPrincipal();
    explicit TformPrincipal(const Dependencias& dependencias);
    ~TformPrincipal() override;

    // Offered to the chart window: adds `cifra` with its first position; with `repetir` false a
    // symbol already listed (letter case aside) is skipped; an invalid symbol is skipped silently.
    void AdicionarAcordeImpressao(const std::string& cifra, bool repetir);
    void LimparListaImpressao();
    ColecaoAcordeImpressao CopiarListaImpressao() const;

    void DefinirAviso(TformAviso* aviso) { aviso_ = aviso; }
    // The windows of later steps; an unset one leaves its button without effect.
    std::function<void()> abrirConfiguracoes;
    std::function<void()> abrirImportarCifra;
    std::function<void()> abrirImpressao;        // print options in print-list mode, modal
    std::function<int()> executarAssistente;     // the driver wizard: device or -1

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
    // The picture store: entry t is the normal look of the button with tag t, t + 1 its pressed look.
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

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    class ListaCombo;
    void CriarControles();
    void AplicarIdioma();
    void PrepararSom();
    void MostrarAvisoCifraInvalida();
    void InformarPlacaDesconfigurada();
    void IniciarArraste(QMouseEvent* evento);
    std::string Texto(std::string_view secao, std::string_view chave) const;

    GerenciadorIdiomas& idiomas_;
    GerenciadorAcordes& acordes_;
    std::unique_ptr<SaidaSom> somProprio_;
    SaidaSom* som_;
    std::unique_ptr<ListaCombo> listaCombo_;
    ColecaoAcordeImpressao listaAcordes_;
    std::unique_ptr<Teclado> teclado_;
    TMidiOutput* porta_;
    std::unique_ptr<TMidiOutput> portaPropria_;
    std::unique_ptr<ArquivoConfiguracao> configuracao_;
    std::filesystem::path caminhoConfiguracao_;
    TformAviso* aviso_ = nullptr;
    bool configuracaoAplicada_ = false;
    bool arrastandoManual_ = false;
    QPoint inicioArraste_;
};
