// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's current sound settings: the MIDI output device, the instrument the keyboard
// sounds with and whether keys sound under the pointer, applied to the chord player. Start-up
// owns the one object; the sound settings window edits it and the main window reads it.

#include <cstdint>

class MidiOutput;

class ConfiguracaoSom {
  public:
    // The values before any are stored: device 0, instrument 24, mouse playing on.
    static constexpr std::int32_t PlacaSomInicial = 0;
    static constexpr std::int32_t InstrumentoInicial = 24;
    static constexpr bool MouseTocarTeclasInicial = true;

    // `player` outlives the settings.
    explicit ConfiguracaoSom(MidiOutput& player) : player_(player) {}

    std::int32_t PlacaSom() const { return placaSom_; }
    std::int32_t InstrumentoTeclado() const { return instrumentoTeclado_; }
    bool MouseTocarTeclas() const { return mouseTocarTeclas_; }

    // Stores the three values, then applies them (Aplicar).
    void Definir(std::int32_t placaSom, std::int32_t instrumentoTeclado, bool mouseTocarTeclas);
    // Selects the device, then sets the instrument, on the player. Any failure ends the step
    // silently (a failed device selection skips the instrument): the player reports the
    // problem when a chord is next played. An instrument outside 0..127 is not sent.
    void Aplicar();

    MidiOutput& Player() const { return player_; }

  private:
    MidiOutput& player_;
    std::int32_t placaSom_ = PlacaSomInicial;
    std::int32_t instrumentoTeclado_ = InstrumentoInicial;
    bool mouseTocarTeclas_ = MouseTocarTeclasInicial;
};
