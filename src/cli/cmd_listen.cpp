// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli listen: names the chords played on a MIDI keyboard, one line per chord, until
// interrupted.
#include <csignal>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "CatalogoInstalado.h"
#include "Comandos.h"
#include "Instalacao.h"
#include "LeituraEntrada.h"
#include "NomeadorAcordes.h"
#include "OuvinteAcordes.h"
#include "PluginSom.h"
#include "RotuloTecla.h"
#include "TMidiInput.h"

namespace {

volatile std::sig_atomic_t g_interrompido = 0;

void Interromper(int) { g_interrompido = 1; }

// The note as a player reads it, spelled as the chord's root is (sharps unless the root is
// written with a flat), with its octave (60 is C4).
std::string NomeNota(std::string_view cifra, int nota) {
    return std::string(RotuloTecla(cifra, nota % 12, 0, ModoVisualizacao::Notas)) +
           std::to_string(nota / 12 - 1);
}

std::string Linha(const AcordeTocado& acorde, bool json) {
    const std::string_view cifra = acorde.nome.Cifra();
    if (json) {
        nlohmann::json notas = nlohmann::json::array();
        nlohmann::json nomes = nlohmann::json::array();
        for (int n = 0; n < 128; ++n) {
            if (!acorde.Contem(n)) continue;
            notas.push_back(n);
            nomes.push_back(NomeNota(cifra, n));
        }
        // One line per chord (JSON Lines), so a reader can act on each as it comes.
        const nlohmann::json objeto = {
            {"symbol", std::string(cifra)}, {"notes", notas}, {"note_names", nomes}};
        return objeto.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
    }
    std::string linha(cifra);
    char separador = '\t';
    for (int n = 0; n < 128; ++n) {
        if (!acorde.Contem(n)) continue;
        linha += separador;
        linha += NomeNota(cifra, n);
        separador = ' ';
    }
    return linha + '\n';
}

int Executar(int dispositivo, bool json) {
    const std::filesystem::path pasta = PastaInstalacao();
    const ApiPluginSom* som = nullptr;
    try {
        som = &CarregarPluginSom(pasta);
    } catch (const ErroPluginSom& e) {
        std::cerr << "tastavo-cli: listen: " << e.what() << '\n';
        return SaidaEntradaInvalida;
    }
    TMidiInput entrada(som->criarFonteEntradas());
    const std::vector<std::string> nomes = entrada.ListarDispositivos();
    if (nomes.empty()) {
        std::cerr << "tastavo-cli: listen: no MIDI input device found\n";
        return SaidaEntradaInvalida;
    }
    if (dispositivo < 0 || static_cast<std::size_t>(dispositivo) >= nomes.size()) {
        std::cerr << "tastavo-cli: listen: no MIDI input device " << dispositivo << " (there are "
                  << nomes.size() << "; see devices --input)\n";
        return SaidaUso;
    }
    try {
        if (!entrada.Abrir(dispositivo)) {
            std::cerr << "tastavo-cli: listen: the MIDI input \""
                      << nomes[static_cast<std::size_t>(dispositivo)] << "\" cannot be opened\n";
            return SaidaEntradaInvalida;
        }
    } catch (const EmidiinputError& e) {
        std::cerr << "tastavo-cli: listen: " << e.what() << '\n';
        return SaidaEntradaInvalida;
    }
    const NomeadorAcordes nomeador(CatalogoInstalado("listen"));
    OuvinteAcordes ouvinte(nomeador);

#if defined(_WIN32)
    std::signal(SIGINT, Interromper);
    std::signal(SIGTERM, Interromper);
#else
    // Without SA_RESTART, so that a wait for the next message ends at once.
    struct sigaction acao {};
    acao.sa_handler = Interromper;
    sigemptyset(&acao.sa_mask);
    ::sigaction(SIGINT, &acao, nullptr);
    ::sigaction(SIGTERM, &acao, nullptr);
#endif
    std::cerr << "tastavo-cli: listen: listening to \"" << entrada.NomeAberto()
              << "\"; Ctrl+C ends\n";

    SaidaComando saida("listen");
    AcordeTocado impresso;
    bool escrita = true;
    while (!g_interrompido && escrita) {
        if (!entrada.EsperarMensagem(std::chrono::milliseconds(100))) continue;
        entrada.ProcessarMensagens([&](std::span<const std::uint8_t> mensagem) {
            if (ouvinte.Receber(mensagem) != OuvinteAcordes::Mudanca::Segurado) return;
            // One line per chord: a key going down that adds nothing new says nothing.
            if (ouvinte.Segurado().notas == impresso.notas) return;
            impresso = ouvinte.Segurado();
            // Each chord as it comes, also through a pipe.
            escrita = escrita && saida.Escrever(Linha(impresso, json)) && std::fflush(stdout) == 0;
        });
    }
    return saida.Terminar() ? SaidaOk : SaidaEntradaInvalida;
}

const RegistrarComando registro{Comando{
    "listen", "Name the chords played on a MIDI keyboard, one line per chord, until interrupted",
    [](CLI::App& sub) -> std::function<int()> {
        auto dispositivo = std::make_shared<int>(0);
        auto json = std::make_shared<bool>(false);
        sub.add_option("--device", *dispositivo,
                       "The MIDI input to listen to, numbered as the input list of the devices "
                       "command shows it")
            ->capture_default_str();
        sub.add_flag("--json", *json,
                     "One JSON object per chord: the symbol, the MIDI notes and their names");
        sub.footer("Each line: the chord's symbol, a tab, the notes held (C4 is MIDI note 60).");
        return [dispositivo, json] { return Executar(*dispositivo, *json); };
    }}};

}  // namespace
