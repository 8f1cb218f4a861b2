// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's current sound settings: the MIDI output device, the instrument the keyboard
// sounds with and whether keys sound under the pointer, applied to the chord player. Start-up
// owns the one object; the sound settings window edits it and the main window reads it.

#include <cstdint>
#include <string>

class MidiOutput;
class TMidiInput;

class ConfiguracaoSom {
  public:
    // The values before any are stored: device 0, instrument 24, mouse playing on.
    static constexpr std::int32_t PlacaSomInicial = 0;
    static constexpr std::int32_t InstrumentoInicial = 24;
    static constexpr bool MouseTocarTeclasInicial = true;

    // `player` (and `entrada`, the MIDI input port, when given) outlive the settings.
    explicit ConfiguracaoSom(MidiOutput& player, TMidiInput* entrada = nullptr)
        : player_(player), entrada_(entrada) {}

    std::int32_t PlacaSom() const { return placaSom_; }
    std::int32_t InstrumentoTeclado() const { return instrumentoTeclado_; }
    bool MouseTocarTeclas() const { return mouseTocarTeclas_; }

    // Stores the three values, then applies them (Aplicar).
    void Definir(std::int32_t placaSom, std::int32_t instrumentoTeclado, bool mouseTocarTeclas);
    // Selects the device, then sets the instrument, on the player. Any failure ends the step
    // silently (a failed device selection skips the instrument): the player reports the
    // problem when a chord is next played. An instrument outside 0..127 is not sent.
    void Aplicar();

    // The MIDI input listened to, by name (empty: none, the default), and whether the notes
    // played on it sound through the output (off by default).
    const std::string& EntradaMidi() const { return entradaMidi_; }
    bool EcoarEntrada() const { return ecoarEntrada_; }
    // Stores the input choice, then opens that input (AplicarEntrada).
    void DefinirEntrada(std::string nome, bool ecoar);
    // Opens the chosen input on the input port, closing any other; with none chosen, closes
    // it. An input already open under that name stays open (held notes are not lost). Any
    // failure leaves the port closed, silently: the settings window shows whether it is open.
    void AplicarEntrada();

    MidiOutput& Player() const { return player_; }
    TMidiInput* Entrada() const { return entrada_; }

  private:
    MidiOutput& player_;
    TMidiInput* entrada_ = nullptr;
    std::string entradaMidi_;
    bool ecoarEntrada_ = false;
    std::int32_t placaSom_ = PlacaSomInicial;
    std::int32_t instrumentoTeclado_ = InstrumentoInicial;
    bool mouseTocarTeclas_ = MouseTocarTeclasInicial;
};
