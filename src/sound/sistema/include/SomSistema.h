// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound back ends of this machine: the built-in synthesizer over FluidSynth and the MIDI
// ports of the ALSA sequencer or JACK, through RtMidi. The desktop application and the tests
// link them; tastavo-cli reaches them only through the sound plugin (PluginSom.h), so that its
// other commands start without the audio and MIDI libraries.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BackendMidi.h"
#include "PluginSom.h"
#include "ServicoMidi.h"
#include "Sintetizador.h"

struct OpcoesDispositivosSistema {
    bool sintetizador = true;
    // Searched in order for the synthesizer's soundfont (see CandidatosSoundfont).
    std::vector<std::filesystem::path> soundfonts;
    // The first service here that answers gives the ports; the others are not asked.
    std::vector<ServicoMidi> servicos;
    // Told of each soundfont passed over as damaged or unreadable, once per file and process;
    // by default a line on standard error under the program's name.
    std::function<void(const std::string&)> avisar;

    // The soundfonts of `pastaInstalacao`/soundfonts and the system's, and the platform's MIDI
    // services (on Linux the ALSA sequencer, then JACK, as far as the build has them).
    static OpcoesDispositivosSistema Padrao(const std::filesystem::path& pastaInstalacao);
};

// The system's output devices in this order: device 0 the built-in synthesizer (only when a
// soundfont is found; the process's one, SintetizadorDoProcesso), then the MIDI ports of the
// first service of `opcoes` that answers, in its order. Each look counts afresh and opens no
// device; a missing or broken service gives no port. Never throws.
std::unique_ptr<FonteDispositivosMidi> CriarFonteDispositivosSistema(
    OpcoesDispositivosSistema opcoes);
// The same with OpcoesDispositivosSistema::Padrao(pastaInstalacao).
std::unique_ptr<FonteDispositivosMidi> CriarFonteDispositivosSistema(
    const std::filesystem::path& pastaInstalacao);

// The system's MIDI input devices: the ports of the first of `servicos` that answers, in its
// order. Each look counts afresh and opens nothing. Never throws.
std::unique_ptr<FonteEntradasMidi> CriarFonteEntradasSistema(std::vector<ServicoMidi> servicos);
// The same over the platform's MIDI services (those of OpcoesDispositivosSistema::Padrao).
std::unique_ptr<FonteEntradasMidi> CriarFonteEntradasSistema();

// The process's live synthesizer: made on the first call, over `soundfont`, and kept until the
// process ends; every later call returns the same one, whatever soundfont it names. Nothing is
// loaded before its first Abrir. Never throws.
std::shared_ptr<Sintetizador> SintetizadorDoProcesso(const std::filesystem::path& soundfont);

// A synthesizer of its own (for offline rendering, say). Nothing is loaded before its first
// Abrir. Never throws.
std::shared_ptr<Sintetizador> CriarSintetizador(ConfiguracaoSintetizador configuracao);

// Whether the MIDI service is built in and answers now. Never throws.
bool ServicoMidiDisponivel(ServicoMidi servico);

// These back ends as the sound plugin hands them out.
const ApiPluginSom& ApiSomSistema();
