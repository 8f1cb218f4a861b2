// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli play: sounds one position of a chord as the listen button does, on a MIDI output
// device or rendered offline into a WAV file by the built-in synthesizer.
#include <charconv>
#include <chrono>
#include <cmath>
#include <iostream>
#include <sstream>
#include <thread>

#include "Comandos.h"
#include "ConstantesMidi.h"
#include "GeradorAcordesTeclado.h"
#include "Instalacao.h"
#include "LeituraEntrada.h"
#include "MidiOutput.h"
#include "PluginSom.h"
#include "SaidaAcordes.h"
#include "Soundfont.h"

namespace {

struct Opcoes {
    std::string cifra;
    std::optional<int> dispositivo;
    int instrumento = 24;  // the application's default keyboard instrument
    int posicao = 0;
    double segundos = 1.5;
    std::string wav;
};

// Long enough for the release of a General MIDI voice to die away.
constexpr double SegundosSoltura = 1.0;

std::uint8_t Nota(int tecla) { return midi::NotaDaTecla(tecla); }

// Sends the chord; `segurar` keeps it sounding between the note-ons and the note-offs.
// Throws MidiDesabilitadoException.
template <typename Segurar>
void Tocar(MidiOutput& tocador, const Opcoes& o, const std::vector<int>& teclas, Segurar segurar) {
    tocador.DefinirInstrumento(o.instrumento);
    for (int k : teclas)
        tocador.EnviarEvento(TMyMidiEvent{midi::StatusNotaLigada, Nota(k),
                                          static_cast<std::uint8_t>(tocador.ObterVelocidade())});
    segurar(o.segundos);
    for (auto it = teclas.rbegin(); it != teclas.rend(); ++it) tocador.DesligarNota(Nota(*it));
}

std::string Descrever(const AcordeTeclado& acorde, const Opcoes& o,
                      const std::vector<int>& teclas) {
    const auto& p = acorde.Posicao(o.posicao);
    std::ostringstream s;
    s << acorde.Nome() << "  position " << o.posicao << " (" << o.posicao + 1 << " of "
      << acorde.QuantidadePosicoes() << ")  notes";
    for (int k : p.TeclasPressionadas())
        s << ' ' << saida::Rotulo(acorde.Nome(), k, p.DedoDaTecla(k), ModoVisualizacao::Notas)
          << (Nota(k) / 12 - 1);
    s << "  MIDI";
    for (int k : teclas) s << ' ' << int(Nota(k));
    s << "  instrument " << o.instrumento << ", " << o.segundos << " s";
    return s.str();
}

// The number of seconds a chord is held: a finite number in range. NaN slips through a plain
// range check, and an endless rendering would fill the disk.
const CLI::Validator Segundos(
    [](std::string& valor) -> std::string {
        double segundos = 0;
        const auto [fim, erro] =
            std::from_chars(valor.data(), valor.data() + valor.size(), segundos);
        if (valor.empty() || erro != std::errc{} || fim != valor.data() + valor.size() ||
            !std::isfinite(segundos) || segundos < 0.01 || segundos > 600) {
            return "must be a number of seconds from 0.01 to 600, not \"" + valor + "\"";
        }
        return {};
    },
    "0.01-600", "SECONDS");

const CLI::Validator NumeroNatural(
    [](std::string& valor) -> std::string {
        if (valor.empty() || valor.size() > 9 ||
            valor.find_first_not_of("0123456789") != std::string::npos) {
            return "must be a whole number from 0 up, not \"" + valor + "\"";
        }
        return {};
    },
    "", "N");

const CLI::Validator NomeArquivo(
    [](std::string& valor) -> std::string {
        return valor.empty() ? "needs a file name" : std::string{};
    },
    "", "FILE");

int Falhar(const std::string& texto) {
    std::cerr << "tastavo-cli: " << texto << '\n';
    return SaidaEntradaInvalida;
}

// Writes what was played; a failure to write it fails the command.
int Relatar(const std::string& texto) {
    SaidaComando saida("play");
    saida.Escrever(texto);
    return saida.Terminar() ? SaidaOk : SaidaEntradaInvalida;
}

int TocarAoVivo(const ApiPluginSom& som, const Opcoes& o, const std::vector<int>& teclas,
                const std::string& descricao) {
    TMidiOutput porta(som.criarFonteSistema(PastaInstalacao()));
    MidiOutput tocador(&porta);
    try {
        if (o.dispositivo)
            tocador.SelecionarDispositivo(*o.dispositivo);
        else
            tocador.SelecionarPrimeiroDispositivo();
    } catch (const MidiDesabilitadoException&) {
        if (o.dispositivo)
            return Falhar("no MIDI output device " + std::to_string(*o.dispositivo) +
                          " (tastavo-cli devices lists them)");
        return Falhar("no MIDI output device found");
    }
    const std::string nome = porta.ProductName();
    const auto indisponivel = [&] {
        return Falhar("sound is not available on device " + std::to_string(porta.DeviceID()) +
                      " (" + nome + "): " + porta.midioutErrorString(porta.UltimoErro()));
    };
    if (porta.Estado() != midioutputState::mosOpen) return indisponivel();  // says why it failed
    try {
        Tocar(tocador, o, teclas,
              [](double s) { std::this_thread::sleep_for(std::chrono::duration<double>(s)); });
    } catch (const MidiDesabilitadoException&) {
        return indisponivel();
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(SegundosSoltura));
    return Relatar(descricao + "  on " + std::to_string(porta.DeviceID()) + ' ' + nome + '\n');
}

int RenderizarWav(const ApiPluginSom& som, const Opcoes& o, const std::vector<int>& teclas,
                  const std::string& descricao) {
    std::vector<std::string> avisos;
    const auto soundfont = LocalizarSoundfont(CandidatosSoundfont(PastaInstalacao()), &avisos);
    for (const auto& aviso : avisos) std::cerr << "tastavo-cli: play: " << aviso << '\n';
    if (!soundfont) return Falhar("no General MIDI soundfont found for the built-in synthesizer");
    ConfiguracaoSintetizador c;
    c.soundfont = *soundfont;
    c.saida = ConfiguracaoSintetizador::Saida::Offline;
    c.arquivoWav = o.wav;
    const std::shared_ptr<Sintetizador> synth = som.criarSintetizador(c);
    TMidiOutput porta({synth});
    MidiOutput tocador(&porta);
    const auto quadros = [&](double s) {
        return static_cast<std::size_t>(std::lround(s * synth->TaxaAmostragem()));
    };
    try {
        tocador.SelecionarDispositivo(0);
        if (porta.Estado() != midioutputState::mosOpen)
            return Falhar(o.wav + ": " + porta.midioutErrorString(porta.UltimoErro()));
        Tocar(tocador, o, teclas, [&](double s) { synth->RenderizarArquivo(quadros(s)); });
        synth->RenderizarArquivo(quadros(SegundosSoltura));
        porta.Close();  // completes the file
    } catch (const std::exception& e) {
        return Falhar(o.wav + ": " + e.what());
    }
    std::ostringstream relato;
    relato << descricao << "  into " << o.wav << " ("
           << double(synth->QuadrosRenderizados()) / synth->TaxaAmostragem() << " s at "
           << synth->TaxaAmostragem() << " Hz)\n";
    return Relatar(relato.str());
}

int Executar(const Opcoes& o) {
    std::unique_ptr<AcordeTeclado> acorde;
    try {
        acorde = GeradorAcordesTeclado::Instancia().GerarAcorde(o.cifra);
    } catch (const std::exception& e) {
        return Falhar(o.cifra + ": " + saida::DescreverErro(e).mensagem);
    }
    if (o.posicao >= acorde->QuantidadePosicoes())
        return Falhar(o.cifra + ": no position " + std::to_string(o.posicao) + " (positions 0 to " +
                      std::to_string(acorde->QuantidadePosicoes() - 1) + ")");
    const auto teclas = acorde->Posicao(o.posicao).TeclasEmOrdemDeAtaque();
    const std::string descricao = Descrever(*acorde, o, teclas);
    // The audio and MIDI libraries come with the plugin, only now that there is sound to make.
    const ApiPluginSom* som = nullptr;
    try {
        som = &CarregarPluginSom(PastaInstalacao());
    } catch (const ErroPluginSom& e) {
        return Falhar(e.what());
    }
    return o.wav.empty() ? TocarAoVivo(*som, o, teclas, descricao)
                         : RenderizarWav(*som, o, teclas, descricao);
}

const RegistrarComando registro{Comando{
    "play", "Sound one position of a chord, live or into a WAV file",
    [](CLI::App& sub) -> std::function<int()> {
        auto o = std::make_shared<Opcoes>();
        auto* dispositivo = sub.add_option("--device", o->dispositivo,
                                           "Output device number (tastavo-cli devices); default: "
                                           "the first one");
        sub.add_option("--instrument", o->instrumento, "General MIDI program 0-127")
            ->check(CLI::Range(0, 127))
            ->capture_default_str();
        sub.add_option("--position", o->posicao, "Position of the chord, 0 the first")
            ->check(NumeroNatural)
            ->capture_default_str();
        sub.add_option("--seconds", o->segundos, "How long the chord is held")
            ->check(Segundos)
            ->capture_default_str();
        sub.add_option("--wav", o->wav,
                       "Render offline with the built-in synthesizer into this WAV file")
            ->check(NomeArquivo)
            ->excludes(dispositivo);
        sub.add_option("SYMBOL", o->cifra, "Chord symbol, such as C7M(9)/E")->required();
        return [o] { return Executar(*o); };
    }}};

}  // namespace
