// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli chord: the fingered keyboard positions of chord symbols.
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>

#include "Comandos.h"
#include "GeradorAcordesTeclado.h"
#include "LeituraEntrada.h"
#include "SaidaAcordes.h"
#include "SimbolosLivres.h"

namespace {

std::string NomeRotulos(ModoVisualizacao r) {
    switch (r) {
        case ModoVisualizacao::Dedos:
            return "fingers";
        case ModoVisualizacao::Notas:
            return "notes";
        case ModoVisualizacao::Intervalos:
            return "intervals";
    }
    return "";
}

int Executar(const std::vector<std::string>& cifras, bool json, ModoVisualizacao rotulos) {
    int status = SaidaOk;
    SaidaComando saida("chord");
    nlohmann::json lista = nlohmann::json::array();
    bool primeiro = true;
    for (const auto& cifra : cifras) {
        try {
            const auto acorde = GeradorAcordesTeclado::Instancia().GerarAcorde(cifra);
            if (json) {
                lista.push_back(saida::AcordeEmJson(*acorde, rotulos));
                continue;
            }
            for (int i = 0; i < acorde->QuantidadePosicoes(); ++i) {
                if (!primeiro) saida.Escrever("\n");
                primeiro = false;
                saida.Escrever(cifra + "  position " + std::to_string(i + 1) + " of " +
                               std::to_string(acorde->QuantidadePosicoes()) + " (" +
                               NomeRotulos(rotulos) + ")\n" +
                               saida::DesenharTeclado(*acorde, i, rotulos));
            }
        } catch (const std::exception& e) {
            status = SaidaEntradaInvalida;
            const saida::Erro erro = saida::DescreverErro(e);
            std::cerr << "tastavo-cli: " << cifra << ": " << erro.mensagem << '\n';
            if (json) lista.push_back(saida::ErroEmJson(cifra, erro));
        }
    }
    if (json) saida.Escrever(saida::TextoJson(lista) + '\n');
    return saida.Terminar() ? status : SaidaEntradaInvalida;
}

const RegistrarComando registro{
    Comando{"chord", "Show every keyboard position of each chord symbol, with its fingering",
            [](CLI::App& sub) -> std::function<int()> {
                auto json = std::make_shared<bool>(false);
                auto rotulos = std::make_shared<ModoVisualizacao>(ModoVisualizacao::Dedos);
                const std::map<std::string, ModoVisualizacao> tipos{
                    {"fingers", ModoVisualizacao::Dedos},
                    {"notes", ModoVisualizacao::Notas},
                    {"intervals", ModoVisualizacao::Intervalos}};
                sub.add_flag("--json", *json, "JSON output");
                sub.add_option("--labels", *rotulos, "Key labels: fingers, notes or intervals")
                    ->transform(CLI::CheckedTransformer(tipos, CLI::ignore_case));
                auto simbolos = std::make_shared<SimbolosLivres>(
                    sub, "SYMBOL", "Chord symbols, such as C7M(9)/E, each taken as typed");
                return [simbolos, json, rotulos] {
                    const auto cifras = simbolos->Ler();
                    return cifras ? Executar(*cifras, *json, *rotulos) : SaidaUso;
                };
            }}};

}  // namespace
