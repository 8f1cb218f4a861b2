// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the keyboard display needs of the chord player. The application's implementation
// (SomMidiOutput) forwards to MidiOutput, whose failures pass through unchanged.

#include <cstdint>

class SaidaSom {
  public:
    virtual ~SaidaSom() = default;
    // One MIDI message on channel 1.
    virtual void EnviarEvento(std::uint8_t status, std::uint8_t primeiro, std::uint8_t segundo) = 0;
    // Note off (0x80, velocity 0) for `nota`.
    virtual void DesligarNota(int nota) = 0;
    virtual int ObterVelocidade() const = 0;
};
