// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound plugin: a small shared library of ours that holds the sound back ends (the built-in
// synthesizer and the system's MIDI ports, with their audio and MIDI libraries). tastavo-cli
// loads it only for the commands that sound, so that the others start without those libraries.
// The desktop application links the back ends directly instead.

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "BackendMidi.h"
#include "Sintetizador.h"

// What the plugin offers. Both sides are built from this header; VersaoApiPluginSom changes
// whenever it (or a type it hands over) changes, so that a stale plugin is refused, not called.
struct ApiPluginSom {
    int versao;
    // The system's output devices, the built-in synthesizer first (with a soundfont from the
    // installation folder's soundfonts/ or the system's), then the MIDI ports.
    std::unique_ptr<FonteDispositivosMidi> (*criarFonteSistema)(
        const std::filesystem::path& pastaInstalacao);
    // A synthesizer of its own (offline rendering, say), not the process's live one.
    std::shared_ptr<Sintetizador> (*criarSintetizador)(
        const ConfiguracaoSintetizador& configuracao);
    // The system's MIDI input devices (the ports of the first MIDI service that answers).
    std::unique_ptr<FonteEntradasMidi> (*criarFonteEntradas)();
};

inline constexpr int VersaoApiPluginSom = 2;
// The plugin's file, in the installation folder beside the executables.
inline constexpr const char* ArquivoPluginSom = "tastavo-som.so";
// The C function the plugin exports: returns its ApiPluginSom, which lives as long as the process.
inline constexpr const char* SimboloPluginSom = "tastavo_plugin_som";
using FuncaoPluginSom = const ApiPluginSom* (*)();

// The plugin cannot be used: missing, unloadable or of another version. The text says which and
// where, for the user.
class ErroPluginSom : public std::runtime_error {
  public:
    explicit ErroPluginSom(const std::string& texto) : std::runtime_error(texto) {}
};

// Loads the plugin from `pasta` (the installation folder) the first time and keeps it loaded
// until the process ends; later calls return the same API. Throws ErroPluginSom.
const ApiPluginSom& CarregarPluginSom(const std::filesystem::path& pasta);
