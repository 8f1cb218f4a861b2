// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli listen and devices --input through a JACK server of the test's own: a virtual
// keyboard plays chords into the tool, which names each one on a line of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "../cli/ExecutarCli.h"
#include "CaminhosTeste.h"
#include "TecladoVirtual.h"

#if TASTAVO_COM_JACK
#include "ServidorJack.h"
#endif

namespace {

using namespace std::chrono_literals;

#if TASTAVO_COM_JACK

// tastavo-cli running with its standard output and error in a pipe, read line by line as it comes.
class CliRodando {
  public:
    explicit CliRodando(const std::vector<std::string>& argumentos) {
        int canos[2];
        if (::pipe(canos) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            // Standard error too: it says when the tool listens.
            ::dup2(canos[1], 1);
            ::dup2(canos[1], 2);
            ::close(canos[0]);
            const std::string programa =
                std::string(tastavo_teste::PastaBinarios()) + "/tastavo-cli";
            std::vector<char*> argv{const_cast<char*>(programa.c_str())};
            for (const std::string& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(programa.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(canos[1]);
        leitura_ = canos[0];
    }
    ~CliRodando() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (leitura_ >= 0) ::close(leitura_);
    }
    // The next whole line, or empty when none comes within `espera`.
    std::string Linha(std::chrono::milliseconds espera = 5000ms) {
        const auto fim = std::chrono::steady_clock::now() + espera;
        for (;;) {
            if (const auto p = lido_.find('\n'); p != std::string::npos) {
                std::string linha = lido_.substr(0, p);
                lido_.erase(0, p + 1);
                return linha;
            }
            const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
                fim - std::chrono::steady_clock::now());
            if (resta.count() <= 0) return "";
            pollfd p{leitura_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(resta.count())) <= 0) return "";
            char buffer[512];
            const ssize_t n = ::read(leitura_, buffer, sizeof buffer);
            if (n <= 0) return "";
            lido_.append(buffer, static_cast<std::size_t>(n));
        }
    }
    // Interrupts it as Ctrl+C does; its exit status (-1 when it did not end by itself).
    int Interromper() {
        ::kill(pid_, SIGINT);
        for (int i = 0; i < 100; ++i) {
            int estado;
            if (::waitpid(pid_, &estado, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

  private:
    pid_t pid_ = -1;
    int leitura_ = -1;
    std::string lido_;
};

// The number devices --input gives the keyboard's port.
int NumeroDoTeclado(const TecladoVirtual& teclado) {
    const ResultadoCli r = ExecutarCli("devices --input");
    EXPECT_EQ(r.status, 0);
    std::istringstream linhas(r.saida);
    for (std::string linha; std::getline(linhas, linha);) {
        const auto tab = linha.find('\t');
        if (tab != std::string::npos &&
            linha.compare(tab + 1, teclado.PrefixoPorta().size(), teclado.PrefixoPorta()) == 0)
            return std::stoi(linha.substr(0, tab));
    }
    ADD_FAILURE() << "the keyboard is not listed:\n" << r.saida;
    return -1;
}

TEST(CliEscuta, ListenJsonNamesEachChordPlayedThroughJack) {
    ServidorJack servidor;
    if (!servidor.Pronto()) GTEST_SKIP() << "jackd cannot start here: " << servidor.Log();
    TecladoVirtual teclado(RtMidi::UNIX_JACK);
    const int numero = NumeroDoTeclado(teclado);
    ASSERT_GE(numero, 0);

    CliRodando cli({"listen", "--device", std::to_string(numero), "--json"});
    const std::string anuncio = cli.Linha();
    ASSERT_NE(anuncio.find("listening to \"" + teclado.PrefixoPorta()), std::string::npos)
        << anuncio;

    // Keys go down one after another: a line for each step that names a chord, each with
    // exactly the keys held then, the last one the whole chord.
    struct Caso {
        std::vector<int> notas;
        std::string simbolo;
        std::vector<std::string> nomes;
    };
    const std::vector<Caso> casos = {
        {{60, 64, 67}, "C", {"C4", "E4", "G4"}},
        {{45, 60, 64, 67}, "Am7", {"A2", "C4", "E4", "G4"}},
        {{58, 62, 65}, "Bb", {"Bb3", "D4", "F4"}},
    };
    for (const Caso& caso : casos) {
        teclado.Acorde(caso.notas);
        nlohmann::json linha;
        for (int i = 0; i < static_cast<int>(caso.notas.size()); ++i) {
            const std::string texto = cli.Linha();
            ASSERT_FALSE(texto.empty()) << "no line for " << caso.simbolo;
            linha = nlohmann::json::parse(texto);
            const auto notas = linha["notes"].get<std::vector<int>>();
            EXPECT_TRUE(std::equal(notas.begin(), notas.end(), caso.notas.begin())) << texto;
            if (linha["symbol"] == caso.simbolo) break;
        }
        EXPECT_EQ(linha["symbol"], caso.simbolo);
        EXPECT_EQ(linha["notes"].get<std::vector<int>>(), caso.notas);
        EXPECT_EQ(linha["note_names"].get<std::vector<std::string>>(), caso.nomes);
        teclado.Soltar(caso.notas);
    }
    // Releasing says nothing more.
    EXPECT_EQ(cli.Linha(300ms), "");
    EXPECT_EQ(cli.Interromper(), 0) << "Ctrl+C is the normal end";
}

TEST(CliEscuta, ListenRejectsADeviceThatIsNotThere) {
    const ExecucaoCli e = ExecutarCliComErros("listen --device 99");
    EXPECT_NE(e.r.status, 0);
    EXPECT_EQ(e.r.saida, "");
    EXPECT_NE(e.erros.find("MIDI input"), std::string::npos) << e.erros;
}

#endif

}  // namespace
