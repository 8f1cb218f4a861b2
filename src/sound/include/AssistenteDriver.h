// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of the sound driver wizard, without its window: the devices are tried one by one,
// each with a short test scale, until the user says one was heard. The window
// (TformAssistenteConfiguracaoDriver) shows the step's texts and buttons and forwards the
// clicks here.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class MidiOutput;

enum class PassoAssistente {
    Tentar,     // A: offer to play the test on the device being tried
    Perguntar,  // B: ask whether the test was heard
    Escutado,   // C: the device heard is the answer
    Fim,        // D: no device (left) to try
    Cancelado,  // the run ends at once with -1
};

// The test scale: notes 60 (middle C) to 83 upwards, each a note on at velocity 127, a pause and
// a note off.
inline constexpr int NotaInicialEscala = 60;
inline constexpr int NotasEscala = 24;
inline constexpr std::uint8_t VelocidadeEscala = 127;
inline constexpr std::chrono::milliseconds DuracaoNotaEscala{80};

// Plays the test scale on `jogador`, blocking meanwhile. Throws MidiDesabilitadoException,
// stopping at once.
void TocarEscalaTeste(MidiOutput& jogador,
                      std::chrono::milliseconds duracaoNota = DuracaoNotaEscala);

class AssistenteDriver {
  public:
    // Over the device names, in device-number order (none: the run goes straight to Fim).
    explicit AssistenteDriver(std::vector<std::string> dispositivos = {});

    // A new run: the first device, nothing chosen yet.
    void Iniciar();
    // "Prosseguir": selects the device being tried on `jogador` with instrument 0 and plays the
    // test scale; any failure is silent, since the user then answers that nothing was heard.
    // Then asks whether it was heard. Only in step Tentar.
    void Prosseguir(MidiOutput& jogador, std::chrono::milliseconds duracaoNota = DuracaoNotaEscala);
    // The answers to Perguntar: heard ends the search at that device; not heard moves on to the
    // next device (or to Fim after the last).
    void Escutado();
    void NaoEscutado();
    // Ends the run with -1. Only in step Tentar.
    void Cancelar();

    PassoAssistente Passo() const { return passo_; }
    // The number of the device being tried.
    std::int32_t IndiceDispositivo() const { return indiceDispositivo_; }
    // The run's result so far: the device heard, -1 when cancelled, 0 otherwise.
    std::int32_t DispositivoEscolhido() const { return dispositivoEscolhido_; }
    const std::vector<std::string>& Dispositivos() const { return dispositivos_; }
    // The name of the device being tried; empty past the last one.
    std::string NomeDispositivo() const;

  private:
    // The last thing the user did, which decides the step.
    enum class Acao { TentarDispositivo, EscalaTocada, Cancelado, Escutado };

    // Moves to the step that the last action and the device being tried call for.
    void Avancar();

    std::vector<std::string> dispositivos_;
    std::int32_t indiceDispositivo_ = 0;
    Acao acao_ = Acao::TentarDispositivo;
    std::int32_t dispositivoEscolhido_ = 0;
    PassoAssistente passo_ = PassoAssistente::Tentar;
};
