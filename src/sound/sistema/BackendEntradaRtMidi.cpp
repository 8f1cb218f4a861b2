// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackendEntradaRtMidi.h"

#include "RtMidiComum.h"

BackendEntradaRtMidi::BackendEntradaRtMidi(ServicoMidi servico, std::string nome)
    : servico_(servico), nome_(std::move(nome)) {}

BackendEntradaRtMidi::~BackendEntradaRtMidi() {
    try {
        Fechar();
    } catch (...) {
        // Nothing more can be done for a port that is going away.
    }
}

void BackendEntradaRtMidi::Chegou(double, std::vector<unsigned char>* mensagem, void* eu) {
    auto* backend = static_cast<BackendEntradaRtMidi*>(eu);
    if (mensagem != nullptr && backend->receber_)
        backend->receber_({mensagem->data(), mensagem->size()});
}

bool BackendEntradaRtMidi::Abrir(Receptor receber) {
    if (entrada_) return true;
    if (!rtmidi_comum::ServicoDisponivel(servico_)) return false;
    auto entrada = rtmidi_comum::CriarEntrada(servico_, erro_);
    try {
        // Only indices RtMidi counted are asked for a name.
        const unsigned quantidade = entrada->getPortCount();
        for (unsigned i = 0; i < quantidade && erro_.empty(); ++i) {
            if (entrada->getPortName(i) != nome_) continue;
            // The receiver is in place before the first message can come.
            receber_ = std::move(receber);
            entrada->setCallback(&BackendEntradaRtMidi::Chegou, this);
            entrada->openPort(i, "Tastavo input");
            if (!erro_.empty()) {
                entrada->cancelCallback();
                receber_ = nullptr;
                throw ErroBackendMidi(erro_);
            }
            entrada_ = std::move(entrada);
            return true;
        }
    } catch (const RtMidiError& e) {
        receber_ = nullptr;
        throw ErroBackendMidi(e.getMessage());
    }
    if (!erro_.empty()) throw ErroBackendMidi(erro_);
    return false;  // the port is gone
}

void BackendEntradaRtMidi::Fechar() {
    if (!entrada_) return;
    erro_.clear();
    try {
        entrada_->closePort();
        entrada_->cancelCallback();
    } catch (const RtMidiError& e) {
        throw ErroBackendMidi(e.getMessage());
    }
    if (!erro_.empty()) throw ErroBackendMidi(erro_);
    // Destroying the client stops its thread: no message comes after this.
    entrada_.reset();
    receber_ = nullptr;
}
