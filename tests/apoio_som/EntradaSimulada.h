// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A MIDI input back end that the test plays on: what Tocar is given arrives as a device's
// message would, on whatever thread calls it.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "BackendMidi.h"

class EntradaSimulada : public BackendEntradaMidi {
  public:
    explicit EntradaSimulada(std::string nome = "Simulated keyboard") : nome_(std::move(nome)) {}

    std::string Nome() const override { return nome_; }
    bool Abrir(Receptor receber) override {
        std::lock_guard guarda(trava_);
        if (!abrirFunciona_) return false;
        receber_ = std::move(receber);
        ++vezesAberta_;
        return true;
    }
    void Fechar() override {
        std::lock_guard guarda(trava_);
        receber_ = nullptr;
    }
    // Delivers `mensagem` while open; false (and nothing delivered) while closed.
    bool Tocar(std::vector<std::uint8_t> mensagem) {
        std::lock_guard guarda(trava_);
        if (!receber_) return false;
        receber_(mensagem);
        return true;
    }
    void DefinirAbrirFunciona(bool funciona) { abrirFunciona_ = funciona; }
    bool Aberta() const {
        std::lock_guard guarda(trava_);
        return static_cast<bool>(receber_);
    }
    int VezesAberta() const { return vezesAberta_; }

  private:
    std::string nome_;
    mutable std::mutex trava_;
    Receptor receber_;
    bool abrirFunciona_ = true;
    int vezesAberta_ = 0;
};
