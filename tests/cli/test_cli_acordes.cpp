// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "ExecutarCli.h"

namespace {

using nlohmann::json;

TEST(CliChord, C7DaAsQuatroPosicoesEmOrdem) {
    const auto r = ExecutarCli("chord --json C7");
    ASSERT_EQ(r.status, 0) << r.saida;
    const json j = json::parse(r.saida);
    ASSERT_EQ(j.size(), 1u);
    EXPECT_EQ(j[0]["symbol"], "C7");
    EXPECT_EQ(j[0]["code"], 4672);
    const auto& posicoes = j[0]["positions"];
    ASSERT_EQ(posicoes.size(), 4u);
    const std::vector<std::vector<int>> teclas = {
        {7, 10, 12, 16}, {10, 12, 16, 19}, {4, 7, 10, 12}, {0, 4, 7, 10}};
    const std::vector<int> distancias = {11, 13, 15, 27};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(posicoes[i]["keys"].get<std::vector<int>>(), teclas[i]) << i;
        EXPECT_EQ(posicoes[i]["distance"], distancias[i]) << i;
        const auto dedos = posicoes[i]["fingers"].get<std::vector<int>>();
        ASSERT_EQ(dedos.size(), teclas[i].size());
        EXPECT_EQ(dedos.front(), 5);
        std::vector<std::string> rotulos;
        for (int d : dedos) rotulos.push_back(std::to_string(d));
        EXPECT_EQ(posicoes[i]["labels"].get<std::vector<std::string>>(), rotulos)
            << "finger labels by default";
        int mascara = 0;
        for (int k : teclas[i]) mascara |= 1 << k;
        EXPECT_EQ(posicoes[i]["mask"], mascara);
    }
}

TEST(CliChord, RotulosDeNotasEIntervalos) {
    const json notas = json::parse(ExecutarCli("chord --json --labels notes Bb7 A#7").saida);
    EXPECT_EQ(notas[0]["positions"][0]["labels"], json({"Ab", "Bb", "D", "F"}));
    EXPECT_EQ(notas[1]["positions"][0]["labels"], json({"G#", "A#", "D", "F"}));
    const json intervalos =
        json::parse(ExecutarCli("chord --json --labels intervals 'C7M(9)/E'").saida);
    EXPECT_EQ(intervalos[0]["positions"][0]["labels"], json({"3M", "5", "7M", "T", "9"}));
}

TEST(CliChord, ErrosNaoImpedemOsOutrosSimbolos) {
    const auto r = ExecutarCli("chord --json Cmaja 'C7(b9)(9)(13)' H C");
    EXPECT_EQ(r.status, 1);
    const json j = json::parse(r.saida);
    ASSERT_EQ(j.size(), 4u);
    EXPECT_EQ(j[0], json({{"symbol", "Cmaja"}, {"error", "invalid-format"}, {"text", "Cmaja"}}));
    EXPECT_EQ(j[1], json({{"symbol", "C7(b9)(9)(13)"}, {"error", "invalid-format"}, {"text", ""}}));
    EXPECT_EQ(j[2], json({{"symbol", "H"}, {"error", "root-not-found"}, {"text", "H"}}));
    EXPECT_EQ(j[3]["positions"].size(), 3u);
}

TEST(CliParse, TextoEJson) {
    const auto texto = ExecutarCli("parse C 'C/E' Cmaja");
    EXPECT_EQ(texto.status, 1);
    EXPECT_EQ(texto.saida.substr(0, 16), "C\t4608\nC/E\t4615\n");
    EXPECT_NE(texto.saida.find("Cmaja\terror: "), std::string::npos);

    const auto r = ExecutarCli("parse --json 'Bb7/D' C#m");
    ASSERT_EQ(r.status, 0);
    const json j = json::parse(r.saida);
    EXPECT_EQ(j[0], json({{"symbol", "Bb7/D"},
                          {"code", 987716},
                          {"root", "Bb"},
                          {"bass", "D"},
                          {"intervals", {4, 7, 10}}}));
    EXPECT_EQ(j[1]["bass"], nullptr);
    EXPECT_EQ(j[1]["intervals"], json({3, 7}));
}

TEST(CliParse, SimboloQueNaoEhUtf8AindaDaJsonValido) {
    // "Cº" typed in a single-byte terminal arrives as C and the byte 0xBA.
    for (const std::string comando : {"parse --json", "chord --json"}) {
        const auto r = ExecutarCli(comando + " \"$(printf 'C\\272')\" \"$(printf '\\377C')\" C");
        EXPECT_EQ(r.status, 1) << comando;
        const json j = json::parse(r.saida);
        ASSERT_EQ(j.size(), 3u) << comando;
        EXPECT_EQ(j[0],
                  json({{"symbol", "C\uFFFD"}, {"error", "invalid-format"}, {"text", "C\uFFFD"}}));
        EXPECT_EQ(j[1], json({{"symbol",
                               "\uFFFD"
                               "C"},
                              {"error", "root-not-found"},
                              {"text", "\uFFFD"}}));
        EXPECT_EQ(j[2]["code"], 4608) << comando;
    }
}

TEST(CliParse, ErroDeUso) {
    EXPECT_EQ(ExecutarCli("parse").status, 2);
    EXPECT_EQ(ExecutarCli("chord --labels colours C").status, 2);
    EXPECT_EQ(ExecutarCli("nonsense").status, 2);
}

TEST(CliParse, CadaSimboloChegaComoFoiDigitado) {
    // Chart brackets and commas are the user's text, not a list syntax.
    const auto texto = ExecutarCli("parse '[C]' '[C,G]' 'C,G' '[[C]]'");
    EXPECT_EQ(texto.status, 1);
    EXPECT_EQ(texto.saida,
              "[C]\terror: root not found: \"[\" is not a note name\n"
              "[C,G]\terror: root not found: \"[\" is not a note name\n"
              "C,G\t4619\n"  // C/G
              "[[C]]\terror: root not found: \"[\" is not a note name\n");
    for (const std::string comando : {"parse --json", "chord --json"}) {
        const json j = json::parse(ExecutarCli(comando + " '[C,G]' C").saida);
        ASSERT_EQ(j.size(), 2u) << comando;
        EXPECT_EQ(j[0]["symbol"], "[C,G]") << comando;
        EXPECT_EQ(j[1]["symbol"], "C") << comando;
    }
}

// Runs the tool and gives its exit status and what it wrote to stderr.
std::pair<int, std::string> StatusEErros(const std::string& argumentos) {
    const std::string erros =
        ::testing::TempDir() + "tastavo-cli-erros-" + std::to_string(getpid()) + ".txt";
    const int status = ExecutarCli(argumentos, erros).status;
    std::ifstream f(erros);
    std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::remove(erros.c_str());
    return {status, texto};
}

TEST(CliParse, OpcaoDesconhecidaEhDitaComoTal) {
    for (const std::string argumentos : {"parse --C", "parse C --C", "chord --json --C", "play --C",
                                         "transpose --up 1 --C", "collect --C"}) {
        const auto [status, erros] = StatusEErros(argumentos);
        EXPECT_EQ(status, 2) << argumentos;
        EXPECT_NE(erros.find("--C"), std::string::npos) << argumentos << ": " << erros;
        EXPECT_EQ(erros.find("required"), std::string::npos) << argumentos << ": " << erros;
    }
}

TEST(CliSaida, FalhaDeEscritaEhSaida1ComOMotivo) {
    const std::string arquivo =
        ::testing::TempDir() + "tastavo-cli-cifra-" + std::to_string(getpid()) + ".txt";
    std::ofstream(arquivo) << "C G\nHoje [Am]eu\n";
    const std::string cifra = "'" + arquivo + "'";
    for (const std::string& comando : std::vector<std::string>{
             "parse C", "parse --json C", "chord C", "chord --json C", "catalogue", "devices",
             "transpose --up 1 " + cifra, "collect " + cifra}) {
        const auto [status, erros] = StatusEErros(comando + " > /dev/full");
        EXPECT_EQ(status, 1) << comando;
        EXPECT_NE(erros.find("cannot write the output: No space left on device"), std::string::npos)
            << comando << ": " << erros;
    }
    std::remove(arquivo.c_str());
}

}  // namespace
