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
