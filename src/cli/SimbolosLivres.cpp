// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimbolosLivres.h"

#include <iostream>
#include <memory>

#include "Maneiras.h"

namespace {

// The help of a command with free symbols: they are listed as a required positional, as CLI11
// lists its own.
class FormatoSimbolos : public CLI::Formatter {
  public:
    FormatoSimbolos(std::string nome, std::string descricao)
        : nome_(std::move(nome)), descricao_(std::move(descricao)) {}

    std::string make_usage(const CLI::App* app, std::string name) const override {
        std::string uso = CLI::Formatter::make_usage(app, std::move(name));
        const std::size_t fim = uso.find('\n');
        uso.insert(fim == std::string::npos ? uso.size() : fim, " " + nome_ + "...");
        return uso;
    }

    std::string make_positionals(const CLI::App*) const override {
        std::stringstream s;
        s << "\n" << get_label("Positionals") << ":\n";
        CLI::detail::format_help(s, nome_ + " TEXT ... REQUIRED", descricao_, get_column_width());
        return s.str();
    }

  private:
    std::string nome_;
    std::string descricao_;
};

}  // namespace

SimbolosLivres::SimbolosLivres(CLI::App& sub, std::string nome, std::string descricao)
    : sub_(sub), nome_(nome) {
    sub.allow_extras();
    sub.formatter(std::make_shared<FormatoSimbolos>(std::move(nome), std::move(descricao)));
}

std::optional<std::vector<std::string>> SimbolosLivres::Ler() const {
    std::vector<std::string> simbolos;
    for (const std::string& argumento : sub_.remaining()) {
        // No chord symbol starts with "-": the root comes first.
        if (argumento.size() > 1 && argumento.front() == '-') {
            OpcaoDesconhecida(sub_, argumento, true);
            return std::nullopt;
        } else {
            simbolos.push_back(argumento);
        }
    }
    if (simbolos.empty()) {
        ErroDeUso(&sub_, nome_ + " is required");
        return std::nullopt;
    }
    return simbolos;
}
