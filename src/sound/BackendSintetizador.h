#pragma once
// The built-in synthesizer: FluidSynth with a General MIDI soundfont. It plays live through the
// desktop's audio output, or renders offline (into samples or a WAV file) with no audio device.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "BackendMidi.h"

// FluidSynth's own opaque types, so users of this header need not include FluidSynth.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;
typedef struct _fluid_file_renderer_t fluid_file_renderer_t;

struct ConfiguracaoSintetizador {
    enum class Saida { Audio, Offline };

    std::filesystem::path soundfont;
    Saida saida = Saida::Audio;
    // Tried in order at Abrir; the first that opens plays. Names FluidSynth lacks are skipped.
    std::vector<std::string> driversAudio = {"pipewire", "pulseaudio", "alsa", "jack"};
    double taxaAmostragem = 48000.0;
    // The live output buffer is periodos x quadrosPorPeriodo frames (10.7 ms by default).
    int quadrosPorPeriodo = 256;
    int periodos = 2;
    // Offline only: when set, RenderizarArquivo writes into this WAV file.
    std::filesystem::path arquivoWav;
};

class BackendSintetizador : public BackendMidi {
public:
    static constexpr const char* NomeSintetizador = "Built-in synthesizer";

    explicit BackendSintetizador(ConfiguracaoSintetizador configuracao);
    BackendSintetizador(const BackendSintetizador&) = delete;
    BackendSintetizador& operator=(const BackendSintetizador&) = delete;
    ~BackendSintetizador() override;

    std::string Nome() const override { return NomeSintetizador; }
    OutPortTech Tecnologia() const override { return OutPortTech::opt_Synth; }
    // Loads the soundfont and, live, starts the first audio driver that works. Throws
    // ErroBackendMidi when no audio driver works, the soundfont cannot be loaded or the WAV file
    // cannot be created.
    bool Abrir() override;
    // Stops the audio and unloads the soundfont; an offline WAV file is completed. Never throws.
    void Fechar() override;
    // Plays one MIDI message on the synthesizer at once. Throws ErroBackendMidi when closed or
    // for bytes that are no MIDI message.
    void Enviar(std::span<const std::uint8_t> mensagem) override;
    // Plays system exclusive data (framed by 0xF0 and 0xF7) at once. Throws ErroBackendMidi for
    // anything else.
    void EnviarLongo(std::span<const std::uint8_t> dados, std::function<void()> concluido) override;

    bool Aberto() const { return synth_ != nullptr; }
    // The audio driver that plays, empty offline or while closed.
    const std::string& DriverAudio() const { return driverAberto_; }
    double TaxaAmostragem() const { return configuracao_.taxaAmostragem; }
    // Length of the live output buffer in milliseconds.
    double DuracaoBufferMs() const;

    // Offline: renders the next `quadros` frames and returns them mono (the mean of both
    // channels). Throws ErroBackendMidi unless open offline without a WAV file.
    std::vector<float> Renderizar(std::size_t quadros);
    // Offline into the WAV file: renders the next `quadros` frames (rounded up to whole
    // periods). Throws ErroBackendMidi unless open offline with a WAV file.
    void RenderizarArquivo(std::size_t quadros);
    // Frames rendered since Abrir.
    std::size_t QuadrosRenderizados() const { return quadrosRenderizados_; }

private:
    void Liberar();

    ConfiguracaoSintetizador configuracao_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    fluid_file_renderer_t* renderizador_ = nullptr;
    std::string driverAberto_;
    std::size_t quadrosRenderizados_ = 0;
};
