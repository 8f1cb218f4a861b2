// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound driver wizard's window: tries the MIDI output devices one by one, plays a short
// test scale on each and asks whether it was heard; the first device heard is the answer. The
// steps themselves are AssistenteDriver's; the window shows each step's texts and buttons.

#include <QDialog>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "AssistenteDriver.h"

class CaixasMensagem;
class GerenciadorIdiomas;
class MidiOutput;
class QFrame;
class QLabel;
class QPushButton;

class TformAssistenteConfiguracaoDriver : public QDialog {
    Q_OBJECT

  public:
    // Each note of the test scale sounds this long.
    static constexpr std::chrono::milliseconds DuracaoNotaEscala = ::DuracaoNotaEscala;

    // Reads the device names from `jogador` once (none when that fails) and sets the texts of
    // the current language. `duracaoNota` is the length of each note of the test scale. The
    // collaborators outlive the window.
    TformAssistenteConfiguracaoDriver(MidiOutput& jogador, const GerenciadorIdiomas& idiomas,
                                      CaixasMensagem& mensagens,
                                      std::chrono::milliseconds duracaoNota = DuracaoNotaEscala,
                                      QWidget* parent = nullptr);

    // Shows the wizard modally from its first step; the device heard, -1 when the user
    // cancelled, 0 otherwise. Leaves the player on the device last tried, with instrument 0.
    int Executar();
    // The same, shown over `dono` for this run (the sound settings window stays on top of other
    // windows, so the wizard it runs must belong to it to be seen).
    int Executar(QWidget* dono);

    // Plays notes 60 to 83 on `jogador`, each a note on at velocity 127, a pause of `duracaoNota`
    // and a note off. Blocks meanwhile. Throws MidiDesabilitadoException, stopping at once.
    static void TocarEscalaTeste(MidiOutput& jogador,
                                 std::chrono::milliseconds duracaoNota = DuracaoNotaEscala);

    // Shows the step the wizard is at: its title, text and buttons.
    void MostrarPasso();

    // 'A' try a device, 'B' ask whether it was heard, 'C' heard, 'D' nothing (left) to try;
    // ' ' before the first showing.
    char PassoAtual() const { return passoMostrado_; }
    const std::vector<std::string>& Dispositivos() const { return assistente_.Dispositivos(); }
    int IndiceDispositivo() const { return assistente_.IndiceDispositivo(); }
    int DispositivoEscolhido() const { return assistente_.DispositivoEscolhido(); }

    // How the volume control is opened: true when it started. The default starts the first
    // installed of the desktop's volume controls.
    std::function<bool()> abrirControleVolume;

    void btnProsseguirClick();
    void btnEscutandoClick();
    void btnNaoEscutandoClick();
    void btnCancelarClick();
    void btnFinalizarClick();
    void lblLinkVolumeWindowsClick();

  protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  public:
    // Every way of closing (buttons, close box, Escape) ends here, so FormClose always runs.
    void done(int resultado) override;

  private:
    void CriarControles();
    void AplicarIdioma();
    void FormShow();
    void FormClose();
    void BotoesFinais();

    MidiOutput& jogador_;
    const GerenciadorIdiomas& idiomas_;
    CaixasMensagem& mensagens_;
    std::chrono::milliseconds duracaoNota_;
    AssistenteDriver assistente_;
    char passoMostrado_ = ' ';

    QFrame* Panel2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblTitulo1 = nullptr;
    QLabel* lblExplicacao1 = nullptr;
    QLabel* lblLinkVolumeWindows = nullptr;
    QLabel* lblTitulo2 = nullptr;
    QLabel* lblExplicacao2 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* btnEscutando = nullptr;
    QPushButton* btnNaoEscutando = nullptr;
    QPushButton* btnProsseguir = nullptr;
    QPushButton* btnCancelar = nullptr;
    QPushButton* btnFinalizar = nullptr;
};
