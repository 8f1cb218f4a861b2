// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli convert: a chord chart between chords over lyrics and ChordPro.
#include <memory>
#include <string>

#include "ChordPro.h"
#include "Comandos.h"
#include "LeituraArquivo.h"
#include "LeituraEntrada.h"

namespace {

int Executar(const std::string& formato, const std::string& arquivo) {
    std::string texto;
    bool marca = false;
    bool grande = false;
    const bool lido = LerEntradaEmPartes(
        arquivo, "convert",
        [&](std::string_view parte, bool marcaOrdem) {
            marca = marcaOrdem;
            texto += parte;
            return true;
        },
        &grande, LimiteEntradaCifra);
    if (!lido) return grande ? SaidaEntradaInvalida : SaidaArquivoIlegivel;
    // The song keeps its line ends and its byte-order mark.
    const std::string fimLinha = FimLinhaDe(texto);
    SaidaComando saida("convert");
    saida.Escrever(marca ? "\xEF\xBB\xBF" : "");
    saida.Escrever(formato == "chordpro" ? chordpro::ParaChordPro(texto, fimLinha)
                                         : chordpro::ParaTexto(texto, fimLinha));
    return saida.Terminar() ? SaidaOk : SaidaEntradaInvalida;
}

const RegistrarComando registro{Comando{
    "convert",
    "Convert a chord chart (FILE or standard input) to ChordPro or to chords over lyrics",
    [](CLI::App& sub) -> std::function<int()> {
        auto formato = std::make_shared<std::string>();
        auto arquivo = std::make_shared<std::string>();
        sub.add_option("--to", *formato,
                       "chordpro: chords over lyrics become inline [chords] and {directives}; "
                       "text: inline chords are lifted onto a line over their syllables")
            ->required()
            ->check(CLI::IsMember({"chordpro", "text"}));
        sub.add_option("FILE", *arquivo,
                       "Chart file (UTF-8 or Windows-1252); standard input when absent or \"-\"");
        return [=] { return Executar(*formato, *arquivo); };
    }}};

}  // namespace
