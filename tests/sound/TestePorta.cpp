// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI output port over recording back ends: numbering, states, the bytes on the wire,
// failures and the delivery of long-message completions on the owner's thread.
#include <gtest/gtest.h>

#include <thread>

#include "BackendGravador.h"
#include "TMidiOutput.h"
#include "Utf8.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class PortaGravada : public ::testing::Test {
  protected:
    std::vector<std::shared_ptr<BackendGravador>> gravadores{
        std::make_shared<BackendGravador>("Alpha"), std::make_shared<BackendGravador>("Beta"),
        std::make_shared<BackendGravador>("Gama")};
    TMidiOutput porta{
        std::vector<std::shared_ptr<BackendMidi>>(gravadores.begin(), gravadores.end())};

    void AbrirNo(int numero) {
        porta.SetDeviceID(numero);
        ASSERT_TRUE(porta.Open());
    }
};

TEST_F(PortaGravada, SelectsDevicesByNumberAndRejectsTheRest) {
    EXPECT_EQ(porta.DeviceID(), 0);
    EXPECT_EQ(porta.QuantidadeDispositivosInicial(), 3);

    porta.SetDeviceID(2);
    EXPECT_EQ(porta.ProductName(), "Gama");
    EXPECT_EQ(porta.Technology(), OutPortTech::opt_MidiPort);

    // -1 is the default output and passes although it is not below the count; it plays on 0.
    porta.SetDeviceID(-1);
    EXPECT_EQ(porta.DeviceID(), -1);
    EXPECT_EQ(porta.ProductName(), TMidiOutput::NomeMapeador);
    EXPECT_EQ(porta.Technology(), OutPortTech::opt_Mapper);
    ASSERT_TRUE(porta.Open());
    porta.PutShort(0x90, 60, 100);
    EXPECT_EQ(gravadores[0]->Mensagens(), (std::vector<Bytes>{{0x90, 60, 100}}));
    EXPECT_THROW(
        {
            try {
                porta.SetDeviceID(1);
            } catch (const EmidioutputError& e) {
                EXPECT_STREQ(e.what(), "Change to DeviceID while device was open");
                throw;
            }
        },
        EmidioutputError);
    EXPECT_EQ(porta.DeviceID(), -1);
    porta.Close();

    porta.SetDeviceID(1);
    for (int numero : {3, 4, 1000}) {
        try {
            porta.SetDeviceID(numero);
            ADD_FAILURE() << numero << " accepted";
        } catch (const EmidioutputError& e) {
            EXPECT_STREQ(e.what(), "Invalid device ID");
        }
        EXPECT_EQ(porta.DeviceID(), 1);
        EXPECT_EQ(porta.ProductName(), "Beta");
    }
}

TEST_F(PortaGravada, OtherNegativeNumbersPassButNameNoDeviceAndCannotOpen) {
    porta.SetDeviceID(-7);
    EXPECT_EQ(porta.DeviceID(), -7);
    EXPECT_EQ(porta.ProductName(), "");
    EXPECT_EQ(porta.UltimoErro(), TMidiOutput::ErroDispositivoInexistente);
    EXPECT_FALSE(porta.Open());
    EXPECT_EQ(porta.Estado(), midioutputState::mosClosed);
}

TEST(PortaNomes, ProductNameIsCutToThirtyOneCharactersNotBytes) {
    const std::string longo = "Sintetizador de órgão elétrico número três";  // 42 characters
    TMidiOutput porta({std::make_shared<BackendGravador>(longo)});
    porta.SetDeviceID(0);
    EXPECT_EQ(utf8::ContarCaracteres(porta.ProductName()), 31u);
    EXPECT_TRUE(utf8::Valido(porta.ProductName()));
    EXPECT_EQ(porta.ProductName(), "Sintetizador de órgão elétrico ");
}

TEST(PortaNomes, CountsTheDevicesPresentAtEachSelection) {
    struct FonteCrescente : FonteDispositivosMidi {
        std::vector<std::shared_ptr<BackendMidi>> lista{std::make_shared<BackendGravador>("A")};
        std::vector<std::shared_ptr<BackendMidi>> Dispositivos() override { return lista; }
    };
    auto fonte = std::make_unique<FonteCrescente>();
    auto* f = fonte.get();
    TMidiOutput porta(std::move(fonte));
    EXPECT_THROW(porta.SetDeviceID(1), EmidioutputError);
    f->lista.push_back(std::make_shared<BackendGravador>("B"));  // plugged in later
    porta.SetDeviceID(1);
    EXPECT_EQ(porta.ProductName(), "B");
    EXPECT_EQ(porta.QuantidadeDispositivosInicial(), 1);
}

TEST(PortaNomes, ListingTakesOneLookAtTheDevicesAndTouchesNone) {
    // Counts how often the devices are looked at: a system's look probes its MIDI services.
    struct FonteContada : FonteDispositivosMidi {
        std::vector<std::shared_ptr<BackendMidi>> lista;
        int olhadas = 0;
        std::vector<std::shared_ptr<BackendMidi>> Dispositivos() override {
            ++olhadas;
            return lista;
        }
    };
    auto fonte = std::make_unique<FonteContada>();
    auto* f = fonte.get();
    std::vector<std::shared_ptr<BackendGravador>> gravadores;
    for (const char* nome : {"Alpha", "Sintetizador de órgão elétrico número três", "Gama"}) {
        gravadores.push_back(std::make_shared<BackendGravador>(nome));
        f->lista.push_back(gravadores.back());
    }
    TMidiOutput porta(std::move(fonte));
    porta.SetDeviceID(2);
    ASSERT_TRUE(porta.Open());
    const int antes = f->olhadas;

    EXPECT_EQ(porta.ListarDispositivos(),
              (std::vector<std::string>{"Alpha", "Sintetizador de órgão elétrico ", "Gama"}));
    EXPECT_EQ(f->olhadas, antes + 1);
    EXPECT_EQ(porta.Estado(), midioutputState::mosOpen);
    EXPECT_EQ(porta.DeviceID(), 2);
    EXPECT_EQ(porta.ProductName(), "Gama");
    for (const auto& g : gravadores) EXPECT_EQ(g->VezesFechado(), 0);
    EXPECT_EQ(gravadores[0]->VezesAberto() + gravadores[1]->VezesAberto(), 0);
}

TEST_F(PortaGravada, OpensAndClosesOnlyWhatIsOpen) {
    EXPECT_FALSE(porta.Close());
    EXPECT_EQ(gravadores[0]->VezesFechado(), 0);  // a closed port asks nothing of its device

    AbrirNo(1);
    EXPECT_EQ(porta.Estado(), midioutputState::mosOpen);
    EXPECT_TRUE(gravadores[1]->Aberto());
    EXPECT_TRUE(porta.Open());  // already open: the device is not opened twice
    EXPECT_EQ(gravadores[1]->VezesAberto(), 1);

    EXPECT_TRUE(porta.Close());
    EXPECT_EQ(porta.Estado(), midioutputState::mosClosed);
    EXPECT_FALSE(gravadores[1]->Aberto());
    EXPECT_FALSE(porta.Close());
    EXPECT_EQ(gravadores[1]->VezesFechado(), 1);
}

TEST_F(PortaGravada, ANewPortOpensDeviceZeroWithoutASelection) {
    ASSERT_TRUE(porta.Open());
    EXPECT_TRUE(gravadores[0]->Aberto());
    porta.PutShort(0x90, 60, 100);
    EXPECT_EQ(gravadores[0]->Mensagens(), (std::vector<Bytes>{{0x90, 60, 100}}));

    TMidiOutput vazia{std::vector<std::shared_ptr<BackendMidi>>{}};
    EXPECT_FALSE(vazia.Open());
    EXPECT_EQ(vazia.Estado(), midioutputState::mosClosed);
}

TEST_F(PortaGravada, DeviceThatCannotOpenLeavesThePortClosed) {
    gravadores[0]->DefinirAbrirFunciona(false);
    porta.SetDeviceID(0);
    EXPECT_FALSE(porta.Open());
    EXPECT_EQ(porta.Estado(), midioutputState::mosClosed);
    try {
        porta.PutMidiEvent(TMyMidiEvent{0x90, 60, 100});
        ADD_FAILURE() << "sent on a closed port";
    } catch (const EmidioutputError& e) {
        EXPECT_STREQ(e.what(), "MIDI Output device not open");
    }
    // PutShort does not test the state; the closed device's own error comes back.
    try {
        porta.PutShort(0x90, 60, 100);
        ADD_FAILURE() << "sent on a closed port";
    } catch (const EmidioutputError& e) {
        EXPECT_EQ(e.what(), porta.midioutErrorString(TMidiOutput::ErroNaoAberto));
    }
    EXPECT_EQ(porta.UltimoErro(), TMidiOutput::ErroNaoAberto);
    EXPECT_TRUE(gravadores[0]->Mensagens().empty());
}

TEST_F(PortaGravada, FailuresOfTheDeviceCarryItsOwnText) {
    AbrirNo(0);
    gravadores[0]->DefinirFalhaEnvio("cable unplugged");
    try {
        porta.PutShort(0x90, 60, 100);
        ADD_FAILURE();
    } catch (const EmidioutputError& e) {
        EXPECT_STREQ(e.what(), "cable unplugged");
    }
    EXPECT_EQ(porta.midioutErrorString(porta.UltimoErro()), "cable unplugged");

    gravadores[0]->DefinirFalhaFechamento("device busy");
    EXPECT_THROW(porta.Close(), EmidioutputError);
    EXPECT_EQ(porta.Estado(), midioutputState::mosOpen);  // a failed close leaves it open

    for (std::uint16_t desconhecido : {6, 200, 65535})
        EXPECT_EQ(porta.midioutErrorString(desconhecido), "Specified error number is out of range");
}

TEST(PortaMensagens, PacksShortMessagesIntoThirtyTwoBits) {
    EXPECT_EQ(TMidiOutput::EmpacotarMensagemCurta(0xC0, 5, 127), 0x007F05C0u);
    EXPECT_EQ(TMidiOutput::EmpacotarMensagemCurta(0xFF, 0xFF, 0xFF), 0x00FFFFFFu);
}

TEST_F(PortaGravada, SendsOnlyTheDataBytesTheStatusUses) {
    struct Caso {
        std::uint8_t status, primeiro, segundo;
        Bytes fio;
    };
    const Caso casos[] = {
        {0x90, 60, 100, {0x90, 60, 100}},  // note on
        {0x80, 60, 0, {0x80, 60, 0}},      // note off
        {0xC0, 5, 127, {0xC0, 5}},         // program change: the 127 must not follow
        {0xCF, 24, 127, {0xCF, 24}},       // on channel 16 as well
        {0xD3, 40, 99, {0xD3, 40}},        // channel pressure
        {0xB0, 7, 90, {0xB0, 7, 90}},      // controller
        {0xE0, 0, 64, {0xE0, 0, 64}},      // pitch bend
        {0xF3, 2, 9, {0xF3, 2}},           // song select
        {0xF2, 1, 2, {0xF2, 1, 2}},        // song position
        {0xF8, 1, 2, {0xF8}},              // clock
        {0xC0, 5, 200, {0xC0, 5}},         // an unused byte is never looked at
    };
    AbrirNo(0);
    for (const auto& c : casos) {
        gravadores[0]->LimparMensagens();
        porta.PutShort(c.status, c.primeiro, c.segundo);
        EXPECT_EQ(gravadores[0]->Mensagens(), std::vector<Bytes>{c.fio})
            << "status " << int(c.status);
    }
}

TEST_F(PortaGravada, RefusesShortMessagesThatWouldCorruptTheStream) {
    const std::array<std::array<std::uint8_t, 3>, 5> invalidas{{
        {0x3C, 100, 0},     // a data byte where the status belongs
        {0xF0, 0x7E, 0},    // system exclusive is a long message
        {0xF7, 0, 0},       // end of exclusive alone
        {0x90, 0x80, 100},  // a data byte with the high bit would read as a status
        {0xC0, 0xC1, 0},
    }};
    AbrirNo(0);
    for (const auto& m : invalidas) {
        EXPECT_THROW(porta.PutShort(m[0], m[1], m[2]), EmidioutputError) << int(m[0]);
        EXPECT_EQ(porta.UltimoErro(), TMidiOutput::ErroMensagemInvalida);
    }
    EXPECT_TRUE(gravadores[0]->Mensagens().empty());
}

TEST_F(PortaGravada, EventWithoutLongDataIsShortWhateverItsLength) {
    AbrirNo(0);
    TMyMidiEvent evento{0xC0, 3, 127};
    evento.LongMessageLength = 10;
    porta.PutMidiEvent(evento);
    EXPECT_EQ(gravadores[0]->Mensagens(), (std::vector<Bytes>{{0xC0, 3}}));
    EXPECT_EQ(porta.LongasPendentes(), 0);
}

TEST_F(PortaGravada, LongMessageGoesAsSystemExclusiveAndIsReportedWhenPumped) {
    AbrirNo(0);
    const Bytes reset = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x00, 0x00};
    TMyMidiEvent evento;
    evento.LongMessage = reset;
    evento.LongMessageLength = 6;  // the first six bytes
    TMidiOutput* remetente = nullptr;
    int avisos = 0;
    porta.Onmidioutput = [&](TMidiOutput& sender) {
        remetente = &sender;
        ++avisos;
    };

    porta.PutMidiEvent(evento);
    EXPECT_EQ(gravadores[0]->Mensagens(),
              (std::vector<Bytes>{Bytes(reset.begin(), reset.begin() + 6)}));
    EXPECT_EQ(avisos, 0);  // never from inside the send
    EXPECT_EQ(porta.LongasPendentes(), 1);

    EXPECT_EQ(porta.ProcessarNotificacoes(), 1);
    EXPECT_EQ(avisos, 1);
    EXPECT_EQ(remetente, &porta);
    EXPECT_EQ(porta.LongasPendentes(), 0);
    EXPECT_EQ(porta.ProcessarNotificacoes(), 0);

    evento.LongMessageLength = 9;  // more than the data holds
    EXPECT_THROW(porta.PutMidiEvent(evento), EmidioutputError);
    EXPECT_EQ(gravadores[0]->Mensagens().size(), 1u);
    EXPECT_EQ(porta.LongasPendentes(), 0);
}

// A device whose driver finishes long messages on a thread of its own.
class GravadorComThread : public BackendGravador {
  public:
    using BackendGravador::BackendGravador;
    ~GravadorComThread() override {
        for (auto& t : threads) t.join();
    }
    void EnviarLongo(std::span<const std::uint8_t> dados,
                     std::function<void()> concluido) override {
        Enviar(dados);
        threads.emplace_back([concluido = std::move(concluido)] { concluido(); });
    }
    std::vector<std::thread> threads;
};

TEST(PortaThreads, CompletionFromADriverThreadIsRaisedOnTheOwnersThread) {
    auto driver = std::make_shared<GravadorComThread>("Threaded");
    TMidiOutput porta({driver});
    porta.SetDeviceID(0);
    ASSERT_TRUE(porta.Open());
    std::vector<std::thread::id> threadsAviso;
    porta.Onmidioutput = [&](TMidiOutput&) { threadsAviso.push_back(std::this_thread::get_id()); };

    const Bytes dados = {0xF0, 0x43, 0x10, 0x4C, 0xF7};
    for (int i = 0; i < 3; ++i) porta.PutLong(dados, static_cast<std::uint16_t>(dados.size()));
    for (auto& t : driver->threads) t.join();
    driver->threads.clear();
    EXPECT_TRUE(threadsAviso.empty());

    EXPECT_EQ(porta.ProcessarNotificacoes(), 3);
    EXPECT_EQ(threadsAviso, std::vector<std::thread::id>(3, std::this_thread::get_id()));
    EXPECT_EQ(porta.LongasPendentes(), 0);
}

TEST(PortaVida, DestroyingAnOpenPortClosesItsDevice) {
    auto gravador = std::make_shared<BackendGravador>();
    {
        TMidiOutput porta({gravador});
        porta.SetDeviceID(0);
        ASSERT_TRUE(porta.Open());
    }
    EXPECT_FALSE(gravador->Aberto());
}

}  // namespace
