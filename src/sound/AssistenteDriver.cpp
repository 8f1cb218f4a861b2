// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssistenteDriver.h"

#include <exception>
#include <thread>

#include "ConstantesMidi.h"
#include "MidiOutput.h"

void TocarEscalaTeste(MidiOutput& jogador, std::chrono::milliseconds duracaoNota) {
    TMyMidiEvent evento{midi::StatusNotaLigada, 0, VelocidadeEscala};  // one event for every note
    for (int n = 0; n < NotasEscala; ++n) {
        const auto nota = static_cast<std::uint8_t>(NotaInicialEscala + n);
        evento.FirstDataByte = nota;
        jogador.EnviarEvento(evento);
        std::this_thread::sleep_for(duracaoNota);
        jogador.DesligarNota(nota);
    }
}

AssistenteDriver::AssistenteDriver(std::vector<std::string> dispositivos)
    : dispositivos_(std::move(dispositivos)) {
    Iniciar();
}

void AssistenteDriver::Iniciar() {
    acao_ = Acao::TentarDispositivo;
    indiceDispositivo_ = 0;
    dispositivoEscolhido_ = 0;
    Avancar();
}

void AssistenteDriver::Prosseguir(MidiOutput& jogador, std::chrono::milliseconds duracaoNota) {
    if (passo_ != PassoAssistente::Tentar) return;
    try {
        jogador.SelecionarDispositivo(indiceDispositivo_);
        jogador.DefinirInstrumento(0);
        TocarEscalaTeste(jogador, duracaoNota);
    } catch (const std::exception&) {
        // The user hears nothing and says so at the next step.
    }
    acao_ = Acao::EscalaTocada;
    Avancar();
}

void AssistenteDriver::Escutado() {
    if (passo_ != PassoAssistente::Perguntar) return;
    acao_ = Acao::Escutado;
    Avancar();
}

void AssistenteDriver::NaoEscutado() {
    if (passo_ != PassoAssistente::Perguntar) return;
    ++indiceDispositivo_;
    acao_ = Acao::TentarDispositivo;
    Avancar();
}

void AssistenteDriver::Cancelar() {
    if (passo_ != PassoAssistente::Tentar) return;
    acao_ = Acao::Cancelado;
    Avancar();
}

std::string AssistenteDriver::NomeDispositivo() const {
    if (indiceDispositivo_ < 0 ||
        static_cast<std::size_t>(indiceDispositivo_) >= dispositivos_.size())
        return {};
    return dispositivos_[static_cast<std::size_t>(indiceDispositivo_)];
}

void AssistenteDriver::Avancar() {
    // All devices tried, or none at all: the last step, whatever the action.
    if (indiceDispositivo_ < 0 ||
        static_cast<std::size_t>(indiceDispositivo_) >= dispositivos_.size()) {
        passo_ = PassoAssistente::Fim;
        return;
    }
    switch (acao_) {
        case Acao::TentarDispositivo:
            passo_ = PassoAssistente::Tentar;
            break;
        case Acao::EscalaTocada:
            passo_ = PassoAssistente::Perguntar;
            break;
        case Acao::Cancelado:
            dispositivoEscolhido_ = -1;
            passo_ = PassoAssistente::Cancelado;
            break;
        case Acao::Escutado:
            dispositivoEscolhido_ = indiceDispositivo_;
            passo_ = PassoAssistente::Escutado;
            break;
    }
}
