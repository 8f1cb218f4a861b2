// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfiguracaoSom.h"

#include <exception>

#include "MidiOutput.h"

void ConfiguracaoSom::Definir(std::int32_t placaSom, std::int32_t instrumentoTeclado, bool mouseTocarTeclas) {
    placaSom_ = placaSom;
    instrumentoTeclado_ = instrumentoTeclado;
    mouseTocarTeclas_ = mouseTocarTeclas;
    Aplicar();
}

void ConfiguracaoSom::Aplicar() {
    try {
        player_.SelecionarDispositivo(placaSom_);
        // A stored number beyond the MIDI programs would wrap round to another instrument.
        if (instrumentoTeclado_ >= 0 && instrumentoTeclado_ <= 127) player_.DefinirInstrumento(instrumentoTeclado_);
    } catch (const std::exception&) {
        // Applying settings is incidental: the player reports missing sound at the next chord.
    }
}
