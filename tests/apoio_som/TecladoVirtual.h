// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A MIDI keyboard for tests of real input ports: an RtMidi output with a virtual port of its
// own that Tastavo lists among its inputs and that the test plays chords on.

#include <RtMidi.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

class TecladoVirtual {
  public:
    // A client named after this process with one port, "out".
    explicit TecladoVirtual(RtMidi::Api api)
        : cliente_("tvteclado" + std::to_string(::getpid())), saida_(api, cliente_) {
        saida_.openVirtualPort("out");
    }
    ~TecladoVirtual() { saida_.closePort(); }

    // The start of its port's name as the system lists it ("client:out...").
    std::string PrefixoPorta() const { return cliente_ + ":out"; }

    void Enviar(std::vector<std::uint8_t> mensagem) { saida_.sendMessage(&mensagem); }
    void Ligar(int nota, int velocidade = 90) {
        Enviar({0x90, static_cast<std::uint8_t>(nota), static_cast<std::uint8_t>(velocidade)});
    }
    void Desligar(int nota) { Enviar({0x80, static_cast<std::uint8_t>(nota), 0}); }
    // Keys going down (or up) one after another, as fingers do.
    void Acorde(const std::vector<int>& notas) {
        for (int n : notas) Ligar(n);
    }
    void Soltar(const std::vector<int>& notas) {
        for (int n : notas) Desligar(n);
    }

  private:
    std::string cliente_;
    RtMidiOut saida_;
};
