// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in synthesizer, real FluidSynth rendering the real General MIDI soundfont offline:
// what the player sends is what sounds.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ConstantesMidi.h"
#include "Espectro.h"
#include "MidiOutput.h"
#include "SomSistema.h"
#include "Soundfont.h"

namespace fs = std::filesystem;

namespace {

constexpr double Taxa = 48000.0;

std::size_t Quadros(double segundos) { return static_cast<std::size_t>(segundos * Taxa); }

fs::path SoundfontDoSistema() {
    auto sf = LocalizarSoundfont(CandidatosSoundfont("/nonexistent"));
    return sf ? *sf : fs::path();
}

// A player over the synthesizer rendering offline, as tastavo-cli play --wav uses it.
ConfiguracaoSintetizador Offline() {
    ConfiguracaoSintetizador c;
    c.soundfont = SoundfontDoSistema();
    c.saida = ConfiguracaoSintetizador::Saida::Offline;
    c.taxaAmostragem = Taxa;
    return c;
}

struct SintetizadorOffline {
    std::shared_ptr<Sintetizador> synth = CriarSintetizador(Offline());
    TMidiOutput porta{{synth}};
    MidiOutput tocador{&porta};
};

class Sintetizador : public ::testing::Test {
  protected:
    void SetUp() override {
        if (SoundfontDoSistema().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    }
};

// The smallest whole soundfont structure: the sfbk form with its three lists, empty.
std::string SoundfontMinima() {
    auto u32 = [](std::uint32_t v) {
        return std::string{char(v & 0xff), char(v >> 8 & 0xff), char(v >> 16 & 0xff),
                           char(v >> 24)};
    };
    std::string listas;
    for (const char* tipo : {"INFO", "sdta", "pdta"}) listas += "LIST" + u32(4) + tipo;
    return "RIFF" + u32(static_cast<std::uint32_t>(4 + listas.size())) + "sfbk" + listas;
}

void Escrever(const fs::path& arquivo, const std::string& bytes) {
    std::ofstream(arquivo, std::ios::binary) << bytes;
}

TEST(SoundfontBusca, InstallationFolderComesFirstThenDebiansPaths) {
    const fs::path pasta = fs::temp_directory_path() / ("tastavo-sf-" + std::to_string(::getpid()));
    fs::create_directories(pasta / "soundfonts");
    Escrever(pasta / "soundfonts" / "b.sf2", SoundfontMinima());
    Escrever(pasta / "soundfonts" / "a.SF2", SoundfontMinima());
    std::ofstream(pasta / "soundfonts" / "notes.txt") << "x";
    const auto candidatos = CandidatosSoundfont(pasta);
    ASSERT_GE(candidatos.size(), 3u);
    EXPECT_EQ(candidatos[0], pasta / "soundfonts" / "a.SF2");
    EXPECT_EQ(candidatos[1], pasta / "soundfonts" / "b.sf2");
    EXPECT_EQ(candidatos[2], fs::path("/usr/share/sounds/sf2/default-GM.sf2"));
    EXPECT_EQ(LocalizarSoundfont(candidatos), pasta / "soundfonts" / "a.SF2");

    // Missing files and folders are passed over without a word.
    std::vector<std::string> avisos;
    EXPECT_EQ(
        LocalizarSoundfont(
            {pasta / "gone.sf2", pasta / "soundfonts", pasta / "soundfonts" / "b.sf2"}, &avisos),
        pasta / "soundfonts" / "b.sf2");
    EXPECT_EQ(LocalizarSoundfont({pasta / "gone.sf2"}), std::nullopt);
    EXPECT_TRUE(avisos.empty());
    fs::remove_all(pasta);
}

// A damaged soundfont in the installation folder gives way to the next candidate, which the
// synthesizer then loads, and the message names the damaged file and what is wrong with it.
TEST(SoundfontBusca, DamagedSoundfontIsSkippedWithAMessageNamingIt) {
    const fs::path sistema = SoundfontDoSistema();
    if (sistema.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    const fs::path pasta =
        fs::temp_directory_path() / ("tastavo-sf-ruim-" + std::to_string(::getpid()));
    fs::create_directories(pasta);
    std::ifstream in(sistema, std::ios::binary);
    const std::string inteira{std::istreambuf_iterator<char>(in), {}};
    std::string semPdta = SoundfontMinima();
    semPdta.replace(semPdta.rfind("pdta"), 4, "xxxx");
    const struct {
        const char* nome;
        std::string bytes;
        const char* defeito;
    } casos[] = {
        {"texto.sf2", "not a soundfont at all", "damaged: not a SoundFont 2 file"},
        {"vazia.sf2", "", "damaged: not a SoundFont 2 file"},
        {"cortada.sf2", inteira.substr(0, inteira.size() / 2), "damaged: cut short"},
        {"cabecalho.sf2", inteira.substr(0, 12), "damaged: cut short"},
        {"sem-predefinicoes.sf2", semPdta, "damaged: a part of the SoundFont is missing"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const fs::path ruim = pasta / caso.nome;
        Escrever(ruim, caso.bytes);
        EXPECT_EQ(DefeitoSoundfont(ruim), caso.defeito);
        std::vector<std::string> avisos;
        EXPECT_EQ(LocalizarSoundfont({ruim, sistema}, &avisos), sistema);
        ASSERT_EQ(avisos.size(), 1u);
        EXPECT_EQ(avisos[0], "skipping the soundfont \"" + ruim.string() + "\", " + caso.defeito);
    }
    EXPECT_EQ(DefeitoSoundfont(sistema), "");

    // The soundfont chosen past the damaged one really sounds.
    ConfiguracaoSintetizador c = Offline();
    c.soundfont = *LocalizarSoundfont({pasta / "cortada.sf2", sistema});
    TMidiOutput porta{{CriarSintetizador(c)}};
    porta.SetDeviceID(0);
    EXPECT_TRUE(porta.Open());
    fs::remove_all(pasta);
}

TEST_F(Sintetizador, SoundsExactlyTheNotesOfThePosition) {
    // Keys of three positions; key k sounds note k + 48.
    const std::vector<std::vector<int>> posicoes = {{12, 16, 19, 22}, {4, 10, 12, 19}, {9, 12, 16}};
    for (const auto& teclas : posicoes) {
        SintetizadorOffline s;
        s.tocador.SelecionarDispositivo(0);
        s.tocador.DefinirInstrumento(0);
        const auto antes = s.synth->Renderizar(Quadros(0.2));
        EXPECT_LT(espectro::Pico(antes), 1e-6f) << "sound before the first note-on";  // -120 dB

        std::vector<int> notas;  // ascending
        for (int k : teclas) notas.push_back(midi::NotaDaTecla(k));
        for (auto it = notas.rbegin(); it != notas.rend(); ++it)
            s.tocador.EnviarEvento(TMyMidiEvent{0x90, static_cast<std::uint8_t>(*it), 100});
        auto som = s.synth->Renderizar(Quadros(1.2));
        som.erase(som.begin(), som.begin() + static_cast<long>(Quadros(0.1)));  // past the attack

        EXPECT_GT(espectro::Destaque(som, notas, Taxa), 100.0) << "position at key " << teclas[0];
    }
}

TEST_F(Sintetizador, ReleasingTheKeysBringsTheLevelDown) {
    // A note off, or a note on at velocity 0 (a key left by the mouse), ends the note.
    for (const bool comVelocidadeZero : {false, true}) {
        SintetizadorOffline s;
        s.tocador.SelecionarDispositivo(0);
        s.tocador.DefinirInstrumento(0);
        for (std::uint8_t nota : {60, 64, 67})
            s.tocador.EnviarEvento(TMyMidiEvent{0x90, nota, 100});
        const auto sustentado = s.synth->Renderizar(Quadros(0.5));
        for (std::uint8_t nota : {60, 64, 67}) {
            if (comVelocidadeZero)
                s.tocador.EnviarEvento(TMyMidiEvent{0x90, nota, 0});
            else
                s.tocador.DesligarNota(nota);
        }
        const auto solto = s.synth->Renderizar(Quadros(1.5));
        const double nivel = espectro::Rms(sustentado, Quadros(0.3), Quadros(0.5));
        EXPECT_GT(nivel, 1e-3);
        EXPECT_LT(espectro::Rms(solto, Quadros(1.3), Quadros(1.5)), 0.05 * nivel)
            << comVelocidadeZero;
    }
}

TEST_F(Sintetizador, InstrumentChangeReachesTheSynthesizer) {
    std::vector<std::vector<float>> sons;
    for (std::uint8_t instrumento : {0, 0, 24}) {
        SintetizadorOffline s;
        s.tocador.SelecionarDispositivo(0);
        s.tocador.DefinirInstrumento(instrumento);
        s.tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100});
        sons.push_back(s.synth->Renderizar(Quadros(0.3)));
    }
    EXPECT_EQ(sons[0], sons[1]);  // rendering is repeatable
    double diferenca = 0;
    for (std::size_t i = 0; i < sons[0].size(); ++i) diferenca += std::abs(sons[0][i] - sons[2][i]);
    EXPECT_GT(diferenca / double(sons[0].size()), 1e-3) << "guitar sounds like the piano";
}

TEST_F(Sintetizador, TakesSystemExclusiveAsALongMessage) {
    SintetizadorOffline s;
    s.tocador.SelecionarDispositivo(0);
    int avisos = 0;
    s.porta.Onmidioutput = [&](TMidiOutput&) { ++avisos; };
    TMyMidiEvent reset;
    reset.LongMessage = std::vector<std::uint8_t>{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    reset.LongMessageLength = 6;
    s.tocador.EnviarEvento(reset);
    EXPECT_EQ(s.porta.ProcessarNotificacoes(), 1);
    EXPECT_EQ(avisos, 1);

    TMyMidiEvent naoSysex;
    naoSysex.LongMessage = std::vector<std::uint8_t>{0x90, 60, 100};
    naoSysex.LongMessageLength = 3;
    EXPECT_THROW(s.tocador.EnviarEvento(naoSysex), MidiDesabilitadoException);
}

TEST_F(Sintetizador, WithoutAudioOutputTheFirstNoteReportsNoSound) {
    ConfiguracaoSintetizador c;
    c.soundfont = SoundfontDoSistema();
    c.driversAudio = {"no-such-audio-driver"};
    TMidiOutput porta({CriarSintetizador(c)});
    MidiOutput tocador(&porta);
    tocador.SelecionarDispositivo(0);  // silent
    EXPECT_EQ(porta.Estado(), midioutputState::mosClosed);
    EXPECT_EQ(porta.ProductName(), "Built-in synthesizer");
    EXPECT_THROW(tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100}), MidiDesabilitadoException);
}

TEST(SintetizadorSemSoundfont, WithoutAudioOutputNothingIsLoadedAtAll) {
    // No output to play on: the soundfont (here a missing one) is never even tried.
    ConfiguracaoSintetizador c;
    c.soundfont = "/nonexistent/piano.sf2";
    c.driversAudio = {"no-such-audio-driver"};
    TMidiOutput porta({CriarSintetizador(c)});
    porta.SetDeviceID(0);
    EXPECT_FALSE(porta.Open());
    const std::string motivo = porta.midioutErrorString(porta.UltimoErro());
    EXPECT_NE(motivo.find("audio output"), std::string::npos) << motivo;
    EXPECT_EQ(motivo.find("piano.sf2"), std::string::npos) << motivo;
}

// The difference between two renderings, per sample.
double Diferenca(const std::vector<float>& a, const std::vector<float>& b) {
    double soma = 0;
    for (std::size_t i = 0; i < a.size(); ++i) soma += std::abs(a[i] - b[i]);
    return soma / double(a.size());
}

// Note 60 at velocity 100 for 0.3 s on a synthesizer just set up with `instrumento`.
std::vector<float> NotaNova(std::uint8_t instrumento) {
    SintetizadorOffline s;
    s.tocador.SelecionarDispositivo(0);
    s.tocador.DefinirInstrumento(instrumento);
    s.tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100});
    return s.synth->Renderizar(Quadros(0.3));
}

TEST_F(Sintetizador, ClosingSilencesItButKeepsTheInstrument) {
    const auto violao = NotaNova(24);
    const auto piano = NotaNova(0);

    SintetizadorOffline s;
    s.tocador.SelecionarDispositivo(0);
    s.tocador.DefinirInstrumento(24);
    for (std::uint8_t nota : {60, 64, 67}) s.tocador.EnviarEvento(TMyMidiEvent{0x90, nota, 100});
    const auto soando = s.synth->Renderizar(Quadros(0.3));
    // What the sound settings window does when shown and cancelled: list the devices, then
    // select the device in use again (closing and reopening it).
    s.tocador.ListarDispositivos();
    s.tocador.SelecionarDispositivo(0);
    const auto depois = s.synth->Renderizar(Quadros(1.5));
    EXPECT_LT(espectro::Rms(depois, Quadros(1.3), Quadros(1.5)),
              0.05 * espectro::Rms(soando, Quadros(0.1), Quadros(0.3)))
        << "the chord still sounds after the close";

    s.tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100});
    const auto nota = s.synth->Renderizar(Quadros(0.3));
    EXPECT_LT(Diferenca(nota, violao), 0.1 * Diferenca(nota, piano))
        << "the guitar fell back to the piano";
}

TEST_F(Sintetizador, TheSystemsDevicesShareTheProcesssOneSynthesizer) {
    OpcoesDispositivosSistema opcoes;
    opcoes.servicos = {};
    opcoes.soundfonts = {SoundfontDoSistema()};
    const auto uma = CriarFonteDispositivosSistema(opcoes);
    const auto outra = CriarFonteDispositivosSistema(opcoes);
    const auto primeiro = uma->Dispositivos();
    ASSERT_EQ(primeiro.size(), 1u);
    EXPECT_EQ(uma->Dispositivos().front(), primeiro.front());
    EXPECT_EQ(outra->Dispositivos().front(), primeiro.front());
    EXPECT_EQ(SintetizadorDoProcesso("/elsewhere.sf2"), primeiro.front());
}

TEST_F(Sintetizador, SystemDevicesStartWithItOnlyWhenASoundfontIsFound) {
    OpcoesDispositivosSistema opcoes;
    opcoes.servicos = {};  // no MIDI ports: only the synthesizer counts here
    opcoes.soundfonts = {"/nonexistent/a.sf2", SoundfontDoSistema()};
    TMidiOutput com(CriarFonteDispositivosSistema(opcoes));
    ASSERT_EQ(com.QuantidadeDispositivos(), 1);
    com.SetDeviceID(0);
    EXPECT_EQ(com.ProductName(), "Built-in synthesizer");
    EXPECT_EQ(com.Technology(), OutPortTech::opt_Synth);

    opcoes.soundfonts = {"/nonexistent/a.sf2"};
    TMidiOutput sem(CriarFonteDispositivosSistema(opcoes));
    EXPECT_EQ(sem.QuantidadeDispositivos(), 0);
    EXPECT_THROW(sem.SetDeviceID(0), EmidioutputError);
}

TEST(SintetizadorSemSoundfont, UnreadableSoundfontFailsToOpenWithItsPath) {
    ConfiguracaoSintetizador c;
    c.soundfont = "/nonexistent/piano.sf2";
    c.saida = ConfiguracaoSintetizador::Saida::Offline;
    TMidiOutput porta({CriarSintetizador(c)});
    porta.SetDeviceID(0);
    EXPECT_FALSE(porta.Open());
    EXPECT_EQ(porta.UltimoErro(), TMidiOutput::ErroBackend);
    EXPECT_NE(porta.midioutErrorString(porta.UltimoErro()).find("/nonexistent/piano.sf2"),
              std::string::npos);
}

}  // namespace
