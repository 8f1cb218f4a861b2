// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli devices: the MIDI output devices (or with --input the input devices), numbered
// as the application numbers them.
#include <iostream>
#include <memory>

#include "Comandos.h"
#include "Instalacao.h"
#include "LeituraEntrada.h"
#include "PluginSom.h"
#include "TMidiInput.h"
#include "TMidiOutput.h"

namespace {

int Executar(bool entradas) {
    const std::filesystem::path pasta = PastaInstalacao();
    const ApiPluginSom* som = nullptr;
    try {
        som = &CarregarPluginSom(pasta);
    } catch (const ErroPluginSom& e) {
        std::cerr << "tastavo-cli: " << e.what() << '\n';
        return SaidaEntradaInvalida;
    }
    const std::vector<std::string> nomes =
        entradas ? TMidiInput(som->criarFonteEntradas()).ListarDispositivos()
                 : TMidiOutput(som->criarFonteSistema(pasta)).ListarDispositivos();
    SaidaComando saida("devices");
    for (std::size_t numero = 0; numero < nomes.size(); ++numero)
        saida.Escrever(std::to_string(numero) + '\t' + nomes[numero] + '\n');
    if (nomes.empty())
        std::cerr << "tastavo-cli: no MIDI " << (entradas ? "input" : "output")
                  << " device found\n";
    return saida.Terminar() ? SaidaOk : SaidaEntradaInvalida;
}

const RegistrarComando registro{Comando{
    "devices", "List the MIDI output devices (or input devices): number, tab, name",
    [](CLI::App& sub) -> std::function<int()> {
        auto entradas = std::make_shared<bool>(false);
        sub.add_flag("--input", *entradas, "List the MIDI input devices, as listen numbers them");
        return [entradas] { return Executar(*entradas); };
    }}};

}  // namespace
