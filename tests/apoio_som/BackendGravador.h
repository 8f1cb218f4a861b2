// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A back end that records every message it is sent, for tests of everything that sounds: hand
// it to a TMidiOutput (with others, as a list of devices) and read back what went out.
// Its name and whether opening, sending and closing succeed are set by the test.

#include <cstdint>
#include <string>
#include <vector>

#include "BackendMidi.h"

class BackendGravador : public BackendMidi {
  public:
    explicit BackendGravador(std::string nome = "Recording device") : nome_(std::move(nome)) {}

    std::string Nome() const override { return nome_; }
    OutPortTech Tecnologia() const override { return tecnologia_; }
    // Opens unless told to fail. Counts every call.
    bool Abrir() override;
    // Closes, or throws ErroBackendMidi with the failure text when told to fail. Counts calls.
    void Fechar() override;
    // Records the message; throws ErroBackendMidi when closed or told to fail.
    void Enviar(std::span<const std::uint8_t> mensagem) override;

    void DefinirNome(std::string nome) { nome_ = std::move(nome); }
    void DefinirTecnologia(OutPortTech t) { tecnologia_ = t; }
    // Whether the next Abrir calls succeed (true at first).
    void DefinirAbrirFunciona(bool funciona) { abrirFunciona_ = funciona; }
    // A non-empty text makes every later send fail with it; empty makes sends work again.
    void DefinirFalhaEnvio(std::string texto) { falhaEnvio_ = std::move(texto); }
    // A non-empty text makes every later close fail with it.
    void DefinirFalhaFechamento(std::string texto) { falhaFechamento_ = std::move(texto); }

    bool Aberto() const { return aberto_; }
    int VezesAberto() const { return vezesAberto_; }
    int VezesFechado() const { return vezesFechado_; }
    // Every message sent while open, in order, exactly as the device received its bytes.
    const std::vector<std::vector<std::uint8_t>>& Mensagens() const { return mensagens_; }
    void LimparMensagens() { mensagens_.clear(); }

  private:
    std::string nome_;
    OutPortTech tecnologia_ = OutPortTech::opt_MidiPort;
    bool abrirFunciona_ = true;
    std::string falhaEnvio_;
    std::string falhaFechamento_;
    bool aberto_ = false;
    int vezesAberto_ = 0;
    int vezesFechado_ = 0;
    std::vector<std::vector<std::uint8_t>> mensagens_;
};
