// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound is not available: the one failure every user of the chord player handles.

#include <exception>

class MidiDesabilitadoException : public std::exception {
  public:
    const char* what() const noexcept override { return "MIDI sound is not available"; }
};
