// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli: the chord dictionary's engine for scripts.
#include <algorithm>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "Comandos.h"
#include "Maneiras.h"

std::vector<Comando>& RegistroComandos() {
    static std::vector<Comando> comandos;
    return comandos;
}

namespace {

// The first argument naming no command, before CLI11 sees it: it would only say that a command
// is required. The tool's own options are flags, so the first word that is not an option is
// the command.
std::optional<int> ComandoDesconhecido(int argc, char** argv,
                                       const std::vector<std::string>& nomes) {
    for (int i = 1; i < argc; ++i) {
        const std::string argumento = argv[i];
        if (argumento == "--") break;
        if (PareceOpcao(argumento)) continue;
        if (std::find(nomes.begin(), nomes.end(), argumento) != nomes.end()) return std::nullopt;
        const auto proximos = MaisProximos(argumento, nomes);
        std::string mensagem = "unknown command '" + argumento + "'";
        if (!proximos.empty()) mensagem += "; did you mean " + ListarComOu(proximos) + "?";
        return ErroDeUso(nullptr, mensagem);
    }
    return std::nullopt;
}

// The help, of the tool or of the command asked about, wrapped to the terminal.
int MostrarAjuda(const CLI::App& app, CLI::AppFormatMode modo) {
    std::cout << Envolver(app.help("", modo), LarguraTerminal()) << std::flush;
    return std::cout ? SaidaOk : SaidaEntradaInvalida;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Tastavo chord dictionary for keyboard players", "tastavo-cli"};
    app.require_subcommand(1);
    app.set_version_flag("-V,--version", std::string("tastavo ") + TASTAVO_VERSAO,
                         "Print the version and exit");

    auto& comandos = RegistroComandos();
    std::sort(comandos.begin(), comandos.end(),
              [](const Comando& a, const Comando& b) { return a.nome < b.nome; });
    std::vector<std::string> nomes;
    std::vector<std::pair<CLI::App*, std::function<int()>>> acoes;
    for (const auto& c : comandos) {
        CLI::App* sub = app.add_subcommand(c.nome, c.descricao);
        acoes.emplace_back(sub, c.configurar(*sub));
        nomes.push_back(c.nome);
    }
    NomearEscolhas(app);
    if (const auto status = ComandoDesconhecido(argc, argv, nomes)) return *status;

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return MostrarAjuda(app, CLI::AppFormatMode::Normal);
    } catch (const CLI::CallForAllHelp&) {
        return MostrarAjuda(app, CLI::AppFormatMode::All);
    } catch (const CLI::CallForVersion& e) {
        std::cout << e.what() << '\n' << std::flush;
        return std::cout ? SaidaOk : SaidaEntradaInvalida;
    } catch (const CLI::ParseError& e) {
        const auto subcomandos = app.get_subcommands();
        CLI::App* sub = subcomandos.empty() ? nullptr : subcomandos.front();
        // A mistyped option is what is wrong, not the argument found missing after it ("play
        // --C" has no missing SYMBOL).
        for (const std::string& argumento : app.remaining(true)) {
            if (PareceOpcao(argumento))
                return OpcaoDesconhecida(sub ? *sub : app, argumento, sub != nullptr);
        }
        if (sub == nullptr)
            return ErroDeUso(nullptr, "a command is required (one of " + ListarComOu(nomes) + ")");
        return ErroDeUso(sub, e.what());
    }
    for (auto& [sub, acao] : acoes) {
        if (!sub->parsed()) continue;
        try {
            return acao();
        } catch (const std::bad_alloc&) {
            // An input too large for the memory at hand is a failure to report, not a crash.
            std::cerr << "tastavo-cli: " << sub->get_name() << ": out of memory\n";
            return SaidaEntradaInvalida;
        }
    }
    return SaidaUso;
}
