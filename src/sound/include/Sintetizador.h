// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in synthesizer as the rest of the system sees it: a MIDI output device that plays
// live through the desktop's audio output, or renders offline (into samples or a WAV file) with
// no audio device. Made by the sound back ends (CriarSintetizador, or the sound plugin).

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "BackendMidi.h"

struct ConfiguracaoSintetizador {
    enum class Saida { Audio, Offline };

    std::filesystem::path soundfont;
    Saida saida = Saida::Audio;
    // The audio outputs in the order they are preferred. Only those present at the first open
    // are tried: PipeWire and PulseAudio when their servers answer, ALSA when the machine has
    // a playback device, JACK when a server already runs. Names the synthesizer lacks are
    // passed over.
    std::vector<std::string> driversAudio = {"pipewire", "pulseaudio", "alsa", "jack"};
    double taxaAmostragem = 48000.0;
    // The live output buffer is periodos x quadrosPorPeriodo frames (10.7 ms by default).
    int quadrosPorPeriodo = 256;
    int periodos = 2;
    // Offline only: when set, RenderizarArquivo writes into this WAV file.
    std::filesystem::path arquivoWav;

    // Length of the live output buffer in milliseconds.
    double DuracaoBufferMs() const {
        return 1000.0 * periodos * quadrosPorPeriodo / taxaAmostragem;
    }
};

class Sintetizador : public BackendMidi {
  public:
    static constexpr const char* NomeSintetizador = "Built-in synthesizer";

    std::string Nome() const override { return NomeSintetizador; }
    OutPortTech Tecnologia() const override { return OutPortTech::opt_Synth; }

    // The audio output that plays, empty offline or before the first open.
    virtual std::string DriverAudio() const = 0;
    virtual double TaxaAmostragem() const = 0;
    // Offline: renders the next `quadros` frames and returns them mono (the mean of both
    // channels). Throws ErroBackendMidi unless open offline without a WAV file.
    virtual std::vector<float> Renderizar(std::size_t quadros) = 0;
    // Offline into the WAV file: renders the next `quadros` frames (rounded up to whole
    // periods). Throws ErroBackendMidi unless open offline with a WAV file.
    virtual void RenderizarArquivo(std::size_t quadros) = 0;
    // Frames rendered since the open that set the synthesizer up.
    virtual std::size_t QuadrosRenderizados() const = 0;
};
