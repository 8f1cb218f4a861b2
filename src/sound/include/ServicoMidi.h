// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system MIDI services whose output ports the port numbers (through RtMidi).

enum class ServicoMidi {
    Padrao,  // the platform's own (WinMM, CoreMIDI)
    SequenciadorAlsa,
    Jack,
};
