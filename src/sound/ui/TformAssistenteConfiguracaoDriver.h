#pragma once
// The sound driver wizard: tries the MIDI output devices one by one, plays a short test scale
// on each and asks whether it was heard; the first device heard is the answer.

#include <QDialog>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
    static constexpr std::chrono::milliseconds DuracaoNotaEscala{80};
    static constexpr int NotaInicialEscala = 60;  // middle C
    static constexpr int NotasEscala = 24;        // two octaves, chromatically
    static constexpr std::uint8_t VelocidadeEscala = 127;

    // What the user last did, which decides the step shown.
    enum Acao : std::int32_t {
        TentarDispositivo = 0,
        EscalaTocada = 1,
        Cancelado = 2,
        Escutado = 3
    };

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

    // Shows the step that `acao` and `indiceDispositivo` call for.
    void MostrarPasso();

    // 'A' try a device, 'B' ask whether it was heard, 'C' heard, 'D' nothing (left) to try;
    // ' ' before the first showing.
    char PassoAtual() const { return passo_; }
    const std::vector<std::string>& Dispositivos() const { return dispositivos; }
    int IndiceDispositivo() const { return indiceDispositivo; }
    int DispositivoEscolhido() const { return dispositivoEscolhido; }

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

    std::vector<std::string> dispositivos;
    std::int32_t indiceDispositivo = 0;
    std::int32_t acao = TentarDispositivo;
    std::int32_t dispositivoEscolhido = 0;
    char passo_ = ' ';

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
