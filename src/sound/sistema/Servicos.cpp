// SPDX-License-Identifier: GPL-3.0-or-later
#include "Servicos.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <system_error>

#if TASTAVO_COM_ALSA
#include <alsa/asoundlib.h>
#endif
#if TASTAVO_COM_JACK
#include <jack/jack.h>
#endif

#include "BibliotecasSilenciosas.h"

namespace servicos {
namespace {

[[maybe_unused]] bool Existe(const std::filesystem::path& caminho) {
    std::error_code erro;
    return std::filesystem::exists(caminho, erro);
}

// JACK servers keep their sockets in /dev/shm (JACK1 under jack-<uid>/<server>/, JACK2 as
// jack_<server>_<uid>_*). Without any there, no server runs, and libjack need not be asked:
// JACK1's asks "jackd -l" where the sockets are, starting two programs in every process.
[[maybe_unused]] bool RastroJack() {
    std::error_code erro;
    for (std::filesystem::directory_iterator it("/dev/shm", erro), fim; !erro && it != fim;
         it.increment(erro))
        if (it->path().filename().string().rfind("jack", 0) == 0) return true;
    return false;
}

}  // namespace

bool SequenciadorAlsaResponde() {
#if TASTAVO_COM_ALSA
    // The sequencer is a kernel device: without it, ALSA's configuration need not be read.
    if (!Existe("/dev/snd/seq")) return false;
    SilenciarBibliotecas();
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) return false;
    snd_seq_close(seq);
    return true;
#else
    return false;
#endif
}

bool ServidorJackResponde() {
#if TASTAVO_COM_JACK
    if (!RastroJack()) return false;
    SilenciarBibliotecas();
    jack_status_t estado;
    jack_client_t* cliente = jack_client_open("tastavo-probe", JackNoStartServer, &estado);
    if (!cliente) return false;
    jack_client_close(cliente);
    return true;
#else
    return false;
#endif
}

bool SocketResponde(const std::filesystem::path& caminho) {
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    const std::string texto = caminho.string();
    if (texto.empty() || texto.size() >= sizeof(endereco.sun_path)) return false;
    std::memcpy(endereco.sun_path, texto.c_str(), texto.size() + 1);
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    const bool conectou =
        ::connect(s, reinterpret_cast<const sockaddr*>(&endereco), sizeof(endereco)) == 0;
    ::close(s);
    return conectou;
}

}  // namespace servicos
