// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in synthesizer over FluidSynth with a General MIDI soundfont.
//
// Live, it is set up (the soundfont loaded, the audio output started) at the first Abrir and
// kept until it is destroyed: Fechar only silences it, keeping its instruments, and a later
// Abrir is free. Offline it renders into samples, kept the same way, or into a WAV file, which
// Fechar completes.

#include <memory>
#include <string>

#include "Sintetizador.h"

class BackendSintetizador final : public Sintetizador {
  public:
    explicit BackendSintetizador(ConfiguracaoSintetizador configuracao);
    BackendSintetizador(const BackendSintetizador&) = delete;
    BackendSintetizador& operator=(const BackendSintetizador&) = delete;
    ~BackendSintetizador() override;

    // Sets the synthesizer up the first time; live, starts the first audio output present that
    // works. Throws ErroBackendMidi when no audio output works (nothing is loaded when none is
    // present at all), the soundfont cannot be loaded or the WAV file cannot be created.
    bool Abrir() override;
    // Every note off on every channel; the instruments stay. A WAV file is completed. Never
    // throws.
    void Fechar() override;
    // Plays one MIDI message on the synthesizer at once. Throws ErroBackendMidi when closed or
    // for bytes that are no MIDI message.
    void Enviar(std::span<const std::uint8_t> mensagem) override;
    // Plays system exclusive data (framed by 0xF0 and 0xF7) at once. Throws ErroBackendMidi for
    // anything else.
    void EnviarLongo(std::span<const std::uint8_t> dados, std::function<void()> concluido) override;

    std::string DriverAudio() const override { return driverAberto_; }
    double TaxaAmostragem() const override { return configuracao_.taxaAmostragem; }
    std::vector<float> Renderizar(std::size_t quadros) override;
    void RenderizarArquivo(std::size_t quadros) override;
    std::size_t QuadrosRenderizados() const override { return quadrosRenderizados_; }

  private:
    struct Fluid;  // FluidSynth's objects

    bool Offline() const { return configuracao_.saida == ConfiguracaoSintetizador::Saida::Offline; }
    void Preparar();
    void IniciarAudio();

    ConfiguracaoSintetizador configuracao_;
    std::unique_ptr<Fluid> fluid_;  // none until set up (and after a WAV file is completed)
    bool aberto_ = false;
    std::string driverAberto_;
    std::size_t quadrosRenderizados_ = 0;
};
