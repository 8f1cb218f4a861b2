// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the console noise of the audio and MIDI libraries (FluidSynth's log, ALSA's and JACK's
// error printers) out of the user's terminal: their failures reach the user as our own errors.

// Installs the silent handlers once per process. Never throws.
void SilenciarBibliotecas();
