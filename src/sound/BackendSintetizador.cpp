#include "BackendSintetizador.h"

#include <fluidsynth.h>

#include <algorithm>

#include "BibliotecasSilenciosas.h"
#include "RtMidiComum.h"

BackendSintetizador::BackendSintetizador(ConfiguracaoSintetizador configuracao)
    : configuracao_(std::move(configuracao)) {
    SilenciarBibliotecas();
}

BackendSintetizador::~BackendSintetizador() { Liberar(); }

double BackendSintetizador::DuracaoBufferMs() const {
    return 1000.0 * configuracao_.periodos * configuracao_.quadrosPorPeriodo /
           configuracao_.taxaAmostragem;
}

bool BackendSintetizador::Abrir() {
    if (synth_) return true;
    const bool offline = configuracao_.saida == ConfiguracaoSintetizador::Saida::Offline;

    settings_ = new_fluid_settings();
    if (!settings_) throw ErroBackendMidi("The built-in synthesizer cannot be set up");
    fluid_settings_setnum(settings_, "synth.sample-rate", configuracao_.taxaAmostragem);
    fluid_settings_setint(settings_, "audio.period-size", configuracao_.quadrosPorPeriodo);
    fluid_settings_setint(settings_, "audio.periods", configuracao_.periodos);
    // Locking memory needs privileges a desktop user lacks; through JACK the output must reach
    // the speakers without the user wiring it.
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    fluid_settings_setint(settings_, "audio.jack.autoconnect", 1);
    if (offline && !configuracao_.arquivoWav.empty()) {
        fluid_settings_setstr(settings_, "audio.file.name", configuracao_.arquivoWav.c_str());
        fluid_settings_setstr(settings_, "audio.file.type", "wav");
        fluid_settings_setstr(settings_, "audio.file.format", "s16");
    }

    synth_ = new_fluid_synth(settings_);
    if (!synth_) {
        Liberar();
        throw ErroBackendMidi("The built-in synthesizer cannot be set up");
    }
    if (fluid_synth_sfload(synth_, configuracao_.soundfont.c_str(), 1) == FLUID_FAILED) {
        const std::string caminho = configuracao_.soundfont.string();
        Liberar();
        throw ErroBackendMidi("The soundfont \"" + caminho + "\" cannot be loaded");
    }

    if (offline) {
        if (!configuracao_.arquivoWav.empty()) {
            renderizador_ = new_fluid_file_renderer(synth_);
            if (!renderizador_) {
                const std::string caminho = configuracao_.arquivoWav.string();
                Liberar();
                throw ErroBackendMidi("The file \"" + caminho + "\" cannot be written");
            }
        }
        quadrosRenderizados_ = 0;
        return true;
    }

    std::vector<std::string> compilados;  // the drivers this FluidSynth was built with
    fluid_settings_foreach_option(
        settings_, "audio.driver", &compilados, [](void* lista, const char*, const char* opcao) {
            static_cast<std::vector<std::string>*>(lista)->emplace_back(opcao);
        });
    std::string tentados;
    for (const auto& nome : configuracao_.driversAudio) {
        if (std::find(compilados.begin(), compilados.end(), nome) == compilados.end()) continue;
        if (fluid_settings_setstr(settings_, "audio.driver", nome.c_str()) != FLUID_OK) continue;
        // JACK would start a server of its own (on the sound card) when none runs.
        if (nome == "jack" && !rtmidi_comum::ServicoDisponivel(ServicoMidi::Jack)) continue;
        tentados += (tentados.empty() ? "" : ", ") + nome;
        driver_ = new_fluid_audio_driver(settings_, synth_);
        if (driver_) {
            driverAberto_ = nome;
            return true;
        }
    }
    Liberar();
    throw ErroBackendMidi("The built-in synthesizer found no working audio output" +
                          (tentados.empty() ? std::string() : " (tried " + tentados + ")"));
}

void BackendSintetizador::Fechar() { Liberar(); }

void BackendSintetizador::Liberar() {
    // The audio thread and the file renderer use the synthesizer: they go first.
    if (driver_) delete_fluid_audio_driver(driver_);
    if (renderizador_) delete_fluid_file_renderer(renderizador_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
    driver_ = nullptr;
    renderizador_ = nullptr;
    synth_ = nullptr;
    settings_ = nullptr;
    driverAberto_.clear();
}

void BackendSintetizador::Enviar(std::span<const std::uint8_t> m) {
    if (!synth_) throw ErroBackendMidi("The built-in synthesizer is not open");
    if (m.empty()) return;
    if (m[0] == 0xF0) {
        // FluidSynth takes system exclusive data without its framing bytes.
        if (m.size() < 2 || m.back() != 0xF7)
            throw ErroBackendMidi("Unterminated system exclusive message");
        const auto corpo = m.subspan(1, m.size() - 2);
        fluid_synth_sysex(synth_, reinterpret_cast<const char*>(corpo.data()),
                          static_cast<int>(corpo.size()), nullptr, nullptr, nullptr, 0);
        return;
    }
    if (m[0] < 0x80) throw ErroBackendMidi("A MIDI message must start with a status byte");
    const int canal = m[0] & 0x0F;
    const int d1 = m.size() > 1 ? m[1] : 0;
    const int d2 = m.size() > 2 ? m[2] : 0;
    switch (m[0] & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(synth_, canal, d1);
            break;
        case 0x90:
            if (d2 == 0)
                fluid_synth_noteoff(synth_, canal, d1);
            else
                fluid_synth_noteon(synth_, canal, d1, d2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(synth_, canal, d1, d2);
            break;
        case 0xB0:
            fluid_synth_cc(synth_, canal, d1, d2);
            break;
        case 0xC0:
            fluid_synth_program_change(synth_, canal, d1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(synth_, canal, d1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(synth_, canal, d1 | (d2 << 7));
            break;
        default:
            if (m[0] == 0xFF) fluid_synth_system_reset(synth_);
            break;  // clock and the other system messages mean nothing to a synthesizer
    }
}

void BackendSintetizador::EnviarLongo(std::span<const std::uint8_t> dados,
                                      std::function<void()> concluido) {
    if (dados.empty() || dados.front() != 0xF0)
        throw ErroBackendMidi(
            "The built-in synthesizer takes only system exclusive data as a "
            "long message");
    Enviar(dados);
    concluido();
}

std::vector<float> BackendSintetizador::Renderizar(std::size_t quadros) {
    if (!synth_ || driver_ || renderizador_)
        throw ErroBackendMidi("The built-in synthesizer is not rendering into samples");
    std::vector<float> esquerdo(quadros), direito(quadros);
    // FluidSynth takes an int count: render in slices.
    constexpr std::size_t fatia = 1 << 16;
    for (std::size_t feito = 0; feito < quadros; feito += fatia) {
        const int n = static_cast<int>(std::min(fatia, quadros - feito));
        if (fluid_synth_write_float(synth_, n, esquerdo.data() + feito, 0, 1,
                                    direito.data() + feito, 0, 1) != FLUID_OK)
            throw ErroBackendMidi("The built-in synthesizer failed to render");
    }
    for (std::size_t i = 0; i < quadros; ++i) esquerdo[i] = 0.5f * (esquerdo[i] + direito[i]);
    quadrosRenderizados_ += quadros;
    return esquerdo;
}

void BackendSintetizador::RenderizarArquivo(std::size_t quadros) {
    if (!renderizador_) throw ErroBackendMidi("The built-in synthesizer is not writing a file");
    const auto periodo = static_cast<std::size_t>(configuracao_.quadrosPorPeriodo);
    for (std::size_t feito = 0; feito < quadros; feito += periodo) {
        if (fluid_file_renderer_process_block(renderizador_) != FLUID_OK)
            throw ErroBackendMidi("The built-in synthesizer failed to write the file");
        quadrosRenderizados_ += periodo;
    }
}
