// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackendPortaRtMidi.h"

#include "RtMidiComum.h"

BackendPortaRtMidi::BackendPortaRtMidi(ServicoMidi servico, std::string nome)
    : servico_(servico), nome_(std::move(nome)) {}

BackendPortaRtMidi::~BackendPortaRtMidi() {
    try {
        Fechar();
    } catch (...) {
        // Nothing more can be done for a port that is going away.
    }
}

bool BackendPortaRtMidi::Abrir() {
    if (saida_) return true;
    if (!rtmidi_comum::ServicoDisponivel(servico_)) return false;
    auto saida = rtmidi_comum::CriarSaida(servico_, erro_);
    try {
        // Only indices RtMidi counted are asked for a name.
        const unsigned quantidade = saida->getPortCount();
        for (unsigned i = 0; i < quantidade && erro_.empty(); ++i) {
            if (saida->getPortName(i) != nome_) continue;
            saida->openPort(i, "Tastavo output");
            if (!erro_.empty()) throw ErroBackendMidi(erro_);
            saida_ = std::move(saida);
            return true;
        }
    } catch (const RtMidiError& e) {
        throw ErroBackendMidi(e.getMessage());
    }
    if (!erro_.empty()) throw ErroBackendMidi(erro_);
    return false;  // the port is gone
}

void BackendPortaRtMidi::Fechar() {
    if (!saida_) return;
    erro_.clear();
    try {
        saida_->closePort();
    } catch (const RtMidiError& e) {
        throw ErroBackendMidi(e.getMessage());
    }
    if (!erro_.empty()) throw ErroBackendMidi(erro_);
    saida_.reset();
}

void BackendPortaRtMidi::Enviar(std::span<const std::uint8_t> mensagem) {
    if (!saida_) throw ErroBackendMidi("The MIDI port is not open");
    erro_.clear();
    try {
        saida_->sendMessage(mensagem.data(), mensagem.size());
    } catch (const RtMidiError& e) {
        throw ErroBackendMidi(e.getMessage());
    }
    if (!erro_.empty()) throw ErroBackendMidi(erro_);
}
