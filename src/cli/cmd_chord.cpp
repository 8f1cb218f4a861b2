// tastavo-cli chord: the fingered keyboard positions of chord symbols.
#include <iostream>
#include <map>

#include <nlohmann/json.hpp>

#include "Comandos.h"
#include "GeradorAcordesTeclado.h"
#include "SaidaAcordes.h"

namespace {

const char* NomeRotulos(ModoVisualizacao r) {
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
                if (!primeiro) std::cout << '\n';
                primeiro = false;
                std::cout << cifra << "  position " << i + 1 << " of " << acorde->QuantidadePosicoes() << " ("
                          << NomeRotulos(rotulos) << ")\n"
                          << saida::DesenharTeclado(*acorde, i, rotulos);
            }
        } catch (const std::exception& e) {
            status = SaidaEntradaInvalida;
            const saida::Erro erro = saida::DescreverErro(e);
            std::cerr << "tastavo-cli: " << cifra << ": " << erro.mensagem << '\n';
            if (json) lista.push_back(saida::ErroEmJson(cifra, erro));
        }
    }
    if (json) std::cout << saida::TextoJson(lista) << '\n';
    return status;
}

const RegistrarComando registro{Comando{
    "chord", "Show every keyboard position of each chord symbol, with its fingering",
    [](CLI::App& sub) -> std::function<int()> {
        auto cifras = std::make_shared<std::vector<std::string>>();
        auto json = std::make_shared<bool>(false);
        auto rotulos = std::make_shared<ModoVisualizacao>(ModoVisualizacao::Dedos);
        const std::map<std::string, ModoVisualizacao> tipos{
            {"fingers", ModoVisualizacao::Dedos}, {"notes", ModoVisualizacao::Notas}, {"intervals", ModoVisualizacao::Intervalos}};
        sub.add_flag("--json", *json, "JSON output");
        sub.add_option("--labels", *rotulos, "Key labels: fingers, notes or intervals")
            ->transform(CLI::CheckedTransformer(tipos, CLI::ignore_case));
        sub.add_option("SYMBOL", *cifras, "Chord symbols, such as C7M(9)/E")->required();
        return [cifras, json, rotulos] { return Executar(*cifras, *json, *rotulos); };
    }}};

}  // namespace
