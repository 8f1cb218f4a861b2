// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackendSintetizador.h"

#include <fluidsynth.h>

#include <algorithm>

#include "DriversAudio.h"

namespace {

template <auto Apagar>
struct Apagador {
    template <typename T>
    void operator()(T* objeto) const {
        Apagar(objeto);
    }
};

}  // namespace

struct BackendSintetizador::Fluid {
    // Released from the last member up: the audio thread and the file renderer use the
    // synthesizer, which uses the settings.
    std::unique_ptr<fluid_settings_t, Apagador<delete_fluid_settings>> settings;
    std::unique_ptr<fluid_synth_t, Apagador<delete_fluid_synth>> synth;
    std::unique_ptr<fluid_file_renderer_t, Apagador<delete_fluid_file_renderer>> renderizador;
    std::unique_ptr<fluid_audio_driver_t, Apagador<delete_fluid_audio_driver>> driver;
};

BackendSintetizador::BackendSintetizador(ConfiguracaoSintetizador configuracao)
    : configuracao_(std::move(configuracao)) {}

BackendSintetizador::~BackendSintetizador() = default;

bool BackendSintetizador::Abrir() {
    if (aberto_) return true;
    if (!fluid_) Preparar();
    // A synthesizer whose audio output failed keeps its soundfont for the next try.
    if (!Offline() && !fluid_->driver) IniciarAudio();
    aberto_ = true;
    return true;
}

void BackendSintetizador::Preparar() {
    drivers_audio::PrepararFluidSynth();
    // Without any audio output there is nothing to load the soundfont for.
    if (!Offline() && drivers_audio::Presentes(configuracao_.driversAudio).empty())
        throw ErroBackendMidi("The built-in synthesizer found no audio output to play on");

    auto f = std::make_unique<Fluid>();
    f->settings.reset(new_fluid_settings());
    if (!f->settings) throw ErroBackendMidi("The built-in synthesizer cannot be set up");
    fluid_settings_t* s = f->settings.get();
    fluid_settings_setnum(s, "synth.sample-rate", configuracao_.taxaAmostragem);
    fluid_settings_setint(s, "audio.period-size", configuracao_.quadrosPorPeriodo);
    fluid_settings_setint(s, "audio.periods", configuracao_.periodos);
    // Locking memory needs privileges a desktop user lacks; through JACK the output must reach
    // the speakers without the user wiring it.
    fluid_settings_setint(s, "synth.lock-memory", 0);
    fluid_settings_setint(s, "audio.jack.autoconnect", 1);
    const bool arquivo = Offline() && !configuracao_.arquivoWav.empty();
    if (arquivo) {
        fluid_settings_setstr(s, "audio.file.name", configuracao_.arquivoWav.c_str());
        fluid_settings_setstr(s, "audio.file.type", "wav");
        fluid_settings_setstr(s, "audio.file.format", "s16");
    }

    f->synth.reset(new_fluid_synth(s));
    if (!f->synth) throw ErroBackendMidi("The built-in synthesizer cannot be set up");
    if (fluid_synth_sfload(f->synth.get(), configuracao_.soundfont.c_str(), 1) == FLUID_FAILED)
        throw ErroBackendMidi("The soundfont \"" + configuracao_.soundfont.string() +
                              "\" cannot be loaded");
    if (arquivo) {
        f->renderizador.reset(new_fluid_file_renderer(f->synth.get()));
        if (!f->renderizador)
            throw ErroBackendMidi("The file \"" + configuracao_.arquivoWav.string() +
                                  "\" cannot be written");
    }
    fluid_ = std::move(f);
    quadrosRenderizados_ = 0;
}

void BackendSintetizador::IniciarAudio() {
    std::string tentados;
    for (const std::string& nome : drivers_audio::Presentes(configuracao_.driversAudio)) {
        if (fluid_settings_setstr(fluid_->settings.get(), "audio.driver", nome.c_str()) != FLUID_OK)
            continue;
        tentados += (tentados.empty() ? "" : ", ") + nome;
        fluid_->driver.reset(new_fluid_audio_driver(fluid_->settings.get(), fluid_->synth.get()));
        if (fluid_->driver) {
            driverAberto_ = nome;
            return;
        }
    }
    throw ErroBackendMidi("The built-in synthesizer found no working audio output" +
                          (tentados.empty() ? std::string() : " (tried " + tentados + ")"));
}

void BackendSintetizador::Fechar() {
    aberto_ = false;
    if (!fluid_) return;
    if (fluid_->renderizador) {
        fluid_.reset();  // the renderer completes the file as it goes
        return;
    }
    fluid_synth_all_notes_off(fluid_->synth.get(), -1);
}

void BackendSintetizador::Enviar(std::span<const std::uint8_t> m) {
    if (!aberto_) throw ErroBackendMidi("The built-in synthesizer is not open");
    if (m.empty()) return;
    fluid_synth_t* synth = fluid_->synth.get();
    if (m[0] == 0xF0) {
        // FluidSynth takes system exclusive data without its framing bytes.
        if (m.size() < 2 || m.back() != 0xF7)
            throw ErroBackendMidi("Unterminated system exclusive message");
        const auto corpo = m.subspan(1, m.size() - 2);
        fluid_synth_sysex(synth, reinterpret_cast<const char*>(corpo.data()),
                          static_cast<int>(corpo.size()), nullptr, nullptr, nullptr, 0);
        return;
    }
    if (m[0] < 0x80) throw ErroBackendMidi("A MIDI message must start with a status byte");
    const int canal = m[0] & 0x0F;
    const int d1 = m.size() > 1 ? m[1] : 0;
    const int d2 = m.size() > 2 ? m[2] : 0;
    switch (m[0] & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(synth, canal, d1);
            break;
        case 0x90:
            if (d2 == 0)
                fluid_synth_noteoff(synth, canal, d1);
            else
                fluid_synth_noteon(synth, canal, d1, d2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(synth, canal, d1, d2);
            break;
        case 0xB0:
            fluid_synth_cc(synth, canal, d1, d2);
            break;
        case 0xC0:
            fluid_synth_program_change(synth, canal, d1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(synth, canal, d1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(synth, canal, d1 | (d2 << 7));
            break;
        default:
            if (m[0] == 0xFF) fluid_synth_system_reset(synth);
            break;  // clock and the other system messages mean nothing to a synthesizer
    }
}

void BackendSintetizador::EnviarLongo(std::span<const std::uint8_t> dados,
                                      std::function<void()> concluido) {
    if (dados.empty() || dados.front() != 0xF0)
        throw ErroBackendMidi(
            "The built-in synthesizer takes only system exclusive data as a long message");
    Enviar(dados);
    concluido();
}

std::vector<float> BackendSintetizador::Renderizar(std::size_t quadros) {
    if (!aberto_ || !Offline() || fluid_->renderizador)
        throw ErroBackendMidi("The built-in synthesizer is not rendering into samples");
    std::vector<float> esquerdo(quadros), direito(quadros);
    // FluidSynth takes an int count: render in slices.
    constexpr std::size_t fatia = 1 << 16;
    for (std::size_t feito = 0; feito < quadros; feito += fatia) {
        const int n = static_cast<int>(std::min(fatia, quadros - feito));
        if (fluid_synth_write_float(fluid_->synth.get(), n, esquerdo.data() + feito, 0, 1,
                                    direito.data() + feito, 0, 1) != FLUID_OK)
            throw ErroBackendMidi("The built-in synthesizer failed to render");
    }
    for (std::size_t i = 0; i < quadros; ++i) esquerdo[i] = 0.5f * (esquerdo[i] + direito[i]);
    quadrosRenderizados_ += quadros;
    return esquerdo;
}

void BackendSintetizador::RenderizarArquivo(std::size_t quadros) {
    if (!aberto_ || !fluid_->renderizador)
        throw ErroBackendMidi("The built-in synthesizer is not writing a file");
    const auto periodo = static_cast<std::size_t>(configuracao_.quadrosPorPeriodo);
    for (std::size_t feito = 0; feito < quadros; feito += periodo) {
        if (fluid_file_renderer_process_block(fluid_->renderizador.get()) != FLUID_OK)
            throw ErroBackendMidi("The built-in synthesizer failed to write the file");
        quadrosRenderizados_ += periodo;
    }
}
