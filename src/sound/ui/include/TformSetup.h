// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound settings window: the MIDI output device, the instrument the keyboard sounds with
// and whether keys sound under the mouse, edited on the system's ConfiguracaoSom.

#include <QDialog>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

class ConfiguracaoSom;
class GerenciadorIdiomas;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;

class TformSetup : public QDialog {
    Q_OBJECT

  public:
    // The pages of `Pasta`.
    static constexpr int PaginaDrivers = 0;
    static constexpr int PaginaInstrumentos = 1;

    // Sets the language's texts, loads the instruments list and applies the current device and
    // instrument to the player (a failure there is ignored). Both collaborators outlive it.
    TformSetup(ConfiguracaoSom& configuracao, const GerenciadorIdiomas& idiomas,
               QWidget* pai = nullptr);

    // The system's current MIDI device (-1 none), instrument (MIDI program) and mouse playing
    // flag: façades over the ConfiguracaoSom that start-up bound.
    static std::int32_t ObterPlacaSom();
    static std::int32_t ObterInstrumentoTeclado();
    static bool ObterMouseTocarTeclas();
    // Stores the three values and applies them.
    static void DefinirConfiguracoes(std::int32_t placaSom, std::int32_t instrumentoTeclado,
                                     bool mouseTocarTeclas);
    // Selects the device, then sets the instrument, on the chord player; failures are silent.
    static void AplicarConfiguracoes();

    // Runs the sound driver wizard modally: the device heard, or -1. Set by start-up.
    std::function<int()> executarAssistente;

    // Fills the instruments list from the file the language names.
    void CarregarInstrumentos();
    // Fills it from `caminho`, one entry a line; when the file cannot be opened, the single
    // error entry naming `relativo`.
    void CarregarInstrumentos(const std::filesystem::path& caminho, std::string_view relativo);
    // Fills the device list from the chord player (empty when it has no port).
    void CarregarDispositivos();
    // Fills the MIDI input choice: "None" first, then the input devices present now (and the
    // chosen one, should it be missing now, so that OK keeps it).
    void CarregarEntradas();

    void btnOkClick();
    void btnCancelarClick();
    void listaInstrumentosDblClick();
    void btnAssistenteDriverClick();

    // Escape and the window's own cancel act as the Cancel button.
    void reject() override;

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void CriarControles();
    void CriarControlesEntrada();
    std::string EntradaEscolhida() const;
    void AplicarIdioma();
    // Tab order and accessible names (each list is named by its page).
    void ConfigurarAcessibilidade();
    void FormShow();
    void MostrarEstado();

    QTabWidget* Pasta = nullptr;
    QWidget* sheetDrivers = nullptr;
    QWidget* sheetInstrumentos = nullptr;
    QListWidget* listaDrivers = nullptr;
    QListWidget* listaInstrumentos = nullptr;
    QPushButton* btnAssistenteDriver = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancelar = nullptr;
    QCheckBox* chkDesabilitarToque = nullptr;
    QLabel* lblEntradaMidi = nullptr;
    QComboBox* comboEntradaMidi = nullptr;
    QCheckBox* chkEcoarEntrada = nullptr;

    ConfiguracaoSom& configuracao_;
    const GerenciadorIdiomas& idiomas_;
};
