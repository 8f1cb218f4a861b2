#pragma once
// The chord player through which all sound goes. It holds the port the main window created
// (without owning it) and turns every failure of the port, and every use without a port, into
// MidiDesabilitadoException. Used on the port's thread only.

#include <cstdint>
#include <string>
#include <vector>

#include "MidiDesabilitadoException.h"
#include "TMidiOutput.h"

class MidiOutput {
public:
    static constexpr std::uint8_t StatusNotaLigada = 0x90;
    static constexpr std::uint8_t StatusNotaDesligada = 0x80;
    static constexpr std::uint8_t StatusInstrumento = 0xC0;
    // The note of on-screen key k is k + NotaTecla0.
    static constexpr int NotaTecla0 = 48;

    // The process's player: binds it to `porta` on the first call only; returns it.
    static MidiOutput& CriarInstancia(TMidiOutput* porta);
    // The player start-up owns and bound (a façade); before that, the process's unbound one.
    static MidiOutput& Instancia();

    // A fresh player over `porta` (none: unbound), for tests and offline rendering.
    explicit MidiOutput(TMidiOutput* porta = nullptr) : porta_(porta) {}
    virtual ~MidiOutput() = default;

    // Sends `evento` through the port. Throws MidiDesabilitadoException on any failure.
    virtual void EnviarEvento(const TMyMidiEvent& evento);
    // Sends a note off (0x80, nota, 0). Throws MidiDesabilitadoException on any failure, and for
    // a note outside 0-127 (nothing is sent).
    virtual void DesligarNota(int nota);
    // The velocity of the notes the keyboard plays: 100.
    int ObterVelocidade() const { return velocidade_; }
    // Sends the instrument change (0xC0, instrumento, 127; one data byte goes out). Throws
    // MidiDesabilitadoException on any failure, and for an instrument outside 0-127 (nothing
    // is sent).
    virtual void DefinirInstrumento(int instrumento);
    // The device names in device-number order; the port is left on its former device, reopened.
    // Throws MidiDesabilitadoException without a port.
    virtual std::vector<std::string> ListarDispositivos();
    // Closes the port, selects device `numero` and opens it (a device that cannot be opened
    // leaves the port closed, silently). Throws MidiDesabilitadoException when closing or the
    // selection fails, or without a port.
    virtual void SelecionarDispositivo(std::int32_t numero);
    // Selects the lowest of the devices 0 to 4 that exists. Throws MidiDesabilitadoException
    // when none does, or without a port.
    virtual void SelecionarPrimeiroDispositivo();

    TMidiOutput* Porta() const { return porta_; }

private:
    TMidiOutput& PortaOuFalha() const;

    TMidiOutput* porta_ = nullptr;
    int velocidade_ = 100;
};
