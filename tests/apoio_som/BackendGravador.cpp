// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackendGravador.h"

bool BackendGravador::Abrir() {
    ++vezesAberto_;
    if (!abrirFunciona_) return false;
    aberto_ = true;
    return true;
}

void BackendGravador::Fechar() {
    ++vezesFechado_;
    if (!falhaFechamento_.empty()) throw ErroBackendMidi(falhaFechamento_);
    aberto_ = false;
}

void BackendGravador::Enviar(std::span<const std::uint8_t> mensagem) {
    if (!aberto_) throw ErroBackendMidi("The recording device is not open");
    if (!falhaEnvio_.empty()) throw ErroBackendMidi(falhaEnvio_);
    mensagens_.emplace_back(mensagem.begin(), mensagem.end());
}
