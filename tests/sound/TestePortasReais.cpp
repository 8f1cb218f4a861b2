// SPDX-License-Identifier: GPL-3.0-or-later
// Real MIDI ports: a JACK server on its dummy back end started by the test (and an ALSA
// sequencer where the machine has one). The chord player sends through our RtMidi output, an
// RtMidi input connected to it reads the bytes back off the wire.
#include <RtMidi.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "MidiOutput.h"
#include "SomSistema.h"
#include "Soundfont.h"
#include "TMidiInput.h"
#include "TecladoVirtual.h"

#if TASTAVO_COM_JACK
#include <jack/jack.h>

#include "ServidorJack.h"
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// What arrives at an RtMidi input port.
class Receptor {
  public:
    Receptor(RtMidi::Api api, const std::string& cliente) : entrada_(api, cliente) {
        entrada_.ignoreTypes(false, false, false);
        entrada_.setCallback(&Receptor::Chegou, this);
        entrada_.openVirtualPort("in");
    }
    ~Receptor() { entrada_.closePort(); }
    std::vector<Bytes> EsperarMensagens(std::size_t quantidade) {
        for (auto fim = std::chrono::steady_clock::now() + 5s;
             std::chrono::steady_clock::now() < fim; std::this_thread::sleep_for(10ms)) {
            std::lock_guard t(trava_);
            if (mensagens_.size() >= quantidade) break;
        }
        std::this_thread::sleep_for(100ms);  // and nothing more follows
        std::lock_guard t(trava_);
        return mensagens_;
    }

  private:
    static void Chegou(double, std::vector<unsigned char>* m, void* eu) {
        auto* r = static_cast<Receptor*>(eu);
        std::lock_guard t(r->trava_);
        r->mensagens_.emplace_back(m->begin(), m->end());
    }
    RtMidiIn entrada_;
    std::mutex trava_;
    std::vector<Bytes> mensagens_;
};

void TocarEConferir(ServicoMidi servico, RtMidi::Api api) {
    const std::string cliente = "tvtest" + std::to_string(::getpid());
    Receptor receptor(api, cliente);

    OpcoesDispositivosSistema opcoes;
    opcoes.sintetizador = false;
    opcoes.servicos = {servico};
    TMidiOutput porta(CriarFonteDispositivosSistema(opcoes));
    MidiOutput tocador(&porta);

    const auto nomes = tocador.ListarDispositivos();
    int nosso = -1;
    for (std::size_t i = 0; i < nomes.size(); ++i)
        if (nomes[i].rfind(cliente + ":in", 0) == 0) nosso = static_cast<int>(i);
    ASSERT_GE(nosso, 0) << "our input port is not among " << nomes.size() << " devices";

    tocador.SelecionarDispositivo(nosso);
    ASSERT_EQ(porta.Estado(), midioutputState::mosOpen);
    tocador.DefinirInstrumento(24);
    for (std::uint8_t nota : {70, 67, 64, 60}) tocador.EnviarEvento(TMyMidiEvent{0x90, nota, 100});
    tocador.DesligarNota(60);

    EXPECT_EQ(receptor.EsperarMensagens(6), (std::vector<Bytes>{
                                                {0xC0, 24},  // two bytes: no stray 127
                                                {0x90, 70, 100},
                                                {0x90, 67, 100},
                                                {0x90, 64, 100},
                                                {0x90, 60, 100},
                                                {0x80, 60, 0},
                                            }));
    porta.Close();
}

#if TASTAVO_COM_JACK
TEST(PortasReais, JackCarriesExactlyTheMessagesSent) {
    ServidorJack servidor;
    if (!servidor.Pronto()) GTEST_SKIP() << "jackd cannot start here: " << servidor.Log();
    TocarEConferir(ServicoMidi::Jack, RtMidi::UNIX_JACK);
}

// Listens to the first two output ports of a JACK client and keeps the loudest sample heard.
class OuvinteJack {
  public:
    explicit OuvinteJack(const std::string& fonte) {
        jack_status_t s;
        cliente_ = jack_client_open("tvouvinte", JackNoStartServer, &s);
        if (!cliente_) return;
        for (const char* nome : {"in_1", "in_2"})
            entradas_.push_back(
                jack_port_register(cliente_, nome, JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0));
        jack_set_process_callback(cliente_, &OuvinteJack::Processar, this);
        jack_activate(cliente_);
        const char** portas = jack_get_ports(cliente_, (fonte + ":.*").c_str(),
                                             JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
        for (int i = 0; portas && portas[i] && i < 2; ++i)
            conectadas_ += jack_connect(cliente_, portas[i], jack_port_name(entradas_[i])) == 0;
        jack_free(portas);
    }
    ~OuvinteJack() {
        if (cliente_) jack_client_close(cliente_);
    }
    int Conectadas() const { return conectadas_; }
    float Pico() const { return pico_.load(); }

  private:
    static int Processar(jack_nframes_t n, void* eu) {
        auto* o = static_cast<OuvinteJack*>(eu);
        float pico = o->pico_.load();
        for (jack_port_t* p : o->entradas_) {
            const auto* x = static_cast<const float*>(jack_port_get_buffer(p, n));
            for (jack_nframes_t i = 0; i < n; ++i) pico = std::max(pico, std::abs(x[i]));
        }
        o->pico_ = pico;
        return 0;
    }
    jack_client_t* cliente_ = nullptr;
    std::vector<jack_port_t*> entradas_;
    int conectadas_ = 0;
    std::atomic<float> pico_{0};
};

TEST(PortasReais, BuiltInSynthesizerPlaysLiveThroughJack) {
    ServidorJack servidor;
    if (!servidor.Pronto()) GTEST_SKIP() << "jackd cannot start here: " << servidor.Log();
    const auto soundfont = LocalizarSoundfont(CandidatosSoundfont("/nonexistent"));
    if (!soundfont) GTEST_SKIP() << "no General MIDI soundfont installed";

    ConfiguracaoSintetizador c;
    c.soundfont = *soundfont;
    c.driversAudio = {"jack"};
    const std::shared_ptr<Sintetizador> synth = CriarSintetizador(c);
    TMidiOutput porta({synth});
    MidiOutput tocador(&porta);
    tocador.SelecionarDispositivo(0);
    ASSERT_EQ(porta.Estado(), midioutputState::mosOpen)
        << porta.midioutErrorString(porta.UltimoErro());
    EXPECT_EQ(synth->DriverAudio(), "jack");

    OuvinteJack ouvinte("fluidsynth");
    ASSERT_EQ(ouvinte.Conectadas(), 2);
    std::this_thread::sleep_for(200ms);
    EXPECT_LT(ouvinte.Pico(), 1e-4f) << "sound before the first note-on";

    tocador.DefinirInstrumento(0);
    for (std::uint8_t nota : {60, 64, 67}) tocador.EnviarEvento(TMyMidiEvent{0x90, nota, 100});
    for (auto fim = std::chrono::steady_clock::now() + 3s;
         ouvinte.Pico() < 0.01f && std::chrono::steady_clock::now() < fim;)
        std::this_thread::sleep_for(10ms);
    EXPECT_GT(ouvinte.Pico(), 0.01f) << "the chord was not heard";
    for (std::uint8_t nota : {60, 64, 67}) tocador.DesligarNota(nota);
    porta.Close();
}

#endif

// A keyboard played into Tastavo's input port arrives, message by message, on the owner's
// thread; closing the port disconnects it.
void OuvirEConferir(ServicoMidi servico, RtMidi::Api api) {
    TecladoVirtual teclado(api);
    TMidiInput entrada(CriarFonteEntradasSistema({servico}));
    const auto nomes = entrada.ListarDispositivos();
    int nosso = -1;
    for (std::size_t i = 0; i < nomes.size(); ++i)
        if (nomes[i].rfind(teclado.PrefixoPorta(), 0) == 0) nosso = static_cast<int>(i);
    ASSERT_GE(nosso, 0) << "the keyboard is not among " << nomes.size() << " inputs";
    std::atomic<int> avisos{0};
    entrada.AoChegar = [&] { ++avisos; };
    ASSERT_TRUE(entrada.Abrir(nosso));
    std::this_thread::sleep_for(100ms);  // the connection settles

    teclado.Acorde({60, 64, 67});
    teclado.Enviar({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7});  // system exclusive: dropped
    teclado.Soltar({60, 64, 67});
    std::vector<Bytes> recebidas;
    for (auto fim = std::chrono::steady_clock::now() + 5s;
         recebidas.size() < 6 && std::chrono::steady_clock::now() < fim;)
        if (entrada.EsperarMensagem(100ms))
            entrada.ProcessarMensagens([&](std::span<const std::uint8_t> m) {
                recebidas.emplace_back(m.begin(), m.end());
            });
    EXPECT_EQ(recebidas, (std::vector<Bytes>{{0x90, 60, 90},
                                             {0x90, 64, 90},
                                             {0x90, 67, 90},
                                             {0x80, 60, 0},
                                             {0x80, 64, 0},
                                             {0x80, 67, 0}}));
    // Each notice follows its message into the queue on the device's thread: the last may come
    // a moment after its message was read here.
    for (auto fim = std::chrono::steady_clock::now() + 2s;
         avisos.load() < 6 && std::chrono::steady_clock::now() < fim;)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(avisos.load(), 6);

    entrada.Fechar();
    teclado.Ligar(72);
    EXPECT_FALSE(entrada.EsperarMensagem(200ms)) << "a closed port still hears the keyboard";
}

#if TASTAVO_COM_JACK
TEST(PortasReais, JackInputHearsAKeyboard) {
    ServidorJack servidor;
    if (!servidor.Pronto()) GTEST_SKIP() << "jackd cannot start here: " << servidor.Log();
    OuvirEConferir(ServicoMidi::Jack, RtMidi::UNIX_JACK);
}
#endif

TEST(PortasReais, AlsaSequencerInputHearsAKeyboard) {
    if (!ServicoMidiDisponivel(ServicoMidi::SequenciadorAlsa))
        GTEST_SKIP() << "this machine has no ALSA sequencer";
    OuvirEConferir(ServicoMidi::SequenciadorAlsa, RtMidi::LINUX_ALSA);
}

TEST(PortasReais, AlsaSequencerCarriesExactlyTheMessagesSent) {
    if (!ServicoMidiDisponivel(ServicoMidi::SequenciadorAlsa))
        GTEST_SKIP() << "this machine has no ALSA sequencer";
    TocarEConferir(ServicoMidi::SequenciadorAlsa, RtMidi::LINUX_ALSA);
}

TEST(PortasReais, MissingServicesGiveNoDevicesAndNoNoise) {
    // Here there may be neither an ALSA sequencer nor a JACK server: nothing fails for that.
    ::setenv("JACK_DEFAULT_SERVER", "tastavo-no-such-server", 1);
    OpcoesDispositivosSistema opcoes;
    opcoes.sintetizador = false;
    opcoes.servicos = {ServicoMidi::Jack};
    testing::internal::CaptureStderr();
    TMidiOutput porta(CriarFonteDispositivosSistema(opcoes));
    MidiOutput tocador(&porta);
    EXPECT_TRUE(tocador.ListarDispositivos().empty());
    EXPECT_THROW(tocador.SelecionarPrimeiroDispositivo(), MidiDesabilitadoException);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
