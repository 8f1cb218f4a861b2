// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One MIDI input port of the system (an ALSA sequencer or JACK port), reached through RtMidi.

#include <memory>
#include <mutex>
#include <string>

#include "BackendMidi.h"
#include "ServicoMidi.h"

class RtMidiIn;

class BackendEntradaRtMidi : public BackendEntradaMidi {
  public:
    // The port of `servico` named `nome` (as RtMidi names it). Never throws.
    BackendEntradaRtMidi(ServicoMidi servico, std::string nome);
    ~BackendEntradaRtMidi() override;

    std::string Nome() const override { return nome_; }
    // Connects to the port found by its name now; false when it is gone, ErroBackendMidi when
    // the service refuses.
    bool Abrir(Receptor receber) override;
    // Disconnects. Throws ErroBackendMidi when the service refuses.
    void Fechar() override;

  private:
    static void Chegou(double, std::vector<unsigned char>* mensagem, void* eu);

    ServicoMidi servico_;
    std::string nome_;
    std::unique_ptr<RtMidiIn> entrada_;
    Receptor receber_;
    std::string erro_;  // what RtMidi reported during the current call
};
