// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfiguracaoSom.h"

#include <exception>

#include "MidiOutput.h"
#include "TMidiInput.h"

void ConfiguracaoSom::Definir(std::int32_t placaSom, std::int32_t instrumentoTeclado,
                              bool mouseTocarTeclas) {
    placaSom_ = placaSom;
    instrumentoTeclado_ = instrumentoTeclado;
    mouseTocarTeclas_ = mouseTocarTeclas;
    Aplicar();
}

void ConfiguracaoSom::Aplicar() {
    try {
        player_.SelecionarDispositivo(placaSom_);
        // A stored number beyond the MIDI programs would wrap round to another instrument.
        if (instrumentoTeclado_ >= 0 && instrumentoTeclado_ <= 127)
            player_.DefinirInstrumento(instrumentoTeclado_);
    } catch (const std::exception&) {
        // Applying settings is incidental: the player reports missing sound at the next chord.
    }
}

void ConfiguracaoSom::DefinirEntrada(std::string nome, bool ecoar) {
    entradaMidi_ = std::move(nome);
    ecoarEntrada_ = ecoar;
    AplicarEntrada();
}

void ConfiguracaoSom::AplicarEntrada() {
    if (entrada_ == nullptr) return;
    try {
        if (entradaMidi_.empty()) {
            entrada_->Fechar();
        } else if (!entrada_->Aberta() || entrada_->NomeAberto() != entradaMidi_) {
            entrada_->AbrirPorNome(entradaMidi_);
        }
    } catch (const std::exception&) {
        // Listening is optional: a keyboard that cannot be opened leaves the rest working.
    }
}
