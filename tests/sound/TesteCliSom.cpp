// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli devices and play, run as a user runs them; the WAV that play writes is measured.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../cli/ExecutarCli.h"
#include "CaminhosTeste.h"
#include "Espectro.h"
#include "GeradorAcordesTeclado.h"
#include "Soundfont.h"
#include "Utf8.h"

namespace fs = std::filesystem;

namespace {

struct Wav {
    int canais = 0;
    int taxa = 0;
    std::vector<float> mono;
    double Segundos() const { return double(mono.size()) / taxa; }
};

std::uint32_t Le32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// Reads a 16-bit PCM WAV file into mono samples; empty on anything else.
Wav LerWav(const fs::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    Wav w;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return w;
    int bits = 0;
    for (std::size_t p = 12; p + 8 <= b.size();) {
        const std::string id = b.substr(p, 4);
        const std::uint32_t tamanho = Le32(&b[p + 4]);
        const char* dados = &b[p + 8];
        if (id == "fmt ") {
            w.canais = static_cast<unsigned char>(dados[2]);
            w.taxa = static_cast<int>(Le32(dados + 4));
            bits = static_cast<unsigned char>(dados[14]);
        } else if (id == "data" && bits == 16 && w.canais > 0) {
            const std::size_t n = std::min<std::size_t>(tamanho, b.size() - p - 8) / 2;
            for (std::size_t i = 0; i + w.canais <= n; i += w.canais) {
                float soma = 0;
                for (int c = 0; c < w.canais; ++c) {
                    std::int16_t v;
                    std::memcpy(&v, dados + 2 * (i + c), 2);
                    soma += float(v) / 32768.0f;
                }
                w.mono.push_back(soma / float(w.canais));
            }
        }
        p += 8 + tamanho + (tamanho & 1);
    }
    return w;
}

class CliSom : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!LocalizarSoundfont(CandidatosSoundfont(tastavo_teste::PastaBinarios())))
            GTEST_SKIP() << "no General MIDI soundfont installed";
        pasta_ = fs::temp_directory_path() / ("tastavo-cli-som-" + std::to_string(::getpid()));
        fs::create_directories(pasta_);
    }
    void TearDown() override {
        if (!pasta_.empty()) fs::remove_all(pasta_);
    }
    fs::path pasta_;
};

TEST_F(CliSom, DevicesListsTheBuiltInSynthesizerFirst) {
    const auto r = ExecutarCli("devices");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.saida.rfind("0\tBuilt-in synthesizer\n", 0), 0u) << r.saida;
    std::istringstream linhas(r.saida);
    int esperado = 0;
    for (std::string linha; std::getline(linhas, linha); ++esperado) {
        const std::string numero = std::to_string(esperado) + "\t";
        EXPECT_EQ(linha.rfind(numero, 0), 0u) << linha;
        const std::string nome = linha.substr(std::min(numero.size(), linha.size()));
        EXPECT_FALSE(nome.empty()) << linha;
        EXPECT_LE(utf8::ContarCaracteres(nome), 31u) << linha;
    }
}

TEST_F(CliSom, PlayIntoWavSoundsTheNotesOfThePosition) {
    struct Caso {
        std::string opcoes, cifra;
        int posicao;
        double segundos;
    };
    const Caso casos[] = {
        {"", "C7", 0, 1.5},
        {"--position 1 --seconds 0.6 --instrument 0", "Dm7(9)", 1, 0.6},
    };
    for (const auto& c : casos) {
        const fs::path wav = pasta_ / "acorde.wav";
        const auto r =
            ExecutarCli("play " + c.opcoes + " --wav '" + wav.string() + "' '" + c.cifra + "'");
        ASSERT_EQ(r.status, 0) << c.cifra;
        EXPECT_NE(r.saida.find(wav.string()), std::string::npos) << r.saida;

        const Wav w = LerWav(wav);
        ASSERT_GT(w.taxa, 0) << "not a 16-bit WAV file";
        // Held for the given time, then a second for the release, in whole periods.
        EXPECT_NEAR(w.Segundos(), c.segundos + 1.0, 0.02);

        std::vector<int> notas;
        for (int k : GeradorAcordesTeclado::Instancia()
                         .GerarAcorde(c.cifra)
                         ->Posicao(c.posicao)
                         .TeclasPressionadas())
            notas.push_back(k + 48);
        const auto inicio = w.mono.begin() + w.taxa / 10;  // past the attack
        const std::vector<float> sustentado(inicio,
                                            inicio + static_cast<long>(c.segundos * w.taxa * 0.8));
        EXPECT_GT(espectro::Destaque(sustentado, notas, w.taxa), 100.0) << c.cifra;

        const auto n = w.mono.size();
        const std::size_t decimo = static_cast<std::size_t>(w.taxa / 10);
        EXPECT_LT(espectro::Rms(w.mono, n - decimo, n),
                  0.05 * espectro::Rms(sustentado, 0, sustentado.size()))
            << "still sounding after the note-offs";
    }
}

// Runs `comando` through the shell; its standard output and exit status, standard error after it.
ResultadoCli Rodar(const std::string& comando) {
    ResultadoCli r;
    FILE* p = popen((comando + " 2>&1").c_str(), "r");
    if (p == nullptr) return r;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;) r.saida.append(buffer, n);
    const int estado = pclose(p);
    r.status = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return r;
}

TEST(CliSemSom, LinksNoAudioOrMidiLibrary) {
    const auto r = Rodar(std::string("ldd '") + tastavo_teste::PastaBinarios() + "/tastavo-cli'");
    ASSERT_EQ(r.status, 0) << r.saida;
    for (const char* biblioteca : {"fluidsynth", "rtmidi", "asound", "jack"})
        EXPECT_EQ(r.saida.find(biblioteca), std::string::npos) << biblioteca << " in\n" << r.saida;
}

TEST_F(CliSom, FindsThePluginFromItsOwnRealPathAndSaysWhenItIsMissing) {
    const fs::path bin = fs::path(tastavo_teste::PastaBinarios()) / "tastavo-cli";
    // Started through a link elsewhere, it is still the installation's program.
    fs::create_symlink(bin, pasta_ / "ligacao");
    const auto ligado = Rodar("'" + (pasta_ / "ligacao").string() + "' devices");
    EXPECT_EQ(ligado.status, 0) << ligado.saida;
    EXPECT_EQ(ligado.saida.rfind("0\tBuilt-in synthesizer\n", 0), 0u) << ligado.saida;

    // A copy without the plugin beside it: the commands that sound say so, the others work.
    fs::copy_file(bin, pasta_ / "tastavo-cli");
    const std::string copia = "'" + (pasta_ / "tastavo-cli").string() + "'";
    for (const std::string& comando : {copia + " devices", copia + " play --wav x.wav C"}) {
        const auto r = Rodar(comando);
        EXPECT_EQ(r.status, 1) << comando;
        EXPECT_EQ(r.saida, "tastavo-cli: the sound plugin " + (pasta_ / "tastavo-som.so").string() +
                               " is missing: sound needs it beside the executable\n")
            << comando;
    }
    const auto parse = Rodar(copia + " parse C");
    EXPECT_EQ(parse.status, 0);
    EXPECT_EQ(parse.saida, "C\t4608\n");
}

TEST_F(CliSom, PlayRejectsBadInputWithOneLine) {
    struct Caso {
        std::string argumentos;
        int status;
    };
    const std::string wav = "'" + (pasta_ / "x.wav").string() + "'";
    const Caso casos[] = {
        {"play --wav " + wav + " H7", 1},
        {"play --wav " + wav + " --position 9 C7", 1},
        {"play --wav /nonexistent-folder/x.wav C7", 1},
        {"play --device 999 C7", 1},
        {"play --instrument 128 --wav " + wav + " C7", 2},
        {"play --device 0 --wav " + wav + " C7", 2},
        {"play --seconds 0 --wav " + wav + " C7", 2},
        {"play", 2},
        // Not a finite number: NaN passes a plain range check and would render without end.
        {"play --seconds nan --wav " + wav + " C7", 2},
        {"play --seconds inf --wav " + wav + " C7", 2},
        {"play --seconds -inf --wav " + wav + " C7", 2},
        {"play --seconds 1e999 --wav " + wav + " C7", 2},
        {"play --position -1 --wav " + wav + " C7", 2},
        {"play --position 1e3 --wav " + wav + " C7", 2},
        // An empty file name is refused, not taken as "play live".
        {"play --wav '' C7", 2},
    };
    const fs::path erros = pasta_ / "erros.txt";
    for (const auto& c : casos) {
        const auto r = ExecutarCli(c.argumentos, erros.string());
        EXPECT_EQ(r.status, c.status) << c.argumentos;
        EXPECT_EQ(r.saida, "") << c.argumentos;
        if (c.status == 1) {
            std::ifstream f(erros);
            const std::string texto((std::istreambuf_iterator<char>(f)),
                                    std::istreambuf_iterator<char>());
            EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 1)
                << c.argumentos << ": " << texto;
            EXPECT_EQ(texto.rfind("tastavo-cli: ", 0), 0u) << texto;
        } else {
            // One short line that says what is wrong, and its hint.
            std::ifstream f(erros);
            std::string linha;
            std::getline(f, linha);
            EXPECT_LT(linha.size(), 100u) << c.argumentos << ": " << linha;
        }
        EXPECT_FALSE(fs::exists(pasta_ / "x.wav")) << c.argumentos;
    }
}

}  // namespace
