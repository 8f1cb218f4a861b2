// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli: the chord dictionary's engine for scripts.
#include <algorithm>
#include <iostream>

#include "Comandos.h"

std::vector<Comando>& RegistroComandos() {
    static std::vector<Comando> comandos;
    return comandos;
}

int main(int argc, char** argv) {
    CLI::App app{"Tastavo chord dictionary for keyboard players", "tastavo-cli"};
    app.require_subcommand(1);

    auto& comandos = RegistroComandos();
    std::sort(comandos.begin(), comandos.end(),
              [](const Comando& a, const Comando& b) { return a.nome < b.nome; });
    std::vector<std::pair<CLI::App*, std::function<int()>>> acoes;
    for (const auto& c : comandos) {
        CLI::App* sub = app.add_subcommand(c.nome, c.descricao);
        acoes.emplace_back(sub, c.configurar(*sub));
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // A mistyped option is what is wrong, not the argument found missing after it ("play
        // --C" has no missing SYMBOL).
        if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
            const auto subcomandos = app.get_subcommands();
            const std::string nome =
                subcomandos.empty() ? "" : " " + subcomandos.front()->get_name();
            for (const std::string& argumento : app.remaining(true)) {
                if (argumento.size() > 1 && argumento.front() == '-' && argumento != "--") {
                    std::cerr << "tastavo-cli" << nome << ": unknown option \"" << argumento
                              << "\"\n"
                              << "Run with --help for more information.\n";
                    return SaidaUso;
                }
            }
        }
        const int codigo = app.exit(e);
        return codigo == 0 ? SaidaOk : SaidaUso;
    }
    for (auto& [sub, acao] : acoes) {
        if (sub->parsed()) return acao();
    }
    return SaidaUso;
}
