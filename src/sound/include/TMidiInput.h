// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One MIDI input port: lists the input devices, opens one by its number and queues what is
// played on it. The device's thread only queues (a fixed ring, no allocation) and calls
// AoChegar; the owner takes the messages on its own thread with ProcessarMensagens.

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "BackendMidi.h"

// A failure of the MIDI service on the input side, with its readable text.
class EmidiinputError : public std::runtime_error {
  public:
    explicit EmidiinputError(const std::string& texto) : std::runtime_error(texto) {}
};

// One short message as it arrived: one to three bytes.
struct MensagemMidiEntrada {
    std::array<std::uint8_t, 3> bytes{};
    std::uint8_t tamanho = 0;
    std::span<const std::uint8_t> Bytes() const { return {bytes.data(), tamanho}; }
};

class TMidiInput {
  public:
    // Messages the queue holds before the oldest are dropped (an owner that stopped taking them).
    static constexpr std::size_t CapacidadeFila = 1024;

    // The devices `fonte` numbers. Never throws.
    explicit TMidiInput(std::unique_ptr<FonteEntradasMidi> fonte);
    // The given back ends, numbered in this order. Never throws.
    explicit TMidiInput(std::vector<std::shared_ptr<BackendEntradaMidi>> entradas);
    TMidiInput(const TMidiInput&) = delete;
    TMidiInput& operator=(const TMidiInput&) = delete;
    // Closes the device when open (a failure is ignored).
    ~TMidiInput();

    // The names of the input devices present now, in device-number order. Never throws.
    std::vector<std::string> ListarDispositivos() const;
    // Closes the open device, if any, and opens device `numero`: true when open, false when
    // the device cannot be opened (the port is then closed). Throws EmidiinputError "Invalid
    // device ID" for a number that names no device (nothing changes), and the service's text
    // when closing or opening fails.
    bool Abrir(int numero);
    // Opens the device named `nome` (the first of that name): false when none has it or it
    // cannot be opened. Throws as Abrir.
    bool AbrirPorNome(const std::string& nome);
    // Closes the device; does nothing when closed. Throws EmidiinputError when the device fails
    // to close (it stays open). Messages already queued stay queued.
    void Fechar();
    bool Aberta() const { return aberta_ != nullptr; }
    // The open device's number and name as they were when it was opened; -1 and empty while
    // closed.
    int NumeroAberto() const { return numeroAberto_; }
    const std::string& NomeAberto() const { return nomeAberto_; }

    // Called on the device's thread after each message is queued; it may only wake the owner
    // (post an event, say). Set it while the port is closed.
    std::function<void()> AoChegar;

    // Hands every queued message, oldest first, to `tratar` on the caller's thread; returns how
    // many. Allocates nothing. What `tratar` throws passes (the messages after it stay queued).
    template <typename Tratar>
    int ProcessarMensagens(Tratar&& tratar) {
        int entregues = 0;
        MensagemMidiEntrada m;
        while (Retirar(m)) {
            ++entregues;
            tratar(m.Bytes());
        }
        return entregues;
    }
    // Waits until a message is queued or `espera` passes; true when one is queued.
    bool EsperarMensagem(std::chrono::milliseconds espera);
    // Messages dropped because the queue was full, since the port was created.
    std::uint64_t Descartadas() const;

  private:
    struct Fila {
        std::mutex trava;
        std::condition_variable chegou;
        std::array<MensagemMidiEntrada, CapacidadeFila> mensagens;
        std::size_t inicio = 0;
        std::size_t quantidade = 0;
        std::uint64_t descartadas = 0;
    };

    bool Retirar(MensagemMidiEntrada& m);
    bool AbrirBackend(const std::shared_ptr<BackendEntradaMidi>& entrada, int numero);

    std::unique_ptr<FonteEntradasMidi> fonte_;
    std::shared_ptr<Fila> fila_ = std::make_shared<Fila>();
    std::shared_ptr<BackendEntradaMidi> aberta_;
    int numeroAberto_ = -1;
    std::string nomeAberto_;
};
