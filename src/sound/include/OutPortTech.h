// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of MIDI output device that a port reports among its capabilities.

enum class OutPortTech { opt_None, opt_MidiPort, opt_Synth, opt_SQSynth, opt_FMSynth, opt_Mapper };
