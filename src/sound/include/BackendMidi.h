// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one small interface every MIDI output back end implements (the built-in synthesizer, the
// system's MIDI ports, the recording back end of the tests), and the providers that number them.
// A new kind of output (a network MIDI port, say) is one new class derived from BackendMidi.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "OutPortTech.h"

// A back end's own failure, with its own readable text. TMidiOutput turns it into
// EmidioutputError; nothing outside the sound library sees it.
class ErroBackendMidi : public std::runtime_error {
  public:
    explicit ErroBackendMidi(const std::string& texto) : std::runtime_error(texto) {}
};

class BackendMidi {
  public:
    virtual ~BackendMidi() = default;

    // The device's full name (TMidiOutput cuts it to 31 characters). Never throws.
    virtual std::string Nome() const = 0;
    // The kind of device, reported in the port's capabilities. Never throws.
    virtual OutPortTech Tecnologia() const { return OutPortTech::opt_MidiPort; }
    // Opens the device; false (or ErroBackendMidi with the reason) when it cannot be opened.
    // Opening an open back end changes nothing and returns true.
    virtual bool Abrir() = 0;
    // Closes the device; does nothing when it is closed. Throws ErroBackendMidi on failure.
    virtual void Fechar() = 0;
    // Sends one complete MIDI message (a short message or system exclusive data) while open.
    // Throws ErroBackendMidi on failure.
    virtual void Enviar(std::span<const std::uint8_t> mensagem) = 0;
    // Sends system exclusive data and calls `concluido` once the device is done with the bytes,
    // on whatever thread the device finishes on (here: at once, on the caller's). Throws
    // ErroBackendMidi on failure, and then never calls `concluido`.
    virtual void EnviarLongo(std::span<const std::uint8_t> dados, std::function<void()> concluido) {
        Enviar(dados);
        concluido();
    }
};

// Numbers the output devices. TMidiOutput asks it each time it counts the devices.
class FonteDispositivosMidi {
  public:
    virtual ~FonteDispositivosMidi() = default;
    // The devices present now, in device-number order. Never throws (a broken service has none).
    virtual std::vector<std::shared_ptr<BackendMidi>> Dispositivos() = 0;
};

// One MIDI input device: a keyboard played into the system. Its messages arrive on a thread of
// the device's own.
class BackendEntradaMidi {
  public:
    // Called with each complete message (system exclusive, timing and active sensing are
    // dropped before), on the device's thread; it must return quickly.
    using Receptor = std::function<void(std::span<const std::uint8_t> mensagem)>;

    virtual ~BackendEntradaMidi() = default;
    // The device's full name. Never throws.
    virtual std::string Nome() const = 0;
    // Opens the device and delivers its messages to `receber` until closed; false when the
    // device is gone, ErroBackendMidi with the reason when the service refuses. Opening an open
    // back end changes nothing and returns true.
    virtual bool Abrir(Receptor receber) = 0;
    // Closes the device; no message is delivered once it returns. Does nothing when closed.
    // Throws ErroBackendMidi on failure.
    virtual void Fechar() = 0;
};

// Numbers the input devices, as FonteDispositivosMidi numbers the outputs.
class FonteEntradasMidi {
  public:
    virtual ~FonteEntradasMidi() = default;
    // The input devices present now, in device-number order. Never throws.
    virtual std::vector<std::shared_ptr<BackendEntradaMidi>> Entradas() = 0;
};

class FonteEntradasFixas : public FonteEntradasMidi {
  public:
    explicit FonteEntradasFixas(std::vector<std::shared_ptr<BackendEntradaMidi>> entradas)
        : entradas_(std::move(entradas)) {}
    std::vector<std::shared_ptr<BackendEntradaMidi>> Entradas() override { return entradas_; }

  private:
    std::vector<std::shared_ptr<BackendEntradaMidi>> entradas_;
};

// A fixed list of back ends, numbered in the given order: the injection point for tests and
// for offline rendering.
class FonteDispositivosFixos : public FonteDispositivosMidi {
  public:
    explicit FonteDispositivosFixos(std::vector<std::shared_ptr<BackendMidi>> dispositivos)
        : dispositivos_(std::move(dispositivos)) {}
    std::vector<std::shared_ptr<BackendMidi>> Dispositivos() override { return dispositivos_; }

  private:
    std::vector<std::shared_ptr<BackendMidi>> dispositivos_;
};
