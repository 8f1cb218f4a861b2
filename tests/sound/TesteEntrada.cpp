// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI input port over simulated devices: numbering, opening by number and by name, the
// queue between the device's thread and the owner's.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ConfiguracaoSom.h"
#include "EntradaSimulada.h"
#include "MidiOutput.h"
#include "TMidiInput.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Retirar(TMidiInput& porta) {
    std::vector<Bytes> recebidas;
    porta.ProcessarMensagens(
        [&](std::span<const std::uint8_t> m) { recebidas.emplace_back(m.begin(), m.end()); });
    return recebidas;
}

struct Portas {
    std::shared_ptr<EntradaSimulada> a = std::make_shared<EntradaSimulada>("Keyboard A");
    std::shared_ptr<EntradaSimulada> b = std::make_shared<EntradaSimulada>("Keyboard B");
    TMidiInput porta{std::vector<std::shared_ptr<BackendEntradaMidi>>{a, b}};
};

TEST(TMidiInput, OpensByNumberOrNameAndQueuesWhatIsPlayedInOrder) {
    Portas p;
    EXPECT_EQ(p.porta.ListarDispositivos(), (std::vector<std::string>{"Keyboard A", "Keyboard B"}));
    int avisos = 0;
    p.porta.AoChegar = [&] { ++avisos; };
    ASSERT_TRUE(p.porta.Abrir(1));
    EXPECT_EQ(p.porta.NumeroAberto(), 1);
    EXPECT_EQ(p.porta.NomeAberto(), "Keyboard B");
    EXPECT_FALSE(p.a->Tocar({0x90, 1, 1}));
    // Short messages only: longer data (a stray system exclusive) is not queued.
    for (const Bytes& m :
         {Bytes{0x90, 60, 100}, Bytes{0xF0, 1, 2, 3, 0xF7}, Bytes{0x80, 60, 0}, Bytes{0xFE}})
        EXPECT_TRUE(p.b->Tocar(m));
    EXPECT_EQ(avisos, 3);
    EXPECT_EQ(Retirar(p.porta), (std::vector<Bytes>{{0x90, 60, 100}, {0x80, 60, 0}, {0xFE}}));
    EXPECT_TRUE(Retirar(p.porta).empty());

    // Another device: the first is closed, nothing more comes from it.
    ASSERT_TRUE(p.porta.AbrirPorNome("Keyboard A"));
    EXPECT_FALSE(p.b->Aberta());
    EXPECT_TRUE(p.a->Aberta());
    EXPECT_EQ(p.porta.NumeroAberto(), 0);
    p.porta.Fechar();
    EXPECT_FALSE(p.a->Aberta());
    EXPECT_FALSE(p.porta.Aberta());
    EXPECT_EQ(p.porta.NumeroAberto(), -1);
}

TEST(TMidiInput, BadNumbersMissingNamesAndDevicesThatWillNotOpen) {
    Portas p;
    ASSERT_TRUE(p.porta.Abrir(0));
    for (int numero : {-1, 2, 99}) EXPECT_THROW(p.porta.Abrir(numero), EmidiinputError);
    EXPECT_TRUE(p.a->Aberta()) << "a rejected number changes nothing";
    EXPECT_FALSE(p.porta.AbrirPorNome("Keyboard C"));
    EXPECT_FALSE(p.porta.Aberta());
    p.b->DefinirAbrirFunciona(false);
    EXPECT_FALSE(p.porta.Abrir(1));
    EXPECT_FALSE(p.porta.Aberta());
    EXPECT_TRUE(TMidiInput(std::vector<std::shared_ptr<BackendEntradaMidi>>{})
                    .ListarDispositivos()
                    .empty());
}

TEST(TMidiInput, AFullQueueDropsTheOldestAndAnotherThreadMayPlay) {
    Portas p;
    ASSERT_TRUE(p.porta.Abrir(0));
    std::thread dispositivo([&] {
        for (std::size_t i = 0; i < TMidiInput::CapacidadeFila + 10; ++i)
            p.a->Tocar({0x90, static_cast<std::uint8_t>(i % 128), 1});
    });
    dispositivo.join();
    EXPECT_TRUE(p.porta.EsperarMensagem(std::chrono::milliseconds(0)));
    const auto recebidas = Retirar(p.porta);
    ASSERT_EQ(recebidas.size(), TMidiInput::CapacidadeFila);
    EXPECT_EQ(recebidas.front()[1], 10);
    EXPECT_EQ(p.porta.Descartadas(), 10u);
    EXPECT_FALSE(p.porta.EsperarMensagem(std::chrono::milliseconds(10)));
}

TEST(ConfiguracaoSom, OpensTheChosenInputByNameAndKeepsItOpenWhenChosenAgain) {
    Portas p;
    MidiOutput player;
    ConfiguracaoSom som(player, &p.porta);
    EXPECT_EQ(som.EntradaMidi(), "");
    EXPECT_FALSE(som.EcoarEntrada());
    som.AplicarEntrada();
    EXPECT_FALSE(p.porta.Aberta()) << "nothing is opened by default";
    som.DefinirEntrada("Keyboard B", true);
    EXPECT_TRUE(p.b->Aberta());
    som.DefinirEntrada("Keyboard B", false);
    EXPECT_EQ(p.b->VezesAberta(), 1) << "held notes would be lost by reopening";
    som.DefinirEntrada("Gone", false);
    EXPECT_FALSE(p.porta.Aberta());
    som.DefinirEntrada("Keyboard A", false);
    som.DefinirEntrada("", false);
    EXPECT_FALSE(p.porta.Aberta());
}

}  // namespace
