// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli devices: the MIDI output devices, numbered as the application numbers them.
#include <iostream>

#include "Comandos.h"
#include "Instalacao.h"
#include "LeituraEntrada.h"
#include "PluginSom.h"
#include "TMidiOutput.h"

namespace {

int Executar() {
    const std::filesystem::path pasta = PastaInstalacao();
    const ApiPluginSom* som = nullptr;
    try {
        som = &CarregarPluginSom(pasta);
    } catch (const ErroPluginSom& e) {
        std::cerr << "tastavo-cli: " << e.what() << '\n';
        return SaidaEntradaInvalida;
    }
    const TMidiOutput porta(som->criarFonteSistema(pasta));
    const std::vector<std::string> nomes = porta.ListarDispositivos();
    SaidaComando saida("devices");
    for (std::size_t numero = 0; numero < nomes.size(); ++numero)
        saida.Escrever(std::to_string(numero) + '\t' + nomes[numero] + '\n');
    if (nomes.empty()) std::cerr << "tastavo-cli: no MIDI output device found\n";
    return saida.Terminar() ? SaidaOk : SaidaEntradaInvalida;
}

const RegistrarComando registro{
    Comando{"devices", "List the MIDI output devices: number, tab, name",
            [](CLI::App&) -> std::function<int()> { return [] { return Executar(); }; }}};

}  // namespace
