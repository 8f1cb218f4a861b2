// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the RtMidi back end and the device count share: the service's RtMidi API, whether the
// service is there at all (asked without RtMidi, which would print to the console), and
// RtMidi's errors caught into a text instead of the terminal.

#include <RtMidi.h>

#include <memory>
#include <string>

#include "ServicoMidi.h"

namespace rtmidi_comum {

// Whether RtMidi was built with the service and the service answers now. Never throws.
bool ServicoDisponivel(ServicoMidi servico);

// An output client of the service whose errors land in `erro` (empty while none). Throws
// ErroBackendMidi when RtMidi refuses.
std::unique_ptr<RtMidiOut> CriarSaida(ServicoMidi servico, std::string& erro);
// An input client of the service, the same way; it drops system exclusive, timing and active
// sensing messages.
std::unique_ptr<RtMidiIn> CriarEntrada(ServicoMidi servico, std::string& erro);

}  // namespace rtmidi_comum
