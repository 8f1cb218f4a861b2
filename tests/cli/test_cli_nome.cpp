// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli name, run as a user runs it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ExecutarCli.h"

namespace {

using nlohmann::json;

using Execucao = ExecucaoCli;

Execucao Executar(const std::string& argumentos) { return ExecutarCliComErros(argumentos); }

TEST(CliName, NomesDeNotasOPrimeiroEhOBaixo) {
    const auto e = Executar("name E G C");
    EXPECT_EQ(e.r.status, 0) << e.erros;
    EXPECT_EQ(e.r.saida, "C/E\n");
    EXPECT_EQ(e.erros, "");
    EXPECT_EQ(Executar("name C E G").r.saida, "C\n");
    EXPECT_EQ(Executar("name 'F#' A C D").r.saida, "D7/F#\n");

    const auto todos = Executar("name --all C E G A");
    EXPECT_EQ(todos.r.status, 0);
    EXPECT_TRUE(todos.r.saida.starts_with("C6\n")) << todos.r.saida;
    EXPECT_NE(todos.r.saida.find("\nAm7/C\n"), std::string::npos);
}

TEST(CliName, JsonComNumerosMidiOMaisGraveEhOBaixo) {
    for (const char* notas : {"64 67 72", "72 64 67"}) {
        const auto e = Executar(std::string("name --json ") + notas);
        ASSERT_EQ(e.r.status, 0) << notas << e.erros;
        const json j = json::parse(e.r.saida);
        EXPECT_EQ(j["bass"], "E");
        EXPECT_EQ(j["pitch_classes"], json({0, 4, 7}));
        ASSERT_GT(j["names"].size(), 1u);
        EXPECT_EQ(j["names"][0], json({{"symbol", "C/E"}, {"code", 4615}}));
    }
    // Octaves do not matter, the lowest note does.
    const json c = json::parse(Executar("name --json 76 60 67 64").r.saida);
    EXPECT_EQ(c["bass"], "C");
    EXPECT_EQ(c["names"][0]["symbol"], "C");
    // Every name listed reads back as its code: parse agrees.
    const json j = json::parse(Executar("name --json 62 66 69 72").r.saida);
    std::string simbolos;
    for (const auto& n : j["names"]) simbolos += " '" + n["symbol"].get<std::string>() + "'";
    const auto analise = Executar("parse --json" + simbolos);
    ASSERT_EQ(analise.r.status, 0) << analise.erros;
    const json p = json::parse(analise.r.saida);
    ASSERT_EQ(p.size(), j["names"].size());
    for (std::size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i]["code"], j["names"][i]["code"]);
}

TEST(CliName, NadaNomeiaAsNotas) {
    struct Caso {
        const char* argumentos;
        const char* mensagem;
    };
    const Caso casos[] = {
        {"name C", "a chord needs at least two different notes"},
        {"name 60 72", "a chord needs at least two different notes"},
        {"name C D E F G A", "the keyboard plays at most five different notes"},
    };
    for (const Caso& c : casos) {
        const auto e = Executar(c.argumentos);
        EXPECT_EQ(e.r.status, 1) << c.argumentos;
        EXPECT_EQ(e.r.saida, "");
        EXPECT_EQ(e.erros, std::string("tastavo-cli: name: ") + c.mensagem + "\n");
    }
    // JSON still says what was asked, with no names.
    const auto e = Executar("name --json C");
    EXPECT_EQ(e.r.status, 1);
    EXPECT_EQ(json::parse(e.r.saida)["names"], json::array());
}

TEST(CliName, ErrosDeUso) {
    for (const char* argumentos :
         {"name", "name C 64", "name 60 E", "name H C", "name 128 60", "name Cb E", "name c e g",
          "name -1 60", "name '[C]' E G", "name --json"}) {
        const auto e = Executar(argumentos);
        EXPECT_EQ(e.r.status, 2) << argumentos;
        EXPECT_EQ(e.r.saida, "") << argumentos;
        EXPECT_FALSE(e.erros.empty()) << argumentos;
    }
    EXPECT_NE(Executar("name C 64").erros.find("not both"), std::string::npos);
}

TEST(CliName, ErroDeEscrita) {
    const auto e = Executar("name C E G > /dev/full");
    EXPECT_EQ(e.r.status, 1);
    EXPECT_NE(e.erros.find("cannot write"), std::string::npos) << e.erros;
}

}  // namespace
