// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard display's sound output over the chord player.

#include "MidiOutput.h"
#include "SaidaSom.h"

class SomMidiOutput : public SaidaSom {
  public:
    explicit SomMidiOutput(MidiOutput& player) : player_(player) {}
    // Throws MidiDesabilitadoException when sound is not available.
    void EnviarEvento(std::uint8_t status, std::uint8_t primeiro, std::uint8_t segundo) override {
        TMyMidiEvent evento;
        evento.Status = status;
        evento.FirstDataByte = primeiro;
        evento.SecondDataByte = segundo;
        player_.EnviarEvento(evento);
    }
    void DesligarNota(int nota) override { player_.DesligarNota(static_cast<std::uint8_t>(nota)); }
    int ObterVelocidade() const override { return player_.ObterVelocidade(); }

  private:
    MidiOutput& player_;
};
