#pragma once
// The sound settings window. For now it holds the system's current sound settings (device,
// instrument, mouse playing) as class-level state and applies them to the chord player.

#include <QDialog>
#include <cstdint>

class MidiOutput;

class TformSetup : public QDialog {
public:
    explicit TformSetup(QWidget* pai = nullptr);

    // The current MIDI device (-1 none), instrument (MIDI program) and mouse playing flag.
    static std::int32_t ObterPlacaSom();
    static std::int32_t ObterInstrumentoTeclado();
    static bool ObterMouseTocarTeclas();
    // Stores the three values and applies them (AplicarConfiguracoes).
    static void DefinirConfiguracoes(std::int32_t placaSom, std::int32_t instrumentoTeclado, bool mouseTocarTeclas);
    // Selects the device, then sets the instrument, on the chord player. Any failure ends the
    // step silently (a failed device selection skips the instrument): the player reports the
    // problem when a chord is next played.
    static void AplicarConfiguracoes();

    // The player the settings apply to (the process's chord player unless a test says otherwise).
    static void DefinirPlayer(MidiOutput* player);
};
