// SPDX-License-Identifier: GPL-3.0-or-later
// The driver wizard's steps without its window, over recording devices: every run a user can
// make, what the devices hear, and what the wizard ignores.
#include <gtest/gtest.h>

#include <chrono>

#include "AssistenteDriver.h"
#include "BackendGravador.h"
#include "MidiOutput.h"

namespace {

using Mensagem = std::vector<std::uint8_t>;
constexpr std::chrono::milliseconds SemPausa{0};

std::vector<std::shared_ptr<BackendGravador>> Gravadores(int n) {
    std::vector<std::shared_ptr<BackendGravador>> gravadores;
    for (int i = 0; i < n; ++i)
        gravadores.push_back(std::make_shared<BackendGravador>("Device " + std::to_string(i + 1)));
    return gravadores;
}

struct Sistema {
    explicit Sistema(int n) : gravadores(Gravadores(n)) {}
    std::vector<std::string> Nomes() const { return porta.ListarDispositivos(); }

    std::vector<std::shared_ptr<BackendGravador>> gravadores;
    TMidiOutput porta{
        std::vector<std::shared_ptr<BackendMidi>>(gravadores.begin(), gravadores.end())};
    MidiOutput jogador{&porta};
};

char Letra(PassoAssistente passo) {
    switch (passo) {
        case PassoAssistente::Tentar:
            return 'A';
        case PassoAssistente::Perguntar:
            return 'B';
        case PassoAssistente::Escutado:
            return 'C';
        case PassoAssistente::Fim:
            return 'D';
        case PassoAssistente::Cancelado:
            return 'X';
    }
    return '?';
}

// Runs `acoes` ('P' Prosseguir, 'S' heard, 'N' not heard, 'C' Cancelar) and returns the steps
// seen, starting with the first, step A with the device's number.
std::string Executar(AssistenteDriver& assistente, MidiOutput& jogador, const std::string& acoes) {
    std::string passos;
    const auto anotar = [&] {
        if (!passos.empty()) passos += ' ';
        passos += Letra(assistente.Passo());
        if (assistente.Passo() == PassoAssistente::Tentar)
            passos += std::to_string(assistente.IndiceDispositivo() + 1);
    };
    assistente.Iniciar();
    anotar();
    for (const char acao : acoes) {
        switch (acao) {
            case 'P':
                assistente.Prosseguir(jogador, SemPausa);
                break;
            case 'S':
                assistente.Escutado();
                break;
            case 'N':
                assistente.NaoEscutado();
                break;
            case 'C':
                assistente.Cancelar();
                break;
        }
        anotar();
    }
    return passos;
}

TEST(AssistenteDriverPassos, EveryRunEndsWithItsResult) {
    struct Caso {
        const char* nome;
        int dispositivos;
        std::string acoes, passos;
        int resultado;
    };
    const Caso casos[] = {
        {"second of three heard", 3, "PNPS", "A1 B A2 B C", 1},
        {"none of three heard", 3, "PNPNPN", "A1 B A2 B A3 B D", 0},
        {"first heard", 1, "PS", "A1 B C", 0},
        {"cancel at the first step", 3, "C", "A1 X", -1},
        {"cancel at the second device", 2, "PNC", "A1 B A2 X", -1},
        {"no device at all", 0, "", "D", 0},
        // What no shown button can do changes nothing.
        {"answers before the test", 2, "SN", "A1 A1 A1", 0},
        {"cancel while asking", 2, "PC", "A1 B B", 0},
        {"test again while asking", 2, "PP", "A1 B B", 0},
        {"nothing after the end", 1, "PSCNP", "A1 B C C C C", 0},
        {"cancel is off at the end", 0, "C", "D D", 0},
    };
    for (const Caso& c : casos) {
        Sistema sistema(c.dispositivos);
        AssistenteDriver assistente(sistema.Nomes());
        EXPECT_EQ(Executar(assistente, sistema.jogador, c.acoes), c.passos) << c.nome;
        EXPECT_EQ(assistente.DispositivoEscolhido(), c.resultado) << c.nome;
    }
}

TEST(AssistenteDriverPassos, ANewRunStartsAfreshAtTheFirstDevice) {
    Sistema sistema(3);
    AssistenteDriver assistente(sistema.Nomes());
    Executar(assistente, sistema.jogador, "PNPS");
    ASSERT_EQ(assistente.DispositivoEscolhido(), 1);
    EXPECT_EQ(Executar(assistente, sistema.jogador, "C"), "A1 X");
    EXPECT_EQ(assistente.DispositivoEscolhido(), -1);
    EXPECT_EQ(Executar(assistente, sistema.jogador, ""), "A1");
    EXPECT_EQ(assistente.DispositivoEscolhido(), 0);
    EXPECT_EQ(assistente.NomeDispositivo(), "Device 1");
}

// What a device hears when the wizard tries it: instrument 0 (the port sends a program change's
// one data byte), then the scale of 24 notes up from middle C at full velocity.
std::vector<Mensagem> EscalaComInstrumento() {
    std::vector<Mensagem> esperadas = {{0xC0, 0}};
    for (std::uint8_t nota = 60; nota <= 83; ++nota) {
        esperadas.push_back({0x90, nota, 127});
        esperadas.push_back({0x80, nota, 0});
    }
    return esperadas;
}

TEST(AssistenteDriverPassos, EachDeviceTriedHearsInstrumentZeroAndTheScale) {
    Sistema sistema(3);
    AssistenteDriver assistente(sistema.Nomes());
    Executar(assistente, sistema.jogador, "PNP");
    EXPECT_EQ(sistema.gravadores[0]->Mensagens(), EscalaComInstrumento());
    EXPECT_EQ(sistema.gravadores[1]->Mensagens(), EscalaComInstrumento());
    EXPECT_TRUE(sistema.gravadores[2]->Mensagens().empty());
    // The player stays on the device last tried.
    EXPECT_EQ(sistema.porta.DeviceID(), 1);
    EXPECT_TRUE(sistema.gravadores[1]->Aberto());
}

TEST(AssistenteDriverPassos, ADeviceThatFailsStillLeadsToTheQuestion) {
    Sistema sistema(2);
    sistema.gravadores[0]->DefinirFalhaEnvio("device gone");
    sistema.gravadores[1]->DefinirAbrirFunciona(false);
    AssistenteDriver assistente(sistema.Nomes());
    EXPECT_EQ(Executar(assistente, sistema.jogador, "PNPN"), "A1 B A2 B D");
    MidiOutput semPorta;
    EXPECT_EQ(Executar(assistente, semPorta, "PS"), "A1 B C");
    for (const auto& g : sistema.gravadores) EXPECT_TRUE(g->Mensagens().empty());
}

TEST(EscalaTeste, FailureStopsTheScaleAtOnce) {
    Sistema sistema(1);
    sistema.jogador.SelecionarDispositivo(0);
    sistema.gravadores[0]->DefinirFalhaEnvio("device gone");
    EXPECT_THROW(TocarEscalaTeste(sistema.jogador, SemPausa), MidiDesabilitadoException);
    sistema.gravadores[0]->DefinirFalhaEnvio("");
    TocarEscalaTeste(sistema.jogador, SemPausa);
    std::vector<Mensagem> esperadas = EscalaComInstrumento();
    esperadas.erase(esperadas.begin());
    EXPECT_EQ(sistema.gravadores[0]->Mensagens(), esperadas);
}

}  // namespace
