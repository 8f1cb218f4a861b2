// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the system's sound services answer, asked cheaply and without printing to the console.

#include <filesystem>

namespace servicos {

// The ALSA sequencer answers (false when built without ALSA). Never throws.
bool SequenciadorAlsaResponde();
// A JACK server already runs; none is started (false when built without JACK). Never throws.
bool ServidorJackResponde();
// A server listens on the Unix socket `caminho`. Never throws.
bool SocketResponde(const std::filesystem::path& caminho);

}  // namespace servicos
