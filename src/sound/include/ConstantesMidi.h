// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MIDI messages the system sends, all on channel 1, and how on-screen keys map to notes.
// The keyboard, the chord player, the driver wizard and tastavo-cli take them from here.

#include <cstdint>

namespace midi {

inline constexpr std::uint8_t StatusNotaLigada = 0x90;
inline constexpr std::uint8_t StatusNotaDesligada = 0x80;
inline constexpr std::uint8_t StatusInstrumento = 0xC0;
// The instrument change is packed as a three-byte message with this second data byte; the port
// sends only the one data byte a program change has.
inline constexpr std::uint8_t SegundoByteInstrumento = 127;

// On-screen key k (0 to 24) sounds MIDI note k + NotaTecla0: notes 48 to 72.
inline constexpr int NotaTecla0 = 48;
// The velocity of the notes the keyboard plays.
inline constexpr int VelocidadeTeclado = 100;

// The MIDI note of on-screen key `tecla`.
constexpr std::uint8_t NotaDaTecla(int tecla) {
    return static_cast<std::uint8_t>(tecla + NotaTecla0);
}

}  // namespace midi
