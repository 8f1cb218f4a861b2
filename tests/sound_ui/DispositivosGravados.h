// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chord player over recorded devices, as the sound windows' tests hand it to the windows.

#include <memory>
#include <string>
#include <vector>

#include "BackendGravador.h"
#include "MidiOutput.h"
#include "TMidiOutput.h"

struct DispositivosGravados {
    explicit DispositivosGravados(const std::vector<std::string>& nomes) {
        std::vector<std::shared_ptr<BackendMidi>> backends;
        for (const std::string& nome : nomes) {
            gravadores.push_back(std::make_shared<BackendGravador>(nome));
            backends.push_back(gravadores.back());
        }
        porta = std::make_unique<TMidiOutput>(std::move(backends));
        jogador = std::make_unique<MidiOutput>(porta.get());
    }

    // The messages device `i` received, each as its bytes.
    const std::vector<std::vector<std::uint8_t>>& Mensagens(std::size_t i) const {
        return gravadores.at(i)->Mensagens();
    }
    void LimparMensagens() {
        for (auto& g : gravadores) g->LimparMensagens();
    }

    std::vector<std::shared_ptr<BackendGravador>> gravadores;
    std::unique_ptr<TMidiOutput> porta;
    std::unique_ptr<MidiOutput> jogador;
};
