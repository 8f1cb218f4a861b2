// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chord player through which all sound goes. It holds a port (without owning it) and turns
// every failure of the port, and every use without a port, into MidiDesabilitadoException.
// Used on the port's thread only.
//
// Start-up builds the one player of the application over its port and binds it to the façade
// CriarInstancia / Instancia once; everything else is handed the player it uses.

#include <cstdint>
#include <string>
#include <vector>

#include "ConstantesMidi.h"
#include "MidiDesabilitadoException.h"
#include "TMidiOutput.h"

class MidiOutput {
  public:
    // The process's player: binds it to `porta` on the first call only; returns it.
    static MidiOutput& CriarInstancia(TMidiOutput* porta);
    // The player start-up owns and bound (a façade); before that, the process's unbound one.
    static MidiOutput& Instancia();

    // A player over `porta` (none: unbound).
    explicit MidiOutput(TMidiOutput* porta = nullptr) : porta_(porta) {}

    // Sends `evento` through the port. Throws MidiDesabilitadoException on any failure.
    void EnviarEvento(const TMyMidiEvent& evento);
    // Sends a note off (0x80, nota, 0). Throws MidiDesabilitadoException on any failure, and for
    // a note outside 0-127 (nothing is sent).
    void DesligarNota(int nota);
    // The velocity of the notes the keyboard plays: 100.
    int ObterVelocidade() const { return velocidade_; }
    // Sends the instrument change (0xC0, instrumento, 127; one data byte goes out). Throws
    // MidiDesabilitadoException on any failure, and for an instrument outside 0-127 (nothing
    // is sent).
    void DefinirInstrumento(int instrumento);
    // The device names in device-number order, from one look at the devices: the port stays on
    // its device, open or closed as it was, and no device is opened or closed. Throws
    // MidiDesabilitadoException without a port.
    std::vector<std::string> ListarDispositivos();
    // Closes the port, selects device `numero` and opens it (a device that cannot be opened
    // leaves the port closed, silently). Throws MidiDesabilitadoException when closing or the
    // selection fails, or without a port.
    void SelecionarDispositivo(std::int32_t numero);
    // Closes the port and selects the lowest of the devices 0 to 4 that exists. Throws
    // MidiDesabilitadoException when none does, when closing fails, or without a port.
    void SelecionarPrimeiroDispositivo();

    // Whether this computer can sound at all: the port is open, or one of its devices opens
    // when tried (a built-in synthesizer with an audio output, or a MIDI port). The port is left
    // on its device, opened again when it was open or when another device proved sound exists.
    // False without a port. Never throws.
    bool AlgumaSaidaAbre();

    TMidiOutput* Porta() const { return porta_; }

  private:
    TMidiOutput& PortaOuFalha() const;

    TMidiOutput* porta_ = nullptr;
    int velocidade_ = midi::VelocidadeTeclado;
};
