// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli collect: the chords of a chord chart that go to the print list, one a line.
#include <optional>
#include <string>

#include "AcordesParaImpressao.h"
#include "CifraEmPartes.h"
#include "ColecaoAcordeImpressao.h"
#include "Comandos.h"
#include "GeradorAcordesTeclado.h"
#include "LeituraEntrada.h"

namespace {

int Executar(bool unicos, const std::string& arquivo) {
    // Read, collected and written a block at a time: memory stays flat whatever the length.
    ColetaContinua coleta;
    AvisarLinhasRetidas(coleta);
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    SelecaoAcordesImpressao selecao(
        [&gerador](std::string_view c) { return gerador.PodeGerar(c); });
    std::optional<FiltroPrimeirasOcorrencias> primeiras;
    if (unicos) primeiras.emplace();
    SaidaComando saida("collect");
    std::string bloco;
    const auto receber = [&](std::string_view candidato) {
        if (!selecao.Aceitar(candidato)) return;
        if (primeiras && !primeiras->Primeira(candidato)) return;
        bloco += candidato;
        bloco += '\n';
    };
    const bool lido = LerEntradaEmPartes(arquivo, "collect", [&](std::string_view texto, bool) {
        bloco.clear();
        coleta.Acrescentar(texto, receber);
        return saida.Escrever(bloco);
    });
    bloco.clear();
    if (lido) coleta.Terminar(receber);
    saida.Escrever(bloco);
    if (!saida.Terminar()) return SaidaEntradaInvalida;
    return lido ? SaidaOk : SaidaArquivoIlegivel;
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
