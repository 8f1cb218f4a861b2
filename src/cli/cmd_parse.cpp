// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli parse: the packed value of chord symbols.
#include <iostream>
#include <nlohmann/json.hpp>

#include "Cifra.h"
#include "Comandos.h"
#include "LeituraEntrada.h"
#include "SaidaAcordes.h"
#include "SimbolosLivres.h"

namespace {

int Executar(const std::vector<std::string>& cifras, bool json) {
    int status = SaidaOk;
    SaidaComando saida("parse");
    nlohmann::json lista = nlohmann::json::array();
    for (const auto& cifra : cifras) {
        try {
            const CifraCodificada c = AnalisarCifra(cifra);
            if (json) {
                lista.push_back(saida::CifraEmJson(cifra, c));
            } else {
                saida.Escrever(saida::TextoLegivel(cifra) + '\t' + std::to_string(c) + '\n');
            }
        } catch (const std::exception& e) {
            status = SaidaEntradaInvalida;
            const saida::Erro erro = saida::DescreverErro(e);
            std::cerr << "tastavo-cli: " << saida::TextoLegivel(cifra + ": " + erro.mensagem)
                      << '\n';
            if (json) {
                lista.push_back(saida::ErroEmJson(cifra, erro));
            } else {
                saida.Escrever(saida::TextoLegivel(cifra + "\terror: " + erro.mensagem) + '\n');
            }
        }
    }
    if (json) saida.Escrever(saida::TextoJson(lista) + '\n');
    return saida.Terminar() ? status : SaidaEntradaInvalida;
}

const RegistrarComando registro{Comando{
    "parse", "Print the packed value (code) of each chord symbol",
    [](CLI::App& sub) -> std::function<int()> {
        auto json = std::make_shared<bool>(false);
        sub.add_flag("--json", *json, "JSON output: root, bass and intervals of each symbol");
        auto simbolos = std::make_shared<SimbolosLivres>(
            sub, "SYMBOL", "Chord symbols, such as C7M(9)/E, each taken as typed");
        return [simbolos, json] {
            const auto cifras = simbolos->Ler();
            return cifras ? Executar(*cifras, *json) : SaidaUso;
        };
    }}};

}  // namespace
