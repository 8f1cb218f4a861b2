// SPDX-License-Identifier: GPL-3.0-or-later
#include "DriversAudio.h"

#include <fluidsynth.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <system_error>

#include "BibliotecasSilenciosas.h"
#include "Servicos.h"
#include "Sintetizador.h"

namespace fs = std::filesystem;

namespace drivers_audio {
namespace {

// The outputs registered with FluidSynth, fixed by PrepararFluidSynth.
std::vector<std::string>& Registrados() {
    static std::vector<std::string> registrados;
    return registrados;
}

std::string Variavel(const char* nome) {
    const char* valor = std::getenv(nome);
    return valor ? valor : "";
}

// Where the desktop session's servers keep their sockets.
fs::path PastaExecucao() {
    const std::string xdg = Variavel("XDG_RUNTIME_DIR");
    return xdg.empty() ? fs::path("/run/user") / std::to_string(::getuid()) : fs::path(xdg);
}

bool PipeWireResponde() {
    std::string remoto = Variavel("PIPEWIRE_REMOTE");
    if (remoto.empty()) remoto = "pipewire-0";
    if (remoto.front() == '/') return servicos::SocketResponde(remoto);
    const std::string pasta = Variavel("PIPEWIRE_RUNTIME_DIR");
    return servicos::SocketResponde((pasta.empty() ? PastaExecucao() : fs::path(pasta)) / remoto);
}

bool PulseAudioResponde() {
    const std::string servidores = Variavel("PULSE_SERVER");
    if (servidores.empty()) {
        const std::string pasta = Variavel("PULSE_RUNTIME_PATH");
        return servicos::SocketResponde(
            (pasta.empty() ? PastaExecucao() / "pulse" : fs::path(pasta)) / "native");
    }
    // A list of servers, each "unix:PATH", a path, or a network address, perhaps after a
    // "{machine}" prefix.
    std::istringstream lista(servidores);
    for (std::string servidor; lista >> servidor;) {
        if (servidor.front() == '{') {
            const auto fim = servidor.find('}');
            if (fim == std::string::npos) continue;
            servidor.erase(0, fim + 1);
        }
        if (servidor.rfind("unix:", 0) == 0) servidor.erase(0, 5);
        if (servidor.empty()) continue;
        if (servidor.front() != '/') return true;  // over the network: PulseAudio itself will try
        if (servicos::SocketResponde(servidor)) return true;
    }
    return false;
}

// A playback device of a sound card: /dev/snd/pcmC<card>D<device>p.
bool ReproducaoAlsa() {
    std::error_code erro;
    for (fs::directory_iterator it("/dev/snd", erro), fim; !erro && it != fim; it.increment(erro)) {
        const std::string nome = it->path().filename().string();
        if (nome.rfind("pcmC", 0) == 0 && nome.back() == 'p') return true;
    }
    return false;
}

bool PodeTocar(const std::string& driver) {
    if (driver == "pipewire") return PipeWireResponde();
    if (driver == "pulseaudio") return PulseAudioResponde();
    if (driver == "alsa") return ReproducaoAlsa();
    if (driver == "jack") return servicos::ServidorJackResponde();
    return true;
}

}  // namespace

void PrepararFluidSynth() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        SilenciarBibliotecas();
        // Registering a name FluidSynth lacks fails and changes nothing: each is asked alone.
        std::vector<const char*> nomes;
        for (const std::string& driver : ConfiguracaoSintetizador{}.driversAudio) {
            const char* um[] = {driver.c_str(), nullptr};
            if (fluid_audio_driver_register(um) == FLUID_OK) Registrados().push_back(driver);
        }
        for (const std::string& driver : Registrados()) nomes.push_back(driver.c_str());
        nomes.push_back(nullptr);
        fluid_audio_driver_register(nomes.data());
    });
}

std::vector<std::string> Presentes(const std::vector<std::string>& ordem) {
    PrepararFluidSynth();
    std::vector<std::string> presentes;
    for (const std::string& driver : ordem) {
        const auto& registrados = Registrados();
        if (std::find(registrados.begin(), registrados.end(), driver) == registrados.end())
            continue;
        if (PodeTocar(driver)) presentes.push_back(driver);
    }
    return presentes;
}

}  // namespace drivers_audio
