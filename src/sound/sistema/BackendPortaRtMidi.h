// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One MIDI output port of the system (an ALSA sequencer or JACK port), reached through RtMidi.

#include <memory>
#include <string>

#include "BackendMidi.h"
#include "ServicoMidi.h"

class RtMidiOut;

class BackendPortaRtMidi : public BackendMidi {
  public:
    // The port of `servico` named `nome` (as RtMidi names it). Never throws.
    BackendPortaRtMidi(ServicoMidi servico, std::string nome);
    ~BackendPortaRtMidi() override;

    std::string Nome() const override { return nome_; }
    // Connects to the port found by its name now (ports may have come and gone since they were
    // counted); false when it is gone, ErroBackendMidi when the service refuses.
    bool Abrir() override;
    // Disconnects. Throws ErroBackendMidi when the service refuses.
    void Fechar() override;
    // Throws ErroBackendMidi when closed or when the service refuses the message.
    void Enviar(std::span<const std::uint8_t> mensagem) override;

  private:
    ServicoMidi servico_;
    std::string nome_;
    std::unique_ptr<RtMidiOut> saida_;
    std::string erro_;  // what RtMidi reported during the current call
};
