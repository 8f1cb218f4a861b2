// tastavo-cli collect: the chords of a chord chart that go to the print list, one a line.
#include <iostream>
#include <optional>
#include <string>

#include "AcordesParaImpressao.h"
#include "ColecaoAcordeImpressao.h"
#include "Comandos.h"
#include "GeradorAcordesTeclado.h"
#include "LeituraEntrada.h"
#include "MusicaCifrada.h"
#include "Utf8.h"

namespace {

int Executar(bool unicos, const std::string& arquivo) {
    std::string erro;
    const std::optional<std::string> bytes = LerEntrada(arquivo, erro);
    if (!bytes) {
        std::cerr << "tastavo-cli collect: cannot read " << (arquivo.empty() ? "-" : arquivo)
                  << ": " << erro << "\n";
        return SaidaUso;
    }
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    std::vector<std::string> acordes =
        AcordesParaImpressao(ColetarAcordes(DividirLinhas(utf8::DecodificarTexto(*bytes))),
                             [&gerador](std::string_view c) { return gerador.PodeGerar(c); });
    if (unicos) acordes = PrimeirasOcorrencias(acordes);
    std::string saida;
    for (const std::string& acorde : acordes) {
        saida += acorde;
        saida += '\n';
    }
    return EscreverSaida(saida, "collect") ? SaidaOk : SaidaEntradaInvalida;
}

const RegistrarComando registro{
    Comando{"collect",
            "List the chords of a chord chart (FILE or standard input) that go to the print list",
            [](CLI::App& sub) -> std::function<int()> {
                auto unicos = std::make_shared<bool>(false);
                auto arquivo = std::make_shared<std::string>();
                sub.add_flag("--unique", *unicos,
                             "Each chord only at its first occurrence (letter case ignored)");
                sub.add_option("FILE", *arquivo,
                               "Chart file (UTF-8 or Windows-1252); standard input "
                               "when absent or \"-\"");
                return [=] { return Executar(*unicos, *arquivo); };
            }}};

}  // namespace
