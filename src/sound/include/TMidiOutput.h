// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One MIDI output port: selects a device by number, names it, opens and closes it and sends MIDI
// messages to it. The devices come from a FonteDispositivosMidi: the system's (the built-in
// synthesizer when a soundfont is found, then the MIDI ports; see SomSistema.h and PluginSom.h),
// or any given list.
//
// Threads: a port belongs to the thread that created it and is used only there. A device may
// finish a long message on a thread of its own; that thread only queues the completion. The
// owner delivers the queue with ProcessarNotificacoes, which releases the message's header and
// raises Onmidioutput on the owner's thread. Short messages need no completion.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "BackendMidi.h"
#include "OutPortTech.h"

enum class midioutputState { mosOpen, mosClosed };

// A failure of the MIDI service, with its readable text.
class EmidioutputError : public std::runtime_error {
  public:
    explicit EmidioutputError(const std::string& texto) : std::runtime_error(texto) {}
};

// One MIDI event. Without LongMessage it is a short message of Status and its data bytes;
// with it, the first LongMessageLength bytes of LongMessage are sent as a long message.
struct TMyMidiEvent {
    TMyMidiEvent() = default;
    // A short message.
    TMyMidiEvent(std::uint8_t status, std::uint8_t primeiro, std::uint8_t segundo)
        : Status(status), FirstDataByte(primeiro), SecondDataByte(segundo) {}

    std::uint8_t Status = 0;
    std::uint8_t FirstDataByte = 0;
    std::uint8_t SecondDataByte = 0;
    std::uint32_t Timestamp = 0;  // not used when sending
    std::uint16_t LongMessageLength = 0;
    std::optional<std::vector<std::uint8_t>> LongMessage;
};

// A long message's own copy of its bytes, kept until the device reports it played.
class TMyMidiHdr {
  public:
    explicit TMyMidiHdr(std::span<const std::uint8_t> dados) : dados_(dados.begin(), dados.end()) {}
    std::span<const std::uint8_t> Dados() const { return dados_; }

  private:
    std::vector<std::uint8_t> dados_;
};

class TMidiOutput {
  public:
    // Error codes kept in UltimoErro and read by midioutErrorString.
    static constexpr std::uint16_t ErroNenhum = 0;
    static constexpr std::uint16_t ErroBackend = 1;  // the back end's own text
    static constexpr std::uint16_t ErroDispositivoInexistente = 2;
    static constexpr std::uint16_t ErroNaoAberto = 3;
    static constexpr std::uint16_t ErroAbertura = 4;
    static constexpr std::uint16_t ErroMensagemInvalida = 5;

    // The name of device -1, the default output, which sends to device 0.
    static constexpr const char* NomeMapeador = "Default MIDI output";
    static constexpr std::size_t TamanhoMaximoNome = 31;

    // The devices that `fonte` numbers. Never throws.
    explicit TMidiOutput(std::unique_ptr<FonteDispositivosMidi> fonte);
    // The given back ends, numbered in this order. Never throws.
    explicit TMidiOutput(std::vector<std::shared_ptr<BackendMidi>> dispositivos);
    TMidiOutput(const TMidiOutput&) = delete;
    TMidiOutput& operator=(const TMidiOutput&) = delete;
    // Closes the port when open (a failure is ignored).
    virtual ~TMidiOutput();

    // Opens device DeviceID: true on success (or when already open), false otherwise, the port
    // then staying closed. Never throws.
    virtual bool Open();
    // Closes the device: true when it was open and closed, false when already closed (no call
    // to the device). Throws EmidioutputError when the device fails to close; it stays open.
    virtual bool Close();
    // Sends `evento` as a short or long message. Throws EmidioutputError "MIDI Output device
    // not open" while closed, or the PutShort / PutLong failure.
    virtual void PutMidiEvent(const TMyMidiEvent& evento);
    // Packs and sends one short message; only the data bytes its status uses go out. Throws
    // EmidioutputError when the port is closed, the message is not valid or the send fails.
    virtual void PutShort(std::uint8_t status, std::uint8_t primeiro, std::uint8_t segundo);
    // Sends the first `comprimento` bytes of `dados` as a long message. Throws
    // EmidioutputError when the port is closed, `comprimento` exceeds the data or the send fails.
    virtual void PutLong(std::span<const std::uint8_t> dados, std::uint16_t comprimento);

    // Selects device `numero` (-1 the default output) and loads its capabilities. Throws
    // EmidioutputError "Change to DeviceID while device was open" while open and "Invalid device
    // ID" for a number not below the device count other than -1 (other negatives pass, with
    // empty capabilities and the error kept in UltimoErro).
    void SetDeviceID(std::int32_t numero);
    std::int32_t DeviceID() const { return deviceId_; }
    // The selected device's name, at most 31 characters.
    const std::string& ProductName() const { return productName_; }
    midioutputState Estado() const { return estado_; }
    OutPortTech Technology() const { return tecnologia_; }
    std::uint32_t DriverVersion() const { return versaoDriver_; }
    std::uint16_t Voices() const { return vozes_; }
    std::uint16_t Notes() const { return notas_; }
    std::uint16_t ChannelMask() const { return mascaraCanais_; }
    std::uint32_t Support() const { return suporte_; }
    // The code of the last operation that reached the devices.
    std::uint16_t UltimoErro() const { return ultimoErro_; }
    // The number of devices counted when the port was created.
    std::uint16_t QuantidadeDispositivosInicial() const { return quantidadeInicial_; }
    // The devices present now.
    int QuantidadeDispositivos() const;
    // The names of the devices present now, in device-number order, each cut as ProductName is.
    // One look at the devices: none is opened or closed, and the port keeps its device and
    // state. Never throws.
    std::vector<std::string> ListarDispositivos() const;

    // The text of an error code; "Specified error number is out of range" for an unknown one.
    // Never throws.
    std::string midioutErrorString(std::uint16_t codigo) const;

    // Called with the port when a long message has been played; only ever from
    // ProcessarNotificacoes, so on the owner's thread.
    std::function<void(TMidiOutput& sender)> Onmidioutput;
    // Delivers the completions queued since the last call: releases each long message's header
    // and raises Onmidioutput once per message. Call it on the owner's thread (an event loop's
    // idle handler, say). Returns how many were delivered; what Onmidioutput throws passes.
    int ProcessarNotificacoes();
    // Long messages sent whose completion has not been delivered yet.
    int LongasPendentes() const { return static_cast<int>(pendentes_.size()); }

    // The 32-bit form of a short message: status in bits 0-7, first data byte in 8-15, second
    // in 16-23, bits 24-31 zero.
    static std::uint32_t EmpacotarMensagemCurta(std::uint8_t status, std::uint8_t primeiro,
                                                std::uint8_t segundo);
    // How many bytes a short message of `status` has on the wire (status included): 1 to 3, or
    // 0 when `status` cannot start a short message (a data byte, or system exclusive).
    static int TamanhoMensagemCurta(std::uint8_t status);

  private:
    struct FilaConclusoes {
        std::mutex trava;
        std::vector<std::uint64_t> concluidas;
    };

    void CarregarCapacidades(std::int32_t numero,
                             const std::vector<std::shared_ptr<BackendMidi>>& dispositivos);
    [[noreturn]] void FalharBackend(const std::exception& e);
    [[noreturn]] void Falhar(std::uint16_t codigo);

    std::unique_ptr<FonteDispositivosMidi> fonte_;
    std::int32_t deviceId_ = 0;
    std::shared_ptr<BackendMidi> selecionado_;  // the device DeviceID names, if it exists
    std::shared_ptr<BackendMidi> aberto_;       // the open device, none while closed
    midioutputState estado_ = midioutputState::mosClosed;
    std::uint16_t ultimoErro_ = ErroNenhum;
    std::string textoBackend_;  // the back end's text for ErroBackend
    std::uint32_t versaoDriver_ = 0;
    std::string productName_;
    OutPortTech tecnologia_ = OutPortTech::opt_None;
    std::uint16_t vozes_ = 0;
    std::uint16_t notas_ = 0;
    std::uint16_t mascaraCanais_ = 0;
    std::uint32_t suporte_ = 0;
    std::uint16_t quantidadeInicial_ = 0;

    std::shared_ptr<FilaConclusoes> fila_ = std::make_shared<FilaConclusoes>();
    std::map<std::uint64_t, std::unique_ptr<TMyMidiHdr>> pendentes_;
    std::uint64_t proximoLongo_ = 1;
};
