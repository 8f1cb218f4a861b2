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
        const int codigo = app.exit(e);
        return codigo == 0 ? SaidaOk : SaidaUso;
    }
    for (auto& [sub, acao] : acoes) {
        if (sub->parsed()) return acao();
    }
    return SaidaUso;
}
