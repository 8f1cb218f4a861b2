// SPDX-License-Identifier: GPL-3.0-or-later
// The sound plugin loaded as tastavo-cli loads it, into a process that links only the sound
// library's core: the audio and MIDI libraries arrive with the plugin, and its devices and
// synthesizer work (their failures included) across the boundary.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CaminhosTeste.h"
#include "Espectro.h"
#include "MidiOutput.h"
#include "PluginSom.h"
#include "Soundfont.h"

namespace fs = std::filesystem;

namespace {

// Whether a library whose file name contains `nome` is mapped into this process.
bool Carregada(const std::string& nome) {
    std::ifstream mapas("/proc/self/maps");
    std::stringstream texto;
    texto << mapas.rdbuf();
    return texto.str().find(nome) != std::string::npos;
}

// Before any test runs: the process as tastavo-cli starts.
const bool FluidSynthAntesDoPlugin = Carregada("libfluidsynth");
const bool RtMidiAntesDoPlugin = Carregada("librtmidi");

TEST(PluginSom, TheCoreLoadsNoAudioLibraryTheLoadedPluginBringsThem) {
    EXPECT_FALSE(FluidSynthAntesDoPlugin);
    EXPECT_FALSE(RtMidiAntesDoPlugin);
    const ApiPluginSom& api = CarregarPluginSom(tastavo_teste::PastaBinarios());
    EXPECT_EQ(api.versao, VersaoApiPluginSom);
    EXPECT_EQ(&CarregarPluginSom(tastavo_teste::PastaBinarios()), &api);  // loaded once
    EXPECT_TRUE(Carregada("libfluidsynth"));
}

TEST(PluginSom, ListsTheSystemsDevicesWithTheSynthesizerFirst) {
    if (!LocalizarSoundfont(CandidatosSoundfont(tastavo_teste::PastaBinarios())))
        GTEST_SKIP() << "no General MIDI soundfont installed";
    const ApiPluginSom& api = CarregarPluginSom(tastavo_teste::PastaBinarios());
    TMidiOutput porta(api.criarFonteSistema(tastavo_teste::PastaBinarios()));
    const auto nomes = porta.ListarDispositivos();
    ASSERT_FALSE(nomes.empty());
    EXPECT_EQ(nomes.front(), Sintetizador::NomeSintetizador);
    porta.SetDeviceID(0);
    EXPECT_EQ(porta.Technology(), OutPortTech::opt_Synth);
}

TEST(PluginSom, ItsSynthesizerRendersAndReportsItsFailures) {
    const auto soundfont = LocalizarSoundfont(CandidatosSoundfont(tastavo_teste::PastaBinarios()));
    if (!soundfont) GTEST_SKIP() << "no General MIDI soundfont installed";
    const ApiPluginSom& api = CarregarPluginSom(tastavo_teste::PastaBinarios());

    ConfiguracaoSintetizador c;
    c.soundfont = *soundfont;
    c.saida = ConfiguracaoSintetizador::Saida::Offline;
    const std::shared_ptr<Sintetizador> synth = api.criarSintetizador(c);
    TMidiOutput porta({synth});
    MidiOutput tocador(&porta);
    tocador.SelecionarDispositivo(0);
    tocador.DefinirInstrumento(0);
    tocador.EnviarEvento(TMyMidiEvent{0x90, 60, 100});
    EXPECT_GT(espectro::Pico(synth->Renderizar(4800)), 0.01f);
    // The plugin's own errors reach the port with their text.
    EXPECT_THROW(synth->RenderizarArquivo(256), std::exception);
    TMyMidiEvent naoSysex;
    naoSysex.LongMessage = std::vector<std::uint8_t>{0x90, 60, 100};
    naoSysex.LongMessageLength = 3;
    EXPECT_THROW(tocador.EnviarEvento(naoSysex), MidiDesabilitadoException);

    c.soundfont = "/nonexistent/piano.sf2";
    TMidiOutput semSoundfont({api.criarSintetizador(c)});
    semSoundfont.SetDeviceID(0);
    EXPECT_FALSE(semSoundfont.Open());
    EXPECT_NE(semSoundfont.midioutErrorString(semSoundfont.UltimoErro()).find("piano.sf2"),
              std::string::npos);
}

TEST(PluginSom, AMissingOrForeignPluginIsRefusedWithItsPath) {
    const fs::path pasta =
        fs::temp_directory_path() / ("tastavo-plugin-" + std::to_string(::getpid()));
    fs::create_directories(pasta);
    struct Caso {
        const char* conteudo;  // null: no file at all
        const char* motivo;
    };
    for (const Caso& caso : {Caso{nullptr, "missing"}, Caso{"not a library", "cannot be loaded"}}) {
        fs::remove(pasta / ArquivoPluginSom);
        if (caso.conteudo) std::ofstream(pasta / ArquivoPluginSom) << caso.conteudo;
        try {
            CarregarPluginSom(pasta);
            ADD_FAILURE() << caso.motivo;
        } catch (const ErroPluginSom& e) {
            const std::string texto = e.what();
            EXPECT_NE(texto.find((pasta / ArquivoPluginSom).string()), std::string::npos) << texto;
            EXPECT_NE(texto.find(caso.motivo), std::string::npos) << texto;
        }
    }
    fs::remove_all(pasta);
}

}  // namespace
