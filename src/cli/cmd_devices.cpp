// tastavo-cli devices: the MIDI output devices, numbered as the application numbers them.
#include <iostream>

#include "Comandos.h"
#include "LeituraEntrada.h"
#include "TMidiOutput.h"

namespace {

int Executar() {
    TMidiOutput porta;
    SaidaComando saida("devices");
    int quantidade = 0;
    for (std::int32_t numero = 0;; ++numero) {
        try {
            porta.SetDeviceID(numero);
        } catch (const EmidioutputError&) {
            break;
        }
        saida.Escrever(std::to_string(numero) + '\t' + porta.ProductName() + '\n');
        ++quantidade;
    }
    if (quantidade == 0) std::cerr << "tastavo-cli: no MIDI output device found\n";
    return saida.Terminar() ? SaidaOk : SaidaEntradaInvalida;
}

const RegistrarComando registro{
    Comando{"devices", "List the MIDI output devices: number, tab, name",
            [](CLI::App&) -> std::function<int()> { return [] { return Executar(); }; }}};

}  // namespace
