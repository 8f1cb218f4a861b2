#pragma once
// The system's output devices, in this order: device 0 the built-in synthesizer (only when a
// soundfont is found), then the MIDI ports of the first MIDI service that exists, in its order.

#include <filesystem>
#include <memory>
#include <vector>

#include "BackendMidi.h"
#include "ServicoMidi.h"

struct OpcoesDispositivosSistema {
    bool sintetizador = true;
    // Searched in order for the synthesizer's soundfont (see CandidatosSoundfont).
    std::vector<std::filesystem::path> soundfonts;
    // The first service here that exists gives the ports; the others are not asked.
    std::vector<ServicoMidi> servicos;

    // The installation's soundfonts and the platform's services (on Linux the ALSA sequencer,
    // then JACK).
    static OpcoesDispositivosSistema Padrao();
};

class FonteDispositivosSistema : public FonteDispositivosMidi {
public:
    FonteDispositivosSistema() : FonteDispositivosSistema(OpcoesDispositivosSistema::Padrao()) {}
    explicit FonteDispositivosSistema(OpcoesDispositivosSistema opcoes);

    // Counts afresh at every call; a missing or broken service contributes no port.
    std::vector<std::shared_ptr<BackendMidi>> Dispositivos() override;

private:
    OpcoesDispositivosSistema opcoes_;
};
