// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiOutput.h"

#include "Fachada.h"

namespace {

// The one player, before any code runs; bound once.
MidiOutput& Unico() {
    static MidiOutput unico;
    return unico;
}

}  // namespace

MidiOutput& MidiOutput::CriarInstancia(TMidiOutput* porta) {
    static bool ligado = false;
    if (!ligado) {
        ligado = true;
        Unico().porta_ = porta;
    }
    return Unico();
}

MidiOutput& MidiOutput::Instancia() {
    return Fachada<MidiOutput>::Vinculada() ? Fachada<MidiOutput>::Obter() : Unico();
}

TMidiOutput& MidiOutput::PortaOuFalha() const {
    if (!porta_) throw MidiDesabilitadoException();
    return *porta_;
}

void MidiOutput::EnviarEvento(const TMyMidiEvent& evento) {
    TMidiOutput& porta = PortaOuFalha();
    try {
        porta.PutMidiEvent(evento);
    } catch (const std::exception&) {
        throw MidiDesabilitadoException();
    }
}

namespace {

// A data byte, or MidiDesabilitadoException: a larger number would be cut to another one.
std::uint8_t ByteDeDados(int valor) {
    if (valor < 0 || valor > 127) throw MidiDesabilitadoException();
    return static_cast<std::uint8_t>(valor);
}

}  // namespace

void MidiOutput::DesligarNota(int nota) {
    TMyMidiEvent evento;
    evento.Status = midi::StatusNotaDesligada;
    evento.FirstDataByte = ByteDeDados(nota);
    evento.SecondDataByte = 0;
    EnviarEvento(evento);
}

void MidiOutput::DefinirInstrumento(int instrumento) {
    TMidiOutput& porta = PortaOuFalha();
    const std::uint8_t programa = ByteDeDados(instrumento);
    try {
        porta.PutShort(midi::StatusInstrumento, programa, midi::SegundoByteInstrumento);
    } catch (const std::exception&) {
        throw MidiDesabilitadoException();
    }
}

std::vector<std::string> MidiOutput::ListarDispositivos() {
    // The port names the devices from one look at them, leaving the device in use alone:
    // walking the numbers with SetDeviceID needs the port closed, which interrupts the sound,
    // and a device that fails to close would leave the list empty.
    return PortaOuFalha().ListarDispositivos();
}

void MidiOutput::SelecionarDispositivo(std::int32_t numero) {
    TMidiOutput& porta = PortaOuFalha();
    try {
        porta.Close();
        porta.SetDeviceID(numero);
    } catch (const std::exception&) {
        throw MidiDesabilitadoException();
    }
    porta.Open();  // a refusal shows at the first note
}

void MidiOutput::SelecionarPrimeiroDispositivo() {
    TMidiOutput& porta = PortaOuFalha();
    // An open port refuses every number: closed first, it finds the devices that are there.
    try {
        porta.Close();
    } catch (const std::exception&) {
        throw MidiDesabilitadoException();
    }
    for (std::int32_t numero = 0; numero <= 4; ++numero) {
        try {
            porta.SetDeviceID(numero);
        } catch (const EmidioutputError&) {
            continue;
        }
        SelecionarDispositivo(numero);
        return;
    }
    throw MidiDesabilitadoException();
}

bool MidiOutput::AlgumaSaidaAbre() {
    if (porta_ == nullptr) return false;
    TMidiOutput& porta = *porta_;
    if (porta.Estado() == midioutputState::mosOpen) return true;
    const std::int32_t anterior = porta.DeviceID();
    bool abriu = false;
    try {
        const int quantidade = porta.QuantidadeDispositivos();
        for (int numero = 0; numero < quantidade && !abriu; ++numero) {
            try {
                porta.Close();
                porta.SetDeviceID(numero);
                abriu = porta.Open();
            } catch (const std::exception&) {
                // A device that vanished while tried: the next one.
            }
        }
        porta.Close();
        porta.SetDeviceID(anterior);
        if (abriu) porta.Open();
    } catch (const std::exception&) {
        // The port stays as the attempts left it; the answer stands.
    }
    return abriu;
}
