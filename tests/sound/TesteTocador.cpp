// SPDX-License-Identifier: GPL-3.0-or-later
// The chord player over recording back ends: its messages, device selection and listing, and
// every failure turned into MidiDesabilitadoException.
#include <gtest/gtest.h>

#include <functional>

#include "BackendGravador.h"
#include "MidiOutput.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::shared_ptr<BackendGravador>> Gravadores(int n) {
    std::vector<std::shared_ptr<BackendGravador>> g;
    for (int i = 0; i < n; ++i)
        g.push_back(std::make_shared<BackendGravador>("Device " + std::to_string(i)));
    return g;
}

struct Dispositivos {
    explicit Dispositivos(int n) : gravadores(Gravadores(n)) {}
    std::vector<std::shared_ptr<BackendGravador>> gravadores;
    TMidiOutput porta{
        std::vector<std::shared_ptr<BackendMidi>>(gravadores.begin(), gravadores.end())};
    MidiOutput tocador{&porta};
};

TEST(Tocador, SendsTheMessagesOfTheKeyboardOnChannelOne) {
    Dispositivos d(1);
    d.tocador.SelecionarDispositivo(0);
    EXPECT_EQ(d.tocador.ObterVelocidade(), 100);

    d.tocador.DefinirInstrumento(24);
    d.tocador.EnviarEvento(
        TMyMidiEvent{0x90, 48, static_cast<std::uint8_t>(d.tocador.ObterVelocidade())});
    d.tocador.EnviarEvento(TMyMidiEvent{0x90, 72, 100});
    d.tocador.EnviarEvento(TMyMidiEvent{0x90, 72, 0});  // key released under the mouse
    d.tocador.DesligarNota(48);
    EXPECT_EQ(d.gravadores[0]->Mensagens(), (std::vector<Bytes>{
                                                {0xC0, 24},  // one data byte on the wire
                                                {0x90, 48, 100},
                                                {0x90, 72, 100},
                                                {0x90, 72, 0},
                                                {0x80, 48, 0},
                                            }));
}

TEST(Tocador, SelectsTheFirstDeviceThatExists) {
    for (int quantidade : {1, 2, 5, 7}) {
        Dispositivos d(quantidade);
        d.porta.SetDeviceID(quantidade - 1);  // wherever the port was left
        d.tocador.SelecionarPrimeiroDispositivo();
        EXPECT_EQ(d.porta.DeviceID(), 0) << quantidade;
        EXPECT_EQ(d.porta.Estado(), midioutputState::mosOpen);
        EXPECT_TRUE(d.gravadores[0]->Aberto());
    }
    Dispositivos nenhum(0);
    EXPECT_THROW(nenhum.tocador.SelecionarPrimeiroDispositivo(), MidiDesabilitadoException);
    EXPECT_EQ(nenhum.porta.Estado(), midioutputState::mosClosed);
}

TEST(Tocador, SelectsTheFirstDeviceAlsoFromAnOpenPort) {
    // An open port refuses every number, so without closing first the player would report no
    // sound on a system full of devices.
    Dispositivos d(3);
    d.tocador.SelecionarDispositivo(2);
    d.tocador.SelecionarPrimeiroDispositivo();
    EXPECT_EQ(d.porta.DeviceID(), 0);
    EXPECT_TRUE(d.gravadores[0]->Aberto());
    EXPECT_FALSE(d.gravadores[2]->Aberto());

    d.gravadores[0]->DefinirFalhaFechamento("stuck");
    EXPECT_THROW(d.tocador.SelecionarPrimeiroDispositivo(), MidiDesabilitadoException);
}

TEST(Tocador, SelectingClosesTheFormerDeviceFirst) {
    Dispositivos d(3);
    d.tocador.SelecionarDispositivo(0);
    d.tocador.SelecionarDispositivo(2);
    EXPECT_FALSE(d.gravadores[0]->Aberto());
    EXPECT_TRUE(d.gravadores[2]->Aberto());
    d.tocador.DesligarNota(60);
    EXPECT_TRUE(d.gravadores[0]->Mensagens().empty());
    EXPECT_EQ(d.gravadores[2]->Mensagens().size(), 1u);
}

TEST(Tocador, ListingNamesEveryDeviceAndLeavesTheDeviceInUseAlone) {
    Dispositivos d(3);
    d.tocador.SelecionarDispositivo(1);
    EXPECT_EQ(d.tocador.ListarDispositivos(),
              (std::vector<std::string>{"Device 0", "Device 1", "Device 2"}));
    EXPECT_EQ(d.porta.DeviceID(), 1);
    EXPECT_EQ(d.porta.ProductName(), "Device 1");
    EXPECT_EQ(d.porta.Estado(), midioutputState::mosOpen);
    // Listing opens and closes nothing: the device in use keeps sounding throughout.
    for (const auto& g : d.gravadores) EXPECT_EQ(g->VezesFechado(), 0);
    EXPECT_EQ(d.gravadores[1]->VezesAberto(), 1);
    EXPECT_EQ(d.gravadores[0]->VezesAberto() + d.gravadores[2]->VezesAberto(), 0);
    d.tocador.DesligarNota(60);
    EXPECT_EQ(d.gravadores[1]->Mensagens().size(), 1u);

    Dispositivos nenhum(0);
    EXPECT_TRUE(nenhum.tocador.ListarDispositivos().empty());
    EXPECT_EQ(nenhum.porta.Estado(), midioutputState::mosClosed);
}

TEST(Tocador, ListingWorksWhateverStateThePortIsIn) {
    // A device that cannot close, or cannot open, no longer cuts the list short.
    Dispositivos presa(2);
    presa.tocador.SelecionarDispositivo(0);
    presa.gravadores[0]->DefinirFalhaFechamento("stuck");
    EXPECT_EQ(presa.tocador.ListarDispositivos(),
              (std::vector<std::string>{"Device 0", "Device 1"}));
    EXPECT_EQ(presa.porta.Estado(), midioutputState::mosOpen);

    Dispositivos fechada(2);
    fechada.gravadores[1]->DefinirAbrirFunciona(false);
    fechada.tocador.SelecionarDispositivo(1);
    EXPECT_EQ(fechada.tocador.ListarDispositivos().size(), 2u);
    EXPECT_EQ(fechada.porta.Estado(), midioutputState::mosClosed);
    EXPECT_EQ(fechada.porta.DeviceID(), 1);
}

TEST(Tocador, EveryFailureBecomesMidiDesabilitado) {
    struct Caso {
        const char* nome;
        std::function<void(Dispositivos&)> preparar;
        std::function<void(MidiOutput&)> acao;
    };
    const auto nota = [](MidiOutput& t) { t.EnviarEvento(TMyMidiEvent{0x90, 60, 100}); };
    const Caso casos[] = {
        {"send fails", [](Dispositivos& d) { d.gravadores[0]->DefinirFalhaEnvio("broken"); }, nota},
        {"instrument change fails",
         [](Dispositivos& d) { d.gravadores[0]->DefinirFalhaEnvio("broken"); },
         [](MidiOutput& t) { t.DefinirInstrumento(0); }},
        {"note off fails", [](Dispositivos& d) { d.gravadores[0]->DefinirFalhaEnvio("broken"); },
         [](MidiOutput& t) { t.DesligarNota(60); }},
        {"device cannot open",
         [](Dispositivos& d) {
             d.gravadores[1]->DefinirAbrirFunciona(false);
             d.tocador.SelecionarDispositivo(1);  // silent here
         },
         nota},
        {"instrument on a closed port",
         [](Dispositivos& d) {
             d.gravadores[1]->DefinirAbrirFunciona(false);
             d.tocador.SelecionarDispositivo(1);
         },
         [](MidiOutput& t) { t.DefinirInstrumento(5); }},
        {"number not below the count", [](Dispositivos&) {},
         [](MidiOutput& t) { t.SelecionarDispositivo(2); }},
        {"close fails", [](Dispositivos& d) { d.gravadores[0]->DefinirFalhaFechamento("stuck"); },
         [](MidiOutput& t) { t.SelecionarDispositivo(1); }},
        {"instrument above 127", [](Dispositivos&) {},
         [](MidiOutput& t) { t.DefinirInstrumento(200); }},
        {"instrument that a byte would cut to 44", [](Dispositivos&) {},
         [](MidiOutput& t) { t.DefinirInstrumento(300); }},
        {"negative note", [](Dispositivos&) {}, [](MidiOutput& t) { t.DesligarNota(-1); }},
    };
    for (const auto& c : casos) {
        Dispositivos d(2);
        d.tocador.SelecionarDispositivo(0);
        c.preparar(d);
        EXPECT_THROW(c.acao(d.tocador), MidiDesabilitadoException) << c.nome;
        for (const auto& g : d.gravadores) EXPECT_TRUE(g->Mensagens().empty()) << c.nome;
    }
}

// A MIDI data byte holds 0..127: both ends go out as they are, one past either end goes
// nowhere, refused before the port (a byte would read 128 as a status).
TEST(Tocador, DataBytesStopExactlyAtTheEndsOfTheMidiRange) {
    struct Caso {
        const char* nome;
        void (MidiOutput::*acao)(int);
        std::uint8_t status;
        std::uint8_t segundo;  // the note off's velocity; the program change sends one byte
    };
    const Caso casos[] = {{"note off", &MidiOutput::DesligarNota, 0x80, 0},
                          {"instrument", &MidiOutput::DefinirInstrumento, 0xC0, 0}};
    for (const auto& c : casos) {
        for (int valor : {0, 127}) {
            Dispositivos d(1);
            d.tocador.SelecionarDispositivo(0);
            (d.tocador.*c.acao)(valor);
            Bytes esperado{c.status, static_cast<std::uint8_t>(valor)};
            if (c.status == 0x80) esperado.push_back(c.segundo);
            EXPECT_EQ(d.gravadores[0]->Mensagens(), std::vector<Bytes>{esperado})
                << c.nome << " " << valor;
        }
        for (int valor : {-1, 128}) {
            Dispositivos d(1);
            d.tocador.SelecionarDispositivo(0);
            EXPECT_THROW((d.tocador.*c.acao)(valor), MidiDesabilitadoException)
                << c.nome << " " << valor;
            EXPECT_TRUE(d.gravadores[0]->Mensagens().empty()) << c.nome << " " << valor;
            // Refused by the player itself: the port is never asked to send it.
            EXPECT_EQ(d.porta.UltimoErro(), TMidiOutput::ErroNenhum) << c.nome << " " << valor;
        }
    }
}

TEST(Tocador, UnboundPlayerRefusesEveryPortOperation) {
    MidiOutput tocador;
    EXPECT_EQ(tocador.Porta(), nullptr);
    EXPECT_EQ(tocador.ObterVelocidade(), 100);
    const std::function<void()> operacoes[] = {
        [&] {
            tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100});
        },
        [&] { tocador.DesligarNota(60); },
        [&] { tocador.DefinirInstrumento(24); },
        [&] { tocador.ListarDispositivos(); },
        [&] { tocador.SelecionarDispositivo(0); },
        [&] { tocador.SelecionarPrimeiroDispositivo(); },
    };
    for (const auto& op : operacoes) EXPECT_THROW(op(), MidiDesabilitadoException);
}

TEST(Tocador, TheProcessPlayerIsBoundOnce) {
    // The process player outlives the test: so do the ports it is handed.
    static Dispositivos primeiro(1), segundo(1);
    MidiOutput& antes = MidiOutput::Instancia();
    MidiOutput& ligado = MidiOutput::CriarInstancia(&primeiro.porta);
    EXPECT_EQ(&ligado, &antes);
    EXPECT_EQ(&MidiOutput::CriarInstancia(&segundo.porta), &ligado);
    EXPECT_EQ(MidiOutput::Instancia().Porta(), &primeiro.porta);
}

}  // namespace
