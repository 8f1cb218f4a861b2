// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of FluidSynth's audio outputs the built-in synthesizer plays on.

#include <string>
#include <vector>

namespace drivers_audio {

// Once per process, before any FluidSynth object exists: silences FluidSynth's log and
// registers with it only the audio outputs of ConfiguracaoSintetizador's default order that it
// was built with. FluidSynth sets up every registered output whenever it creates its settings,
// and some (PortAudio, SDL) probe every sound device of the machine to do so. Never throws.
void PrepararFluidSynth();

// The outputs of `ordem` that FluidSynth has registered and that can play now, in that order:
// PipeWire and PulseAudio when their servers answer, ALSA when the machine has a playback
// device, JACK when a server already runs (none is started). Asks no audio library; never
// throws.
std::vector<std::string> Presentes(const std::vector<std::string>& ordem);

}  // namespace drivers_audio
