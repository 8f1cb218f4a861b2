// tastavo-cli parse: the packed value of chord symbols.
#include <iostream>

#include <nlohmann/json.hpp>

#include "Cifra.h"
#include "Comandos.h"
#include "SaidaAcordes.h"

namespace {

int Executar(const std::vector<std::string>& cifras, bool json) {
    int status = SaidaOk;
    nlohmann::json lista = nlohmann::json::array();
    for (const auto& cifra : cifras) {
        try {
            const CifraCodificada c = AnalisarCifra(cifra);
            if (json) {
                lista.push_back(saida::CifraEmJson(cifra, c));
            } else {
                std::cout << cifra << '\t' << c << '\n';
            }
        } catch (const std::exception& e) {
            status = SaidaEntradaInvalida;
            const saida::Erro erro = saida::DescreverErro(e);
            std::cerr << "tastavo-cli: " << cifra << ": " << erro.mensagem << '\n';
            if (json) {
                lista.push_back(saida::ErroEmJson(cifra, erro));
            } else {
                std::cout << cifra << "\terror: " << erro.mensagem << '\n';
            }
        }
    }
    if (json) std::cout << saida::TextoJson(lista) << '\n';
    return status;
}

const RegistrarComando registro{Comando{
    "parse", "Print the packed value (code) of each chord symbol",
    [](CLI::App& sub) -> std::function<int()> {
        auto cifras = std::make_shared<std::vector<std::string>>();
        auto json = std::make_shared<bool>(false);
        sub.add_flag("--json", *json, "JSON output: root, bass and intervals of each symbol");
        sub.add_option("SYMBOL", *cifras, "Chord symbols, such as C7M(9)/E")->required();
        return [cifras, json] { return Executar(*cifras, *json); };
    }}};

}  // namespace
